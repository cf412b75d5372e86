#pragma once

#include <boost/asio/io_context.hpp>

#include "platform/foundation/MainQueue.hpp"

namespace platform {

// The main queue of the running application: a Boost.Asio io_context run on the main thread.
// The display server's sockets and timers share the same io_context, so all of it is one thread.
class AsioMainQueue final : public MainQueue {
 public:
  explicit AsioMainQueue(boost::asio::io_context& io) : io_(io) {}

  boost::asio::io_context& io() { return io_; }

 protected:
  void wake() override;
  void scheduleTimer(double seconds, Task fire) override;

 private:
  boost::asio::io_context& io_;
};

}  // namespace platform
