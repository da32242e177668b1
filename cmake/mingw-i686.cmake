# Cross toolchain: 32-bit Windows programs built with mingw-w64 on Linux.
# MINGW_THREADS picks the compiler flavour: "win32" needs no threading DLL and keeps the
# product small; "posix" gives std::mutex and friends, which the GoogleTest driver needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
if(NOT MINGW_THREADS)
  set(MINGW_THREADS win32)
endif()
set(MINGW_THREADS "${MINGW_THREADS}" CACHE STRING "mingw-w64 threading flavour (win32 or posix)")
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
