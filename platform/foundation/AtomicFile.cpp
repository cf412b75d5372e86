#include "platform/foundation/AtomicFile.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace platform {
namespace {

Error systemError(const std::string& what, const std::filesystem::path& path) {
  return Error{what + " " + path.string() + ": " + std::strerror(errno)};
}

}  // namespace

Result<void> replaceFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return Error{"Cannot create " + file.parent_path().string() + ": " + error.message()};

  auto temporary = file;
  temporary += ".tmp-" + std::to_string(::getpid());
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return systemError("Cannot create", temporary);
  const char* data = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      auto failure = systemError("Cannot write", temporary);
      ::close(fd);
      ::unlink(temporary.c_str());
      return failure;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    auto failure = systemError("Cannot flush", temporary);
    ::unlink(temporary.c_str());
    return failure;
  }
  if (::rename(temporary.c_str(), file.c_str()) != 0) {
    auto failure = systemError("Cannot replace", file);
    ::unlink(temporary.c_str());
    return failure;
  }
  int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

}  // namespace platform
