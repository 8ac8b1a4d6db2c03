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
{
    ui->setupUi(this);
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
    AttachDatePickerField(ui->txtDataEnt, [this] { OpenDatePicker(QStringLiteral("dataent")); });
    AttachDatePickerField(ui->txtDataUsc, [this] { OpenDatePicker(QStringLiteral("datausc")); });

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
    connect(ui->cmdPrimo, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::First); });
    connect(ui->cmdIndietro, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::Previous); });
    connect(ui->cmdAvanti, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::Next); });
    connect(ui->cmdUltimo, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::Last); });
    connect(ui->impDataEnt, &ClickableLabel::clicked, this, [this] { ui->txtDataEnt->setText(TodayText()); });
    connect(ui->impDataUsc, &ClickableLabel::clicked, this, [this] { ui->txtDataUsc->setText(TodayText()); });
    connect(ui->impOraEnt, &ClickableLabel::clicked, this, [this] { ui->txtOraEnt->setText(NowTimeText()); });
    connect(ui->impOraUscita, &ClickableLabel::clicked, this, [this] { ui->txtOraUsc->setText(NowTimeText()); });
    // The red arrow pulls a vehicle of the company fleet into the card through
    // the fleet search.
    connect(ui->impVeicolo, &ClickableLabel::clicked, this, [this] {
        TfrmTrovaFlotta search(this, FleetArchive::Path(), [this](int, const VehicleRecord &vehicle) {
            ImportVehicle(vehicle.Marca + QLatin1Char(' ') + vehicle.Modello, vehicle.Targa, vehicle.Conducente,
                          vehicle.Recapito);
        });
        Dialogs::RunModal(&search);
    });
}

void TfrmRegistro::ImportVehicle(const QString &vehicle, const QString &plate, const QString &driver,
                                 const QString &telephone)
{
    ui->txtVeicolo->setText(Trim(vehicle));
    ui->txtTarga->setText(Trim(plate));
    ui->txtConduttore->setText(Trim(driver));
    ui->txtTelCel->setText(Trim(telephone));
}

TfrmRegistro::~TfrmRegistro() = default;

void TfrmRegistro::OpenYear(const QString &year)
{
    ui->lblFile->setText(YearArchive::PathFor(year));
    setWindowTitle(QStringLiteral(" Varcanto - Ingresso e Uscite Veicoli anno ") + Trim(year));
}

bool TfrmRegistro::LoadCard(const QString &archivePath, int cardNumber)
{
    try {
        ShowStoredCard(archivePath, cardNumber, RegisterArchive::ReadCard(archivePath, cardNumber));
        return true;
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
        return false;
    }
}

bool TfrmRegistro::ImportPickedDate(const QString &token, const QString &date)
{
    if (token == QLatin1String("dataent"))
        ui->txtDataEnt->setText(date);
    else if (token == QLatin1String("datausc"))
        ui->txtDataUsc->setText(date);
    else
        return false;
    return true;
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
    ui->lblPosizione->clear();
    m_loaded.reset();
    ui->txtOperatoreEnt->setFocus();
}

void TfrmRegistro::ShowStoredCard(const QString &archivePath, int cardNumber, const VisitRecord &card)
{
    ShowRecord(this, card, VisitFields);
    ui->lblPosizione->setText(QString::number(cardNumber));
    m_loaded = Loaded{archivePath, cardNumber, card};
}

bool TfrmRegistro::RewriteStoredCard(int cardNumber, const VisitRecord &card)
{
    const QString path = ArchivePath();
    if (!m_loaded || m_loaded->archivePath != path || m_loaded->cardNumber != cardNumber) {
        // Not read by this editor: nothing to compare with.
        RegisterArchive::RewriteCard(path, cardNumber, card);
        m_loaded = Loaded{path, cardNumber, RegisterArchive::AsStored(card)};
        return true;
    }
    return Dialogs::SaveOverLoadedCard(
        this, m_loaded->card, card,
        [&](const VisitRecord &expected) {
            return RegisterArchive::RewriteCardIfUnchanged(path, cardNumber, expected, card);
        },
        RegisterArchive::AsStored,
        // Read again: the answer may have taken a while.
        [&] { ShowStoredCard(path, cardNumber, RegisterArchive::ReadCard(path, cardNumber)); });
}

void TfrmRegistro::btnSalvaClick()
{
    const VisitRecord card = RecordFromControls(this, VisitFields);
    if (const auto refusal = CheckCardForSave(card)) {
        Dialogs::Message(this, refusal->warning ? MessageKind::Warning : MessageKind::Plain, refusal->message);
        FieldControl(this, qPrintable(refusal->field))->setFocus();
        return;
    }
    const int shown = ShownCardNumber(ui->lblPosizione->text());
    // A failed save leaves the card on screen as it was, number included.
    try {
        if (shown > 0) {
            if (!RewriteStoredCard(shown, card))
                return;
            ui->lblPosizione->setText(QString::number(shown));
            Dialogs::Message(this, MessageKind::Information,
                             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        } else {
            const int number = RegisterArchive::AppendCard(ArchivePath(), card);
            ui->lblPosizione->setText(QString::number(number));
            m_loaded = Loaded{ArchivePath(), number, RegisterArchive::AsStored(card)};
            Dialogs::Message(this, MessageKind::Information,
                             QStringLiteral("La scheda corrente è stata inserita in archivio."));
        }
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
    }
}

void TfrmRegistro::btnGuidaClick()
{
    ShowHelp(this, HelpRegister());
}

// The search and the daily lists load a double-clicked card through LoadCard.
void TfrmRegistro::btnTrovaClick()
{
    TfrmTrovaVisite search(this, ArchivePath(), [this](int cardNumber) { LoadCard(ArchivePath(), cardNumber); });
    Dialogs::RunModal(&search);
}

void TfrmRegistro::btnNonUscitiClick()
{
    TfrmNonUsciti list(this);
    Dialogs::RunModal(&list);
}

void TfrmRegistro::btnEntratiOggiClick()
{
    TfrmEntratiOggi list(this);
    Dialogs::RunModal(&list);
}

void TfrmRegistro::btnUscitiOggiClick()
{
    TfrmUscitiOggi list(this);
    Dialogs::RunModal(&list);
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
    TfrmExpVisite exportWindow(this);
    Dialogs::RunModal(&exportWindow);
}

void TfrmRegistro::btnEsciClick()
{
    close();
}

void TfrmRegistro::MoveTo(Arrow arrow)
{
    try {
        const ArrowStep step =
            StepOf(arrow, RegisterArchive::Count(ArchivePath()), ShownCardNumber(ui->lblPosizione->text()));
        if (step.clearPosition)
            ui->lblPosizione->clear();
        if (step.zeroPosition)
            ui->lblPosizione->setText(QStringLiteral("0"));
        if (step.showIndex >= 0) {
            ShowStoredCard(ArchivePath(), step.showIndex + 1, RegisterArchive::ReadCard(ArchivePath(), step.showIndex + 1));
        }
        if (step.emptyArchive)
            Dialogs::Message(this, MessageKind::Information, QStringLiteral("L'archivio non contiene nessuna scheda."));
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
    }
}

void TfrmRegistro::OpenDatePicker(const QString &token)
{
    TfrmCalendario picker(this);
    picker.SetToken(token);
    picker.SetImport([this](const QString &asked, const QString &date) { return ImportPickedDate(asked, date); });
    Dialogs::RunModal(&picker);
}

QString TfrmRegistro::ArchivePath() const
{
    return Trim(ui->lblFile->text());
}
