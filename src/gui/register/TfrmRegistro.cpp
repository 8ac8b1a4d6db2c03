#include "gui/register/TfrmRegistro.h"
#include "ui_TfrmRegistro.h"

#include "gui/kit/Dialogs.h"
#include "core/register/RegisterCard.h"
#include "gui/register/TfrmEntratiOggi.h"
#include "gui/register/TfrmNonUsciti.h"
#include "gui/register/TfrmTrovaVisite.h"
#include "gui/register/TfrmStampaVisita.h"
#include "gui/register/TfrmExpVisite.h"
#include "gui/register/TfrmTargheSegnalate.h"
#include "gui/register/TfrmUscitiOggi.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/TfrmCalendario.h"
#include "gui/help/TfrmGuida.h"
#include "core/fleet/FleetArchive.h"
#include "gui/fleet/TfrmTrovaFlotta.h"
#include "core/register/VisitRecord.h"
#include "gui/kit/WindowKit.h"
#include "core/register/YearArchive.h"
#include "core/register/FlaggedPlates.h"
#include "core/register/PlateRecall.h"
#include "core/storage/PlateRules.h"

#include <QCloseEvent>
#include <QShowEvent>

TfrmRegistro::TfrmRegistro(QWidget *parent)
    : ScreenWindow(parent)
    , ui(std::make_unique<Ui::TfrmRegistro>())
    , m_editor(this, [this](const VisitRecord &card) { ShowCard(card); })
{
    ui->setupUi(this);
    m_editor.SetPosition(ui->lblPosizione);
    m_editor.SetOnScreen([this] { return RecordFromControls(this, VisitFields); },
                         [](const VisitRecord &card) { return CheckCardForSave(card); });
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
         {"btnTargheSegnalate", "Gestisce l'elenco delle targhe segnalate."},
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
    connect(ui->btnTargheSegnalate, &QPushButton::clicked, this, &TfrmRegistro::btnTargheSegnalateClick);
    const std::pair<ClickableLabel *, Arrow> arrows[] = {
        {ui->cmdPrimo, Arrow::First}, {ui->cmdIndietro, Arrow::Previous}, {ui->cmdAvanti, Arrow::Next}, {ui->cmdUltimo, Arrow::Last}};
    for (const auto &[label, arrow] : arrows)
        connect(label, &ClickableLabel::clicked, this, [this, arrow = arrow] { m_editor.MoveTo(arrow, true); });
    connect(ui->impDataEnt, &ClickableLabel::clicked, this, [this] { ui->txtDataEnt->setText(TodayText()); });
    connect(ui->impDataUsc, &ClickableLabel::clicked, this, [this] { ui->txtDataUsc->setText(TodayText()); });
    connect(ui->impOraEnt, &ClickableLabel::clicked, this, [this] { ui->txtOraEnt->setText(NowTimeText()); });
    connect(ui->impOraUscita, &ClickableLabel::clicked, this, [this] { ui->txtOraUsc->setText(NowTimeText()); });
    connect(ui->impVeicolo, &ClickableLabel::clicked, this, &TfrmRegistro::impVeicoloClick);
    connect(ui->txtTarga, &QLineEdit::editingFinished, this, &TfrmRegistro::txtTargaExit);
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
    return m_editor.Open(cardNumber);
}

void TfrmRegistro::ShowCard(const VisitRecord &card)
{
    ShowRecord(this, card, VisitFields);
    m_plateLookedUp = NormalizedPlate(card.Targa);
}

void TfrmRegistro::txtTargaExit()
{
    const QString plate = Trim(ui->txtTarga->text());
    const QString normalized = NormalizedPlate(plate);
    if (normalized.isEmpty() || normalized == m_plateLookedUp)
        return;
    m_plateLookedUp = normalized;
    WarnFlaggedPlate(plate);
    if (!m_editor.model.CardNumber())
        RecallByPlate(plate);
}

