#include "gui/register/DailyListWindow.h"
#include "ui_DailyListWindow.h"

#include "core/register/TimeInside.h"
#include "core/settings/Settings.h"
#include "core/storage/Environment.h"
#include "core/storage/TextRules.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QShowEvent>

DailyListWindow::DailyListWindow(RegisterList list, const QString &name, const QString &caption, QWidget *parent,
                                 const QString &archivePath, Chosen onChosen)
    : QDialog(parent)
    , m_list(list)
    , m_archivePath(archivePath)
    , m_onChosen(std::move(onChosen))
    , ui(std::make_unique<Ui::DailyListWindow>())
{
    ui->setupUi(this);
    setObjectName(name);
    setWindowTitle(caption);
    ui->lblRiepilogo->setVisible(list == RegisterList::NotLeft);
    m_lines = new CardList(ui->lstRecords, ui->txtTrova, ui->btnTrova, ui->btnStampa);
    m_lines->printTitle = [this] { return RegisterListTitle(m_list, TodayText()); };
    m_lines->onOpen = [this](int cardNumber) { lstRecordsDblClick(cardNumber); };
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    AttachAccessibleNames(this, {{"lblRigo01", "txtTrova"}, {"lblRigo03", "lstRecords"}});
    MakeFixedWindow(this);
    CenterWindow(this);
}

DailyListWindow::~DailyListWindow() = default;

void DailyListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// The cards of the archive that the list shows, sorted once.
void DailyListWindow::FormShow()
{
    m_lines->ResetFind();
    m_lines->Clear();
    ListLines lines;
    {
        ScanFeedback feedback(ui->prgAvanzamento);
        if (m_list == RegisterList::NotLeft) {
            // Each vehicle with its time inside, against the limit in force now.
            const int maxHours = Settings::Value(Settings::MaxHoursInside);
            VehiclesInside inside = CollectVehiclesInside(m_archivePath, CurrentDateTime(), maxHours, feedback.Progress());
            ui->lblRiepilogo->setText(VehiclesInsideSummary(inside, maxHours));
            lines = std::move(inside.lines);
        } else {
            lines = CollectRegisterList(m_archivePath, m_list, TodayText(), feedback.Progress());
        }
    }
    m_lines->SetLines(std::move(lines.lines));
    ui->txtTrova->setFocus();
    if (lines.failed)
        Dialogs::Message(this, MessageKind::Error, ListReadFailedText);
}

// The card of the double-clicked line is handed back; the list closes in
// any case.
void DailyListWindow::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0 && m_onChosen)
        m_onChosen(cardNumber);
    accept();
}
