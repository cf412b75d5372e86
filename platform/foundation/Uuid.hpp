#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A random (version 4) UUID. Its text form is the standard 36 characters, upper-case hexadecimal
// digits with hyphens (8-4-4-4-12), which is how ids are stored, exchanged and put in identifiers.
class Uuid {
 public:
  Uuid() = default;  // the nil UUID
  static Uuid random();
  // Accepts the 36-character form in either letter case; anything else is no UUID.
  static std::optional<Uuid> parse(std::string_view text);

  std::string string() const;
  const std::array<std::uint8_t, 16>& bytes() const { return bytes_; }

  friend auto operator<=>(const Uuid&, const Uuid&) = default;

 private:
  std::array<std::uint8_t, 16> bytes_{};
};

}  // namespace platform

template <>
struct std::hash<platform::Uuid> {
  std::size_t operator()(const platform::Uuid& uuid) const noexcept {
    std::size_t h = 0;
    for (auto b : uuid.bytes()) h = h * 131 + b;
    return h;
  }
};
