#pragma once
// The rules of the vehicle card editor that need no window: the mandatory
// fields of a card, the availability mark, and the kilometres-per-litre field.
#include "core/fleet/VehicleRecord.h"
#include "core/storage/CardEditorModel.h"

#include <QString>
#include <optional>

// The first mandatory field the card leaves empty (type, make, model, plate,
// in that order), as a warning; nothing when the card can be saved.
std::optional<SaveRefusal> CheckVehicleForSave(const VehicleRecord &card);

// The stored availability as the check box shows it: ticked for "Sì",
// cleared for "No", and nothing (the box keeps its state) for anything else.
std::optional<bool> AvailabilityMark(const QString &disponibile);

// The kilometres per litre hold a whole number: a text with anything but
// the digits 0-9 (a blank included) becomes "0"; an empty text stays empty.
QString WholeKmPerLitre(const QString &text);
