#include "app/care/ActivitiesView.hpp"

#include <algorithm>

#include "app/care/TaskRow.hpp"
#include "app/model/CareSchedule.hpp"
#include "app/model/PlantStore.hpp"
#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/foundation/DateFormatter.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;
using platform::Date;

namespace {

std::vector<const Plant*> identities(const std::vector<std::shared_ptr<Plant>>& plants) {
  std::vector<const Plant*> ids;
  ids.reserve(plants.size());
  for (const auto& plant : plants) ids.push_back(plant.get());
  return ids;
}

View card(View content, double verticalInset) {
  return std::move(content)
      .frame({.maxWidth = infinity})
      .padding(EdgeInsets{verticalInset, 24, verticalInset, 24})
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous));
}

View messageCard(const char* symbol, const char* title, const char* message) {
  return card(VStack({.spacing = 12},
                     {
                         Symbol(symbol).font(Font::system(40)).foregroundColor(
                             colorFromHex(palette::brandGreen)),
                         VStack({.spacing = 6},
                                {
                                    Text(title)
                                        .font(Font::system(18, FontWeight::bold))
                                        .foregroundColor(Color::white),
                                    Text(message).font(Font::system(16)).foregroundColor(
                                        Color::gray),
                                }),
                     }),
              40);
}

}  // namespace

// The card shown when the store holds no plants at all.
View NoPlantView() {
  return messageCard("leaf.circle.fill", "Add your first plant", "Tap + button to add your plant");
}

// The card shown when plants exist but none is due on the selected day.
View EmptyTasksView() {
  return messageCard("checkmark.circle.fill", "All caught up!", "No plants need care");
}

ActivitiesView::ActivitiesView(const AppEnvironment& environment)
    : navigationPath(environment.runtime,
                     [&environment](const ActivitiesRoute& route,
                                    const Navigator<ActivitiesRoute>& navigator) {
                       if (auto* learn = std::get_if<LearnRoute>(&route))
                         return learnDestination(*learn, navigator.narrowed<LearnRoute>());
                       // The settings and the calendar have their own screens to come.
                       return AnyScreen::make<PlaceholderView>(
                           environment, std::get<ActivitiesLink>(route) == ActivitiesLink::settings
                                            ? "Settings"
                                            : "Care Calendar");
                     }),
      env_(environment),
      plants_(queryAllPlants(environment.modelContext)),
      listIdentity_(identities(plants_.results())),
      addPlant_(environment.runtime),
      challenges_(environment, navigationPath.navigator().narrowed<LearnRoute>()),
      plantEssentials_(environment, navigationPath.navigator().narrowed<LearnRoute>()),
      scope_(environment.mainQueue) {
  scope_.onChange(plants_, [this] { plantsChanged(); });
}

Date ActivitiesView::selectedMoment() const {
  return markDoneDate(env_.clock.now(), dayOffset, env_.calendar());
}

std::vector<std::shared_ptr<Plant>> ActivitiesView::duePlants() const {
  const platform::Calendar& calendar = env_.calendar();
  const Date dayStart = calendar.startOfDay(selectedMoment());
  std::vector<std::shared_ptr<Plant>> due;
  for (const auto& plant : plants())
    if (isDue(*plant, dayStart, kListMonthHorizon, calendar)) due.push_back(plant);
  return due;
}

std::string ActivitiesView::dayTitle() const {
  const platform::Calendar& calendar = env_.calendar();
  const Date now = env_.clock.now();
  const Date selected = selectedMoment();
  if (calendar.isSameDay(selected, now)) return "Today";
  for (auto [offset, title] : {std::pair{-1, "Yesterday"}, std::pair{1, "Tomorrow"}}) {
    auto day = calendar.addingDays(offset, now);
    if (day && calendar.isSameDay(selected, *day)) return title;
  }
  return platform::DateFormatter::sharedPattern("EEEE, MMMM d", calendar).format(selected);
}

View ActivitiesView::dayNavigator() const {
  auto step = [this](const char* symbol, int by, const char* label) {
    return Button(Symbol(symbol)
                      .font(Font::system(20, FontWeight::semibold))
                      .foregroundColor(colorFromHex(palette::brandGreen)),
                  action(this, [by](ActivitiesView& s) { s.dayOffset += by; }))
        .buttonStyle(ButtonStyle::plain)
        .accessibilityLabel(label);
  };
  const std::string dateLine =
      platform::DateFormatter::sharedPattern("EEEE, MMMM d", env_.calendar()).format(selectedMoment());
  return HStack({
                    step("chevron.left", -1, "Previous day"),
                    Spacer(),
                    VStack({.spacing = 2},
                           {
                               Text(dayTitle())
                                   .font(Font::system(20, FontWeight::bold))
                                   .foregroundColor(Color::white),
                               Text(dateLine).font(Font::system(14)).foregroundColor(Color::gray),
                           }),
                    Spacer(),
                    step("chevron.right", 1, "Next day"),
                })
      .padding(EdgeInsets{16, 20, 16, 20})
      .background(colorFromHex(palette::cardSurface))
      .clipShape(Shape::roundedRect(20, CornerStyle::continuous))
      .padding(EdgeInsets{16, 20, 0, 20});
}

