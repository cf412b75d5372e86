#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/MainQueue.hpp"
#include "platform/foundation/NotificationCenter.hpp"

namespace platform::ui {

// The one way a screen hands itself out: every delayed step, next-turn task, asynchronous answer,
// observer of the in-process centre and live query callback that captures the screen goes through
// its scope, and destroying the scope (with the screen that owns it) cancels all of them, so
// nothing ever runs on a screen that is gone. A scope is neither copied nor moved, and neither is
// a screen that owns one.
class ScreenScope {
 public:
  explicit ScreenScope(MainQueue& queue);
  ~ScreenScope();
  ScreenScope(const ScreenScope&) = delete;
  ScreenScope& operator=(const ScreenScope&) = delete;

  // Runs `step` on the main queue `seconds` from now, unless cancelled first.
  Cancellable after(double seconds, Task step);
  // Runs `task` on a later turn of the main queue.
  void async(Task task) { after(0, std::move(task)); }
  // Cancels the delayed steps and tasks handed out so far; callbacks and observers stay.
  void cancelSteps();

  // `answer`, made safe to call after the scope is gone (it then does nothing): for answers that
  // arrive later, such as a permission request or a photo's bytes.
  // `scope.callback<bool>([this](bool granted) { ... })`.
  template <class... Args, class F>
  std::function<void(Args...)> callback(F answer) const {
    return [alive = std::weak_ptr<const bool>(alive_), answer = std::move(answer)](Args... args) {
      if (alive.lock()) answer(std::move(args)...);
    };
  }

  // Runs `block` on each post of `name` while the scope lives.
  void observe(NotificationCenter& center, std::string name, Task block);
  // Runs `changed` after each delivery of a live query's new results while the scope lives.
  template <class Query>
  void onChange(Query& query, Task changed) {
    query.onChange(callback(std::move(changed)));
  }

 private:
  MainQueue& queue_;
  std::shared_ptr<const bool> alive_;
  std::vector<Cancellable> steps_;
  std::vector<NotificationCenter::Observation> observations_;
};

}  // namespace platform::ui
