#include "ui/SpreadsheetDialogue.h"

#include "app/TMisc.h"
#include "storage/Environment.h"
#include "storage/IoError.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCursor>

bool RunSpreadsheetExport(QWidget *parent, const QString &fileName, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows)
{
    if (!Dialogs::Ask(parent, SpreadsheetAskText))
        return false;
    const QString path = ProgramFolder() + fileName;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        WriteSpreadsheet(path, sheetName, columns, rows);
        QApplication::restoreOverrideCursor();
    } catch (const IoError &) {
        QApplication::restoreOverrideCursor();
        Dialogs::Message(parent, MessageKind::Plain, SpreadsheetFailedText);
        return false;
    }
    if (Dialogs::Ask(parent, SpreadsheetDoneText))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
    return true;
}
