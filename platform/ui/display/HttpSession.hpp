#pragma once

#include <memory>
#include <optional>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/parser.hpp>

#include "platform/ui/display/DisplayHub.hpp"

namespace platform::display {

// One HTTP connection: reads requests (keep-alive) with bounded header and body sizes and a read
// timeout, answers them through the hub, and hands a WebSocket upgrade over to a display
// connection.
class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  HttpSession(boost::asio::ip::tcp::socket socket, std::shared_ptr<DisplayHub> hub);
  void start() { readRequest(); }

 private:
  void readRequest();
  void onRead(boost::beast::error_code error);
  void write(Response response);

  boost::beast::tcp_stream stream_;
  boost::beast::flat_buffer buffer_;
  std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> parser_;
  std::shared_ptr<DisplayHub> hub_;
};

}  // namespace platform::display
