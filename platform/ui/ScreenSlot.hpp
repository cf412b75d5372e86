#pragma once

#include <memory>
#include <optional>
#include <utility>

#include "platform/ui/Runtime.hpp"
#include "platform/ui/Screen.hpp"
#include "platform/ui/View.hpp"

namespace platform::ui {

// A presented screen (a sheet's content, a page) owned by the screen that presents it. It is shown
// exactly while the slot holds a screen: present() creates a fresh one, dismiss() lets it go, and
// so does the person swiping the sheet away. The presentation flag is the question
// isPresented(), never a second field to keep in step. A screen let go is kept alive until the
// runtime has told its views that they disappeared.
template <class S>
class ScreenSlot {
 public:
  explicit ScreenSlot(Runtime& runtime) : state_(std::make_shared<State>(runtime)) {}
  ~ScreenSlot() { state_->dismiss(); }
  ScreenSlot(const ScreenSlot&) = delete;
  ScreenSlot& operator=(const ScreenSlot&) = delete;

  template <class... Args>
  S& present(Args&&... args) {
    static_assert(Screen<S>, "a presented screen has body() and is neither copied nor moved");
    state_->dismiss();
    state_->screen = std::make_shared<S>(std::forward<Args>(args)...);
    return *state_->screen;
  }
  void dismiss() { state_->dismiss(); }
  bool isPresented() const { return state_->screen != nullptr; }

  S* get() const { return state_->screen.get(); }
  S* operator->() const { return state_->screen.get(); }
  S& operator*() const { return *state_->screen; }
  explicit operator bool() const { return isPresented(); }

  // Lets the presented screen go when run (from a handler or a disappear action).
  Action dismissAction() const {
    return [weak = std::weak_ptr<State>(state_)] {
      if (auto state = weak.lock()) state->dismiss();
    };
  }

  // What a sheet shows, and how the person's swipe lets it go; none while nothing is presented.
  std::optional<Presentation> presentation() const {
    if (!state_->screen) return std::nullopt;
    return Presentation{state_->screen->body(), dismissAction()};
  }

 private:
  struct State {
    explicit State(Runtime& runtime) : runtime(&runtime), lifetime(runtime.lifetime()) {}
    void dismiss() {
      if (screen && !lifetime.expired()) runtime->retire(std::move(screen));
      screen.reset();
    }
    Runtime* runtime;
    std::weak_ptr<bool> lifetime;
    std::shared_ptr<S> screen;
  };
  std::shared_ptr<State> state_;
};

}  // namespace platform::ui
