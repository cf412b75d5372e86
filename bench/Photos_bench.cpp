// What a photo costs on the paths that run per row and per tile: the decode check against the
// full decode it stands in for, a tile thumbnail, a cache hit, and the JPEG a new growth photo is
// stored as. The picture is camera-sized (4032x3024) and textured so that it weighs about what a
// phone's JPEG does.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/photos/DecodeCheckCache.hpp"
#include "platform/photos/ImageDecoder.hpp"
#include "platform/photos/JpegEncoder.hpp"
#include "platform/photos/Thumbnail.hpp"

namespace {

using namespace platform::photos;

Image cameraPicture(PixelSize size) {
  Image image;
  image.size = size;
  image.rgb.resize(static_cast<std::size_t>(size.width) * size.height * 3);
  std::mt19937 random(7);
  std::size_t i = 0;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      int grain = static_cast<int>(random() % 24);
      image.rgb[i++] = static_cast<std::uint8_t>((x * 200 / size.width + grain) & 0xFF);
      image.rgb[i++] = static_cast<std::uint8_t>((y * 180 / size.height + grain) & 0xFF);
      image.rgb[i++] = static_cast<std::uint8_t>(((x + y) / 40 % 2 ? 90 : 140) + grain);
    }
  }
  return image;
}

const std::vector<std::uint8_t>& cameraJpeg() {
  static const std::vector<std::uint8_t> bytes =
      encodeJpeg(cameraPicture({4032, 3024}), 0.8).value();
  return bytes;
}

void CheckImage_CameraJpeg(benchmark::State& state) {
  const auto& bytes = cameraJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(checkImage(bytes).ok());
  state.counters["jpeg_KB"] = static_cast<double>(bytes.size()) / 1024;
}
BENCHMARK(CheckImage_CameraJpeg)->Unit(benchmark::kMillisecond);

// The literal reading of "decodes as an image": every pixel at full size.
void DecodeImage_CameraJpeg(benchmark::State& state) {
  const auto& bytes = cameraJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(decodeImage(bytes).ok());
}
BENCHMARK(DecodeImage_CameraJpeg)->Unit(benchmark::kMillisecond);

void MakeThumbnail_CameraJpeg(benchmark::State& state) {
  const auto& bytes = cameraJpeg();
  int side = static_cast<int>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(makeThumbnail(bytes, {{side, side}, Fit::fill}).ok());
}
BENCHMARK(MakeThumbnail_CameraJpeg)->Arg(144)->Arg(360)->Arg(1170)->Unit(benchmark::kMillisecond);

// A list of 200 rows re-drawn: every photo already checked.
void DecodeCheckCache_200Hits(benchmark::State& state) {
  DecodeCheckCache cache;
  std::vector<std::string> keys;
  for (int i = 0; i < 200; ++i) {
    keys.push_back("/store/Plant/" + std::to_string(i) + "/imageData?v=1");
    cache.check(keys.back(), [] { return std::span<const std::uint8_t>(cameraJpeg()); });
  }
  for (auto _ : state)
    for (const auto& key : keys)
      benchmark::DoNotOptimize(
          cache.check(key, [] { return std::span<const std::uint8_t>(cameraJpeg()); }));
}
BENCHMARK(DecodeCheckCache_200Hits)->Unit(benchmark::kMicrosecond);

void EncodeJpeg_SquareGrowthPhoto(benchmark::State& state) {
  Image square = cameraPicture({3024, 3024});
  for (auto _ : state) benchmark::DoNotOptimize(encodeJpeg(square, 0.8).ok());
}
BENCHMARK(EncodeJpeg_SquareGrowthPhoto)->Unit(benchmark::kMillisecond);

}  // namespace
