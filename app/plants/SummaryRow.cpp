#include "app/plants/SummaryRow.hpp"

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

View SummaryRow::body() const {
  return HStack({.alignment = VerticalAlignment::top},
                {
                    Text(label)
                        .foregroundColor(Color::secondary)
                        .frame({.width = 90, .alignment = Alignment::leading}),
                    Text(value).foregroundColor(Color::white),
                });
}

}  // namespace verdeo
