#include "app/shell/base/PlaceholderView.hpp"

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

PlaceholderView::PlaceholderView(const AppEnvironment&, std::string pageTitle)
    : title(std::move(pageTitle)) {}

View PlaceholderView::body() const {
  return VStack({.spacing = 12},
                {
                    Symbol("leaf.fill")
                        .font(Font::system(40))
                        .foregroundColor(colorFromHex(palette::brandGreen)),
                    Text(title).font(Font::system(20, FontWeight::bold)).foregroundColor(
                        Color::white),
                    Text("Coming soon").font(Font::system(16)).foregroundColor(Color::gray),
                })
      .frame({.maxWidth = infinity, .maxHeight = infinity})
      .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
      .navigationTitle(title)
      .navigationBarTitleDisplayMode(TitleDisplayMode::inline_);
}

}  // namespace verdeo
