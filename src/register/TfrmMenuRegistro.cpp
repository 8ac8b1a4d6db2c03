#include "register/TfrmMenuRegistro.h"
#include "ui_TfrmMenuRegistro.h"

#include "ui/Dialogs.h"
#include "storage/Environment.h"
#include "app/HelpTopics.h"
#include "ui/Screens.h"
#include "storage/TextRules.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "register/TfrmRegistro.h"
#include "ui/WindowKit.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace {
// Where closing the menu leads, written into lblMemory.
const QString ToStartMenu = QStringLiteral("avvio");
const QString ToRegister = QStringLiteral("registro");
const QString ToStatistics = QStringLiteral("statistiche_vis");

const QString FourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
} // namespace

TfrmMenuRegistro::TfrmMenuRegistro(QWidget *parent)
    : ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuRegistro>())
{
    ui->setupUi(this);
    ApplyDateSettings();
    ui->txtAnnoFatture->setMaxLength(4);
    AttachDigitsOnly(ui->txtAnnoFatture, ui->btnApriFatture);

    connect(ui->btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriFattureClick);
    connect(ui->btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriRiepStatsClick);
    connect(ui->imgGuida, &ClickableLabel::clicked, this, &TfrmMenuRegistro::imgGuidaClick);
    connect(ui->imgEsci, &ClickableLabel::clicked, this, &TfrmMenuRegistro::imgEsciClick);
}

TfrmMenuRegistro::~TfrmMenuRegistro() = default;

// The menu is never destroyed: closing hides it and shows the screen its
// token names.
void TfrmMenuRegistro::closeEvent(QCloseEvent *event)
{
    event->ignore();
    const QString token = Trim(ui->lblMemory->text());
    QWidget *next = Screens().frmAvvio;
    if (token == ToRegister && Screens().frmRegistro)
        next = Screens().frmRegistro;
    else if (token == ToStatistics && Screens().frmStatistiche)
        next = Screens().frmStatistiche;
    HandOver(this, next);
}

void TfrmMenuRegistro::FormShow()
{
    ui->txtAnnoFatture->setText(QStringLiteral("%1").arg(CurrentDateTime().date().year(), 4, 10, QLatin1Char('0')));
    ui->lblMemory->setText(ToStartMenu);
    // No dead button while the statistics window is not there.
    const bool statistics = Screens().frmStatistiche != nullptr;
    ui->shpRiepStats->setVisible(statistics);
    ui->intAnnoRiepStats->setVisible(statistics);
    ui->btnApriRiepStats->setVisible(statistics);
    ui->txtAnnoFatture->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRegistro::btnApriFattureClick()
{
    // Only the length is checked: the key filter lets nothing but digits in.
    const QString year = ui->txtAnnoFatture->text();
    if (year.size() != 4) {
        Dialogs::Message(this, MessageKind::Warning, FourDigits);
        ui->txtAnnoFatture->setFocus(Qt::OtherFocusReason);
        return;
    }
    Screens().frmRegistro->OpenYear(year);
    ui->lblMemory->setText(ToRegister);
    close();
}

void TfrmMenuRegistro::btnApriRiepStatsClick()
{
    ui->lblMemory->setText(ToStatistics);
    close();
}

void TfrmMenuRegistro::imgGuidaClick()
{
    ShowHelp(this, HelpRegister());
}

void TfrmMenuRegistro::imgEsciClick()
{
    close();
}
