#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/foundation/Result.hpp"
#include "platform/photos/Decoded.hpp"

namespace platform::photos::codec {

// Reads a JPEG with libjpeg-turbo. Every warning that means damaged or missing data (a truncated
// file, a bad Huffman code, a marker inside the entropy-coded data) fails the decode: libjpeg
// would otherwise paint the missing part grey and call it a success. `reduceFor` lets the
// decoder scale down by whole eighths while it decodes.
Result<Decoded> decodeJpeg(std::span<const std::uint8_t> bytes, const DecodeLimits& limits,
                           Output output, std::optional<Frame> reduceFor);

}  // namespace platform::photos::codec
