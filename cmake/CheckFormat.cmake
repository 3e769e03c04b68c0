# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when any C++ file under the source tree differs from what clang-format makes of it.
execute_process(COMMAND git ls-files -- "*.cpp" "*.h"
                WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE git_result)
if(NOT git_result EQUAL 0)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
    list(FILTER files EXCLUDE REGEX "^build")
else()
    string(REPLACE "\n" ";" files "${files}")
endif()
# A file deleted in the working tree but not yet in git's index has nothing to check.
list(FILTER files EXCLUDE REGEX "^$")
set(existing)
foreach(file IN LISTS files)
    if(EXISTS ${SOURCE_DIR}/${file})
        list(APPEND existing ${file})
    endif()
endforeach()
set(files ${existing})
if(NOT files)
    return()
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Some files are not formatted; run tools/format.")
endif()
