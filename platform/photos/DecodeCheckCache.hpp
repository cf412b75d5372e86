#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "platform/photos/Image.hpp"
#include "platform/photos/ImageDecoder.hpp"

namespace platform::photos {

// Remembers, per photo version, whether its bytes decode as an image and at what size, so that a
// list re-drawn on every change decodes each photo once. The key is opaque; it must change
// whenever the bytes do (a URL carrying the photo's version does). The least recently asked
// keys are dropped beyond `capacity`; an answer is a few bytes, so the default holds a long
// list's worth. For the main thread only.
class DecodeCheckCache {
 public:
  using BytesSource = std::function<std::span<const std::uint8_t>()>;

  explicit DecodeCheckCache(std::size_t capacity = 2048, DecodeLimits limits = {});

  // The upright size of the photo under `key`, or none when it does not decode. `bytes` is
  // called only when the key is not remembered, so stored bytes that load lazily are not
  // loaded for a photo already checked; no bytes (an empty span) do not decode.
  std::optional<PixelSize> check(const std::string& key, const BytesSource& bytes);
  bool decodes(const std::string& key, const BytesSource& bytes) {
    return check(key, bytes).has_value();
  }

  std::size_t size() const { return entries_.size(); }
  std::size_t capacity() const { return capacity_; }

 private:
  struct Entry {
    std::string key;
    std::optional<PixelSize> size;
  };

  std::size_t capacity_;
  DecodeLimits limits_;
  std::list<Entry> entries_;  // most recently asked first
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

}  // namespace platform::photos
