# Makes the ZIP archive of the Windows build in BUILD_DIR with CPack and checks that it holds
# the programs with the README and licence in one folder named for the version and the system,
# and nothing else.
cmake_minimum_required(VERSION 3.25)
set(name "Renumera-${VERSION}-${SYSTEM}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G ZIP --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack -G ZIP failed (${result}):\n${out}${err}")
endif()
file(GLOB archives "${WORK_DIR}/*.zip")
if(NOT archives STREQUAL "${WORK_DIR}/${name}.zip")
  message(FATAL_ERROR "expected the one archive ${name}.zip, found: ${archives}")
endif()
file(ARCHIVE_EXTRACT INPUT "${WORK_DIR}/${name}.zip" DESTINATION "${WORK_DIR}/unpacked")
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${WORK_DIR}/unpacked"
     "${WORK_DIR}/unpacked/*")
list(SORT files)
set(expected "${name}/LICENSE.txt" "${name}/README.txt" "${name}/Renumera.exe"
             "${name}/renumera-convert.exe")
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "the archive holds\n  ${files}\nexpected\n  ${expected}")
endif()
file(SHA256 "${WORK_DIR}/unpacked/${name}/LICENSE.txt" got)
file(SHA256 "${SOURCE_DIR}/LICENSE" want)
if(NOT got STREQUAL want)
  message(FATAL_ERROR "LICENSE.txt is not the LICENSE")
endif()
file(READ "${WORK_DIR}/unpacked/${name}/Renumera.exe" header LIMIT 2 HEX)
if(NOT header STREQUAL "4d5a")
  message(FATAL_ERROR "Renumera.exe is no Windows program")
endif()
