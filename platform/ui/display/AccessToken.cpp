#include "platform/ui/display/AccessToken.hpp"

#include <sys/random.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <stdexcept>

namespace platform::display {

std::string makeAccessToken() {
  std::array<unsigned char, 32> bytes{};
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      // Without real randomness the display would be open to anyone who guesses; refuse to run.
      throw std::runtime_error("no random source for the display's access token");
    }
    filled += static_cast<std::size_t>(got);
  }
  static constexpr char digits[] = "0123456789abcdef";
  std::string token;
  token.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) {
    token.push_back(digits[byte >> 4]);
    token.push_back(digits[byte & 15]);
  }
  return token;
}

bool constantTimeEquals(std::string_view presented, std::string_view expected) {
  if (presented.size() != expected.size()) return false;
  volatile unsigned char difference = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    difference = difference | (static_cast<unsigned char>(presented[i]) ^
                               static_cast<unsigned char>(expected[i]));
  }
  return difference == 0;
}

}  // namespace platform::display
