// The five pages of the plant editor, one per step. They read and write the working copy only:
// nothing here touches the store or the reminders beyond the editor's own reactions.
#include <string>

#include "app/plants/CareFrequencyButton.hpp"
#include "app/plants/EditPlantView.hpp"
#include "app/plants/FormField.hpp"
#include "app/plants/LightNeedsButton.hpp"
#include "app/plants/SummaryRow.hpp"
#include "app/plants/WaterNeedsButton.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/foundation/DateFormatter.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;
using platform::Date;

namespace {

Color card() {
  return colorFromHex(palette::cardSurface);
}

Shape rounded(double radius = 20) {
  return Shape::roundedRect(radius, CornerStyle::continuous);
}

// A control with the standard padding on a card, as the pages' input fields are drawn.
View fieldSurface(View control) {
  return std::move(control).padding().background(card()).clipShape(rounded());
}

View cardOf(View content) {
  return std::move(content).padding().background(card()).clipShape(rounded());
}

template <class Enumeration, std::size_t N>
std::vector<PickerOption<Enumeration>> optionsOf(const std::array<Enumeration, N>& cases) {
  std::vector<PickerOption<Enumeration>> options;
  for (Enumeration value : cases) options.push_back({std::string(rawValue(value)), value});
  return options;
}

// A binding to `field` that runs `changed` after a write that changed the value.
template <class T, class S>
Binding<T> reacting(const S* screen, const T& field, void (S::*changed)()) {
  S* self = const_cast<S*>(screen);
  T* target = const_cast<T*>(&field);
  return Binding<T>([target] { return *target; },
                    [self, target, changed](T value) {
                      if (*target == value) return;
                      *target = std::move(value);
                      (self->*changed)();
                    });
}

}  // namespace

View EditPlantView::basicInfoPage() const {
  auto pill = [](View control) {
    return std::move(control)
        .padding(10)
        .frame({.maxWidth = infinity, .alignment = Alignment::leading})
        .background(card())
        .clipShape(rounded());
  };
  return VStack(
      {.alignment = HorizontalAlignment::leading, .spacing = 24},
      {
          FormField{"Name", fieldSurface(TextField("Plant Name (e.g. Kelly)", binding(name)))}
              .body(),
          HStack({
              FormField{"Location",
                        pill(Picker("Location", binding(location), optionsOf(kAllLocations)))}
                  .body(),
              FormField{"Date Acquired", pill(DatePicker("Date", binding(dateAcquired),
                                                         DatePickerMode::date, env_.localTime)
                                                  .labelsHidden())}
                  .body(),
          }),
          VStack({.alignment = HorizontalAlignment::leading, .spacing = 8},
                 {
                     sectionTitle("Species"),
                     speciesPicker_.body().background(card()).clipShape(rounded()),
                 }),
      });
}

bool EditPlantView::photoDecodes() const {
  if (!imageData) return false;
  return env_.photoChecks.decodes(photoKey_,
                                  [this] { return std::span<const std::uint8_t>(*imageData); });
}

View EditPlantView::appearancePage() const {
  View label = photoDecodes() ? Image(URL{photoURL_})
                                    .accessibilityLabel("Plant photo")
                                    .resizable()
                                    .scaledToFit()
                                    .frame({.height = 250, .maxWidth = infinity})
                                    .clipShape(rounded())
                              : VStack({.spacing = 16},
                                       {
                                           Symbol("photo.badge.plus")
                                               .font(Font::system(50))
                                               .foregroundColor(colorFromHex(palette::brandGreen)),
                                           Text("Tap to add a photo").foregroundColor(Color::white),
                                       })
                                    .frame({.height = 250, .maxWidth = infinity})
                                    .background(card())
                                    .clipShape(rounded());
  std::vector<View> items{photoPicker(std::move(label))};
  if (imageData)
    items.push_back(Button(HStack({Symbol("trash"), Text("Remove Photo")})
                               .foregroundColor(Color::red)
                               .padding()
                               .frame({.maxWidth = infinity})
                               .background(card())
                               .clipShape(rounded(35)),
                           action(this, &EditPlantView::removePhoto))
                        .buttonStyle(ButtonStyle::plain)
                        .accessibilityLabel("Remove Photo"));
  return VStack(std::move(items));
}

