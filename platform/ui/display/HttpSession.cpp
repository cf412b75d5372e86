#include "platform/ui/display/HttpSession.hpp"

#include <chrono>

#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <boost/beast/websocket/rfc6455.hpp>

#include "platform/ui/display/DisplayConnection.hpp"

namespace platform::display {
namespace beast = boost::beast;
namespace http = beast::http;

HttpSession::HttpSession(boost::asio::ip::tcp::socket socket, std::shared_ptr<DisplayHub> hub)
    : stream_(std::move(socket)), hub_(std::move(hub)) {
  // Trees and events are small messages that someone waits for; Nagle's algorithm would hold
  // them back for the peer's delayed acknowledgement.
  beast::error_code ignored;
  stream_.socket().set_option(boost::asio::ip::tcp::no_delay(true), ignored);
}

void HttpSession::readRequest() {
  parser_.emplace();
  parser_->header_limit(16 * 1024);
  parser_->body_limit(hub_->options().maxRequestBytes);
  stream_.expires_after(std::chrono::seconds(30));
  http::async_read(
      stream_, buffer_, *parser_,
      [self = shared_from_this()](beast::error_code error, std::size_t) { self->onRead(error); });
}

void HttpSession::onRead(beast::error_code error) {
  if (hub_->isShutDown()) return;
  if (error == http::error::body_limit || error == http::error::header_limit) {
    Response tooLarge{error == http::error::body_limit
                          ? http::status::payload_too_large
                          : http::status::request_header_fields_too_large,
                      11};
    tooLarge.set(http::field::content_type, "text/plain; charset=utf-8");
    tooLarge.body() = "Too Large";
    tooLarge.keep_alive(false);
    tooLarge.prepare_payload();
    return write(std::move(tooLarge));
  }
  if (error) {
    beast::error_code ignored;
    stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_both, ignored);
    return;
  }
  Request request = parser_->release();
  if (beast::websocket::is_upgrade(request)) {
    if (std::optional<Response> refusal = hub_->refuseUpgrade(request)) {
      return write(std::move(*refusal));
    }
    stream_.expires_never();
    auto connection = std::make_shared<DisplayConnection>(stream_.release_socket(), hub_);
    hub_->adopt(std::move(connection), std::move(request));
    return;
  }
  write(hub_->respond(request));
}

void HttpSession::write(Response response) {
  auto message = std::make_shared<Response>(std::move(response));
  stream_.expires_after(std::chrono::seconds(30));
  http::async_write(stream_, *message,
                    [self = shared_from_this(), message](beast::error_code error, std::size_t) {
                      if (error || self->hub_->isShutDown()) return;
                      if (!message->keep_alive()) {
                        beast::error_code ignored;
                        self->stream_.socket().shutdown(boost::asio::ip::tcp::socket::shutdown_send,
                                                        ignored);
                        return;
                      }
                      self->readRequest();
                    });
}

}  // namespace platform::display
