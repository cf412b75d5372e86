#include "platform/notifications/UserNotificationCenter.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <unistd.h>

#include "platform/foundation/Json.hpp"
#include "platform/foundation/Log.hpp"
#include "platform/foundation/VirtualMainQueue.hpp"
#include "platform/testing/TempDirectory.hpp"
#include "platform/ui/Content.hpp"
#include "platform/ui/TestHarness.hpp"

namespace platform {
namespace {

Calendar calendarIn(std::string_view zone) {
  auto calendar = Calendar::inTimeZone(zone, "en_US");
  if (!calendar) throw std::runtime_error(calendar.error().description);
  return std::move(calendar).value();
}

std::string contentsOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

NotificationRequest request(std::string identifier, TriggerComponents components,
                            std::string body = "Time to water") {
  return {std::move(identifier), {"Verdeo", std::move(body), "default"}, {components, true}};
}

// A centre on a temporary folder, a virtual clock and queue, and a calendar whose zone the test
// can change.
struct Device {
  testing::TempDirectory dir;
  ManualClock clock;
  VirtualMainQueue queue{clock};
  std::string zone = "Europe/Rome";
  std::vector<std::pair<std::string, Date>> delivered;

  std::filesystem::path file() const { return UserNotificationCenter::defaultFile(dir.path()); }
  std::unique_ptr<UserNotificationCenter> open() {
    return std::make_unique<UserNotificationCenter>(file(), queue, clock,
                                                    [this] { return calendarIn(zone); });
  }
  void writeFile(const std::string& text) {
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file(), std::ios::binary) << text;
  }
  void deliverTo(UserNotificationCenter& center) {
    center.startDelivering([this](const NotificationRequest& r) {
      delivered.emplace_back(r.identifier, clock.now());
    });
  }
  Date local(int year, int month, int day, int hour, int minute) const {
    return *calendarIn(zone).date(
        {.year = year, .month = month, .day = day, .hour = hour, .minute = minute, .second = 0});
  }
};

// --- the file

TEST(UserNotificationCenter, KeepsRequestsInTheFileInItsDocumentedForm) {
  Device device;
  auto center = device.open();
  center->add(request("plant-care-A", {.hour = 9, .minute = 30}));
  center->add(request("plant-care-B", {.weekday = 2, .hour = 9, .minute = 30}));
  NotificationRequest silent = request("plant-care-C", {.day = 1, .hour = 18, .minute = 5});
  silent.content.sound.reset();
  center->add(silent);

  const Json expected = Json::parse(R"({"authorization": "notDetermined", "pending": [
    {"identifier": "plant-care-A", "title": "Verdeo", "body": "Time to water", "sound": "default",
     "trigger": {"repeats": true, "dateComponents": {"hour": 9, "minute": 30}}},
    {"identifier": "plant-care-B", "title": "Verdeo", "body": "Time to water", "sound": "default",
     "trigger": {"repeats": true, "dateComponents": {"weekday": 2, "hour": 9, "minute": 30}}},
    {"identifier": "plant-care-C", "title": "Verdeo", "body": "Time to water",
     "trigger": {"repeats": true, "dateComponents": {"day": 1, "hour": 18, "minute": 5}}}]})");
  EXPECT_EQ(Json::parse(contentsOf(device.file())), expected);

  auto reopened = device.open();
  EXPECT_EQ(reopened->pendingNotificationRequests(), center->pendingNotificationRequests());
  EXPECT_EQ(reopened->pendingNotificationRequests().at(2), silent);
}

TEST(UserNotificationCenter, OneRequestPerIdentifierAndRemovingAMissingOneIsHarmless) {
  Device device;
  auto center = device.open();
  center->add(request("plant-care-A", {.hour = 9, .minute = 30}, "first"));
  center->add(request("plant-care-B", {.hour = 10, .minute = 0}));
  center->add(request("plant-care-A", {.weekday = 2, .hour = 8, .minute = 0}, "second"));
  ASSERT_EQ(center->pendingNotificationRequests().size(), 2u);
  EXPECT_EQ(center->pendingNotificationRequests()[0].content.body, "second");
  EXPECT_EQ(center->pendingNotificationRequests()[0].trigger.dateComponents.weekday, 2);

  EXPECT_TRUE(center->removePendingNotificationRequests({"plant-care-missing"}));
  EXPECT_EQ(center->pendingNotificationRequests().size(), 2u);
  EXPECT_TRUE(center->removePendingNotificationRequests({"plant-care-A", "plant-care-missing"}));
  ASSERT_EQ(device.open()->pendingNotificationRequests().size(), 1u);
  EXPECT_EQ(device.open()->pendingNotificationRequests()[0].identifier, "plant-care-B");
}

