#include "platform/photos/DecodeCheckCache.hpp"

#include <gtest/gtest.h>

#include <map>

#include "platform/photos/SampleImages_test.hpp"

namespace platform::photos {
namespace {

using namespace samples;

// Photos by key, counting how often each one's bytes are asked for.
struct Photos {
  std::map<std::string, Bytes> bytes;
  std::map<std::string, int> loads;

  DecodeCheckCache::BytesSource source(const std::string& key) {
    return [this, key] {
      ++loads[key];
      const Bytes& b = bytes[key];
      return std::span<const std::uint8_t>(b);
    };
  }
};

TEST(DecodeCheckCache, DecodesEachVersionOnce) {
  Photos photos;
  photos.bytes["/p/1?v=1"] = jpegOf(gradient({40, 30}));
  photos.bytes["/p/1?v=2"] = pngOf(gradient({20, 10}));
  DecodeCheckCache cache;

  for (int render = 0; render < 3; ++render) {
    EXPECT_EQ(cache.check("/p/1?v=1", photos.source("/p/1?v=1")), (PixelSize{40, 30}));
  }
  EXPECT_EQ(photos.loads["/p/1?v=1"], 1);

  // A new photo is a new version: decoded once more, and its own answer.
  for (int render = 0; render < 3; ++render)
    EXPECT_EQ(cache.check("/p/1?v=2", photos.source("/p/1?v=2")), (PixelSize{20, 10}));
  EXPECT_EQ(photos.loads["/p/1?v=2"], 1);
}

TEST(DecodeCheckCache, RemembersThatBytesDoNotDecode) {
  Photos photos;
  Bytes jpeg = jpegOf(gradient({40, 30}));
  photos.bytes["broken"] = cutTo(jpeg, jpeg.size() / 2);
  photos.bytes["none"] = {};
  DecodeCheckCache cache;
  for (int render = 0; render < 3; ++render) {
    EXPECT_FALSE(cache.decodes("broken", photos.source("broken")));
    EXPECT_FALSE(cache.decodes("none", photos.source("none")));
  }
  EXPECT_EQ(photos.loads["broken"], 1);
  EXPECT_EQ(photos.loads["none"], 1);
}

TEST(DecodeCheckCache, DropsTheLeastRecentlyAskedBeyondItsCapacity) {
  Photos photos;
  for (const char* key : {"a", "b", "c"}) photos.bytes[key] = pngOf(gradient({4, 4}));
  DecodeCheckCache cache(2);
  cache.check("a", photos.source("a"));
  cache.check("b", photos.source("b"));
  cache.check("a", photos.source("a"));  // a is now the more recent
  cache.check("c", photos.source("c"));  // so b goes
  EXPECT_EQ(cache.size(), 2u);

  cache.check("a", photos.source("a"));
  EXPECT_EQ(photos.loads["a"], 1);
  cache.check("b", photos.source("b"));
  EXPECT_EQ(photos.loads["b"], 2);
}

}  // namespace
}  // namespace platform::photos
