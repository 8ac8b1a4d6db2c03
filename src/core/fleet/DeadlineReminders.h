#pragma once
// What the fleet's deadlines say today: how many have expired and how many
// fall due within the notice period (the start menu's line), the list of
// those deadlines with their vehicles (the "Scadenze automezzi" window, its
// print and its spreadsheet), and the available vehicles that may not go out.
#include "core/fleet/VehicleDeadlines.h"
#include "core/storage/ListRules.h"
#include "core/storage/SpreadsheetExport.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Dated deadlines that expired before today, that fall due from today to
// noticeDays days on, and entries of the deadlines file that are damaged.
struct DeadlineCounts {
    int expired = 0;
    int dueSoon = 0;
    int damaged = 0;
};
// Reads the deadlines file once (nothing of the fleet archive). IoError when
// it cannot be read.
DeadlineCounts CountDeadlines(const QString &fleetPath, const QDate &today, int noticeDays);
// "Scadenze automezzi: <a> scadute, <b> entro <n> giorni." with the parts
// that count zero left out; empty when both are zero.
QString ReminderText(const DeadlineCounts &counts, int noticeDays);

// One deadline that has expired or falls due within the notice period.
struct DueDeadline {
    QDate date;
    int daysLeft = 0; // negative when expired
    QString kind;
    int cardNumber = 0;
    QString vehicle; // make and model
    QString plate;
    QString driver;
};
struct DueDeadlines {
    QList<DueDeadline> due; // by date, then card number, then the dialog's order
    int damaged = 0;
};
// The deadlines counted by CountDeadlines, with their vehicles read from the
// fleet archive. IoError on failure.
DueDeadlines DeadlinesDue(const QString &fleetPath, const QDate &today, int noticeDays);

// "oggi", "tra 1 giorno", "tra <d> giorni", or "scaduta da <d> giorni".
QString DaysLeftText(int daysLeft);
// The list line of a deadline: the date, the days left in 22 characters, the
// kind in 20, make and model in 30, "  Targa: " and the plate in 12, then
// the driver. Expired lines are marked for drawing in crimson.
QList<ListLine> DueDeadlineLines(const DueDeadlines &deadlines);
QList<SpreadsheetColumn> DueDeadlineColumns();
QList<QStringList> DueDeadlineRows(const DueDeadlines &deadlines);

inline const QString DeadlinesTitle = QStringLiteral("Scadenze automezzi");
inline const QString DeadlinesExportFileName = QStringLiteral("Scadenze_Automezzi.xls");
inline const QString DeadlinesSheetName = QStringLiteral("Scadenze Automezzi");

// Marks the lines (of the available vehicles) whose vehicle's insurance or
// inspection expired before today: the line ends with "  ASSICURAZIONE
// SCADUTA" and/or "  REVISIONE SCADUTA" and is drawn in crimson; the lines
// are sorted again. Returns the damaged entries met. IoError on failure.
int MarkExpiredVehicles(QList<ListLine> &lines, const QString &fleetPath, const QDate &today);

// The message told when entries of the deadlines file are damaged.
QString DamagedDeadlinesText(int entries);
// The message of the available vehicles when the deadlines file cannot be read.
inline const QString DeadlinesUnreadableText = QStringLiteral(
    "Attenzione: il sistema non è riuscito a leggere le scadenze degli automezzi.\n\r\n\r"
    "L'elenco non segnala i veicoli con assicurazione o revisione scaduta.");
