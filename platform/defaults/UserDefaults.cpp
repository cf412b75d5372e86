#include "platform/defaults/UserDefaults.hpp"

#include <fstream>
#include <sstream>

#include "platform/foundation/AtomicFile.hpp"
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
  return replaceFileAtomically(file_, root.dump());
}

}  // namespace platform
