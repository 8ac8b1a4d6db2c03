#include "gui/fleet/TfrmExpFlotta.h"
#include "ui_TfrmExpFlotta.h"

#include "gui/help/TfrmGuida.h"
#include "core/fleet/FleetExport.h"
#include "core/storage/IoError.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/SpreadsheetDialogue.h"
#include "gui/kit/WindowKit.h"

#include <QHeaderView>

TfrmExpFlotta::TfrmExpFlotta(QWidget *parent, const QString &archivePath)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmExpFlotta>())
    , m_grid(new FleetGridModel(this))
    , m_archivePath(archivePath)
{
    ui->setupUi(this);
    setStyleSheet(QStringLiteral(
        "#TfrmExpFlotta { background: #EEF2F6; }"
        "#shpComandi { background: white; border-bottom: 1px solid #A9B8C9; }"
        "#intTitolo { color: #1F3A5F; font-size: 16pt; font-weight: bold; }"
        "#shpInfo { background: #6A5ACD; }" // slate blue
        "#panInfo { color: white; font-family: Tahoma, 'DejaVu Sans'; font-size: 12pt; }"));
    ui->grdRecords->setModel(m_grid);
    ui->grdRecords->verticalHeader()->hide();
    ui->grdRecords->verticalHeader()->setDefaultSectionSize(21);
    ui->grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                    | QAbstractItemView::AnyKeyPressed);
    const QList<int> widths = FleetGridModel::Widths();
    for (int c = 0; c < widths.size(); ++c)
        ui->grdRecords->setColumnWidth(c, widths.at(c));

    AttachStatusHints(this, ui->panInfo,
                      {{"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
                       {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
                       {"cmdEsci", "Esci da questo ambiente di lavoro."}},
                      {"panGriglia", "grdRecords", "shpInfo", "panInfo", "shpComandi", "intTitolo", "icoFlotta"});
    AttachAccessibleNames(this, {},
                          {{"cmdEsporta", "Esporta in Microsoft Excel"}, {"cmdGuida", "Guida"}, {"cmdEsci", "Esci"}});
    connect(ui->cmdEsporta, &ClickableLabel::clicked, this, &TfrmExpFlotta::cmdEsportaClick);
    connect(ui->cmdGuida, &ClickableLabel::clicked, this, [this] { ShowHelp(this, HelpFleetExport()); });
    connect(ui->cmdEsci, &ClickableLabel::clicked, this, &QDialog::reject);
    MakeFixedWindow(this);
}

TfrmExpFlotta::~TfrmExpFlotta() = default;

// The grid is filled once per opening: shown again (restored from the task
// bar, say), the window keeps the rows and the corrections typed into them.
void TfrmExpFlotta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    CenterWindow(this);
    FormShow();
}

// A failure is told; the rows read until then stay in the grid, but are
// never exported.
void TfrmExpFlotta::FormShow()
{
    m_readWhole = false;
    try {
        m_grid->Fill(m_archivePath);
        m_readWhole = true;
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
    }
}

// The grid as it is now, corrections typed into it included.
void TfrmExpFlotta::cmdEsportaClick()
{
    const QModelIndex current = ui->grdRecords->currentIndex();
    ui->grdRecords->setCurrentIndex(QModelIndex()); // an open cell editor hands its text over
    ui->grdRecords->setCurrentIndex(current);
    RunSpreadsheetExport(this, FleetExportFileName, FleetExportSheetName, FleetExportColumns(), *m_grid,
                         m_readWhole);
}
