#include "app/expert/PlantExpertViewModel.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Json.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/testing/ScopedLocale.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::Json;

Json record(std::string name, std::string species, std::string description,
            std::string watering = "Water when the top inch is dry.") {
  return Json{{"id", name},
              {"name", name},
              {"species", species},
              {"description", description},
              {"imageName", "x"},
              {"careInstructions",
               {{"watering", watering},
                {"light", "Bright, indirect light."},
                {"temperature", "18-27 °C"},
                {"soil", "Chunky aroid mix."},
                {"fertilizing", "Monthly in summer."},
                {"tips", "Wipe the leaves."}}}};
}

const Json kCatalogue = Json::array({
    record("Monstera", "Monstera deliciosa", "Holes and splits in big leaves."),
    record("Snake Plant", "Dracaena trifasciata", "Stiff upright leaves; thrives on neglect."),
    record("Peace Lily", "Spathiphyllum wallisii", "White spathes; droops when thirsty.",
           "Drench weekly with rainwater."),
    record("Café Palm", "Chamaedorea", "Named for a coffee house."),
});

std::vector<std::string> names(const std::vector<PlantExpertInfo>& plants) {
  std::vector<std::string> result;
  for (const auto& plant : plants) result.push_back(plant.name);
  return result;
}

struct ExpertCatalogue : ::testing::Test {
  platform::testing::ScopedLocale locale{"en_US"};
  platform::testing::TempDirectory bundleFolder;
  platform::ManualClock clock;
  platform::VirtualMainQueue queue{clock};
  platform::ScopedLogCapture log;

  void writeFile(const std::string& text) {
    std::ofstream(bundleFolder.path() / "plants.json", std::ios::binary) << text;
  }
  std::unique_ptr<PlantExpertViewModel> makeModel() {
    return std::make_unique<PlantExpertViewModel>(queue, platform::Bundle(bundleFolder.path()));
  }
  // The model with the test catalogue loaded and the first quiet period over.
  std::unique_ptr<PlantExpertViewModel> loadedModel() {
    writeFile(kCatalogue.dump());
    auto model = makeModel();
    queue.advance(0.3);
    log.clear();
    return model;
  }
  std::vector<std::string> searchFor(PlantExpertViewModel& model, std::string text) {
    model.setSearchText(std::move(text));
    queue.advance(0.3);
    return names(model.plants());
  }
};

TEST_F(ExpertCatalogue, LoadsTheFileBeforeCreationReturns) {
  writeFile(kCatalogue.dump());
  auto model = makeModel();
  EXPECT_FALSE(model->isLoading());
  EXPECT_FALSE(model->errorMessage());
  EXPECT_EQ(model->plants().size(), 4u);
  EXPECT_EQ(model->allPlants(), model->plants());
  EXPECT_EQ(model->searchText(), "");
  EXPECT_EQ(log.lines(), std::vector<std::string>{"✅ Successfully loaded 4 plants"});
}

TEST_F(ExpertCatalogue, AMissingFileSaysSoOnScreenAndInTheLog) {
  auto model = makeModel();
  EXPECT_FALSE(model->isLoading());
  EXPECT_EQ(model->errorMessage(), "Could not find plants.json file in bundle");
  EXPECT_TRUE(model->plants().empty());
  EXPECT_EQ(log.lines(), std::vector<std::string>{"⚠️ Could not find plants.json in bundle"});
}

TEST_F(ExpertCatalogue, AnEmptyArrayLoadsAsNoPlantsWithoutError) {
  writeFile("[]");
  auto model = makeModel();
  EXPECT_FALSE(model->errorMessage());
  EXPECT_TRUE(model->plants().empty());
  EXPECT_EQ(log.lines(), std::vector<std::string>{"✅ Successfully loaded 0 plants"});
}

TEST_F(ExpertCatalogue, BadFilesGiveTheDecodersWordsOnScreenAndInTheLog) {
  Json lacking = kCatalogue;
  lacking[2]["careInstructions"]["troubleshooting"] = {{"yellowLeaves", "Too wet."}};
  Json wrongType = kCatalogue;
  wrongType[0]["species"] = 12;
  struct Case {
    std::string text;
    std::string message, line;
  };
  const Case cases[] = {
      {"[{\"id\": \"monstera\",\n  \"name\": \"Mon",
       "Error loading plant data: The data couldn't be read because it isn't in the correct "
       "format.",
       "❌ Error decoding expert plant data: dataCorrupted: the data is not valid JSON (parse error "
       "at line 2, column 15: syntax error while parsing value - invalid string: missing closing "
       "quote; last read: '\"Mon')"},
      {wrongType.dump(),
       "Error loading plant data: The data couldn't be read because it isn't in the correct "
       "format.",
       "❌ Error decoding expert plant data: typeMismatch: expected a string but found a number at "
       "[0].species"},
      {lacking.dump(), "Error loading plant data: The data couldn't be read because it is missing.",
       "❌ Error decoding expert plant data: keyNotFound: no value for the key \"emergencyTips\" at "
       "[2].careInstructions.troubleshooting"},
      {"{}",
       "Error loading plant data: The data couldn't be read because it isn't in the correct "
       "format.",
       "❌ Error decoding expert plant data: typeMismatch: expected an array but found an object at "
       "the top level"},
  };
  for (const auto& c : cases) {
    log.clear();
    writeFile(c.text);
    auto model = makeModel();
    EXPECT_FALSE(model->isLoading());
    EXPECT_EQ(model->errorMessage(), c.message);
    EXPECT_TRUE(model->allPlants().empty());
    EXPECT_EQ(log.lines(), std::vector<std::string>{c.line});
  }
}