View EditPlantView::careDetailsPage() const {
  auto section = [](const char* title, std::vector<View> buttons) {
    return cardOf(VStack({.alignment = HorizontalAlignment::leading, .spacing = 8},
                         {
                             sectionTitle(title),
                             HStack({.spacing = 32}, std::move(buttons))
                                 .frame({.maxWidth = infinity})
                                 .padding(Edge::vertical, 8),
                         }));
  };
  std::vector<View> frequencies, lights, waters;
  const Binding<CareFrequency> frequency =
      reacting(this, careFrequency, &EditPlantView::reminderSettingsChanged);
  for (CareFrequency f : kAllCareFrequencies)
    frequencies.push_back(CareFrequencyButton{
        f, rawValue(f) == rawValue(careFrequency), [frequency, f] {
          frequency.set(f);
        }}.body());
  const Binding<LightNeeds> light = binding(lightNeeds);
  for (LightNeeds l : kAllLightNeeds)
    lights.push_back(LightNeedsButton{
        l, rawValue(l) == rawValue(lightNeeds), [light, l] {
          light.set(l);
        }}.body());
  const Binding<WaterNeeds> water = binding(waterNeeds);
  for (WaterNeeds w : kAllWaterNeeds)
    waters.push_back(WaterNeedsButton{
        w, rawValue(w) == rawValue(waterNeeds), [water, w] {
          water.set(w);
        }}.body());
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 12},
                {
                    section("Care Frequency", std::move(frequencies)),
                    section("Light Needs", std::move(lights)),
                    section("Water Needs", std::move(waters)),
                });
}

View EditPlantView::remindersPage() const {
  const Color green = colorFromHex(palette::brandGreen);
  auto* self = const_cast<EditPlantView*>(this);
  Binding<bool> reminderSwitch([self] { return self->notificationsEnabled; },
                               [self](bool on) {
                                 const bool turnedOn = on && !self->notificationsEnabled;
                                 self->notificationsEnabled = on;
                                 if (turnedOn) self->reminderSwitchTurnedOn();
                               });
  std::vector<View> switchCard{
      Toggle(HStack({.spacing = 12},
                    {
                        Symbol("bell.badge").foregroundColor(green),
                        Text("Enable " + std::string(rawValue(careFrequency)) + " Reminders"),
                    }),
             reminderSwitch)
          .tint(green),
  };
  if (notificationsEnabled)
    switchCard.push_back(HStack({
        Text("Notification Time").foregroundColor(Color::secondary),
        Spacer(),
        DatePicker("Notification Time",
                   reacting(this, notificationTime, &EditPlantView::reminderSettingsChanged),
                   DatePickerMode::hourMinute, env_.localTime)
            .labelsHidden(),
    }));
  std::vector<View> items{
      cardOf(VStack({.alignment = HorizontalAlignment::leading, .spacing = 12},
                    std::move(switchCard))),
  };
  if (notificationsEnabled) {
    const char* repetition = careFrequency == CareFrequency::daily    ? "Every day"
                             : careFrequency == CareFrequency::weekly ? "Every week"
                                                                      : "Every month";
    const std::string time =
        platform::DateFormatter::sharedPattern("h:mm a", env_.calendar()).format(notificationTime);
    items.push_back(VStack(
        {.alignment = HorizontalAlignment::leading, .spacing = 8},
        {
            sectionTitle("Next Reminder"),
            HStack(
                {.spacing = 12},
                {
                    Symbol("calendar.badge.clock").foregroundColor(green),
                    VStack({.alignment = HorizontalAlignment::leading},
                           {
                               Text(repetition).foregroundColor(Color::white),
                               Text(time).font(Font::subheadline).foregroundColor(Color::secondary),
                           }),
                })
                .padding()
                .frame({.maxWidth = infinity, .alignment = Alignment::leading})
                .background(card())
                .clipShape(rounded()),
        }));
  }
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 16}, std::move(items));
}

View EditPlantView::notesPage() const {
  View editor = TextEditor(binding(notes))
                    .padding(8)
                    .background(card())
                    .frame({.height = 150})
                    .clipShape(rounded());
  if (notes.empty())
    editor = std::move(editor).overlay(Text("Write here about your plant...")
                                           .foregroundColor(Color::gray.opacity(0.6))
                                           .padding(EdgeInsets{16, 16, 8, 8}),
                                       Alignment::topLeading);
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                {
                    VStack({.alignment = HorizontalAlignment::leading, .spacing = 8},
                           {sectionTitle("Notes"), std::move(editor)}),
                    summaryCard(),
                });
}

View EditPlantView::summaryCard() const {
  const std::string care = std::string(rawValue(careFrequency)) + ", " +
                           std::string(rawValue(lightNeeds)) + " light, " +
                           std::string(rawValue(waterNeeds)) + " water";
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                {
                    Text("Plant Summary").font(Font::headline).foregroundColor(Color::white),
                    SummaryRow{"Name", name}.body(),
                    SummaryRow{"Species", std::string(rawValue(species))}.body(),
                    SummaryRow{"Location", std::string(rawValue(location))}.body(),
                    SummaryRow{"Care", care}.body(),
                    SummaryRow{"Reminders", notificationsEnabled ? "On" : "Off"}.body(),
                })
      .padding()
      .frame({.maxWidth = infinity, .alignment = Alignment::leading})
      .background(card())
      .clipShape(rounded());
}

}  // namespace verdeo
