// The C++ library's failures (a container grown past its limit, memory that cannot be had, an
// empty std::function called) end the program at once, as the library's own exceptions did:
// the program catches none of them. Defined among the exe's own objects, these stand in for
// the library's versions, which would bring the library's narrow-string exception classes and,
// through its default terminate handler, a name demangler and a printf: most of the exe's size.
#include <cstdlib>
#include <exception>
#include <new>

namespace std {

void __throw_bad_alloc() {
    terminate();
}

void __throw_bad_array_new_length() {
    terminate();
}

void __throw_length_error(const char*) {
    terminate();
}

void __throw_bad_function_call() {
    terminate();
}

} // namespace std

// Without the exception's name to print (that is the demangler's job), the default handler
// does what the library's quiet build does: abort.
void __gnu_cxx::__verbose_terminate_handler() {
    std::abort();
}
