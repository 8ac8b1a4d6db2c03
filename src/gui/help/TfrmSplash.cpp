#include "gui/help/TfrmSplash.h"
#include "ui_TfrmSplash.h"

#include "gui/help/Maker.h"
#include "gui/kit/TMisc.h"
#include "gui/kit/WindowKit.h"

TfrmSplash::TfrmSplash(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmSplash>())
{
    ui->setupUi(this);
    ui->lnkWeb->setText(QString::fromLatin1(MakerWebSite));
    AttachLink(ui->lnkWeb, ui->imgWeb, [this] { lnkWebClick(); });
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
    ui->btnChiudi->setDefault(true);
    ui->btnChiudi->setFocus();
    AttachAccessibleNames(this, {}, {{"imgWeb", ui->lnkWeb->text()}});
    MakeFixedWindow(this);
    // The credits open over the window that asked for them.
    CenterWindow(this, parent);
}

TfrmSplash::~TfrmSplash() = default;

void TfrmSplash::lnkWebClick()
{
    TMisc::Open(QString::fromLatin1(MakerWebSite));
}

void TfrmSplash::btnChiudiClick()
{
    accept();
}
