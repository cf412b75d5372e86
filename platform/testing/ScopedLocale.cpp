#include "platform/testing/ScopedLocale.hpp"

#include <unicode/locid.h>

namespace platform::testing {
namespace {

void setDefault(const std::string& id) {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale(id.c_str()), status);
}

}  // namespace

ScopedLocale::ScopedLocale(std::string_view localeId)
    : previous_(icu::Locale::getDefault().getName()) {
  setDefault(std::string(localeId));
}

ScopedLocale::~ScopedLocale() {
  setDefault(previous_);
}

}  // namespace platform::testing
