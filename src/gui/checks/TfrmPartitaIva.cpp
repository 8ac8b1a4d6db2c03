#include "gui/checks/TfrmPartitaIva.h"
#include "ui_TfrmPartitaIva.h"

#include "core/checks/IdentifierChecks.h"
#include "core/storage/TextRules.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <algorithm>

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmPartitaIva>())
{
    ui->setupUi(this);
    ui->txtPartitaIva->setMaxLength(11);
    AttachDigitsOnly(ui->txtPartitaIva, ui->btnControlla);
    AttachAccessibleNames(this, {{"lblTitolo", "txtPartitaIva"}});
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    MakeFixedWindow(this);
}

TfrmPartitaIva::~TfrmPartitaIva() = default;

void TfrmPartitaIva::SetNumber(const QString &number)
{
    // A longer text handed in is shown whole: the capacity limits typing only.
    ui->txtPartitaIva->setMaxLength(std::max<int>(11, number.size()));
    ui->txtPartitaIva->setText(number);
}

void TfrmPartitaIva::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterWindow(this);
    ui->txtPartitaIva->setFocus();
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = UpperAZ(ui->txtPartitaIva->text());
    if (number.size() != 11) {
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        ui->txtPartitaIva->setFocus();
        return;
    }
    if (CheckVatNumber(number)) {
        Dialogs::Message(this, MessageKind::Information,
                         QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                        "E' stato rilasciato dall'Ufficio IVA del Comune di ")
                             + VatOfficeName(number.mid(7, 3)) + QLatin1Char('.'));
    } else {
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                        "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                        "che lo ha rilasciato."));
    }
    accept();
}
