#include "TfrmSplash.h"
#include "ui_TfrmSplash.h"

#include "Maker.h"
#include "TMisc.h"
#include "WindowKit.h"

TfrmSplash::TfrmSplash(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TfrmSplash)
{
    ui->setupUi(this);
    ui->lnkWeb->setText(QString::fromLatin1(MakerWebSite));
    StyleLink(ui->lnkWeb, false);
    connect(ui->lnkWeb, &ClickableLabel::pressed, this, &TfrmSplash::lnkWebMouseDown);
    connect(ui->lnkWeb, &ClickableLabel::released, this, &TfrmSplash::lnkWebMouseUp);
    connect(ui->lnkWeb, &ClickableLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(ui->imgWeb, &ClickableLabel::pressed, this, &TfrmSplash::lnkWebMouseDown);
    connect(ui->imgWeb, &ClickableLabel::released, this, &TfrmSplash::lnkWebMouseUp);
    connect(ui->imgWeb, &ClickableLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
    ui->btnChiudi->setDefault(true);
    ui->btnChiudi->setFocus();
    MakeFixedWindow(this);
    // The credits open over the window that asked for them.
    CenterWindow(this, parent);
}

TfrmSplash::~TfrmSplash()
{
    delete ui;
}

void TfrmSplash::lnkWebMouseDown()
{
    StyleLink(ui->lnkWeb, true);
}

void TfrmSplash::lnkWebMouseUp()
{
    StyleLink(ui->lnkWeb, false);
}

void TfrmSplash::lnkWebClick()
{
    StyleLink(ui->lnkWeb, false);
    TMisc::Open(QString::fromLatin1(MakerWebSite));
}

void TfrmSplash::btnChiudiClick()
{
    accept();
}
