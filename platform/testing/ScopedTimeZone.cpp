#include "platform/testing/ScopedTimeZone.hpp"

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <stdexcept>

namespace platform::testing {

ScopedTimeZone::ScopedTimeZone(std::string_view timeZoneId)
    : previousZone_(icu::TimeZone::createDefault()) {
  std::string id(timeZoneId);
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(id.c_str()));
  if (*zone == icu::TimeZone::getUnknown()) throw std::invalid_argument("unknown time zone " + id);
  if (const char* tz = std::getenv("TZ")) previousTz_ = tz;
  setenv("TZ", id.c_str(), 1);
  icu::TimeZone::adoptDefault(zone.release());
}

ScopedTimeZone::~ScopedTimeZone() {
  if (previousTz_)
    setenv("TZ", previousTz_->c_str(), 1);
  else
    unsetenv("TZ");
  icu::TimeZone::adoptDefault(previousZone_.release());
}

}  // namespace platform::testing
