# What is installed beside the program, and the packages CPack makes of an installed build:
# a Debian package of the Linux build (`cpack -G DEB`) and a ZIP archive of the Windows build
# (`cpack -G ZIP`). Included once every target exists.

include(GNUInstallDirs)

set(RENUMERA_PACKAGE_MAINTAINER "Renumera developers <renumera@users.noreply.invalid>"
    CACHE STRING "Maintainer named in the packages")

if(TARGET Renumera AND CMAKE_SYSTEM_NAME STREQUAL "Windows")
  # The archive holds the program and the converter with the README and licence beside them.
  install(FILES README.md DESTINATION . RENAME README.txt)
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "Renumera-${PROJECT_VERSION}-${RENUMERA_WINDOWS_ARCHIVE_SYSTEM}")
elseif(TARGET renumera)
  # The manual pages and the Debian changelog are kept compressed as Debian's policy wants;
  # -n leaves out the name and the time stamp, so the same sources give the same package.
  find_program(GZIP gzip REQUIRED)
  configure_file(packaging/renumera.1 renumera.1 @ONLY)
  set(man_pages ${PROJECT_BINARY_DIR}/renumera.1.gz ${PROJECT_BINARY_DIR}/renumera-convert.1.gz)
  set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
  add_custom_command(
    OUTPUT ${man_pages} ${changelog}
    COMMAND ${GZIP} -9nc ${PROJECT_BINARY_DIR}/renumera.1 > ${PROJECT_BINARY_DIR}/renumera.1.gz
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/batch/renumera-convert.1
            > ${PROJECT_BINARY_DIR}/renumera-convert.1.gz
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
    DEPENDS ${PROJECT_BINARY_DIR}/renumera.1 ${PROJECT_SOURCE_DIR}/batch/renumera-convert.1
            ${PROJECT_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the manual pages and the changelog")
  add_custom_target(renumera_documents ALL DEPENDS ${man_pages} ${changelog})

  # The documents go under the package's name, whatever the project's name.
  set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/renumera)
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${changelog} DESTINATION ${doc_dir})
  # Debian's place and name for the licence of a package.
  install(FILES LICENSE DESTINATION ${doc_dir} RENAME copyright)

  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_PACKAGE_NAME renumera)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

set(CPACK_PACKAGE_NAME renumera)
set(CPACK_PACKAGE_VENDOR "The Renumera developers")
set(CPACK_PACKAGE_CONTACT "${RENUMERA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converter of six-digit telephone numbers to seven digits")
# The synopsis above is the Description's first line; this text follows it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A telephone network moved its local numbers from six digits to seven. Type an
old number into the small Russian-language window: it shows the old number
normalised as ##-##-## and the new seven-digit number as ###-##-##, with the
digit 2 or 4 put in front by a fixed table of number ranges. The command
renumera-convert renumbers every old number in whole files (vCard address
books, CSV tables, plain text) by the same rule, leaving every other byte as
it was.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
include(CPack)
