# SPDX-License-Identifier: MIT
# Copies SRC/* into DST, skipping files whose copy in DST is newer (edited in place).
file(MAKE_DIRECTORY ${DST})
file(GLOB files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
  if(IS_DIRECTORY ${SRC}/${f} OR f MATCHES "\\.md$")
    continue()
  endif()
  if(NOT EXISTS ${DST}/${f} OR ${SRC}/${f} IS_NEWER_THAN ${DST}/${f})
    file(COPY ${SRC}/${f} DESTINATION ${DST})
  endif()
endforeach()
