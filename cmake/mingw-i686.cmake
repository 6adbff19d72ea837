# Cross-compiles velnor.exe for 32-bit Windows: the program released.
set(VELNOR_MINGW_TRIPLE i686-w64-mingw32)
set(VELNOR_MINGW_PROCESSOR i686)
set(VELNOR_MINGW_WINE_KIND win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
