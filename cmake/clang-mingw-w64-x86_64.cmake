# Cross-compiles for 64-bit Windows with Clang, against the headers and
# libraries of Debian's mingw-w64 GCC (win32 thread model): a second
# compiler over the same program, with the same warnings as errors.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)

# Clang cannot find this GCC by itself: Debian names its folder "12-win32",
# which Clang does not read as a version. So the C++ library's headers, the
# GCC runtime (-L) and its crtbegin.o/crtend.o (-B) are named here, and the
# sysroot is the mingw-w64 tree, which keeps the Linux /usr/include out.
set(gcc_dir /usr/lib/gcc/${triple}/12-win32)
if(NOT EXISTS ${gcc_dir})
  message(FATAL_ERROR "${gcc_dir} is missing: scripts/setup installs it")
endif()
set(CMAKE_SYSROOT /usr/${triple})
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-nostdinc++>)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++
    ${gcc_dir}/include/c++/${triple} ${gcc_dir}/include/c++/backward)
# lld rather than GNU ld, which warns about every exception type name that
# Clang's objects and GCC's libstdc++ both carry.
set(gcc_runtime "-fuse-ld=lld -B${gcc_dir} -L${gcc_dir}")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Only DLLs that ship with Windows: the compiler's runtimes go in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "${gcc_runtime} -static -static-libgcc -static-libstdc++ -municode")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# The compiler checks link no program: with -municode a test program would
# need wWinMain or wmain.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
# windres hands its preprocessor command line to a shell, which would strip
# the quotes from string definitions such as SONVELLA_VERSION="1.0.0".
set(CMAKE_RC_FLAGS_INIT "--use-temp-file")
