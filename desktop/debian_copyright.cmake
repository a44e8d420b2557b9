# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# The package's copyright file in Debian's machine-readable format, made from
# the licence at the top of the tree: every file of the game, the generated
# pictures, sounds and help text included, is the developers' own work under
# that one licence.
function(write_debian_copyright output licence_file)
  file(READ ${licence_file} licence)
  # The permission and the disclaimer, without the title and copyright line.
  string(FIND "${licence}" "Permission is hereby granted" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${licence_file} is not the MIT licence")
  endif()
  string(SUBSTRING "${licence}" ${start} -1 licence)
  string(STRIP "${licence}" licence)
  # A field's continuation lines start with a space; an empty line is " .".
  string(REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REPLACE "\n" "\n " licence "${licence}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${licence_file})
  string(CONCAT text
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: ${GAME_PROGRAM}\n"
    "Upstream-Contact: ${GAME_MAINTAINER}\n"
    "\n"
    "Files: *\n"
    "Copyright: 2026 The もけもけ developers\n"
    "License: Expat\n"
    "Comment: Expat is Debian's name for the licence SPDX calls MIT.\n"
    "\n"
    "License: Expat\n"
    " ${licence}\n")
  file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY)
endfunction()
