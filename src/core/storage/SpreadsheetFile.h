#pragma once
// The two kinds of file an export writes, and which one a save dialogue's
// answer names: the HTML table named .xls (the default, which every
// spreadsheet program opens) or an Excel workbook .xlsx (which current Excel
// opens without warning that the file's content and its name do not match).
#include "core/storage/SpreadsheetExport.h"

#include <QString>
#include <QStringList>
#include <functional>

enum class SpreadsheetFormat {
    Xls,
    Xlsx,
};

// The file types of the save dialogue, in its order (the first the default).
extern const QString SpreadsheetXlsFilter;
extern const QString SpreadsheetXlsxFilter;
QStringList SpreadsheetFilters();

struct SpreadsheetTarget {
    QString path;
    SpreadsheetFormat format;
};

// The file a save dialogue's answer names. A name ending in ".xls" or
// ".xlsx" (in any case) is written in that format whatever the file type
// chosen; any other name gets the chosen type's extension added.
SpreadsheetTarget SpreadsheetTargetFor(const QString &chosenPath, const QString &chosenFilter);

// Writes the rows to the target in its format; IoError on a failure, after
// which a previous file at the path is still whole and no new one is left.
void WriteSpreadsheetFile(const SpreadsheetTarget &target, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows,
                          const std::function<void(int done, int total)> &progress = {});
