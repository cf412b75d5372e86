#include "platform/ui/TestHarness.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/foundation/Log.hpp"
#include "platform/ui/Ui.hpp"

namespace platform::ui {
namespace {

// --- a counter: state as a field, a handler, a control disabled by state

struct CounterView {
  int count = 0;
  View body() const {
    return VStack(
        {.spacing = 8},
        {
            Text("Count: " + std::to_string(count)).font(Font::headline),
            Button("+", action(this, &CounterView::increment)),
            Button("Reset", action(this, [](CounterView& s) { s.count = 0; })).disabled(count == 0),
        });
  }
  void increment() { ++count; }
};

TEST(Counter, TapsChangeStateAndTheTreeFollows) {
  TestHarness h;
  CounterView screen;
  h.show([&] { return screen.body(); });
  EXPECT_TRUE(h.exists(text("Count: 0")));
  EXPECT_FALSE(h.tap(text("Reset"))) << "a disabled button cannot be tapped";
  ASSERT_TRUE(h.tap(text("+")));
  ASSERT_TRUE(h.tap(text("+")));
  EXPECT_EQ(screen.count, 2);
  EXPECT_EQ(h.dump(),
            "vstack alignment=\"center\" spacing=8\n"
            "  text \"Count: 2\" .font={\"style\":\"headline\"}\n"
            "  button on:tap\n"
            "    text \"+\"\n"
            "  button on:tap\n"
            "    text \"Reset\"\n");
  ASSERT_TRUE(h.tap(text("Reset")));
  EXPECT_TRUE(h.exists(text("Count: 0")));
}

// --- a list of 200 keyed rows

struct RowsView {
  std::vector<int> items;
  std::vector<int> done;
  RowsView() {
    for (int i = 0; i < 200; ++i) items.push_back(i);
  }
  View body() const {
    return ScrollView(LazyVStack(
        {.spacing = 12}, {ForEach(
                             items, [](int i) { return "plant-" + std::to_string(i); },
                             [this](int i) {
                               return HStack({Text("Plant " + std::to_string(i)), Spacer(),
                                              Button("Done", action(this,
                                                                    [i](RowsView& s) {
                                                                      s.done.push_back(i);
                                                                      std::erase(s.items, i);
                                                                    }))})
                                   .padding();
                             })}));
  }
};

TEST(Rows, KeyedRowsKeepTheirIdentityAndTheirOwnHandlers) {
  TestHarness h;
  RowsView screen;
  h.show([&] { return screen.body(); });
  const std::string id150 = h.find(kind("padding") && containing(text("Plant 150"))).id();
  EXPECT_EQ(id150, "0.0.@plant-150");

  ASSERT_TRUE(h.tap(nodeId(h.find(kind("padding") && containing(text("Plant 10"))).id() + ".0.2")));
  EXPECT_EQ(screen.done, std::vector<int>{10});
  EXPECT_FALSE(h.exists(text("Plant 10")));
  EXPECT_EQ(h.find(kind("padding") && containing(text("Plant 150"))).id(), id150);

  const NodeRef row150 = h.find(kind("padding") && containing(text("Plant 150")));
  ASSERT_TRUE(h.tap(TestHarness::find(text("Done"), row150)));
  EXPECT_EQ(screen.done, (std::vector<int>{10, 150}));
  EXPECT_EQ(h.texts()[0], "Plant 0");
  EXPECT_EQ(h.texts()[2], "Plant 1");
  EXPECT_EQ(h.findAll(text("Done")).size(), 198u);
}

// --- a sheet owned by its presenter

struct EditorSheet {
  EditorSheet(bool locked, Action close) : locked(locked), close(std::move(close)) {}
  EditorSheet(const EditorSheet&) = delete;
  std::string name;
  bool locked = false;
  Action close;
  View body() const {
    return VStack({TextField("Plant Name", binding(name)), Button("Cancel", close)})
        .interactiveDismissDisabled(locked);
  }
};

struct PresenterView {
  explicit PresenterView(Environment& env) : editor(env.runtime) {}
  PresenterView(const PresenterView&) = delete;
  bool lockEditor = false;
  ScreenSlot<EditorSheet> editor;
  bool showingEditor() const { return editor.isPresented(); }

