// Building and serialising the tree of a screen with 200 care rows: the work of one redraw.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/ui/Runtime.hpp"
#include "platform/ui/Ui.hpp"
#include "platform/ui/WireWriter.hpp"

namespace {

using namespace platform::ui;

struct Row {
  std::string id, name, frequency;
  bool completing = false;
};

std::vector<Row> rows(int n) {
  std::vector<Row> out;
  for (int i = 0; i < n; ++i)
    out.push_back({"6F9619FF-8B86-D011-B42D-00C04FC9" + std::to_string(1000 + i),
                   "Plant number " + std::to_string(i), i % 3 ? "Weekly" : "Daily"});
  return out;
}

View taskRow(const Row& row, int& taps) {
  const Color green = Color::hex("1FC887");
  View picture = ZStack({Circle().fill(Color::hex("0A130A")),
                         Symbol("leaf.fill").font(Font::system(20)).foregroundColor(green)})
                     .frame({.width = 48, .height = 48});
  View label =
      row.completing
          ? ProgressView({.small = true})
                .tint(Color::black)
                .frame({.width = 20, .height = 20})
                .padding(Edge::horizontal, 16)
                .padding(Edge::vertical, 8)
                .background(green.opacity(0.7))
                .clipShape(Shape::roundedRect(20, continuous))
          : Text("Done")
                .font(Font::system(14, FontWeight::semibold))
                .foregroundColor(Color::white)
                .padding(Edge::horizontal, 12)
                .padding(Edge::vertical, 8)
                .background(Capsule().fill(Gradient::linear(
                    {green, Color::hex("116B49")}, UnitPoint::top(), UnitPoint::bottom())));
  return HStack({.spacing = 16},
                {std::move(picture),
                 VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
                        {Text(row.name)
                             .font(Font::system(17, FontWeight::bold))
                             .foregroundColor(Color::white),
                         Text(row.frequency + " care")
                             .font(Font::system(14))
                             .foregroundColor(Color::gray)}),
                 Spacer(), Button(std::move(label), [&taps] { ++taps; }).disabled(row.completing)})
      .padding(Edge::horizontal, 16)
      .padding(Edge::vertical, 12)
      .background(Color::hex("161E13"))
      .clipShape(Shape::roundedRect(20, continuous));
}

View screen(const std::vector<Row>& list, int& taps) {
  return ScrollView(VStack({.spacing = 16},
                           {Text("Today's Care")
                                .font(Font::system(18, FontWeight::bold))
                                .foregroundColor(Color::white),
                            VStack({.spacing = 12},
                                   {ForEach(
                                       list, [](const Row& r) { return r.id; },
                                       [&taps](const Row& r) { return taskRow(r, taps); })})})
                        .padding(Edge::horizontal, 20))
      .background(Color::hex("0A130A"))
      .navigationTitle("Activities");
}

void BuildTree(benchmark::State& state) {
  const auto list = rows(int(state.range(0)));
  int taps = 0;
  for (auto _ : state) benchmark::DoNotOptimize(screen(list, taps));
}
BENCHMARK(BuildTree)->Arg(200)->Unit(benchmark::kMicrosecond);

void SerialiseTree(benchmark::State& state) {
  const auto list = rows(int(state.range(0)));
  int taps = 0;
  const View tree = screen(list, taps);
  WireWriter writer;
  std::size_t bytes = 0;
  for (auto _ : state) {
    WireTree out = writer.write(tree);
    bytes = out.json.size();
    benchmark::DoNotOptimize(out);
  }
  state.counters["json_bytes"] = double(bytes);
}
BENCHMARK(SerialiseTree)->Arg(200)->Unit(benchmark::kMicrosecond);

// The whole redraw as the runtime does it: body, serialisation with the handler table, the
// comparison with the last tree and the message to the display (a changed row every time).
void RenderAndPublish(benchmark::State& state) {
  auto list = rows(int(state.range(0)));
  int taps = 0;
  platform::ManualClock clock;
  platform::VirtualMainQueue queue(clock);
  Runtime runtime(queue);
  std::size_t sent = 0;
  runtime.setDisplay([&](const std::string& message) { sent = message.size(); });
  runtime.setRoot([&] { return screen(list, taps); });
  std::size_t i = 0;
  for (auto _ : state) {
    list[i++ % list.size()].completing ^= true;
    runtime.render();
  }
  state.counters["handlers"] = double(runtime.handlerCount());
  // What one redraw puts on the wire: the whole "tree" message, in bytes.
  state.counters["message_bytes"] = double(sent);
}
BENCHMARK(RenderAndPublish)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
