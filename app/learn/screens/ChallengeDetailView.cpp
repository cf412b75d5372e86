#include "app/learn/screens/ChallengeDetailView.hpp"

#include <string>

#include "app/learn/screens/ChallengeContentView.hpp"
#include "app/learn/screens/LearningTile.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {

View fact(const char* symbol, const std::string& text) {
  return HStack(
      {.spacing = 6},
      {
          Symbol(symbol).font(Font::system(16)).foregroundColor(colorFromHex(palette::brandGreen)),
          Text(text).font(Font::subheadline).foregroundColor(Color::white),
      });
}

}  // namespace

View ChallengeDetailView::header() const {
  return VStack(
      {.alignment = HorizontalAlignment::leading, .spacing = 12},
      {
          HStack({
              VStack(
                  {.alignment = HorizontalAlignment::leading, .spacing = 8},
                  {
                      Text(challenge.title).font(Font::title).bold().foregroundColor(Color::white),
                      Text(std::string(rawValue(challenge.category)))
                          .font(Font::subheadline)
                          .foregroundColor(Color::gray),
                  }),
              Spacer(),
          }),
          HStack({.spacing = 20},
                 {
                     fact("clock", challenge.duration),
                     fact("star.fill", challenge.difficulty),
                     Spacer(),
                 }),
          Text(challenge.content.introduction)
              .font(Font::body)
              .foregroundColor(Color::gray)
              .lineSpacing(4),
      });
}

View ChallengeDetailView::body() const {
  return ScrollView(VStack({
                        learningHeaderPicture(challenge.imageName),
                        VStack({.alignment = HorizontalAlignment::leading, .spacing = 20},
                               {
                                   header(),
                                   ChallengeContentView{challenge.content}.body(),
                               })
                            .padding(EdgeInsets{0, 20, 40, 20}),
                    }))
      .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
      .navigationBarTitleDisplayMode(TitleDisplayMode::inline_);
}

}  // namespace verdeo
