#include "platform/foundation/NotificationCenter.hpp"

#include <algorithm>

namespace platform {

struct NotificationCenter::Observation::Observers {
  struct Entry {
    std::uint64_t id;
    std::shared_ptr<Task> block;
  };
  std::map<std::string, std::vector<Entry>, std::less<>> byName;
  std::uint64_t nextId = 1;
};

NotificationCenter::Observation& NotificationCenter::Observation::operator=(
    Observation&& other) noexcept {
  if (this != &other) {
    remove();
    observers_ = std::move(other.observers_);
    name_ = std::move(other.name_);
    id_ = other.id_;
    other.observers_.reset();
  }
  return *this;
}

void NotificationCenter::Observation::remove() {
  auto observers = observers_.lock();
  observers_.reset();
  if (!observers) return;
  auto it = observers->byName.find(name_);
  if (it == observers->byName.end()) return;
  std::erase_if(it->second, [this](const Observers::Entry& e) { return e.id == id_; });
  if (it->second.empty()) observers->byName.erase(it);
}

NotificationCenter::NotificationCenter(MainQueue& queue)
    : queue_(queue), observers_(std::make_shared<Observation::Observers>()) {}

NotificationCenter::Observation NotificationCenter::addObserver(std::string name, Task block) {
  const std::uint64_t id = observers_->nextId++;
  observers_->byName[name].push_back({id, std::make_shared<Task>(std::move(block))});
  return Observation(observers_, std::move(name), id);
}

void NotificationCenter::post(std::string_view name) {
  auto it = observers_->byName.find(name);
  if (it == observers_->byName.end()) return;
  // An observer removed before the delivery turn comes is not called.
  for (const auto& entry : it->second)
    queue_.async([weak = std::weak_ptr<Task>(entry.block)] {
      if (auto block = weak.lock()) (*block)();
    });
}

std::size_t NotificationCenter::observerCount(std::string_view name) const {
  auto it = observers_->byName.find(name);
  return it == observers_->byName.end() ? 0 : it->second.size();
}

}  // namespace platform
