# Installs the build in BUILD_DIR under PREFIX and checks that the program is on the path the
# desktop entry's Exec=renumera expects.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(program "${PREFIX}/${BINDIR}/renumera")
if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
  message(FATAL_ERROR "missing ${program}")
endif()
execute_process(COMMAND test -x "${program}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${program} is not executable")
endif()
