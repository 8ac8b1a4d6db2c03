#include "gui/kit/SpreadsheetDialogue.h"

#include "gui/kit/TMisc.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "core/storage/SpreadsheetFile.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QCursor>

const QString SpreadsheetSaveCaption = QStringLiteral("Salva il foglio di calcolo");

bool RunSpreadsheetExport(QWidget *parent, const QString &fileName, const QString &sheetName,
                          const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows,
                          QProgressBar *progress)
{
    if (!Dialogs::Ask(parent, SpreadsheetAskText))
        return false;
    const std::optional<SaveFileChoice> chosen =
        Dialogs::SaveFile(parent, SpreadsheetSaveCaption, ProgramFolder() + fileName, SpreadsheetFilters());
    if (!chosen)
        return false;
    const SpreadsheetTarget target = SpreadsheetTargetFor(chosen->path, chosen->filter);
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ScanFeedback feedback(progress);
        WriteSpreadsheetFile(target, sheetName, columns, rows, feedback.Progress());
        QApplication::restoreOverrideCursor();
    } catch (const IoError &) {
        QApplication::restoreOverrideCursor();
        Dialogs::Message(parent, MessageKind::Plain, SpreadsheetFailedText);
        return false;
    }
    if (Dialogs::Ask(parent, SpreadsheetDoneText))
        TMisc::Open(QLatin1Char('"') + target.path + QLatin1Char('"'));
    return true;
}
