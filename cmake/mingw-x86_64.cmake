# The same Windows build for 64-bit Windows: the Windows tests on a machine whose kernel runs
# no 32-bit programs, so that 32-bit Wine cannot start there.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
