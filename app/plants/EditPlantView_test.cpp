#include "app/plants/EditPlantView.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/model/PlantStore.hpp"
#include "app/shell/base/PlaceholderView.hpp"
#include "app/testing/AppHarness.hpp"
#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/photos/JpegEncoder.hpp"
#include "platform/testing/ScopedTimeZone.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {
namespace {

using platform::Date;
using platform::ui::label;
using platform::ui::TestHarness;
using platform::ui::text;
using namespace platform::ui;

// A presenter as the today screen is: a navigation stack of its own and the editor as a sheet.
class Host {
 public:
  explicit Host(const AppEnvironment& env)
      : env_(env),
        stack(env.runtime,
              [&env](int, const Navigator<int>&) {
                return AnyScreen::make<PlaceholderView>(env, "Page");
              }),
        editor(env.runtime) {}
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  void present(std::shared_ptr<Plant> plant = nullptr) {
    editor.present(env_, std::move(plant), stack.path(), editor.dismissAction());
  }
  View body() const { return stack.view(Text("Host")).sheet(editor); }

  const AppEnvironment& env_;
  NavigationStack<int> stack;
  ScreenSlot<EditPlantView> editor;
};

struct Editor : ::testing::Test {
  Editor() : pinned("Europe/Rome"), app(dir.path()) {
    app.h.clock().set(local(2026, 6, 10, 15, 20));
    app.h.show([this] { return host.body(); });
  }
  static Date local(int year, int month, int day, int hour, int minute = 0) {
    return platform::Calendar::current()
        .date(
            {.year = year, .month = month, .day = day, .hour = hour, .minute = minute, .second = 0})
        .value();
  }
  EditPlantView& open(std::shared_ptr<Plant> plant = nullptr) {
    host.present(std::move(plant));
    app.h.render();
    return *host.editor;
  }
  std::vector<std::shared_ptr<Plant>> stored() { return *fetchAllPlants(app.context()); }
  void nextTimes(int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(app.h.tap(text("Next"))) << app.h.lastError();
  }
  // The buttons of the bar, left to right.
  std::vector<std::string> buttonBar() {
    std::vector<std::string> shown;
    for (const char* b : {"Back", "Next", "Save Plant"})
      if (app.h.exists(text(b))) shown.push_back(b);
    return shown;
  }
  // The circle of a step: its fill and its symbol.
  std::string circle(const char* step) { return TestHarness::dump(app.h.find(label(step))); }
  std::shared_ptr<Plant> storedPlant(std::string name, std::string species, bool reminders) {
    auto plant = app.addPlant(std::move(name), CareFrequency::weekly, local(2026, 6, 1, 9));
    plant->setSpecies(std::move(species));
    plant->setNotificationsEnabled(reminders);
    plant->setNotificationTime(local(2026, 1, 1, 8, 15));
    EXPECT_TRUE(app.context().save());
    return plant;
  }
  std::vector<platform::NotificationRequest> pending() {
    return app.notifications.pendingNotificationRequests();
  }

  platform::testing::TempDirectory dir;
  platform::testing::ScopedTimeZone pinned;
  AppHarness app;
  Host host{app.environment};
  platform::ScopedLogCapture log;
};

TEST_F(Editor, ANameOfSpacesKeepsNextDisabledAndSpacesAroundAWordAreSavedAsTyped) {
  auto& editor = open();
  for (const char* blank : {"", "   ", " \n\t ", "\u00A0\u3000"}) {
    ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), blank));
    EXPECT_FALSE(app.h.tap(text("Next"))) << "name [" << blank << "]";
    EXPECT_EQ(editor.currentStep, OnboardingStep::basicInfo);
  }
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "  Kelly \n"));
  nextTimes(4);
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_EQ(stored()[0]->name(), "  Kelly \n");
}

TEST_F(Editor, TheButtonBarFollowsTheSteps) {
  auto& editor = open();
  EXPECT_EQ(buttonBar(), std::vector<std::string>{"Next"});
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(1);
  EXPECT_EQ(buttonBar(), (std::vector<std::string>{"Back", "Next"}));
  nextTimes(2);  // the care and reminder steps accept anything
  EXPECT_EQ(editor.currentStep, OnboardingStep::reminders);
  EXPECT_EQ(buttonBar(), (std::vector<std::string>{"Back", "Next"}));
  nextTimes(1);
  EXPECT_EQ(buttonBar(), (std::vector<std::string>{"Back", "Save Plant"}));
  EXPECT_EQ(editor.stepHistory.size(), 4u);
}

