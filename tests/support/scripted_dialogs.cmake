# SPDX-License-Identifier: GPL-3.0-or-later
# The scripted stand-in for the Dialogs seam: the GUI tests and the window benchmark answer the
# windows' dialogs with it. It is never part of the shipped program.
add_library(orvalink_scripted_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/scripted_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scripted_dialogs.h
)
target_link_libraries(orvalink_scripted_dialogs PUBLIC orvalink_gui)
