#include "gui/register/TfrmExpVisite.h"
#include "ui_TfrmExpVisite.h"

#include "gui/help/HelpTopics.h"
#include "gui/help/TfrmGuida.h"
#include "core/register/RegisterExport.h"
#include "core/storage/IoError.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/SpreadsheetDialogue.h"
#include "gui/kit/WindowKit.h"

#include <QHeaderView>
#include <QShowEvent>

TfrmExpVisite::TfrmExpVisite(QWidget *parent, const QString &archivePath)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmExpVisite>())
    , m_grid(MakeRegisterGrid())
    , m_archivePath(archivePath)
{
    ui->setupUi(this);
    setStyleSheet(QStringLiteral("#bkgIcone { background: white; }"
                                 "#shpInfo { background: #6A5ACD; }"
                                 "#panInfo { color: white; font-family: Tahoma; font-size: 12pt; }"));
    ui->grdRecords->setModel(m_grid.get());
    ui->grdRecords->verticalHeader()->hide();
    ui->grdRecords->verticalHeader()->setDefaultSectionSize(21);
    ui->grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QList<int> widths = RegisterGridWidths();
    for (int c = 0; c < widths.size(); ++c)
        ui->grdRecords->setColumnWidth(c, widths.at(c));

    AttachStatusHints(this, ui->panInfo,
                      {{"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
                       {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
                       {"cmdEsci", "Esci da questo ambiente di lavoro."}},
                      {"grdRecords", "shpInfo", "panInfo", "bkgIcone"});
    connect(ui->cmdEsporta, &ClickableLabel::clicked, this, &TfrmExpVisite::cmdEsportaClick);
    connect(ui->cmdGuida, &ClickableLabel::clicked, this, &TfrmExpVisite::cmdGuidaClick);
    connect(ui->cmdEsci, &ClickableLabel::clicked, this, &QDialog::accept);
    AttachAccessibleNames(this, {});
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmExpVisite::~TfrmExpVisite()
{
    ui->grdRecords->setModel(nullptr);
}

void TfrmExpVisite::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Every card of the archive; what was read before a failure stays in view,
// but is never exported.
void TfrmExpVisite::FormShow()
{
    m_readWhole = false;
    try {
        ScanFeedback feedback(ui->prgAvanzamento);
        m_grid->Fill(m_archivePath, feedback.Progress());
        m_readWhole = true;
    } catch (const IoError &) {
        Dialogs::Message(this, MessageKind::Error, ListReadFailedText);
    }
}

// The grid as it is now, typed corrections included (an open cell editor
// hands its text to the grid first).
void TfrmExpVisite::cmdEsportaClick()
{
    ui->grdRecords->setFocus();
    RunSpreadsheetExport(this, RegisterExportFileName, RegisterExportSheetName, RegisterExportColumns(), *m_grid,
                         m_readWhole, ui->prgAvanzamento);
}

void TfrmExpVisite::cmdGuidaClick()
{
    ShowHelp(this, HelpRegisterExport());
}
