#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace platform::ui {

using Action = std::function<void()>;

namespace detail {
// True while the runtime is building a tree: body() reads state and must not change it.
bool isBuildingView();
void reportWriteWhileBuilding();
}  // namespace detail

// A two-way connection to a value owned elsewhere (a screen's field): controls read it when the
// tree is built and write it from their handlers. Writes while a tree is being built are refused.
template <class T>
class Binding {
 public:
  Binding(std::function<T()> get, std::function<void(T)> set)
      : get_(std::move(get)), set_(std::move(set)) {}
  explicit Binding(T* field)
      : get_([field] { return *field; }), set_([field](T value) { *field = std::move(value); }) {}

  // A binding whose writes go nowhere, for previews and read-only uses.
  static Binding constant(T value) {
    return Binding([value] { return value; }, [](T) {});
  }

  T get() const { return get_(); }
  T operator()() const { return get_(); }
  void set(T value) const {
    if (detail::isBuildingView()) {
      detail::reportWriteWhileBuilding();
      return;
    }
    set_(std::move(value));
  }

  // The same binding, with `after` called with the new value after every write (for reactions
  // such as "when the switch turns on, ask for permission").
  Binding onSet(std::function<void(const T&)> after) const {
    auto set = set_;
    return Binding(get_, [set, after = std::move(after)](T value) {
      set(value);
      after(value);
    });
  }

 private:
  std::function<T()> get_;
  std::function<void(T)> set_;
};

// A binding to a field of a screen, taken inside its body() const. The screen itself is never a
// const object (body() is const only so that building cannot change state), so handlers may write
// the field later.
template <class T>
Binding<T> binding(const T& field) {
  return Binding<T>(const_cast<T*>(&field));
}

// An action that runs a member function of a screen, handed out from its body() const.
template <class S>
Action action(const S* screen, void (S::*method)()) {
  S* self = const_cast<S*>(screen);
  return [self, method] { (self->*method)(); };
}

// A handler that runs `f(screen, args...)` with the screen writable; it converts to an Action
// when `f` takes the screen alone, and to a binding's reaction when it also takes the value.
template <class S, class F>
auto action(const S* screen, F f) {
  S* self = const_cast<S*>(screen);
  return [self, f = std::move(f)](auto&&... args) mutable {
    f(*self, std::forward<decltype(args)>(args)...);
  };
}

}  // namespace platform::ui
