#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform::display {

// A file's bytes with the media type a browser needs to use it.
struct HttpReply {
  std::string body;
  std::string contentType;
};

// The media type for a file name, by its extension ("application/octet-stream" when unknown).
std::string contentTypeFor(std::string_view fileName);

// A folder whose files are served by relative path. A path that is empty, absolute, has a ".."
// or "." segment, a backslash or a NUL, or leads (also through a symbolic link) outside the
// folder or to anything but a regular file, is not found.
class StaticFiles {
 public:
  explicit StaticFiles(std::filesystem::path root, std::size_t maxFileBytes = 64u << 20);

  std::optional<std::filesystem::path> resolve(std::string_view relative) const;
  std::optional<HttpReply> read(std::string_view relative) const;

 private:
  std::filesystem::path root_;
  std::size_t maxFileBytes_;
};

}  // namespace platform::display
