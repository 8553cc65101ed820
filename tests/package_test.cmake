# Makes the Debian package of the build in BUILD_DIR with CPack and checks it as a user's
# apt-get would meet it: the file's name, the control fields with the dependencies computed
# from the program, the files and where they go, the unpacked program running, and lintian
# finding no error.
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${result}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
run("${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}")

run(dpkg --print-architecture)
string(STRIP "${out}" architecture)
set(deb "${WORK_DIR}/renumera_${VERSION}_${architecture}.deb")
file(GLOB debs "${WORK_DIR}/*.deb")
if(NOT debs STREQUAL deb)
  message(FATAL_ERROR "expected the one package ${deb}, found: ${debs}")
endif()

# --- The control fields ------------------------------------------------------------------------
foreach(field_and_value "Package=renumera" "Version=${VERSION}" "Architecture=${architecture}"
                        "Section=utils" "Priority=optional")
  string(REPLACE "=" ";" pair "${field_and_value}")
  list(GET pair 0 field)
  list(GET pair 1 expected)
  run("${DPKG_DEB}" --field "${deb}" ${field})
  string(STRIP "${out}" got)
  if(NOT got STREQUAL expected)
    message(FATAL_ERROR "${field}: '${got}', expected '${expected}'")
  endif()
endforeach()

run("${DPKG_DEB}" --field "${deb}" Maintainer)
if(NOT out MATCHES "^[^<\n]+ <[^@> ]+@[^> ]+>\n?$")
  message(FATAL_ERROR "Maintainer is not a name and an address: '${out}'")
endif()

# The dependencies come from the libraries the program is linked with: the X libraries and
# the C library, each with the versions its symbols need; the C++ runtime is linked in.
run("${DPKG_DEB}" --field "${deb}" Depends)
foreach(library libc6 libx11-6 libxft2 libfontconfig1)
  if(NOT out MATCHES "(^|, )${library} \\([<>=]+ [^)]+\\)")
    message(FATAL_ERROR "Depends lacks ${library} with its version: '${out}'")
  endif()
endforeach()
if(out MATCHES "libstdc\\+\\+")
  message(FATAL_ERROR "Depends names the C++ runtime, which the program links in: '${out}'")
endif()

run("${DPKG_DEB}" --field "${deb}" Description)
string(REGEX MATCH "^[^\n]*" synopsis "${out}")
if(synopsis STREQUAL "" OR out STREQUAL "${synopsis}\n")
  message(FATAL_ERROR "Description needs a synopsis and an extended text: '${out}'")
endif()

# --- The files ---------------------------------------------------------------------------------
set(expected_files
    ./usr/bin/renumera
    ./usr/bin/renumera-convert
    ./usr/share/applications/renumera.desktop
    ./usr/share/doc/renumera/changelog.gz
    ./usr/share/doc/renumera/copyright
    ./usr/share/icons/hicolor/16x16/apps/renumera.png
    ./usr/share/icons/hicolor/32x32/apps/renumera.png
    ./usr/share/icons/hicolor/48x48/apps/renumera.png
    ./usr/share/icons/hicolor/64x64/apps/renumera.png
    ./usr/share/man/man1/renumera-convert.1.gz
    ./usr/share/man/man1/renumera.1.gz)
run("${DPKG_DEB}" --contents "${deb}")
string(REGEX REPLACE "\n$" "" listing "${out}")
string(REPLACE "\n" ";" listing "${listing}")
set(files "")
foreach(line IN LISTS listing)
  # A line is "<mode> <owner/group> <size> <date> <time> <path>"; directories end in '/'.
  if(NOT line MATCHES "^(.)([^ ]+) +([^ ]+) .* (\\./[^ ]*)$")
    message(FATAL_ERROR "unexpected line in the contents: '${line}'")
  endif()
  set(type "${CMAKE_MATCH_1}")
  set(owner "${CMAKE_MATCH_3}")
  set(path "${CMAKE_MATCH_4}")
  if(NOT owner STREQUAL "root/root")
    message(FATAL_ERROR "${path} belongs to ${owner}, not root/root")
  endif()
  if(NOT type STREQUAL "d")
    list(APPEND files "${path}")
  endif()
endforeach()
list(SORT files)
if(NOT files STREQUAL expected_files)
  message(FATAL_ERROR "the package holds\n  ${files}\nexpected\n  ${expected_files}")
endif()

set(root "${WORK_DIR}/root")
run("${DPKG_DEB}" --extract "${deb}" "${root}")
file(SHA256 "${root}/usr/share/doc/renumera/copyright" got)
file(SHA256 "${SOURCE_DIR}/LICENSE" want)
if(NOT got STREQUAL want)
  message(FATAL_ERROR "the copyright file is not the LICENSE")
endif()
run("${READELF}" --section-headers "${root}/usr/bin/renumera")
if(out MATCHES "\\.symtab")
  message(FATAL_ERROR "the packaged program is not stripped")
endif()

# The unpacked program loads its libraries and reports the missing display as it should.
execute_process(COMMAND env -u DISPLAY "${root}/usr/bin/renumera" RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 1 OR NOT err MATCHES "^[^\n]+\n$")
  message(FATAL_ERROR "the packaged program without a display: status ${result}, '${err}'")
endif()

# --- lintian ---------------------------------------------------------------------------------
execute_process(COMMAND "${LINTIAN}" --fail-on error "${deb}" RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian found errors:\n${out}${err}")
endif()
if(NOT out STREQUAL "")
  message(STATUS "lintian:\n${out}")
endif()
