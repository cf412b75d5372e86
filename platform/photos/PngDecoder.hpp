#pragma once

#include <cstdint>
#include <span>

#include "platform/foundation/Result.hpp"
#include "platform/photos/Decoded.hpp"

namespace platform::photos::codec {

// Reads a PNG with libpng, through to its IEND chunk: data that ends early, a critical chunk
// whose CRC does not match or a zlib stream that does not check out fails the decode.
Result<Decoded> decodePng(std::span<const std::uint8_t> bytes, const DecodeLimits& limits,
                          Output output);

}  // namespace platform::photos::codec
