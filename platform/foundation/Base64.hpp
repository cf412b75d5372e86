#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Bytes = std::vector<std::uint8_t>;

// Base64 with the standard alphabet and padding (RFC 4648, section 4), as JSON carries bytes.
std::string base64Encode(std::span<const std::uint8_t> bytes);
// Strict: characters outside the alphabet or bad padding give no bytes.
std::optional<Bytes> base64Decode(std::string_view text);

}  // namespace platform
