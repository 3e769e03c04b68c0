# SPDX-License-Identifier: GPL-3.0-or-later
# orvalink_man_page(TARGET SUMMARY [COMMANDS]): builds TARGET's man page from its --help after
# TARGET is built (see WriteManPage.cmake) and installs it under share/man/man1.
include(GNUInstallDirs)

function(orvalink_man_page target summary)
    set(page ${CMAKE_BINARY_DIR}/man/${target}.1.gz)
    set(commands OFF)
    if("COMMANDS" IN_LIST ARGN)
        set(commands ON)
    endif()
    add_custom_command(OUTPUT ${page}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                       COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target}
                               "-DSUMMARY=${summary}" -DVERSION=${PROJECT_VERSION}
                               -DCOMMANDS=${commands} -DOUTPUT=${page}
                               -P ${PROJECT_SOURCE_DIR}/cmake/WriteManPage.cmake
                       DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/WriteManPage.cmake
                       COMMENT "Writing the man page of ${target}")
    add_custom_target(${target}_man_page ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
