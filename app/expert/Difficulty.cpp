#include "app/expert/Difficulty.hpp"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <initializer_list>
#include <string>

#include "app/expert/PlantExpertInfo.hpp"

namespace verdeo {
namespace {

// Unicode lower case without locale rules (ICU root), so a Turkish user sees the same ratings.
std::string lowercased(const std::string& text) {
  icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
  unicode.toLower(icu::Locale::getRoot());
  std::string lower;
  unicode.toUTF8String(lower);
  return lower;
}

bool containsAny(const std::string& text, std::initializer_list<std::string_view> words) {
  for (auto word : words)
    if (text.find(word) != std::string::npos) return true;
  return false;
}

}  // namespace

Difficulty difficultyRating(const CareInstructions& care) {
  const std::string text = lowercased(care.watering + " " + care.light + " " + care.soil + " " +
                                      care.fertilizing + " " + care.temperature + " " + care.tips);
  auto has = [&](std::string_view word) { return text.find(word) != std::string::npos; };

  if (containsAny(text, {"easy", "simple", "beginner"}) ||
      (has("low maintenance") && !has("not low maintenance")))
    return Difficulty::easy;
  if (containsAny(text, {"challenging", "difficult", "expert", "advanced"}))
    return Difficulty::expert;
  if (containsAny(text, {"moderate", "medium"})) return Difficulty::moderate;

  int watering = 0;
  if (containsAny(text, {"once a week", "allow to dry"}))
    watering = 1;
  else if (containsAny(text, {"moist", "humid"}))
    watering = 3;
  int light = 0;
  if (containsAny(text, {"indirect light", "low light"}))
    light = 1;
  else if (has("direct") && has("avoid"))
    light = 2;
  else if (containsAny(text, {"specific", "exact"}))
    light = 3;
  const int specialCare = containsAny(text, {"special", "repot", "prune", "specific"}) ? 2 : 0;

  const int total = watering + light + specialCare;
  if (total < 4) return Difficulty::easy;
  if (total <= 6) return Difficulty::moderate;
  return Difficulty::expert;
}

}  // namespace verdeo
