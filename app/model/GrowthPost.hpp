#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Clock.hpp"
#include "platform/foundation/Date.hpp"
#include "platform/foundation/Uuid.hpp"
#include "platform/store/Record.hpp"

namespace verdeo {

// One photo of a plant's growth journal, owned by the store. It names its plant only by the
// plant's id and keeps a copy of the plant's name as it was when the photo was posted, so it
// outlives the plant and does not follow a rename.
class GrowthPost final : public platform::store::Record {
 public:
  enum Attribute : std::size_t { kId, kPlantID, kImageData, kCaption, kDateCreated, kPlantName };

  static const platform::store::Entity& entityDescription();
  // A new post with a fresh id, created now; not yet in any store.
  static std::shared_ptr<GrowthPost> create(const platform::Uuid& plantID,
                                            std::optional<platform::store::Bytes> imageData,
                                            std::string caption, std::string plantName,
                                            const platform::Clock& clock);

  const platform::Uuid& id() const { return uuidValue(kId); }
  const platform::Uuid& plantID() const { return uuidValue(kPlantID); }
  // Reads the photo from the store the first time it is asked for.
  const std::optional<platform::store::Bytes>& imageData() const { return bytesValue(kImageData); }
  const std::string& caption() const { return stringValue(kCaption); }
  platform::Date dateCreated() const { return dateValue(kDateCreated); }
  const std::string& plantName() const { return stringValue(kPlantName); }

  // Whether the post has a photo, answered without reading it.
  bool hasImageData() const { return hasBytes(kImageData); }
  // Where the display fetches the photo: "/store/GrowthPost/<id>/imageData?v=<n>".
  std::string imageURL() const;

 private:
  GrowthPost();
};

}  // namespace verdeo
