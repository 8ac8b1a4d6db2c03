#include "gui/fleet/TfrmFlotta.h"
#include "ui_TfrmFlotta.h"

#include "gui/help/TfrmGuida.h"
#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "core/fleet/FleetArchive.h"
#include "gui/fleet/TfrmAllegaCartella.h"
#include "gui/fleet/TfrmDisponibili.h"
#include "gui/fleet/TfrmExpFlotta.h"
#include "gui/fleet/TfrmTrovaFlotta.h"
#include "core/fleet/VehicleCard.h"
#include "gui/fleet/VehicleSheetReport.h"
#include "gui/kit/TMisc.h"
#include "core/storage/Environment.h"
#include "gui/kit/TfrmAnteprima.h"
#include "core/storage/TextRules.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/WindowKit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>

namespace {
const QString SheetPdfName = QStringLiteral("Automezzo.pdf");
// Writing the sheet failed (the old file, if any, stays as it was).
const QString SheetPdfFailed = QStringLiteral(
    "Attenzione: non è stato possibile creare il file Automezzo.pdf.\r\n\r\n"
    "Accertarsi che il file non sia aperto in un altro programma e di possedere i privilegi di scrittura "
    "nella cartella di installazione del programma.");

// The six hidden labels that carry the card's attachments, in record order.
const char *const AttachmentLabels[] = {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};

// The attachment fields of the record, in the order of AttachmentLabels.
QString VehicleRecord::*const AttachmentFields[] = {&VehicleRecord::File01, &VehicleRecord::File02,
                                                    &VehicleRecord::File03, &VehicleRecord::Desc01,
                                                    &VehicleRecord::Desc02, &VehicleRecord::Desc03};
} // namespace

