// The due-day map is recomputed on every redraw of the care calendar; these figures show the
// per-plant version against the literal per-plant-and-day reading it must agree with.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <random>
#include <vector>

#include "app/model/CareSchedule.hpp"
#include "platform/foundation/Calendar.hpp"

namespace {

using platform::Calendar;
using platform::Date;
using verdeo::CareFrequency;
using verdeo::CareItem;

struct Collection {
  Calendar calendar = *Calendar::inTimeZone("Europe/Rome", "en_US");
  // 2025-03-05 18:20 in Rome: the 401 days cross both DST changes of 2025 and the spring of 2026.
  Date now = Date::fromUnixSeconds(1741195200.0);
  std::vector<CareItem> items;

  explicit Collection(int count) {
    std::mt19937 random(42);
    for (int i = 0; i < count; ++i) {
      auto frequency = verdeo::kAllCareFrequencies[static_cast<std::size_t>(i % 3)];
      // Cared for within the last two years, at any time of day; a few in the future.
      double seconds = std::uniform_real_distribution(-20.0 * 86400, 700.0 * 86400)(random);
      items.push_back({now.addingSeconds(-seconds), frequency});
    }
  }
};

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// One run of the reference per size, timed once and shared by the benchmarks that compare.
const std::pair<verdeo::DueDayMap, double>& reference(int count) {
  static std::map<int, std::pair<verdeo::DueDayMap, double>> runs;
  auto found = runs.find(count);
  if (found == runs.end()) {
    Collection collection(count);
    auto start = std::chrono::steady_clock::now();
    auto map = verdeo::dueDayMapReference(collection.items, collection.now, collection.calendar);
    found = runs.emplace(count, std::make_pair(std::move(map), millisecondsSince(start))).first;
  }
  return found->second;
}

void DueDayMap(benchmark::State& state) {
  int count = static_cast<int>(state.range(0));
  Collection collection(count);
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        verdeo::dueDayMap(collection.items, collection.now, collection.calendar));
  double perRun = millisecondsSince(start) / static_cast<double>(state.iterations());
  const auto& [expected, referenceMs] = reference(count);
  if (verdeo::dueDayMap(collection.items, collection.now, collection.calendar) != expected)
    state.SkipWithError("the map differs from the reference");
  state.counters["reference_ms"] = referenceMs;
  state.counters["x_faster"] = referenceMs / perRun;
}
BENCHMARK(DueDayMap)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void DueDayMapReference(benchmark::State& state) {
  Collection collection(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(
        verdeo::dueDayMapReference(collection.items, collection.now, collection.calendar));
}
BENCHMARK(DueDayMapReference)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

// One due test for one plant and day, cycling through mixed plants and the window's days.
template <bool (*test)(const CareItem&, Date, int, const Calendar&)>
void dueTests(benchmark::State& state) {
  Collection collection(999);
  std::vector<Date> days;
  for (int i = 0; i < verdeo::kDueDayMapDays; ++i)
    days.push_back(
        collection.calendar.startOfDay(*collection.calendar.addingDays(i, collection.now)));
  std::size_t plant = 0, day = 0, due = 0;
  for (auto _ : state) {
    due += test(collection.items[plant], days[day], verdeo::kGridMonthHorizon, collection.calendar);
    if (++plant == collection.items.size()) plant = 0;
    if (++day == days.size()) day = 0;
  }
  benchmark::DoNotOptimize(due);
}

void DueTest(benchmark::State& state) {
  dueTests<static_cast<bool (*)(const CareItem&, Date, int, const Calendar&)>(verdeo::isDue)>(
      state);
}
BENCHMARK(DueTest)->Unit(benchmark::kNanosecond);

void DueTestReference(benchmark::State& state) {
  dueTests<verdeo::isDueReference>(state);
}
BENCHMARK(DueTestReference)->Unit(benchmark::kMicrosecond);

}  // namespace
