#include "platform/photos/DecodeCheckCache.hpp"

#include <algorithm>

namespace platform::photos {

DecodeCheckCache::DecodeCheckCache(std::size_t capacity, DecodeLimits limits)
    : capacity_(std::max<std::size_t>(capacity, 1)), limits_(limits) {}

std::optional<PixelSize> DecodeCheckCache::check(const std::string& key, const BytesSource& bytes) {
  if (auto found = index_.find(key); found != index_.end()) {
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->size;
  }
  std::optional<PixelSize> size;
  if (auto checked = checkImage(bytes(), limits_)) size = *checked;
  if (entries_.size() == capacity_) {
    index_.erase(entries_.back().key);
    entries_.pop_back();
  }
  entries_.push_front({key, size});
  index_.emplace(key, entries_.begin());
  return size;
}

}  // namespace platform::photos
