# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Run by CPack on its staging folder, before it packs it: Debian keeps game
# programs in /usr/games, so the package moves the program there from bin/,
# where `cmake --install` leaves it for every other prefix. games/ and bin/
# are siblings, so the data folder seen from the program (installation.h)
# stays the same.

file(GLOB_RECURSE programs LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/@GAME_PROGRAM@")
list(LENGTH programs found)
if(NOT found EQUAL 1)
  message(FATAL_ERROR "expected one @GAME_PROGRAM@ in a bin/ folder of the staged package, found: ${programs}")
endif()
cmake_path(GET programs PARENT_PATH bin)
cmake_path(GET bin PARENT_PATH prefix)
file(MAKE_DIRECTORY "${prefix}/games")
file(RENAME "${programs}" "${prefix}/games/@GAME_PROGRAM@")
file(GLOB left "${bin}/*")
if(NOT left)
  file(REMOVE_RECURSE "${bin}")
endif()
# What dh_strip also takes out: the compilers' names and versions.
execute_process(COMMAND "@CMAKE_OBJCOPY@" --remove-section=.comment --remove-section=.note
                        "${prefix}/games/@GAME_PROGRAM@" COMMAND_ERROR_IS_FATAL ANY)
