// The program's own error: the message that the error box shows.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace app {

// Deliberately not std::runtime_error or std::out_of_range: those keep their message in a
// reference-counted string of their own, and using them links that second string
// implementation into setup.exe. run_guarded catches this as any std::exception.
class Failure : public std::exception {
 public:
  explicit Failure(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Raises a Failure. One out-of-line place for every raise keeps each caller to a call.
[[noreturn]] void fail(std::string message);

}  // namespace app
