// What the error box says when a message handler fails, and the guard that catches the failure.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// The error's message, with "." appended when its last character sorts after ".".
std::string error_text(std::string_view message);

// Shown for a failure that carries no message of its own.
inline constexpr std::string_view kUnknownError = "An unexpected error occurred";

// The error box's text for `message`; empty when not even that can be made (out of memory).
inline std::string error_box_text(std::string_view message) noexcept {
  try {
    return error_text(message);
  } catch (...) {
    return std::string();
  }
}

// Runs a message handler. An error it raises stops here, so that it never unwinds through the
// system's code that called the window procedure; the text for the error box is returned.
template <class Handler>
std::optional<std::string> run_guarded(Handler&& handler) noexcept {
  try {
    handler();
    return std::nullopt;
  } catch (const std::exception& error) {
    return error_box_text(error.what());
  } catch (...) {
    return error_box_text(kUnknownError);
  }
}

}  // namespace app
