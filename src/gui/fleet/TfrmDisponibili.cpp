#include "gui/fleet/TfrmDisponibili.h"
#include "ui_TfrmDisponibili.h"

#include "core/fleet/DeadlineReminders.h"
#include "core/fleet/FleetLists.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QShowEvent>

TfrmDisponibili::TfrmDisponibili(QWidget *parent, const QString &archivePath, Chosen onChosen)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmDisponibili>())
    , m_archivePath(archivePath)
    , m_onChosen(std::move(onChosen))
{
    ui->setupUi(this);
    m_lines = new CardList(ui->lstRecords, ui->txtTrova, ui->btnTrova, ui->btnStampa);
    m_lines->printTitle = [] { return AvailableVehiclesTitle; };
    m_lines->onOpen = [this](int cardNumber) { lstRecordsDblClick(cardNumber); };
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, m_lines, [this] { m_lines->Clear(); });
    AttachAccessibleNames(this, {{"lblRigo01", "txtTrova"}, {"lblRigo03", "lstRecords"}});
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmDisponibili::~TfrmDisponibili() = default;

void TfrmDisponibili::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// A failed read is told; the lines read until then stay.
void TfrmDisponibili::FormShow()
{
    m_lines->ResetFind();
    m_lines->Clear();
    ListLines lines;
    {
        ScanFeedback feedback(ui->prgAvanzamento);
        lines = AvailableVehicles(m_archivePath, feedback.Progress());
    }
    // A vehicle whose insurance or inspection has expired keeps its line,
    // marked, so nobody takes it out unaware.
    int damagedDeadlines = 0;
    bool deadlinesRead = true;
    try {
        damagedDeadlines = MarkExpiredVehicles(lines.lines, m_archivePath, CurrentDateTime().date());
    } catch (const IoError &) {
        deadlinesRead = false;
    }
    m_lines->SetLines(std::move(lines.lines));
    ui->txtTrova->setFocus();
    if (lines.failed)
        Dialogs::Message(this, MessageKind::Error, ListReadFailedText);
    else if (!deadlinesRead)
        Dialogs::Message(this, MessageKind::Error, DeadlinesUnreadableText);
    else if (damagedDeadlines > 0)
        Dialogs::Message(this, MessageKind::Warning, DamagedDeadlinesText(damagedDeadlines));
}

// Exactly the vehicle of the double-clicked line is handed back; the list
// closes in any case.
void TfrmDisponibili::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0) {
        if (m_onChosen)
            m_onChosen(cardNumber);
    }
    accept();
}
