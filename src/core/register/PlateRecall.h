#pragma once
// A returning vehicle recalled by its plate when a new card is typed: the card
// of the open year still waiting for its exit, or else the most recent card
// with that plate (the open year first, then the year before it, when that
// archive exists), or else the company vehicle with that plate. Plates are
// compared normalized (see PlateRules). Each archive is read in one walk.
#include "core/fleet/VehicleRecord.h"
#include "core/register/VisitRecord.h"

#include <QString>
#include <optional>

struct RecalledCard {
    int cardNumber = 0;
    VisitRecord card;
    bool previousYear = false; // read from the archive of the year before
};

struct PlateRecall {
    // The latest card of the open year with the plate and no exit date.
    std::optional<RecalledCard> stillInside;
    // The latest card with the plate: the open year's, else the previous year's.
    std::optional<RecalledCard> latest;
};

// The archive of the year before the one at yearPath ("2021.vis" gives
// "2020.vis" in the same folder); empty when the name is not a year's.
QString PreviousYearPath(const QString &yearPath);

// Looks the plate up in the open year's archive (created when missing, as
// any action on it does; IoError when it cannot be read) and, only when the
// open year has no card with it, in the previous year's archive: never
// created, and skipped without a word when it cannot be read.
PlateRecall RecallPlate(const QString &yearPath, const QString &plate);

// The last vehicle of the fleet archive at fleetPath with the plate; nothing
// when there is none or the archive is missing (never created) or unreadable.
std::optional<VehicleRecord> FleetVehicleWithPlate(const QString &fleetPath, const QString &plate);

// The fields a recall fills (make and model, driver, telephone, place) taken
// from source into the fields of onScreen that are still empty; typed text
// is never overwritten.
VisitRecord FilledFrom(const VisitRecord &onScreen, const VisitRecord &source);
// A company vehicle as the register card's fields that its import fills:
// make and model, plate, driver and telephone.
VisitRecord VehicleAsVisit(const VehicleRecord &vehicle);
