# What both Windows toolchains (GCC and Clang) share: the target, the
# mingw-w64 tree, a static runtime and the Windows version built for.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Only DLLs that ship with Windows: the compiler's runtimes go in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -municode")
# _WIN32_WINNT: Windows 7, the oldest system the program runs on, as its
# manifest says; the file search it uses came with Windows 7.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# The compiler checks link no program: with -municode a test program would
# need wWinMain or wmain.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
# windres hands its preprocessor command line to a shell, which would strip
# the quotes from string definitions such as SONVELLA_VERSION="1.0.0".
set(CMAKE_RC_FLAGS_INIT "--use-temp-file")
