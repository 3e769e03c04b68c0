# SPDX-License-Identifier: GPL-3.0-or-later
function(orvalink_set_warnings target)
    target_compile_options(${target} INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
    if(ORVALINK_WERROR)
        target_compile_options(${target} INTERFACE -Werror)
    endif()
endfunction()
