#include "gui/help/TfrmGuida.h"
#include "ui_TfrmGuida.h"

#include "gui/kit/Dialogs.h"
#include "core/storage/Environment.h"
#include "gui/kit/TMisc.h"
#include "gui/kit/WindowKit.h"

#include <QFileInfo>

const QString ManualMissingText = QStringLiteral(
    "Attenzione: la guida in formato PDF (Guida.pdf) non è presente nella cartella del programma.\n\r\n\r"
    "Copiare il file Guida.pdf nella cartella %1 oppure reinstallare il programma.");

TfrmGuida::TfrmGuida(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmGuida>())
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

TfrmGuida::~TfrmGuida() = default;

void TfrmGuida::ShowTopic(const HelpTopic &topic)
{
    ui->lblTitolo->setText(topic.title);
    // The topics break lines the Windows way ("\r\n"); the memo takes each
    // pair as one line end, so a paragraph is followed by one empty line.
    ui->txtGuida->setPlainText(topic.text);
}

// The manual is a file of its own beside the program; when it is not there
// the user is told, instead of a click that seems to do nothing.
void TfrmGuida::lnkWebClick()
{
    const QString manual = ProgramFolder() + QStringLiteral("Guida.pdf");
    if (!QFileInfo(manual).isFile()) {
        Dialogs::Message(this, MessageKind::Warning, ManualMissingText.arg(ProgramFolder()));
        return;
    }
    TMisc::Open(manual);
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