  View body() const {
    return VStack({Text("Plants"), Button("Add", action(this, &PresenterView::add))})
        .sheet(editor);
  }
  void add() { editor.present(lockEditor, editor.dismissAction()); }
};

TEST(Sheet, PresentsOwnedStateThatEndsWhenItIsSwipedAway) {
  TestHarness h;
  PresenterView screen(h.environment());
  h.show([&] { return screen.body(); });
  EXPECT_FALSE(h.dismissSheet());
  ASSERT_TRUE(h.tap(text("Add")));
  EXPECT_FALSE(h.exists(text("Plants"))) << "what is under a sheet cannot be reached";
  EXPECT_TRUE(h.exists(text("Plants"), TestHarness::Scope::wholeTree));
  ASSERT_TRUE(h.type(placeholder("Plant Name"), "Kelly"));
  EXPECT_EQ(screen.editor->name, "Kelly");
  EXPECT_EQ(h.find(placeholder("Plant Name")).prop("value"), "Kelly");

  ASSERT_TRUE(h.dismissSheet());
  EXPECT_FALSE(screen.showingEditor());
  ASSERT_TRUE(h.tap(text("Add")));
  EXPECT_EQ(h.find(placeholder("Plant Name")).prop("value"), "") << "a new sheet starts afresh";
  ASSERT_TRUE(h.tap(text("Cancel")));
  EXPECT_FALSE(screen.showingEditor());
  EXPECT_FALSE(h.exists(kind("sheet")));
}

TEST(Sheet, ASheetThatMayNotBeSwipedAwayIgnoresADismiss) {
  TestHarness h;
  PresenterView screen(h.environment());
  screen.lockEditor = true;
  h.show([&] { return screen.body(); });
  ASSERT_TRUE(h.tap(text("Add")));
  EXPECT_EQ(h.find(kind("sheet")).prop("dismissDisabled"), true);
  EXPECT_FALSE(h.dismissSheet());
  ScopedLogCapture log;
  h.send("0.1:dismiss");  // as a display that does not know better would
  EXPECT_TRUE(screen.showingEditor());
  EXPECT_TRUE(log.contains("Ignored an event for an unknown handler: 0.1:dismiss"));
}

TEST(Sheet, ALetGoScreenLivesUntilItsViewsHeardTheyDisappeared) {
  struct Watched {
    explicit Watched(int& disappeared) : disappeared(disappeared) {}
    Watched(const Watched&) = delete;
    int& disappeared;
    View body() const {
      return Text("Sheet").onDisappear([this] { ++disappeared; });
    }
  };
  TestHarness h;
  int disappeared = 0;
  ScreenSlot<Watched> slot(h.runtime());
  h.show([&] { return Text("Root").sheet(slot); });
  slot.present(disappeared);
  h.render();
  ASSERT_TRUE(h.dismissSheet());
  EXPECT_EQ(disappeared, 1) << "the action ran on the screen, which was still alive";
}

// --- navigation: push, pop, restore; pushed screens keep their state while on the path

struct DetailPage {
  DetailPage(int item, Navigator<int> navigator) : item(item), navigator(std::move(navigator)) {}
  DetailPage(const DetailPage&) = delete;
  int item;
  Navigator<int> navigator;
  int likes = 0;
  View body() const {
    return VStack({Text("Item " + std::to_string(item)), Text("Likes " + std::to_string(likes)),
                   Button("Like", action(this, [](DetailPage& s) { ++s.likes; })),
                   NavigationLink(Text("Next"), navigator, item + 1),
                   Button("Back to the list", [nav = navigator] { nav.removeAll(); })})
        .navigationTitle("Item " + std::to_string(item))
        .navigationBarTitleDisplayMode(TitleDisplayMode::inline_);
  }
};

struct ListPage {
  explicit ListPage(Environment& env)
      : stack(env.runtime, [](const int& item, const Navigator<int>& navigator) {
          return AnyScreen::make<DetailPage>(item, navigator);
        }) {}
  ListPage(const ListPage&) = delete;
  NavigationStack<int> stack;

