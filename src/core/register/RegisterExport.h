#pragma once
// The register's spreadsheet export: the file, the worksheet, the columns
// written (headings and widths of their own, not the grid's), the rows of an
// archive, and the grid of the export window.
#include "core/storage/CardGridModel.h"
#include "core/storage/SpreadsheetExport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

inline const QString RegisterExportFileName = QStringLiteral("Ingressi_e_Uscite_Veicoli.xls");
inline const QString RegisterExportSheetName = QStringLiteral("Ingressi e Uscite Veicoli");

// The 16 columns written, in card field order.
QList<SpreadsheetColumn> RegisterExportColumns();
// Grid columns 1-16 of every card of the archive (created when missing), each
// trimmed, in archive order; 10 empty rows for an archive without cards.
// IoError on failure.
QList<QStringList> RegisterExportRows(const QString &archivePath);

// The export window's grid: "N." and the sixteen fields with the grid's
// headings; the columns the operator may correct are editable.
std::unique_ptr<CardGridModel> MakeRegisterGrid(QObject *parent = nullptr);
// Widths of the grid's 17 columns on screen.
QList<int> RegisterGridWidths();
