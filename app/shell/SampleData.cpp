#include "app/shell/SampleData.hpp"

#include "app/model/Plant.hpp"
#include "app/model/Species.hpp"
#include "platform/foundation/Log.hpp"

namespace verdeo {

void addSamplePlantsIfEmpty(platform::store::ModelContext& context, const platform::Clock& clock,
                            const platform::Calendar& calendar) {
  auto count = context.count<Plant>();
  if (!count || *count > 0) return;
  const platform::Date now = clock.now();
  auto daysAgo = [&](int days) { return calendar.addingDays(-days, now).value_or(now); };
  const platform::Date nineOClock = calendar.date({.hour = 9, .minute = 0}).value_or(now);
  struct Sample {
    const char* name;
    Species species;
    CareFrequency frequency;
    int lastCareDaysAgo;
    LightNeeds light;
    WaterNeeds water;
    Location location;
    const char* notes;
  };
  const Sample samples[] = {
      {"Kelly", Species::monstera, CareFrequency::weekly, 7, LightNeeds::partial,
       WaterNeeds::moderate, Location::livingRoom, "Turn a quarter every week."},
      {"Basilico", Species::basil, CareFrequency::daily, 1, LightNeeds::full, WaterNeeds::high,
       Location::kitchen, ""},
      {"Zed", Species::zz, CareFrequency::monthly, 40, LightNeeds::low, WaterNeeds::low,
       Location::office, "Forgiving; water sparingly."},
      {"Lily", Species::peacelily, CareFrequency::weekly, 3, LightNeeds::partial, WaterNeeds::high,
       Location::bedroom, ""},
  };
  for (const Sample& s : samples) {
    context.insert(Plant::create({
        .id = platform::Uuid::random(),
        .name = s.name,
        .species = std::string(rawValue(s.species)),
        .dateAcquired = daysAgo(120),
        .lastCareDate = daysAgo(s.lastCareDaysAgo),
        .careFrequency = s.frequency,
        .lightNeeds = s.light,
        .waterNeeds = s.water,
        .notes = s.notes,
        .imageData = std::nullopt,
        .location = s.location,
        .notificationsEnabled = false,
        .notificationTime = nineOClock,
    }));
  }
  if (auto saved = context.save(); !saved)
    platform::logLine("Could not save the sample plants: " + saved.error().description);
}

}  // namespace verdeo
