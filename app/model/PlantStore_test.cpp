#include "app/model/PlantStore.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/store/RawDatabase_test.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::Date;
using platform::Uuid;
using platform::store::Bytes;
using platform::store::testing::RawDatabase;

struct PlantStoreTest : ::testing::Test {
  platform::testing::TempDirectory dir;
  std::filesystem::path path = dir.path() / "app" / "Verdeo.store";
  platform::ManualClock clock;
  platform::VirtualMainQueue queue{clock};
  std::unique_ptr<platform::store::Store> store = open();

  platform::store::ModelContext& context() { return store->mainContext(); }
  std::unique_ptr<platform::store::Store> open() {
    auto opened = openPlantStore(path, queue);
    EXPECT_TRUE(opened) << opened.error().description;
    return opened ? std::move(opened).value() : nullptr;
  }
  // Drops the store without saving, as a killed process would, and opens the file again.
  void relaunch() {
    store.reset();
    store = open();
  }
  std::vector<std::shared_ptr<Plant>> plants() {
    auto all = fetchAllPlants(context());
    EXPECT_TRUE(all) << all.error().description;
    return all ? *all : std::vector<std::shared_ptr<Plant>>{};
  }

  static Plant::Fields fields(std::string name) {
    return {Uuid::random(),
            std::move(name),
            "Monstera",
            Date::fromReferenceSeconds(780'000'000.25),
            Date::fromReferenceSeconds(786'000'000.5),
            CareFrequency::weekly,
            LightNeeds::full,
            WaterNeeds::moderate,
            "by the window",
            Bytes{0xff, 0xd8, 0xff},
            Location::livingRoom,
            true,
            Date::fromReferenceSeconds(786'013'200)};
  }
  std::shared_ptr<Plant> addPlant(std::string name) {
    auto plant = Plant::create(fields(std::move(name)));
    context().insert(plant);
    return plant;
  }
};

TEST_F(PlantStoreTest, SchemaIsTheTwoTablesInFieldOrder) {
  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT name FROM sqlite_schema"),
            (std::vector<std::string>{"Plant", "GrowthPost"}));
  // cid|name|type|notnull|dflt_value|pk: no defaults, no constraints, no key but the rowid.
  EXPECT_EQ(raw.rows("PRAGMA table_info(Plant)"),
            (std::vector<std::string>{
                "0|id|TEXT|0|NULL|0", "1|name|TEXT|0|NULL|0", "2|species|TEXT|0|NULL|0",
                "3|dateAcquired|REAL|0|NULL|0", "4|lastCareDate|REAL|0|NULL|0",
                "5|careFrequency|TEXT|0|NULL|0", "6|lightNeeds|TEXT|0|NULL|0",
                "7|waterNeeds|TEXT|0|NULL|0", "8|notes|TEXT|0|NULL|0", "9|imageData|BLOB|0|NULL|0",
                "10|location|TEXT|0|NULL|0", "11|notificationsEnabled|INTEGER|0|NULL|0",
                "12|notificationTime|REAL|0|NULL|0"}));
  EXPECT_EQ(raw.rows("PRAGMA table_info(GrowthPost)"),
            (std::vector<std::string>{"0|id|TEXT|0|NULL|0", "1|plantID|TEXT|0|NULL|0",
                                      "2|imageData|BLOB|0|NULL|0", "3|caption|TEXT|0|NULL|0",
                                      "4|dateCreated|REAL|0|NULL|0", "5|plantName|TEXT|0|NULL|0"}));
  EXPECT_TRUE(raw.rows("PRAGMA index_list(Plant)").empty());
  EXPECT_TRUE(raw.rows("PRAGMA index_list(GrowthPost)").empty());
}