TEST(UserNotificationCenter, AnUnreadableFileIsLoggedReadAsEmptyAndLeftUntilTheNextWrite) {
  for (const char* text : {"{not json", "[1, 2]", "\"authorized\""}) {
    SCOPED_TRACE(text);
    Device device;
    device.writeFile(text);
    ScopedLogCapture log;
    auto center = device.open();
    EXPECT_TRUE(log.contains("Ignoring unreadable notifications file " + device.file().string()));
    EXPECT_EQ(center->notificationSettings().authorizationStatus,
              AuthorizationStatus::notDetermined);
    EXPECT_TRUE(center->pendingNotificationRequests().empty());
    EXPECT_TRUE(center->removePendingNotificationRequests({"plant-care-A"}));
    EXPECT_EQ(contentsOf(device.file()), text);

    center->add(request("plant-care-A", {.hour = 9, .minute = 30}));
    EXPECT_EQ(Json::parse(contentsOf(device.file()))["pending"].size(), 1u);
  }
}

TEST(UserNotificationCenter, AFailedAddIsReportedOnTheMainQueueAndChangesNothing) {
  Device device;
  auto center = device.open();
  center->add(request("plant-care-A", {.hour = 9, .minute = 30}));
  // A folder in the way of the temporary file: the next replacement cannot be written.
  std::filesystem::create_directory(device.file().string() + ".tmp-" + std::to_string(::getpid()));
  std::optional<std::optional<Error>> report;
  center->add(request("plant-care-B", {.hour = 9, .minute = 30}),
              [&](std::optional<Error> error) { report = std::move(error); });
  EXPECT_FALSE(report) << "the report comes on a later turn";
  device.queue.runUntilIdle();
  ASSERT_TRUE(report && *report);
  EXPECT_NE((*report)->description.find("notifications.json"), std::string::npos);
  ASSERT_EQ(center->pendingNotificationRequests().size(), 1u);
  EXPECT_FALSE(center->removePendingNotificationRequests({"plant-care-A"}));
  EXPECT_EQ(center->pendingNotificationRequests().size(), 1u);
}

// --- permission