TEST_F(Editor, BackFromTheLastStepRecoloursItsCircleAndBar) {
  auto& editor = open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(4);
  const std::string green = "1FC887", dark = "161E13";
  EXPECT_NE(circle("Additional Notes").find("note.text"), std::string::npos);
  EXPECT_NE(circle("Reminders").find("checkmark"), std::string::npos);
  ASSERT_TRUE(app.h.tap(text("Back")));
  EXPECT_EQ(editor.currentStep, OnboardingStep::reminders);
  EXPECT_EQ(editor.stepHistory.size(), 3u);
  const std::string last = circle("Additional Notes");
  EXPECT_NE(last.find("5.circle"), std::string::npos) << last;
  EXPECT_NE(circle("Reminders").find("bell.badge"), std::string::npos);
  EXPECT_NE(last.find("fill=\"rgba(22,30,19,1)\""), std::string::npos) << last;
  EXPECT_NE(circle("Reminders").find("fill=\"rgba(31,200,135,1)\""), std::string::npos);
  // The bar before circle 5 is dark now, the one before circle 4 still green.
  const std::string progress =
      TestHarness::dump(app.h.find(containing(label("Basic Info")) && kind("hstack")));
  EXPECT_NE(progress.find("@bar4 height=3"), std::string::npos) << progress;
}

TEST_F(Editor, SavingUntouchedStoresTheDefaults) {
  open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(4);
  EXPECT_EQ(app.h.find(label("Care")).json().is_null(), true);  // the label is a text, not a node
  EXPECT_TRUE(app.h.exists(text("Weekly, Medium light, Moderate water")));
  const Date savedAt = app.h.clock().now();
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  auto plants = stored();
  ASSERT_EQ(plants.size(), 1u);
  const Plant& p = *plants[0];
  EXPECT_EQ(p.species(), "Verdeo");
  EXPECT_EQ(p.careFrequency(), CareFrequency::weekly);
  EXPECT_EQ(p.lightNeeds(), LightNeeds::partial);
  EXPECT_EQ(p.waterNeeds(), WaterNeeds::moderate);
  EXPECT_EQ(p.location(), Location::livingRoom);
  EXPECT_FALSE(p.hasImageData());
  EXPECT_FALSE(p.notificationsEnabled());
  const auto time = platform::Calendar::current().components(p.notificationTime());
  EXPECT_EQ(time.hour, 9);
  EXPECT_EQ(time.minute, 0);
  EXPECT_EQ(p.lastCareDate(), savedAt);
  EXPECT_EQ(p.dateAcquired(), savedAt);
  EXPECT_TRUE(pending().empty());
  EXPECT_TRUE(log.contains("Creazione nuova pianta: Kelly"));
  EXPECT_TRUE(log.contains("✅ Pianta salvata con successo: Kelly"));
}

TEST_F(Editor, TheSheetClosesATenthOfASecondAfterASaveAndTheListHearsOfIt) {
  int refreshes = 0;
  auto observation = app.center.addObserver(kRefreshPlantList, [&refreshes] { ++refreshes; });
  open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(4);
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  EXPECT_EQ(refreshes, 1);
  EXPECT_TRUE(host.editor.isPresented());
  app.h.advance(0.09);
  EXPECT_TRUE(host.editor.isPresented());
  app.h.advance(0.02);
  EXPECT_FALSE(host.editor.isPresented());
}

TEST_F(Editor, AnUnmatchedStoredSpeciesOpensAndSavesAsVerdeo) {
  auto plant = storedPlant("Old", "Cactus", false);
  auto& editor = open(plant);
  EXPECT_TRUE(editor.isEditing());
  EXPECT_EQ(editor.species, Species::verdeo);
  nextTimes(4);
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  EXPECT_EQ(plant->species(), "Verdeo");
  EXPECT_TRUE(log.contains("Aggiornata pianta esistente: Old"));
}

TEST_F(Editor, AFrequencyChangedWhileEditingSchedulesAtOnceCancelKeepsItAndSaveReschedules) {
  auto plant = storedPlant("Fern", "Fern", true);
  app.notificationManager.scheduleReminder(*plant, plant->notificationTime());
  ASSERT_EQ(pending().size(), 1u);
  pending();
  app.notifications.removeAllPendingNotificationRequests().ok();
  auto& editor = open(plant);
  nextTimes(2);
  ASSERT_TRUE(app.h.tap(label("Daily")));
  EXPECT_EQ(editor.careFrequency, CareFrequency::daily);
  ASSERT_EQ(pending().size(), 1u) << "scheduled at once";
  EXPECT_EQ(pending()[0].trigger.dateComponents.weekday, 2) << "still the stored weekly plant";
  EXPECT_EQ(pending()[0].trigger.dateComponents.hour, 8);

  ASSERT_TRUE(app.h.tap(text("Cancel")));
  EXPECT_FALSE(host.editor.isPresented());
  ASSERT_EQ(pending().size(), 1u);
  EXPECT_EQ(plant->careFrequency(), CareFrequency::weekly);

  open(plant);
  nextTimes(2);
  ASSERT_TRUE(app.h.tap(label("Daily")));
  nextTimes(2);
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  ASSERT_EQ(pending().size(), 1u);
  EXPECT_EQ(pending()[0].trigger.dateComponents.weekday, std::nullopt) << "daily now";
}