// A vehicle still inside is offered for its exit; else the data of its
// latest card, or of the company vehicle, fill what is still empty.
void TfrmRegistro::RecallByPlate(const QString &plate)
{
    PlateRecall recall;
    try {
        recall = RecallPlate(ArchivePath(), plate);
    } catch (const IoError &) {
        return; // nothing to recall; a save tells what is wrong with the archive
    }
    if (recall.stillInside) {
        const RecalledCard &inside = *recall.stillInside;
        const QString question = QStringLiteral(
            "Il veicolo targato %1 risulta ancora all'interno: scheda n. %2, entrata il %3 alle %4.\n\r\n\r"
            "Si desidera richiamare la scheda per registrarne l'uscita?")
                                     .arg(plate, QString::number(inside.cardNumber), inside.card.DataEnt,
                                          inside.card.OraEnt);
        if (!Dialogs::Ask(this, question))
            return;
        // The answer already said to leave the new card: no further question.
        if (!m_editor.Load(inside.cardNumber))
            return;
        if (Trim(ui->txtDataUsc->text()).isEmpty())
            ui->txtDataUsc->setText(TodayText());
        if (Trim(ui->txtOraUsc->text()).isEmpty())
            ui->txtOraUsc->setText(NowTimeText());
        ui->txtOperatoreUsc->setFocus();
        return;
    }
    if (recall.latest) {
        FillEmptyFields(recall.latest->card);
        ui->panInfo->setText(QStringLiteral("Dati richiamati dalla scheda n. %1 del %2.")
                                 .arg(QString::number(recall.latest->cardNumber), recall.latest->card.DataEnt));
        return;
    }
    if (const std::optional<VehicleRecord> vehicle = FleetVehicleWithPlate(FleetArchive::Path(), plate)) {
        FillEmptyFields(VehicleAsVisit(*vehicle));
        ui->panInfo->setText(QStringLiteral("Dati richiamati dal Parco Automezzi."));
    }
}

void TfrmRegistro::WarnFlaggedPlate(const QString &plate)
{
    std::optional<FlaggedPlate> flagged;
    try {
        flagged = FlaggedPlates::Find(FlaggedPlates::Read().plates, plate);
    } catch (const IoError &) {
        return;
    }
    if (flagged)
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: la targa %1 è tra le targhe segnalate.\n\r\n\rMotivo: %2")
                             .arg(plate, flagged->reason));
}

void TfrmRegistro::FillEmptyFields(const VisitRecord &source)
{
    const VisitRecord filled = FilledFrom(RecordFromControls(this, VisitFields), source);
    for (const auto &field : VisitFields) {
        QWidget *control = FieldControl(this, field.name);
        if (control && Trim(ControlText(control)).isEmpty() && !(filled.*(field.member)).isEmpty())
            SetControlText(control, filled.*(field.member));
    }
}

void TfrmRegistro::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_editor.MayReplace())
        Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmRegistro::FormShow()
{
    NewCard();
}

void TfrmRegistro::btnNuovoClick()
{
    if (m_editor.MayReplace())
        NewCard();
}

// A blank card dated now, ready for the operator's name.
void TfrmRegistro::NewCard()
{
    for (const auto &field : VisitFields)
        SetControlText(FieldControl(this, field.name), QString());
    ui->txtDataEnt->setText(TodayText());
    ui->txtOraEnt->setText(NowTimeText());
    m_plateLookedUp.clear();
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
    const VisitRecord imported = VehicleAsVisit(vehicle);
    ui->txtVeicolo->setText(imported.Veicolo);
    ui->txtTarga->setText(imported.Targa);
    ui->txtConduttore->setText(imported.Conduttore);
    ui->txtTelCel->setText(imported.TelCel);
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

void TfrmRegistro::btnTargheSegnalateClick()
{
    TfrmTargheSegnalate window(this, FlaggedPlates::Path());
    Dialogs::RunModal(&window);
}

void TfrmRegistro::btnEsciClick()
{
    close();
}
