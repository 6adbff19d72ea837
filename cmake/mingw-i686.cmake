# Cross-compiles velnor.exe for 32-bit Windows. The -posix compiler variant
# is the one with std::thread; tests run through Wine as the emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The Wine that runs this build (cmake/wine-kind.sh), for the tests' scripts
# and the benchmarks too.
set(VELNOR_WINE_KIND win32 CACHE INTERNAL "")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env VELNOR_WINE_KIND=win32 ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
