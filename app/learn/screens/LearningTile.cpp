#include "app/learn/screens/LearningTile.hpp"

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

// The picture is decoration: the title is always written beside or over it.
View learningTile(const std::string& imageName, const std::string& title) {
  return View(Color::clear)
      .frame({.height = 220, .maxWidth = infinity})
      .overlay(Image(imageName).resizable().scaledToFill().frame(
          {.maxWidth = infinity, .maxHeight = infinity}))
      .overlay(LinearGradient({Color::black.opacity(0.6), Color::clear}, UnitPoint::bottom(),
                              UnitPoint::top()))
      .overlay(Text(title)
                   .font(Font::system(16, FontWeight::semibold))
                   .foregroundColor(Color::white)
                   .lineLimit(2)
                   .multilineTextAlignment(TextAlignment::leading)
                   .padding(EdgeInsets{0, 12, 12, 12}),
               Alignment::bottomLeading)
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
}

View learningRow(const std::string& imageName, const std::string& title,
                 const std::string& description) {
  return HStack({.spacing = 16},
                {
                    // Sized outside the clip, so that a long description cannot squeeze it.
                    Image(imageName)
                        .resizable()
                        .scaledToFill()
                        .clipShape(Shape::circle())
                        .frame({.width = 60, .height = 60}),
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
                           {
                               Text(title)
                                   .font(Font::system(16, FontWeight::semibold))
                                   .foregroundColor(Color::white)
                                   .lineLimit(1),
                               Text(description)
                                   .font(Font::system(14))
                                   .foregroundColor(Color::gray)
                                   .lineLimit(2)
                                   .multilineTextAlignment(TextAlignment::leading),
                           }),
                    Spacer(),
                    Symbol("chevron.right")
                        .font(Font::system(14, FontWeight::semibold))
                        .foregroundColor(Color::gray),
                })
      .padding(EdgeInsets{12, 20, 12, 20});
}

View learningHeaderPicture(const std::string& imageName) {
  return Image(imageName)
      .resizable()
      .scaledToFill()
      .frame({.height = 250, .maxWidth = infinity})
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous))
      .padding(Edge::horizontal);
}

}  // namespace verdeo
