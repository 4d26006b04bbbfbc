# Cross toolchain: 64-bit Windows with mingw-w64's posix-threaded compilers
# (the win32 thread model has no std::mutex, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLVOX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TALLVOX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLVOX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TALLVOX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TALLVOX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Windows test programs run under Wine through this wrapper, which pins the
# project's private prefix and quiet debug channels.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
