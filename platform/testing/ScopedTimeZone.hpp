#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class TimeZone;
U_NAMESPACE_END

namespace platform::testing {

// Pins ICU's default time zone and the TZ variable to one IANA zone while alive, so that
// Calendar::current() and the formatters see it; restores both afterwards. Not for use from
// several threads at once.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(std::string_view timeZoneId);
  ~ScopedTimeZone();
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::unique_ptr<icu::TimeZone> previousZone_;
  std::optional<std::string> previousTz_;
};

}  // namespace platform::testing
