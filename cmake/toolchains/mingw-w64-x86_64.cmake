# Cross-builds native Windows x86-64 console programs with MinGW-w64.
# The posix-threads compiler is the one whose C++ runtime supports
# std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Cross-built test programs run under Wine when it is installed (Debian's
# wine64 package puts its loader under /usr/lib/wine), quietly and with a
# Wine prefix of the build's own.
find_program(ORVA_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(ORVA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine ${ORVA_WINE})
endif()

# Statically linked: the programs need no DLL beyond those Windows ships.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# 64-bit file sizes from stat() and friends, as on 64-bit POSIX systems.
add_compile_definitions(_FILE_OFFSET_BITS=64)
