# Cross-building for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, which std::thread needs).
# PARLOWEN_WINDOWS_PREFIX, when set, is the toolchain folder scripts/windows-deps built: Qt, hidapi and chmlib.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${PARLOWEN_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A cross-built Qt runs its code generators (moc, rcc, uic) from the build machine's own Qt of the same version.
set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The build machine's Qt's CMake folder")
if(PARLOWEN_WINDOWS_PREFIX)
    list(APPEND CMAKE_PREFIX_PATH ${PARLOWEN_WINDOWS_PREFIX})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PARLOWEN_WINDOWS_PREFIX)