  View body() const {
    const Navigator<int> navigator = stack.navigator();
    return stack.view(
        VStack({ForEach(
                   std::vector<int>{1, 2, 3}, [](int i) { return std::to_string(i); },
                   [&](int i) {
                     return NavigationLink(Text("Open " + std::to_string(i)), navigator, i);
                   })})
            .navigationTitle("Items")
            .toolbar({ToolbarItem::trailing(NavigationLink(Symbol("plus"), navigator, 99))}));
  }
};

TEST(Navigation, PushPopAndRestore) {
  TestHarness h;
  ListPage screen(h.environment());
  h.show([&] { return screen.body(); });
  EXPECT_EQ(h.find(kind("page")).prop("title"), "Items");
  ASSERT_TRUE(h.tap(text("Open 2")));
  EXPECT_FALSE(h.exists(text("Open 1"))) << "only the top page is reachable";
  ASSERT_TRUE(h.tap(text("Like")));
  ASSERT_TRUE(h.tap(text("Like")));
  ASSERT_TRUE(h.tap(text("Next")));
  EXPECT_EQ(screen.stack.routes(), (std::vector<int>{2, 3}));
  EXPECT_TRUE(h.exists(text("Likes 0")));
  EXPECT_EQ(h.findAll(kind("page"), TestHarness::Scope::wholeTree).back().prop("backButton"), true);

  ASSERT_TRUE(h.pop());
  EXPECT_TRUE(h.exists(text("Likes 2"))) << "a page still on the path keeps its state";

  const std::vector<int> saved = screen.stack.routes();
  ASSERT_TRUE(h.tap(text("Back to the list")));
  EXPECT_TRUE(h.exists(text("Open 1")));
  screen.stack.setRoutes(saved);
  h.render();
  EXPECT_TRUE(h.exists(text("Item 2")));
  EXPECT_TRUE(h.exists(text("Likes 0"))) << "a restored page is built afresh";

  ASSERT_TRUE(h.pop());
  EXPECT_FALSE(h.pop());
  ASSERT_TRUE(h.tap(symbol("plus"))) << "toolbar items are reachable on their page";
  EXPECT_TRUE(h.exists(text("Item 99")));
}

TEST(Navigation, APopToADepthThatIsNotThereIsIgnored) {
  TestHarness h;
  ListPage screen(h.environment());
  h.show([&] { return screen.body(); });
  ASSERT_TRUE(h.tap(text("Open 1")));
  ScopedLogCapture log;
  h.send("0:pop", 1);
  h.send("0:pop", -1);
  h.send("0:pop", "0");
  EXPECT_EQ(screen.stack.count(), 1u);
  EXPECT_EQ(log.lines().size(), 3u);
  h.send("0:pop", 0);
  EXPECT_EQ(screen.stack.count(), 0u);
}

TEST(Navigation, HandlesOutlivingTheirStackDoNothing) {
  TestHarness h;
  Navigator<int> navigator;
  NavigationPath path;
  {
    ListPage screen(h.environment());
    navigator = screen.stack.navigator();
    path = screen.stack.path();
    navigator.push(1);
    EXPECT_EQ(path.count(), 1u);
  }
  navigator.push(2);
  path.removeAll();
  EXPECT_TRUE(path.isEmpty());
}

// A piece that knows only some of a stack's routes pushes them through a narrowed navigator.
TEST(Navigation, ANarrowedNavigatorPushesOntoTheSameStack) {
  TestHarness h;
  ListPage screen(h.environment());
  const Navigator<short> narrowed = screen.stack.navigator().narrowed<short>();
  h.show([&] { return screen.body(); });
  narrowed.push(short{7});
  h.render();
  EXPECT_EQ(screen.stack.routes(), std::vector<int>{7});
  EXPECT_TRUE(h.exists(text("Item 7")));
  EXPECT_EQ(narrowed.count(), 1u) << "it sees the whole stack";
  narrowed.removeAll();
  EXPECT_TRUE(screen.stack.isEmpty());
}

// --- appear and disappear, with a delayed step cancelled when its page goes

struct TypingPage {
  TypingPage(Environment& env, std::string sentence, std::vector<std::string>& typed)
      : env(env), sentence(std::move(sentence)), typed(typed), scope(env.mainQueue) {}
  Environment& env;
  std::string sentence;
  std::vector<std::string>& typed;
  ScreenScope scope;
  std::string shown;

