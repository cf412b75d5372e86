#pragma once

#include <string>
#include <string_view>

namespace platform::display {

// The secret a display presents on every request: 32 bytes from the kernel's random source,
// written as 64 lower-case hexadecimal digits.
std::string makeAccessToken();

// Compares without an early exit, so the time taken tells nothing about how many leading
// characters of a guess were right. Only the length may leak, and every token has the same one.
bool constantTimeEquals(std::string_view presented, std::string_view expected);

}  // namespace platform::display
