#include "gui/kit/SpreadsheetDialogue.h"

#include "gui/kit/TMisc.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "core/storage/SpreadsheetFile.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>

const QString SpreadsheetSaveCaption = QStringLiteral("Salva il foglio di calcolo");

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
    const std::optional<SaveFileChoice> chosen =
        Dialogs::SaveFile(parent, SpreadsheetSaveCaption, ProgramFolder() + fileName, SpreadsheetFilters());
    if (!chosen)
        return false;
    const SpreadsheetTarget target = SpreadsheetTargetFor(chosen->path, chosen->filter);
    // The dialogue asked about the name as typed; when the file type's
    // extension was added, an existing file of the final name is asked about
    // here, so it is never replaced unasked.
    if (target.path != chosen->path && QFileInfo::exists(target.path)
        && !Dialogs::Ask(parent, QStringLiteral("Attenzione: esiste già un file con il nome %1.\r\n\r\n"
                                                "Si vuole sovrascrivere il file esistente?")
                                     .arg(QFileInfo(target.path).fileName())))
        return false;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ScanFeedback feedback(progress);
        WriteSpreadsheetFile(target, sheetName, columns, rows, feedback.Progress());
        QApplication::restoreOverrideCursor();
    } catch (const IoError &e) {
        QApplication::restoreOverrideCursor();
        const bool full = dynamic_cast<const DiskFull *>(&e) != nullptr;
        Dialogs::Message(parent, MessageKind::Plain,
                         full ? DiskFullText(SpreadsheetNotWrittenText(fileName)) : SpreadsheetFailedText);
        return false;
    }
    if (Dialogs::Ask(parent, SpreadsheetDoneText))
        TMisc::Open(target.path);
    return true;
}
