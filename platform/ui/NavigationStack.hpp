#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/AnyScreen.hpp"
#include "platform/ui/Runtime.hpp"
#include "platform/ui/View.hpp"

namespace platform::ui {

// The part of a navigation stack that screens which do not know its routes may use: how deep it
// is, and emptying it (the plant editor empties its presenter's path after a save).
class NavigationPath {
 public:
  virtual ~NavigationPath() = default;
  virtual std::size_t count() const = 0;
  virtual void removeLast(std::size_t n = 1) = 0;
  void removeAll() { removeLast(count()); }
  bool isEmpty() const { return count() == 0; }
};

struct NavigationPage {
  std::uint64_t serial = 0;  // the page's identity: a new push is a new page
  View content{};
};

// The navstack node: a root page and the pushed pages, each a page node carrying its title and
// toolbar; `pop` takes the new number of pushed pages.
View navigationStackNode(View root, std::vector<NavigationPage> pushed,
                         std::function<void(std::size_t depth)> pop);

// A navigation stack owned by a screen: the path of route values, a screen for each pushed
// route (built by `destination`, alive while its route is on the path), and the tree of it all.
template <class Route>
class NavigationStack final : public NavigationPath {
 public:
  using Destination = std::function<AnyScreen(const Route&)>;

  NavigationStack(Runtime& runtime, Destination destination)
      : runtime_(&runtime), lifetime_(runtime.lifetime()), destination_(std::move(destination)) {}
  ~NavigationStack() override { removeLast(entries_.size()); }
  NavigationStack(const NavigationStack&) = delete;
  NavigationStack& operator=(const NavigationStack&) = delete;

  void push(Route route) {
    AnyScreen screen = destination_(route);
    entries_.push_back({std::move(route), std::move(screen), nextSerial_++});
  }

  std::size_t count() const override { return entries_.size(); }

  void removeLast(std::size_t n = 1) override {
    n = std::min(n, entries_.size());
    for (std::size_t i = 0; i < n; ++i) {
      if (!lifetime_.expired()) runtime_->retire(entries_.back().screen.object());
      entries_.pop_back();
    }
  }

  std::vector<Route> path() const {
    std::vector<Route> routes;
    for (const Entry& e : entries_) routes.push_back(e.route);
    return routes;
  }

  // Replaces the path. Pages whose routes stay the same from the root on keep their screens;
  // the rest are built afresh.
  void setPath(std::vector<Route> routes) {
    std::size_t keep = 0;
    if constexpr (std::equality_comparable<Route>) {
      while (keep < entries_.size() && keep < routes.size() && entries_[keep].route == routes[keep])
        ++keep;
    }
    removeLast(entries_.size() - keep);
    for (std::size_t i = keep; i < routes.size(); ++i) push(std::move(routes[i]));
  }

  // The screen of the top page (empty when only the root is shown).
  const AnyScreen& top() const {
    static const AnyScreen none;
    return entries_.empty() ? none : entries_.back().screen;
  }

  View view(View root) const {
    std::vector<NavigationPage> pushed;
    pushed.reserve(entries_.size());
    for (const Entry& e : entries_) pushed.push_back({e.serial, e.screen.body()});
    auto* self = const_cast<NavigationStack*>(this);
    return navigationStackNode(std::move(root), std::move(pushed), [self](std::size_t depth) {
      self->removeLast(self->count() - depth);
    });
  }

 private:
  struct Entry {
    Route route;
    AnyScreen screen;
    std::uint64_t serial;
  };
  Runtime* runtime_;
  std::weak_ptr<bool> lifetime_;
  Destination destination_;
  std::vector<Entry> entries_;
  std::uint64_t nextSerial_ = 1;
};

}  // namespace platform::ui