View ActivitiesView::careSection() const {
  const platform::Calendar& calendar = env_.calendar();
  const bool today = calendar.isSameDay(selectedMoment(), env_.clock.now());
  View content;
  if (plants().empty()) {
    content = NoPlantView();
  } else if (auto due = duePlants(); due.empty()) {
    content = EmptyTasksView();
  } else {
    content = VStack({.spacing = 12},
                     {ForEach(
                         due, [](const auto& plant) { return plant->id().string(); },
                         [this](const std::shared_ptr<Plant>& plant) {
                           const std::string key = plant->id().string();
                           TaskRow row{*plant,
                                       action(this, [plant](ActivitiesView& s) { s.tapDone(plant); }),
                                       isCompleting_[key], pictureDecodes(*plant)};
                           return isCompleting_.track(row.body(), key);
                         })});
  }
  return VStack({.alignment = HorizontalAlignment::leading, .spacing = 16},
                {
                    Text(today ? "Today's Care" : "Scheduled Care")
                        .font(Font::system(18, FontWeight::bold))
                        .foregroundColor(Color::white),
                    std::move(content),
                })
      .frame({.maxWidth = infinity, .alignment = Alignment::leading})
      .padding(Edge::horizontal, 20)
      .id(refreshID.string());
}

bool ActivitiesView::pictureDecodes(const Plant& plant) const {
  if (!plant.hasImageData()) return false;
  // The bytes are read and decoded once per photo version; a list redrawn later only asks.
  return env_.photoChecks.decodes(plant.imageURL(), [&plant] {
    const auto& bytes = plant.imageData();
    return bytes ? std::span<const std::uint8_t>(*bytes) : std::span<const std::uint8_t>();
  });
}

View ActivitiesView::toolbarSymbol(const char* symbol) const {
  return Symbol(symbol).font(Font::system(16)).foregroundColor(Color::white);
}

View ActivitiesView::body() const {
  const Navigator<ActivitiesRoute> navigator = navigationPath.navigator();
  View root =
      ScrollView({.showsIndicators = true},
                 VStack({.spacing = 16},
                        {
                            dayNavigator(),
                            careSection(),
                            challenges_.body().padding(EdgeInsets{48, 20, 0, 20}),
                            plantEssentials_.body().padding(EdgeInsets{24, 20, 150, 20}),
                        }))
          .background(View(colorFromHex(palette::nightBackground)).ignoresSafeArea())
          .navigationTitle("Activities")
          .toolbar({
              ToolbarItem::leading(
                  NavigationLink(toolbarSymbol("gear"), navigator,
                                 ActivitiesRoute(ActivitiesLink::settings))
                      .accessibilityLabel("Settings")),
              ToolbarItem::leading(
                  NavigationLink(toolbarSymbol("calendar"), navigator,
                                 ActivitiesRoute(ActivitiesLink::calendar))
                      .accessibilityLabel("Calendar")),
              ToolbarItem::trailing(
                  Button(Symbol("plus").font(Font::system(16, FontWeight::bold))
                             .foregroundColor(Color::white),
                         action(this,
                                [](ActivitiesView& s) {
                                  s.env_.haptics.impact(ImpactStyle::light);
                                  s.addPlant_.present(s.env_, nullptr, s.navigationPath.path(),
                                                     s.addPlant_.dismissAction());
                                }))
                      .accessibilityLabel("Add Plant")),
          })
          .sheet(addPlant_)
          .onAppear(action(this, &ActivitiesView::appear));
  return navigationPath.view(std::move(root));
}

void ActivitiesView::appear() {
  dayOffset = 0;
  writeWidgetSnapshot();
}

void ActivitiesView::plantsChanged() {
  auto now = identities(plants());
  if (now == listIdentity_) return;
  listIdentity_ = std::move(now);
  writeWidgetSnapshot();
}

void ActivitiesView::tapDone(const std::shared_ptr<Plant>& plant) {
  const std::string key = plant->id().string();
  if (isCompleting_[key]) return;
  isCompleting_.set(key, true);
  scope_.after(0.1, [this, plant, key] {
    markDone(*plant);
    isCompleting_.erase(key);
  });
}

void ActivitiesView::markDone(Plant& plant) {
  verdeo::markDone(plant, env_.clock.now(), dayOffset, env_.calendar());
  writeWidgetSnapshot();
  // Every row of the section is built afresh.
  refreshID = platform::Uuid::random();
  isCompleting_.reset();
}

void ActivitiesView::writeWidgetSnapshot() {
  // The home-screen widget's snapshot is written here, and only here.
}

}  // namespace verdeo
