#include "gui/register/DailyListWindow.h"
#include "ui_DailyListWindow.h"

#include "gui/register/RegisterEditor.h"
#include "core/storage/TextRules.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/WindowKit.h"

#include <QShowEvent>

namespace {
RegisterEditor *Editor()
{
    return Navigator::As<RegisterEditor>(ScreenId::Register);
}
QString EditorArchive()
{
    RegisterEditor *editor = Editor();
    return editor ? editor->ArchivePath() : QString();
}
} // namespace

DailyListWindow::DailyListWindow(RegisterList list, const QString &name, const QString &caption, QWidget *parent)
    : QDialog(parent)
    , m_list(list)
    , ui(std::make_unique<Ui::DailyListWindow>())
{
    ui->setupUi(this);
    setObjectName(name);
    setWindowTitle(caption);
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

// The cards of the editor's archive that the list shows, sorted once.
void DailyListWindow::FormShow()
{
    m_lines->ResetFind();
    m_lines->Clear();
    ListLines lines;
    {
        ScanFeedback feedback(ui->prgAvanzamento);
        lines = CollectRegisterList(EditorArchive(), m_list, TodayText(), feedback.Progress());
    }
    m_lines->SetLines(std::move(lines.lines));
    ui->txtTrova->setFocus();
    if (lines.failed)
        Dialogs::Message(this, MessageKind::Error, ListReadFailedText);
}

// The card of the double-clicked line goes into the register editor; the
// list closes in any case.
void DailyListWindow::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0) {
        if (RegisterEditor *editor = Editor())
            editor->LoadCard(EditorArchive(), cardNumber);
    }
    accept();
}
