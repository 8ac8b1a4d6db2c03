#pragma once
// The register's lists of cards: the three daily lists (entered today, left
// today, not yet left) and the search, each as which cards it lists, how a
// line reads and what its print-out is titled. Every list is read in one walk
// of the archive, decoding only the fields it needs, then sorted once.
#include "core/storage/ArchiveScan.h"
#include "core/storage/ListRules.h"

#include <QList>
#include <QString>

enum class RegisterList { EnteredToday, LeftToday, NotLeft };

// The line of a card (raw record bytes) in a daily list.
QString RegisterListLine(RegisterList list, const char *record);
// True when the daily list shows the card; today is dd/mm/yyyy.
bool RegisterListShows(RegisterList list, const char *record, const QString &today);
// The title printed above the list.
QString RegisterListTitle(RegisterList list, const QString &today);
// The lines of the daily list over the archive (created when missing), sorted.
ListLines CollectRegisterList(const QString &archivePath, RegisterList list, const QString &today,
                              const ScanProgress &progress = {});

// The ten searchable fields, in the order of the search window's criteria.
inline constexpr const char *RegisterSearchFields[10] = {"DataEnt",    "DataUsc", "Veicolo", "Targa",
                                                         "Conduttore", "Foglio",  "Persone", "Merce",
                                                         "Luogo",      "Note"};
// One text per searchable field (as typed, in RegisterSearchFields order).
struct RegisterCriteria {
    QString text[10];
};
// The criteria whose trimmed text is not empty.
int CountCriteria(const RegisterCriteria &criteria);
// True when every counted criterion occurs in its field (a-z and A-Z alike);
// with no criterion every card matches.
bool CardMatches(const char *record, const RegisterCriteria &criteria);
// The line of a card in the search results.
QString RegisterSearchLine(const char *record);
inline const QString RegisterSearchTitle = QStringLiteral("Riepilogo ingressi e uscite veicoli");
// The cards of the archive (created when missing) that match, sorted.
ListLines SearchRegister(const QString &archivePath, const RegisterCriteria &criteria,
                         const ScanProgress &progress = {});
