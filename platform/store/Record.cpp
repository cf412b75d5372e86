#include "platform/store/Record.hpp"

#include <cassert>
#include <utility>

#include "platform/store/ModelContext.hpp"

namespace platform::store {
namespace {

Value emptyValue(AttributeType type) {
  switch (type) {
    case AttributeType::uuid:
      return Uuid();
    case AttributeType::string:
      return std::string();
    case AttributeType::date:
      return Date();
    case AttributeType::integer:
      return std::int64_t{0};
    case AttributeType::boolean:
      return false;
    case AttributeType::bytes:
      return std::optional<Bytes>();
  }
  return std::string();
}

}  // namespace

Record::Record(const Entity& entity) : entity_(&entity), flags_(entity.attributes.size()) {
  values_.reserve(entity.attributes.size());
  for (const auto& attribute : entity.attributes) values_.push_back(emptyValue(attribute.type));
}

const Value& Record::value(std::size_t attribute) const {
  assert(attribute < values_.size());
  auto& flags = flags_[attribute];
  if (!flags.bytesLoaded && context_ && state_ == State::persisted)
    context_->loadBytes(const_cast<Record&>(*this), attribute);
  return values_[attribute];
}

void Record::setValue(std::size_t attribute, Value value) {
  assert(attribute < values_.size());
  assert(value.index() == static_cast<std::size_t>(entity_->attributes[attribute].type));
  auto& flags = flags_[attribute];
  if (const auto* bytes = std::get_if<std::optional<Bytes>>(&value)) {
    flags.bytesLoaded = true;
    flags.hasBytes = bytes->has_value();
    ++bytesVersion_;
  }
  flags.reported = false;
  values_[attribute] = std::move(value);
  if (context_ && state_ != State::deleted) context_->recordDidChange(*this, attribute);
}

bool Record::hasBytes(std::size_t attribute) const {
  const auto& flags = flags_[attribute];
  if (flags.bytesLoaded)
    if (const auto* bytes = std::get_if<std::optional<Bytes>>(&values_[attribute]))
      return bytes->has_value();
  return flags.hasBytes;
}

bool Record::isBytesLoaded(std::size_t attribute) const {
  return flags_[attribute].bytesLoaded;
}

bool Record::hasChanges() const {
  switch (state_) {
    case State::detached:
      return false;
    case State::inserted:
      return true;
    case State::persisted:
      return queuedForUpdate_;
    case State::deleted:
      return rowid_ != 0;
  }
  return false;
}

bool Record::reportOnce(std::size_t attribute) const {
  auto& flags = flags_[attribute];
  if (flags.reported) return false;
  flags.reported = true;
  return true;
}

const Uuid& Record::uuidValue(std::size_t attribute) const {
  return std::get<Uuid>(value(attribute));
}
const std::string& Record::stringValue(std::size_t attribute) const {
  return std::get<std::string>(value(attribute));
}
Date Record::dateValue(std::size_t attribute) const {
  return std::get<Date>(value(attribute));
}
std::int64_t Record::integerValue(std::size_t attribute) const {
  return std::get<std::int64_t>(value(attribute));
}
bool Record::booleanValue(std::size_t attribute) const {
  return std::get<bool>(value(attribute));
}
const std::optional<Bytes>& Record::bytesValue(std::size_t attribute) const {
  return std::get<std::optional<Bytes>>(value(attribute));
}

}  // namespace platform::store
