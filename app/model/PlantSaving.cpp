#include "app/model/PlantSaving.hpp"

#include "platform/foundation/Log.hpp"
#include "platform/foundation/Uuid.hpp"

namespace verdeo {

void PlantEdits::applyTo(Plant& plant) const {
  plant.setName(name);
  plant.setSpecies(species);
  plant.setDateAcquired(dateAcquired);
  plant.setCareFrequency(careFrequency);
  plant.setLightNeeds(lightNeeds);
  plant.setWaterNeeds(waterNeeds);
  plant.setNotes(notes);
  plant.setImageData(imageData);
  plant.setLocation(location);
  plant.setNotificationsEnabled(notificationsEnabled);
  plant.setNotificationTime(notificationTime);
}

PlantSaveOutcome savePlant(platform::store::ModelContext& context, PlantSaveMode mode,
                           std::shared_ptr<Plant> plant, const PlantEdits& edits,
                           platform::Date now, const PlantReminders& reminders,
                           platform::NotificationCenter& center) {
  if (mode == PlantSaveMode::edit) {
    edits.applyTo(*plant);
    platform::logLine("Aggiornata pianta esistente: " + edits.name);
    if (edits.notificationsEnabled)
      reminders.scheduleReminder(*plant, edits.notificationTime);
    else
      reminders.cancelReminder(*plant);
  } else {
    if (plant) {
      // Created by an attempt whose save failed: already in the context, with its id and its
      // moment of creation.
      edits.applyTo(*plant);
    } else {
      plant = Plant::create({
          .id = platform::Uuid::random(),
          .name = edits.name,
          .species = edits.species,
          .dateAcquired = edits.dateAcquired,
          .lastCareDate = now,
          .careFrequency = edits.careFrequency,
          .lightNeeds = edits.lightNeeds,
          .waterNeeds = edits.waterNeeds,
          .notes = edits.notes,
          .imageData = edits.imageData,
          .location = edits.location,
          .notificationsEnabled = edits.notificationsEnabled,
          .notificationTime = edits.notificationTime,
      });
    }
    platform::logLine("Creazione nuova pianta: " + edits.name);
    context.insert(plant);
    if (edits.notificationsEnabled) reminders.scheduleReminder(*plant, edits.notificationTime);
  }

  PlantSaveOutcome outcome{.plant = plant, .error = std::nullopt};
  if (auto saved = context.save(); !saved) {
    platform::logLine("❌ Errore nel salvataggio della pianta: " + saved.error().description);
    outcome.error = saved.error();
    return outcome;
  }
  platform::logLine("✅ Pianta salvata con successo: " + edits.name);
  // Observers hear of it on a later turn of the main queue, after the caller has returned.
  center.post(kRefreshPlantList);

  if (mode == PlantSaveMode::add) {
    // A failing count only means no first-plant follow-up.
    auto count = context.count<Plant>();
    outcome.isFirstPlant = count && *count == 1;
  }
  return outcome;
}

void deletePlant(platform::store::ModelContext& context, const std::shared_ptr<Plant>& plant,
                 const PlantReminders& reminders) {
  reminders.cancelReminder(*plant);
  context.remove(plant);
}

}  // namespace verdeo
