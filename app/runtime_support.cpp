// setup.exe's replacements for the parts of the C++ runtime that would triple its size.
//
// Containers and strings report misuse through std::__throw_*. The runtime's versions of those
// come in one object file with every standard exception class, their second string
// implementation and the formatting behind them (over 100 KB). Ours raise the program's own
// Failure, which the window procedures' guard turns into the error box as before.
//
// The runtime's default terminate handler writes the exception's demangled type to stderr: a
// window program has no stderr, and the demangler it links is 46 KB with its printf.
//
// The runtime keeps the exceptions being handled per thread, in emulated thread-local storage
// with its keys, locks and clean-up (about 2 KB). The program has one thread, so its one record
// is a plain static one.
#include <cstdlib>
#include <new>

#include "app/failure.h"

namespace std {

void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_alloc(); }
void __throw_length_error(const char* what) { app::fail(what); }
void __throw_logic_error(const char* what) { app::fail(what); }
void __throw_out_of_range(const char* what) { app::fail(what); }
// The message is a printf format; its arguments are dropped rather than formatted.
void __throw_out_of_range_fmt(const char* format, ...) { app::fail(format); }
void __throw_invalid_argument(const char* what) { app::fail(what); }

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

// The record as the C++ ABI lays it out for x86: the stack of caught exceptions and the number
// of exceptions thrown but not yet caught.
namespace __cxxabiv1 {

struct __cxa_eh_globals {
  void* caught_exceptions;
  unsigned int uncaught_exceptions;
};

extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept {
  static __cxa_eh_globals globals;
  return &globals;
}

extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept { return __cxa_get_globals(); }

}  // namespace __cxxabiv1
