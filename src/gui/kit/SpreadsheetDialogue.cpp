#include "gui/kit/SpreadsheetDialogue.h"

#include "gui/kit/TMisc.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QCursor>

bool RunSpreadsheetExport(QWidget *parent, const QString &fileName, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows,
                          QProgressBar *progress)
{
    if (!Dialogs::Ask(parent, SpreadsheetAskText))
        return false;
    const QString path = ProgramFolder() + fileName;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ScanFeedback feedback(progress);
        WriteSpreadsheet(path, sheetName, columns, rows, feedback.Progress());
        QApplication::restoreOverrideCursor();
    } catch (const IoError &) {
        QApplication::restoreOverrideCursor();
        Dialogs::Message(parent, MessageKind::Plain, SpreadsheetFailedText);
        return false;
    }
    if (Dialogs::Ask(parent, SpreadsheetDoneText))
        TMisc::Open(path);
    return true;
}
