#include "app/shell/VerdeoStorytellingView.hpp"

#include <string_view>

#include "platform/foundation/Graphemes.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {
bool isPunctuation(std::string_view character) {
  return character.size() == 1 &&
         std::string_view(".!?:;,").find(character[0]) != std::string_view::npos;
}
}  // namespace

VerdeoStorytellingView::VerdeoStorytellingView(const Environment& environment,
                                               VerdeoOnboardingModel page,
                                               std::function<void()> onTap)
    : model(std::move(page)),
      onTapToContinue(std::move(onTap)),
      env_(environment),
      scope_(environment.mainQueue) {}

View VerdeoStorytellingView::body() const {
  View hint = showTapToContinue
                  ? Text("Tap to continue")
                        .font(Font::system(16, FontWeight::semibold))
                        .foregroundColor(Color::white.opacity(0.5))
                        .repeatingAnimation(AnimatedProperty::opacity, 1, 0.4,
                                            Animation::easeInOut(0.5).repeatForever(true))
                        .transition(Transition::opacity)
                  : EmptyView();
  return VStack({
                    Spacer(),
                    Text(displayedText.empty() ? " " : displayedText)
                        .font(Font::system(24, FontWeight::semibold))
                        .foregroundColor(Color::white)
                        .multilineTextAlignment(TextAlignment::center)
                        .lineLimit(std::nullopt)
                        .lineSpacing(2)
                        .padding(Edge::horizontal, 32)
                        .frame({.maxWidth = infinity, .heightFraction = 0.5}),
                    Spacer(),
                    ZStack({std::move(hint)}).frame({.height = 50, .maxWidth = infinity}),
                })
      .frame({.maxWidth = infinity, .maxHeight = infinity})
      .background(Color::clear)
      .onTapGesture(action(this, &VerdeoStorytellingView::tap))
      .onAppear(action(this, &VerdeoStorytellingView::startTypewriter))
      .onDisappear(action(this, &VerdeoStorytellingView::cancelTypewriter));
}

void VerdeoStorytellingView::tap() {
  if (isTypewriterComplete) {
    env_.haptics.impact(ImpactStyle::medium);
    if (onTapToContinue) onTapToContinue();
  } else {
    env_.haptics.impact(ImpactStyle::light);
    completeTypewriter();
  }
}

void VerdeoStorytellingView::startTypewriter() {
  displayedText.clear();
  isTypewriterComplete = false;
  showTapToContinue = false;
  cancelTypewriter();

  auto characters = platform::graphemeClusters(model.title);
  // The first character shows at once; a sentence of n characters takes (n - 1) × 0.05 s.
  for (std::size_t k = 0; k < characters.size(); ++k) {
    scope_.after(static_cast<double>(k) * typewriterSpeed,
                 [this, k, count = characters.size(), character = characters[k]] {
                   typeCharacter(k, count, character);
                 });
  }
}

void VerdeoStorytellingView::typeCharacter(std::size_t k, std::size_t count,
                                           const std::string& character) {
  displayedText += character;
  if (k % 8 == 0 || isPunctuation(character)) env_.haptics.selection();
  if (k + 1 != count) return;
  isTypewriterComplete = true;
  env_.haptics.notification(NotificationFeedback::success);
  scope_.after(0.5, [this] {
    env_.withAnimation(Animation::easeInOut(0.3), [this] { showTapToContinue = true; });
  });
}

void VerdeoStorytellingView::completeTypewriter() {
  cancelTypewriter();
  displayedText = model.title;
  isTypewriterComplete = true;
  env_.withAnimation(Animation::easeInOut(0.3), [this] { showTapToContinue = true; });
}

void VerdeoStorytellingView::cancelTypewriter() {
  scope_.cancelSteps();
}

}  // namespace verdeo
