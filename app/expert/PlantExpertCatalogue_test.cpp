#include "app/expert/PlantExpertCatalogue.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "app/model/Species.hpp"
#include "platform/foundation/Json.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::Json;

Json validRecord() {
  return Json{{"id", "monstera"},
              {"name", "Monstera"},
              {"species", "Monstera deliciosa"},
              {"description", "Split leaves."},
              {"imageName", "monstera"},
              {"careInstructions",
               {{"watering", "w"},
                {"light", "l"},
                {"temperature", "t"},
                {"soil", "s"},
                {"fertilizing", "f"},
                {"tips", "x"},
                {"troubleshooting", {{"yellowLeaves", "y"}, {"emergencyTips", "e"}}}}}};
}

const std::vector<PlantExpertInfo>* plantsIn(const CatalogueOrError& result) {
  return std::get_if<std::vector<PlantExpertInfo>>(&result);
}

TEST(PlantExpertCatalogue, DecodesEveryFieldAndIgnoresUnknownKeys) {
  Json record = validRecord();
  record["rating"] = 5;
  record["careInstructions"]["humidity"] = {1, 2};
  record["careInstructions"]["troubleshooting"]["pests"] = nullptr;
  auto result = decodePlantExpertCatalogue(Json::array({record}).dump());
  ASSERT_TRUE(plantsIn(result));
  ASSERT_EQ(plantsIn(result)->size(), 1u);
  const PlantExpertInfo expected{
      "monstera",
      "Monstera",
      "Monstera deliciosa",
      "Split leaves.",
      CareInstructions{"w", "l", "t", "s", "f", "x", Troubleshooting{"y", "e"}},
      "monstera"};
  EXPECT_EQ(plantsIn(result)->front(), expected);
}

TEST(PlantExpertCatalogue, TroubleshootingAbsentOrNullIsNone) {
  Json without = validRecord();
  without["careInstructions"].erase("troubleshooting");
  Json null = validRecord();
  null["careInstructions"]["troubleshooting"] = nullptr;
  auto result = decodePlantExpertCatalogue(Json::array({without, null}).dump());
  ASSERT_TRUE(plantsIn(result));
  for (const auto& plant : *plantsIn(result)) EXPECT_FALSE(plant.careInstructions.troubleshooting);
}

TEST(PlantExpertCatalogue, AnEmptyArrayIsAnEmptyCatalogue) {
  auto result = decodePlantExpertCatalogue(" [ ] \n");
  ASSERT_TRUE(plantsIn(result));
  EXPECT_TRUE(plantsIn(result)->empty());
}

TEST(PlantExpertCatalogue, OneFlawAnywhereRefusesTheWholeFile) {
  constexpr std::string_view missing = "The data couldn't be read because it is missing.";
  constexpr std::string_view format =
      "The data couldn't be read because it isn't in the correct format.";
  struct Case {
    const char* what;
    std::function<void(Json&)> damage;  // applied to the second of two good records
    std::string_view description;
    std::string debug;
  };
  const Case cases[] = {
      {"troubleshooting without emergencyTips",
       [](Json& r) { r["careInstructions"]["troubleshooting"].erase("emergencyTips"); }, missing,
       "keyNotFound: no value for the key \"emergencyTips\" at "
       "[1].careInstructions.troubleshooting"},
      {"no name", [](Json& r) { r.erase("name"); }, missing,
       "keyNotFound: no value for the key \"name\" at [1]"},
      {"name is null", [](Json& r) { r["name"] = nullptr; }, missing,
       "valueNotFound: expected a string but found null at [1].name"},
      {"name is a number", [](Json& r) { r["name"] = 3; }, format,
       "typeMismatch: expected a string but found a number at [1].name"},
      {"tips is an array", [](Json& r) { r["careInstructions"]["tips"] = Json::array(); }, format,
       "typeMismatch: expected a string but found an array at [1].careInstructions.tips"},
      {"no care instructions", [](Json& r) { r.erase("careInstructions"); }, missing,
       "keyNotFound: no value for the key \"careInstructions\" at [1]"},
      {"care instructions are a string", [](Json& r) { r["careInstructions"] = "water"; }, format,
       "typeMismatch: expected an object but found a string at [1].careInstructions"},
      {"troubleshooting is a string",
       [](Json& r) { r["careInstructions"]["troubleshooting"] = "none"; }, format,
       "typeMismatch: expected an object but found a string at "
       "[1].careInstructions.troubleshooting"},
      {"a record that is not an object", [](Json& r) { r = true; }, format,
       "typeMismatch: expected an object but found a boolean at [1]"},
      {"keys differ in case",
       [](Json& r) {
         r["imagename"] = r["imageName"];
         r.erase("imageName");
       },
       missing, "keyNotFound: no value for the key \"imageName\" at [1]"},
  };
  for (const auto& c : cases) {
    Json damaged = validRecord();
    c.damage(damaged);
    auto result = decodePlantExpertCatalogue(Json::array({validRecord(), damaged}).dump());
    auto* error = std::get_if<CatalogueError>(&result);
    ASSERT_TRUE(error) << c.what;
    EXPECT_EQ(error->localizedDescription, c.description) << c.what;
    EXPECT_EQ(error->debugDescription, c.debug) << c.what;
  }
}

