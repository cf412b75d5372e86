#pragma once

#include "platform/foundation/Calendar.hpp"
#include "platform/foundation/Clock.hpp"
#include "platform/store/ModelContext.hpp"

namespace verdeo {

// Puts a few example plants into an empty store (verdeo --sample-data), with last-care dates
// chosen so that some are due today. A store that holds plants is left alone.
void addSamplePlantsIfEmpty(platform::store::ModelContext& context, const platform::Clock& clock,
                            const platform::Calendar& calendar);

}  // namespace verdeo