TfrmFlotta::TfrmFlotta(QWidget *parent)
    : ScreenWindow(parent)
    , ui(std::make_unique<Ui::TfrmFlotta>())
{
    ui->setupUi(this);
    setStyleSheet(QStringLiteral(
        "#TfrmFlotta { background: #EEF2F6; }"
        "#shpTitolo { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1F3A5F, stop:1 #2E6B4F); }"
        "#intTitolo { color: white; font-size: 20pt; font-weight: bold; }"
        "QGroupBox#panVeicolo, QGroupBox#panConducente, QGroupBox#panNote {"
        " background: white; border: 1px solid #A9B8C9; border-radius: 6px; margin-top: 14px;"
        " font-weight: bold; color: #1F3A5F; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 6px; }"
        "QGroupBox QLabel { font-weight: normal; color: black; }"
        "#panNavigazione { background: white; border: 1px solid #A9B8C9; border-radius: 6px; }"
        "#shpInfo { background: #1F3A5F; }"
        "#panInfo { color: white; }"));
    SetFieldMaxLengths(this, VehicleFields);

    QStringList roles;
    NamePairs enterOrder;
    NamePairs labels;
    for (const auto &field : VehicleFields) {
        const QString role = QString::fromLatin1(field.name);
        if (!FieldControl(this, field.name))
            continue;
        roles << role;
        labels.append({QStringLiteral("lbl") + role, QStringLiteral("txt") + role});
    }
    // Enter follows the record from Tipo veicolo to Note, then back to the first.
    for (int i = 0; i < roles.size(); ++i) {
        if (roles.at(i) != QLatin1String("Litro"))
            enterOrder.append({QStringLiteral("txt") + roles.at(i), QStringLiteral("txt") + roles.at((i + 1) % roles.size())});
    }
    AttachEnterOrder(this, enterOrder);
    AttachHighlights(this, roles);
    AttachPlateUpperCase(ui->txtTarga);
    AttachPlateUpperCase(ui->txtCodFisc);
    AttachDigitsOnly(ui->txtLitro, ui->txtUso);
    ui->txtLitro->installEventFilter(this);
    for (QComboBox *combo : {ui->txtVeicolo, ui->txtAlimentazione, ui->txtStato})
        combo->installEventFilter(this);

    AttachStatusHints(
        this, ui->panInfo,
        {{"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
         {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
         {"cmdAllega", "Allega file alla scheda corrente."},
         {"cmdSalva", "Salva la scheda corrente in archivio."},
         {"cmdTrova", "Trova una scheda in archivio."},
         {"cmdAnteprima", "Visualizza l'anteprima di stampa."},
         {"cmdStampa", "Stampa la scheda corrente."},
         {"cmdPDF", "Esporta la scheda in formato PDF."},
         {"cmdDisponibili", "Visualizza il riepilogo dei veicoli attualmente disponibili."},
         {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
         {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
         {"cmdEsci", "Esci da questa schermata di lavoro."},
         {"cmdPrimo", "Visualizza la prima scheda in archivio."},
         {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
         {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
         {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
         {"btnCodFisc", "Controlla il codice fiscale."},
         {"chkDisponibile", "Spunta questa casella per annotare che il veicolo è attualmente disponibile."}},
        {"shpTitolo", "intTitolo", "icoFlotta", "panVeicolo", "panConducente", "panNote", "panComandi",
         "panNavigazione", "lblPosizione", "shpInfo", "panInfo"});
    AttachAccessibleNames(this, labels,
                          {{"cmdPrimo", "Prima scheda"},
                           {"cmdIndietro", "Scheda precedente"},
                           {"cmdAvanti", "Scheda successiva"},
                           {"cmdUltimo", "Ultima scheda"},
                           {"btnCodFisc", "Controlla il codice fiscale"}});

    connect(ui->cmdNuovo, &QPushButton::clicked, this, &TfrmFlotta::cmdNuovoClick);
    connect(ui->cmdSalva, &QPushButton::clicked, this, &TfrmFlotta::cmdSalvaClick);
    connect(ui->cmdDuplica, &QPushButton::clicked, this, &TfrmFlotta::cmdDuplicaClick);
    connect(ui->cmdAllega, &QPushButton::clicked, this, &TfrmFlotta::cmdAllegaClick);
    connect(ui->cmdTrova, &QPushButton::clicked, this, [this] {
        TfrmTrovaFlotta search(this, FleetArchive::Path(), [this](int cardNumber, const VehicleRecord &) {
            LoadVehicle(cardNumber);
        });
        Dialogs::RunModal(&search);
    });
    connect(ui->cmdDisponibili, &QPushButton::clicked, this, [this] {
        TfrmDisponibili list(this);
        Dialogs::RunModal(&list);
    });
    connect(ui->cmdEsporta, &QPushButton::clicked, this, [this] {
        TfrmExpFlotta dialog(this);
        Dialogs::RunModal(&dialog);
    });
    connect(ui->cmdGuida, &QPushButton::clicked, this, &TfrmFlotta::cmdGuidaClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->btnCodFisc, &ClickableLabel::clicked, this, &TfrmFlotta::btnCodFiscClick);
    connect(ui->cmdPrimo, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::First); });
    connect(ui->cmdIndietro, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::Previous); });
    connect(ui->cmdAvanti, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::Next); });
    connect(ui->cmdUltimo, &ClickableLabel::clicked, this, [this] { MoveTo(Arrow::Last); });

    connect(ui->cmdAnteprima, &QPushButton::clicked, this, &TfrmFlotta::cmdAnteprimaClick);
    connect(ui->cmdStampa, &QPushButton::clicked, this, &TfrmFlotta::cmdStampaClick);
    connect(ui->cmdPDF, &QPushButton::clicked, this, &TfrmFlotta::cmdPDFClick);
    for (const char *name : AttachmentLabels)
        findChild<QLabel *>(QLatin1String(name))->hide();
}

TfrmFlotta::~TfrmFlotta() = default;

bool TfrmFlotta::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving Km al litro turns anything but a whole number into "0".
    if (watched == ui->txtLitro && event->type() == QEvent::FocusOut)
        ui->txtLitro->setText(WholeKmPerLitre(ui->txtLitro->text()));
    // The suggestion lists start with no item chosen; the text stays.
    if (event->type() == QEvent::FocusIn) {
        if (auto *combo = qobject_cast<QComboBox *>(watched)) {
            const QString text = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
    }
    return ScreenWindow::eventFilter(watched, event);
}

void TfrmFlotta::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmFlotta::FormShow()
{
    cmdNuovoClick();
}

void TfrmFlotta::cmdNuovoClick()
{
    for (const auto &field : VehicleFields) {
        if (QWidget *control = FieldControl(this, field.name))
            SetControlText(control, QString());
    }
    for (QComboBox *combo : {ui->txtVeicolo, ui->txtAlimentazione, ui->txtStato}) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    }
    ui->chkDisponibile->setChecked(false);
    ClearAttachments();
    ui->lblPosizione->clear();
    m_loaded.reset();
    ui->txtVeicolo->setFocus();
}

