#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/websocket/stream.hpp>

#include "platform/ui/display/DisplayHub.hpp"

namespace platform::display {

// One display: a browser's WebSocket (RFC 6455). Outgoing messages are written one at a time in
// order; a tree that is still waiting when a newer one arrives is dropped, since only the latest
// tree matters. Incoming messages are read frame by frame so that an oversized one can be
// skipped while the connection stays up.
class DisplayConnection : public std::enable_shared_from_this<DisplayConnection> {
 public:
  enum class Kind { tree, other };

  DisplayConnection(boost::asio::ip::tcp::socket socket, std::shared_ptr<DisplayHub> hub);

  void accept(Request upgrade);
  void send(std::shared_ptr<const std::string> message, Kind kind);
  void close();

  bool isOpen() const { return open_; }
  bool isVisible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

 private:
  struct Outgoing {
    std::shared_ptr<const std::string> text;
    Kind kind;
  };
  void readFrame();
  void onFrame(boost::beast::error_code error);
  void writeNext();
  void finish();
  void dropQueued();

  boost::beast::websocket::stream<boost::beast::tcp_stream> ws_;
  boost::beast::flat_buffer buffer_;
  bool skipping_ = false;
  std::deque<Outgoing> queue_;
  bool writing_ = false;
  bool open_ = false;
  bool visible_ = false;
  std::shared_ptr<DisplayHub> hub_;
};

}  // namespace platform::display
