#pragma once
// The export as an Excel workbook (.xlsx), beside the HTML table named .xls:
// current Excel opens a workbook without the warning it gives for the table.
// Written from the same rows as the table: one sheet of the same name, the
// heading row bold, frozen and with an autofilter, the same column widths
// (pixels), and every cell a text (so "0612345678", "007", "1e5" and dates
// stay as typed) in the text number format, empty rows included. Cell and
// heading texts are trimmed as in the table; NUL, lone surrogates, U+FFFE and
// U+FFFF become U+FFFD.
//
// The workbook is made by libxlsxwriter in its constant-memory mode (a row at
// a time; its scratch files and the finished workbook lie in the system's
// temporary folder), then copied through the write seam into a file beside
// the target that takes the target's place only when complete: after a
// failure a previous file is still whole and no new file is left.
#include "core/storage/SpreadsheetExport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Raises IoError on any failure: the file cannot be replaced or written, the
// sheet name is not one a workbook allows (empty, over 31 characters, or
// holding [ ] : * ? / \), a cell holds more than 32,767 characters, or there
// are more rows than a sheet holds.
// progress, when given, hears the rows written so far and the rows in all.
void WriteSpreadsheetXlsx(const QString &path, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                          const SpreadsheetRows &rows, const std::function<void(int done, int total)> &progress = {});

// The same for rows held as texts: false on a failure, with the reason in
// *error (when given).
bool WriteSpreadsheetXlsx(const QString &path, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                          const QList<QStringList> &rows, QString *error);
