#include "platform/ui/SystemLayer.hpp"

#include <algorithm>

#include "platform/ui/Content.hpp"
#include "platform/ui/Controls.hpp"
#include "platform/ui/Layout.hpp"

namespace platform::ui {

SystemLayer::~SystemLayer() {
  for (const Banner& banner : banners_) banner.timeout.cancel();
}

void SystemLayer::askNotificationPermission(std::string applicationName,
                                            std::function<void(bool)> answer) {
  questions_.push_back({std::move(applicationName), std::move(answer)});
}

void SystemLayer::answer(bool allowed) {
  if (questions_.empty()) return;
  Question question = std::move(questions_.front());
  questions_.erase(questions_.begin());
  if (question.answer) question.answer(allowed);
}

void SystemLayer::showBanner(std::string title, std::string body) {
  const std::uint64_t serial = nextSerial_++;
  Cancellable timeout =
      queue_.asyncAfter(kBannerSeconds, [this, serial] { dismissBanner(serial); });
  banners_.insert(banners_.begin(), {serial, std::move(title), std::move(body), timeout});
  while (banners_.size() > kMostBanners) {
    banners_.back().timeout.cancel();
    banners_.pop_back();
  }
}

void SystemLayer::dismissBanner(std::uint64_t serial) {
  auto found = std::find_if(banners_.begin(), banners_.end(),
                            [serial](const Banner& b) { return b.serial == serial; });
  if (found == banners_.end()) return;
  found->timeout.cancel();
  banners_.erase(found);
}

void SystemLayer::requestReview(std::string applicationName) {
  if (!foreground_ || review_) return;
  review_ = std::move(applicationName);
  ++reviewPrompts_;
}

void SystemLayer::setForeground(bool foreground) {
  foreground_ = foreground;
  // A prompt nobody can see is not kept for later.
  if (!foreground) review_.reset();
}

View SystemLayer::reviewPrompt() const {
  auto close = action(this, [](SystemLayer& self) { self.review_.reset(); });
  std::vector<View> stars;
  for (int i = 1; i <= 5; ++i)
    stars.push_back(
        Button(Symbol("star").font(Font::system(28)).foregroundColor(Color::blue), close)
            .buttonStyle(ButtonStyle::plain)
            .accessibilityLabel(std::to_string(i) + (i == 1 ? " star" : " stars")));
  return VStack({.spacing = 12},
                {
                    Text("Enjoying " + *review_ + "?").font(Font::headline),
                    Text("Tap a star to rate it.")
                        .font(Font::subheadline)
                        .multilineTextAlignment(TextAlignment::center),
                    HStack({.spacing = 10}, std::move(stars)),
                    Divider(),
                    Button(Text("Not Now").foregroundColor(Color::blue), close)
                        .buttonStyle(ButtonStyle::plain),
                })
      .foregroundColor(Color::white)
      .padding(20)
      .frame({.width = 280})
      .background(RoundedRectangle(14, CornerStyle::continuous).fill(Color{0.17, 0.17, 0.18, 0.96}))
      .padding(EdgeInsets{200, 0, 0, 0})
      .id("review");
}

View SystemLayer::body() const {
  std::vector<View> banners;
  for (const Banner& banner : banners_) {
    const std::uint64_t serial = banner.serial;
    banners.push_back(
        HStack({.alignment = VerticalAlignment::top, .spacing = 12},
               {Symbol("bell.badge").font(Font::title3).foregroundColor(Color::white),
                VStack({.alignment = HorizontalAlignment::leading, .spacing = 2},
                       {Text(banner.title).font(Font::headline),
                        Text(banner.body).font(Font::subheadline).lineLimit(4)}),
                Spacer(0)})
            .foregroundColor(Color::white)
            .padding(EdgeInsets{12, 14, 12, 14})
            .frame({.maxWidth = infinity, .alignment = Alignment::leading})
            .background(
                RoundedRectangle(20, CornerStyle::continuous).fill(Color{0.17, 0.17, 0.18, 0.94}))
            .accessibilityLabel(banner.title + ", " + banner.body)
            .onTapGesture(action(this, [serial](SystemLayer& self) { self.dismissBanner(serial); }))
            .transition(Transition::slide)
            .id("banner-" + std::to_string(serial)));
  }
  View column = VStack({.spacing = 8}, std::move(banners)).padding(EdgeInsets{8, 8, 0, 8});
  if (review_) column = VStack({.spacing = 0}, {std::move(column), reviewPrompt()});
  if (questions_.empty()) return column;
  const Question& question = questions_.front();
  return std::move(column).alert(
      "\u201C" + question.applicationName + "\u201D Would Like to Send You Notifications",
      // Only the two buttons close the question.
      Binding<bool>([] { return true; }, [](bool) {}),
      {AlertButton{"Don't Allow", ButtonRole::none,
                   action(this, [](SystemLayer& self) { self.answer(false); })},
       AlertButton{"Allow", ButtonRole::none,
                   action(this, [](SystemLayer& self) { self.answer(true); })}},
      "Notifications may include alerts, sounds and icon badges. These can be configured in "
      "Settings.");
}

}  // namespace platform::ui
