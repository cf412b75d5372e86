// Loading the plant list from a store of plants with photos: the store's list query, which leaves
// the photos in the file, against reading every column of every row as a plain "SELECT *" would.
// Also the cost of one live-query re-delivery after a change, which every care tap pays.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "app/model/PlantStore.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"

namespace {

constexpr std::size_t kPhotoBytes = 200 * 1024;

struct StoreFile {
  std::filesystem::path folder;
  std::filesystem::path path;
  explicit StoreFile(int plants) {
    std::string pattern = (std::filesystem::temp_directory_path() / "verdeo-bench-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    path = folder / "Verdeo.store";
    platform::ManualClock clock;
    platform::VirtualMainQueue queue(clock);
    auto store = verdeo::openPlantStore(path, queue).value();
    for (int i = 0; i < plants; ++i)
      store->mainContext().insert(verdeo::Plant::create(
          {platform::Uuid::random(), "Plant " + std::to_string(i), "Monstera", clock.now(),
           clock.now(), verdeo::CareFrequency::weekly, verdeo::LightNeeds::full,
           verdeo::WaterNeeds::moderate, "", platform::store::Bytes(kPhotoBytes, 0x5a),
           verdeo::Location::office, false, clock.now()}));
    (void)store->mainContext().save();
  }
  ~StoreFile() { std::filesystem::remove_all(folder); }
};

void OpenAndListPlantsByName(benchmark::State& state) {
  StoreFile file(static_cast<int>(state.range(0)));
  platform::ManualClock clock;
  platform::VirtualMainQueue queue(clock);
  for (auto _ : state) {
    auto store = verdeo::openPlantStore(file.path, queue).value();
    auto plants = verdeo::queryPlantsByName(store->mainContext());
    benchmark::DoNotOptimize(plants.results().size());
  }
  state.SetLabel("photos of 200 KiB");
}
BENCHMARK(OpenAndListPlantsByName)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

void OpenAndListPlantsByNameReference(benchmark::State& state) {
  StoreFile file(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Plant ORDER BY name", -1, &statement, nullptr);
    std::size_t bytes = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      sqlite3_column_blob(statement, 9);
      bytes += static_cast<std::size_t>(sqlite3_column_bytes(statement, 9));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetLabel("photos of 200 KiB");
}
BENCHMARK(OpenAndListPlantsByNameReference)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

void LiveQueryRedeliveryAfterCare(benchmark::State& state) {
  StoreFile file(static_cast<int>(state.range(0)));
  platform::ManualClock clock;
  platform::VirtualMainQueue queue(clock);
  auto store = verdeo::openPlantStore(file.path, queue).value();
  auto byName = verdeo::queryPlantsByName(store->mainContext());
  auto inOrder = verdeo::queryAllPlants(store->mainContext());
  auto plant = inOrder.results().front();
  for (auto _ : state) {
    clock.advance(1);
    plant->setLastCareDate(clock.now());
    queue.runUntilIdle();
    benchmark::DoNotOptimize(byName.results().data());
  }
}
BENCHMARK(LiveQueryRedeliveryAfterCare)->Arg(50)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
