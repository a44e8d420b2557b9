# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# cmake -DASSET_DIR=<dir> -P check_assets.cmake
# Fails the build if assetgen left out a file or wrote a picture or sound
# the game cannot load (it expects 24-bit BMP and RIFF WAV).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/asset_files.cmake)

foreach(name IN LISTS GAME_ASSET_NAMES)
  set(path "${ASSET_DIR}/${name}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "assetgen did not write ${path}")
  endif()
  file(SIZE "${path}" size)
  if(size EQUAL 0)
    message(FATAL_ERROR "assetgen wrote an empty ${path}")
  endif()
  if(name MATCHES "\\.bmp$")
    file(READ "${path}" head LIMIT 30 HEX)
    string(SUBSTRING "${head}" 0 4 magic)
    string(SUBSTRING "${head}" 56 4 bits)
    if(NOT magic STREQUAL "424d" OR NOT bits STREQUAL "1800")
      message(FATAL_ERROR "${path} is not a 24-bit BMP")
    endif()
  elseif(name MATCHES "\\.wav$")
    file(READ "${path}" head LIMIT 4 HEX)
    if(NOT head STREQUAL "52494646")  # "RIFF"
      message(FATAL_ERROR "${path} is not a WAV file")
    endif()
  endif()
endforeach()
