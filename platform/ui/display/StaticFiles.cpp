#include "platform/ui/display/StaticFiles.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace platform::display {

std::string contentTypeFor(std::string_view fileName) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 14> types{{
      {".html", "text/html; charset=utf-8"},
      {".js", "text/javascript; charset=utf-8"},
      {".mjs", "text/javascript; charset=utf-8"},
      {".css", "text/css; charset=utf-8"},
      {".json", "application/json"},
      {".svg", "image/svg+xml"},
      {".png", "image/png"},
      {".jpg", "image/jpeg"},
      {".jpeg", "image/jpeg"},
      {".gif", "image/gif"},
      {".webp", "image/webp"},
      {".otf", "font/otf"},
      {".ttf", "font/ttf"},
      {".woff2", "font/woff2"},
  }};
  std::size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos) {
    std::string extension;
    for (char c : fileName.substr(dot)) {
      extension.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    }
    for (const auto& [known, type] : types) {
      if (extension == known) return std::string(type);
    }
  }
  return "application/octet-stream";
}

StaticFiles::StaticFiles(std::filesystem::path root, std::size_t maxFileBytes)
    : maxFileBytes_(maxFileBytes) {
  std::error_code error;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(root, error);
  root_ = error ? std::move(root) : std::move(canonical);
}

std::optional<std::filesystem::path> StaticFiles::resolve(std::string_view relative) const {
  if (relative.empty() || relative.front() == '/') return std::nullopt;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find('/', start);
    if (end == std::string_view::npos) end = relative.size();
    std::string_view segment = relative.substr(start, end - start);
    if (segment.empty() || segment == "." || segment == "..") return std::nullopt;
    for (char c : segment) {
      if (c == '\\' || c == '\0') return std::nullopt;
    }
    start = end + 1;
  }
  std::error_code error;
  std::filesystem::path found =
      std::filesystem::canonical(root_ / std::filesystem::path(relative), error);
  if (error) return std::nullopt;
  // A symbolic link inside the folder may point anywhere; only what really lies beneath counts.
  auto [rootEnd, foundAt] = std::mismatch(root_.begin(), root_.end(), found.begin(), found.end());
  if (rootEnd != root_.end()) return std::nullopt;
  if (!std::filesystem::is_regular_file(found, error)) return std::nullopt;
  return found;
}

std::optional<HttpReply> StaticFiles::read(std::string_view relative) const {
  std::optional<std::filesystem::path> path = resolve(relative);
  if (!path) return std::nullopt;
  std::error_code error;
  std::uintmax_t size = std::filesystem::file_size(*path, error);
  if (error || size > maxFileBytes_) return std::nullopt;
  std::ifstream in(*path, std::ios::binary);
  if (!in) return std::nullopt;
  HttpReply reply;
  reply.body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  reply.contentType = contentTypeFor(path->filename().string());
  return reply;
}

}  // namespace platform::display
