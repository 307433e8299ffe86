# Cross-compiles the unit-test programs for 64-bit Windows with Debian's
# mingw-w64 GCC in its posix thread model: GoogleTest needs std::mutex,
# which the win32 model that builds Sonvella.exe lacks.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)

# GoogleTest's main() is the narrow one, so no -municode here.
string(REPLACE " -municode" "" CMAKE_EXE_LINKER_FLAGS_INIT
       "${CMAKE_EXE_LINKER_FLAGS_INIT}")
