// How the shipped programs fail when the C++ run-time cannot go on.
//
// The programs are built without exceptions: nothing in them throws or
// catches, so a failure inside the standard library (an allocation that
// cannot be had, a string grown past its maximum) can only end the program.
// The library's own versions of these functions build an exception object
// with a message first, and the default terminate handler demangles the type
// name for its report; together they pull a hundred kilobytes of the library
// into every program for a path that ends in abort() all the same. These
// definitions, linked as objects of the program, take their place.
#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_exception() { std::abort(); }
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_cast() { std::abort(); }
void __throw_bad_typeid() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_domain_error(const char*) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_runtime_error(const char*) { std::abort(); }
void __throw_range_error(const char*) { std::abort(); }
void __throw_overflow_error(const char*) { std::abort(); }
void __throw_underflow_error(const char*) { std::abort(); }
}  // namespace std
