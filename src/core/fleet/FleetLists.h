#pragma once
// The fleet's lists of vehicles: the search on up to ten fields and the list
// of the vehicles marked available. Both read the archive in one walk,
// decoding only the fields they need, build one line per vehicle (the same
// layout for both) and sort once.
#include "core/storage/ArchiveScan.h"
#include "core/storage/ListRules.h"

#include <QString>

// The ten searchable fields, in the order of the search window's criteria.
inline constexpr const char *FleetSearchFields[10] = {"Veicolo",    "Alimentazione", "Marca",     "Modello", "Targa",
                                                      "Telaio",     "Conducente",    "CodFisc",   "Incidenti", "Note"};
// One text per searchable field, as typed, in FleetSearchFields order.
struct FleetCriteria {
    QString text[10];
};
// The criteria whose trimmed text is not empty.
int CountCriteria(const FleetCriteria &criteria);
// True when every counted criterion, as typed (a trailing blank included),
// occurs in its field, A-Z and a-z alike; with no criterion every vehicle
// matches. A criterion of blanks only is not counted and asks for nothing.
bool VehicleMatches(const char *record, const FleetCriteria &criteria);

// True when the vehicle's availability, trimmed, is exactly "Sì".
bool VehicleIsAvailable(const char *record);

// The line of a vehicle in both lists: make and model in 30 characters, the
// plate in 12, the owner or driver in 25, the telephone in 15, then the notes.
QString FleetListLine(const char *record);

// The vehicles of the archive (created when missing) that match, sorted; the
// lines read before a failure are kept and the failure is flagged.
ListLines SearchFleet(const QString &archivePath, const FleetCriteria &criteria, const ScanProgress &progress = {});
// The vehicles marked available, sorted; failures as for SearchFleet.
ListLines AvailableVehicles(const QString &archivePath, const ScanProgress &progress = {});

inline const QString FleetSearchTitle = QStringLiteral("Riepilogo parco automezzi");
inline const QString AvailableVehiclesTitle = QStringLiteral("Riepilogo veicoli disponibili");
// "Il presente riepilogo contiene N schede." (as every search says it)
QString FleetFoundText(int lines);
