#pragma once

// Record types shared by the store's tests: a Note that uses every attribute type and a Tag as a
// second entity.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/RawDatabase_test.hpp"
#include "platform/store/Record.hpp"

namespace platform::store::testing {

class Note final : public Record {
 public:
  enum Attribute : std::size_t { kId, kTitle, kCreated, kCount, kPinned, kAttachment };

  static const Entity& entityDescription() {
    static const Entity entity{"Note",
                               {{"id", AttributeType::uuid},
                                {"title", AttributeType::string},
                                {"created", AttributeType::date},
                                {"count", AttributeType::integer},
                                {"pinned", AttributeType::boolean},
                                {"attachment", AttributeType::bytes}},
                               [] { return std::shared_ptr<Record>(new Note()); }};
    return entity;
  }

  static std::shared_ptr<Note> make(std::string title, Date created = Date(),
                                    std::optional<Bytes> attachment = std::nullopt) {
    std::shared_ptr<Note> note(new Note());
    note->setValue(kId, Uuid::random());
    note->setTitle(std::move(title));
    note->setValue(kCreated, created);
    note->setValue(kAttachment, std::move(attachment));
    return note;
  }

  const Uuid& id() const { return uuidValue(kId); }
  const std::string& title() const { return stringValue(kTitle); }
  void setTitle(std::string title) { setValue(kTitle, std::move(title)); }
  Date created() const { return dateValue(kCreated); }
  std::int64_t count() const { return integerValue(kCount); }
  bool pinned() const { return booleanValue(kPinned); }
  const std::optional<Bytes>& attachment() const { return bytesValue(kAttachment); }
  void setAttachment(std::optional<Bytes> bytes) { setValue(kAttachment, std::move(bytes)); }

 private:
  Note() : Record(entityDescription()) {}
};

class Tag final : public Record {
 public:
  static const Entity& entityDescription() {
    static const Entity entity{"Tag",
                               {{"id", AttributeType::uuid}, {"label", AttributeType::string}},
                               [] { return std::shared_ptr<Record>(new Tag()); }};
    return entity;
  }
  static std::shared_ptr<Tag> make(std::string label) {
    std::shared_ptr<Tag> tag(new Tag());
    tag->setValue(0, Uuid::random());
    tag->setValue(1, std::move(label));
    return tag;
  }
  const std::string& label() const { return stringValue(1); }

 private:
  Tag() : Record(entityDescription()) {}
};

inline std::vector<const Entity*> noteSchema() {
  return {&Note::entityDescription(), &Tag::entityDescription()};
}

}  // namespace platform::store::testing
