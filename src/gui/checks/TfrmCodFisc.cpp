#include "gui/checks/TfrmCodFisc.h"
#include "ui_TfrmCodFisc.h"

#include "core/checks/IdentifierChecks.h"
#include "core/storage/TextRules.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <algorithm>

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmCodFisc>())
{
    ui->setupUi(this);
    ui->txtCodFisc->setMaxLength(16);
    // Typing upper-cases a-z and drops leading and trailing blanks at once.
    AttachPlateUpperCase(ui->txtCodFisc);
    AttachEnterOrder(this, {{"txtCodFisc", "btnControlla"}});
    AttachAccessibleNames(this, {{"lblTitolo", "txtCodFisc"}});
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    MakeFixedWindow(this);
}

TfrmCodFisc::~TfrmCodFisc() = default;

void TfrmCodFisc::SetCode(const QString &code)
{
    // A longer text handed in is shown whole: the capacity limits typing only.
    ui->txtCodFisc->setMaxLength(std::max<int>(16, code.size()));
    ui->txtCodFisc->setText(code);
}

void TfrmCodFisc::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterWindow(this);
    ui->txtCodFisc->setFocus();
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = UpperAZ(ui->txtCodFisc->text());
    if (code.size() != 16) {
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        ui->txtCodFisc->setFocus();
        return;
    }
    if (CheckFiscalCode(code))
        Dialogs::Message(this, MessageKind::Information, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        Dialogs::Message(this, MessageKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}
