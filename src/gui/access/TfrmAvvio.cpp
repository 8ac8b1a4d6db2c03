#include "gui/access/TfrmAvvio.h"
#include "ui_TfrmAvvio.h"

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
}

TfrmAvvio::~TfrmAvvio() = default;

void TfrmAvvio::FormShow()
{
    // No fleet editor, no fleet pictures: nothing on the menu leads nowhere.
    const bool fleet = Navigator::Screen(ScreenId::Fleet) != nullptr;
    ui->imgAutoparco->setVisible(fleet);
    ui->btnAutoparco->setVisible(fleet);
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
