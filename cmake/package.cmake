# SPDX-License-Identifier: MIT
# What an install holds besides the programs, the data and the desktop files:
# the manual pages, the copyright file and the changelog, made in the build
# folder; and the Debian package that `cpack -G DEB` makes from an install
# (`make package` builds one in build-package/).

set(doc_build_dir ${CMAKE_BINARY_DIR}/doc)
set(gzip_script ${CMAKE_SOURCE_DIR}/cmake/gzip_file.cmake)

# Manual pages and the changelog, compressed the way Debian wants them.
set(doc_files "")
function(add_gzipped source gzipped)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build_dir}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${gzipped} -P ${gzip_script}
    DEPENDS ${source} ${gzip_script}
    VERBATIM)
endfunction()
foreach(page IN ITEMS stratavex.6 stratavex-db.6)
  add_gzipped(${CMAKE_SOURCE_DIR}/man/${page} ${doc_build_dir}/${page}.gz)
  list(APPEND doc_files ${doc_build_dir}/${page}.gz)
  install(FILES ${doc_build_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
add_gzipped(${CMAKE_SOURCE_DIR}/packaging/changelog ${doc_build_dir}/changelog.gz)
list(APPEND doc_files ${doc_build_dir}/changelog.gz)

# The copyright file, made from LICENSE and the credits whenever either or a
# data file changes, so that it always covers what is shipped.
file(GLOB_RECURSE credited_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(copyright_script ${CMAKE_SOURCE_DIR}/cmake/make_copyright.cmake)
add_custom_command(OUTPUT ${doc_build_dir}/copyright
  COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build_dir}
  COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR} -DOUT=${doc_build_dir}/copyright
          -P ${copyright_script}
  DEPENDS ${copyright_script} ${CMAKE_SOURCE_DIR}/LICENSE ${credited_files}
  VERBATIM)
list(APPEND doc_files ${doc_build_dir}/copyright)
add_custom_target(package_docs ALL DEPENDS ${doc_files})
install(FILES ${doc_build_dir}/copyright ${doc_build_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. SOURCE_DATE_EPOCH in cpack's environment gives every
# file in it that time, so that a rebuild of one commit gives the same bytes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stratavex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Stratavex developers")
set(CPACK_PACKAGE_CONTACT "Stratavex developers <stratavex@varlune.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.varlune.com")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz game about dinosaurs")
set(CPACK_PACKAGE_DESCRIPTION
  "Stratavex is a quiz game about dinosaurs and other prehistoric animals for
one player. A game asks one to ten questions of nineteen kinds: multiple
choice, the odd one out among names or pictures, matching names to pictures
or descriptions by drag and drop, sorting by era, weight or length, and a
letter-guessing game on an animal's name. A score adjusted for difficulty
decides a place in the thirty-place Hall of Fame.

The game comes with a database of 152 animals, each with its own picture,
an editor for it, and stratavex-db, a checker for database authors.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Pictures in formats other than JPEG and PNG, the web browser for the online
# Hall of Fame and the text viewer for the help.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
