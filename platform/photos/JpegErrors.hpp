#pragma once

#include <csetjmp>
#include <cstdio>

// After <cstdio>: jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace platform::photos::codec {

// libjpeg's default error handler ends the process; this one jumps back to the caller's setjmp
// instead. `base` comes first so that libjpeg's pointer to it is a pointer to the whole.
struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// The error_exit handler: keeps libjpeg's message and jumps back.
[[noreturn]] void jumpOnJpegError(j_common_ptr info);
// The output_message handler: libjpeg's own warnings go nowhere.
void discardJpegMessage(j_common_ptr info);

}  // namespace platform::photos::codec
