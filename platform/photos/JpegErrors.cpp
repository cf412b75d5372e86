#include "platform/photos/JpegErrors.hpp"

namespace platform::photos::codec {

void jumpOnJpegError(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrorManager*>(info->err);
  errors->base.format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

void discardJpegMessage(j_common_ptr) {}

}  // namespace platform::photos::codec
