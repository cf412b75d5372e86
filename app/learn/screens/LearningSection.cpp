#include "app/learn/screens/LearningSection.hpp"

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View learningSection(std::string title, std::string subtitle, std::vector<View> cards,
                     Action seeAll) {
  const Color green = colorFromHex(palette::brandGreen);
  View seeAllLabel = HStack(
      {.spacing = 4},
      {
          Text("See All").font(Font::system(14, FontWeight::semibold)).foregroundColor(green),
          Symbol("chevron.right").font(Font::system(12, FontWeight::bold)).foregroundColor(green),
      });
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 12},
                {
                    HStack({
                        Text(std::move(title))
                            .font(Font::system(18, FontWeight::bold))
                            .foregroundColor(Color::white),
                        Spacer(),
                        Button(std::move(seeAllLabel), std::move(seeAll))
                            .buttonStyle(ButtonStyle::plain),
                    }),
                    Text(std::move(subtitle)).font(Font::system(14)).foregroundColor(Color::gray),
                    HStack({.spacing = 12}, std::move(cards)),
                })
      .frame({.maxWidth = infinity, .alignment = Alignment::leading});
}

}  // namespace verdeo
