# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The posix flavour keeps the whole C++ standard library (threads included)
# available; it is linked statically below, so the exe needs no MinGW DLLs.
find_program(CMAKE_CXX_COMPILER NAMES ${mingw_prefix}-g++-posix ${mingw_prefix}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${mingw_prefix}-gcc-posix ${mingw_prefix}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${mingw_prefix}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
