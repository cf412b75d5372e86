#include "platform/foundation/AsioMainQueue.hpp"

#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <memory>

namespace platform {

void AsioMainQueue::wake() {
  boost::asio::post(io_, [this] { runTurn(); });
}

void AsioMainQueue::scheduleTimer(double seconds, Task fire) {
  auto timer = std::make_shared<boost::asio::steady_timer>(io_);
  timer->expires_after(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(seconds)));
  timer->async_wait([timer, fire = std::move(fire)](const boost::system::error_code& error) {
    if (!error) fire();
  });
}

}  // namespace platform
