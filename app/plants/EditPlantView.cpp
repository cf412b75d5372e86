#include "app/plants/EditPlantView.hpp"

#include <algorithm>

#include "app/plants/StepProgressView.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;
using platform::Date;

namespace {

bool isWhitespaceOrLineBreak(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Unicode spaces and line breaks beyond ASCII that a name may be padded with (no-break space,
// the en/em spaces, line and paragraph separators, ideographic space, ...), as UTF-8.
constexpr std::string_view kWideSpaces[] = {"\u0085", "\u00A0", "\u1680", "\u2000", "\u2001",
                                            "\u2002", "\u2003", "\u2004", "\u2005", "\u2006",
                                            "\u2007", "\u2008", "\u2009", "\u200A", "\u2028",
                                            "\u2029", "\u202F", "\u205F", "\u3000"};

std::string_view trimmed(std::string_view text) {
  for (bool changed = true; changed && !text.empty();) {
    changed = false;
    if (isWhitespaceOrLineBreak(text.front())) {
      text.remove_prefix(1);
      changed = true;
    } else if (isWhitespaceOrLineBreak(text.back())) {
      text.remove_suffix(1);
      changed = true;
    }
    for (std::string_view space : kWideSpaces) {
      if (text.starts_with(space)) {
        text.remove_prefix(space.size());
        changed = true;
      }
      if (text.ends_with(space)) {
        text.remove_suffix(space.size());
        changed = true;
      }
    }
  }
  return text;
}

Gradient primaryGradient() {
  return Gradient::linear({colorFromHex(palette::brandGreen), colorFromHex(palette::deepGreen)},
                          UnitPoint::top(), UnitPoint::bottom());
}

}  // namespace

EditPlantView::EditPlantView(const AppEnvironment& environment, std::shared_ptr<Plant> plant,
                             NavigationPath navigationPath, Action dismiss)
    : env_(environment),
      plant_(std::move(plant)),
      navigationPath_(std::move(navigationPath)),
      dismiss_(std::move(dismiss)),
      speciesPicker_(environment.runtime, binding(species)),
      scope_(environment.mainQueue) {
  const Date now = env_.clock.now();
  if (plant_) {
    name = plant_->name();
    species = speciesFromRawValue(plant_->species()).value_or(kAllSpecies.front());
    dateAcquired = plant_->dateAcquired();
    careFrequency = plant_->careFrequency();
    lightNeeds = plant_->lightNeeds();
    waterNeeds = plant_->waterNeeds();
    notes = plant_->notes();
    if (plant_->hasImageData()) setPhoto(plant_->imageData(), plant_->imageURL());
    location = plant_->location();
    notificationsEnabled = plant_->notificationsEnabled();
    notificationTime = plant_->notificationTime();
  } else {
    dateAcquired = now;
    // A time of day from its components alone: only its hour and minute matter.
    notificationTime = env_.calendar().date({.hour = 9, .minute = 0}).value_or(now);
  }
}

bool EditPlantView::isNameValid() const {
  return !trimmed(name).empty();
}

bool EditPlantView::canLeaveCurrentStep() const {
  return currentStep != OnboardingStep::basicInfo || isNameValid();
}

void EditPlantView::next() {
  const std::size_t c = position(currentStep);
  if (c + 1 >= kAllOnboardingSteps.size()) return;
  stepHistory.push_back(currentStep);
  currentStep = kAllOnboardingSteps[c + 1];
}

void EditPlantView::back() {
  if (stepHistory.empty()) return;
  currentStep = stepHistory.back();
  stepHistory.pop_back();
}

void EditPlantView::cancel() {
  // A new plant whose save failed was inserted but never saved: it leaves with the sheet, so
  // automatic saving does not store what the person abandoned.
  if (unsavedNewPlant_) deletePlant(env_.modelContext, unsavedNewPlant_, env_.notificationManager);
  dismiss_();
}

PlantEdits EditPlantView::edits() const {
  return {.name = name,
          .species = std::string(rawValue(species)),
          .dateAcquired = dateAcquired,
          .careFrequency = careFrequency,
          .lightNeeds = lightNeeds,
          .waterNeeds = waterNeeds,
          .notes = notes,
          .imageData = imageData,
          .location = location,
          .notificationsEnabled = notificationsEnabled,
          .notificationTime = notificationTime};
}

void EditPlantView::save() {
  const PlantSaveMode mode = isEditing() ? PlantSaveMode::edit : PlantSaveMode::add;
  PlantSaveOutcome outcome =
      savePlant(env_.modelContext, mode, isEditing() ? plant_ : unsavedNewPlant_, edits(),
                env_.clock.now(), env_.notificationManager, env_.notificationCenter);
  if (!outcome.ok()) {
    // Everything typed stays, and so does the new plant's record, so that another "Save Plant"
    // can store it once the cause is gone.
    if (!isEditing()) unsavedNewPlant_ = outcome.plant;
    saveError_ = outcome.error->description;
    return;
  }
  unsavedNewPlant_ = nullptr;
  if (outcome.isFirstPlant) {
    // The sheet is gone by then: the request belongs to the platform, not to this screen.
    env_.mainQueue.asyncAfter(
        0.5, [&runtime = env_.runtime] { runtime.systemLayer().requestReview("Verdeo"); });
  }
  if (!navigationPath_.isEmpty()) navigationPath_.removeAll();
  scope_.after(0.1, [this] { dismiss_(); });
}

void EditPlantView::reminderSwitchTurnedOn() {
  env_.notificationManager.requestPermission(scope_.callback<bool>([this](bool granted) {
    if (!granted) notificationsEnabled = false;
  }));
}

void EditPlantView::reminderSettingsChanged() {
  // The record keeps its own name, frequency and switch until saved; the save schedules again.
  if (notificationsEnabled && plant_)
    env_.notificationManager.scheduleReminder(*plant_, notificationTime);
}

void EditPlantView::setPhoto(std::optional<platform::store::Bytes> bytes, std::string url) {
  imageData = std::move(bytes);
  photoURL_ = std::move(url);
  // A fresh key for every photo, so an answer about earlier bytes is never reused.
  static std::uint64_t serial = 0;
  photoKey_ = "editor-photo-" + std::to_string(++serial);
}

void EditPlantView::removePhoto() {
  setPhoto(std::nullopt, {});
  selectedItem.reset();
  ++photoChoice_;
}

void EditPlantView::photoChosen() {
  if (!selectedItem) return;
  const std::uint64_t choice = ++photoChoice_;
  const PhotosPickerItem item = *selectedItem;
  item.loadData(env_.mainQueue,
                scope_.callback<platform::Result<std::vector<std::uint8_t>>>(
                    [this, choice, item](platform::Result<std::vector<std::uint8_t>> bytes) {
                      // A photo chosen later wins, whichever file arrives last; a failed load
                      // keeps the photo there was.
                      if (choice != photoChoice_ || !bytes) return;
                      setPhoto(std::move(bytes).value(), item.url());
                    }));
}

View EditPlantView::photoPicker(View label) const {
  auto* self = const_cast<EditPlantView*>(this);
  Binding<std::optional<PhotosPickerItem>> selection([self] { return self->selectedItem; },
                                                     [self](std::optional<PhotosPickerItem> item) {
                                                       self->selectedItem = std::move(item);
                                                       self->photoChosen();
                                                     });
  return PhotosPicker(std::move(label), std::move(selection), env_.runtime.pickedFiles())
      .accessibilityLabel("Choose Photo");
}

View EditPlantView::buttonBar() const {
  auto shaped = [](View label, View background) {
    return std::move(label)
        .fontWeight(FontWeight::semibold)
        .foregroundColor(Color::white)
        .frame({.maxWidth = infinity})
        .padding(Edge::vertical, 16)
        .background(std::move(background))
        .clipShape(Shape::roundedRect(35, CornerStyle::continuous));
  };
  std::vector<View> buttons;
  if (!stepHistory.empty())
    buttons.push_back(Button(shaped(Text("Back"), View(colorFromHex(palette::cardSurface))),
                             action(this, &EditPlantView::back))
                          .buttonStyle(ButtonStyle::plain)
                          .id("back"));
  if (currentStep != OnboardingStep::notes) {
    const bool enabled = canLeaveCurrentStep();
    View fill = enabled ? LinearGradient(primaryGradient())
                        : LinearGradient({Color::gray.opacity(0.4), Color::gray.opacity(0.4)},
                                         UnitPoint::top(), UnitPoint::bottom());
    buttons.push_back(
        Button(shaped(Text("Next"), std::move(fill)), action(this, &EditPlantView::next))
            .buttonStyle(ButtonStyle::plain)
            .disabled(!enabled)
            .id("next"));
  } else {
    buttons.push_back(Button(shaped(HStack({Symbol("checkmark"), Text("Save Plant")}),
                                    LinearGradient(primaryGradient())),
                             action(this, &EditPlantView::save))
                          .buttonStyle(ButtonStyle::plain)
                          .disabled(!isNameValid())
                          .accessibilityLabel("Save Plant")
                          .id("save"));
  }
  return HStack({.spacing = 16}, std::move(buttons))
      .padding()
      .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea(Edge::bottom));
}

View EditPlantView::page() const {
  switch (currentStep) {
    case OnboardingStep::basicInfo:
      return basicInfoPage();
    case OnboardingStep::appearance:
      return appearancePage();
    case OnboardingStep::careDetails:
      return careDetailsPage();
    case OnboardingStep::reminders:
      return remindersPage();
    case OnboardingStep::notes:
      return notesPage();
  }
  return basicInfoPage();
}

View EditPlantView::body() const {
  const bool alerting = saveError_.has_value();
  View content =
      VStack({.spacing = 0},
             {
                 StepProgressView{currentStep}.body().padding(),
                 ScrollView({.showsIndicators = true},
                            VStack({.alignment = HorizontalAlignment::center, .spacing = 20},
                                   {page().id(std::string(rawValue(currentStep)))})
                                .padding()),
                 buttonBar(),
             })
          .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
          .navigationTitle(isEditing() ? "Edit Plant" : "Add Plant")
          .navigationBarTitleDisplayMode(TitleDisplayMode::inline_)
          .toolbar({ToolbarItem::leading(Button(Text("Cancel").foregroundColor(Color::white),
                                                action(this, &EditPlantView::cancel)))})
          .alert("The plant could not be saved",
                 Binding<bool>([alerting] { return alerting; },
                               [self = const_cast<EditPlantView*>(this)](bool shown) {
                                 if (!shown) self->saveError_.reset();
                               }),
                 {AlertButton{"OK"}},
                 alerting
                     ? *saveError_ +
                           "\n\nEverything you entered is kept: tap \"Save Plant\" to try again."
                     : std::string());
  return navigationStackNode(std::move(content), {}, [](std::size_t) {})
      .interactiveDismissDisabled();
}

}  // namespace verdeo
