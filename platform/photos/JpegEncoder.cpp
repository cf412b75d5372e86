#include "platform/photos/JpegEncoder.hpp"
#include "platform/photos/JpegErrors.hpp"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

// After <cstdio>: jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace platform::photos {

namespace {

using ErrorManager = codec::JpegErrorManager;

// Lives across setjmp, made before it, so that a jump back skips no destructor.
struct Session {
  jpeg_compress_struct info{};
  ErrorManager errors{};
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
};

bool encode(Session& session, const Image& image, int quality) {
  jpeg_compress_struct& info = session.info;
  info.err = jpeg_std_error(&session.errors.base);
  session.errors.base.error_exit = codec::jumpOnJpegError;
  session.errors.base.output_message = codec::discardJpegMessage;
  if (setjmp(session.errors.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &session.buffer, &session.length);
  info.image_width = static_cast<JDIMENSION>(image.size.width);
  info.image_height = static_cast<JDIMENSION>(image.size.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg takes rows as non-const pointers but only reads them.
    auto* row = const_cast<JSAMPROW>(image.pixel(0, static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

Result<std::vector<std::uint8_t>> encodeJpeg(const Image& image, double quality) {
  if (image.isEmpty() ||
      image.rgb.size() != static_cast<std::size_t>(image.size.width) * image.size.height * 3)
    return Error{"there is no image to encode"};
  if (image.size.width > JPEG_MAX_DIMENSION || image.size.height > JPEG_MAX_DIMENSION)
    return Error{"the image is too large for JPEG"};
  int libjpegQuality = static_cast<int>(std::lround(std::clamp(quality, 0.0, 1.0) * 100));
  Session session;
  bool encoded = encode(session, image, libjpegQuality);
  // jpeg_mem_dest's buffer is malloc'd and ours to free, whether or not the encoding finished.
  Result<std::vector<std::uint8_t>> result =
      encoded ? Result<std::vector<std::uint8_t>>(
                    std::vector<std::uint8_t>(session.buffer, session.buffer + session.length))
              : Result<std::vector<std::uint8_t>>(
                    Error{std::string("JPEG encoding failed: ") + session.errors.message});
  std::free(session.buffer);
  return result;
}

}  // namespace platform::photos