TEST(UserNotificationCenter, AnswersFromADeterminedStatusWithoutAsking) {
  const std::pair<const char*, bool> cases[] = {
      {"authorized", true}, {"provisional", true}, {"ephemeral", true}, {"denied", false}};
  for (const auto& [status, granted] : cases) {
    SCOPED_TRACE(status);
    Device device;
    device.writeFile(std::string(R"({"authorization": ")") + status + R"(", "pending": []})");
    auto center = device.open();
    int asked = 0;
    center->setAuthorizationPrompt([&](auto) { ++asked; });
    std::optional<Result<bool>> answer;
    center->requestAuthorization({.alert = true, .badge = true, .sound = true},
                                 [&](Result<bool> r) { answer = std::move(r); });
    EXPECT_FALSE(answer);
    device.queue.runUntilIdle();
    ASSERT_TRUE(answer && answer->ok());
    EXPECT_EQ(answer->value(), granted);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(rawValue(center->notificationSettings().authorizationStatus), status);
  }
}

TEST(UserNotificationCenter, AsksOnceWhileNotDeterminedAndRemembersTheAnswer) {
  for (bool allow : {true, false}) {
    SCOPED_TRACE(allow);
    Device device;
    auto center = device.open();
    std::vector<std::function<void(bool)>> questions;
    center->setAuthorizationPrompt([&](auto answer) { questions.push_back(std::move(answer)); });
    std::vector<bool> answers;
    for (int i = 0; i < 2; ++i)
      center->requestAuthorization({.alert = true},
                                   [&](Result<bool> r) { answers.push_back(r.value()); });
    ASSERT_EQ(questions.size(), 1u) << "a second request waits for the question on screen";
    questions[0](allow);
    EXPECT_TRUE(answers.empty()) << "answers resume the callers on the main queue";
    device.queue.runUntilIdle();
    EXPECT_EQ(answers, std::vector<bool>(2, allow));
    const auto status = allow ? "authorized" : "denied";
    EXPECT_EQ(Json::parse(contentsOf(device.file()))["authorization"], status);
    EXPECT_EQ(rawValue(device.open()->notificationSettings().authorizationStatus), status);
  }
}

TEST(UserNotificationCenter, ThePermissionDialogIsAnsweredOnTheDisplay) {
  for (const char* choice : {"Allow", "Don't Allow"}) {
    SCOPED_TRACE(choice);
    ui::TestHarness h;
    testing::TempDirectory dir;
    UserNotificationCenter center(UserNotificationCenter::defaultFile(dir.path()), h.queue(),
                                  h.clock(), [] { return calendarIn("Europe/Rome"); });
    center.setAuthorizationPrompt([&](auto answer) {
      h.runtime().systemLayer().askNotificationPermission("Verdeo", std::move(answer));
    });
    h.show([] { return ui::Text("Today"); });
    std::optional<bool> granted;
    h.queue().async([&] {
      center.requestAuthorization({.alert = true, .badge = true, .sound = true},
                                  [&](Result<bool> r) { granted = r.value(); });
    });
    h.advance(0);
    ASSERT_TRUE(h.alert());
    EXPECT_EQ(h.alert().prop("title"), "\u201CVerdeo\u201D Would Like to Send You Notifications");
    ASSERT_TRUE(h.tapAlertButton(choice));
    EXPECT_FALSE(h.alert());
    ASSERT_TRUE(granted);
    EXPECT_EQ(*granted, choice == std::string("Allow"));
    EXPECT_EQ(center.notificationSettings().authorizationStatus,
              *granted ? AuthorizationStatus::authorized : AuthorizationStatus::denied);
  }
}

TEST(UserNotificationCenter, WithoutADisplayToAskOnTheRequestFails) {
  Device device;
  auto center = device.open();
  std::optional<Result<bool>> answer;
  center->requestAuthorization({.alert = true}, [&](Result<bool> r) { answer = std::move(r); });
  device.queue.runUntilIdle();
  ASSERT_TRUE(answer);
  EXPECT_FALSE(answer->ok());
  EXPECT_EQ(center->notificationSettings().authorizationStatus, AuthorizationStatus::notDetermined);
}

// --- delivery

TEST(UserNotificationCenter, DeliversAtTheWallTimeAcrossBothDstChanges) {
  for (const char* zone : {"Europe/Rome", "America/New_York"}) {
    SCOPED_TRACE(zone);
    Device device;
    device.zone = zone;
    device.writeFile(R"({"authorization": "authorized", "pending": []})");
    device.clock.set(device.local(2026, 3, 1, 12, 0));
    auto center = device.open();
    device.deliverTo(*center);
    center->add(request("plant-care-A", {.hour = 9, .minute = 30}));
    // 1 March to 15 November takes in both changes of either zone.
    const Date end = device.local(2026, 11, 15, 12, 0);
    device.queue.advance(end.secondsSince(device.clock.now()));
    const Calendar calendar = calendarIn(zone);
    ASSERT_EQ(device.delivered.size(), 259u);
    for (std::size_t i = 0; i < device.delivered.size(); ++i) {
      auto parts = calendar.components(device.delivered[i].second);
      ASSERT_EQ(parts.hour, 9) << i;
      ASSERT_EQ(parts.minute, 30) << i;
      ASSERT_EQ(parts.second, 0) << i;
      ASSERT_EQ(
          calendar.wholeDaysBetween(device.local(2026, 3, 2, 9, 30), device.delivered[i].second),
          int(i));
    }
  }
}

TEST(UserNotificationCenter, DeliversWeeklyOnMondaysAndMonthlyOnTheFirst) {
  Device device;
  device.zone = "America/New_York";
  device.writeFile(R"({"authorization": "provisional", "pending": []})");
  device.clock.set(device.local(2026, 12, 10, 12, 0));  // a Thursday
  auto center = device.open();
  device.deliverTo(*center);
  center->add(request("weekly", {.weekday = 2, .hour = 9, .minute = 30}));
  center->add(request("monthly", {.day = 1, .hour = 9, .minute = 30}));
  device.queue.advance(device.local(2027, 4, 1, 0, 0).secondsSince(device.clock.now()));

  const Calendar calendar = calendarIn(device.zone);
  std::vector<std::string> monthly;
  int mondays = 0;
  for (const auto& [identifier, when] : device.delivered) {
    auto parts = calendar.components(when);
    EXPECT_EQ(parts.hour, 9);
    EXPECT_EQ(parts.minute, 30);
    if (identifier == "weekly") {
      EXPECT_EQ(calendar.weekday(when), 2);
      ++mondays;
    } else {
      EXPECT_EQ(parts.day, 1);
      monthly.push_back(std::to_string(*parts.year) + "-" + std::to_string(*parts.month));
    }
  }
  EXPECT_EQ(mondays, 16);  // 14 December 2026 to 29 March 2027
  EXPECT_EQ(monthly, (std::vector<std::string>{"2027-1", "2027-2", "2027-3"}));
}

TEST(UserNotificationCenter, ASkippedTimeFiresOnceAfterTheGapAndARepeatedOneOnce) {
  struct Case {
    const char* zone;
    TriggerComponents time;
    int month, day;
    std::vector<std::string> expected;  // local day and time of each delivery
  };
  const Case cases[] = {
      {"Europe/Rome", {.hour = 2, .minute = 30}, 3, 28, {"28 02:30", "29 03:00", "30 02:30"}},
      {"Europe/Rome", {.hour = 2, .minute = 30}, 10, 24, {"24 02:30", "25 02:30", "26 02:30"}},
      {"America/New_York", {.hour = 2, .minute = 15}, 3, 7, {"7 02:15", "8 03:00", "9 02:15"}},
      {"America/New_York", {.hour = 1, .minute = 30}, 10, 31, {"31 01:30", "1 01:30", "2 01:30"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.month));
    Device device;
    device.zone = c.zone;
    device.writeFile(R"({"authorization": "authorized", "pending": []})");
    device.clock.set(device.local(2026, c.month, c.day, 0, 0));
    auto center = device.open();
    device.deliverTo(*center);
    center->add(request("plant-care-A", c.time));
    device.queue.advance(3 * 86400 - 3600);
    const Calendar calendar = calendarIn(c.zone);
    std::vector<std::string> seen;
    for (const auto& [identifier, when] : device.delivered) {
      auto parts = calendar.components(when);
      char text[16];
      std::snprintf(text, sizeof text, "%d %02d:%02d", *parts.day, *parts.hour, *parts.minute);
      seen.push_back(text);
    }
    EXPECT_EQ(seen, c.expected);
  }
}

TEST(UserNotificationCenter, AfterARestartWhatCameDueMeanwhileIsNotMadeUpFor) {
  Device device;
  device.writeFile(R"({"authorization": "authorized", "pending": [
    {"identifier": "daily", "title": "Verdeo", "body": "a", "sound": "default",
     "trigger": {"repeats": true, "dateComponents": {"hour": 9, "minute": 30}}},
    {"identifier": "weekly", "title": "Verdeo", "body": "b", "sound": "default",
     "trigger": {"repeats": true, "dateComponents": {"weekday": 2, "hour": 9, "minute": 30}}}]})");
  // Weeks after the file was written, at noon on a Monday.
  device.clock.set(device.local(2026, 12, 14, 12, 0));
  auto center = device.open();
  device.deliverTo(*center);
  device.queue.advance(60);
  EXPECT_TRUE(device.delivered.empty());
  EXPECT_EQ(center->nextDeliveryDate(), device.local(2026, 12, 15, 9, 30));
  device.queue.advance(device.local(2026, 12, 15, 10, 0).secondsSince(device.clock.now()));
  ASSERT_EQ(device.delivered.size(), 1u);
  EXPECT_EQ(device.delivered[0].first, "daily");
}

