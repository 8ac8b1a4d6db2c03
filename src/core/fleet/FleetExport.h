#pragma once
// The fleet's spreadsheet export: the file, the worksheet, the 25 columns
// written, the rows of the archive, and the grid of the export window (the
// card number, then the same 25 columns, two of them open to corrections).
#include "core/storage/ArchiveScan.h"
#include "core/storage/CardGridModel.h"
#include "core/storage/SpreadsheetExport.h"

#include <QList>
#include <QString>
#include <QStringList>

inline const QString FleetExportFileName = QStringLiteral("Flotta_Automezzi.xls");
inline const QString FleetExportSheetName = QStringLiteral("Flotta Automezzi");

// The 25 columns written (the card number is not).
QList<SpreadsheetColumn> FleetExportColumns();
// The grid's columns 1-25 of every vehicle of the archive (created when
// missing), in archive order; 10 empty rows for an empty fleet. IoError on
// failure.
QList<QStringList> FleetExportRows(const QString &archivePath);
// The same, appending to rows as the archive is read, so the rows read
// before a failure (IoError) are kept.
void ReadFleetExportRows(const QString &archivePath, QList<QStringList> &rows, const ScanProgress &progress = {});

// The grid of the export window: "N." then the 25 columns over the one
// export grid model, "Marca e modello" and "Acquisto" each joined from two
// fields. Codice fiscale and Tel. preferenziale accept corrections, which go
// into the spreadsheet file but never into the archive. It is also the rows
// of the file.
class FleetGridModel : public CardGridModel
{
public:
    explicit FleetGridModel(QObject *parent = nullptr);

    // The grid's headings and widths on screen, column 0 included.
    static QStringList Headings();
    static QList<int> Widths();
};
