# Cross build for 64-bit Windows with Debian's mingw-w64 (-posix compilers: std::thread and
# std::mutex), linking the compiler's runtime as DLLs: Qt for Windows is built with this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NUBIKA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NUBIKA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUBIKA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NUBIKA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NUBIKA_MINGW_TRIPLE})
# Qt for Windows (scripts/qt-for-windows), for building the whole program.
if(NUBIKA_QT_WINDOWS)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${NUBIKA_QT_WINDOWS})
    set(QT_HOST_PATH /usr)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(NUBIKA_WINE wine)
if(NUBIKA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${NUBIKA_WINE})
endif()
