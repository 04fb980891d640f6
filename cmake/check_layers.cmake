# SPDX-License-Identifier: MIT
# Fails when a source file includes a header from a folder above its own.
# The folders under src/, lowest first; each may include its own headers and
# those of the folders before it. Usage: cmake -DSRC=<src folder> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
set(layers base database scores screens engine shell tools)

if(NOT SRC)
  message(FATAL_ERROR "check_layers: pass -DSRC=<src folder>")
endif()

file(GLOB folders RELATIVE ${SRC} ${SRC}/*)
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY ${SRC}/${folder} AND NOT folder IN_LIST layers)
    message(SEND_ERROR "src/${folder}/ has no place among the layers: add it to ${CMAKE_CURRENT_LIST_FILE}")
  endif()
endforeach()

set(violations 0)
file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder ${source})
  list(FIND layers ${folder} own_rank)
  file(STRINGS ${SRC}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*$" "\\1" included ${line})
    list(FIND layers ${included} included_rank)
    if(included_rank GREATER own_rank)
      message(SEND_ERROR "src/${source} includes ${included}/, a folder above ${folder}/")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH sources checked)
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) against the layers, in ${checked} files")
endif()
message(STATUS "${checked} files include only their own folder and the folders below it")
