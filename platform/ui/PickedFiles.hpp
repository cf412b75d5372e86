#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

// Files the person chose on a display (a photo from the library), kept as the display sent them
// until a picker item loads them. Only the latest few are kept: an item whose file was pushed out
// by later choices fails to load, as an item of a library that changed meanwhile does.
class PickedFiles {
 public:
  using Bytes = std::vector<std::uint8_t>;
  // The largest file a display may hand over.
  static constexpr std::size_t kMaxBytes = 25 * 1024 * 1024;
  static constexpr std::size_t kKept = 4;

  // Keeps `bytes` and answers the identifier that picker events name it by ("photo-7"); none
  // when the file is larger than kMaxBytes.
  std::optional<std::string> add(Bytes bytes);
  // The file under `identifier`, if it is still kept.
  std::shared_ptr<const Bytes> get(const std::string& identifier) const;

 private:
  struct File {
    std::string identifier;
    std::shared_ptr<const Bytes> bytes;
  };
  std::deque<File> files_;
  std::uint64_t nextSerial_ = 1;
};

}  // namespace platform::ui
