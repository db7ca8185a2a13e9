# The same cross build, linked statically: each exe carries its runtime, so Wine needs no
# extra DLLs for the Qt-free tests.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-shared.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
