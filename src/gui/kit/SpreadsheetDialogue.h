#pragma once
// The dialogue of an export button: asks to go on, writes the spreadsheet file
// in the program folder, says so and offers to open it; a failure is told
// with the export's own message and leaves any previous file whole.
#include "core/storage/SpreadsheetExport.h"

class QProgressBar;
class QWidget;

// True when the file was written. A long write shows its progress on the bar
// (when given) and the window keeps repainting.
bool RunSpreadsheetExport(QWidget *parent, const QString &fileName, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows,
                          QProgressBar *progress = nullptr);
