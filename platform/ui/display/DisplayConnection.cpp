#include "platform/ui/display/DisplayConnection.hpp"

#include <algorithm>

#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/websocket/error.hpp>

namespace platform::display {
namespace beast = boost::beast;
namespace websocket = beast::websocket;

namespace {
// Past this much in one message the peer is not a display gone wrong but a flood: close.
constexpr std::uint64_t floodBytes = 64u << 20;
constexpr std::size_t frameChunk = 64 * 1024;
}  // namespace

DisplayConnection::DisplayConnection(boost::asio::ip::tcp::socket socket,
                                     std::shared_ptr<DisplayHub> hub)
    : ws_(std::move(socket)), hub_(std::move(hub)) {}

void DisplayConnection::accept(Request upgrade) {
  ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
  ws_.read_message_max(floodBytes);
  ws_.async_accept(upgrade, [self = shared_from_this()](beast::error_code error) {
    if (error || self->hub_->isShutDown()) return self->finish();
    self->open_ = true;
    // The tree of the moment the handshake ends, not of when it began: trees shown in between
    // were not sent to a connection that was not open yet.
    if (auto tree = self->hub_->treeForNewDisplay()) self->send(tree, Kind::tree);
    self->readFrame();
  });
}

void DisplayConnection::readFrame() {
  ws_.async_read_some(
      buffer_, frameChunk,
      [self = shared_from_this()](beast::error_code error, std::size_t) { self->onFrame(error); });
}

void DisplayConnection::onFrame(beast::error_code error) {
  if (error || hub_->isShutDown()) {
    if (error == websocket::error::message_too_big) hub_->refuse("larger than 64 MiB, closed");
    return finish();
  }
  if (!skipping_ && buffer_.size() > hub_->options().maxMessageBytes) {
    skipping_ = true;
  }
  if (skipping_) buffer_.clear();
  if (ws_.is_message_done()) {
    if (skipping_) {
      hub_->refuse("larger than 1 MiB");
    } else if (!ws_.got_text()) {
      hub_->refuse("not text");
    } else {
      std::string text = beast::buffers_to_string(buffer_.data());
      hub_->receive(*this, text);
    }
    skipping_ = false;
    buffer_.clear();
    if (hub_->isShutDown() || !open_) return finish();
  }
  readFrame();
}

void DisplayConnection::send(std::shared_ptr<const std::string> message, Kind kind) {
  if (!open_) return;
  if (kind == Kind::tree) {
    // The front entry may be on the wire already; only entries behind it may go.
    auto firstWaiting = queue_.begin() + (writing_ && !queue_.empty() ? 1 : 0);
    queue_.erase(std::remove_if(firstWaiting, queue_.end(),
                                [](const Outgoing& o) { return o.kind == Kind::tree; }),
                 queue_.end());
  }
  queue_.push_back({std::move(message), kind});
  if (!writing_) writeNext();
}

void DisplayConnection::writeNext() {
  if (queue_.empty() || !open_) {
    writing_ = false;
    return;
  }
  writing_ = true;
  ws_.text(true);
  ws_.async_write(boost::asio::buffer(*queue_.front().text),
                  [self = shared_from_this()](beast::error_code error, std::size_t) {
                    if (!self->queue_.empty()) self->queue_.pop_front();
                    if (error) {
                      self->writing_ = false;
                      return self->finish();
                    }
                    self->writeNext();
                  });
}

void DisplayConnection::dropQueued() {
  // A write in flight still reads the front entry's bytes; it is released when that write ends.
  queue_.erase(queue_.begin() + (writing_ && !queue_.empty() ? 1 : 0), queue_.end());
}

void DisplayConnection::close() {
  open_ = false;
  dropQueued();
  beast::error_code ignored;
  beast::get_lowest_layer(ws_).socket().shutdown(boost::asio::ip::tcp::socket::shutdown_both,
                                                 ignored);
  beast::get_lowest_layer(ws_).socket().close(ignored);
}

void DisplayConnection::finish() {
  open_ = false;
  dropQueued();
  hub_->connectionClosed(this);
}

}  // namespace platform::display
