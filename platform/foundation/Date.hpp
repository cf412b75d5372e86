#pragma once

#include <compare>

namespace platform {

// A moment in time, held as seconds since the reference date 2001-01-01 00:00:00 UTC with a
// fraction: the form in which the store and the widget snapshot keep dates. Calendar questions
// (days, months, time zones) belong to Calendar, not here.
class Date {
 public:
  // 2001-01-01 00:00:00 UTC in seconds since the Unix epoch.
  static constexpr double kReferenceDateUnixSeconds = 978307200.0;

  constexpr Date() = default;

  static constexpr Date fromReferenceSeconds(double seconds) { return Date(seconds); }
  static constexpr Date fromUnixSeconds(double seconds) {
    return Date(seconds - kReferenceDateUnixSeconds);
  }
  // ICU's UDate: milliseconds since the Unix epoch.
  static constexpr Date fromUnixMilliseconds(double ms) { return fromUnixSeconds(ms / 1000.0); }

  constexpr double referenceSeconds() const { return seconds_; }
  constexpr double unixSeconds() const { return seconds_ + kReferenceDateUnixSeconds; }
  constexpr double unixMilliseconds() const { return unixSeconds() * 1000.0; }

  constexpr Date addingSeconds(double seconds) const { return Date(seconds_ + seconds); }
  // Seconds from `other` to this moment (negative when this is earlier).
  constexpr double secondsSince(Date other) const { return seconds_ - other.seconds_; }

  friend constexpr auto operator<=>(Date, Date) = default;

 private:
  constexpr explicit Date(double seconds) : seconds_(seconds) {}
  double seconds_ = 0;
};

}  // namespace platform
