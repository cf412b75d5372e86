#include "platform/photos/ImageDecoder.hpp"

#include <cstring>

#include "platform/photos/JpegDecoder.hpp"
#include "platform/photos/Orientation.hpp"
#include "platform/photos/PngDecoder.hpp"

namespace platform::photos {

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, const char* signature, std::size_t length) {
  return bytes.size() >= length && std::memcmp(bytes.data(), signature, length) == 0;
}

Result<codec::Decoded> decode(std::span<const std::uint8_t> bytes, const DecodeLimits& limits,
                              codec::Output output, std::optional<Frame> reduceFor) {
  if (bytes.empty()) return Error{"there are no image bytes"};
  auto format = imageFormat(bytes);
  if (!format) return Error{"the bytes are neither a JPEG nor a PNG image"};
  if (*format == ImageFormat::jpeg) return codec::decodeJpeg(bytes, limits, output, reduceFor);
  return codec::decodePng(bytes, limits, output);
}

Result<Image> upright(Result<codec::Decoded> decoded) {
  if (!decoded) return decoded.error();
  return oriented(std::move(decoded->pixels), decoded->orientation);
}

}  // namespace

std::optional<ImageFormat> imageFormat(std::span<const std::uint8_t> bytes) {
  if (startsWith(bytes, "\xFF\xD8\xFF", 3)) return ImageFormat::jpeg;
  if (startsWith(bytes, "\x89PNG\r\n\x1A\n", 8)) return ImageFormat::png;
  return std::nullopt;
}

Result<PixelSize> checkImage(std::span<const std::uint8_t> bytes, const DecodeLimits& limits) {
  auto decoded = decode(bytes, limits, codec::Output::checkOnly, std::nullopt);
  if (!decoded) return decoded.error();
  return orientedSize(decoded->stored, decoded->orientation);
}

Result<Image> decodeImage(std::span<const std::uint8_t> bytes, const DecodeLimits& limits) {
  return upright(decode(bytes, limits, codec::Output::pixels, std::nullopt));
}

Result<Image> decodeImageFor(std::span<const std::uint8_t> bytes, Frame frame,
                             const DecodeLimits& limits) {
  return upright(decode(bytes, limits, codec::Output::pixels, frame));
}

}  // namespace platform::photos
