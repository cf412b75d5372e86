#pragma once

#include <memory>
#include <utility>

#include "platform/ui/Runtime.hpp"

namespace platform::ui {

// A place for a screen that its owner presents (a sheet's content, a page): emplace() creates a
// fresh one, reset() lets it go. A screen let go is kept alive until the runtime has told its
// views that they disappeared.
template <class S>
class ScreenSlot {
 public:
  explicit ScreenSlot(Runtime& runtime) : runtime_(&runtime), lifetime_(runtime.lifetime()) {}
  ~ScreenSlot() { reset(); }
  ScreenSlot(const ScreenSlot&) = delete;
  ScreenSlot& operator=(const ScreenSlot&) = delete;

  template <class... Args>
  S& emplace(Args&&... args) {
    reset();
    screen_ = std::make_shared<S>(std::forward<Args>(args)...);
    return *screen_;
  }
  void reset() {
    if (screen_ && !lifetime_.expired()) runtime_->retire(std::move(screen_));
    screen_.reset();
  }

  S* get() const { return screen_.get(); }
  S* operator->() const { return screen_.get(); }
  S& operator*() const { return *screen_; }
  explicit operator bool() const { return bool(screen_); }

 private:
  Runtime* runtime_;
  std::weak_ptr<bool> lifetime_;
  std::shared_ptr<S> screen_;
};

}  // namespace platform::ui
