#include "TfrmGuida.h"
#include "ui_TfrmGuida.h"

#include "Dialogs.h"
#include "Environment.h"
#include "TMisc.h"
#include "WindowKit.h"

TfrmGuida::TfrmGuida(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TfrmGuida)
{
    ui->setupUi(this);
    StyleLink(ui->lnkWeb, false);
    connect(ui->lnkWeb, &ClickableLabel::pressed, this, &TfrmGuida::lnkWebMouseDown);
    connect(ui->lnkWeb, &ClickableLabel::released, this, &TfrmGuida::lnkWebMouseUp);
    connect(ui->lnkWeb, &ClickableLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(ui->imgPDF, &ClickableLabel::pressed, this, &TfrmGuida::lnkWebMouseDown);
    connect(ui->imgPDF, &ClickableLabel::released, this, &TfrmGuida::lnkWebMouseUp);
    connect(ui->imgPDF, &ClickableLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
    ui->txtGuida->document()->setDocumentMargin(8);
    ui->btnChiudi->setDefault(true);
    ui->btnChiudi->setFocus();
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmGuida::~TfrmGuida()
{
    delete ui;
}

void TfrmGuida::ShowTopic(const HelpTopic &topic)
{
    ui->lblTitolo->setText(topic.title);
    // The topics break lines the Windows way ("\r\n"); the memo takes each
    // pair as one line end, so a paragraph is followed by one empty line.
    ui->txtGuida->setPlainText(topic.text);
}

void TfrmGuida::lnkWebMouseDown()
{
    StyleLink(ui->lnkWeb, true);
}

void TfrmGuida::lnkWebMouseUp()
{
    StyleLink(ui->lnkWeb, false);
}

void TfrmGuida::lnkWebClick()
{
    StyleLink(ui->lnkWeb, false);
    TMisc::Open(QLatin1Char('"') + ProgramFolder() + QStringLiteral("Guida.pdf") + QLatin1Char('"'));
}

void TfrmGuida::btnChiudiClick()
{
    accept();
}

void ShowHelp(QWidget *owner, const HelpTopic &topic)
{
    TfrmGuida dialog(owner);
    dialog.ShowTopic(topic);
    Dialogs::RunModal(&dialog);
}
