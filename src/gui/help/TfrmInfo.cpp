#include "gui/help/TfrmInfo.h"
#include "ui_TfrmInfo.h"

#include "gui/help/Maker.h"
#include "gui/kit/TMisc.h"
#include "gui/kit/WindowKit.h"

TfrmInfo::TfrmInfo(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmInfo>())
{
    ui->setupUi(this);
    ui->lnkWeb->setText(QString::fromLatin1(MakerEmail));
    AttachLink(ui->lnkWeb, ui->imgEmail, [this] { lnkWebClick(); });
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
    ui->btnChiudi->setDefault(true);
    ui->btnChiudi->setFocus();
    AttachAccessibleNames(this, {}, {{"imgEmail", ui->lnkWeb->text()}});
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmInfo::~TfrmInfo() = default;

void TfrmInfo::lnkWebClick()
{
    // A new message to the maker; the mail program takes the blanks as they are.
    TMisc::Open(QStringLiteral("mailto:") + QString::fromLatin1(MakerEmail)
                + QStringLiteral("?subject=Software Varcanto&body=Salve, desidererei avere le seguenti "
                                 "informazioni sul software in oggetto:"));
}

void TfrmInfo::btnChiudiClick()
{
    accept();
}
