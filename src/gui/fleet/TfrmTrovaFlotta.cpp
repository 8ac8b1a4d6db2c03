#include "gui/fleet/TfrmTrovaFlotta.h"
#include "ui_TfrmTrovaFlotta.h"

#include "core/fleet/FleetArchive.h"
#include "core/fleet/FleetLists.h"
#include "core/storage/IoError.h"
#include "gui/kit/CardList.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QShowEvent>

TfrmTrovaFlotta::TfrmTrovaFlotta(QWidget *parent, const QString &archivePath,
                                 std::function<void(int cardNumber, const VehicleRecord &vehicle)> onChosen)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmTrovaFlotta>())
    , m_archivePath(archivePath)
    , m_onChosen(std::move(onChosen))
{
    ui->setupUi(this);
    // The criteria and the results take the same place, one at a time.
    ui->stkPannelli->setCurrentWidget(ui->panAvvio);
    m_lines = new CardList(ui->lstRecords, ui->txtTrova, ui->btnTrova, ui->btnStampa);
    m_lines->printTitle = [] { return FleetSearchTitle; };
    m_lines->onOpen = [this](int cardNumber) { lstRecordsDblClick(cardNumber); };

    QStringList roles;
    NamePairs labels;
    NamePairs enter;
    for (int i = 0; i < 10; ++i) {
        const QString role = QString::fromLatin1(FleetSearchFields[i]);
        roles << role;
        labels.append({QStringLiteral("lbl") + role, QStringLiteral("txt") + role});
        enter.append({QStringLiteral("txt") + role, QStringLiteral("txt") + QLatin1String(FleetSearchFields[(i + 1) % 10])});
    }
    AttachEnterOrder(this, enter);
    AttachHighlights(this, roles);
    labels.append({QStringLiteral("lblRigo01"), QStringLiteral("txtTrova")});
    labels.append({QStringLiteral("lblRigo03"), QStringLiteral("lstRecords")});
    AttachAccessibleNames(this, labels);

    // The progress text is on screen as soon as the button is pressed.
    connect(ui->btnCerca, &QPushButton::pressed, ui->lblAttendere, &QWidget::show);
    connect(ui->btnCerca, &QPushButton::clicked, this, &TfrmTrovaFlotta::btnCercaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] {
        m_lines->Clear();
        ui->lblAttendere->hide();
    });
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmTrovaFlotta::~TfrmTrovaFlotta() = default;

void TfrmTrovaFlotta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_lines->ResetFind();
    ui->txtVeicolo->setFocus();
}

void TfrmTrovaFlotta::btnCercaClick()
{
    FleetCriteria criteria;
    for (int i = 0; i < 10; ++i)
        criteria.text[i] = findChild<QLineEdit *>(QStringLiteral("txt") + QLatin1String(FleetSearchFields[i]))->text();
    ui->lblConta->setText(QString::number(CountCriteria(criteria)));
    ui->lblAttendere->show();
    ListLines found;
    {
        ScanFeedback feedback(ui->prgAvanzamento);
        found = SearchFleet(m_archivePath, criteria, feedback.Progress());
    }
    // A failed read leaves the criteria on screen, so the search can be run again.
    if (found.failed) {
        Dialogs::Message(this, MessageKind::Plain, ArchiveErrorText);
        return;
    }
    m_lines->SetLines(std::move(found.lines));
    ui->lblTrovate->setText(FleetFoundText(m_lines->LineCount()));
    ui->stkPannelli->setCurrentWidget(ui->panContainer);
    ui->txtTrova->clear();
    ui->txtTrova->setFocus();
}

// Exactly the vehicle of the double-clicked line, as the archive holds it
// now, is handed over; the search closes in any case.
void TfrmTrovaFlotta::lstRecordsDblClick(int cardNumber)
{
    if (cardNumber > 0 && m_onChosen) {
        try {
            m_onChosen(cardNumber, FleetArchive::At(m_archivePath).Read(cardNumber));
        } catch (const IoError &e) {
            Dialogs::ArchiveError(this, &e);
        }
    }
    accept();
}
