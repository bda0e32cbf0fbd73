# Cross toolchain: 64-bit Windows executables from Debian's mingw-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NEPL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NEPL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NEPL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NEPL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NEPL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every executable stands alone: no libstdc++, libgcc or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
