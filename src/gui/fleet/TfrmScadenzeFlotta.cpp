#include "gui/fleet/TfrmScadenzeFlotta.h"
#include "ui_TfrmScadenzeFlotta.h"

#include "core/storage/IoError.h"
#include "gui/kit/CardList.h"
#include "gui/help/TfrmGuida.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/SpreadsheetDialogue.h"
#include "gui/kit/WindowKit.h"

#include <QShowEvent>

TfrmScadenzeFlotta::TfrmScadenzeFlotta(QWidget *parent, const QString &fleetPath, const QDate &today, int noticeDays,
                                       Chosen onChosen)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmScadenzeFlotta>())
    , m_fleetPath(fleetPath)
    , m_today(today)
    , m_noticeDays(noticeDays)
    , m_onChosen(std::move(onChosen))
{
    ui->setupUi(this);
    m_lines = new CardList(ui->lstRecords, ui->txtTrova, ui->btnTrova, ui->btnStampa);
    m_lines->printTitle = [] { return DeadlinesTitle; };
    m_lines->onOpen = [this](int cardNumber) { lstRecordsDblClick(cardNumber); };
    connect(ui->btnEsporta, &QPushButton::clicked, this, &TfrmScadenzeFlotta::btnEsportaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnGuida, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpDeadlines()); });
    AttachAccessibleNames(this, {{"lblRigo01", "txtTrova"}, {"lblRigo03", "lstRecords"}});
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmScadenzeFlotta::~TfrmScadenzeFlotta() = default;

void TfrmScadenzeFlotta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmScadenzeFlotta::FormShow()
{
    m_lines->ResetFind();
    try {
        m_due = DeadlinesDue(m_fleetPath, m_today, m_noticeDays);
    } catch (const IoError &) {
        m_due = {};
        m_lines->Clear();
        Dialogs::Message(this, MessageKind::Error, ListReadFailedText);
        return;
    }
    m_lines->SetLines(DueDeadlineLines(m_due));
    ui->txtTrova->setFocus();
    if (m_due.damaged > 0)
        Dialogs::Message(this, MessageKind::Warning, DamagedDeadlinesText(m_due.damaged));
}

void TfrmScadenzeFlotta::btnEsportaClick()
{
    const QList<QStringList> rows = DueDeadlineRows(m_due);
    RunSpreadsheetExport(this, DeadlinesExportFileName, DeadlinesSheetName, DueDeadlineColumns(),
                         SpreadsheetTextRows(rows), ui->prgAvanzamento);
}

// The list closes and the vehicle of the line is handed back.
void TfrmScadenzeFlotta::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0 && m_onChosen)
        m_onChosen(cardNumber);
    accept();
}
