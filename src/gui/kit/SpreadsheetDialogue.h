#pragma once
// The dialogue of an export button: asks to go on, asks where to save the
// spreadsheet file and in which of the two formats (proposing the export's
// file in the program folder, as .xls), writes it, says so and offers to open
// it; a failure is told with the export's own message (a full disk named as
// such) and leaves any previous file whole, and no new one. Rows that are not
// the whole archive (its reading failed part-way) are never written: the user
// is told, the old file stays.
#include "core/storage/SpreadsheetExport.h"

class QProgressBar;
class QWidget;

// The caption of the save dialog.
extern const QString SpreadsheetSaveCaption;

// True when the file was written. rowsWhole: the rows hold every card of
// the archive. A long write shows its progress on the bar (when given) and
// the window keeps repainting.
bool RunSpreadsheetExport(QWidget *parent, const QString &fileName, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows, bool rowsWhole,
                          QProgressBar *progress = nullptr);
