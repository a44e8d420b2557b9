# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Writes the Debian changelog of the package from the release list of the
# metainfo, so the two never disagree: one entry per <release>, one item per
# untranslated <p> or <li> of its description, newest first as listed.
#   cmake -DMETAINFO=... -DPACKAGE=... -DMAINTAINER=... -DOUTPUT=... -P debian_changelog.cmake

# Wraps TEXT into changelog item lines of at most 80 columns.
function(wrap_item text out)
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  string(REPLACE " " ";" words "${text}")
  set(lines "")
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 80 AND NOT line STREQUAL "  *" AND NOT line STREQUAL "   ")
      string(APPEND lines "${line}\n")
      set(line "   ")
    endif()
    string(APPEND line " ${word}")
  endforeach()
  set(${out} "${lines}${line}\n" PARENT_SCOPE)
endfunction()

file(READ "${METAINFO}" xml)
# Semicolons would split CMake lists: carry them as a control character
# until the changelog is written.
string(ASCII 1 semicolon)
string(REPLACE ";" "${semicolon}" xml "${xml}")
set(changelog "")
set(rest "${xml}")
string(FIND "${rest}" "<release " start)
while(NOT start EQUAL -1)
  string(SUBSTRING "${rest}" ${start} -1 rest)
  string(FIND "${rest}" "</release>" end)
  string(SUBSTRING "${rest}" 0 ${end} release)
  string(SUBSTRING "${rest}" ${end} -1 rest)

  string(REGEX MATCH "version=\"([^\"]+)\"" _ "${release}")
  set(version "${CMAKE_MATCH_1}")
  string(REGEX MATCH "date=\"([^\"]+)\"" _ "${release}")
  set(date "${CMAKE_MATCH_1}")
  if(NOT version OR NOT date)
    message(FATAL_ERROR "a release in ${METAINFO} lacks its version or date")
  endif()
  execute_process(COMMAND date -u -R -d "${date}" OUTPUT_VARIABLE when
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

  string(APPEND changelog "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
  string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" items "${release}")
  if(NOT items)
    message(FATAL_ERROR "release ${version} in ${METAINFO} has no description")
  endif()
  foreach(item IN LISTS items)
    string(REGEX REPLACE "</?(p|li)>" "" item "${item}")
    foreach(escape "lt=<" "gt=>" "quot=\"" "apos='" "amp=&")
      string(REGEX MATCH "^([a-z]*)=(.*)$" _ "${escape}")
      string(REPLACE "&${CMAKE_MATCH_1}${semicolon}" "${CMAKE_MATCH_2}" item "${item}")
    endforeach()
    wrap_item("${item}" lines)
    string(APPEND changelog "${lines}")
  endforeach()
  string(APPEND changelog "\n -- ${MAINTAINER}  ${when}\n\n")
  string(FIND "${rest}" "<release " start)
endwhile()
if(NOT changelog)
  message(FATAL_ERROR "${METAINFO} lists no release")
endif()
string(STRIP "${changelog}" changelog)
string(REPLACE "${semicolon}" ";" changelog "${changelog}")
file(WRITE "${OUTPUT}" "${changelog}\n")
