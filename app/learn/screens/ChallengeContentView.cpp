#include "app/learn/screens/ChallengeContentView.hpp"

#include "app/learn/TimelinePhases.hpp"
#include "app/learn/screens/StepItem.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {

// The one style of the four cards: a heading, then the rows.
View contentCard(const char* heading, double rowSpacing, View rows) {
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                {
                    HStack({
                        Text(heading).font(Font::headline).bold().foregroundColor(Color::white),
                        Spacer(),
                    }),
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = rowSpacing},
                           {std::move(rows)}),
                })
      .frame({.maxWidth = infinity, .alignment = Alignment::leading})
      .padding(20)
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
}

View iconRow(const char* symbol, const std::string& text, bool spaced) {
  View line = Text(text)
                  .font(Font::body)
                  .foregroundColor(Color::white)
                  .multilineTextAlignment(TextAlignment::leading);
  if (spaced) line = std::move(line).lineSpacing(2);
  return HStack({.alignment = VerticalAlignment::top, .spacing = 12},
                {
                    Symbol(symbol)
                        .font(Font::system(16))
                        .foregroundColor(colorFromHex(palette::brandGreen))
                        .frame({.width = 20}),
                    std::move(line),
                    Spacer(),
                });
}

template <class Texts>
View iconRows(const char* symbol, const Texts& texts, bool spaced) {
  return ForEach(
      texts, [](const std::string& text) { return text; },
      [&](const std::string& text) { return iconRow(symbol, text, spaced); });
}

}  // namespace

View StepsSection::body() const {
  return contentCard("Step by step guide", 20,
                     ForEach(
                         steps, [](const ChallengeStep& step) { return step.id.string(); },
                         [](const ChallengeStep& step) { return StepItem{step}.body(); }));
}

View MaterialsSection::body() const {
  return contentCard("What you'll need", 12, iconRows("checkmark.circle.fill", materials, false));
}

View ExpertTipsSection::body() const {
  return contentCard("Real expert tips", 12, iconRows("brain.fill", tips, true));
}

View TimelineSection::body() const {
  // A phase is known by its position.
  std::vector<std::pair<std::size_t, std::string>> phases;
  for (std::string& phase : timelinePhases(timeline)) phases.emplace_back(phases.size(), phase);
  return contentCard(
      "Timeline", 12,
      ForEach(
          phases, [](const auto& phase) { return std::to_string(phase.first); },
          [](const auto& phase) { return iconRow("calendar", phase.second, true); }));
}

View ChallengeContentView::body() const {
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 20},
                {
                    StepsSection{content.steps}.body(),
                    MaterialsSection{content.materials}.body(),
                    ExpertTipsSection{content.expertTips}.body(),
                    TimelineSection{content.timeline}.body(),
                });
}

}  // namespace verdeo
