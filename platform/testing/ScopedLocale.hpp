#pragma once

#include <string>
#include <string_view>

namespace platform::testing {

// Pins ICU's default locale ("en_US") while alive and restores the previous one; the user's
// locale is what Calendar::current() and the formatters follow.
class ScopedLocale {
 public:
  explicit ScopedLocale(std::string_view localeId);
  ~ScopedLocale();
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  std::string previous_;
};

}  // namespace platform::testing
