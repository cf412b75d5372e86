#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/MainQueue.hpp"

namespace platform {

// The in-process notification centre: names posted by one part of the application, observed by
// another. Observers run on the main queue, on a turn after the post. There is no payload.
class NotificationCenter {
 public:
  explicit NotificationCenter(MainQueue& queue) : queue_(queue) {}

  // Registers `block` for `name`. Registrations last as long as the centre; registering again
  // adds another observer.
  void addObserver(std::string name, Task block);
  void post(std::string_view name);
  std::size_t observerCount(std::string_view name) const;

 private:
  MainQueue& queue_;
  std::map<std::string, std::vector<Task>, std::less<>> observers_;
};

}  // namespace platform
