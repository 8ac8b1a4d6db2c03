#pragma once
// The vehicle information sheet: the 24 rows printed from a vehicle card
// (label and value, values trimmed), and its footer. The weight, use, axles,
// registration papers, availability, card number and attachments are not
// printed.
#include "core/fleet/VehicleRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

struct SheetRow {
    QString label;
    QString value;
};

inline constexpr const char *VehicleSheetTitle = "SCHEDA AUTOMEZZO";

QList<SheetRow> VehicleSheetRows(const VehicleRecord &card);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString VehicleSheetFooter(const QDateTime &printedAt);
