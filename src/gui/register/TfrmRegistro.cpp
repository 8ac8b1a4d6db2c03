#include "gui/register/TfrmRegistro.h"
#include "ui_TfrmRegistro.h"

#include "gui/kit/Dialogs.h"
#include "core/register/RegisterCard.h"
#include "gui/register/TfrmEntratiOggi.h"
#include "gui/register/TfrmNonUsciti.h"
#include "gui/register/TfrmTrovaVisite.h"
#include "gui/register/TfrmStampaVisita.h"
#include "gui/register/TfrmExpVisite.h"
#include "gui/register/TfrmUscitiOggi.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/TfrmCalendario.h"
#include "gui/help/TfrmGuida.h"
#include "core/fleet/FleetArchive.h"
#include "gui/fleet/TfrmTrovaFlotta.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/WindowKit.h"
#include "core/register/YearArchive.h"

#include <QCloseEvent>
#include <QShowEvent>

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : ScreenWindow(parent)
    , ui(std::make_unique<Ui::TfrmRegistro>())
    , m_editor(this, [this](const VisitRecord &card) { ShowCard(card); })
{
    ui->setupUi(this);
    m_editor.SetPosition(ui->lblPosizione);
    setStyleSheet(QStringLiteral(
        "#TfrmRegistro { background: #EEF2F6; }"
        "#shpTitolo { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1F3A5F, stop:1 #24607A); }"
        "#intTitolo { color: white; font-size: 20pt; font-weight: bold; }"
        "QGroupBox#panIngresso, QGroupBox#panVeicolo, QGroupBox#panUscita {"
        " background: white; border: 1px solid #A9B8C9; border-radius: 6px; margin-top: 14px;"
        " font-weight: bold; color: #1F3A5F; }"
        "QGroupBox#panIngresso::title, QGroupBox#panVeicolo::title, QGroupBox#panUscita::title {"
        " subcontrol-origin: margin; left: 12px; padding: 0 6px; }"
        "#panNavigazione { background: white; border: 1px solid #A9B8C9; border-radius: 6px; }"
        "#shpInfo { background: #1F3A5F; }"
        "#panInfo { color: white; }"));
    SetFieldMaxLengths(this, VisitFields);

    AttachEnterOrder(this, {{"txtOraEnt", "txtOperatoreEnt"},
                            {"txtOperatoreEnt", "txtVeicolo"},
                            {"txtVeicolo", "txtTarga"},
                            {"txtTarga", "txtConduttore"},
                            {"txtConduttore", "txtPersone"},
                            {"txtPersone", "txtMerce"},
                            {"txtMerce", "txtFoglio"},
                            {"txtFoglio", "txtTessere"},
                            {"txtTessere", "txtLuogo"},
                            {"txtLuogo", "txtTelCel"},
                            {"txtTelCel", "txtNote"},
                            {"txtNote", "txtDataUsc"},
                            {"txtOraUsc", "txtOperatoreUsc"},
                            {"txtOperatoreUsc", "txtDataEnt"}});
    QStringList roles;
    for (const auto &field : VisitFields)
        roles << QString::fromLatin1(field.name);
    AttachHighlights(this, roles);
    AttachPlateUpperCase(ui->txtTarga);
    // A key on a date field opens the date picker for that field.
    for (QLineEdit *date : {ui->txtDataEnt, ui->txtDataUsc}) {
        AttachDatePickerField(date, [this, date] {
            TfrmCalendario picker(this, [date](const QString &picked) { date->setText(picked); });
            Dialogs::RunModal(&picker);
        });
    }

    const QString dateHint = QStringLiteral("Inserisci data corrente.");
    const QString timeHint = QStringLiteral("Inserisci ora corrente.");
    const QString pickerHint = QStringLiteral(
        "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
    NamePairs labels;
    for (const auto &field : VisitFields)
        labels.append({QLatin1String("lbl") + QLatin1String(field.name), QLatin1String("txt") + QLatin1String(field.name)});
    AttachAccessibleNames(this, labels);
    AttachStatusHints(
        this, ui->panInfo,
        {{"btnNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
         {"btnSalva", "Salva la scheda corrente in archivio."},
         {"btnTrova", "Trova una scheda in archivio."},
         {"btnNonUsciti", "Visualizza l'elenco dei veicoli non ancora usciti."},
         {"btnEntratiOggi", "Visualizza l'elenco dei veicoli entrati oggi."},
         {"btnUscitiOggi", "Visualizza l'elenco dei veicoli usciti oggi."},
         {"btnStampa", "Stampa la scheda corrente."},
         {"btnExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
         {"btnGuida", "Visualizza la guida in linea."},
         {"btnEsci", "Esci da questa schermata di lavoro."},
         {"cmdPrimo", "Visualizza la prima scheda in archivio."},
         {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
         {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
         {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
         {"impDataEnt", dateHint},
         {"impDataUsc", dateHint},
         {"impOraEnt", timeHint},
         {"impOraUscita", timeHint},
         {"impVeicolo", "Importa i dati dal Parco Automezzi."},
         {"txtDataEnt", pickerHint},
         {"txtDataUsc", pickerHint}},
        {"shpTitolo", "intTitolo", "icoRegistro", "panIngresso", "panVeicolo", "panUscita", "panComandi",
         "panNavigazione", "shpInfo", "panInfo"});

    connect(ui->btnNuovo, &QPushButton::clicked, this, &TfrmRegistro::btnNuovoClick);
    connect(ui->btnSalva, &QPushButton::clicked, this, &TfrmRegistro::btnSalvaClick);
    connect(ui->btnGuida, &QPushButton::clicked, this, &TfrmRegistro::btnGuidaClick);
    connect(ui->btnTrova, &QPushButton::clicked, this, &TfrmRegistro::btnTrovaClick);
    connect(ui->btnNonUsciti, &QPushButton::clicked, this, &TfrmRegistro::btnNonUscitiClick);
    connect(ui->btnEntratiOggi, &QPushButton::clicked, this, &TfrmRegistro::btnEntratiOggiClick);
    connect(ui->btnUscitiOggi, &QPushButton::clicked, this, &TfrmRegistro::btnUscitiOggiClick);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmRegistro::btnStampaClick);
    connect(ui->btnExcel, &QPushButton::clicked, this, &TfrmRegistro::btnExcelClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &TfrmRegistro::btnEsciClick);
    const std::pair<ClickableLabel *, Arrow> arrows[] = {
        {ui->cmdPrimo, Arrow::First}, {ui->cmdIndietro, Arrow::Previous}, {ui->cmdAvanti, Arrow::Next}, {ui->cmdUltimo, Arrow::Last}};
    for (const auto &[label, arrow] : arrows)
        connect(label, &ClickableLabel::clicked, this, [this, arrow = arrow] { m_editor.MoveTo(arrow, true); });
    connect(ui->impDataEnt, &ClickableLabel::clicked, this, [this] { ui->txtDataEnt->setText(TodayText()); });
    connect(ui->impDataUsc, &ClickableLabel::clicked, this, [this] { ui->txtDataUsc->setText(TodayText()); });
    connect(ui->impOraEnt, &ClickableLabel::clicked, this, [this] { ui->txtOraEnt->setText(NowTimeText()); });
    connect(ui->impOraUscita, &ClickableLabel::clicked, this, [this] { ui->txtOraUsc->setText(NowTimeText()); });
    connect(ui->impVeicolo, &ClickableLabel::clicked, this, &TfrmRegistro::impVeicoloClick);
}

TfrmRegistro::~TfrmRegistro() = default;

void TfrmRegistro::OpenYear(const QString &year)
{
    m_editor.model.SetArchive(YearArchive::PathFor(year));
    setWindowTitle(QStringLiteral(" Varcanto - Ingresso e Uscite Veicoli anno ") + Trim(year));
}

QString TfrmRegistro::ArchivePath() const
{
    return m_editor.model.ArchivePath();
}

bool TfrmRegistro::LoadCard(int cardNumber)
{
    return m_editor.Load(cardNumber);
}

void TfrmRegistro::ShowCard(const VisitRecord &card)
{
    ShowRecord(this, card, VisitFields);
}

void TfrmRegistro::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmRegistro::FormShow()
{
    btnNuovoClick();
}

// A blank card dated now, ready for the operator's name.
void TfrmRegistro::btnNuovoClick()
{
    for (const auto &field : VisitFields)
        SetControlText(FieldControl(this, field.name), QString());
    ui->txtDataEnt->setText(TodayText());
    ui->txtOraEnt->setText(NowTimeText());
    m_editor.New();
    ui->txtOperatoreEnt->setFocus();
}

void TfrmRegistro::btnSalvaClick()
{
    const VisitRecord card = RecordFromControls(this, VisitFields);
    m_editor.Save(card, CheckCardForSave(card));
}

void TfrmRegistro::btnGuidaClick()
{
    ShowHelp(this, HelpRegister());
}

// The search and the daily lists hand back a double-clicked card, loaded here.
void TfrmRegistro::btnTrovaClick()
{
    TfrmTrovaVisite search(this, ArchivePath(), [this](int cardNumber) { LoadCard(cardNumber); });
    Dialogs::RunModal(&search);
}

void TfrmRegistro::btnNonUscitiClick()
{
    TfrmNonUsciti list(this, ArchivePath(), [this](int cardNumber) { LoadCard(cardNumber); });
    Dialogs::RunModal(&list);
}

void TfrmRegistro::btnEntratiOggiClick()
{
    TfrmEntratiOggi list(this, ArchivePath(), [this](int cardNumber) { LoadCard(cardNumber); });
    Dialogs::RunModal(&list);
}

void TfrmRegistro::btnUscitiOggiClick()
{
    TfrmUscitiOggi list(this, ArchivePath(), [this](int cardNumber) { LoadCard(cardNumber); });
    Dialogs::RunModal(&list);
}

// The red arrow pulls a vehicle of the company fleet into the card through
// the fleet search.
void TfrmRegistro::impVeicoloClick()
{
    TfrmTrovaFlotta search(this, FleetArchive::Path(),
                           [this](int, const VehicleRecord &vehicle) { ImportVehicle(vehicle); });
    Dialogs::RunModal(&search);
}

void TfrmRegistro::ImportVehicle(const VehicleRecord &vehicle)
{
    ui->txtVeicolo->setText(Trim(vehicle.Marca + QLatin1Char(' ') + vehicle.Modello));
    ui->txtTarga->setText(Trim(vehicle.Targa));
    ui->txtConduttore->setText(Trim(vehicle.Conducente));
    ui->txtTelCel->setText(Trim(vehicle.Recapito));
}

// The card as the fields show it, saved or not.
void TfrmRegistro::btnStampaClick()
{
    TfrmStampaVisita print(this);
    print.SetCard(RecordFromControls(this, VisitFields));
    Dialogs::RunModal(&print);
}

void TfrmRegistro::btnExcelClick()
{
    TfrmExpVisite exportWindow(this, ArchivePath());
    Dialogs::RunModal(&exportWindow);
}

void TfrmRegistro::btnEsciClick()
{
    close();
}
