#pragma once
// Every modal box and dialog the program shows goes through here, so that
// tests can script the answers and never wait on a real modal window.
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

enum class MessageKind {
    Warning,     // buttons OK and Annulla; the answer is ignored
    Error,       // buttons OK and Annulla; the answer is ignored
    Information, // buttons OK and Annulla; the answer is ignored
    Question,    // buttons Sì and No
    Plain,       // button OK alone
};

// A file chosen in a file-save dialog, with the file type chosen there.
struct SaveFileChoice {
    QString path;
    QString filter;
};

namespace Dialogs {
QMessageBox::StandardButton Message(QWidget *parent, MessageKind kind, const QString &text);
// A question box: true unless the answer is No.
bool Ask(QWidget *parent, const QString &text);
// The failure of an action on an archive (error box): a full disk or the
// archive in use by another workstation when the cause says so, else the
// standard failure.
void ArchiveError(QWidget *parent, const std::exception *cause = nullptr);
// A save of a stored card found that another workstation changed the card
// since it was loaded (question box): true to overwrite those changes with
// the card on screen, false to load the card as it is now.
bool AskOverwriteChangedCard(QWidget *parent);
// The card on screen has changes not saved and is about to be replaced: a
// question box with Sì, No and Annulla.
enum class UnsavedAnswer { Save, Discard, Cancel };
UnsavedAnswer AskSaveChanges(QWidget *parent);
// An input box; empty optional when cancelled.
std::optional<QString> Input(QWidget *parent, const QString &caption, const QString &prompt, const QString &value);
// A file-open dialog; empty text when cancelled.
QString OpenFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
// A file-save dialog opened on proposedPath, offering the file types of
// filters (the first chosen at first); a name typed without an extension gets
// the chosen type's, and an existing file is replaced only when the user
// confirms. Nothing when cancelled.
std::optional<SaveFileChoice> SaveFile(QWidget *parent, const QString &caption, const QString &proposedPath,
                                       const QStringList &filters);
// The print dialog for the printer; true when the user confirms.
bool Print(QWidget *parent, QPrinter *printer);
// Runs one of our own dialogs modally and returns its result code.
int RunModal(QDialog *dialog);
} // namespace Dialogs

// The text of the standard failure of an action on an archive.
extern const QString ArchiveErrorText;
// The text shown when another workstation holds the archive for too long.
extern const QString ArchiveBusyText;
// The question before a card with changes not saved is replaced.
extern const QString UnsavedChangesText;
// The question when another workstation changed a card being saved.
extern const QString CardChangedElsewhereText;

// While an object of this class exists, no modal window appears: messages are
// recorded and answered from the script, our own dialogs are handed to
// onModal (which acts on them as a user would), shell opens are recorded.
struct ShownMessage {
    MessageKind kind;
    QString text;
};
struct ShownSaveDialog {
    QString caption;
    QString proposedPath;
    QStringList filters;
};

class ScriptedDialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    // Every message shown, in order.
    QList<ShownMessage> messages;
    // Answers to the next messages, in order; when none is left the first
    // button (OK, or Sì for a question) is pressed.
    QList<QMessageBox::StandardButton> answers;
    // Answers to the next input boxes (nullopt = cancelled); default cancel.
    QList<std::optional<QString>> inputs;
    // Files chosen in the next file-open dialogs; default cancel.
    QStringList openFiles;
    // Every file-save dialog shown, in order.
    QList<ShownSaveDialog> saveDialogs;
    // Answers to the next file-save dialogs (nullopt = cancelled); when none
    // is left the proposed file is saved under the first file type, as
    // pressing Salva would.
    QList<std::optional<SaveFileChoice>> saveFiles;
    // Acts on a printer instead of the print dialog; default: cancelled.
    std::function<bool(QPrinter *)> onPrint;
    // Acts on our own dialog while it is "open"; when unset the dialog is
    // closed at once as if cancelled.
    std::function<void(QDialog *)> onModal;
    // Every text handed to the shell by TMisc::Open.
    QStringList shellOpens;

    // The script in force, or null.
    static ScriptedDialogs *current();
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }
};
