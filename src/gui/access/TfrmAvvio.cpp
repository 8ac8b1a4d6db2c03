#include "gui/access/TfrmAvvio.h"
#include "ui_TfrmAvvio.h"

#include "core/fleet/DeadlineReminders.h"
#include "core/fleet/FleetArchive.h"
#include "core/settings/Settings.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "gui/fleet/TfrmScadenzeFlotta.h"
#include "gui/kit/Dialogs.h"
#include "gui/help/Maker.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/TMisc.h"
#include "gui/help/TfrmGuida.h"
#include "gui/help/TfrmInfo.h"
#include "gui/help/TfrmSplash.h"
#include "gui/access/TfrmImpostazioni.h"
#include "gui/kit/WindowKit.h"

#include <QCloseEvent>

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : ScreenWindow(parent)
    , ui(std::make_unique<Ui::TfrmAvvio>())
{
    ui->setupUi(this);
    const QString registerName = QStringLiteral("Ingressi e Uscite Veicoli");
    const QString fleetName = QStringLiteral("Parco Automezzi");
    AttachAccessibleNames(this, {},
                          {{"imgRegistro", registerName},
                           {"btnRegistro", registerName},
                           {"imgAutoparco", fleetName},
                           {"btnAutoparco", fleetName},
                           {"imgGuida", "Guida"},
                           {"imgInfo", "Informazioni"},
                           {"imgCopyright", "Riconoscimenti"},
                           {"imgSito", "Sito web"},
                           {"imgImpostazioni", "Impostazioni"},
                           {"imgEsci", "Esci"}});

    connect(ui->imgRegistro, &ClickableLabel::clicked, this, &TfrmAvvio::imgRegistroClick);
    connect(ui->btnRegistro, &ClickableLabel::clicked, this, &TfrmAvvio::imgRegistroClick);
    connect(ui->imgAutoparco, &ClickableLabel::clicked, this, &TfrmAvvio::imgAutoparcoClick);
    connect(ui->btnAutoparco, &ClickableLabel::clicked, this, &TfrmAvvio::imgAutoparcoClick);
    connect(ui->imgCopyright, &ClickableLabel::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(ui->imgInfo, &ClickableLabel::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(ui->imgGuida, &ClickableLabel::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(ui->imgSito, &ClickableLabel::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(ui->imgImpostazioni, &ClickableLabel::clicked, this, &TfrmAvvio::imgImpostazioniClick);
    connect(ui->imgEsci, &ClickableLabel::clicked, this, &TfrmAvvio::imgEsciClick);
    connect(ui->lblScadenze, &ClickableLabel::clicked, this, &TfrmAvvio::lblScadenzeClick);
}

TfrmAvvio::~TfrmAvvio() = default;

void TfrmAvvio::FormShow()
{
    // No fleet editor, no fleet pictures: nothing on the menu leads nowhere.
    const bool fleet = Navigator::Screen(ScreenId::Fleet) != nullptr;
    ui->imgAutoparco->setVisible(fleet);
    ui->btnAutoparco->setVisible(fleet);
    ShowDeadlineReminder();
}

namespace {
int noticeDays()
{
    return Settings::Value(Settings::DeadlineNoticeDays);
}
} // namespace

// The line under the pictures: the fleet's deadlines expired or falling due
// within the notice period, read again each time the menu is shown. A
// deadlines file that cannot be read shows nothing here (the window of the
// deadlines and the vehicle's own dialog tell why).
void TfrmAvvio::ShowDeadlineReminder()
{
    QString text;
    if (Navigator::Screen(ScreenId::Fleet)) {
        try {
            text = ReminderText(CountDeadlines(FleetArchive::Path(), CurrentDateTime().date(), noticeDays()), noticeDays());
        } catch (const IoError &) {
            text.clear();
        }
    }
    ui->lblScadenze->setText(text);
    ui->lblScadenze->setAccessibleName(text);
    ui->lblScadenze->setVisible(!text.isEmpty());
}

void TfrmAvvio::lblScadenzeClick()
{
    int chosen = 0;
    {
        TfrmScadenzeFlotta list(this, FleetArchive::Path(), CurrentDateTime().date(), noticeDays(),
                                [&chosen](int cardNumber) { chosen = cardNumber; });
        Dialogs::RunModal(&list);
    }
    if (chosen > 0 && m_openVehicle)
        m_openVehicle(chosen);
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    event->ignore();
    EndApplication();
}

void TfrmAvvio::imgRegistroClick()
{
    Navigator::GoTo(this, ScreenId::YearMenu);
}

void TfrmAvvio::imgAutoparcoClick()
{
    Navigator::GoTo(this, ScreenId::Fleet);
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash dialog(this);
    Dialogs::RunModal(&dialog);
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo dialog(this);
    Dialogs::RunModal(&dialog);
}

void TfrmAvvio::imgGuidaClick()
{
    ShowHelp(this, HelpStartMenu());
}

void TfrmAvvio::imgSitoClick()
{
    TMisc::Open(QString::fromLatin1(MakerWebSite));
}

void TfrmAvvio::imgImpostazioniClick()
{
    TfrmImpostazioni dialog(this);
    Dialogs::RunModal(&dialog);
}

void TfrmAvvio::imgEsciClick()
{
    EndApplication();
}