TEST_F(Editor, ARefusedPermissionTurnsTheSwitchBackOff) {
  auto& editor = open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(3);
  EXPECT_TRUE(app.h.exists(text("Enable Weekly Reminders")));
  EXPECT_FALSE(app.h.exists(text("Next Reminder")));
  ASSERT_TRUE(app.h.setToggle(text("Enable Weekly Reminders"), true));
  EXPECT_TRUE(editor.notificationsEnabled);
  EXPECT_TRUE(app.h.exists(text("Every week"), TestHarness::Scope::wholeTree));
  EXPECT_TRUE(app.h.exists(text("9:00 AM"), TestHarness::Scope::wholeTree));
  ASSERT_TRUE(app.h.tapAlertButton("Don't Allow")) << app.h.lastError();
  EXPECT_FALSE(editor.notificationsEnabled);
  EXPECT_FALSE(app.h.exists(text("Next Reminder")));
}

TEST_F(Editor, TheRatingPromptFollowsTheFirstPlantOnlyAndNeverAnEdit) {
  auto& layer = app.h.runtime().systemLayer();
  layer.setForeground(true);
  auto add = [this](const char* name) {
    open();
    ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), name));
    nextTimes(4);
    ASSERT_TRUE(app.h.tap(label("Save Plant")));
    app.h.advance(0.4);
  };
  add("first");
  EXPECT_EQ(layer.reviewPromptCount(), 0u);
  app.h.advance(0.1);
  EXPECT_EQ(layer.reviewPromptCount(), 1u);
  EXPECT_TRUE(app.h.exists(text("Enjoying Verdeo?"), TestHarness::Scope::wholeTree));
  ASSERT_TRUE(app.h.tap(text("Not Now")));
  add("second");
  app.h.advance(1);
  open(stored()[0]);
  nextTimes(4);
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  app.h.advance(1);
  EXPECT_EQ(layer.reviewPromptCount(), 1u);
}

TEST_F(Editor, TheNavigationPathIsEmptiedOnlyWhenItHasEntries) {
  for (int pages : {0, 2}) {
    for (int i = 0; i < pages; ++i) host.stack.push(i);
    auto& editor = open();
    editor.name = "Kelly";
    editor.currentStep = OnboardingStep::notes;
    app.h.render();
    ASSERT_TRUE(app.h.tap(label("Save Plant"))) << app.h.lastError();
    EXPECT_EQ(host.stack.count(), 0u) << pages;
    app.h.advance(1);
  }
}

TEST_F(Editor, AFailedSaveKeepsTheSheetSaysWhyAndCanBeTriedAgain) {
  int refreshes = 0;
  auto observation = app.center.addObserver(kRefreshPlantList, [&refreshes] { ++refreshes; });
  host.stack.push(1);
  auto& editor = open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  editor.imageData = platform::store::Bytes(512 * 1024, 7);  // more than the full disk takes
  nextTimes(4);
  ASSERT_TRUE(app.store->limitPageCount(*app.store->pageCount()));

  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  app.h.advance(1);
  EXPECT_TRUE(host.editor.isPresented()) << "the sheet stays";
  EXPECT_EQ(refreshes, 0);
  EXPECT_EQ(host.stack.count(), 1u) << "nothing moves when nothing was saved";
  NodeRef alert = app.h.alert();
  ASSERT_TRUE(alert);
  EXPECT_EQ(alert.prop("title"), "The plant could not be saved");
  const std::string message = alert.prop("message").get<std::string>();
  EXPECT_NE(message.find("full"), std::string::npos) << message;
  bool logged = false;
  for (const auto& line : log.lines())
    logged |= line.starts_with("❌ Errore nel salvataggio della pianta: ") &&
              line.find("full") != std::string::npos;
  EXPECT_TRUE(logged);
  ASSERT_TRUE(app.h.tapAlertButton("OK"));
  EXPECT_EQ(editor.name, "Kelly");
  EXPECT_EQ(editor.currentStep, OnboardingStep::notes);

  ASSERT_TRUE(app.store->limitPageCount(1'000'000));
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(host.stack.count(), 0u);
  app.h.advance(0.2);
  EXPECT_FALSE(host.editor.isPresented());
  auto reopened =
      platform::store::Store::open(app.store->path(), {&Plant::entityDescription()}, app.h.queue());
  auto plants = stored();
  ASSERT_EQ(plants.size(), 1u) << "one plant, not two";
  EXPECT_EQ(plants[0]->imageData()->size(), 512u * 1024);
}

