// The today screen with 1,000 plants in a real store (a third each daily, weekly and monthly, cared
// for at spread-out moments): building its tree, and a tap on "Done" with its step 0.1 s later,
// each followed by a redraw (the body, the wire text and the publish), so that time is both
// redraws together.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "app/care/ActivitiesView.hpp"
#include "app/testing/AppHarness.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/TestHarness.hpp"

namespace {

using namespace verdeo;
using platform::ui::containing;
using platform::ui::kind;
using platform::ui::text;

struct TodayWithPlants {
  explicit TodayWithPlants(int plants) : app(dir.path()) {
    const platform::Date now = app.h.clock().now();
    for (int i = 0; i < plants; ++i) {
      const auto frequency = std::array{CareFrequency::daily, CareFrequency::weekly,
                                        CareFrequency::monthly}[std::size_t(i % 3)];
      app.addPlant("Plant " + std::to_string(i), frequency,
                   now.addingSeconds(-86400.0 * (1 + i % 40)));
    }
    app.h.show([this] { return screen.body(); });
  }
  platform::testing::TempDirectory dir;
  AppHarness app;
  ActivitiesView screen{app.environment};
};

void TodayScreenBody(benchmark::State& state) {
  TodayWithPlants today(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(today.screen.body());
  state.counters["due_rows"] = double(today.screen.duePlants().size());
}
BENCHMARK(TodayScreenBody)->Arg(1000)->Unit(benchmark::kMillisecond);

void TodayScreenDoneAndRedraws(benchmark::State& state) {
  TodayWithPlants today(int(state.range(0)));
  auto& h = today.app.h;
  state.counters["due_rows"] = double(today.screen.duePlants().size());
  for (auto _ : state) {
    state.PauseTiming();
    const platform::ui::NodeRef done = h.find(kind("button") && containing(text("Done")));
    if (!done) state.SkipWithError("nothing left to mark done");
    const std::string handler = done.json()["on"]["tap"];
    state.ResumeTiming();
    h.runtime().dispatch(handler);
    h.advance(0.1);
  }
  state.counters["tree_bytes"] = double(h.runtime().treeMessage().size());
}
BENCHMARK(TodayScreenDoneAndRedraws)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
