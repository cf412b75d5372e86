#include "platform/foundation/CurrentCalendar.hpp"

#include <unicode/timezone.h>
#include <unicode/unistr.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string_view>

namespace platform {
namespace {

// "…/zoneinfo/Europe/Rome" (also "…/zoneinfo/posix/Europe/Rome") → "Europe/Rome".
std::string zoneFromPath(std::string_view path) {
  constexpr std::string_view marker = "zoneinfo/";
  const auto at = path.rfind(marker);
  if (at == std::string_view::npos) return std::string(path);
  std::string_view id = path.substr(at + marker.size());
  for (std::string_view prefix : {"posix/", "right/"})
    if (id.starts_with(prefix)) id.remove_prefix(prefix.size());
  return std::string(id);
}

}  // namespace

std::string hostTimeZoneId() {
  if (const char* tz = std::getenv("TZ"); tz && *tz) {
    std::string_view value(tz);
    if (value.front() == ':') value.remove_prefix(1);
    return zoneFromPath(value);
  }
  std::array<char, 512> target{};
  const ssize_t n = readlink("/etc/localtime", target.data(), target.size() - 1);
  if (n > 0) return zoneFromPath(std::string_view(target.data(), std::size_t(n)));
  std::ifstream file("/etc/timezone");
  std::string id;
  std::getline(file, id);
  return id;
}

CurrentCalendar::CurrentCalendar() : hostZone_(hostTimeZoneId()), calendar_(Calendar::current()) {}

bool CurrentCalendar::refresh() {
  std::string zone = hostTimeZoneId();
  if (zone == hostZone_) return false;
  hostZone_ = std::move(zone);
  std::unique_ptr<icu::TimeZone> adopted;
  if (!hostZone_.empty()) {
    adopted.reset(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(hostZone_)));
    // ICU answers an unknown id with the "Etc/Unknown" zone (GMT); a POSIX rule string such as
    // "EST5EDT,M3.2.0,M11.1.0" is left to ICU's own host detection instead.
    if (*adopted == icu::TimeZone::getUnknown()) adopted.reset();
  }
  if (!adopted) adopted.reset(icu::TimeZone::detectHostTimeZone());
  if (!adopted) return false;
  icu::TimeZone::adoptDefault(adopted.release());
  calendar_ = Calendar::current();
  ++generation_;
  for (const Task& observer : observers_) observer();
  return true;
}

void CurrentCalendar::followChanges(MainQueue& queue) {
  queue.addStartOfTurnObserver([this] { refresh(); });
}

}  // namespace platform