TEST_F(PlantStoreTest, EveryFieldSurvivesAReopenAsStoredText) {
  auto original = fields("Monty");
  context().insert(Plant::create(original));
  ASSERT_TRUE(context().save());
  relaunch();

  auto all = plants();
  ASSERT_EQ(all.size(), 1u);
  const Plant& plant = *all[0];
  EXPECT_EQ(plant.id(), original.id);
  EXPECT_EQ(plant.name(), "Monty");
  EXPECT_EQ(plant.species(), "Monstera");
  EXPECT_EQ(plant.dateAcquired(), original.dateAcquired);
  EXPECT_EQ(plant.lastCareDate(), original.lastCareDate);
  EXPECT_EQ(plant.careFrequency(), CareFrequency::weekly);
  EXPECT_EQ(plant.lightNeeds(), LightNeeds::full);
  EXPECT_EQ(plant.waterNeeds(), WaterNeeds::moderate);
  EXPECT_EQ(plant.notes(), "by the window");
  EXPECT_EQ(plant.imageData(), original.imageData);
  EXPECT_EQ(plant.location(), Location::livingRoom);
  EXPECT_TRUE(plant.notificationsEnabled());
  EXPECT_EQ(plant.notificationTime(), original.notificationTime);

  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT id, careFrequency, lightNeeds, waterNeeds, location, "
                     "notificationsEnabled, dateAcquired FROM Plant"),
            std::vector<std::string>{original.id.string() +
                                     "|Weekly|Bright|Moderate|Living Room|1|780000000.25"});
}

TEST_F(PlantStoreTest, EveryEnumerationCaseIsStoredAsItsRawText) {
  std::vector<std::shared_ptr<Plant>> created;
  for (std::size_t i = 0; i < kAllLocations.size(); ++i) {
    auto plant = addPlant("p" + std::to_string(i));
    plant->setCareFrequency(kAllCareFrequencies[i % 3]);
    plant->setLightNeeds(kAllLightNeeds[i % 3]);
    plant->setWaterNeeds(kAllWaterNeeds[i % 3]);
    plant->setLocation(kAllLocations[i]);
  }
  ASSERT_TRUE(context().save());
  relaunch();
  RawDatabase raw(path);
  auto stored =
      raw.rows("SELECT careFrequency, lightNeeds, waterNeeds, location FROM Plant ORDER BY rowid");
  auto all = plants();
  ASSERT_EQ(all.size(), kAllLocations.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(stored[i], std::string(rawValue(all[i]->careFrequency())) + "|" +
                             std::string(rawValue(all[i]->lightNeeds())) + "|" +
                             std::string(rawValue(all[i]->waterNeeds())) + "|" +
                             std::string(rawValue(all[i]->location())));
    EXPECT_EQ(all[i]->location(), kAllLocations[i]);
    EXPECT_EQ(all[i]->lightNeeds(), kAllLightNeeds[i % 3]);
  }
}

TEST_F(PlantStoreTest, CareMarkedDoneSurvivesTerminationAfterAutomaticSaving) {
  auto plant = addPlant("Fern");
  ASSERT_TRUE(context().save());
  const Date cared = clock.now().addingSeconds(3600);
  plant->setLastCareDate(cared);
  queue.advance(1.0);
  relaunch();
  ASSERT_EQ(plants().size(), 1u);
  EXPECT_EQ(plants()[0]->lastCareDate(), cared);
}

TEST_F(PlantStoreTest, DeletingAPlantWithoutSavingIsPersistedByAutomaticSaving) {
  auto kept = addPlant("kept");
  auto gone = addPlant("gone");
  ASSERT_TRUE(context().save());
  context().remove(gone);
  queue.advance(1.0);
  relaunch();
  ASSERT_EQ(plants().size(), 1u);
  EXPECT_EQ(plants()[0]->id(), kept->id());
}

TEST_F(PlantStoreTest, PostsOutliveTheirPlantAndKeepItsOldName) {
  auto plant = addPlant("Old name");
  context().insert(
      GrowthPost::create(plant->id(), Bytes{1, 2}, "first leaf", plant->name(), clock));
  ASSERT_TRUE(context().save());
  plant->setName("New name");
  context().remove(plant);
  ASSERT_TRUE(context().save());
  relaunch();
  EXPECT_TRUE(plants().empty());
  auto posts = context().fetch<GrowthPost>();
  ASSERT_TRUE(posts);
  ASSERT_EQ(posts->size(), 1u);
  EXPECT_EQ((*posts)[0]->plantID(), plant->id());
  EXPECT_EQ((*posts)[0]->plantName(), "Old name");
  EXPECT_EQ((*posts)[0]->caption(), "first leaf");
}

