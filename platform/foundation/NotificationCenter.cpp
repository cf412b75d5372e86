#include "platform/foundation/NotificationCenter.hpp"

namespace platform {

void NotificationCenter::addObserver(std::string name, Task block) {
  observers_[std::move(name)].push_back(std::move(block));
}

void NotificationCenter::post(std::string_view name) {
  auto it = observers_.find(name);
  if (it == observers_.end()) return;
  for (const auto& block : it->second) queue_.async(block);
}

std::size_t NotificationCenter::observerCount(std::string_view name) const {
  auto it = observers_.find(name);
  return it == observers_.end() ? 0 : it->second.size();
}

}  // namespace platform
