#include "app/reminders/NotificationManager.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/testing/ScopedTimeZone.hpp"
#include "platform/testing/TempDirectory.hpp"

namespace verdeo {
namespace {

using platform::AuthorizationStatus;
using platform::Date;

platform::Calendar calendarIn(std::string_view zone) {
  auto calendar = platform::Calendar::inTimeZone(zone, "en_US");
  if (!calendar) throw std::runtime_error(calendar.error().description);
  return std::move(calendar).value();
}

struct Reminders {
  platform::testing::TempDirectory dir;
  platform::ManualClock clock;
  platform::VirtualMainQueue queue{clock};
  std::string zone = "Europe/Rome";
  std::function<platform::Calendar()> calendar = [this] { return calendarIn(zone); };
  std::unique_ptr<platform::UserNotificationCenter> center;
  std::unique_ptr<NotificationManager> manager;

  explicit Reminders(const char* authorization = "notDetermined") {
    const auto file = platform::UserNotificationCenter::defaultFile(dir.path());
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << R"({"authorization": ")" << authorization << R"(", "pending": []})";
    center = std::make_unique<platform::UserNotificationCenter>(file, queue, clock, calendar);
    manager = std::make_unique<NotificationManager>(*center, queue, calendar);
  }
  Date local(int year, int month, int day, int hour, int minute) const {
    return *calendar().date(
        {.year = year, .month = month, .day = day, .hour = hour, .minute = minute, .second = 0});
  }
  const std::vector<platform::NotificationRequest>& pending() const {
    return center->pendingNotificationRequests();
  }
};

std::shared_ptr<Plant> plant(std::string name, CareFrequency frequency, bool enabled = true) {
  return Plant::create({.id = *platform::Uuid::parse("6f96c4a2-1b3d-4e5f-8a9b-0c1d2e3f4a5b"),
                        .name = std::move(name),
                        .species = "Fern",
                        .dateAcquired = Date(),
                        .lastCareDate = Date(),
                        .careFrequency = frequency,
                        .lightNeeds = LightNeeds::partial,
                        .waterNeeds = WaterNeeds::moderate,
                        .notes = "",
                        .imageData = std::nullopt,
                        .location = Location::kitchen,
                        .notificationsEnabled = enabled,
                        .notificationTime = Date()});
}

TEST(NotificationManager, ARemindersRequestFollowsThePlant) {
  struct Case {
    CareFrequency frequency;
    platform::TriggerComponents components;
  };
  const Case cases[] = {
      {CareFrequency::daily, {.hour = 9, .minute = 30}},
      {CareFrequency::weekly, {.weekday = 2, .hour = 9, .minute = 30}},
      {CareFrequency::monthly, {.day = 1, .hour = 9, .minute = 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(rawValue(c.frequency)));
    Reminders r;
    // Only the hour and minute of the time count, whatever its date.
    r.manager->scheduleReminder(*plant("Fern", c.frequency), r.local(1999, 7, 4, 9, 30));
    ASSERT_EQ(r.pending().size(), 1u);
    const platform::NotificationRequest& request = r.pending()[0];
    EXPECT_EQ(request.identifier, "plant-care-6F96C4A2-1B3D-4E5F-8A9B-0C1D2E3F4A5B");
    EXPECT_EQ(request.content.title, "Verdeo");
    EXPECT_EQ(request.content.body, "Time to take care of your Fern! 💚");
    EXPECT_EQ(request.content.sound, "default");
    EXPECT_TRUE(request.trigger.repeats);
    EXPECT_EQ(request.trigger.dateComponents, c.components);
  }
}

TEST(NotificationManager, TheTimeOfDayIsReadInTheCalendarOfTheMomentOfScheduling) {
  Reminders r;
  const Date nineThirtyInRome = r.local(2026, 12, 11, 9, 30);
  r.zone = "America/New_York";
  r.manager->scheduleReminder(*plant("Fern", CareFrequency::daily), nineThirtyInRome);
  EXPECT_EQ(r.pending().at(0).trigger.dateComponents,
            (platform::TriggerComponents{.hour = 3, .minute = 30}));
}

TEST(NotificationManager, WithTheUsersCalendarTheTimeOfDayIsTheUsers) {
  platform::testing::ScopedTimeZone india("Asia/Kolkata");
  Reminders r;
  NotificationManager manager(*r.center, r.queue, [] { return platform::Calendar::current(); });
  manager.scheduleReminder(*plant("Fern", CareFrequency::daily),
                           Date::fromUnixSeconds(1'765'425'600));  // 04:00 UTC, 09:30 in India
  EXPECT_EQ(r.pending().at(0).trigger.dateComponents,
            (platform::TriggerComponents{.hour = 9, .minute = 30}));
}

TEST(NotificationManager, SchedulingAgainLeavesOneRequestWithTheLatestNameAndTime) {
  Reminders r;
  auto fern = plant("Fern", CareFrequency::daily);
  r.manager->scheduleReminder(*fern, r.local(2026, 12, 11, 9, 30));
  fern->setName("Boston Fern");
  fern->setCareFrequency(CareFrequency::weekly);
  r.manager->scheduleReminder(*fern, r.local(2026, 12, 11, 18, 5));
  ASSERT_EQ(r.pending().size(), 1u);
  EXPECT_EQ(r.pending()[0].content.body, "Time to take care of your Boston Fern! 💚");
  EXPECT_EQ(r.pending()[0].trigger.dateComponents,
            (platform::TriggerComponents{.weekday = 2, .hour = 18, .minute = 5}));
}

TEST(NotificationManager, APlantWithRemindersOffLeavesAnOlderRequestInPlace) {
  Reminders r;
  auto fern = plant("Fern", CareFrequency::daily);
  r.manager->scheduleReminder(*fern, r.local(2026, 12, 11, 9, 30));
  fern->setNotificationsEnabled(false);
  fern->setName("Renamed");
  r.manager->scheduleReminder(*fern, r.local(2026, 12, 11, 10, 0));
  ASSERT_EQ(r.pending().size(), 1u);
  EXPECT_EQ(r.pending()[0].content.body, "Time to take care of your Fern! 💚");

  r.manager->cancelReminder(*fern);
  EXPECT_TRUE(r.pending().empty());
  r.manager->cancelReminder(*fern);
  EXPECT_TRUE(r.pending().empty());
}

TEST(NotificationManager, AFailedScheduleIsLoggedOnlyAndThePlantKeepsItsSwitch) {
  Reminders r;
  std::filesystem::create_directory(r.center->file().string() + ".tmp-" +
                                    std::to_string(::getpid()));
  platform::ScopedLogCapture log;
  auto fern = plant("Fern", CareFrequency::daily);
  r.manager->scheduleReminder(*fern, r.local(2026, 12, 11, 9, 30));
  r.queue.runUntilIdle();
  ASSERT_EQ(log.lines().size(), 1u);
  EXPECT_TRUE(log.lines()[0].starts_with("Error scheduling notification: Cannot create "));
  EXPECT_TRUE(fern->notificationsEnabled());
  EXPECT_TRUE(r.pending().empty());
}

TEST(NotificationManager, PermissionAnswersFollowTheStatus) {
  const std::pair<const char*, bool> cases[] = {
      {"authorized", true}, {"provisional", true}, {"denied", false}, {"ephemeral", false}};
  for (const auto& [status, expected] : cases) {
    SCOPED_TRACE(status);
    Reminders r(status);
    int asked = 0;
    r.center->setAuthorizationPrompt([&](auto) { ++asked; });
    std::optional<bool> granted;
    r.manager->requestPermission([&](bool g) { granted = g; });
    EXPECT_FALSE(granted) << "the answer resumes the caller later, on the main queue";
    r.queue.runUntilIdle();
    EXPECT_EQ(granted, expected);
    EXPECT_EQ(asked, 0);
  }
}

TEST(NotificationManager, WhileUndecidedItAsksAndAFailureIsLoggedAsRefused) {
  {
    Reminders r;
    r.center->setAuthorizationPrompt([](auto answer) { answer(true); });
    std::optional<bool> granted;
    r.manager->requestPermission([&](bool g) { granted = g; });
    r.queue.runUntilIdle();
    EXPECT_EQ(granted, true);
    EXPECT_EQ(r.center->notificationSettings().authorizationStatus,
              AuthorizationStatus::authorized);
  }
  {
    Reminders r;  // no display to ask on
    platform::ScopedLogCapture log;
    std::optional<bool> granted;
    r.manager->requestPermission([&](bool g) { granted = g; });
    r.queue.runUntilIdle();
    EXPECT_EQ(granted, false);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.lines()[0].starts_with("Error requesting notification permission: "));
  }
}

TEST(NotificationManager, WeeklyRemindersComeOnMondaysAndMonthlyOnTheFirstWhateverTheLastCare) {
  Reminders r("authorized");
  r.clock.set(r.local(2026, 12, 10, 12, 0));  // a Thursday
  std::vector<std::pair<std::string, Date>> delivered;
  r.center->startDelivering([&](const platform::NotificationRequest& request) {
    delivered.emplace_back(request.content.body, r.clock.now());
  });
  auto weekly = plant("Ivy", CareFrequency::weekly);
  weekly->setLastCareDate(r.clock.now());
  auto monthly =
      Plant::create({*platform::Uuid::parse("00000000-0000-4000-8000-000000000001"), "Cactus",
                     "Other", Date(), r.clock.now(), CareFrequency::monthly, LightNeeds::full,
                     WaterNeeds::low, "", std::nullopt, Location::office, true, Date()});
  r.manager->scheduleReminder(*weekly, r.local(2026, 1, 1, 9, 30));
  r.manager->scheduleReminder(*monthly, r.local(2026, 1, 1, 9, 30));
  r.queue.advance(r.local(2027, 2, 2, 0, 0).secondsSince(r.clock.now()));

  const platform::Calendar calendar = r.calendar();
  std::vector<std::string> seen;
  for (const auto& [body, when] : delivered) {
    auto parts = calendar.components(when);
    seen.push_back(std::string(body.find("Ivy") != std::string::npos ? "Ivy" : "Cactus") + " " +
                   std::to_string(*parts.month) + "/" + std::to_string(*parts.day) + " " +
                   std::to_string(calendar.weekday(when)) + " " + std::to_string(*parts.hour) +
                   ":" + std::to_string(*parts.minute));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "Ivy 12/14 2 9:30", "Ivy 12/21 2 9:30", "Ivy 12/28 2 9:30",
                      "Cactus 1/1 6 9:30", "Ivy 1/4 2 9:30", "Ivy 1/11 2 9:30", "Ivy 1/18 2 9:30",
                      "Ivy 1/25 2 9:30", "Ivy 2/1 2 9:30", "Cactus 2/1 2 9:30"}));
}

}  // namespace
}  // namespace verdeo
