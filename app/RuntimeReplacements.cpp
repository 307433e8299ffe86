// Smaller stand-ins for the few parts of the static C++ runtime that would
// otherwise bring in far more than the program uses. The terminate handler
// has a runtime object file of its own; the container failure helpers share
// one (functexcept.o) with the runtime's other __throw_* helpers, which the
// program does not call. Linking ours keeps those files out. Should a future
// compiler call one of the other helpers, the linker pulls functexcept.o in
// and fails on the duplicate definitions: the build breaks instead of the
// program growing unnoticed. A terminate handler pulled back in would grow
// it without a link error; the size test catches that.
#include <cstdlib>
#include <exception>
#include <new>

// The runtime's verbose handler writes the escaping exception's name to the
// standard error before aborting; it brings in its C++ name demangler and
// the narrow printf family (about 57 KB). Safe: a windowed program has no
// standard error to show the line in, so only the unseen text is lost; the
// process still ends with abort().
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

// The library's containers report their failures through these helpers. The
// runtime's versions share one file with every other such helper, which
// pulls in std::string, the <stdexcept> types and their message texts (about
// 45 KB). Safe: the program catches failures only as std::exception, to
// show them in the failure box and go on, and these keep that: memory and
// lengths beyond what can be allocated are std::bad_alloc (the box says so),
// and the two misuses the program's code never commits (a position past a
// string's end, a null text) are a plain std::exception.
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char *) { throw bad_alloc(); }
void __throw_logic_error(const char *) { throw exception(); }
void __throw_out_of_range_fmt(const char *, ...) { throw exception(); }
} // namespace std
