#include "gui/kit/Dialogs.h"

#include "core/storage/RecordFile.h"
#include "core/storage/TextRules.h"

#include <QDialog>
#include <QInputDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QAbstractButton>

const QString ArchiveErrorText = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

const QString ArchiveBusyText = QStringLiteral(
    "Attenzione: l'archivio è in uso da un'altra postazione di lavoro e la scheda non è stata salvata.\n\r\n\r"
    "Attendere qualche istante e riprovare.");

const QString CardChangedElsewhereText = QStringLiteral(
    "Attenzione: dopo che questa scheda è stata aperta, un'altra postazione di lavoro l'ha modificata in archivio.\n\r\n\r"
    "Si desidera sovrascrivere le modifiche dell'altra postazione con la scheda sullo schermo?\n\r\n\r"
    "Sì: la scheda sullo schermo sostituisce quella in archivio.\n\r"
    "No: la scheda viene caricata così com'è ora in archivio e le modifiche sullo schermo non vengono salvate.");

const QString UnsavedChangesText = QStringLiteral(
    "La scheda sullo schermo contiene modifiche non salvate.\n\r\n\rSalvarle prima di continuare?");

namespace {
ScriptedDialogs *g_script = nullptr;

struct KindLook {
    QMessageBox::Icon icon;
    const char *caption;
    QMessageBox::StandardButtons buttons;
};

KindLook lookOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return {QMessageBox::Warning, "Attenzione", QMessageBox::Ok | QMessageBox::Cancel};
    case MessageKind::Error:
        return {QMessageBox::Critical, "Errore", QMessageBox::Ok | QMessageBox::Cancel};
    case MessageKind::Information:
        return {QMessageBox::Information, "Informazione", QMessageBox::Ok | QMessageBox::Cancel};
    case MessageKind::Question:
        return {QMessageBox::Question, "Conferma", QMessageBox::Yes | QMessageBox::No};
    case MessageKind::Plain:
        break;
    }
    return {QMessageBox::NoIcon, "Varcanto", QMessageBox::Ok};
}
} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    g_script = this;
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (g_script == this)
        g_script = nullptr;
}

ScriptedDialogs *ScriptedDialogs::current()
{
    return g_script;
}

QMessageBox::StandardButton Dialogs::Message(QWidget *parent, MessageKind kind, const QString &text)
{
    const KindLook look = lookOf(kind);
    if (g_script) {
        g_script->messages.append({kind, text});
        if (!g_script->answers.isEmpty())
            return g_script->answers.takeFirst();
        return kind == MessageKind::Question ? QMessageBox::Yes : QMessageBox::Ok;
    }
    QMessageBox box(look.icon, QString::fromLatin1(look.caption), PlatformLineBreaks(text), look.buttons, parent);
    box.setDefaultButton(kind == MessageKind::Question ? QMessageBox::Yes : QMessageBox::Ok);
    return QMessageBox::StandardButton(box.exec());
}

bool Dialogs::Ask(QWidget *parent, const QString &text)
{
    return Message(parent, MessageKind::Question, text) != QMessageBox::No;
}

bool Dialogs::AskOverwriteChangedCard(QWidget *parent)
{
    return Ask(parent, CardChangedElsewhereText);
}

void Dialogs::ArchiveError(QWidget *parent, const std::exception *cause)
{
    if (dynamic_cast<const DiskFull *>(cause))
        Message(parent, MessageKind::Error, DiskFullText(QStringLiteral("La scheda non è stata salvata.")));
    else if (dynamic_cast<const ArchiveBusy *>(cause))
        Message(parent, MessageKind::Error, ArchiveBusyText);
    else
        Message(parent, MessageKind::Error, ArchiveErrorText);
}

Dialogs::UnsavedAnswer Dialogs::AskSaveChanges(QWidget *parent)
{
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    if (g_script) {
        g_script->messages.append({MessageKind::Question, UnsavedChangesText});
        if (!g_script->answers.isEmpty())
            answer = g_script->answers.takeFirst();
    } else {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Conferma"), PlatformLineBreaks(UnsavedChangesText),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        answer = QMessageBox::StandardButton(box.exec());
    }
    switch (answer) {
    case QMessageBox::Yes:
        return UnsavedAnswer::Save;
    case QMessageBox::No:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

std::optional<QString> Dialogs::Input(QWidget *parent, const QString &caption, const QString &prompt,
                                      const QString &value)
{
    if (g_script)
        return g_script->inputs.isEmpty() ? std::nullopt : g_script->inputs.takeFirst();
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString Dialogs::OpenFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    if (g_script)
        return g_script->openFiles.isEmpty() ? QString() : g_script->openFiles.takeFirst();
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

std::optional<SaveFileChoice> Dialogs::SaveFile(QWidget *parent, const QString &caption, const QString &proposedPath,
                                                const QStringList &filters)
{
    if (g_script) {
        g_script->saveDialogs.append({caption, proposedPath, filters});
        if (!g_script->saveFiles.isEmpty())
            return g_script->saveFiles.takeFirst();
        return SaveFileChoice{proposedPath, filters.value(0)};
    }
    // The extension of a file type "Name (*.ext)", added to a name typed without one.
    static const QRegularExpression extension(QStringLiteral("\\(\\*\\.([^ )]+)"));
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    const auto useFilter = [&](const QString &filter) {
        dialog.setDefaultSuffix(extension.match(filter).captured(1));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useFilter);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
        useFilter(filters.first());
    }
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveFileChoice{dialog.selectedFiles().first(), dialog.selectedNameFilter()};
}

bool Dialogs::Print(QWidget *parent, QPrinter *printer)
{
    if (g_script)
        return g_script->onPrint ? g_script->onPrint(printer) : false;
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int Dialogs::RunModal(QDialog *dialog)
{
    if (g_script) {
        if (g_script->onModal)
            g_script->onModal(dialog);
        else
            dialog->reject();
        return dialog->result();
    }
    return dialog->exec();
}
