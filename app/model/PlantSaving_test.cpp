#include "app/model/PlantSaving.hpp"

#include <gtest/gtest.h>

#include "app/model/PlantStore.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::Date;
using platform::store::Bytes;

// Records what was asked of the scheduler, and whether the plant was still in the store then.
struct RecordingReminders final : PlantReminders {
  explicit RecordingReminders(platform::store::ModelContext* context = nullptr)
      : context(context) {}
  void scheduleReminder(const Plant& plant, Date time) const override {
    calls.push_back("schedule " + plant.name() + " " +
                    std::to_string(static_cast<long>(time.referenceSeconds())) + inStore(plant));
  }
  void cancelReminder(const Plant& plant) const override {
    calls.push_back("cancel " + plant.name() + inStore(plant));
  }
  std::string inStore(const Plant& plant) const {
    if (!context) return "";
    auto all = fetchAllPlants(*context);
    for (const auto& p : *all)
      if (p.get() == &plant) return " (in store)";
    return " (gone)";
  }
  platform::store::ModelContext* context;
  mutable std::vector<std::string> calls;
};

struct PlantSavingTest : ::testing::Test {
  platform::testing::TempDirectory dir;
  platform::ManualClock clock;
  platform::VirtualMainQueue queue{clock};
  std::unique_ptr<platform::store::Store> store =
      std::move(openPlantStore(dir.path() / "app" / "Verdeo.store", queue)).value();
  platform::NotificationCenter center{queue};
  RecordingReminders reminders;
  int refreshes = 0;
  platform::NotificationCenter::Observation observation =
      center.addObserver(kRefreshPlantList, [this] { ++refreshes; });
  platform::ScopedLogCapture log;
  const Date now = Date::fromReferenceSeconds(800'000'000);

  platform::store::ModelContext& context() { return store->mainContext(); }
  static PlantEdits edits(std::string name, bool reminder = false) {
    return {.name = std::move(name),
            .species = "Fern",
            .dateAcquired = Date::fromReferenceSeconds(790'000'000),
            .careFrequency = CareFrequency::daily,
            .lightNeeds = LightNeeds::low,
            .waterNeeds = WaterNeeds::high,
            .notes = "north window",
            .imageData = Bytes{1, 2, 3},
            .location = Location::kitchen,
            .notificationsEnabled = reminder,
            .notificationTime = Date::fromReferenceSeconds(799'995'600)};
  }
  PlantSaveOutcome add(std::string name, bool reminder = false,
                       std::shared_ptr<Plant> pending = nullptr) {
    return savePlant(context(), PlantSaveMode::add, std::move(pending), edits(name, reminder), now,
                     reminders, center);
  }
  // Caps the file where it stands, as a full disk would.
  void fillDisk() { ASSERT_TRUE(store->limitPageCount(*store->pageCount())); }
  std::vector<std::shared_ptr<Plant>> reopened() {
    store.reset();
    store = std::move(openPlantStore(dir.path() / "app" / "Verdeo.store", queue)).value();
    return *fetchAllPlants(context());
  }
};

TEST_F(PlantSavingTest, ANewPlantIsCreatedInsertedScheduledSavedAndAnnounced) {
  auto outcome = add("  Kelly ", true);
  ASSERT_TRUE(outcome.ok());
  EXPECT_TRUE(outcome.isFirstPlant);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Creazione nuova pianta:   Kelly ",
                                                   "✅ Pianta salvata con successo:   Kelly "}));
  EXPECT_EQ(reminders.calls, std::vector<std::string>{"schedule   Kelly  799995600"});
  EXPECT_EQ(refreshes, 0) << "announced on a later turn";
  queue.runUntilIdle();
  EXPECT_EQ(refreshes, 1);

  auto plants = reopened();
  ASSERT_EQ(plants.size(), 1u);
  const Plant& p = *plants[0];
  EXPECT_EQ(p.name(), "  Kelly ");
  EXPECT_EQ(p.species(), "Fern");
  EXPECT_EQ(p.lastCareDate(), now);
  EXPECT_EQ(p.careFrequency(), CareFrequency::daily);
  EXPECT_EQ(p.lightNeeds(), LightNeeds::low);
  EXPECT_EQ(p.waterNeeds(), WaterNeeds::high);
  EXPECT_EQ(p.notes(), "north window");
  EXPECT_EQ(p.imageData(), Bytes({1, 2, 3}));
  EXPECT_EQ(p.location(), Location::kitchen);
  EXPECT_TRUE(p.notificationsEnabled());
  EXPECT_EQ(p.notificationTime(), Date::fromReferenceSeconds(799'995'600));
}

