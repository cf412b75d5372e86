#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.hpp"
#include "platform/ui/View.hpp"
#include "platform/ui/WireWriter.hpp"

namespace platform::ui {

// What the platform itself shows above the application: the permission question and the banners
// of delivered notifications. The application cannot build, style or remove them; the runtime
// draws them above the application's root on every display, while there is anything to show.
class SystemLayer {
 public:
  // How long a banner stays unless tapped.
  static constexpr double kBannerSeconds = 5;
  // Banners shown at once; a newer one pushes the oldest out, so that many reminders at one
  // time of day never cover the screen.
  static constexpr std::size_t kMostBanners = 3;

  explicit SystemLayer(MainQueue& queue) : queue_(queue) {}
  ~SystemLayer();
  SystemLayer(const SystemLayer&) = delete;
  SystemLayer& operator=(const SystemLayer&) = delete;

  // Asks whether `applicationName` may send notifications, with the platform's "Allow" and
  // "Don't Allow"; `answer` gets the choice. The question cannot be dismissed without one;
  // questions asked meanwhile wait their turn.
  void askNotificationPermission(std::string applicationName, std::function<void(bool)> answer);
  // A banner at the top of the screen, newest first; it leaves after kBannerSeconds or on a tap.
  void showBanner(std::string title, std::string body);

  // The in-app rating prompt ("Enjoying <app>?", five stars, "Not Now"), shown only while a
  // display is in the foreground; it closes on any answer and tells the application nothing.
  // Asked while it is already up, it stays as it is.
  void requestReview(std::string applicationName);
  // Whether a display shows the application in the foreground now (the display server knows).
  void setForeground(bool foreground);
  bool isForeground() const { return foreground_; }
  // How many prompts were shown, for tests.
  std::size_t reviewPromptCount() const { return reviewPrompts_; }

  bool isShowing() const { return !questions_.empty() || !banners_.empty() || review_.has_value(); }
  View body() const;

 private:
  struct Question {
    std::string applicationName;
    std::function<void(bool)> answer;
  };
  struct Banner {
    std::uint64_t serial;
    std::string title, body;
    Cancellable timeout;
  };
  void answer(bool allowed);
  void dismissBanner(std::uint64_t serial);
  View reviewPrompt() const;

  MainQueue& queue_;
  std::vector<Question> questions_;
  std::vector<Banner> banners_;
  std::uint64_t nextSerial_ = 0;
  // The application name of the rating prompt while it is up.
  std::optional<std::string> review_;
  bool foreground_ = false;
  std::size_t reviewPrompts_ = 0;
};

}  // namespace platform::ui
