# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes from a folder above its own: the core (Qt Core only) never from the
# GUI, the command line never from the GUI, and within each library only downwards. Each folder
# lists the folders its files may include from, itself among them.
cmake_minimum_required(VERSION 3.25)

set(core model platform settings forms conversion)
set(gui ui selection windows)
set(allowed_model model)
set(allowed_platform model platform)
set(allowed_settings model platform settings)
set(allowed_forms model platform settings forms)
set(allowed_conversion ${core})
set(allowed_cli ${core} cli)
set(allowed_ui ${core} ui)
set(allowed_selection ${core} ui selection)
set(allowed_windows ${core} ${gui})
set(allowed_app ${core} ${gui} app)
set(project_folders ${core} ${gui} app cli)

execute_process(COMMAND git ls-files -- "*.cpp" "*.h"
                WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE files
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE git_result)
if(NOT git_result EQUAL 0)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
else()
    string(REPLACE "\n" ";" files "${files}")
endif()

set(violations)
foreach(file IN LISTS files)
    string(REGEX MATCH "^[^/]+" folder "${file}")
    if(NOT folder IN_LIST project_folders OR NOT EXISTS ${SOURCE_DIR}/${file})
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^#include \"[^/\"]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" target "${line}")
        if(target IN_LIST project_folders AND NOT target IN_LIST allowed_${folder})
            list(APPEND violations "${file}: ${line}")
        endif()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes that run against the layers (see README.md, Layout):\n  ${text}")
endif()
