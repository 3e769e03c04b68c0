# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a program's man page from its own --help, so that the page and the help never disagree,
# and gzips it as Debian wants (maximum compression, no time stamp).
# cmake -DPROGRAM=path -DNAME=orvalink-cli -DSUMMARY="one line" -DVERSION=1.0 -DOUTPUT=x.1.gz
#       [-DCOMMANDS=ON] -P WriteManPage.cmake
# With COMMANDS, the page gets a section per command listed under "Commands:", from
# "PROGRAM help COMMAND".

# A sanitized build must not fail the page over what it leaks at exit.
set(ENV{ASAN_OPTIONS} detect_leaks=0)
# The pages are English whatever the language of the one who builds them.
set(ENV{LC_ALL} C)
set(ENV{LANG} C)
set(ENV{LANGUAGE} "")

function(help_of output)
    execute_process(COMMAND ${PROGRAM} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${PROGRAM} ${ARGN} failed: ${failed}")
    endif()
    set(${output} "${text}" PARENT_SCOPE)
endfunction()

# Help text as roff, kept as printed: backslashes and hyphens escaped, no line taken as a request.
function(as_roff output text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${output} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

help_of(overview --help)
# The usage lines are the synopsis; the rest describes.
string(FIND "${overview}" "\n\n" usage_end)
string(SUBSTRING "${overview}" 0 ${usage_end} usage)
math(EXPR rest_start "${usage_end} + 2")
string(SUBSTRING "${overview}" ${rest_start} -1 description)
string(REGEX REPLACE "(^|\n)(Usage:)? +" "\\1" usage "${usage}")
string(TOUPPER "${NAME}" title)

as_roff(synopsis "${usage}\n")
as_roff(body "${description}")
string(CONCAT page ".TH ${title} 1 \"\" \"Orvalink ${VERSION}\" \"User Commands\"\n"
       ".SH NAME\n${NAME} \\- ${SUMMARY}\n.SH SYNOPSIS\n${synopsis}.SH DESCRIPTION\n${body}")

if(COMMANDS)
    string(REGEX MATCH "\nCommands:\n(  [^\n]+\n)+" listed "${overview}")
    string(REGEX MATCHALL "\n  [a-z]+" commands "${listed}")
    foreach(command IN LISTS commands)
        string(STRIP "${command}" command)
        help_of(help help ${command})
        string(TOUPPER "${command}" heading)
        as_roff(section "${help}")
        string(APPEND page ".SH \"COMMAND ${heading}\"\n${section}")
    endforeach()
endif()

string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
execute_process(COMMAND gzip -9 -n -f "${plain}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip ${plain} failed")
endif()
