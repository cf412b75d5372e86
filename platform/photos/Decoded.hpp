#pragma once

// What the JPEG and PNG readers hand to ImageDecoder; not part of the library's interface.

#include <optional>
#include <string>

#include "platform/photos/Image.hpp"
#include "platform/photos/ImageDecoder.hpp"
#include "platform/photos/Orientation.hpp"

namespace platform::photos::codec {

enum class Output { checkOnly, pixels };

struct Decoded {
  PixelSize stored;  // as the stream declares it, before orientation
  Orientation orientation = Orientation::up;
  Image pixels;  // in stored orientation; empty for Output::checkOnly
};

// Why a declared size is refused, or none when it is within `limits`.
inline std::optional<std::string> refusalFor(PixelSize declared, const DecodeLimits& limits) {
  if (declared.width <= limits.maxSide && declared.height <= limits.maxSide &&
      std::int64_t{declared.width} * declared.height <= limits.maxPixels)
    return std::nullopt;
  return "the image is too large to decode: " + std::to_string(declared.width) + "x" +
         std::to_string(declared.height) + " pixels";
}

}  // namespace platform::photos::codec
