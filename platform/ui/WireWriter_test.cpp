#include "platform/ui/WireWriter.hpp"

#include <gtest/gtest.h>

#include "platform/foundation/Log.hpp"
#include "platform/ui/Ui.hpp"
#include "platform/ui/WireReader.hpp"

namespace platform::ui {
namespace {

// The tree as a display reads it: whole ids, handler ids and every object in place.
Json written(const View& view) {
  return readWireTree(Json::parse(WireWriter().write(view).json));
}

TEST(WireWriter, WritesNodesWithTypePropsStyleFlexAndChildren) {
  View view = VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                     {
                         Text("Today's Care")
                             .font(Font::system(18, FontWeight::bold))
                             .foregroundColor(Color::white),
                         Spacer(),
                     })
                  .padding(Edge::horizontal, 20);
  EXPECT_EQ(
      WireWriter().write(view).json,
      R"j({"t":"padding","p":{"top":0,"leading":20,"bottom":0,"trailing":20},"x":"v","c":[)j"
      R"j({"t":"vstack","p":{"spacing":16,"alignment":"leading"},"x":"v","c":[)j"
      R"j({"t":"text","p":{"text":"Today's Care"},"s":{"font":{"size":18,"design":"default","weight":"bold"},"color":"rgba(255,255,255,1)"}},)j"
      R"j({"t":"spacer","x":"hv"}]}]})j");
  EXPECT_EQ(written(view)["c"][0]["c"][1]["id"], "0.0.1");
}

TEST(WireWriter, RepeatsTravelAsNumbersAndIdsOnlyWhereTheyAreNotPositions) {
  int taps = 0;
  auto done = [&](const char* key) {
    return Button(Text("Done").foregroundColor(Color::white), [&] { ++taps; }).id(key);
  };
  const View view = VStack({done("a"), done("b"), Text("tail").foregroundColor(Color::white)});
  WireTree tree = WireWriter().write(view);
  const Json raw = Json::parse(tree.json);
  EXPECT_FALSE(raw.contains("id")) << "the root is 0";
  EXPECT_EQ(raw["c"][0]["id"], "@a");
  EXPECT_EQ(raw["c"][0]["on"], Json::parse(R"(["tap"])"));
  EXPECT_EQ(raw["c"][0]["c"][0], Json::parse(R"j({"t":"text","p":{"text":"Done"},"s":{"color":"rgba(255,255,255,1)"}})j"));
  // The stack's properties are the first object written, the first "Done" the second.
  EXPECT_EQ(raw["c"][1]["c"][0], Json::parse(R"({"t":"text","p":1,"s":0})"));
  EXPECT_EQ(raw["c"][2]["p"], Json::parse(R"({"text":"tail"})"));
  EXPECT_EQ(raw["c"][2]["s"], 0);

  const Json full = readWireTree(raw);
  EXPECT_EQ(full["c"][1]["c"][0], Json::parse(
                R"j({"t":"text","id":"0.@b.0","p":{"text":"Done"},"s":{"color":"rgba(255,255,255,1)"}})j"));
  EXPECT_EQ(full["c"][1]["on"]["tap"], "0.@b:tap");
  tree.handlers.at(full["c"][1]["on"]["tap"].get<std::string>())(nullptr);
  EXPECT_EQ(taps, 1);
}

TEST(WireWriter, AlertButtonsGetTheirHandlerIdsBackWhenRead) {
  bool shown = true;
  const Json alert = written(Text("a").alert("Delete Plant", binding(shown),
                                            {{"Cancel", ButtonRole::cancel, {}},
                                             {"Delete", ButtonRole::destructive, {}}}))["c"][1];
  EXPECT_EQ(alert["p"]["buttons"][0]["handler"], "0.1:button.0");
  EXPECT_EQ(alert["p"]["buttons"][1]["handler"], "0.1:button.1");
  EXPECT_EQ(alert["on"]["dismiss"], "0.1:dismiss");
}

TEST(WireWriter, FlexibilityFollowsWhatWantsTheSpace) {
  struct Case {
    const char* what;
    View view;
    Flex expected;
  };
  const Case cases[] = {
      {"text", Text("a"), Flex::none},
      {"colour", View(Color::red), Flex::hv},
      {"spacer in a vstack", VStack({Text("a"), Spacer()}), Flex::v},
      {"spacer in an hstack", HStack({Text("a"), Spacer()}), Flex::h},
      {"divider in a vstack", VStack({Divider()}), Flex::h},
      {"infinite max width", Text("a").frame({.maxWidth = infinity}), Flex::h},
      {"fixed frame over a shape", Circle().frame({.width = 48, .height = 48}), Flex::none},
      {"fixed height only", Circle().frame({.height = 3}), Flex::h},
      {"background sized to its content", Text("a").background(Color::red), Flex::none},
      {"overlay over a flexible content", Spacer().overlay(Text("a")), Flex::hv},
      {"vertical scroll", ScrollView(Text("a")), Flex::hv},
      {"horizontal scroll", ScrollView({.axis = Axis::horizontal}, Text("a")), Flex::h},
      {"resizable image", Image("logo").resizable(), Flex::hv},
      {"plain image", Image("logo"), Flex::none},
      {"grid", LazyVGrid({GridItem::flexible()}, {}, {Text("a")}), Flex::h},
      {"padding passes its child's", Spacer().padding(), Flex::hv},
      {"nested stacks", VStack({HStack({Text("a"), Spacer()})}), Flex::h},
  };
  for (const Case& c : cases) EXPECT_EQ(c.view.flex(), c.expected) << c.what;
}

TEST(WireWriter, KeysReplaceIndexesAndForEachTakesOneSlot) {
  auto list = [](std::vector<std::string> keys) {
    return VStack({Text("head"),
                   ForEach(
                       keys, [](const std::string& k) { return k; },
                       [](const std::string& k) { return Text(k); }),
                   Text("tail")});
  };
  Json two = written(list({"a", "b"}));
  Json three = written(list({"z", "a", "b"}));
  EXPECT_EQ(two["c"][1]["id"], "0.@a");
  EXPECT_EQ(two["c"][3]["id"], "0.2");
  EXPECT_EQ(three["c"][2]["id"], "0.@a") << "a row keeps its id when rows come before it";
  EXPECT_EQ(three["c"][4]["id"], "0.2") << "a sibling after the rows keeps its id";
}

TEST(WireWriter, SiblingsSharingAKeyStillGetTheirOwnIds) {
  ScopedLogCapture log;
  int first = 0, second = 0;
  WireTree tree = WireWriter().write(VStack(
      {Button("a", [&] { ++first; }).id("same"), Button("b", [&] { ++second; }).id("same")}));
  Json json = readWireTree(Json::parse(tree.json));
  EXPECT_EQ(json["c"][0]["id"], "0.@same");
  EXPECT_EQ(json["c"][1]["id"], "0.@same#1");
  tree.handlers.at("0.@same:tap")(nullptr);
  tree.handlers.at("0.@same#1:tap")(nullptr);
  EXPECT_EQ(first + second * 10, 11);
  EXPECT_EQ(log.lines(),
            std::vector<std::string>{"Two views share the key same; ids made unique at 0.@same#1"});
}

TEST(WireWriter, HandlersGetNodeIdAndEventAndDisabledOnesAreLeftOut) {
  int taps = 0;
  View view = VStack({
      Button("Add", [&] { ++taps; }),
      Button("Done", [&] { ++taps; }).disabled(true),
      VStack({Button("Inner", [&] { ++taps; })}).disabled(true),
  });
  WireTree tree = WireWriter().write(view);
  Json json = readWireTree(Json::parse(tree.json));
  EXPECT_EQ(json["c"][0]["on"]["tap"], "0.0:tap");
  EXPECT_FALSE(json["c"][1].contains("on"));
  EXPECT_TRUE(json["c"][1]["p"]["disabled"]);
  EXPECT_FALSE(json["c"][2]["c"][0].contains("on"));
  ASSERT_EQ(tree.handlers.size(), 1u);
  tree.handlers.at("0.0:tap")(nullptr);
  EXPECT_EQ(taps, 1);
}

TEST(WireWriter, TextsStayValidJsonWhateverTheyHold) {
  const std::string odd =
      std::string("quote \" backslash \\ tab \t nul ") + '\0' + " bad \xff\xfe end";
  Json json = written(Text(odd));
  const std::string back = json["p"]["text"];
  EXPECT_NE(back.find("quote \" backslash \\ tab \t nul "), std::string::npos);
  EXPECT_NE(back.find("\xEF\xBF\xBD"), std::string::npos) << "invalid UTF-8 becomes U+FFFD";
  EXPECT_EQ(written(Text("🌱 plant"))["p"]["text"], "🌱 plant");
}

TEST(WireWriter, NumbersColoursGradientsAndStrokes) {
  Json frame = written(Text("a").frame({.maxWidth = infinity}).opacity(0.5));
  EXPECT_EQ(frame["p"]["value"], 0.5);
  EXPECT_EQ(frame["c"][0]["p"]["maxWidth"], "infinity");

  Json capsule = written(Capsule()
                             .fill(Gradient::linear({Color::hex("1FC887"), Color::hex("116B49")},
                                                    UnitPoint::top(), UnitPoint::bottom()))
                             .stroke(Color::hex("1FC887").opacity(0.3), 2, {8, 4}));
  EXPECT_EQ(capsule["p"]["shape"], "capsule");
  EXPECT_EQ(capsule["p"]["fill"]["stops"][0]["color"], "rgba(31,200,135,1)");
  EXPECT_EQ(capsule["p"]["fill"]["stops"][1]["location"], 1);
  EXPECT_EQ(capsule["p"]["fill"]["end"]["y"], 1);
  EXPECT_EQ(capsule["p"]["stroke"],
            Json::parse(R"j({"color":"rgba(31,200,135,0.3)","width":2,"dash":[8,4]})j"));

  Json clip = written(Text("a").clipShape(Shape::corners(20, {Corner::topLeft, Corner::topRight})));
  EXPECT_EQ(clip["p"]["corners"], Json::parse(R"(["topLeft","topRight"])"));
  EXPECT_EQ(written(Text("a").clipShape(Shape::roundedRect(20, continuous)))["p"]["continuous"],
            true);
}

TEST(WireWriter, PresentingWrapperKeepsTheContentsIdentityWhetherOrNotASheetIsShown) {
  bool shown = false;
  auto view = [&] {
    return Text("content").sheet(shown ? std::optional<Presentation>({Text("sheet"), [] {}})
                                       : std::nullopt);
  };
  Json closed = written(view());
  shown = true;
  Json open = written(view());
  EXPECT_EQ(closed["t"], "presenting");
  EXPECT_EQ(closed["c"].size(), 1u);
  EXPECT_EQ(open["c"][0]["id"], closed["c"][0]["id"]);
  EXPECT_EQ(open["c"][1]["t"], "sheet");
  EXPECT_EQ(open["c"][1]["on"]["dismiss"], "0.1:dismiss");
}

TEST(WireWriter, PagesCarryTitleToolbarAndSearchWithTheirOwnIds) {
  std::string query;
  View content = Text("list")
                     .navigationTitle("Select Species")
                     .navigationBarTitleDisplayMode(TitleDisplayMode::inline_)
                     .toolbar({ToolbarItem::trailing(Button("Done", [] {}))})
                     .searchable(binding(query), "Search species");
  Json stack = written(navigationStackNode(std::move(content), {}, [](std::size_t) {}));
  const Json& page = stack["c"][0];
  EXPECT_EQ(page["p"]["title"], "Select Species");
  EXPECT_EQ(page["p"]["titleMode"], "inline");
  EXPECT_EQ(page["p"]["trailing"][0]["id"], "0.0.trailing0");
  EXPECT_EQ(page["p"]["trailing"][0]["on"]["tap"], "0.0.trailing0:tap");
  EXPECT_EQ(page["p"]["search"][0]["p"]["placeholder"], "Search species");
}

TEST(WireWriter, NestedPaddingsBecomeOneUnlessTheInnerOneIsItsOwnNode) {
  Json merged = written(Text("a").padding(Edge::horizontal, 16).padding(Edge::vertical, 12));
  EXPECT_EQ(merged["p"], Json::parse(R"({"top":12,"leading":16,"bottom":12,"trailing":16})"));
  EXPECT_EQ(merged["c"][0]["t"], "text");
  Json kept = written(Text("a").padding(8).id("inner").padding(4));
  EXPECT_EQ(kept["p"]["top"], 4);
  EXPECT_EQ(kept["c"][0]["id"], "0.@inner");
  EXPECT_EQ(kept["c"][0]["p"]["top"], 8);
}

TEST(WireWriter, AModifierOnANamedViewLeavesItAsItWas) {
  const View card = Text("Card").font(Font::headline);
  View padded = View(card).padding(8);
  View red = View(card).foregroundColor(Color::red);
  EXPECT_EQ(written(card)["s"], Json::parse(R"({"font":{"style":"headline"}})"));
  EXPECT_EQ(written(padded)["c"][0]["s"], written(card)["s"]);
  EXPECT_TRUE(written(red)["s"].contains("color"));
  EXPECT_FALSE(written(card)["s"].contains("color"));
}

TEST(WireWriter, ImageAssetNamesAreEncodedIntoTheirUrl) {
  EXPECT_EQ(written(Image("expert-avatar"))["p"]["src"], "/asset/expert-avatar");
  EXPECT_EQ(written(Image("a b/../c"))["p"]["src"], "/asset/a%20b%2F..%2Fc");
  EXPECT_EQ(written(Image(URL{"/store/plant/42/image"}))["p"]["src"], "/store/plant/42/image");
}

}  // namespace
}  // namespace platform::ui
