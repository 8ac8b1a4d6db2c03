#include "gui/kit/SpreadsheetDialogue.h"

#include "gui/kit/TMisc.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QCursor>

bool RunSpreadsheetExport(QWidget *parent, const QString &fileName, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows, bool rowsWhole,
                          QProgressBar *progress)
{
    // A file of part of the archive would pass for the whole one.
    if (!rowsWhole) {
        Dialogs::Message(parent, MessageKind::Plain, SpreadsheetNotReadText(fileName));
        return false;
    }
    if (!Dialogs::Ask(parent, SpreadsheetAskText))
        return false;
    const QString path = ProgramFolder() + fileName;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ScanFeedback feedback(progress);
        WriteSpreadsheet(path, sheetName, columns, rows, feedback.Progress());
        QApplication::restoreOverrideCursor();
    } catch (const IoError &e) {
        QApplication::restoreOverrideCursor();
        const bool full = dynamic_cast<const DiskFull *>(&e) != nullptr;
        Dialogs::Message(parent, MessageKind::Plain,
                         full ? DiskFullText(SpreadsheetNotWrittenText(fileName)) : SpreadsheetFailedText);
        return false;
    }
    if (Dialogs::Ask(parent, SpreadsheetDoneText))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
    return true;
}
