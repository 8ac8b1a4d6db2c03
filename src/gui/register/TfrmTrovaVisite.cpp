#include "gui/register/TfrmTrovaVisite.h"
#include "ui_TfrmTrovaVisite.h"

#include "core/register/RegisterLists.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QShowEvent>

TfrmTrovaVisite::TfrmTrovaVisite(QWidget *parent, const QString &archivePath,
                                 std::function<void(int cardNumber)> onChosen)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmTrovaVisite>())
    , m_archivePath(archivePath)
    , m_onChosen(std::move(onChosen))
{
    ui->setupUi(this);
    ui->stkPannelli->setCurrentWidget(ui->panAvvio);
    m_lines = new CardList(ui->lstRecords, ui->txtTrova, ui->btnTrova, ui->btnStampa);
    m_lines->printTitle = [] { return RegisterSearchTitle; };
    m_lines->onOpen = [this](int cardNumber) { lstRecordsDblClick(cardNumber); };

    QStringList roles;
    NamePairs enterOrder;
    NamePairs labels;
    for (int i = 0; i < 10; ++i) {
        const QString role = QLatin1String(RegisterSearchFields[i]);
        roles << role;
        enterOrder.append(qMakePair("txt" + role, "txt" + QLatin1String(RegisterSearchFields[(i + 1) % 10])));
        labels.append(qMakePair("lbl" + role, "txt" + role));
    }
    labels.append(qMakePair(QStringLiteral("lblRigo01"), QStringLiteral("txtTrova")));
    labels.append(qMakePair(QStringLiteral("lblRigo03"), QStringLiteral("lstRecords")));
    AttachEnterOrder(this, enterOrder);
    AttachHighlights(this, roles);
    AttachAccessibleNames(this, labels);

    // The waiting text is on screen from the moment the button goes down.
    connect(ui->btnCerca, &QPushButton::pressed, this, [this] {
        ui->lblAttendere->show();
        ui->lblAttendere->repaint();
    });
    connect(ui->btnCerca, &QPushButton::clicked, this, &TfrmTrovaVisite::btnCercaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaVisite::btnChiudiClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmTrovaVisite::btnChiudiClick);
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmTrovaVisite::~TfrmTrovaVisite() = default;

void TfrmTrovaVisite::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_lines->ResetFind();
    ui->txtDataEnt->setFocus();
}

// Every card matching all filled criteria, one line each, sorted.
void TfrmTrovaVisite::btnCercaClick()
{
    RegisterCriteria criteria;
    for (int i = 0; i < 10; ++i)
        criteria.text[i] = ControlText(FieldControl(this, RegisterSearchFields[i]));
    ui->lblConta->setText(QString::number(CountCriteria(criteria)));
    ui->lblAttendere->show();
    ListLines found;
    {
        ScanFeedback feedback;
        found = SearchRegister(m_archivePath, criteria, feedback.Progress());
    }
    if (found.failed) {
        Dialogs::Message(this, MessageKind::Plain, ArchiveErrorText);
        return;
    }
    m_lines->SetLines(std::move(found.lines));
    ui->lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(m_lines->LineCount()));
    ui->stkPannelli->setCurrentWidget(ui->panContainer);
    m_lines->ResetFind();
    ui->txtTrova->setFocus();
}

// The card of the double-clicked line goes to the opener; the search closes
// in any case.
void TfrmTrovaVisite::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0 && m_onChosen)
        m_onChosen(cardNumber);
    accept();
}

void TfrmTrovaVisite::btnChiudiClick()
{
    ui->lblAttendere->hide();
    m_lines->Clear();
    reject();
}
