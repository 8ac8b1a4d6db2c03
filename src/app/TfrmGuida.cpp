#include "app/TfrmGuida.h"
#include "ui_TfrmGuida.h"

#include "ui/Dialogs.h"
#include "storage/Environment.h"
#include "app/TMisc.h"
#include "ui/WindowKit.h"

TfrmGuida::TfrmGuida(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TfrmGuida)
{
    ui->setupUi(this);
    AttachLink(ui->lnkWeb, ui->imgPDF, [this] { lnkWebClick(); });
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
    ui->txtGuida->document()->setDocumentMargin(8);
    ui->btnChiudi->setDefault(true);
    ui->btnChiudi->setFocus();
    AttachAccessibleNames(this, {}, {{"imgPDF", ui->lnkWeb->text()}});
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

void TfrmGuida::lnkWebClick()
{
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
