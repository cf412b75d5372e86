#include "app/model/PlantStore.hpp"

namespace verdeo {

using platform::store::ModelContext;
using platform::store::SortDescriptor;
using platform::store::SortOrder;

platform::Result<std::unique_ptr<platform::store::Store>> openPlantStore(
    const std::filesystem::path& path, platform::MainQueue& queue) {
  return platform::store::Store::open(
      path, {&Plant::entityDescription(), &GrowthPost::entityDescription()}, queue);
}

platform::store::LiveQuery<Plant> queryAllPlants(ModelContext& context) {
  return context.liveQuery<Plant>();
}

platform::store::LiveQuery<Plant> queryPlantsByName(ModelContext& context) {
  return context.liveQuery<Plant>(SortDescriptor{"name", SortOrder::ascending});
}

platform::store::LiveQuery<GrowthPost> queryGrowthPostsNewestFirst(ModelContext& context) {
  return context.liveQuery<GrowthPost>(SortDescriptor{"dateCreated", SortOrder::descending});
}

platform::Result<std::vector<std::shared_ptr<Plant>>> fetchAllPlants(ModelContext& context) {
  return context.fetch<Plant>();
}

namespace {
template <class T>
std::shared_ptr<T> withID(ModelContext& context, const platform::Uuid& id) {
  auto records = context.fetch<T>();
  if (!records) return nullptr;
  for (auto& record : *records)
    if (record->id() == id) return record;
  return nullptr;
}
}  // namespace

std::shared_ptr<Plant> plantWithID(ModelContext& context, const platform::Uuid& id) {
  return withID<Plant>(context, id);
}

std::shared_ptr<GrowthPost> growthPostWithID(ModelContext& context, const platform::Uuid& id) {
  return withID<GrowthPost>(context, id);
}

}  // namespace verdeo
