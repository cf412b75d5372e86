#pragma once

#include <optional>

#include "platform/foundation/Date.hpp"

namespace platform::ui {

// A moment as the user's wall clock shows it.
struct LocalDateTime {
  int year = 2001, month = 1, day = 1, hour = 0, minute = 0;
  double second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// What date pickers need of the user's calendar and time zone: a moment's wall-clock fields and
// the moment for given fields (none when the fields name no moment, like 30 February). The
// application hands in one backed by its calendar.
class LocalTime {
 public:
  virtual ~LocalTime() = default;
  virtual LocalDateTime fields(Date date) const = 0;
  virtual std::optional<Date> date(const LocalDateTime& fields) const = 0;
};

// A zone at a fixed offset from UTC, without daylight saving: enough for tests and for a display
// that has no time zone database.
class FixedOffsetLocalTime final : public LocalTime {
 public:
  explicit FixedOffsetLocalTime(int offsetSeconds = 0) : offset_(offsetSeconds) {}
  LocalDateTime fields(Date date) const override;
  std::optional<Date> date(const LocalDateTime& fields) const override;

 private:
  int offset_;
};

}  // namespace platform::ui
