#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/MainQueue.hpp"

namespace platform {

// The host's time zone as it is now: TZ when set (a zone id, with or without the leading ':' of
// POSIX, or a path into a zoneinfo tree), otherwise the zone that /etc/localtime links to, then
// /etc/timezone. Empty when none can be told (a copied /etc/localtime with no /etc/timezone).
std::string hostTimeZoneId();

// The user's current calendar: ICU's default locale with the host's time zone as it is at the
// moment of asking. ICU reads the host zone once and keeps it, so a laptop that moves to another
// zone while the app runs would go on counting days in the old one. refresh() looks again (an
// environment read and one readlink) and, when the host's zone changed, moves ICU's default zone
// (every formatter made afterwards follows) and rebuilds the calendar.
class CurrentCalendar {
 public:
  CurrentCalendar();
  CurrentCalendar(const CurrentCalendar&) = delete;
  CurrentCalendar& operator=(const CurrentCalendar&) = delete;

  const Calendar& get() const { return calendar_; }
  // Bumped whenever the calendar is rebuilt, for holders of derived state.
  std::uint64_t generation() const { return generation_; }

  // Answers whether the zone changed; when it did, the change observers run.
  bool refresh();
  // Runs `observer` after every change of zone (a reminder service re-plans its next delivery).
  void addChangeObserver(Task observer) { observers_.push_back(std::move(observer)); }
  // Calls refresh() at the start of every turn of `queue`, so that everything a turn computes
  // (handlers, steps, the render at its end) sees one zone; the calendar must outlive the turns.
  void followChanges(MainQueue& queue);

 private:
  std::string hostZone_;
  Calendar calendar_;
  std::uint64_t generation_ = 0;
  std::vector<Task> observers_;
};

}  // namespace platform
