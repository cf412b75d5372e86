#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/model/GrowthPost.hpp"
#include "app/model/Plant.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/store/LiveQuery.hpp"
#include "platform/store/ModelContext.hpp"
#include "platform/store/Store.hpp"

namespace verdeo {

// The app's store: tables Plant and GrowthPost, with the queries the screens run on them. The
// app passes "<data-dir>/app/Verdeo.store".
platform::Result<std::unique_ptr<platform::store::Store>> openPlantStore(
    const std::filesystem::path& path, platform::MainQueue& queue);

// All plants in store order (the order they were added).
platform::store::LiveQuery<Plant> queryAllPlants(platform::store::ModelContext& context);
// All plants by name, ascending in the store's string order.
platform::store::LiveQuery<Plant> queryPlantsByName(platform::store::ModelContext& context);
// All growth posts, newest first.
platform::store::LiveQuery<GrowthPost> queryGrowthPostsNewestFirst(
    platform::store::ModelContext& context);

// All plants in store order, once.
platform::Result<std::vector<std::shared_ptr<Plant>>> fetchAllPlants(
    platform::store::ModelContext& context);

// The record with this id, if the store holds one (the display's image loader asks this).
std::shared_ptr<Plant> plantWithID(platform::store::ModelContext& context,
                                   const platform::Uuid& id);
std::shared_ptr<GrowthPost> growthPostWithID(platform::store::ModelContext& context,
                                             const platform::Uuid& id);

}  // namespace verdeo
