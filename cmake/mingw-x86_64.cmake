# Cross-compiles velnor.exe for 64-bit Windows, for machines that cannot run
# 32-bit code and so have only the 64-bit Wine. Same sources as the i686
# build; the -posix compiler variant is the one with std::thread. Tests run
# through the 64-bit Wine, in a 64-bit prefix of their own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The Wine that runs this build (cmake/wine-kind.sh), for the tests' scripts
# and the benchmarks too.
set(VELNOR_WINE_KIND win64 CACHE INTERNAL "")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env VELNOR_WINE_KIND=win64 ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
