# Cross-compiles velnor.exe for 64-bit Windows, for machines that cannot run
# 32-bit code and so have only the 64-bit Wine. Same sources as the i686
# build; its tests run in a 64-bit prefix of their own.
set(VELNOR_MINGW_TRIPLE x86_64-w64-mingw32)
set(VELNOR_MINGW_PROCESSOR x86_64)
set(VELNOR_MINGW_WINE_KIND win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
