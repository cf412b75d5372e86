#include "app/expert/screens/ExpertView.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/testing/AppHarness.hpp"
#include "platform/foundation/Json.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/testing/ScopedLocale.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/NavigationStack.hpp"

namespace verdeo {
namespace {

using platform::Json;
using platform::ui::containing;
using platform::ui::kind;
using platform::ui::label;
using platform::ui::NodeRef;
using platform::ui::placeholder;
using platform::ui::symbol;
using platform::ui::TestHarness;
using platform::ui::text;

Json record(const std::string& name, const std::string& species, bool troubleshooting = false) {
  Json care = {{"watering", "Water when the top inch is dry."},
               {"light", "Bright, indirect light."},
               {"temperature", "18-27 °C."},
               {"soil", "Chunky aroid mix."},
               {"fertilizing", "Monthly in summer."},
               {"tips", "Wipe the leaves."}};
  if (troubleshooting)
    care["troubleshooting"] = {{"yellowLeaves", "Too much water."},
                               {"emergencyTips", "Repot into dry mix."}};
  return {{"id", name},         {"name", name},
          {"species", species}, {"description", "A houseplant."},
          {"imageName", "x"},   {"careInstructions", care}};
}

const Json kCatalogue = Json::array({
    record("Monstera", "Monstera deliciosa", true),
    record("Snake Plant", "Dracaena trifasciata"),
    record("Boston Fern", "Nephrolepis exaltata"),
});

const char* const kNote =
    "It's not possible to find all the plants, because expert advice takes longer. It will be "
    "added soon.";

// The expert tab over a bundle of its own, where each test writes the catalogue it needs.
struct ExpertTab : ::testing::Test {
  ExpertTab() : app(dir.path()) {}

  void writeCatalogue(const std::string& text) {
    std::ofstream(dir.path() / "plants.json", std::ios::binary) << text;
  }
  // In a stack of its own, as the tab shell shows it.
  void show() {
    screen = std::make_unique<ExpertView>(app.environment);
    stack = std::make_unique<platform::ui::NavigationStack<int>>(
        app.environment.runtime,
        [](int, const platform::ui::Navigator<int>&) { return platform::ui::AnyScreen(); });
    app.h.show([this] { return stack->view(screen->body()); });
  }
  // The names on the cards, in grid order.
  std::vector<std::string> cards() {
    std::vector<std::string> names;
    for (const auto& plant : screen->viewModel.plants()) {
      EXPECT_TRUE(app.h.exists(text(plant.name))) << plant.name;
      names.push_back(plant.name);
    }
    return names;
  }
  bool type(std::string search) { return app.h.type(placeholder("Search plants..."), search); }