TEST_F(Editor, CancelAfterAFailedAddLeavesNothingToSaveLater) {
  auto& editor = open();
  editor.name = "Kelly";
  editor.currentStep = OnboardingStep::notes;
  editor.imageData = platform::store::Bytes(512 * 1024, 7);
  app.h.render();
  ASSERT_TRUE(app.store->limitPageCount(*app.store->pageCount()));
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  ASSERT_TRUE(app.h.tapAlertButton("OK"));
  ASSERT_TRUE(app.h.tap(text("Cancel")));
  ASSERT_TRUE(app.store->limitPageCount(1'000'000));
  EXPECT_TRUE(stored().empty());
  EXPECT_FALSE(app.context().hasChanges());
}

TEST_F(Editor, TheSummaryFollowsTheWorkingCopy) {
  auto& editor = open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(2);
  ASSERT_TRUE(app.h.tap(label("Monthly")));
  ASSERT_TRUE(app.h.tap(label("Monthly")));  // no deselection
  EXPECT_EQ(editor.careFrequency, CareFrequency::monthly);
  ASSERT_TRUE(app.h.tap(label("Bright")));
  ASSERT_TRUE(app.h.tap(label("High")));
  nextTimes(1);
  EXPECT_TRUE(app.h.exists(text("Enable Monthly Reminders")));
  nextTimes(1);
  EXPECT_TRUE(app.h.exists(text("Write here about your plant...")));
  ASSERT_TRUE(app.h.type(kind("texteditor"), "north"));
  EXPECT_FALSE(app.h.exists(text("Write here about your plant...")));
  const auto texts = app.h.texts();
  auto at = std::find(texts.begin(), texts.end(), "Plant Summary");
  ASSERT_NE(at, texts.end());
  EXPECT_EQ(
      std::vector<std::string>(at + 1, at + 11),
      (std::vector<std::string>{"Name", "Kelly", "Species", "Verdeo", "Location", "Living Room",
                                "Care", "Monthly, Bright light, High water", "Reminders", "Off"}));
}

TEST_F(Editor, AChosenPhotoIsKeptByteForByteAndCanBeRemoved) {
  platform::photos::Image pixels{{4, 4}, std::vector<std::uint8_t>(4 * 4 * 3, 0x80)};
  const auto jpeg = platform::photos::encodeJpeg(pixels, 0.8).value();
  auto& editor = open();
  ASSERT_TRUE(app.h.type(placeholder("Plant Name (e.g. Kelly)"), "Kelly"));
  nextTimes(1);
  EXPECT_TRUE(app.h.exists(text("Tap to add a photo")));
  EXPECT_FALSE(app.h.exists(text("Remove Photo")));

  ASSERT_TRUE(app.h.pickPhoto(text("Tap to add a photo"), jpeg)) << app.h.lastError();
  EXPECT_EQ(editor.imageData, jpeg);
  EXPECT_TRUE(app.h.exists(label("Plant photo")));
  EXPECT_TRUE(app.h.exists(text("Remove Photo")));
  ASSERT_TRUE(app.h.tap(text("Remove Photo")));
  EXPECT_FALSE(editor.imageData);
  EXPECT_FALSE(editor.selectedItem);
  EXPECT_TRUE(app.h.exists(text("Tap to add a photo")));

  // Bytes that do not decode are kept, shown as the placeholder, and still removable.
  const platform::store::Bytes cut(jpeg.begin(), jpeg.begin() + 40);
  ASSERT_TRUE(app.h.pickPhoto(text("Tap to add a photo"), cut));
  EXPECT_EQ(editor.imageData, cut);
  EXPECT_TRUE(app.h.exists(text("Tap to add a photo")));
  EXPECT_TRUE(app.h.exists(text("Remove Photo")));

  ASSERT_TRUE(app.h.pickPhoto(text("Tap to add a photo"), jpeg));
  nextTimes(3);
  ASSERT_TRUE(app.h.tap(label("Save Plant")));
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_EQ(stored()[0]->imageData(), jpeg);
}

TEST_F(Editor, OfTwoPhotosChosenQuicklyTheLastChosenWins) {
  auto& editor = open();
  editor.currentStep = OnboardingStep::appearance;
  app.h.render();
  auto& files = *app.h.runtime().pickedFiles();
  const auto first = files.add({1, 1, 1}).value(), second = files.add({2, 2}).value();
  const std::string handler =
      app.h.find(kind("photopicker")).json()["on"]["change"].get<std::string>();
  // Both choices arrive before either file has loaded.
  app.h.runtime().dispatch(handler, platform::Json{{"file", first}});
  app.h.runtime().dispatch(handler, platform::Json{{"file", second}});
  app.h.advance(0);
  EXPECT_EQ(editor.imageData, platform::store::Bytes({2, 2}));
  EXPECT_EQ(editor.selectedItem->itemIdentifier(), second);
}

}  // namespace
}  // namespace verdeo
