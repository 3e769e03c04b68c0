# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a catalogue lacks a translation: it runs lupdate over the sources into a copy of
# each catalogue, so that a text added to the code and not yet translated fails too, and looks
# for entries lupdate left unfinished.
# cmake -DLUPDATE=path -DTS_FILES=a.ts,b.ts -DSOURCES=list-file -DINCLUDE_DIR=dir
#       -DOPTIONS=-locations,none -P CheckTranslations.cmake
cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" TS_FILES "${TS_FILES}")
string(REPLACE "," ";" OPTIONS "${OPTIONS}")

string(RANDOM LENGTH 8 suffix)
set(scratch $ENV{TMPDIR})
if(NOT scratch)
    set(scratch /tmp)
endif()
set(scratch ${scratch}/orvalink-translations-${suffix})
file(MAKE_DIRECTORY ${scratch})

set(failures)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${scratch})
    execute_process(COMMAND ${LUPDATE} -I ${INCLUDE_DIR} ${OPTIONS} @${SOURCES} -ts ${scratch}/${name}
                    OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE failed)
    if(failed)
        list(APPEND failures "${name}: lupdate failed: ${errors}")
        continue()
    endif()
    file(STRINGS ${scratch}/${name} unfinished REGEX "type=\"unfinished\"")
    list(LENGTH unfinished count)
    if(count GREATER 0)
        list(APPEND failures "${name}: ${count} texts without a translation (run the update_translations target and translate them)")
    endif()
endforeach()
file(REMOVE_RECURSE ${scratch})

if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "${report}")
endif()
