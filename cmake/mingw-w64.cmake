# Cross-builds kavel.exe for 64-bit Windows with mingw-w64 (Debian's
# g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KAVEL_MINGW_PREFIX x86_64-w64-mingw32 CACHE STRING "Target prefix of the mingw-w64 tools")
# The posix-threads flavour where Debian offers both.
find_program(CMAKE_CXX_COMPILER NAMES ${KAVEL_MINGW_PREFIX}-g++-posix ${KAVEL_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${KAVEL_MINGW_PREFIX}-gcc-posix ${KAVEL_MINGW_PREFIX}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${KAVEL_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${KAVEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The JSON library of the language server is header-only: the build
# machine's (Debian's nlohmann-json3-dev), on an include path of its own
# rather than all of /usr/include.
set(KAVEL_JSON_HEADERS /usr/include/nlohmann CACHE PATH "The nlohmann folder of nlohmann-json3-dev")