  platform::testing::ScopedLocale locale{"en_US"};
  platform::testing::TempDirectory dir;
  platform::ScopedLogCapture log;
  AppHarness app;
  std::unique_ptr<ExpertView> screen;
  std::unique_ptr<platform::ui::NavigationStack<int>> stack;
};

TEST_F(ExpertTab, EachCatalogueFileShowsOneBlockAndItsLogLine) {
  std::string large = "[";
  for (int i = 0; i < 1000; ++i) {
    Json r = record("Plant " + std::to_string(i), "Species");
    r["description"] = std::string(5000, 'd');
    large += (i ? "," : "") + r.dump();
  }
  large += "]";
  Json wrongType = kCatalogue;
  wrongType[1]["name"] = 7;
  struct Case {
    const char* what;
    std::optional<std::string> file;
    const char* block;  // the one block shown: its headline, or the note under the grid
    std::vector<std::string> texts;
    std::string logLine;
  };
  const std::vector<Case> cases = {
      {"missing",
       std::nullopt,
       "Unable to load plants",
       {"Could not find plants.json file in bundle", "Retry"},
       "⚠️ Could not find plants.json in bundle"},
      {"empty array",
       "[]",
       "No plants found",
       {"Please add plant data to your plants.json file"},
       "✅ Successfully loaded 0 plants"},
      {"truncated",
       kCatalogue.dump().substr(0, 100),
       "Unable to load plants",
       {"Error loading plant data: The data couldn't be read because it isn't in the correct "
        "format."},
       "❌ Error decoding expert plant data: dataCorrupted: the data is not valid JSON (parse "
       "error at line 1, column 101: syntax error while parsing value - invalid string: missing "
       "closing quote; last read: '\"C')"},
      {"wrong type",
       wrongType.dump(),
       "Unable to load plants",
       {"Error loading plant data: The data couldn't be read because it isn't in the correct "
        "format."},
       "❌ Error decoding expert plant data: typeMismatch: expected a string but found a number "
       "at [1].name"},
      {"large", large, kNote, {"Plant 0", "Plant 999"}, "✅ Successfully loaded 1000 plants"},
  };
  const std::vector<std::string> blocks = {"Unable to load plants", "No plants found",
                                           "No matching plants", kNote};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dir.path() / "plants.json");
    if (c.file) writeCatalogue(*c.file);
    log.clear();
    show();
    for (const auto& block : blocks)
      EXPECT_EQ(app.h.exists(text(block)), block == c.block) << block;
    for (const auto& shown : c.texts) EXPECT_TRUE(app.h.exists(text(shown))) << shown;
    EXPECT_EQ(log.lines(), std::vector<std::string>{c.logLine});
    EXPECT_TRUE(app.h.exists(placeholder("Search plants..."))) << "the search field stays";
  }
}

TEST_F(ExpertTab, RetryReadsTheFileAgain) {
  show();
  EXPECT_TRUE(app.h.exists(text("Unable to load plants")));
  writeCatalogue(kCatalogue.dump());
  ASSERT_TRUE(app.h.tap(text("Retry")));
  EXPECT_EQ(cards(), (std::vector<std::string>{"Monstera", "Snake Plant", "Boston Fern"}));
  EXPECT_TRUE(app.h.exists(text(kNote)));
  EXPECT_TRUE(log.contains("✅ Successfully loaded 3 plants"));
}

TEST_F(ExpertTab, TheGridSettles300msAfterTypingStops) {
  writeCatalogue(kCatalogue.dump());
  show();
  auto& h = app.h;
  ASSERT_TRUE(type("f"));
  h.advance(0.2);
  ASSERT_TRUE(type("fe"));
  h.advance(0.299);
  EXPECT_EQ(cards().size(), 3u) << "still the whole grid 299 ms after the last keystroke";
  h.advance(0.001);
  EXPECT_EQ(cards(), std::vector<std::string>{"Boston Fern"});
  EXPECT_FALSE(h.exists(text("Monstera")));
  EXPECT_TRUE(h.exists(text(kNote))) << "the note stays under search results";

  ASSERT_TRUE(type("cactus"));
  h.advance(0.3);
  EXPECT_TRUE(h.exists(text("No matching plants")));
  EXPECT_TRUE(h.exists(text("Try a different search term")));
  ASSERT_TRUE(h.tap(text("Clear Search")));
  EXPECT_EQ(screen->viewModel.searchText(), "");
  EXPECT_TRUE(h.exists(text("No plants found"))) << "nothing shown and nothing searched, for now";
  h.advance(0.3);
  EXPECT_EQ(cards().size(), 3u);
}

