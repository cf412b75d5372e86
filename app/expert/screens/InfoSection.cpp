#include "app/expert/screens/InfoSection.hpp"

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View InfoSection::body() const {
  return HStack(
      {.spacing = 16},
      {
          // Sized as a whole, so that a long text beside it cannot squeeze it.
          ZStack({
                     Circle().fill(Color::white.opacity(0.1)).frame({.width = 40, .height = 40}),
                     Symbol(icon).font(Font::system(18)).foregroundColor(Color::white),
                 })
              .frame({.width = 40, .height = 40}),
          VStack({.alignment = HorizontalAlignment::leading, .spacing = 4},
                 {
                     Text(title)
                         .font(Font::system(17, FontWeight::semibold))
                         .foregroundColor(Color::white),
                     Text(description)
                         .font(Font::system(15))
                         .foregroundColor(Color::white.opacity(0.7)),
                 }),
      });
}

}  // namespace verdeo
