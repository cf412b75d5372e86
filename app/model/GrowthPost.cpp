#include "app/model/GrowthPost.hpp"

namespace verdeo {

using platform::store::AttributeType;

const platform::store::Entity& GrowthPost::entityDescription() {
  static const platform::store::Entity entity{
      "GrowthPost",
      {
          {"id", AttributeType::uuid},
          {"plantID", AttributeType::uuid},
          {"imageData", AttributeType::bytes},
          {"caption", AttributeType::string},
          {"dateCreated", AttributeType::date},
          {"plantName", AttributeType::string},
      },
      [] { return std::shared_ptr<Record>(new GrowthPost()); }};
  return entity;
}

GrowthPost::GrowthPost() : Record(entityDescription()) {}

std::shared_ptr<GrowthPost> GrowthPost::create(const platform::Uuid& plantID,
                                               std::optional<platform::store::Bytes> imageData,
                                               std::string caption, std::string plantName,
                                               const platform::Clock& clock) {
  std::shared_ptr<GrowthPost> post(new GrowthPost());
  post->setValue(kId, platform::Uuid::random());
  post->setValue(kPlantID, plantID);
  post->setValue(kImageData, std::move(imageData));
  post->setValue(kCaption, std::move(caption));
  post->setValue(kDateCreated, clock.now());
  post->setValue(kPlantName, std::move(plantName));
  return post;
}

std::string GrowthPost::imageURL() const {
  return "/store/GrowthPost/" + id().string() + "/imageData?v=" + std::to_string(bytesVersion());
}

}  // namespace verdeo
