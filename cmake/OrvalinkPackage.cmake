# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package that tools/package builds with CPack: everything `cmake --install` puts in
# the prefix, plus the files Debian's policy asks of every package (the copyright file and the
# changelog under /usr/share/doc). Include after every install() rule.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvalink)
set(CPACK_PACKAGE_VENDOR "The Orvalink developers")
set(CPACK_PACKAGE_CONTACT "Orvalink Developers <developers@orvalink.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "move bookmarks between browsers and publish them as a menu page")
# CPack puts the summary first and indents these lines as Debian's control file wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Orvalink moves bookmarks between an Internet Explorer Favorites folder, the
bookmark file Firefox imports and exports, and the Opera hotlist, keeping
titles, separators, dates, keywords and descriptions. It can also publish
them as a web page with cascading menus.

The package holds the desktop program, orvalink, and the command line,
orvalink-cli.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps names the libraries' packages as Debian does, versions included.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the standard buttons, the file dialogs) in the languages Orvalink speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(packaged_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
# Debian wants the changelog compressed to the maximum and without a time stamp, so that two
# builds of one version give the same bytes.
add_custom_command(OUTPUT ${packaged_changelog}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                   COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
                           > ${packaged_changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
add_custom_target(orvalink_packaged_changelog ALL DEPENDS ${packaged_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${packaged_changelog}
        DESTINATION ${doc_dir})

include(CPack)
