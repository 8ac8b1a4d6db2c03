#pragma once
// How long a vehicle not yet left has been inside, and whether it has stayed
// longer than the limit: the end of each line of the list of the vehicles
// not yet left, and the summary above it.
#include "core/storage/ArchiveScan.h"
#include "core/storage/ListRules.h"

#include <QDateTime>
#include <optional>
#include <QString>

struct TimeInside {
    // "45 min", "3 h 20 min", "2 g 4 h"; whole days ("2 g") when the entry
    // time is not a valid hh:nn; empty when the entry date is not a valid
    // dd/mm/yyyy or the entry is later than now.
    QString text;
    bool overLimit = false; // inside longer than maxHours (never when 0)
};
TimeInside TimeInsideOf(const QString &dataEnt, const QString &oraEnt, const QDateTime &now, int maxHours);

// The list of the vehicles not yet left, each line ending with the time
// inside (and the mark of a stay over the limit, highlighted), sorted by the
// whole line; with how many are inside and how many over the limit.
struct VehiclesInside {
    ListLines lines;
    int inside = 0;
    int overLimit = 0;
};
VehiclesInside CollectVehiclesInside(const QString &archivePath, const QDateTime &now, int maxHours,
                                     const ScanProgress &progress = {});
// "<n> veicoli all'interno, <m> oltre il limite di <h> ore." or, with no
// limit (0 hours), "<n> veicoli all'interno."
QString VehiclesInsideSummary(const VehiclesInside &inside, int maxHours);
