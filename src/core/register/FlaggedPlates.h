#pragma once
// The flagged plates: plates the company wants the gate to notice, each with
// the reason and the day it was added. One text file in the program folder,
// shared by every workstation (UTF-8, a line per plate: plate, reason and
// date separated by tabs). Every change is made under the file's lock on the
// list as it is at that moment, and the file is replaced whole, so it is
// never half-written and a change made meanwhile by another workstation is
// kept.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct FlaggedPlate {
    QString plate;  // as typed, trimmed, in capitals
    QString reason;
    QString added;  // dd/mm/yyyy
    bool operator==(const FlaggedPlate &) const = default;
};

namespace FlaggedPlates {
inline constexpr const char *FileName = "Targhe_Segnalate.txt";
// The lock taken around every change (a file of its own, since the list is
// replaced by a new file and a lock on the old one would not hold).
inline constexpr const char *LockName = "Targhe_Segnalate.lck";
QString Path();

struct List {
    QList<FlaggedPlate> plates;
    // Lines that name no plate (a damaged file): kept in the file as they are.
    QList<QByteArray> unreadable;
};

// The list in the file; empty when there is none. IoError when the file
// exists and cannot be read.
List Read(const QString &path = Path());
// Flags a plate (a plate already flagged, look-alikes included, gets the new
// reason and date) and returns the list as written. IoError (ArchiveBusy when
// another workstation holds the lock too long) leaves the file as it was.
List Add(const FlaggedPlate &plate, const QString &path = Path());
// Removes every entry of the plate and returns the list as written; IoError
// as for Add.
List Remove(const QString &plate, const QString &path = Path());

// The flagged entry the typed plate matches: compared normalized, with O and
// 0, I and 1 counted equal.
std::optional<FlaggedPlate> Find(const QList<FlaggedPlate> &plates, const QString &typed);
} // namespace FlaggedPlates