TEST_F(ExpertTab, TheClearButtonShowsOnlyWhileTheFieldHoldsText) {
  writeCatalogue(kCatalogue.dump());
  show();
  auto& h = app.h;
  const auto clearButton = label("Clear search");
  EXPECT_FALSE(h.exists(clearButton));
  EXPECT_TRUE(h.exists(symbol("magnifyingglass")));
  ASSERT_TRUE(type(" "));
  EXPECT_TRUE(h.exists(clearButton)) << "a space is text";
  EXPECT_TRUE(h.exists(symbol("xmark.circle.fill")));
  ASSERT_TRUE(type(""));
  EXPECT_FALSE(h.exists(clearButton));
  ASSERT_TRUE(type("snake"));
  h.advance(0.3);
  ASSERT_TRUE(h.tap(clearButton));
  EXPECT_EQ(screen->viewModel.searchText(), "");
  EXPECT_FALSE(h.exists(clearButton));
  EXPECT_EQ(h.find(placeholder("Search plants...")).prop("value"), "");
  h.advance(0.3);
  EXPECT_EQ(cards().size(), 3u);
}

// The care card: six rows, and two more for a species with troubleshooting.
TEST_F(ExpertTab, ACardOpensItsRecordPageWithSixOrEightCareRows) {
  writeCatalogue(kCatalogue.dump());
  show();
  auto& h = app.h;
  const std::vector<std::string> rows = {"Watering",
                                         "Light",
                                         "Temperature",
                                         "Soil",
                                         "Fertilizing",
                                         "Real expert tips",
                                         "Yellow leaves diagnosis",
                                         "Emergency plant rescue"};
  for (auto [name, count] : {std::pair{"Monstera", 8u}, std::pair{"Snake Plant", 6u}}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(h.tap(text(name)));
    ASSERT_TRUE(screen->selectedPlantID());
    EXPECT_EQ(screen->selectedPlantID()->string, name);
    EXPECT_EQ(h.find(kind("page")).prop("title"), name) << "the page is on top, titled";
    EXPECT_TRUE(h.exists(text("Real expert instructions")));
    EXPECT_TRUE(h.exists(text("Plant expert and Verdeo founder")));
    std::size_t shown = 0;
    for (const auto& row : rows) shown += h.exists(text(row));
    EXPECT_EQ(shown, count);
    EXPECT_TRUE(h.exists(text("Easy"))) << "indirect light and nothing fussy";
    ASSERT_TRUE(h.tap(label("Close")));
    EXPECT_FALSE(screen->selectedPlantID());
    EXPECT_TRUE(h.exists(text(kNote)));
  }
  ASSERT_TRUE(h.tap(text("Boston Fern")));
  ASSERT_TRUE(h.dismissSheet());
  EXPECT_FALSE(screen->selectedPlantID()) << "a swipe clears the choice too";
}

TEST_F(ExpertTab, TheRecordPageShowsOnlyWhatTheShownListHolds) {
  writeCatalogue(kCatalogue.dump());
  show();
  auto& h = app.h;
  // Typed just before the tap: the quiet period ends with the page up.
  ASSERT_TRUE(type("fern"));
  ASSERT_TRUE(h.tap(text("Monstera")));
  EXPECT_TRUE(h.exists(text("Monstera deliciosa")));
  h.advance(0.3);
  EXPECT_TRUE(screen->selectedPlantID());
  EXPECT_TRUE(h.exists(kind("sheet"))) << "the sheet stays, empty";
  EXPECT_FALSE(h.exists(text("Monstera deliciosa")));
  EXPECT_FALSE(h.exists(text("Real expert instructions")));
}

TEST_F(ExpertTab, TheInfoButtonPresentsTheGuidesPromise) {
  writeCatalogue(kCatalogue.dump());
  show();
  auto& h = app.h;
  ASSERT_TRUE(h.tap(label("About the expert guide")));
  EXPECT_TRUE(screen->showingExpertInfo());
  EXPECT_EQ(h.find(kind("page")).prop("title"), "We're different");
  for (const char* title : {"Verdeo think differently", "Real expert knowledge",
                            "Verified information", "Personalized care", "Professional standards"})
    EXPECT_TRUE(h.exists(text(title))) << title;
  ASSERT_TRUE(h.tap(text("Close")));
  EXPECT_FALSE(screen->showingExpertInfo());
}

}  // namespace
}  // namespace verdeo
