# A cross build has no GoogleTest for its target system installed: it builds the sources that
# Debian's googletest package puts under /usr/src/googletest, inside this build. Its own CMake
# files name the libraries GTest::gtest and GTest::gtest_main, as find_package(GTest) does.
set(RENUMERA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
if(NOT EXISTS ${RENUMERA_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${RENUMERA_GOOGLETEST_SOURCE} "
                      "(Debian package googletest; set RENUMERA_GOOGLETEST_SOURCE)")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
# GoogleTest is not our code: our warning flags are not its business.
add_subdirectory(${RENUMERA_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main)
  set_property(TARGET ${library} PROPERTY COMPILE_OPTIONS "")
endforeach()
