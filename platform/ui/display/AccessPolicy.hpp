#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <boost/beast/core/string.hpp>
#include <boost/beast/http/fields.hpp>

namespace platform::display {

// Who may talk to the display server. The server listens on the loopback interface only, but
// any web page the person has open can reach 127.0.0.1 too, so every request must show:
// - a Host of 127.0.0.1:PORT or localhost:PORT (a foreign name means DNS rebinding);
// - no Origin, or the origin http://127.0.0.1:PORT or http://localhost:PORT; browsers send
//   Origin on every WebSocket handshake and on cross-origin writes, so a missing Origin only
//   ever comes from a non-browser client, which still needs the token;
// - no Sec-Fetch-Site, or "same-origin" or "none" (typed into the address bar): that header is
//   what unmasks a foreign page embedding our images, for which browsers omit the Origin;
// - the access token, as the X-Verdeo-Token header, the token query parameter or the session
//   cookie, for everything except the bare page shell, which holds no secret.
class AccessPolicy {
 public:
  AccessPolicy(std::string token, std::uint16_t port);

  bool hostAllowed(std::string_view host) const;
  bool originAllowed(std::string_view origin) const;
  bool fetchSiteAllowed(std::string_view fetchSite) const;
  // Host, Origin and Sec-Fetch-Site together: the checks even the page shell must pass.
  bool sameOrigin(const boost::beast::http::fields& headers) const;
  bool tokenPresented(const boost::beast::http::fields& headers, std::string_view query) const;

  // The cookie that carries the token for the page's later requests. Its name holds the port,
  // since browsers share cookies between all ports of one host. HttpOnly keeps it from scripts;
  // SameSite=Strict keeps it off requests started by other sites.
  std::string sessionCookie() const;
  const std::string& cookieName() const { return cookieName_; }

 private:
  std::string token_;
  std::uint16_t port_;
  std::string cookieName_;
};

// Beast in Boost 1.74 speaks boost::string_view; the rest of the code speaks std::string_view.
inline std::string_view toStd(boost::beast::string_view text) {
  return {text.data(), text.size()};
}

// The value of `name` in a query string ("a=1&token=abc"), percent-decoded.
std::optional<std::string> queryParameter(std::string_view query, std::string_view name);
// The value of cookie `name` in a Cookie header.
std::optional<std::string_view> cookieValue(std::string_view cookieHeader, std::string_view name);
// Decodes %XX escapes; answers nothing for a malformed escape or an escaped NUL.
std::optional<std::string> percentDecode(std::string_view text);

}  // namespace platform::display
