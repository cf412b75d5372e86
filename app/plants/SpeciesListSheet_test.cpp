#include "app/plants/SpeciesListSheet.hpp"

#include <gtest/gtest.h>

#include "app/plants/EditPlantView.hpp"
#include "app/testing/AppHarness.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {
namespace {

using namespace platform::ui;

std::vector<std::string> names(const std::vector<Species>& species) {
  std::vector<std::string> out;
  for (Species s : species) out.emplace_back(rawValue(s));
  return out;
}

TEST(SpeciesSearch, FindsNamesContainingTheTextInAnyCaseInTheirOrder) {
  struct Case {
    const char* search;
    std::vector<std::string> found;
  } cases[] = {
      {"fern", {"Fern", "Staghorn Fern"}},
      {"FERN", {"Fern", "Staghorn Fern"}},
      {"ivy", {"English Ivy", "Boston Ivy", "Parlor Ivy"}},
      {"fern ", {}},  // the space is searched for too
      {"cactus", {}},
  };
  for (const Case& c : cases) {
    SpeciesListSheet sheet(Binding<Species>::constant(Species::verdeo), [] {});
    sheet.searchText = c.search;
    EXPECT_EQ(names(sheet.filteredSpecies()), c.found) << c.search;
  }
  SpeciesListSheet sheet(Binding<Species>::constant(Species::verdeo), [] {});
  auto all = sheet.filteredSpecies();
  ASSERT_EQ(all.size(), 53u);
  EXPECT_EQ(all.back(), Species::other);
}

struct SpeciesPicker : ::testing::Test {
  SpeciesPicker() : app(dir.path()), editor(app.environment, nullptr, {}, [] {}) {
    app.h.show([this] { return editor.body(); });
  }
  // The fill of a quick-grid cell's circle.
  std::string cell(const char* name) {
    return TestHarness::dump(app.h.find(kind("zstack") && containing(label(name))));
  }
  platform::testing::TempDirectory dir;
  AppHarness app;
  EditPlantView editor;
};

TEST_F(SpeciesPicker, TheGridMarksTheChosenSpeciesAndTheFullListChoosesAnyOther) {
  const std::string green = "rgba(31,200,135,1)", dark = "rgba(22,30,19,1)";
  EXPECT_NE(cell("Verdeo").find(green), std::string::npos) << cell("Verdeo");
  EXPECT_NE(cell("Fern").find(dark), std::string::npos);
  ASSERT_TRUE(app.h.tap(text("Fern")));
  EXPECT_EQ(editor.species, Species::fern);
  EXPECT_NE(cell("Fern").find(green), std::string::npos);
  EXPECT_NE(cell("Verdeo").find(dark), std::string::npos);

  ASSERT_TRUE(app.h.tap(text("View All")));
  EXPECT_TRUE(app.h.exists(text("Other")));
  EXPECT_TRUE(app.h.exists(label("Selected")));
  ASSERT_TRUE(app.h.type(kind("searchfield"), "ivy"));
  EXPECT_FALSE(app.h.exists(text("Other")));
  ASSERT_TRUE(app.h.tap(text("Boston Ivy")));
  EXPECT_EQ(editor.species, Species::bostonIvy);
  EXPECT_FALSE(app.h.exists(text("Search species")));
  for (const char* quick : {"Verdeo", "Monstera", "Orchid", "Fern"})
    EXPECT_NE(cell(quick).find(dark), std::string::npos) << quick;

  ASSERT_TRUE(app.h.tap(text("View All")));
  ASSERT_TRUE(app.h.type(kind("searchfield"), "nothing like it"));
  EXPECT_FALSE(app.h.exists(text("Boston Ivy")));
  ASSERT_TRUE(app.h.tap(text("Done")));
  EXPECT_EQ(editor.species, Species::bostonIvy);
}

}  // namespace
}  // namespace verdeo
