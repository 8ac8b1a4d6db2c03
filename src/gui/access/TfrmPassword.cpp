#include "gui/access/TfrmPassword.h"
#include "ui_TfrmPassword.h"

#include "gui/kit/Dialogs.h"
#include "core/access/PasswordStore.h"
#include "gui/kit/Navigator.h"
#include "core/storage/TextRules.h"
#include "gui/kit/WindowKit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace {
const QString WrongPassword = QStringLiteral("Attenzione: password errata.");
} // namespace

TfrmPassword::TfrmPassword(QWidget *parent)
    : ScreenWindow(parent), ui(std::make_unique<Ui::TfrmPassword>())
{
    ui->setupUi(this);
    AttachHighlights(this, {QStringLiteral("Password")});
    ui->txtPassword->installEventFilter(this);

    connect(ui->txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(ui->cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(ui->btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);

    AttachAccessibleNames(this, {{"lblRigo05", "txtPassword"}});
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmPassword::~TfrmPassword() = default;


// There is no close button; a close asked by the system (Alt+F4) is the same
// as "Esci", so the program never runs on without a window.
void TfrmPassword::closeEvent(QCloseEvent *event)
{
    event->accept();
    EndApplication();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->txtPassword) {
        if (event->type() == QEvent::KeyPress)
            return txtPasswordKeyDown(static_cast<QKeyEvent *>(event)->key());
        if (event->type() == QEvent::KeyRelease)
            txtPasswordChange();
    }
    return QWidget::eventFilter(watched, event);
}

// Each time the program shows the login (at start, back from the change of
// password) the field is empty and has the focus.
void TfrmPassword::FormShow()
{
    ui->txtPassword->clear();
    ui->lblMemory->clear();
    txtPasswordChange();
    ui->txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::txtPasswordChange()
{
    ui->cmdOK->setEnabled(!Trim(ui->txtPassword->text()).isEmpty());
}

// Enter checks the password when something has been typed; it never types.
bool TfrmPassword::txtPasswordKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (!Trim(ui->txtPassword->text()).isEmpty())
        cmdOKClick();
    return true;
}

void TfrmPassword::cmdOKClick()
{
    switch (PasswordStore::CheckLogin(ui->txtPassword->text())) {
    case PasswordStore::LoginCheck::Empty:
        return;
    case PasswordStore::LoginCheck::StoreDamaged:
        Dialogs::Message(this, MessageKind::Plain, PasswordStore::DamagedStoreText);
        return;
    case PasswordStore::LoginCheck::Wrong:
        Dialogs::Message(this, MessageKind::Plain, WrongPassword);
        ui->txtPassword->clear();
        ui->txtPassword->setFocus(Qt::OtherFocusReason);
        return;
    case PasswordStore::LoginCheck::Correct:
        break;
    }
    ui->txtPassword->clear();
    Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmPassword::cmdEsciClick()
{
    EndApplication();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    Navigator::GoTo(this, ScreenId::ChangePassword);
}
