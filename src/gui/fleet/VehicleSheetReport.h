#pragma once
// The vehicle information sheet as a page of the report engine: A4 portrait,
// the title band, the 24 rows of labels and values, the footer with the
// moment of printing. Preview, printer and PDF all draw this one layout.
#include "core/fleet/VehicleRecord.h"
#include "gui/kit/Report.h"

#include <QDateTime>
#include <QString>

class QWidget;

ReportLayout VehicleSheetLayout(const VehicleRecord &card, const QDateTime &printedAt);

// The sheet written as a PDF with its document properties; false when the
// file cannot be written (an older file then stays as it was).
bool WriteVehicleSheetPdf(const QString &path, const VehicleRecord &card, const QDateTime &printedAt);
