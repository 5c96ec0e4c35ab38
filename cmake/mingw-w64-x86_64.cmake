# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
# The posix flavour is the one whose libstdc++ has std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VS_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VS_MINGW_TRIPLE}-windres)

# Libraries cross-built by scripts/cross-deps.sh; the host's are never looked at.
get_filename_component(VS_DEFAULT_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build-win-deps/prefix"
                       ABSOLUTE)
set(VS_WINDOWS_PREFIX ${VS_DEFAULT_PREFIX}
    CACHE PATH "Where scripts/cross-deps.sh installed the Windows libraries")
set(CMAKE_FIND_ROOT_PATH /usr/${VS_MINGW_TRIPLE} ${VS_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${VS_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained program: no libgcc, libstdc++ or winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and build-time tools run under Wine, quietly, in a prefix of the build's own
# so that no user's Wine set-up is touched.
find_program(VS_WINE NAMES wine wine64 wine-stable REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix ${VS_WINE})
