#include "app/care/TaskRow.hpp"

#include <string>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {

View picture(const Plant& plant, bool decodes) {
  if (decodes)
    return Image(URL{plant.imageURL()})
        .resizable()
        .scaledToFill()
        .frame({.width = 48, .height = 48})
        .clipShape(Shape::circle())
        .accessibilityLabel(plant.name());
  return ZStack({
                    Circle().fill(colorFromHex(palette::nightBackground)),
                    Symbol("leaf.fill")
                        .font(Font::system(20))
                        .foregroundColor(colorFromHex(palette::brandGreen)),
                })
      .frame({.width = 48, .height = 48});
}

View doneLabel(bool isCompleting) {
  if (isCompleting)
    return ProgressView({.small = true})
        .tint(Color::black)
        .frame({.width = 20, .height = 20})
        .padding(EdgeInsets{8, 16, 8, 16})
        .background(colorFromHex(palette::brandGreen).opacity(0.7))
        .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
  return Text("Done")
      .font(Font::system(14, FontWeight::semibold))
      .foregroundColor(Color::white)
      .padding(EdgeInsets{8, 12, 8, 12})
      .background(Capsule().fill(Gradient::linear(
          {colorFromHex(palette::brandGreen), colorFromHex(palette::deepGreen)}, UnitPoint::top(),
          UnitPoint::bottom())));
}

}  // namespace

View TaskRow::body() const {
  return HStack({.spacing = 16},
                {
                    picture(plant, pictureDecodes),
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
                           {
                               Text(plant.name())
                                   .font(Font::system(17, FontWeight::bold))
                                   .foregroundColor(Color::white),
                               Text(std::string(rawValue(plant.careFrequency())) + " care")
                                   .font(Font::system(14))
                                   .foregroundColor(Color::gray),
                           }),
                    Spacer(),
                    Button(doneLabel(isCompleting), onMarkDone)
                        .buttonStyle(ButtonStyle::plain)
                        .accessibilityLabel("Done"),
                })
      .padding(EdgeInsets{12, 16, 12, 16})
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
}

}  // namespace verdeo
