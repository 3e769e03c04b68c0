# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source that holds files as byte arrays, so that the core library carries them
# without any run-time registration.
#
#   cmake -DOUTPUT=<file.cpp> -DFILES=<Name=path|Name=path...> -P embed_scripts.cmake
#
# Each Name becomes "const unsigned char Name[]" (the bytes and a closing 0) and
# "const qsizetype NameSize" (the byte count without it), in namespace orvalink::embedded.

set(text "// Generated from the menu script files by forms/menu_page/embed_scripts.cmake. Do not edit.\n")
string(APPEND text "#include <QtGlobal>\n\nnamespace orvalink::embedded {\n\n")
string(REPLACE "|" ";" entries "${FILES}")
foreach(entry IN LISTS entries)
    string(FIND "${entry}" "=" split)
    string(SUBSTRING "${entry}" 0 ${split} name)
    math(EXPR pathStart "${split} + 1")
    string(SUBSTRING "${entry}" ${pathStart} -1 path)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND text "extern const unsigned char ${name}[];\n")
    string(APPEND text "const unsigned char ${name}[] = {${bytes}0x00};\n")
    string(APPEND text "extern const qsizetype ${name}Size;\n")
    string(APPEND text "const qsizetype ${name}Size = ${size};\n\n")
endforeach()
string(APPEND text "} // namespace orvalink::embedded\n")
file(WRITE "${OUTPUT}" "${text}")
