#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/AnyScreen.hpp"
#include "platform/ui/Controls.hpp"
#include "platform/ui/Runtime.hpp"
#include "platform/ui/View.hpp"

namespace platform::ui {

struct NavigationPage {
  std::uint64_t serial = 0;  // the page's identity: a new push is a new page
  View content{};
};

// The navstack node: a root page and the pushed pages, each a page node carrying its title and
// toolbar; `pop` takes the new number of pushed pages.
View navigationStackNode(View root, std::vector<NavigationPage> pushed,
                         std::function<void(std::size_t depth)> pop);

namespace detail {
// What every stack can do whatever its routes: how deep it is, and going back.
class NavigationPathState {
 public:
  virtual ~NavigationPathState() = default;
  virtual std::size_t count() const = 0;
  virtual void removeLast(std::size_t n) = 0;
};
}  // namespace detail

// A handle on a navigation stack for a screen that does not know its routes: how deep it is, and
// going back (the plant editor empties its presenter's path after a save). It does nothing once
// the stack is gone.
class NavigationPath {
 public:
  NavigationPath() = default;
  explicit NavigationPath(std::weak_ptr<detail::NavigationPathState> state)
      : state_(std::move(state)) {}
  std::size_t count() const {
    auto state = state_.lock();
    return state ? state->count() : 0;
  }
  bool isEmpty() const { return count() == 0; }
  void removeLast(std::size_t n = 1) const {
    if (auto state = state_.lock()) state->removeLast(n);
  }
  void removeAll() const { removeLast(count()); }

 protected:
  std::weak_ptr<detail::NavigationPathState> state_;
};

template <class Route>
class NavigationStack;

// A handle on the enclosing stack for what pushes onto it: links, and screens that push further.
template <class Route>
class Navigator : public NavigationPath {
 public:
  Navigator() = default;
  void push(Route route) const {
    auto base = state_.lock();
    if (base && push_) push_(*base, std::move(route));
  }

  // The same stack for a piece that knows only some of its routes (a section embedded in a
  // screen whose stack also leads elsewhere): its routes become the stack's on the way in.
  template <class Sub>
  requires std::constructible_from<Route, Sub> Navigator<Sub> narrowed()
  const {
    Navigator<Sub> sub(state_);
    sub.push_ = [push = push_](detail::NavigationPathState& state, Sub route) {
      if (push) push(state, Route(std::move(route)));
    };
    return sub;
  }

 private:
  template <class>
  friend class Navigator;
  friend class NavigationStack<Route>;
  using Push = std::function<void(detail::NavigationPathState&, Route)>;
  Navigator(std::weak_ptr<detail::NavigationPathState> state, Push push = {})
      : NavigationPath(std::move(state)), push_(std::move(push)) {}
  Push push_;
};

// A button that pushes `route` onto the stack of `navigator`.
template <class Route>
View NavigationLink(View label, Navigator<Route> navigator, Route route) {
  return Button(std::move(label), [navigator = std::move(navigator), route = std::move(route)] {
    navigator.push(route);
  });
}

// A navigation stack owned by a screen: the path of route values, a screen for each pushed
// route (built by `destination`, alive while its route is on the path), and the tree of it all.
template <class Route>
class NavigationStack {
 public:
  using Destination = std::function<AnyScreen(const Route&, const Navigator<Route>&)>;

  NavigationStack(Runtime& runtime, Destination destination)
      : state_(std::make_shared<State>(runtime, std::move(destination))) {}
  ~NavigationStack() { state_->removeLast(state_->entries.size()); }
  NavigationStack(const NavigationStack&) = delete;
  NavigationStack& operator=(const NavigationStack&) = delete;

  Navigator<Route> navigator() const { return Navigator<Route>(state_, &State::pushOnto); }
  NavigationPath path() const { return NavigationPath(state_); }

  void push(Route route) { state_->push(std::move(route)); }
  std::size_t count() const { return state_->count(); }
  bool isEmpty() const { return count() == 0; }
  void removeLast(std::size_t n = 1) { state_->removeLast(n); }
  void removeAll() { removeLast(count()); }

  std::vector<Route> routes() const {
    std::vector<Route> routes;
    for (const Entry& e : state_->entries) routes.push_back(e.route);
    return routes;
  }

  // Replaces the path. Pages whose routes stay the same from the root on keep their screens;
  // the rest are built afresh.
  void setRoutes(std::vector<Route> routes) {
    std::size_t keep = 0;
    auto& entries = state_->entries;
    if constexpr (std::equality_comparable<Route>) {
      while (keep < entries.size() && keep < routes.size() && entries[keep].route == routes[keep])
        ++keep;
    }
    removeLast(entries.size() - keep);
    for (std::size_t i = keep; i < routes.size(); ++i) push(std::move(routes[i]));
  }

  // The screen of the top page (empty when only the root is shown).
  const AnyScreen& top() const {
    static const AnyScreen none;
    return state_->entries.empty() ? none : state_->entries.back().screen;
  }

  View view(View root) const {
    std::vector<NavigationPage> pushed;
    pushed.reserve(state_->entries.size());
    for (const Entry& e : state_->entries) pushed.push_back({e.serial, e.screen.body()});
    return navigationStackNode(std::move(root), std::move(pushed),
                               [weak = std::weak_ptr<State>(state_)](std::size_t depth) {
                                 if (auto state = weak.lock())
                                   state->removeLast(state->count() - depth);
                               });
  }

 private:
  friend class Navigator<Route>;
  struct Entry {
    Route route;
    AnyScreen screen;
    std::uint64_t serial;
  };
  struct State final : detail::NavigationPathState, std::enable_shared_from_this<State> {
    State(Runtime& runtime, Destination destination)
        : runtime(&runtime), lifetime(runtime.lifetime()), destination(std::move(destination)) {}
    std::size_t count() const override { return entries.size(); }
    void removeLast(std::size_t n) override {
      n = std::min(n, entries.size());
      for (std::size_t i = 0; i < n; ++i) {
        if (!lifetime.expired()) runtime->retire(entries.back().screen.object());
        entries.pop_back();
      }
    }
    void push(Route route) {
      AnyScreen screen =
          destination(route, Navigator<Route>(this->weak_from_this(), &State::pushOnto));
      entries.push_back({std::move(route), std::move(screen), nextSerial++});
    }
    static void pushOnto(detail::NavigationPathState& state, Route route) {
      static_cast<State&>(state).push(std::move(route));
    }
    Runtime* runtime;
    std::weak_ptr<bool> lifetime;
    Destination destination;
    std::vector<Entry> entries;
    std::uint64_t nextSerial = 1;
  };
  std::shared_ptr<State> state_;
};

}  // namespace platform::ui
