#include "gui/fleet/TfrmFlotta.h"
#include "ui_TfrmFlotta.h"

#include "gui/help/TfrmGuida.h"
#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "core/fleet/FleetArchive.h"
#include "gui/fleet/TfrmAllegaCartella.h"
#include "gui/fleet/TfrmDisponibili.h"
#include "gui/fleet/TfrmExpFlotta.h"
#include "gui/fleet/TfrmScadenze.h"
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
} // namespace

TfrmFlotta::TfrmFlotta(QWidget *parent)
    : ScreenWindow(parent)
    , ui(std::make_unique<Ui::TfrmFlotta>())
    , m_editor(this, [this](const VehicleRecord &card) { ShowCard(card); })
{
    ui->setupUi(this);
    m_editor.SetPosition(ui->lblPosizione);
    m_editor.SetOnScreen([this] { return VehicleOnScreen(); },
                         [](const VehicleRecord &card) { return CheckVehicleForSave(card); });
    m_editor.model.SetArchive(FleetArchive::Path());
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
         {"cmdScadenze", "Gestisce le scadenze del veicolo."},
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

    connect(ui->cmdNuovo, &QPushButton::clicked, this, &TfrmFlotta::btnNuovoClick);
    connect(ui->cmdSalva, &QPushButton::clicked, this, &TfrmFlotta::btnSalvaClick);
    connect(ui->cmdDuplica, &QPushButton::clicked, this, &TfrmFlotta::cmdDuplicaClick);
    connect(ui->cmdAllega, &QPushButton::clicked, this, &TfrmFlotta::cmdAllegaClick);
    connect(ui->cmdTrova, &QPushButton::clicked, this, &TfrmFlotta::btnTrovaClick);
    connect(ui->cmdDisponibili, &QPushButton::clicked, this, &TfrmFlotta::cmdDisponibiliClick);
    connect(ui->cmdScadenze, &QPushButton::clicked, this, &TfrmFlotta::cmdScadenzeClick);
    connect(ui->cmdEsporta, &QPushButton::clicked, this, &TfrmFlotta::btnExcelClick);
    connect(ui->cmdGuida, &QPushButton::clicked, this, &TfrmFlotta::btnGuidaClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->btnCodFisc, &ClickableLabel::clicked, this, &TfrmFlotta::btnCodFiscClick);
    const std::pair<ClickableLabel *, Arrow> arrows[] = {
        {ui->cmdPrimo, Arrow::First}, {ui->cmdIndietro, Arrow::Previous}, {ui->cmdAvanti, Arrow::Next}, {ui->cmdUltimo, Arrow::Last}};
    for (const auto &[label, arrow] : arrows)
        connect(label, &ClickableLabel::clicked, this, [this, arrow = arrow] { m_editor.MoveTo(arrow, false); });
    connect(ui->cmdAnteprima, &QPushButton::clicked, this, &TfrmFlotta::cmdAnteprimaClick);
    connect(ui->cmdStampa, &QPushButton::clicked, this, &TfrmFlotta::btnStampaClick);
    connect(ui->cmdPDF, &QPushButton::clicked, this, &TfrmFlotta::cmdPDFClick);
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
    if (m_editor.MayReplace())
        Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmFlotta::FormShow()
{
    m_editor.model.SetArchive(FleetArchive::Path());
    NewCard();
}

void TfrmFlotta::btnNuovoClick()
{
    if (m_editor.MayReplace())
        NewCard();
}

void TfrmFlotta::NewCard()
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
    m_attachments = {};
    m_editor.New();
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

void TfrmFlotta::btnStampaClick()
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
        TMisc::Open(ProgramFolder() + SheetPdfName);
}

VehicleRecord TfrmFlotta::VehicleOnScreen() const
{
    VehicleRecord card = RecordFromControls(this, VehicleFields);
    card.File01 = Trim(m_attachments.files[0]);
    card.File02 = Trim(m_attachments.files[1]);
    card.File03 = Trim(m_attachments.files[2]);
    card.Desc01 = Trim(m_attachments.descriptions[0]);
    card.Desc02 = Trim(m_attachments.descriptions[1]);
    card.Desc03 = Trim(m_attachments.descriptions[2]);
    card.Disponibile = ui->chkDisponibile->isChecked() ? AvailableYes : AvailableNo;
    return card;
}

void TfrmFlotta::ShowCard(const VehicleRecord &card)
{
    ShowRecord(this, card, VehicleFields);
    if (const auto mark = AvailabilityMark(card.Disponibile))
        ui->chkDisponibile->setChecked(*mark);
    m_attachments = {{Trim(card.File01), Trim(card.File02), Trim(card.File03)},
                     {Trim(card.Desc01), Trim(card.Desc02), Trim(card.Desc03)}};
}

bool TfrmFlotta::LoadCard(int cardNumber)
{
    return m_editor.Open(cardNumber);
}

void TfrmFlotta::btnSalvaClick()
{
    const VehicleRecord card = VehicleOnScreen();
    m_editor.Save(card, CheckVehicleForSave(card));
}

// The data of a stored card become a new card without attachments; Save
// appends it.
void TfrmFlotta::cmdDuplicaClick()
{
    if (!m_editor.model.CardNumber()) {
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                        "questa è stata inserita in archivio."));
        return;
    }
    m_attachments = {};
    m_editor.New();
    try {
        m_editor.model.Archive().Reach();
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
        return;
    }
    ui->txtVeicolo->setFocus();
    Dialogs::Message(this, MessageKind::Information,
                     QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                    "Al termine premere Salva per inserire la scheda in archivio."));
}

// The slots reach the archive only with the next Save.
void TfrmFlotta::cmdAllegaClick()
{
    TfrmAllegaCartella dialog(this, m_attachments,
                              [this](const VehicleAttachments &chosen) { m_attachments = chosen; });
    Dialogs::RunModal(&dialog);
}

void TfrmFlotta::btnTrovaClick()
{
    TfrmTrovaFlotta search(this, m_editor.model.ArchivePath(), [this](int cardNumber, const VehicleRecord &) {
        LoadCard(cardNumber);
    });
    Dialogs::RunModal(&search);
}

void TfrmFlotta::cmdDisponibiliClick()
{
    TfrmDisponibili list(this, m_editor.model.ArchivePath(), [this](int cardNumber) { LoadCard(cardNumber); });
    Dialogs::RunModal(&list);
}

// The deadlines belong to a stored card: a new one must be saved first.
void TfrmFlotta::cmdScadenzeClick()
{
    const std::optional<int> number = m_editor.model.CardNumber();
    if (!number) {
        Dialogs::Message(this, MessageKind::Warning, DeadlinesOfNewCardText);
        return;
    }
    TfrmScadenze dialog(this, m_editor.model.ArchivePath(), *number, VehicleOnScreen());
    if (dialog.Load())
        Dialogs::RunModal(&dialog);
}

void TfrmFlotta::btnExcelClick()
{
    TfrmExpFlotta dialog(this, m_editor.model.ArchivePath());
    Dialogs::RunModal(&dialog);
}

void TfrmFlotta::btnGuidaClick()
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
