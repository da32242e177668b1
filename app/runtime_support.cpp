// setup.exe's replacements for the parts of the C++ runtime that would triple its size.
//
// Containers and strings report misuse through std::__throw_*. The runtime's versions of those
// come in one object file with every standard exception class, their second string
// implementation and the formatting behind them (over 100 KB). Ours raise the program's own
// Failure, which the window procedures' guard turns into the error box as before.
//
// The runtime's default terminate handler writes the exception's demangled type to stderr: a
// window program has no stderr, and the demangler it links is 46 KB with its printf.
#include <cstdlib>
#include <new>

#include "app/failure.h"

namespace std {

void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_alloc(); }
void __throw_length_error(const char* what) { throw app::Failure(what); }
void __throw_logic_error(const char* what) { throw app::Failure(what); }
void __throw_out_of_range(const char* what) { throw app::Failure(what); }
// The message is a printf format; its arguments are dropped rather than formatted.
void __throw_out_of_range_fmt(const char* format, ...) { throw app::Failure(format); }
void __throw_invalid_argument(const char* what) { throw app::Failure(what); }

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