  View body() const {
    return VStack({Text(shown.empty() ? " " : shown)}).onAppear(action(this, &TypingPage::start));
  }
  void start() {
    for (std::size_t k = 0; k < sentence.size(); ++k)
      scope.after(0.05 * double(k), [this, k] {
        shown += sentence[k];
        typed.push_back(sentence.substr(k, 1));
        env.haptics.selection();
      });
  }
};

struct PagesView {
  explicit PagesView(Environment& env) : env(env), page(env.runtime) {
    page.present(env, "Hello", typed);
  }
  Environment& env;
  int index = 0;
  std::vector<std::string> typed;
  ScreenSlot<TypingPage> page;

  View body() const {
    return VStack({page->body().id(std::to_string(index)).transition(Transition::slide),
                   Button("Next", action(this, &PagesView::next))});
  }
  void next() {
    env.withAnimation(Animation::easeInOut(0.3), [this] {
      ++index;
      page.present(env, "World", typed);
    });
  }
};

TEST(Lifecycle, ALeavingPageStopsItsDelayedStepsAndTheNewOneStarts) {
  TestHarness h;
  PagesView screen(h.environment());
  std::vector<Json> animations;
  h.runtime().setDisplay(
      [&](const std::string& m) { animations.push_back(Json::parse(m)["animation"]); });
  h.show([&] { return screen.body(); });
  EXPECT_TRUE(h.exists(text("H"))) << "the first character is typed at once";
  h.advance(0.05);
  EXPECT_TRUE(h.exists(text("He")));
  animations.clear();
  ASSERT_TRUE(h.tap(text("Next")));
  ASSERT_GE(animations.size(), 2u);
  EXPECT_EQ(animations[0]["curve"], "easeInOut") << "the page change slides with its animation";
  EXPECT_TRUE(animations[1].is_null()) << "the typing that follows does not";
  h.advance(1);
  EXPECT_TRUE(h.exists(text("World")));
  EXPECT_EQ(screen.typed, (std::vector<std::string>{"H", "e", "W", "o", "r", "l", "d"}));
  EXPECT_EQ(h.haptics().size(), 7u);
  EXPECT_EQ(h.queue().pendingTimerCount(), 0u);
}

// --- the scope: nothing that captured a screen runs once the screen is gone

TEST(Scope, CancelsStepsAnswersObserversAndQueryCallbacksWithItsScreen) {
  struct FakeQuery {
    std::function<void()> changed;
    void onChange(std::function<void()> callback) { changed = std::move(callback); }
  };
  TestHarness h;
  NotificationCenter center(h.queue());
  FakeQuery query;
  std::vector<std::string> ran;
  std::function<void(bool)> answer;
  {
    ScreenScope scope(h.queue());
    scope.after(0.1, [&] { ran.push_back("step"); });
    scope.async([&] { ran.push_back("task"); });
    answer = scope.callback<bool>([&](bool granted) { ran.push_back(granted ? "yes" : "no"); });
    scope.observe(center, "RefreshPlantList", [&] { ran.push_back("observer"); });
    scope.onChange(query, [&] { ran.push_back("query"); });
    answer(true);
    center.post("RefreshPlantList");
    query.changed();
    h.advance(0);
    EXPECT_THAT(ran, ::testing::UnorderedElementsAre("yes", "query", "observer", "task"));
    ran.clear();
    scope.async([&] { ran.push_back("task"); });
    center.post("RefreshPlantList");
  }
  answer(false);
  query.changed();
  h.advance(1);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(center.observerCount("RefreshPlantList"), 0u);
}

TEST(Scope, CancellingStepsLeavesTheRestInPlace) {
  TestHarness h;
  std::vector<std::string> ran;
  ScreenScope scope(h.queue());
  scope.after(0.1, [&] { ran.push_back("cancelled"); });
  auto answer = scope.callback([&] { ran.push_back("answer"); });
  scope.cancelSteps();
  scope.after(0.2, [&] { ran.push_back("later"); });
  answer();
  h.advance(1);
  EXPECT_EQ(ran, (std::vector<std::string>{"answer", "later"}));
}

// --- state kept per row, by key

struct FlagsView {
  std::vector<std::string> items{"a", "b", "c"};
  RowState<bool> flagged;
  View body() const {
    return VStack({ForEach(
        items, [](const std::string& i) { return i; },
        [this](const std::string& i) {
          return flagged.track(
              Button(flagged[i] ? i + " flagged" : i, action(this, [i](FlagsView& s) {
                       s.flagged.set(i, true);
                     })),
              i);
        })});
  }
};

TEST(RowState, ARowsStateLeavesWithTheRowAndIsResetWhole) {
  TestHarness h;
  FlagsView screen;
  h.show([&] { return screen.body(); });
  ASSERT_TRUE(h.tap(text("a")));
  ASSERT_TRUE(h.tap(text("b")));
  EXPECT_TRUE(h.exists(text("b flagged")));
  std::erase(screen.items, "b");
  h.render();
  h.advance(0);
  EXPECT_EQ(screen.flagged.size(), 1u) << "b's state left with its row";
  screen.items.push_back("b");
  h.render();
  EXPECT_TRUE(h.exists(text("b"))) << "a row that comes back starts afresh";
  EXPECT_TRUE(h.exists(text("a flagged")));
  screen.flagged.reset();
  h.render();
  EXPECT_TRUE(h.exists(text("a")));
}

// --- tabs, haptics, alerts, pickers

enum class Room { livingRoom, kitchen, garden };

struct ShellView {
  explicit ShellView(Environment& env) : env(env) {}
  Environment& env;
  int selectedTab = 0;
  bool showingDelete = false;
  bool deleted = false;
  Room room = Room::livingRoom;
  Date reminder = Date::fromUnixSeconds(1'767'258'000);  // 2026-01-01 09:00 UTC

  View body() const {
    Binding<int> tab([this] { return selectedTab; }, action(this, [](ShellView& s, int value) {
                       s.selectedTab = value;
                       s.env.haptics.impact(ImpactStyle::light);
                     }));
    View settings = VStack({Picker<Room>("Location", binding(room),
                                         {{"Living Room", Room::livingRoom},
                                          {"Kitchen", Room::kitchen},
                                          {"Garden", Room::garden}}),
                            DatePicker("Notification Time", binding(reminder),
                                       DatePickerMode::hourMinute, env.localTime),
                            Button(ButtonRole::destructive, "Delete",
                                   action(this, [](ShellView& s) { s.showingDelete = true; }))})
                        .alert("Delete Plant", binding(showingDelete),
                               {{"Cancel", ButtonRole::cancel, {}},
                                {"Delete", ButtonRole::destructive,
                                 action(this, [](ShellView& s) { s.deleted = true; })}},
                               "Are you sure?");
    return TabView(tab,
                   {{"Activities", "menucard.fill", Text("Today's Care")},
                    {"Plants", "leaf.fill", std::move(settings)}},
                   Color::hex("1FC887"))
        .preferredColorScheme(ColorScheme::dark);
  }
};

TEST(Shell, TabsPlayAHapticOnlyWhenTheSelectionChanges) {
  TestHarness h;
  ShellView screen(h.environment());
  h.show([&] { return screen.body(); });
  EXPECT_TRUE(h.exists(text("Today's Care")));
  EXPECT_FALSE(h.exists(text("Delete"))) << "another tab's content cannot be reached";
  ASSERT_TRUE(h.selectTab(1));
  ASSERT_TRUE(h.selectTab(1));
  ASSERT_TRUE(h.selectTab(0));
  EXPECT_EQ(h.haptics(), (std::vector<std::string>{"impact:light", "impact:light"}));
  ScopedLogCapture log;
  EXPECT_TRUE(h.selectTab(2));
  EXPECT_EQ(screen.selectedTab, 0);
  EXPECT_TRUE(log.contains("Ignored an event with a value of the wrong type: 0:select"));
}

TEST(Shell, AlertButtonsCloseTheAlertAndRunTheirAction) {
  TestHarness h;
  ShellView screen(h.environment());
  h.show([&] { return screen.body(); });
  ASSERT_TRUE(h.selectTab(1));
  ASSERT_TRUE(h.tap(text("Delete")));
  ASSERT_TRUE(h.alert());
  EXPECT_EQ(h.alert().prop("title"), "Delete Plant");
  EXPECT_EQ(h.alert().prop("buttons")[1]["role"], "destructive");
  EXPECT_FALSE(h.exists(text("Delete"))) << "nothing beneath an alert can be reached";
  ASSERT_TRUE(h.tapAlertButton("Cancel"));
  EXPECT_FALSE(h.alert());
  EXPECT_FALSE(screen.deleted);
  ASSERT_TRUE(h.tap(text("Delete")));
  ASSERT_TRUE(h.tapAlertButton("Delete"));
  EXPECT_TRUE(screen.deleted);
  EXPECT_FALSE(screen.showingDelete);
}

TEST(Shell, AnAlertWithoutButtonsOffersOK) {
  TestHarness h;
  bool showing = true;
  h.show([&] { return Text("Saved").alert("Could not save", binding(showing), {}, "Try again."); });
  ASSERT_TRUE(h.alert());
  EXPECT_EQ(h.alert().prop("buttons"),
            Json::parse(R"([{"label": "OK", "role": "cancel", "handler": "0.1:button.0"}])"));
  ASSERT_TRUE(h.tapAlertButton("OK"));
  EXPECT_FALSE(showing);
  EXPECT_FALSE(h.alert());
}

TEST(Shell, PickersTakeOptionsAndWallClockTimes) {
  TestHarness h(3600);  // the user's clock runs an hour ahead of UTC
  ShellView screen(h.environment());
  h.show([&] { return screen.body(); });
  ASSERT_TRUE(h.selectTab(1));
  EXPECT_EQ(h.find(kind("picker")).prop("selection"), "0");
  ASSERT_TRUE(h.pick(label("Location"), "Kitchen"));
  EXPECT_EQ(screen.room, Room::kitchen);

  EXPECT_EQ(h.find(kind("datepicker")).prop("value"), "10:00");
  ASSERT_TRUE(h.pick(label("Notification Time"), "07:30"));
  EXPECT_EQ(screen.reminder, Date::fromUnixSeconds(1'767'258'000 - 9000));

  ScopedLogCapture log;
  for (const char* bad : {"25:00", "7:30", "07:60", "seven"})
    ASSERT_TRUE(h.pick(label("Notification Time"), bad));
  EXPECT_EQ(screen.reminder, Date::fromUnixSeconds(1'767'258'000 - 9000));
  EXPECT_EQ(log.lines().size(), 4u);
  EXPECT_FALSE(h.pick(label("Location"), "Attic"));
}

TEST(DatePickerText, DaysKeepTheTimeAndImpossibleDaysAreRefused) {
  FixedOffsetLocalTime rome(3600);
  const Date reminder = Date::fromUnixSeconds(1'767'258'000);  // 10:00 on 1 January there
  EXPECT_EQ(datePickerText(reminder, DatePickerMode::date, rome), "2026-01-01");
  EXPECT_EQ(datePickerDate("2024-02-29", reminder, DatePickerMode::date, rome),
            Date::fromUnixSeconds(1'709'197'200));  // 2024-02-29 10:00 there
  EXPECT_FALSE(datePickerDate("2025-02-29", reminder, DatePickerMode::date, rome));
  EXPECT_FALSE(datePickerDate("2025-13-01", reminder, DatePickerMode::date, rome));
  EXPECT_FALSE(datePickerDate("2025-1-01", reminder, DatePickerMode::date, rome));
}

}  // namespace
}  // namespace platform::ui
