#include "platform/photos/JpegDecoder.hpp"
#include "platform/photos/JpegErrors.hpp"

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// After <cstdio>: jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace platform::photos::codec {

namespace {

using ErrorManager = codec::JpegErrorManager;

// The warnings after which libjpeg has invented pixels. The others (an unknown JFIF revision,
// stray bytes between segments, a damaged ICC profile) leave the picture whole.
bool inventsPixels(const jpeg_error_mgr& errors) {
  switch (errors.msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
      return true;
    default:
      break;
  }
  // The arithmetic-decoding warning has no name in the installed header (it is declared only
  // for builds of the library itself), so it is known by its text.
  int code = errors.msg_code;
  return code >= 0 && code <= errors.last_jpeg_message &&
         std::strcmp(errors.jpeg_message_table[code], "Corrupt JPEG data: bad arithmetic code") ==
             0;
}

void onMessage(j_common_ptr info, int level) {
  if (level < 0 && inventsPixels(*info->err)) codec::jumpOnJpegError(info);
}


bool convertibleToRgb(J_COLOR_SPACE space) {
  return space == JCS_GRAYSCALE || space == JCS_YCbCr || space == JCS_RGB || space == JCS_CMYK ||
         space == JCS_YCCK;
}

// The smallest eighth-step scale whose result still covers `frame`.
int eighthsFor(PixelSize upright, Frame frame) {
  double scale = scaleFor(upright, frame);
  if (scale >= 1.0) return 8;
  int eighths = static_cast<int>(std::ceil(scale * 8.0 - 1e-9));
  return eighths < 1 ? 1 : eighths;
}

void copyRow(const jpeg_decompress_struct& info, const std::uint8_t* from, std::uint8_t* to) {
  JDIMENSION width = info.output_width;
  if (info.out_color_space == JCS_RGB) {
    std::memcpy(to, from, static_cast<std::size_t>(width) * 3);
    return;
  }
  // CMYK: Adobe's encoders (the ones that write the Adobe marker) store the inks inverted.
  for (JDIMENSION x = 0; x < width; ++x, from += 4, to += 3) {
    int k = info.saw_Adobe_marker ? from[3] : 255 - from[3];
    for (int c = 0; c < 3; ++c) {
      int ink = info.saw_Adobe_marker ? from[c] : 255 - from[c];
      to[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
    }
  }
}

// Everything that lives across setjmp is in here, made before it and outlived by it, so that a
// jump back skips no destructor.
struct Session {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  std::vector<std::uint8_t> row;
  std::string refusal;
};

bool decode(Session& session, std::span<const std::uint8_t> bytes, const DecodeLimits& limits,
            Output output, const std::optional<Frame>& reduceFor, Decoded& decoded) {
  jpeg_decompress_struct& info = session.info;
  info.err = jpeg_std_error(&session.errors.base);
  session.errors.base.error_exit = codec::jumpOnJpegError;
  session.errors.base.emit_message = onMessage;
  session.errors.base.output_message = codec::discardJpegMessage;
  if (setjmp(session.errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = limits.maxCodecMemory;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&info, TRUE);

  decoded.stored = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
  if (auto refusal = refusalFor(decoded.stored, limits)) {
    session.refusal = std::move(*refusal);
    jpeg_destroy_decompress(&info);
    return false;
  }
  if (!convertibleToRgb(info.jpeg_color_space)) {
    session.refusal = "the JPEG's colour space cannot be shown";
    jpeg_destroy_decompress(&info);
    return false;
  }
  for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
    if (marker->marker == JPEG_APP0 + 1 && marker->data_length >= 6 &&
        std::memcmp(marker->data, "Exif\0\0", 6) == 0) {
      decoded.orientation = exifOrientation({marker->data, marker->data_length});
      break;
    }
  }

  if (output == Output::checkOnly) {
    // Every coefficient is still entropy-decoded (that is what is being checked); only the
    // inverse transform and colour work shrink.
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    info.out_color_space = info.jpeg_color_space;
  } else {
    if (reduceFor) {
      info.scale_num = static_cast<unsigned int>(
          eighthsFor(orientedSize(decoded.stored, decoded.orientation), *reduceFor));
      info.scale_denom = 8;
    }
    bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = inks ? JCS_CMYK : JCS_RGB;
  }
  jpeg_start_decompress(&info);
  session.row.resize(static_cast<std::size_t>(info.output_width) *
                     static_cast<std::size_t>(info.output_components));
  if (output == Output::pixels) {
    decoded.pixels.size = {static_cast<int>(info.output_width),
                           static_cast<int>(info.output_height)};
    decoded.pixels.rgb.resize(static_cast<std::size_t>(info.output_width) * info.output_height * 3);
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = session.row.data();
    JDIMENSION line = info.output_scanline;
    if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
    if (output == Output::pixels)
      copyRow(info, row,
              decoded.pixels.rgb.data() + static_cast<std::size_t>(line) * info.output_width * 3);
  }
  // Reads on to the end of the image, so that damage after the last row is caught too.
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

Result<Decoded> decodeJpeg(std::span<const std::uint8_t> bytes, const DecodeLimits& limits,
                           Output output, std::optional<Frame> reduceFor) {
  Session session;
  Decoded decoded;
  if (!decode(session, bytes, limits, output, reduceFor, decoded)) {
    if (!session.refusal.empty()) return Error{std::move(session.refusal)};
    return Error{std::string("the JPEG data is damaged: ") + session.errors.message};
  }
  return decoded;
}

}  // namespace platform::photos::codec
