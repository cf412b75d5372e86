#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/foundation/Date.hpp"
#include "platform/foundation/Uuid.hpp"

namespace platform::store {

class Record;

using Bytes = std::vector<std::uint8_t>;

// How an attribute is kept. The column types follow: uuid and string are TEXT (a UUID in its
// upper-case form), date is REAL (Date::referenceSeconds()), integer and boolean are INTEGER
// (booleans as 0/1), bytes is a nullable BLOB that is loaded only when someone asks for it.
enum class AttributeType { uuid, string, date, integer, boolean, bytes };

// One alternative per AttributeType, in the same order, so a value's index names its type.
using Value = std::variant<Uuid, std::string, Date, std::int64_t, bool, std::optional<Bytes>>;

struct Attribute {
  std::string name;
  AttributeType type;
};

// A record type as the store sees it: a table named `name` with one column per attribute, in
// this order. `make` creates an empty record of the caller's own class for a row being loaded.
struct Entity {
  std::string name;
  std::vector<Attribute> attributes;
  std::function<std::shared_ptr<Record>()> make;

  std::optional<std::size_t> attributeIndex(std::string_view attributeName) const {
    for (std::size_t i = 0; i < attributes.size(); ++i)
      if (attributes[i].name == attributeName) return i;
    return std::nullopt;
  }
};

}  // namespace platform::store
