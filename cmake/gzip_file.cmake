# SPDX-License-Identifier: MIT
# Compresses IN to OUT with gzip -n -9: no file name or time stamp in the
# header, so the same input always gives the same bytes.
# Usage: cmake -DIN=<file> -DOUT=<file.gz> -P gzip_file.cmake
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -n -9 -c ${IN} OUTPUT_FILE ${OUT}.part RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${OUT}.part)
  message(FATAL_ERROR "gzip ${IN} failed: ${failed}")
endif()
file(RENAME ${OUT}.part ${OUT})
