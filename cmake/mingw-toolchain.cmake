# The MinGW cross build, shared by both Windows targets: the including file
# sets VELNOR_MINGW_TRIPLE (the compilers' prefix), VELNOR_MINGW_PROCESSOR
# and VELNOR_MINGW_WINE_KIND (the Wine that runs the build, see
# cmake/wine-kind.sh). The -posix compiler variant is the one with
# std::thread; the tests run through that Wine as the emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELNOR_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER ${VELNOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELNOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELNOR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELNOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The Wine that runs this build, for the tests' scripts and the benchmarks too.
set(VELNOR_WINE_KIND ${VELNOR_MINGW_WINE_KIND} CACHE INTERNAL "")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env VELNOR_WINE_KIND=${VELNOR_MINGW_WINE_KIND}
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
