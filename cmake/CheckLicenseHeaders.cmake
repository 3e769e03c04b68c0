# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of ours does not name its licence in an SPDX line among its first
# three lines (after a shebang or an XML declaration). Test data is not source: the fixtures and
# fuzzing corpora stay as the browsers and fuzzers made them.
execute_process(COMMAND git ls-files -- "*.cpp" "*.h" "*.cmake" "*CMakeLists.txt" "*.js" "*.mjs"
                        "*.py" "*.sh" "tools/*" "bench/run" "tests/fuzz/run_harness" ".ci/run"
                        "packaging/completions/*" "resources/help/*"
                WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE files
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE git_result)
if(NOT git_result EQUAL 0)
    message(STATUS "Not a git checkout: no licence lines to check")
    return()
endif()
string(REPLACE "\n" ";" files "${files}")
list(FILTER files EXCLUDE REGEX "^tests/fixtures/|^tests/fuzz/corpus/|node_modules/")
set(missing)
foreach(file IN LISTS files)
    if(NOT EXISTS ${SOURCE_DIR}/${file})
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${file} head LIMIT_COUNT 3)
    if(NOT head MATCHES "SPDX-License-Identifier: ")
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " listed)
    message(FATAL_ERROR "These files name no licence in an SPDX line:\n  ${listed}")
endif()
