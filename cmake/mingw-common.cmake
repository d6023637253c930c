# Shared part of the two MinGW-w64 toolchain files. The -posix compilers are needed:
# the win32 thread model has no std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${VORBIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORBIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VORBIN_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORBIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Statically linked: the executables import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests of this build run through Wine (set by the test command for the 64-bit build).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
