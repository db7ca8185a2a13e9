# Cross build for 64-bit Windows with Debian's mingw-w64, run under Wine.
# The -posix compilers bring std::thread and std::mutex (GoogleTest needs them), and a static
# link keeps the winpthread runtime inside each exe, so Wine needs no extra DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NUBIKA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NUBIKA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUBIKA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NUBIKA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NUBIKA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(NUBIKA_WINE wine)
if(NUBIKA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${NUBIKA_WINE})
endif()
