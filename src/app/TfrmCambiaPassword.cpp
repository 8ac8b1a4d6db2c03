#include "app/TfrmCambiaPassword.h"
#include "ui_TfrmCambiaPassword.h"

#include "app/Crypt.h"
#include "ui/Dialogs.h"
#include "app/PasswordStore.h"
#include "ui/Navigator.h"
#include "storage/TextRules.h"
#include "ui/WindowKit.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace {
const QString WrongOldPassword = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
const QString NotStorable = QStringLiteral(
    "Attenzione: la nuova password non può superare i 255 caratteri né contenere caratteri non supportati, "
    "come il simbolo €. E' necessario reinserire entrambi i valori.");
const QString ChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");
const QString Changed = QStringLiteral("Modifica della password completata con successo.");

// The cipher keeps 8 bits per character and counts characters in one byte:
// a longer password, or one with a character above U+00FF, would be stored
// differently from what is typed at login and lock everybody out.
bool CipherCanHold(const QString &password)
{
    if (password.size() > 255)
        return false;
    for (const QChar c : password) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : ScreenWindow(parent), ui(std::make_unique<Ui::TfrmCambiaPassword>())
{
    ui->setupUi(this);
    AttachHighlights(this, {QStringLiteral("PasswordOld"), QStringLiteral("PasswordNew"), QStringLiteral("Conferma")});
    AttachEnterOrder(this, {{QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew")},
                            {QStringLiteral("txtPasswordNew"), QStringLiteral("txtConferma")},
                            {QStringLiteral("txtConferma"), QStringLiteral("txtPasswordOld")}});

    for (QLineEdit *edit : {ui->txtPasswordOld, ui->txtPasswordNew, ui->txtConferma}) {
        connect(edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
        edit->installEventFilter(this);
    }
    connect(ui->cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);

    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmCambiaPassword::~TfrmCambiaPassword() = default;

// Closing ("Chiudi", a completed change, or a close asked by the system)
// never ends anything: the login window comes back with an empty field.
void TfrmCambiaPassword::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // Nothing typed here stays behind in the hidden window.
    ui->txtPasswordOld->clear();
    ui->txtPasswordNew->clear();
    ui->txtConferma->clear();
    // The login prepares itself when shown: an empty field, ready for typing.
    Navigator::GoTo(this, ScreenId::Login);
}

bool TfrmCambiaPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease)
        txtChange();
    return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::FormShow()
{
    ui->txtPasswordOld->clear();
    ui->txtPasswordNew->clear();
    ui->txtConferma->clear();
    ui->lblMemory->clear();
    txtChange();
    ui->txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::txtChange()
{
    ui->cmdOK->setEnabled(!Trim(ui->txtPasswordOld->text()).isEmpty() && !Trim(ui->txtPasswordNew->text()).isEmpty()
                          && !Trim(ui->txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::RefuseNewPassword(const QString &text)
{
    Dialogs::Message(this, MessageKind::Plain, text);
    ui->txtPasswordNew->clear();
    ui->txtConferma->clear();
    ui->txtPasswordNew->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::cmdOKClick()
{
    const std::optional<QString> expected = PasswordStore::ReadPassword();
    if (!expected) {
        Dialogs::Message(this, MessageKind::Plain, ChangeError);
        return;
    }

    // An empty entry never matches, not even an empty store.
    const QString old = Trim(UpperAZ(ui->txtPasswordOld->text()));
    if (old.isEmpty() || old != *expected) {
        Dialogs::Message(this, MessageKind::Plain, WrongOldPassword);
        ui->txtPasswordOld->clear();
        ui->txtPasswordOld->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Compared as typed: a confirmation differing only in case is refused.
    if (Trim(ui->txtPasswordNew->text()) != Trim(ui->txtConferma->text())) {
        RefuseNewPassword(NotConfirmed);
        return;
    }
    const QString password = Trim(UpperAZ(ui->txtPasswordNew->text()));
    if (!CipherCanHold(password)) {
        RefuseNewPassword(NotStorable);
        return;
    }
    try {
        PasswordStore::WriteValue(Trim(CryptEncode(password)));
    } catch (const StoreError &) {
        Dialogs::Message(this, MessageKind::Plain, ChangeError);
        return;
    }
    Dialogs::Message(this, MessageKind::Plain, Changed);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}
