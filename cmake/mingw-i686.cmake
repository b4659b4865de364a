# Cross compilation for 32-bit Windows with Debian's MinGW-w64. The -posix variants are
# the ones whose libstdc++ has std::mutex and std::thread, which GoogleTest needs.
# Velmora.exe itself is linked by the -win32 variant (cmake/link-win32-runtime): the static
# winpthread runtime of the -posix one imports GetTickCount64 and
# AddVectoredExceptionHandler, which Windows 2000 (and XP, for the first) does not have.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VELMORA_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${VELMORA_MINGW_PREFIX}-objdump CACHE FILEPATH "objdump of the target")

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
