#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Clock.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/notifications/CalendarTrigger.hpp"

namespace platform {

enum class AuthorizationStatus { notDetermined, denied, authorized, provisional, ephemeral };
std::string_view rawValue(AuthorizationStatus status);
std::optional<AuthorizationStatus> authorizationStatusFromRawValue(std::string_view text);

struct NotificationSettings {
  AuthorizationStatus authorizationStatus = AuthorizationStatus::notDetermined;
};

// What the application would like to do with notifications; asked for as a whole.
struct AuthorizationOptions {
  bool alert = false;
  bool badge = false;
  bool sound = false;
};

struct NotificationContent {
  std::string title;
  std::string body;
  // "default" for the default sound; none for a silent notification.
  std::optional<std::string> sound;

  friend bool operator==(const NotificationContent&, const NotificationContent&) = default;
};

struct NotificationRequest {
  std::string identifier;
  NotificationContent content;
  CalendarTrigger trigger;

  friend bool operator==(const NotificationRequest&, const NotificationRequest&) = default;
};

// The local notification centre of the device: the permission to notify and the pending
// requests, kept in one JSON file (<data-dir>/system/notifications.json) that tools and tests
// read:
//   {"authorization": "notDetermined"|"denied"|"authorized"|"provisional"|"ephemeral",
//    "pending": [{"identifier": "…", "title": "…", "body": "…", "sound": "default",
//                 "trigger": {"repeats": true,
//                             "dateComponents": {"hour": 9, "minute": 30, "weekday": 2}}}]}
// Components, and the sound, are absent when not set. Every change replaces the file atomically;
// a change that cannot be written is not made. A file that does not parse is logged, read as
// empty and left as it is until the next change.
//
// One pending request per identifier: adding under an existing one replaces it. While delivering
// and allowed to notify, each request is handed to the sink at the next moment its trigger
// matches in the calendar the provider gives at that time; a request that came due while nothing
// was delivering (the application was closed) is not made up for.
//
// Everything belongs to the main thread; answers arrive on the main queue.
class UserNotificationCenter {
 public:
  using CalendarProvider = std::function<Calendar()>;
  // Shows the permission question; `answer` is called once, with true when the user allowed.
  using AuthorizationPrompt = std::function<void(std::function<void(bool allowed)> answer)>;
  using DeliverySink = std::function<void(const NotificationRequest&)>;

  UserNotificationCenter(std::filesystem::path file, MainQueue& queue, const Clock& clock,
                         CalendarProvider calendar);
  ~UserNotificationCenter();
  UserNotificationCenter(const UserNotificationCenter&) = delete;
  UserNotificationCenter& operator=(const UserNotificationCenter&) = delete;

  static std::filesystem::path defaultFile(const std::filesystem::path& dataDirectory);

  const std::filesystem::path& file() const { return file_; }

  NotificationSettings notificationSettings() const { return {status_}; }
  // While not determined, asks through the prompt (a failure when there is none) and remembers
  // the answer; otherwise answers from the status. `completion` runs on the main queue with
  // whether notifying is allowed, or the reason there is no answer.
  void requestAuthorization(AuthorizationOptions options,
                            std::function<void(Result<bool>)> completion);
  void setAuthorizationPrompt(AuthorizationPrompt prompt) { prompt_ = std::move(prompt); }

  // Adds `request`, replacing any pending one with its identifier. `completion`, when given,
  // runs on the main queue with the error when the request could not be kept.
  void add(NotificationRequest request,
           std::function<void(std::optional<Error>)> completion = nullptr);
  // Removing an identifier that has no pending request is harmless.
  Result<void> removePendingNotificationRequests(const std::vector<std::string>& identifiers);
  Result<void> removeAllPendingNotificationRequests();
  const std::vector<NotificationRequest>& pendingNotificationRequests() const { return pending_; }

  // Starts handing due requests to `sink`, from now on.
  void startDelivering(DeliverySink sink);
  // Plans the next delivery again, for a calendar or time zone that changed.
  void replan();
  // When the next delivery is planned, if any.
  std::optional<Date> nextDeliveryDate() const { return plannedFor_; }

 private:
  void load();
  Result<void> write() const;
  Result<void> erase(const std::vector<std::string>& identifiers);
  bool mayNotify() const;
  void deliverDue();
  void arm();

  std::filesystem::path file_;
  MainQueue& queue_;
  const Clock& clock_;
  CalendarProvider calendar_;
  AuthorizationStatus status_ = AuthorizationStatus::notDetermined;
  std::vector<NotificationRequest> pending_;

  AuthorizationPrompt prompt_;
  std::vector<std::function<void(Result<bool>)>> waitingForAnswer_;

  DeliverySink sink_;
  // Every moment up to here has been delivered (or was before delivery started).
  Date deliveredThrough_;
  std::optional<Date> plannedFor_;
  Cancellable timer_;
  std::shared_ptr<bool> alive_;
};

}  // namespace platform