TEST(PlantExpertCatalogue, TextThatIsNotACatalogueArrayIsRefused) {
  struct Case {
    std::string text;
    std::string debugStart;
  };
  const std::string deep(100'000, '[');
  const Case cases[] = {
      {"", "dataCorrupted: the data is not valid JSON (parse error at line 1, column 1"},
      {validRecord().dump(),
       "typeMismatch: expected an array but found an object at the top level"},
      {"\"plants\"", "typeMismatch: expected an array but found a string at the top level"},
      {"null", "typeMismatch: expected an array but found null at the top level"},
      {Json::array({validRecord()}).dump().substr(0, 120), "dataCorrupted:"},
      {"[{\"id\": \"\xff\"}]", "dataCorrupted:"},
      {"[] []", "dataCorrupted:"},
      {"[1e999]", "dataCorrupted:"},
      {"// plants\n[]", "dataCorrupted:"},
      {deep, "dataCorrupted:"},
      {deep + std::string(100'000, ']'),
       "typeMismatch: expected an object but found an array at [0]"},
  };
  for (const auto& c : cases) {
    auto result = decodePlantExpertCatalogue(c.text);
    auto* error = std::get_if<CatalogueError>(&result);
    ASSERT_TRUE(error) << c.text.substr(0, 40);
    EXPECT_EQ(error->debugDescription.rfind(c.debugStart, 0), 0u)
        << c.text.substr(0, 40) << " gave " << error->debugDescription;
  }
}

TEST(PlantExpertCatalogue, AFileThatCannotBeReadFailsLikeBadData) {
  platform::testing::TempDirectory folder;
  auto missing = readPlantExpertCatalogue(folder.path() / "plants.json");
  ASSERT_TRUE(std::holds_alternative<CatalogueError>(missing));
  EXPECT_EQ(std::get<CatalogueError>(missing).localizedDescription,
            "The file \"plants.json\" couldn't be opened.");
  EXPECT_NE(std::get<CatalogueError>(missing).debugDescription.find("No such file or directory"),
            std::string::npos);

  auto directory = readPlantExpertCatalogue(folder.path());
  ASSERT_TRUE(std::holds_alternative<CatalogueError>(directory));
}

// The catalogue that ships: one record per species a user can pick, except "Other", in the
// picker's order, each named and illustrated as the species is.
TEST(PlantExpertCatalogue, TheShippedFileCoversEverySpeciesButOther) {
  auto result =
      readPlantExpertCatalogue(std::filesystem::path(VERDEO_RESOURCES_DIR) / "plants.json");
  if (auto* error = std::get_if<CatalogueError>(&result)) FAIL() << error->debugDescription;
  const auto& plants = *plantsIn(result);
  ASSERT_EQ(plants.size(), kAllSpecies.size() - 1);
  std::set<std::string> ids;
  std::set<Difficulty> levels;
  for (std::size_t i = 0; i < plants.size(); ++i) {
    const auto& plant = plants[i];
    EXPECT_EQ(plant.name, rawValue(kAllSpecies[i]));
    EXPECT_EQ(plant.imageName, imageName(kAllSpecies[i])) << plant.name;
    EXPECT_TRUE(ids.insert(plant.id).second) << plant.id;
    for (const auto* text : {&plant.species, &plant.description, &plant.careInstructions.watering,
                             &plant.careInstructions.light, &plant.careInstructions.temperature,
                             &plant.careInstructions.soil, &plant.careInstructions.fertilizing,
                             &plant.careInstructions.tips})
      EXPECT_FALSE(text->empty()) << plant.name;
    levels.insert(plant.difficulty());
  }
  EXPECT_EQ(levels.size(), 3u) << "every level should be represented";
}

}  // namespace
}  // namespace verdeo
