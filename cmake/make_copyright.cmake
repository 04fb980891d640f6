# SPDX-License-Identifier: MIT
# Writes the Debian package's machine-readable copyright file (DEP-5) from
# LICENSE and the credits in data/CREDITS.md: the code under the MIT licence,
# then one paragraph per maker and licence for the files of the credits'
# tables (the item pictures' table, "| picture | item | artist | licence |",
# and the licences-by-file table, "| files | made by | licence |").
# Stops with an error when a file in data/ is covered by no table, or when the
# item pictures' table names a picture that is not in data/.
# Usage: cmake -DSRC=<source dir> -DOUT=<copyright file> -P make_copyright.cmake
cmake_minimum_required(VERSION 3.25)

set(credits ${SRC}/data/CREDITS.md)
file(STRINGS ${credits} lines ENCODING UTF-8)

# Debian's names for the licences the credits name.
function(debian_licence text out)
  string(REPLACE "public domain" "public-domain" text "${text}")
  string(REPLACE "MIT" "Expat" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A DEP-5 glob ("*" any text, "?" one character) as a regular expression.
function(glob_regex glob out)
  string(REGEX REPLACE "([][.+^$()|\\\\])" "\\\\\\1" regex "${glob}")
  string(REPLACE "*" ".*" regex "${regex}")
  string(REPLACE "?" "." regex "${regex}")
  set(${out} "^${regex}$" PARENT_SCOPE)
endfunction()

# Every table row becomes a list of cells; a row's files and its group (maker
# and licence) are collected in the order of first appearance.
set(groups "")
set(all_globs "")
set(item_pictures "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\\|[-|]+\\|$" OR NOT line MATCHES "^\\|(.*)\\|$")
    continue()
  endif()
  string(REPLACE "|" ";" cells "${CMAKE_MATCH_1}")
  list(TRANSFORM cells STRIP)
  list(LENGTH cells ncells)
  if(ncells EQUAL 4 AND NOT line MATCHES "^\\| Picture \\|")
    list(GET cells 0 picture)
    list(GET cells 2 maker)
    list(GET cells 3 licence)
    set(files "data/${picture}")
    list(APPEND item_pictures ${picture})
  elseif(ncells EQUAL 3 AND line MATCHES "`")
    list(GET cells 0 files)
    list(GET cells 1 maker)
    list(GET cells 2 licence)
    string(REGEX MATCHALL "`[^`]+`" files "${files}")
    list(TRANSFORM files REPLACE "`" "")
  else()
    continue()
  endif()
  string(MD5 group "${maker}|${licence}")
  if(NOT group IN_LIST groups)
    list(APPEND groups ${group})
    set(maker_${group} "${maker}")
    debian_licence("${licence}" licence_${group})
  endif()
  list(APPEND files_${group} ${files})
  list(APPEND all_globs ${files})
endforeach()
if(NOT item_pictures OR NOT groups)
  message(FATAL_ERROR "${credits} holds no credits tables")
endif()

# The credits and the files must agree.
foreach(picture IN LISTS item_pictures)
  if(NOT EXISTS ${SRC}/data/${picture})
    message(FATAL_ERROR "${credits} credits ${picture}, which is not in data/")
  endif()
endforeach()
file(GLOB_RECURSE data_files RELATIVE ${SRC} ${SRC}/data/*)
set(regexes "")
foreach(glob IN LISTS all_globs)
  glob_regex("${glob}" regex)
  list(APPEND regexes "${regex}")
endforeach()
foreach(file IN LISTS data_files)
  set(covered FALSE)
  foreach(regex IN LISTS regexes)
    if(file MATCHES "${regex}")
      set(covered TRUE)
      break()
    endif()
  endforeach()
  if(NOT covered)
    message(FATAL_ERROR "${file} has no credit in ${credits}: add it to a table there")
  endif()
endforeach()

# The licence text of LICENSE after its title and copyright lines, as a DEP-5
# paragraph: every line indented, blank lines as " .".
file(STRINGS ${SRC}/LICENSE licence_lines ENCODING UTF-8)
list(FILTER licence_lines EXCLUDE REGEX "^(MIT License|Copyright .*)$")
set(expat_text "")
set(started FALSE)
foreach(line IN LISTS licence_lines)
  if(line STREQUAL "" AND NOT started)
    continue()
  endif()
  set(started TRUE)
  if(line STREQUAL "")
    string(APPEND expat_text " .\n")
  else()
    string(APPEND expat_text " ${line}\n")
  endif()
endforeach()
file(STRINGS ${SRC}/LICENSE holder REGEX "^Copyright ")
string(REGEX REPLACE "^Copyright (\\(c\\) )?" "" holder "${holder}")

set(text "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Stratavex
Upstream-Contact: Stratavex developers <stratavex@varlune.com>
Source: https://www.varlune.com

Files: *
Copyright: ${holder}
License: Expat
")
foreach(group IN LISTS groups)
  list(JOIN files_${group} "\n " files)
  string(APPEND text "
Files: ${files}
Copyright: ${maker_${group}}
License: ${licence_${group}}
")
endforeach()
string(APPEND text "
License: Expat
${expat_text}
License: public-domain
 The authors of these files have dedicated them to the public domain: anyone
 may copy, change and distribute them, for any purpose, without asking or
 crediting anyone.
")
file(WRITE ${OUT} "${text}")