TEST_F(PlantStoreTest, AFailingExplicitSaveSaysWhyAndKeepsTheAssignedValues) {
  auto plant = addPlant("Fern");
  ASSERT_TRUE(context().save());
  ASSERT_TRUE(store->limitPageCount(*store->pageCount()));
  plant->setName("Big Fern");
  plant->setImageData(Bytes(512 * 1024, 0x42));

  auto saved = context().save();
  ASSERT_FALSE(saved);
  EXPECT_FALSE(saved.error().description.empty());
  EXPECT_EQ(plant->name(), "Big Fern");
  EXPECT_TRUE(plant->hasChanges());

  // Automatic saving may still persist them once saving works again.
  ASSERT_TRUE(store->limitPageCount(1'000'000));
  plant->setNotes("repotted");
  queue.advance(1.0);
  relaunch();
  EXPECT_EQ(plants()[0]->name(), "Big Fern");
  EXPECT_EQ(plants()[0]->imageData()->size(), 512u * 1024);
}

TEST_F(PlantStoreTest, QueriesAndFetchesShareOneObjectPerPlant) {
  auto added = addPlant("b");
  addPlant("a");
  auto byName = queryPlantsByName(context());
  auto inOrder = queryAllPlants(context());
  ASSERT_EQ(byName.results().size(), 2u);
  EXPECT_EQ(byName.results()[1], added);
  EXPECT_EQ(inOrder.results()[0], added);
  EXPECT_EQ(plantWithID(context(), added->id()), added);
  EXPECT_EQ(plantWithID(context(), Uuid::random()), nullptr);
}

TEST_F(PlantStoreTest, LiveQueriesRedeliverOncePerTurnForTheirOwnRecordType) {
  auto plant = addPlant("Fern");
  auto plantsQuery = queryAllPlants(context());
  auto postsQuery = queryGrowthPostsNewestFirst(context());
  queue.runUntilIdle();
  int plantDeliveries = 0, postDeliveries = 0;
  plantsQuery.onChange([&] { ++plantDeliveries; });
  postsQuery.onChange([&] { ++postDeliveries; });

  plant->setLastCareDate(clock.now());
  plant->setName("Fern II");
  addPlant("Ivy");
  queue.runUntilIdle();
  EXPECT_EQ(plantDeliveries, 1);
  EXPECT_EQ(postDeliveries, 0);
  EXPECT_EQ(plantsQuery.results().size(), 2u);

  context().insert(GrowthPost::create(plant->id(), std::nullopt, "", plant->name(), clock));
  queue.runUntilIdle();
  EXPECT_EQ(plantDeliveries, 1);
  EXPECT_EQ(postDeliveries, 1);

  context().remove(plant);
  queue.runUntilIdle();
  EXPECT_EQ(plantDeliveries, 2);
  EXPECT_EQ(plantsQuery.results().size(), 1u);
}

TEST_F(PlantStoreTest, PostsComeNewestFirstAndPlantsByName) {
  auto plant = addPlant("Zebra");
  addPlant("aloe");
  addPlant("Basil");
  for (const char* caption : {"one", "two", "three"}) {
    context().insert(GrowthPost::create(plant->id(), std::nullopt, caption, plant->name(), clock));
    clock.advance(60);
  }
  std::vector<std::string> captions, names;
  for (const auto& post : queryGrowthPostsNewestFirst(context()).results())
    captions.push_back(post->caption());
  for (const auto& p : queryPlantsByName(context()).results()) names.push_back(p->name());
  EXPECT_EQ(captions, (std::vector<std::string>{"three", "two", "one"}));
  // The store's string order puts upper case before lower case.
  EXPECT_EQ(names, (std::vector<std::string>{"Basil", "Zebra", "aloe"}));
}

