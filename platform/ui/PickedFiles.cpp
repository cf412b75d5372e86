#include "platform/ui/PickedFiles.hpp"

namespace platform::ui {

std::optional<std::string> PickedFiles::add(Bytes bytes) {
  if (bytes.size() > kMaxBytes) return std::nullopt;
  std::string identifier = "photo-" + std::to_string(nextSerial_++);
  files_.push_back({identifier, std::make_shared<const Bytes>(std::move(bytes))});
  while (files_.size() > kKept) files_.pop_front();
  return identifier;
}

std::shared_ptr<const PickedFiles::Bytes> PickedFiles::get(const std::string& identifier) const {
  for (const File& file : files_)
    if (file.identifier == identifier) return file.bytes;
  return nullptr;
}

}  // namespace platform::ui
