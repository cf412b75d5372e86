#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "platform/ui/Screen.hpp"
#include "platform/ui/View.hpp"

namespace platform::ui {

// A screen of any type (anything with `View body() const`), held by shared ownership so that the
// runtime can keep it alive a little after it leaves the tree.
class AnyScreen {
 public:
  AnyScreen() = default;
  template <class S>
  explicit AnyScreen(std::shared_ptr<S> screen)
      : object_(screen), body_([raw = screen.get()] { return raw->body(); }), type_(&typeTag<S>) {}

  template <class S, class... Args>
  static AnyScreen make(Args&&... args) {
    static_assert(Screen<S>, "a pushed screen has body() and is neither copied nor moved");
    return AnyScreen(std::make_shared<S>(std::forward<Args>(args)...));
  }

  View body() const { return body_ ? body_() : View(); }
  explicit operator bool() const { return bool(object_); }
  const std::shared_ptr<void>& object() const { return object_; }
  // The screen as its own type, or null when it is of another type.
  template <class S>
  S* as() const {
    return body_ && type_ == &typeTag<S> ? static_cast<S*>(object_.get()) : nullptr;
  }

 private:
  template <class S>
  static inline const char typeTag = 0;
  std::shared_ptr<void> object_;
  std::function<View()> body_;
  const void* type_ = nullptr;
};

}  // namespace platform::ui
