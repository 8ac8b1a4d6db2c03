#include "gui/register/TfrmMenuRegistro.h"
#include "ui_TfrmMenuRegistro.h"

#include "gui/kit/Dialogs.h"
#include "core/storage/Environment.h"
#include "gui/help/HelpTopics.h"
#include "gui/kit/Navigator.h"
#include "core/storage/TextRules.h"
#include "gui/help/TfrmGuida.h"
#include "gui/kit/WindowKit.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace {
const QString FourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
} // namespace

TfrmMenuRegistro::TfrmMenuRegistro(QWidget *parent)
    : ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuRegistro>())
{
    ui->setupUi(this);
    AttachAccessibleNames(this, {{"titAnnoFatture", "txtAnnoFatture"}}, {{"imgGuida", "Guida"}, {"imgEsci", "Esci"}});
    ui->txtAnnoFatture->setMaxLength(4);
    AttachDigitsOnly(ui->txtAnnoFatture, ui->btnApriFatture);

    connect(ui->btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriFattureClick);
    connect(ui->btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriRiepStatsClick);
    connect(ui->imgGuida, &ClickableLabel::clicked, this, &TfrmMenuRegistro::imgGuidaClick);
    connect(ui->imgEsci, &ClickableLabel::clicked, this, &TfrmMenuRegistro::imgEsciClick);
}

TfrmMenuRegistro::~TfrmMenuRegistro() = default;

// The menu is never destroyed: closing hides it and shows the screen chosen
// last (the start menu unless the register or the statistics were).
void TfrmMenuRegistro::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!Navigator::GoTo(this, m_next))
        Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmMenuRegistro::FormShow()
{
    ui->txtAnnoFatture->setText(QStringLiteral("%1").arg(CurrentDateTime().date().year(), 4, 10, QLatin1Char('0')));
    m_next = ScreenId::StartMenu;
    // No dead button while the statistics window is not there.
    const bool statistics = Navigator::Screen(ScreenId::Statistics) != nullptr;
    ui->shpRiepStats->setVisible(statistics);
    ui->intAnnoRiepStats->setVisible(statistics);
    ui->btnApriRiepStats->setVisible(statistics);
    ui->txtAnnoFatture->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRegistro::btnApriFattureClick()
{
    // The field takes nothing but digits by any route; a year of other than
    // four digits never names an archive.
    const QString year = ui->txtAnnoFatture->text();
    if (!IsYearText(year)) {
        Dialogs::Message(this, MessageKind::Warning, FourDigits);
        ui->txtAnnoFatture->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_openYear)
        m_openYear(year);
    m_next = ScreenId::Register;
    close();
}

void TfrmMenuRegistro::btnApriRiepStatsClick()
{
    m_next = ScreenId::Statistics;
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
