#include "app/learn/screens/StepItem.hpp"

#include <string>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View StepItem::body() const {
  View badge = Text(std::to_string(step.stepNumber))
                   .font(Font::system(14, FontWeight::bold))
                   .foregroundColor(Color::black)
                   .frame({.width = 28, .height = 28})
                   .background(Circle().fill(colorFromHex(palette::brandGreen)));
  View tip = EmptyView();
  if (step.tip)
    tip = HStack({.alignment = VerticalAlignment::top, .spacing = 8},
                 {
                     Symbol("lightbulb.fill").font(Font::system(12)).foregroundColor(Color::yellow),
                     Text("Tip: " + *step.tip)
                         .font(Font::caption)
                         .foregroundColor(Color::white)
                         .multilineTextAlignment(TextAlignment::leading),
                 })
              .padding(Edge::top, 4);
  return HStack({.alignment = VerticalAlignment::top, .spacing = 16},
                {
                    std::move(badge),
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = 8},
                           {
                               HStack({
                                   Text(step.title)
                                       .font(Font::subheadline)
                                       .fontWeight(FontWeight::semibold)
                                       .foregroundColor(Color::white)
                                       .multilineTextAlignment(TextAlignment::leading),
                                   Spacer(),
                               }),
                               Text(step.description)
                                   .font(Font::body)
                                   .foregroundColor(Color::gray)
                                   .lineSpacing(2)
                                   .multilineTextAlignment(TextAlignment::leading),
                               std::move(tip),
                           }),
                });
}

}  // namespace verdeo
