#include "platform/notifications/UserNotificationCenter.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>

#include "platform/foundation/AtomicFile.hpp"
#include "platform/foundation/Json.hpp"
#include "platform/foundation/Log.hpp"

namespace platform {
namespace {

using OrderedJson = nlohmann::ordered_json;

constexpr std::array<std::pair<AuthorizationStatus, std::string_view>, 5> kStatuses{{
    {AuthorizationStatus::notDetermined, "notDetermined"},
    {AuthorizationStatus::denied, "denied"},
    {AuthorizationStatus::authorized, "authorized"},
    {AuthorizationStatus::provisional, "provisional"},
    {AuthorizationStatus::ephemeral, "ephemeral"},
}};

// Components in the order a person reads a date.
constexpr std::array<std::pair<std::optional<int> TriggerComponents::*, const char*>, 6>
    kComponents{{
        {&TriggerComponents::month, "month"},
        {&TriggerComponents::day, "day"},
        {&TriggerComponents::weekday, "weekday"},
        {&TriggerComponents::hour, "hour"},
        {&TriggerComponents::minute, "minute"},
        {&TriggerComponents::second, "second"},
    }};

// Monotonic timers stand still while the machine sleeps and know nothing of a wall clock that
// is set; waking at least this often keeps a reminder from arriving hours late after either.
constexpr double kLongestWait = 300;
// Timers land on the planned moment give or take rounding; a request due this close is due.
constexpr double kTolerance = 0.001;

OrderedJson encode(const NotificationRequest& request) {
  OrderedJson components = OrderedJson::object();
  for (const auto& [field, key] : kComponents)
    if (const auto& value = request.trigger.dateComponents.*field) components[key] = *value;
  OrderedJson entry = {{"identifier", request.identifier},
                       {"title", request.content.title},
                       {"body", request.content.body}};
  if (request.content.sound) entry["sound"] = *request.content.sound;
  entry["trigger"] = {{"repeats", request.trigger.repeats}, {"dateComponents", components}};
  return entry;
}

std::optional<NotificationRequest> decode(const Json& entry) {
  if (!entry.is_object()) return std::nullopt;
  auto text = [&](const char* key) -> std::optional<std::string> {
    auto it = entry.find(key);
    if (it == entry.end() || !it->is_string()) return std::nullopt;
    return it->get<std::string>();
  };
  auto identifier = text("identifier");
  auto trigger = entry.find("trigger");
  if (!identifier || identifier->empty() || trigger == entry.end() || !trigger->is_object())
    return std::nullopt;
  NotificationRequest request;
  request.identifier = std::move(*identifier);
  request.content = {text("title").value_or(""), text("body").value_or(""), text("sound")};
  auto repeats = trigger->find("repeats");
  request.trigger.repeats =
      repeats != trigger->end() && repeats->is_boolean() && repeats->get<bool>();
  auto components = trigger->find("dateComponents");
  if (components == trigger->end() || !components->is_object()) return std::nullopt;
  for (const auto& [field, key] : kComponents) {
    auto value = components->find(key);
    if (value == components->end()) continue;
    if (!value->is_number_integer()) return std::nullopt;
    request.trigger.dateComponents.*field = value->get<int>();
  }
  return request;
}

}  // namespace

std::string_view rawValue(AuthorizationStatus status) {
  for (const auto& [value, text] : kStatuses)
    if (value == status) return text;
  return "notDetermined";
}

std::optional<AuthorizationStatus> authorizationStatusFromRawValue(std::string_view text) {
  for (const auto& [value, raw] : kStatuses)
    if (raw == text) return value;
  return std::nullopt;
}

UserNotificationCenter::UserNotificationCenter(std::filesystem::path file, MainQueue& queue,
                                               const Clock& clock, CalendarProvider calendar)
    : file_(std::move(file)),
      queue_(queue),
      clock_(clock),
      calendar_(std::move(calendar)),
      alive_(std::make_shared<bool>(true)) {
  load();
}

UserNotificationCenter::~UserNotificationCenter() {
  timer_.cancel();
}

std::filesystem::path UserNotificationCenter::defaultFile(
    const std::filesystem::path& dataDirectory) {
  return dataDirectory / "system" / "notifications.json";
}

void UserNotificationCenter::load() {
  std::ifstream in(file_, std::ios::binary);
  if (!in) return;
  std::stringstream text;
  text << in.rdbuf();
  Json root = Json::parse(text.str(), nullptr, /*allow_exceptions=*/false);
  if (!root.is_object()) {
    logLine("Ignoring unreadable notifications file " + file_.string());
    return;
  }
  if (auto status = root.find("authorization"); status != root.end() && status->is_string())
    status_ = authorizationStatusFromRawValue(status->get<std::string>())
                  .value_or(AuthorizationStatus::notDetermined);
  auto pending = root.find("pending");
  if (pending == root.end() || !pending->is_array()) return;
  for (const Json& entry : *pending) {
    auto request = decode(entry);
    if (!request) {
      logLine("Ignoring a malformed notification request in " + file_.string());
      continue;
    }
    std::erase_if(pending_, [&](const auto& r) { return r.identifier == request->identifier; });
    pending_.push_back(std::move(*request));
  }
}

Result<void> UserNotificationCenter::write() const {
  OrderedJson pending = OrderedJson::array();
  for (const NotificationRequest& request : pending_) pending.push_back(encode(request));
  OrderedJson root = {{"authorization", rawValue(status_)}, {"pending", std::move(pending)}};
  return replaceFileAtomically(file_,
                               root.dump(2, ' ', false, OrderedJson::error_handler_t::replace));
}

void UserNotificationCenter::requestAuthorization(AuthorizationOptions,
                                                  std::function<void(Result<bool>)> completion) {
  auto answer = [this, alive = std::weak_ptr<bool>(alive_)](std::function<void(Result<bool>)> done,
                                                            Result<bool> result) {
    queue_.async([alive, done = std::move(done), result = std::move(result)] {
      if (alive.lock() && done) done(result);
    });
  };
  if (status_ != AuthorizationStatus::notDetermined) {
    answer(std::move(completion), mayNotify());
    return;
  }
  if (!prompt_) {
    answer(std::move(completion), Error{"There is no display to ask for permission on."});
    return;
  }
  // Requests made while the question is on screen share its answer.
  waitingForAnswer_.push_back(std::move(completion));
  if (waitingForAnswer_.size() > 1) return;
  prompt_([this, answer, alive = std::weak_ptr<bool>(alive_)](bool allowed) {
    if (!alive.lock()) return;
    const AuthorizationStatus previous = status_;
    status_ = allowed ? AuthorizationStatus::authorized : AuthorizationStatus::denied;
    // The person has answered either way; a file that cannot take it is asked again next time.
    if (auto written = write(); !written) {
      logLine("Cannot keep the notification permission: " + written.error().description);
      status_ = previous;
    }
    auto waiting = std::move(waitingForAnswer_);
    waitingForAnswer_.clear();
    for (auto& done : waiting) answer(std::move(done), allowed);
  });
}

void UserNotificationCenter::add(NotificationRequest request,
                                 std::function<void(std::optional<Error>)> completion) {
  if (sink_) deliverDue();
  const auto previous = pending_;
  auto same = std::find_if(pending_.begin(), pending_.end(),
                           [&](const auto& r) { return r.identifier == request.identifier; });
  if (same != pending_.end())
    *same = std::move(request);
  else
    pending_.push_back(std::move(request));
  std::optional<Error> failure;
  if (auto written = write(); !written) {
    pending_ = previous;
    failure = written.error();
  }
  arm();
  if (completion)
    queue_.async([alive = std::weak_ptr<bool>(alive_), completion = std::move(completion),
                  failure = std::move(failure)] {
      if (alive.lock()) completion(failure);
    });
}

Result<void> UserNotificationCenter::removePendingNotificationRequests(
    const std::vector<std::string>& identifiers) {
  if (sink_) deliverDue();
  auto removed = erase(identifiers);
  arm();
  return removed;
}

Result<void> UserNotificationCenter::erase(const std::vector<std::string>& identifiers) {
  const auto previous = pending_;
  const auto removed = std::erase_if(pending_, [&](const NotificationRequest& r) {
    return std::find(identifiers.begin(), identifiers.end(), r.identifier) != identifiers.end();
  });
  if (removed == 0) return {};
  if (auto written = write(); !written) {
    pending_ = previous;
    return written;
  }
  return {};
}

Result<void> UserNotificationCenter::removeAllPendingNotificationRequests() {
  std::vector<std::string> all;
  for (const NotificationRequest& request : pending_) all.push_back(request.identifier);
  return removePendingNotificationRequests(all);
}

bool UserNotificationCenter::mayNotify() const {
  return status_ == AuthorizationStatus::authorized ||
         status_ == AuthorizationStatus::provisional || status_ == AuthorizationStatus::ephemeral;
}

void UserNotificationCenter::startDelivering(DeliverySink sink) {
  sink_ = std::move(sink);
  deliveredThrough_ = clock_.now();
  arm();
}

void UserNotificationCenter::replan() {
  if (!sink_) return;
  deliverDue();
  arm();
}

void UserNotificationCenter::deliverDue() {
  const Date now = clock_.now();
  const Calendar calendar = calendar_();
  Date through = std::max(deliveredThrough_, now);
  std::vector<NotificationRequest> due;
  std::vector<std::string> finished;
  for (const NotificationRequest& request : pending_) {
    auto next = request.trigger.nextTriggerDate(deliveredThrough_, calendar);
    if (!next || next->secondsSince(now) > kTolerance) continue;
    // However many times it came due since the last look, it is shown once.
    due.push_back(request);
    through = std::max(through, *next);
    if (!request.trigger.repeats) finished.push_back(request.identifier);
  }
  deliveredThrough_ = through;
  if (!finished.empty()) {
    if (auto removed = erase(finished); !removed)
      logLine("Cannot remove delivered notifications: " + removed.error().description);
  }
  if (mayNotify())
    for (const NotificationRequest& request : due) sink_(request);
}

void UserNotificationCenter::arm() {
  timer_.cancel();
  plannedFor_.reset();
  if (!sink_) return;
  const Calendar calendar = calendar_();
  for (const NotificationRequest& request : pending_)
    if (auto next = request.trigger.nextTriggerDate(deliveredThrough_, calendar))
      if (!plannedFor_ || *next < *plannedFor_) plannedFor_ = next;

  auto wake = std::make_shared<std::function<void()>>();
  *wake = [this, alive = std::weak_ptr<bool>(alive_), wake = std::weak_ptr(wake)] {
    if (!alive.lock()) return;
    const Date now = clock_.now();
    if (plannedFor_ && plannedFor_->secondsSince(now) > kTolerance) {
      // Nothing is due yet: only a check that the clock has not jumped.
      deliveredThrough_ = std::max(deliveredThrough_, now);
      if (auto self = wake.lock()) {
        timer_ = queue_.asyncAfter(std::min(plannedFor_->secondsSince(now), kLongestWait),
                                   [self] { (*self)(); });
      }
      return;
    }
    deliverDue();
    arm();
  };
  if (!plannedFor_) return;
  const double delay = std::clamp(plannedFor_->secondsSince(clock_.now()), 0.0, kLongestWait);
  timer_ = queue_.asyncAfter(delay, [wake] { (*wake)(); });
}

}  // namespace platform
