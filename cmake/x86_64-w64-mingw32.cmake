# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which googletest needs). Libraries come static from deps/prefix in
# the build folder (cmake/windows-deps.cmake builds them there). The tests
# run under wine, with a prefix of the build's own in wine/ and quiet.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# MinGW's GCC aligns the stack only to 16 bytes (GCC bug 54412), so an
# aligned AVX move of a spilled 32- or 64-byte vector can fault; the
# assembler makes every such move unaligned, which costs nothing on
# processors that have AVX.
set(CMAKE_C_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
set(CMAKE_CXX_FLAGS_INIT "-Wa,-muse-unaligned-vector-move")
# One file that needs no DLL of MinGW's beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_BINARY_DIR}/deps/prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEARCH=win64
    WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine CACHE STRING "How the tests run")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
