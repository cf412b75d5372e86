#include "app/plants/FormField.hpp"

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View sectionTitle(std::string title) {
  return Text(std::move(title)).font(Font::headline).foregroundColor(Color::secondary);
}

View FormField::body() const {
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 8},
                {sectionTitle(label), View(content)});
}

}  // namespace verdeo
