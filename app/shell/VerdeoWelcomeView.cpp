#include "app/shell/VerdeoWelcomeView.hpp"

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {
View laurel(const char* asset) {
  return Image(asset)
      .resizable()
      .renderingTemplate()
      .frame({.width = 16, .height = 42})
      .foregroundColor(Color::white);
}
}  // namespace

View VerdeoWelcomeView::body() const {
  View ratingBadge =
      HStack({.spacing = 4},
             {
                 laurel("sx"),
                 VStack({
                     Text("4.8")
                         .font(Font::system(30, FontWeight::semibold))
                         .foregroundColor(Color::white),
                     Symbol("star.fill").font(Font::system(16)).foregroundColor(Color::yellow),
                 }),
                 laurel("dx"),
             });
  return VStack({
                    Spacer(),
                    VStack({.alignment = HorizontalAlignment::center, .spacing = 32},
                           {
                               Image(model.imageName)
                                   .resizable()
                                   .scaledToFill()
                                   .accessibilityLabel("A potted plant putting out new leaves")
                                   .frame({.height = 100, .maxWidth = infinity})
                                   .clipShape(Shape::roundedRect(32, CornerStyle::continuous)),
                               VStack({.alignment = HorizontalAlignment::center, .spacing = 16},
                                      {
                                          std::move(ratingBadge),
                                          Text(model.title)
                                              .font(Font::system(28, FontWeight::semibold))
                                              .foregroundColor(Color::white)
                                              .multilineTextAlignment(TextAlignment::center)
                                              .padding(Edge::bottom, 8),
                                          Text(model.description)
                                              .font(Font::system(16))
                                              .foregroundColor(Color::white.opacity(0.5))
                                              .multilineTextAlignment(TextAlignment::center)
                                              .lineSpacing(3),
                                      }),
                           }),
                    Spacer(),
                })
      .padding(Edge::horizontal);
}

}  // namespace verdeo