TEST_F(ExpertCatalogue, AFailedReloadKeepsTheCatalogueAndARetryClearsTheError) {
  auto model = loadedModel();
  writeFile("[{\"id\": ");
  model->loadPlants();
  EXPECT_TRUE(model->errorMessage());
  EXPECT_EQ(model->plants().size(), 4u);
  EXPECT_EQ(model->allPlants().size(), 4u);

  std::filesystem::remove(bundleFolder.path() / "plants.json");
  model->loadPlants();
  EXPECT_EQ(model->errorMessage(), "Could not find plants.json file in bundle");
  EXPECT_EQ(model->plants().size(), 4u);

  writeFile(Json::array({kCatalogue[0]}).dump());
  model->loadPlants();
  EXPECT_FALSE(model->errorMessage());
  EXPECT_EQ(names(model->plants()), std::vector<std::string>{"Monstera"});
}

TEST_F(ExpertCatalogue, TheListSettles300MillisecondsAfterTheLastKeystroke) {
  auto model = loadedModel();
  model->setSearchText("s");
  queue.advance(0.2);
  model->setSearchText("sn");
  queue.advance(0.29);
  EXPECT_EQ(model->plants().size(), 4u);
  EXPECT_EQ(queue.pendingTimerCount(), 1u);
  queue.advance(0.01);
  EXPECT_EQ(names(model->plants()), std::vector<std::string>{"Snake Plant"});
  EXPECT_EQ(queue.pendingTimerCount(), 0u);
}

TEST_F(ExpertCatalogue, TypingAndDeletingWithinTheQuietPeriodLeavesTheListAsItWas) {
  auto model = loadedModel();
  const auto before = model->plants();
  model->setSearchText("x");
  queue.advance(0.1);
  model->setSearchText("");
  queue.advance(1);
  EXPECT_EQ(model->plants(), before);
}

TEST_F(ExpertCatalogue, SearchesNameSpeciesAndDescriptionOnlyInFileOrder) {
  auto model = loadedModel();
  EXPECT_EQ(searchFor(*model, "MONSTERA"), std::vector<std::string>{"Monstera"});
  EXPECT_EQ(searchFor(*model, "dracaena"), std::vector<std::string>{"Snake Plant"});
  EXPECT_EQ(searchFor(*model, "droops"), std::vector<std::string>{"Peace Lily"});
  EXPECT_EQ(searchFor(*model, "l"),
            (std::vector<std::string>{"Monstera", "Snake Plant", "Peace Lily", "Café Palm"}));
  // Words of the care texts are not searched, nor ids or image names.
  EXPECT_TRUE(searchFor(*model, "rainwater").empty());
  EXPECT_TRUE(searchFor(*model, "aroid").empty());
  // Untrimmed: a single space matches names with a space.
  EXPECT_EQ(searchFor(*model, " "),
            (std::vector<std::string>{"Monstera", "Snake Plant", "Peace Lily", "Café Palm"}));
  EXPECT_TRUE(searchFor(*model, "  ").empty());
  // Accents count.
  EXPECT_EQ(searchFor(*model, "CAFÉ"), std::vector<std::string>{"Café Palm"});
  EXPECT_TRUE(searchFor(*model, "cafe ").empty());
  EXPECT_EQ(searchFor(*model, ""), names(model->allPlants()));
}

TEST_F(ExpertCatalogue, LetterCaseFollowsTheUsersLocale) {
  auto model = loadedModel();
  EXPECT_EQ(searchFor(*model, "LILY"), std::vector<std::string>{"Peace Lily"});
  // In Turkish the capital of "i" is "İ"; "I" is the capital of the dotless "ı".
  platform::testing::ScopedLocale turkish("tr_TR");
  EXPECT_TRUE(searchFor(*model, "LILY").empty());
  EXPECT_EQ(searchFor(*model, "LİLY"), std::vector<std::string>{"Peace Lily"});
}

TEST_F(ExpertCatalogue, ARetryShowsTheWholeCatalogueUntilTheSearchNextChanges) {
  auto model = loadedModel();
  writeFile("nonsense");
  model->loadPlants();
  model->setSearchText("lily");
  writeFile(kCatalogue.dump());
  model->loadPlants();
  EXPECT_EQ(model->plants().size(), 4u);
  // The quiet period started by the typing still ends, and filters.
  queue.advance(0.3);
  EXPECT_EQ(names(model->plants()), std::vector<std::string>{"Peace Lily"});
}

TEST_F(ExpertCatalogue, APendingSearchStepDoesNothingOnceTheModelHasGone) {
  auto model = loadedModel();
  model->setSearchText("lily");
  model.reset();
  queue.advance(1);  // under AddressSanitizer a step on the freed model would be reported
  SUCCEED();
}

TEST_F(ExpertCatalogue, AFiftyMegabyteFileLoadsWhole) {
  Json small = Json::array({record("Monstera", "Monstera deliciosa", "@")});
  std::string text = small.dump();
  text.replace(text.find("\"@\""), 3, "\"" + std::string(50 << 20, 'a') + "\"");
  writeFile(text);
  auto model = makeModel();
  EXPECT_FALSE(model->errorMessage());
  ASSERT_EQ(model->plants().size(), 1u);
  EXPECT_EQ(model->plants()[0].description.size(), std::size_t{50 << 20});
  EXPECT_EQ(log.lines(), std::vector<std::string>{"✅ Successfully loaded 1 plants"});
}

}  // namespace
}  // namespace verdeo
