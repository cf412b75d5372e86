#include "platform/defaults/UserDefaults.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/foundation/Json.hpp"
#include "platform/foundation/Log.hpp"

namespace platform {
namespace {

std::optional<DefaultsValue> decodeValue(const Json& tagged) {
  if (!tagged.is_object() || tagged.size() != 1) return std::nullopt;
  auto entry = tagged.begin();
  const std::string& tag = entry.key();
  const Json& value = entry.value();
  if (tag == "bool" && value.is_boolean()) return value.get<bool>();
  if (tag == "int" && value.is_number_integer()) return value.get<std::int64_t>();
  if (tag == "double" && value.is_number()) return value.get<double>();
  if (tag == "string" && value.is_string()) return value.get<std::string>();
  if (tag == "data" && value.is_string()) {
    if (auto bytes = base64Decode(value.get<std::string>())) return *bytes;
  }
  return std::nullopt;
}

Json encodeValue(const DefaultsValue& value) {
  return std::visit(
      [](const auto& v) -> Json {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, bool>) return {{"bool", v}};
        if constexpr (std::is_same_v<T, std::int64_t>) return {{"int", v}};
        if constexpr (std::is_same_v<T, double>) return {{"double", v}};
        if constexpr (std::is_same_v<T, std::string>) return {{"string", v}};
        if constexpr (std::is_same_v<T, Bytes>) return {{"data", base64Encode(v)}};
      },
      value);
}

Error systemError(const std::string& what, const std::filesystem::path& path) {
  return Error{what + " " + path.string() + ": " + std::strerror(errno)};
}

}  // namespace

UserDefaults::UserDefaults(std::filesystem::path file) : file_(std::move(file)) {
  reload();
}

UserDefaults UserDefaults::standard(const std::filesystem::path& dataDirectory) {
  return UserDefaults(dataDirectory / "app" / "defaults.json");
}

std::optional<UserDefaults> UserDefaults::suite(const std::filesystem::path& dataDirectory,
                                                std::string_view suiteName) {
  if (suiteName.empty() || suiteName == "." || suiteName == ".." ||
      suiteName.find('/') != std::string_view::npos ||
      suiteName.find('\0') != std::string_view::npos)
    return std::nullopt;
  return UserDefaults(dataDirectory / "group" / std::string(suiteName) / "defaults.json");
}

void UserDefaults::reload() {
  values_.clear();
  std::ifstream in(file_, std::ios::binary);
  if (!in) return;
  std::stringstream text;
  text << in.rdbuf();
  Json root = Json::parse(text.str(), nullptr, /*allow_exceptions=*/false);
  if (!root.is_object()) {
    logLine("Ignoring unreadable defaults file " + file_.string());
    return;
  }
  for (const auto& [key, tagged] : root.items()) {
    if (auto value = decodeValue(tagged)) values_.emplace(key, std::move(*value));
  }
}

std::optional<DefaultsValue> UserDefaults::object(std::string_view key) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool UserDefaults::boolForKey(std::string_view key) const {
  auto it = values_.find(key);
  return it != values_.end() && std::holds_alternative<bool>(it->second) &&
         std::get<bool>(it->second);
}

std::optional<Bytes> UserDefaults::dataForKey(std::string_view key) const {
  auto it = values_.find(key);
  if (it == values_.end() || !std::holds_alternative<Bytes>(it->second)) return std::nullopt;
  return std::get<Bytes>(it->second);
}

std::optional<std::string> UserDefaults::stringForKey(std::string_view key) const {
  auto it = values_.find(key);
  if (it == values_.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
  return std::get<std::string>(it->second);
}

Result<void> UserDefaults::set(std::string_view key, DefaultsValue value) {
  values_.insert_or_assign(std::string(key), std::move(value));
  return write();
}

Result<void> UserDefaults::remove(std::string_view key) {
  auto it = values_.find(key);
  if (it == values_.end()) return {};
  values_.erase(it);
  return write();
}

Result<void> UserDefaults::write() const {
  Json root = Json::object();
  for (const auto& [key, value] : values_) root[key] = encodeValue(value);
  std::string text = root.dump();

  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error) return Error{"Cannot create " + file_.parent_path().string() + ": " + error.message()};

  auto temporary = file_;
  temporary += ".tmp-" + std::to_string(::getpid());
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return systemError("Cannot create", temporary);
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      auto failure = systemError("Cannot write", temporary);
      ::close(fd);
      ::unlink(temporary.c_str());
      return failure;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    auto failure = systemError("Cannot flush", temporary);
    ::unlink(temporary.c_str());
    return failure;
  }
  if (::rename(temporary.c_str(), file_.c_str()) != 0) {
    auto failure = systemError("Cannot replace", file_);
    ::unlink(temporary.c_str());
    return failure;
  }
  // The rename itself is durable only once the folder is flushed.
  int dir = ::open(file_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

}  // namespace platform
