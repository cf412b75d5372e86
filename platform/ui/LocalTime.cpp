#include "platform/ui/LocalTime.hpp"

#include <chrono>
#include <cmath>

namespace platform::ui {

LocalDateTime FixedOffsetLocalTime::fields(Date date) const {
  using namespace std::chrono;
  const double local = date.unixSeconds() + offset_;
  const double wholeSeconds = std::floor(local);
  const auto days = floor<std::chrono::days>(sys_seconds(seconds(std::int64_t(wholeSeconds))));
  const year_month_day ymd{days};
  const double secondsOfDay = local - double(days.time_since_epoch().count()) * 86400.0;
  LocalDateTime f;
  f.year = int(ymd.year());
  f.month = int(unsigned(ymd.month()));
  f.day = int(unsigned(ymd.day()));
  f.hour = int(secondsOfDay / 3600);
  f.minute = int(std::fmod(secondsOfDay, 3600) / 60);
  f.second = std::fmod(secondsOfDay, 60);
  return f;
}

std::optional<Date> FixedOffsetLocalTime::date(const LocalDateTime& f) const {
  using namespace std::chrono;
  const year_month_day ymd{year(f.year), month(unsigned(f.month)), day(unsigned(f.day))};
  if (!ymd.ok() || f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 ||
      f.second >= 60)
    return std::nullopt;
  const double days = double(sys_days(ymd).time_since_epoch().count());
  return Date::fromUnixSeconds(days * 86400.0 + f.hour * 3600.0 + f.minute * 60.0 + f.second -
                               offset_);
}

}  // namespace platform::ui
