#include "platform/ui/display/AccessPolicy.hpp"

#include <boost/beast/http/field.hpp>

#include "platform/ui/display/AccessToken.hpp"

namespace platform::display {
namespace http = boost::beast::http;

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

AccessPolicy::AccessPolicy(std::string token, std::uint16_t port)
    : token_(std::move(token)), port_(port), cookieName_("verdeo-" + std::to_string(port)) {}

bool AccessPolicy::hostAllowed(std::string_view host) const {
  std::string suffix = ":" + std::to_string(port_);
  return equalsIgnoringCase(host, "127.0.0.1" + suffix) ||
         equalsIgnoringCase(host, "localhost" + suffix);
}

bool AccessPolicy::originAllowed(std::string_view origin) const {
  if (origin.empty()) return true;
  std::string suffix = ":" + std::to_string(port_);
  return equalsIgnoringCase(origin, "http://127.0.0.1" + suffix) ||
         equalsIgnoringCase(origin, "http://localhost" + suffix);
}

bool AccessPolicy::fetchSiteAllowed(std::string_view fetchSite) const {
  return fetchSite.empty() || equalsIgnoringCase(fetchSite, "same-origin") ||
         equalsIgnoringCase(fetchSite, "none");
}

bool AccessPolicy::sameOrigin(const http::fields& headers) const {
  // A header sent twice is ambiguous; Beast's lookup would see only the first, so refuse.
  for (http::field name : {http::field::host, http::field::origin}) {
    if (headers.count(name) > 1) return false;
  }
  if (headers.count("Sec-Fetch-Site") > 1) return false;
  auto host = headers.find(http::field::host);
  if (host == headers.end() || !hostAllowed(toStd(host->value()))) return false;
  auto origin = headers.find(http::field::origin);
  if (origin != headers.end() &&
      (origin->value().empty() || !originAllowed(toStd(origin->value())))) {
    return false;
  }
  auto site = headers.find("Sec-Fetch-Site");
  return site == headers.end() || fetchSiteAllowed(toStd(site->value()));
}

bool AccessPolicy::tokenPresented(const http::fields& headers, std::string_view query) const {
  auto header = headers.find("X-Verdeo-Token");
  if (header != headers.end() && constantTimeEquals(toStd(header->value()), token_)) return true;
  if (std::optional<std::string> fromQuery = queryParameter(query, "token")) {
    if (constantTimeEquals(*fromQuery, token_)) return true;
  }
  for (auto it = headers.find(http::field::cookie);
       it != headers.end() && it->name() == http::field::cookie; ++it) {
    std::optional<std::string_view> value = cookieValue(toStd(it->value()), cookieName_);
    if (value && constantTimeEquals(*value, token_)) return true;
  }
  return false;
}

std::string AccessPolicy::sessionCookie() const {
  return cookieName_ + "=" + token_ + "; Path=/; HttpOnly; SameSite=Strict";
}

std::optional<std::string> queryParameter(std::string_view query, std::string_view name) {
  while (!query.empty()) {
    std::size_t end = query.find('&');
    std::string_view pair = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view{} : query.substr(end + 1);
    std::size_t equals = pair.find('=');
    if (pair.substr(0, equals) != name) continue;
    if (equals == std::string_view::npos) return std::string{};
    return percentDecode(pair.substr(equals + 1));
  }
  return std::nullopt;
}

std::optional<std::string_view> cookieValue(std::string_view cookieHeader, std::string_view name) {
  while (!cookieHeader.empty()) {
    std::size_t end = cookieHeader.find(';');
    std::string_view pair = trim(cookieHeader.substr(0, end));
    cookieHeader =
        end == std::string_view::npos ? std::string_view{} : cookieHeader.substr(end + 1);
    std::size_t equals = pair.find('=');
    if (equals != std::string_view::npos && trim(pair.substr(0, equals)) == name) {
      return trim(pair.substr(equals + 1));
    }
  }
  return std::nullopt;
}

std::optional<std::string> percentDecode(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded.push_back(text[i]);
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    int high = hexValue(text[i + 1]);
    int low = hexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    char c = static_cast<char>(high * 16 + low);
    if (c == '\0') return std::nullopt;
    decoded.push_back(c);
    i += 2;
  }
  return decoded;
}

}  // namespace platform::display