// The information sheet is made from what the editor shows now, saved or
// not, and dated at the moment of the click.
void TfrmFlotta::cmdAnteprimaClick()
{
    const ReportLayout sheet = VehicleSheetLayout(VehicleOnScreen(), CurrentDateTime());
    TfrmAnteprima preview(this, sheet.orientation(), [sheet](QPainter &painter, QPrinter &) { sheet.paint(painter); });
    Dialogs::RunModal(&preview);
}

void TfrmFlotta::cmdStampaClick()
{
    const ReportLayout sheet = VehicleSheetLayout(VehicleOnScreen(), CurrentDateTime());
    PrintReport(this, sheet.orientation(), [&sheet](QPainter &painter, QPrinter &) { sheet.paint(painter); });
}

void TfrmFlotta::cmdPDFClick()
{
    // One file for the whole fleet: every sheet replaces the previous one.
    if (!WriteVehicleSheetPdf(ProgramFolder() + SheetPdfName, VehicleOnScreen(), CurrentDateTime())) {
        Dialogs::Message(this, MessageKind::Error, SheetPdfFailed);
        return;
    }
    if (Dialogs::Ask(this, QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                                          "Si vuole aprire il file?")))
        TMisc::Open(QLatin1Char('"') + ProgramFolder() + SheetPdfName + QLatin1Char('"'));
}

void TfrmFlotta::ClearAttachments()
{
    for (const char *name : AttachmentLabels)
        findChild<QLabel *>(QLatin1String(name))->clear();
}

VehicleRecord TfrmFlotta::VehicleOnScreen() const
{
    VehicleRecord card = RecordFromControls(this, VehicleFields);
    for (std::size_t i = 0; i < std::size(AttachmentLabels); ++i)
        card.*AttachmentFields[i] = Trim(findChild<QLabel *>(QLatin1String(AttachmentLabels[i]))->text());
    card.Disponibile = ui->chkDisponibile->isChecked() ? AvailableYes : AvailableNo;
    return card;
}

void TfrmFlotta::ShowVehicle(const VehicleRecord &card, int cardNumber)
{
    ShowRecord(this, card, VehicleFields);
    if (const auto mark = AvailabilityMark(card.Disponibile))
        ui->chkDisponibile->setChecked(*mark);
    for (std::size_t i = 0; i < std::size(AttachmentLabels); ++i)
        findChild<QLabel *>(QLatin1String(AttachmentLabels[i]))->setText(Trim(card.*AttachmentFields[i]));
    ui->lblPosizione->setText(QString::number(cardNumber));
    m_loaded = Loaded{cardNumber, card};
}

bool TfrmFlotta::RewriteStoredCard(int cardNumber, const VehicleRecord &card)
{
    if (!m_loaded || m_loaded->cardNumber != cardNumber) {
        // Not read by this editor: nothing to compare with.
        FleetArchive::RewriteCard(cardNumber, card);
        m_loaded = Loaded{cardNumber, FleetArchive::AsStored(card)};
        return true;
    }
    return Dialogs::SaveOverLoadedCard(
        this, m_loaded->card, card,
        [&](const VehicleRecord &expected) { return FleetArchive::RewriteCardIfUnchanged(cardNumber, expected, card); },
        FleetArchive::AsStored,
        // Read again: the answer may have taken a while.
        [&] { ShowVehicle(FleetArchive::ReadCard(cardNumber), cardNumber); });
}

