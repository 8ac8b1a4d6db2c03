#include "gui/access/TfrmCambiaPassword.h"
#include "ui_TfrmCambiaPassword.h"

#include "gui/kit/Dialogs.h"
#include "core/access/PasswordStore.h"
#include "core/storage/IoError.h"
#include "gui/kit/Navigator.h"
#include "core/storage/TextRules.h"
#include "gui/kit/WindowKit.h"

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

    AttachAccessibleNames(
        this, {{"lblRigo05", "txtPasswordOld"}, {"lblRigo06", "txtPasswordNew"}, {"lblRigo07", "txtConferma"}});
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
    using PasswordStore::PasswordChange;
    switch (PasswordStore::ChangePassword(ui->txtPasswordOld->text(), ui->txtPasswordNew->text(),
                                          ui->txtConferma->text())) {
    case PasswordChange::StoreDamaged:
        Dialogs::Message(this, MessageKind::Plain, PasswordStore::DamagedStoreText);
        return;
    case PasswordChange::WriteFailed:
        Dialogs::Message(this, MessageKind::Plain, ChangeError);
        return;
    case PasswordChange::DiskFull:
        Dialogs::Message(this, MessageKind::Plain,
                         DiskFullText(QStringLiteral("La nuova password non è stata salvata: resta valida quella "
                                                     "precedente.")));
        return;
    case PasswordChange::WrongOld:
        Dialogs::Message(this, MessageKind::Plain, WrongOldPassword);
        ui->txtPasswordOld->clear();
        ui->txtPasswordOld->setFocus(Qt::OtherFocusReason);
        return;
    case PasswordChange::NotConfirmed:
        RefuseNewPassword(NotConfirmed);
        return;
    case PasswordChange::NotStorable:
        RefuseNewPassword(NotStorable);
        return;
    case PasswordChange::Done:
        break;
    }
    Dialogs::Message(this, MessageKind::Plain, Changed);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}