TEST_F(PlantSavingTest, ANewPlantWithRemindersOffIsNeitherScheduledNorCancelled) {
  ASSERT_TRUE(add("Kelly").ok());
  EXPECT_TRUE(reminders.calls.empty());
}

TEST_F(PlantSavingTest, OnlyTheFirstPlantEverIsTheFirst) {
  EXPECT_TRUE(add("one").isFirstPlant);
  EXPECT_FALSE(add("two").isFirstPlant);
}

TEST_F(PlantSavingTest, EditingRewritesElevenFieldsAndKeepsIdAndLastCare) {
  auto plant = add("old").plant;
  const auto id = plant->id();
  log.clear();
  reminders.calls.clear();

  auto on = edits("new", true);
  auto outcome = savePlant(context(), PlantSaveMode::edit, plant, on, now.addingSeconds(86400),
                           reminders, center);
  ASSERT_TRUE(outcome.ok());
  EXPECT_FALSE(outcome.isFirstPlant) << "only a new plant asks";
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Aggiornata pianta esistente: new",
                                                   "✅ Pianta salvata con successo: new"}));
  EXPECT_EQ(reminders.calls, std::vector<std::string>{"schedule new 799995600"});

  auto off = edits("newer", false);
  ASSERT_TRUE(savePlant(context(), PlantSaveMode::edit, plant, off, now, reminders, center).ok());
  EXPECT_EQ(reminders.calls.back(), "cancel newer");

  auto plants = reopened();
  ASSERT_EQ(plants.size(), 1u);
  EXPECT_EQ(plants[0]->id(), id);
  EXPECT_EQ(plants[0]->lastCareDate(), now);
  EXPECT_EQ(plants[0]->name(), "newer");
  EXPECT_FALSE(plants[0]->notificationsEnabled());
}

TEST_F(PlantSavingTest, AFailedSaveSaysWhyAnnouncesNothingAndASecondAttemptSavesTheSamePlant) {
  ASSERT_TRUE(add("first").ok());
  queue.runUntilIdle();
  refreshes = 0;
  log.clear();
  fillDisk();

  auto pending = edits("second");
  pending.imageData = Bytes(512 * 1024, 9);
  auto failed = savePlant(context(), PlantSaveMode::add, nullptr, pending, now, reminders, center);
  ASSERT_FALSE(failed.ok());
  ASSERT_TRUE(failed.plant);
  EXPECT_FALSE(failed.isFirstPlant);
  ASSERT_EQ(log.lines().size(), 2u);
  EXPECT_EQ(log.lines()[1], "❌ Errore nel salvataggio della pianta: " + failed.error->description);
  EXPECT_NE(failed.error->description.find("full"), std::string::npos);
  queue.runUntilIdle();
  EXPECT_EQ(refreshes, 0);

  ASSERT_TRUE(store->limitPageCount(1'000'000));
  auto retried = savePlant(context(), PlantSaveMode::add, failed.plant, pending,
                           now.addingSeconds(5), reminders, center);
  ASSERT_TRUE(retried.ok());
  EXPECT_EQ(retried.plant, failed.plant);
  queue.runUntilIdle();
  EXPECT_EQ(refreshes, 1);

  auto plants = reopened();
  ASSERT_EQ(plants.size(), 2u);
  EXPECT_EQ(plants[1]->name(), "second");
  EXPECT_EQ(plants[1]->lastCareDate(), now) << "created once, at the first attempt";
  EXPECT_EQ(plants[1]->imageData(), Bytes(512 * 1024, 9));
}

TEST_F(PlantSavingTest, DeletingCancelsTheReminderFirstAndKeepsNothingBehind) {
  auto plant = add("Kelly", true).plant;
  RecordingReminders watching(&context());
  deletePlant(context(), plant, watching);
  EXPECT_EQ(watching.calls, std::vector<std::string>{"cancel Kelly (in store)"});
  queue.advance(1.0);  // automatic saving
  EXPECT_TRUE(reopened().empty());
}

}  // namespace
}  // namespace verdeo
