#pragma once
// The archive of the company fleet: "Flotta_Automezzi.pro" in the program
// folder, one VehicleRecord per vehicle (see CardArchive).
#include "core/fleet/VehicleRecord.h"
#include "core/storage/CardArchive.h"

#include <QString>

namespace FleetArchive {
inline constexpr const char *FileName = "Flotta_Automezzi.pro";
QString Path();
// The fleet archive as a card archive (the path of another copy for tests and tools).
inline CardArchive<VehicleRecord> At(const QString &path = Path())
{
    return CardArchive<VehicleRecord>(path);
}

// Shorthands for tools that work on the fleet's cards one at a time.
inline int Count(const QString &path = Path()) { return At(path).Count(); }
inline VehicleRecord ReadCard(int cardNumber, const QString &path = Path()) { return At(path).Read(cardNumber); }
inline int AppendCard(const VehicleRecord &card, const QString &path = Path()) { return At(path).Append(card); }
inline void RewriteCard(int cardNumber, const VehicleRecord &card, const QString &path = Path())
{
    At(path).Rewrite(cardNumber, card);
}
} // namespace FleetArchive

// "Sì" for an available vehicle, "No" for one that is not: the only two
// values the editor stores.
inline const QString AvailableYes = QStringLiteral("Sì");
inline const QString AvailableNo = QStringLiteral("No");
