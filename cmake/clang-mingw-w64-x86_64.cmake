# Cross-compiles for 64-bit Windows with Clang, against the headers and
# libraries of Debian's mingw-w64 GCC (win32 thread model): a second
# compiler over the same program, with the same warnings as errors.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})

# Clang cannot find this GCC by itself: Debian names its folder after the
# version and thread model ("12-win32"), which Clang does not read as a
# version. So the C++ library's headers, the
# GCC runtime (-L) and its crtbegin.o/crtend.o (-B) are named here, and the
# sysroot is the mingw-w64 tree, which keeps the Linux /usr/include out.
execute_process(COMMAND ${triple}-g++-win32 -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE found)
if(NOT found EQUAL 0 OR NOT EXISTS "${libgcc}")
  message(FATAL_ERROR "${triple}-g++-win32 is missing: scripts/setup installs it")
endif()
get_filename_component(gcc_dir "${libgcc}" DIRECTORY)
set(CMAKE_SYSROOT /usr/${triple})
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-nostdinc++>)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++
    ${gcc_dir}/include/c++/${triple} ${gcc_dir}/include/c++/backward)
# lld rather than GNU ld, which warns about every exception type name that
# Clang's objects and GCC's libstdc++ both carry.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -fuse-ld=lld -B${gcc_dir} -L${gcc_dir}")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
