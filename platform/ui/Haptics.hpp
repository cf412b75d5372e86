#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::ui {

enum class ImpactStyle { light, medium, heavy };
enum class NotificationFeedback { success };

struct HapticEvent {
  enum class Kind { impact, selection, notification };
  Kind kind;
  ImpactStyle impact = ImpactStyle::light;  // for Kind::impact
  // "impact:light", "selection", "notification:success": how tests spell the sequence.
  std::string text() const;
  friend bool operator==(const HapticEvent&, const HapticEvent&) = default;
};

// Touch feedback. Every call is kept (tests read the sequence) and handed to the display, which
// plays it where the device can.
class Haptics {
 public:
  void impact(ImpactStyle style);
  void selection();
  void notification(NotificationFeedback type);

  const std::vector<HapticEvent>& played() const { return played_; }
  std::vector<std::string> playedTexts() const;
  void clear() { played_.clear(); }

  // Where each event goes besides the record (the runtime sends it to the display).
  void setSink(std::function<void(const HapticEvent&)> sink) { sink_ = std::move(sink); }

 private:
  void play(HapticEvent event);
  std::vector<HapticEvent> played_;
  std::function<void(const HapticEvent&)> sink_;
};

}  // namespace platform::ui
