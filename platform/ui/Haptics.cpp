#include "platform/ui/Haptics.hpp"

namespace platform::ui {

std::string HapticEvent::text() const {
  switch (kind) {
    case Kind::impact:
      return std::string("impact:") + (impact == ImpactStyle::light    ? "light"
                                       : impact == ImpactStyle::medium ? "medium"
                                                                       : "heavy");
    case Kind::selection:
      return "selection";
    case Kind::notification:
      return "notification:success";
  }
  return {};
}

void Haptics::impact(ImpactStyle style) {
  play({HapticEvent::Kind::impact, style});
}
void Haptics::selection() {
  play({HapticEvent::Kind::selection});
}
void Haptics::notification(NotificationFeedback) {
  play({HapticEvent::Kind::notification});
}

std::vector<std::string> Haptics::playedTexts() const {
  std::vector<std::string> texts;
  for (const HapticEvent& e : played_) texts.push_back(e.text());
  return texts;
}

void Haptics::play(HapticEvent event) {
  played_.push_back(event);
  if (sink_) sink_(event);
}

}  // namespace platform::ui