bool TfrmFlotta::LoadVehicle(int cardNumber)
{
    try {
        ShowVehicle(FleetArchive::ReadCard(cardNumber), cardNumber);
        return true;
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
        return false;
    }
}

void TfrmFlotta::cmdSalvaClick()
{
    const VehicleRecord card = VehicleOnScreen();
    if (const auto refusal = CheckVehicleForSave(card)) {
        Dialogs::Message(this, MessageKind::Warning, refusal->message);
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
            const int number = FleetArchive::AppendCard(card);
            ui->lblPosizione->setText(QString::number(number));
            m_loaded = Loaded{number, FleetArchive::AsStored(card)};
            Dialogs::Message(this, MessageKind::Information,
                             QStringLiteral("La scheda corrente è stata inserita in archivio."));
        }
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
    }
}

// The data of a stored card become a new card without attachments; Save
// appends it.
void TfrmFlotta::cmdDuplicaClick()
{
    if (Trim(ui->lblPosizione->text()).isEmpty()) {
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                        "questa è stata inserita in archivio."));
        return;
    }
    ClearAttachments();
    ui->lblPosizione->clear();
    m_loaded.reset();
    try {
        FleetArchive::Reach();
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
        return;
    }
    ui->txtVeicolo->setFocus();
    Dialogs::Message(this, MessageKind::Information,
                     QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                    "Al termine premere Salva per inserire la scheda in archivio."));
}

void TfrmFlotta::MoveTo(Arrow arrow)
{
    try {
        const ArrowStep step =
            StepOf(arrow, FleetArchive::Count(), ShownCardNumber(ui->lblPosizione->text()));
        if (step.clearPosition)
            ui->lblPosizione->clear();
        if (step.showIndex >= 0)
            ShowVehicle(FleetArchive::ReadCard(step.showIndex + 1), step.showIndex + 1);
        if (step.emptyArchive)
            Dialogs::Message(this, MessageKind::Information, QStringLiteral("L'archivio non contiene nessuna scheda."));
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
    }
}

// The slots reach the archive only with the next Save.
void TfrmFlotta::cmdAllegaClick()
{
    VehicleAttachments attachments;
    for (int slot = 0; slot < 3; ++slot) {
        attachments.files[slot] = findChild<QLabel *>(QLatin1String(AttachmentLabels[slot]))->text();
        attachments.descriptions[slot] = findChild<QLabel *>(QLatin1String(AttachmentLabels[slot + 3]))->text();
    }
    TfrmAllegaCartella dialog(this);
    dialog.SetToken(QStringLiteral("flotta"));
    dialog.SetAttachments(attachments);
    dialog.SetApply([this](const VehicleAttachments &chosen) {
        for (int slot = 0; slot < 3; ++slot) {
            findChild<QLabel *>(QLatin1String(AttachmentLabels[slot]))->setText(chosen.files[slot]);
            findChild<QLabel *>(QLatin1String(AttachmentLabels[slot + 3]))->setText(chosen.descriptions[slot]);
        }
    });
    Dialogs::RunModal(&dialog);
}

void TfrmFlotta::cmdGuidaClick()
{
    ShowHelp(this, HelpFleet());
}

// Digits only: a VAT number; anything else (or nothing): a fiscal code.
void TfrmFlotta::btnCodFiscClick()
{
    const QString code = Trim(ui->txtCodFisc->text());
    if (!code.isEmpty() && IsDigitsOnly(code)) {
        TfrmPartitaIva check(this);
        check.SetNumber(code);
        Dialogs::RunModal(&check);
    } else {
        TfrmCodFisc check(this);
        check.SetCode(code);
        Dialogs::RunModal(&check);
    }
}
