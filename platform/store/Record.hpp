#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/Entity.hpp"

namespace platform::store {

class ModelContext;

// A stored object. Record types derive from it and offer typed getters and setters over the
// attribute values; every setter goes through setValue(), which is how the context learns that
// the record changed. A context hands out one Record per stored row, so two references to the
// same row are the same pointer. Records live in std::shared_ptr from the moment they are made.
//
// A record that is deleted stays usable as an object (its values can still be read) but it has
// left every query and never reads from the store again.
class Record : public std::enable_shared_from_this<Record> {
 public:
  virtual ~Record() = default;
  Record(const Record&) = delete;
  Record& operator=(const Record&) = delete;

  const Entity& entity() const { return *entity_; }

  // The value of `attribute`. A bytes value that was not yet read is loaded from the store now
  // (and kept until it is changed); if that fails the value reads as absent.
  const Value& value(std::size_t attribute) const;
  // Assigns `attribute`; the value must be of the attribute's type.
  void setValue(std::size_t attribute, Value value);

  // Whether a bytes attribute holds bytes, answered without loading them.
  bool hasBytes(std::size_t attribute) const;
  bool isBytesLoaded(std::size_t attribute) const;
  // Changes whenever any bytes attribute of this record is assigned; lets a display tell a new
  // image from a cached one.
  std::uint64_t bytesVersion() const { return bytesVersion_; }

  bool isInserted() const { return state_ == State::inserted || state_ == State::persisted; }
  bool isDeleted() const { return state_ == State::deleted; }
  // Whether the record has changes that the store has not saved yet (insertion and deletion too).
  bool hasChanges() const;

  // True the first time it is asked for `attribute`, false afterwards until the attribute is
  // assigned again. Lets a record type log a damaged stored value once rather than on every read.
  bool reportOnce(std::size_t attribute) const;

 protected:
  explicit Record(const Entity& entity);

  const Uuid& uuidValue(std::size_t attribute) const;
  const std::string& stringValue(std::size_t attribute) const;
  Date dateValue(std::size_t attribute) const;
  std::int64_t integerValue(std::size_t attribute) const;
  bool booleanValue(std::size_t attribute) const;
  const std::optional<Bytes>& bytesValue(std::size_t attribute) const;

 private:
  friend class ModelContext;

  enum class State { detached, inserted, persisted, deleted };
  struct Flags {
    bool dirty = false;
    bool bytesLoaded = true;
    bool hasBytes = false;
    bool reported = false;
  };

  const Entity* entity_;
  mutable std::vector<Value> values_;
  mutable std::vector<Flags> flags_;
  ModelContext* context_ = nullptr;
  State state_ = State::detached;
  std::int64_t rowid_ = 0;
  std::uint64_t insertSequence_ = 0;
  bool queuedForUpdate_ = false;
  std::uint64_t bytesVersion_ = 0;
};

}  // namespace platform::store