TEST_F(PlantStoreTest, ListsDoNotReadPhotos) {
  auto plant = addPlant("Fern");
  context().insert(GrowthPost::create(plant->id(), Bytes(300'000, 1), "", "Fern", clock));
  ASSERT_TRUE(context().save());
  relaunch();

  auto listed = queryPlantsByName(context());
  auto posts = queryGrowthPostsNewestFirst(context());
  ASSERT_EQ(listed.results().size(), 1u);
  EXPECT_TRUE(listed.results()[0]->hasImageData());
  EXPECT_TRUE(posts.results()[0]->hasImageData());
  EXPECT_EQ(context().bytesLoadCount(), 0u);
  EXPECT_EQ(posts.results()[0]->imageData()->size(), 300'000u);
  EXPECT_EQ(context().bytesLoadCount(), 1u);
}

TEST_F(PlantStoreTest, ImageURLsChangeWithThePhoto) {
  auto plant = addPlant("Fern");
  const std::string before = plant->imageURL();
  EXPECT_EQ(before.rfind("/store/Plant/" + plant->id().string() + "/imageData?v=", 0), 0u);
  plant->setName("Fern II");
  EXPECT_EQ(plant->imageURL(), before);
  plant->setImageData(Bytes{7});
  EXPECT_NE(plant->imageURL(), before);
  plant->setImageData(std::nullopt);
  EXPECT_FALSE(plant->hasImageData());
}

TEST_F(PlantStoreTest, DamagedRowsAreSkippedAndUnknownEnumerationTextsReadAsTheFirstCase) {
  addPlant("good");
  ASSERT_TRUE(context().save());
  store.reset();
  const std::string rest =
      "'Monstera', 1.0, 1.0, 'Weekly', 'Bright', 'High', '', NULL, 'Office', 0, 1.0)";
  const std::string oddId = Uuid::random().string();
  {
    RawDatabase raw(path);
    ASSERT_TRUE(raw.exec("INSERT INTO Plant VALUES ('1234', 'bad id', " + rest));
    ASSERT_TRUE(raw.exec("INSERT INTO Plant VALUES ('" + Uuid::random().string() +
                         "', 'bad date', 'Monstera', 'last spring', 1.0, 'Weekly', 'Bright', "
                         "'High', '', NULL, 'Office', 0, 1.0)"));
    ASSERT_TRUE(raw.exec("INSERT INTO Plant VALUES ('" + oddId +
                         "', 'odd', 'Cactus', 1.0, 1.0, 'Fortnightly', 'bright', 'High', '', "
                         "NULL, 'Garden', 0, 1.0)"));
  }
  platform::ScopedLogCapture log;
  store = open();
  auto all = plants();
  ASSERT_EQ(all.size(), 2u);
  const Plant& odd = *all[1];
  for (int read = 0; read < 3; ++read) {
    EXPECT_EQ(odd.careFrequency(), CareFrequency::daily);
    EXPECT_EQ(odd.lightNeeds(), LightNeeds::full);
    EXPECT_EQ(odd.location(), Location::office);
  }
  EXPECT_EQ(odd.species(), "Cactus");  // kept as text; the screens decide what it means
  EXPECT_EQ(
      log.lines(),
      (std::vector<std::string>{
          "Store: skipped Plant row 2: id is not a UUID",
          "Store: skipped Plant row 3: dateAcquired is not a date",
          "Plant " + oddId + ": careFrequency \"Fortnightly\" names no case; read as \"Daily\"",
          "Plant " + oddId + ": lightNeeds \"bright\" names no case; read as \"Bright\"",
          "Plant " + oddId + ": location \"Garden\" names no case; read as \"Office\""}));

  // Saving other changes leaves the damaged rows and texts as they were.
  all[0]->setName("still good");
  ASSERT_TRUE(context().save());
  RawDatabase raw(path);
  EXPECT_EQ(raw.rows("SELECT count(*) FROM Plant"), std::vector<std::string>{"4"});
  EXPECT_EQ(raw.rows("SELECT careFrequency FROM Plant WHERE name = 'odd'"),
            std::vector<std::string>{"Fortnightly"});
}

TEST_F(PlantStoreTest, AStoreThatCannotBeOpenedIsReportedAndKept) {
  store.reset();
  {
    std::ofstream out(path, std::ios::binary);
    out << "PK\x03\x04 a zip file, not a store";
  }
  std::filesystem::remove(path.string() + "-wal");
  std::filesystem::remove(path.string() + "-shm");
  auto opened = openPlantStore(path, queue);
  ASSERT_FALSE(opened);
  EXPECT_NE(opened.error().description.find("not a database"), std::string::npos);
  EXPECT_EQ(std::filesystem::file_size(path),
            std::string_view("PK\x03\x04 a zip file, not a store").size());
}

}  // namespace
}  // namespace verdeo
