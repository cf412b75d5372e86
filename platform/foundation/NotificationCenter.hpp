#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/MainQueue.hpp"

namespace platform {

// The in-process notification centre: names posted by one part of the application, observed by
// another. Observers run on the main queue, on a turn after the post. There is no payload.
class NotificationCenter {
 public:
  // An observer's registration: it lasts as long as this handle (or until the centre goes).
  class Observation {
   public:
    Observation() = default;
    Observation(Observation&&) noexcept = default;
    Observation& operator=(Observation&& other) noexcept;
    Observation(const Observation&) = delete;
    Observation& operator=(const Observation&) = delete;
    ~Observation() { remove(); }
    void remove();

   private:
    friend class NotificationCenter;
    struct Observers;
    Observation(std::weak_ptr<Observers> observers, std::string name, std::uint64_t id)
        : observers_(std::move(observers)), name_(std::move(name)), id_(id) {}
    std::weak_ptr<Observers> observers_;
    std::string name_;
    std::uint64_t id_ = 0;
  };

  explicit NotificationCenter(MainQueue& queue);

  // Registers `block` for `name` while the returned handle lives. Registering again adds another
  // observer.
  [[nodiscard]] Observation addObserver(std::string name, Task block);
  void post(std::string_view name);
  std::size_t observerCount(std::string_view name) const;

 private:
  MainQueue& queue_;
  std::shared_ptr<Observation::Observers> observers_;
};

}  // namespace platform
