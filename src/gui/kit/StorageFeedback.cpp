#include "gui/kit/StorageFeedback.h"

#include "core/storage/StorageEvents.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>

const QString LockWaitText = QStringLiteral("Archivio in uso da un'altra postazione: attendere...");

QString TailKeptText(const QString &archive, const QString &sideFile, qint64 bytes)
{
    return QStringLiteral("Attenzione: l'archivio \"%1\" terminava con %2 byte che non formano una scheda intera "
                          "(un salvataggio interrotto o una copia danneggiata).\r\n\r\n"
                          "Quei byte sono stati conservati nel file \"%3\", accanto all'archivio, e la scheda è "
                          "stata salvata dopo l'ultima scheda intera.")
        .arg(QFileInfo(archive).fileName())
        .arg(bytes)
        .arg(QFileInfo(sideFile).fileName());
}

namespace {
// The window the user is working in: the modal dialog in front, else the
// active window, else the window holding the focus, else the first visible
// screen with a status line.
QWidget *frontWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (QWidget *focus = QApplication::focusWidget())
        return focus->window();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->findChild<QLabel *>(QStringLiteral("panInfo")))
            return top;
    }
    return nullptr;
}

struct Waiting {
    bool active = false;
    QPointer<QLabel> status;
    QString before;
};

Waiting &waiting()
{
    static Waiting state;
    return state;
}

void keepPainting()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void lockWait(StorageEvents::LockWait step)
{
    Waiting &w = waiting();
    switch (step) {
    case StorageEvents::LockWait::Begins:
        if (w.active)
            break;
        w.active = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (QWidget *front = frontWindow())
            w.status = front->findChild<QLabel *>(QStringLiteral("panInfo"));
        if (w.status) {
            w.before = w.status->text();
            w.status->setText(LockWaitText);
        }
        keepPainting();
        break;
    case StorageEvents::LockWait::Goes:
        keepPainting();
        break;
    case StorageEvents::LockWait::Ends:
        if (!w.active)
            break;
        // What the window said before, unless it has said something since.
        if (w.status && w.status->text() == LockWaitText)
            w.status->setText(w.before);
        w = Waiting();
        QApplication::restoreOverrideCursor();
        break;
    }
}

void tailKept(const QString &archive, const QString &sideFile, qint64 bytes)
{
    Dialogs::Message(frontWindow(), MessageKind::Warning, TailKeptText(archive, sideFile, bytes));
}
} // namespace

void InstallStorageFeedback()
{
    StorageEvents::SetListener({lockWait, tailKept});
}
