#pragma once
// The archive of the company fleet: "Flotta_Automezzi.pro" in the program
// folder, one VehicleRecord per vehicle. Each function is one action: it
// opens the archive (created when missing), does its work and closes it.
// Failures are raised as IoError (ArchiveBusy when another workstation holds
// the lock of a write).
#include "core/fleet/VehicleRecord.h"

#include <QString>
#include <optional>

namespace FleetArchive {
inline constexpr const char *FileName = "Flotta_Automezzi.pro";
QString Path();

int Count(const QString &path = Path());
// The card of number cardNumber (1-based); IoError when there is none.
VehicleRecord ReadCard(int cardNumber, const QString &path = Path());
// A new card appended under the archive's lock; returns its card number.
int AppendCard(const VehicleRecord &card, const QString &path = Path());
// Card cardNumber replaced in place under the archive's lock.
void RewriteCard(int cardNumber, const VehicleRecord &card, const QString &path = Path());
// Card cardNumber replaced by card only while it still holds asLoaded (the
// card as the editor loaded it): compared and written under the archive's
// lock. Nothing when written; else the card as it is now, and nothing is
// written, because another workstation changed it meanwhile.
std::optional<VehicleRecord> RewriteCardIfUnchanged(int cardNumber, const VehicleRecord &asLoaded,
                                                    const VehicleRecord &card, const QString &path = Path());
// The card as a read gives it back after it has been stored.
VehicleRecord AsStored(const VehicleRecord &card);
// Opens for reading (creating when missing, where the folder allows) and
// closes the archive: proves it can be reached.
void Reach(const QString &path = Path());
} // namespace FleetArchive

// "Sì" for an available vehicle, "No" for one that is not: the only two
// values the editor stores.
inline const QString AvailableYes = QStringLiteral("Sì");
inline const QString AvailableNo = QStringLiteral("No");