TEST(UserNotificationCenter, ShowsNothingWithoutPermissionAndNothingDueComesLater) {
  for (const char* status : {"notDetermined", "denied"}) {
    SCOPED_TRACE(status);
    Device device;
    device.writeFile(std::string(R"({"authorization": ")") + status + R"(", "pending": []})");
    device.clock.set(device.local(2026, 12, 14, 12, 0));
    auto center = device.open();
    device.deliverTo(*center);
    center->add(request("daily", {.hour = 9, .minute = 30}));
    device.queue.advance(2 * 86400);
    EXPECT_TRUE(device.delivered.empty());
  }
}

TEST(UserNotificationCenter, FollowsTheCalendarItIsGivenWhenReplanned) {
  Device device;
  device.writeFile(R"({"authorization": "authorized", "pending": []})");
  device.clock.set(device.local(2026, 12, 14, 12, 0));
  auto center = device.open();
  device.deliverTo(*center);
  center->add(request("daily", {.hour = 9, .minute = 30}));
  // Noon in Rome is six in the morning in New York: today's 09:30 there is still to come.
  device.zone = "America/New_York";
  center->replan();
  EXPECT_EQ(center->nextDeliveryDate(), device.local(2026, 12, 14, 9, 30));
  device.queue.advance(2 * 86400);
  ASSERT_EQ(device.delivered.size(), 2u);
  EXPECT_EQ(calendarIn("America/New_York").components(device.delivered[1].second).hour, 9);
}

TEST(UserNotificationCenter, ARequestThatDoesNotRepeatIsDeliveredOnceAndLeaves) {
  Device device;
  device.writeFile(R"({"authorization": "authorized", "pending": []})");
  device.clock.set(device.local(2026, 12, 14, 12, 0));
  auto center = device.open();
  device.deliverTo(*center);
  NotificationRequest once = request("once", {.hour = 13, .minute = 0});
  once.trigger.repeats = false;
  center->add(once);
  device.queue.advance(3 * 86400);
  EXPECT_EQ(device.delivered.size(), 1u);
  EXPECT_TRUE(center->pendingNotificationRequests().empty());
  EXPECT_TRUE(Json::parse(contentsOf(device.file()))["pending"].empty());
}

}  // namespace
}  // namespace platform
