#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/foundation/Base64.hpp"
#include "platform/foundation/Result.hpp"

namespace platform {

// A typed defaults value, kept on disk as {"key": {"bool": true}}, {"key": {"data": "<base64>"}},
// {"key": {"string": "..."}}, {"key": {"int": 3}} or {"key": {"double": 1.5}}.
using DefaultsValue = std::variant<bool, std::int64_t, double, std::string, Bytes>;

// User defaults: a small persistent key-value domain in one JSON file. The standard domain is
// <data-dir>/app/defaults.json; an app-group suite, shared with other programs of the same group,
// is <data-dir>/group/<suite name>/defaults.json.
//
// Every write replaces the file atomically (temporary file, fsync, rename), so a reader in another
// process sees the old content or the new, never a torn one. A missing file reads as empty; a file
// that does not parse reads as empty, is logged once, and is left as it is until the next write.
class UserDefaults {
 public:
  explicit UserDefaults(std::filesystem::path file);

  static UserDefaults standard(const std::filesystem::path& dataDirectory);
  // No domain for a suite name that is empty or would leave the group folder.
  static std::optional<UserDefaults> suite(const std::filesystem::path& dataDirectory,
                                           std::string_view suiteName);

  const std::filesystem::path& file() const { return file_; }

  std::optional<DefaultsValue> object(std::string_view key) const;
  // False when the key is absent or holds another type.
  bool boolForKey(std::string_view key) const;
  std::optional<Bytes> dataForKey(std::string_view key) const;
  std::optional<std::string> stringForKey(std::string_view key) const;

  Result<void> set(std::string_view key, DefaultsValue value);
  Result<void> remove(std::string_view key);

  // Reads the file again (another process may have replaced it).
  void reload();

 private:
  Result<void> write() const;

  std::filesystem::path file_;
  std::map<std::string, DefaultsValue, std::less<>> values_;
};

}  // namespace platform
