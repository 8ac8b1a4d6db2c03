#include "gui/fleet/TfrmScadenze.h"
#include "ui_TfrmScadenze.h"

#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "core/storage/TextRules.h"
#include "gui/help/TfrmGuida.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/TfrmCalendario.h"
#include "gui/kit/WindowKit.h"

#include <QPushButton>

const QString DeadlinesOfNewCardText = QStringLiteral(
    "Attenzione: le scadenze di un veicolo possono essere gestite soltanto dopo che la sua scheda è stata inserita "
    "in archivio.\n\r\n\rPremere Salva per inserire la scheda, poi di nuovo Scadenze.");

namespace {
const QString DamagedEntryText = QStringLiteral(
    "Attenzione: le scadenze memorizzate per questo veicolo sono danneggiate e non possono essere lette.\n\r\n\r"
    "Il veicolo viene mostrato senza scadenze: indicarle di nuovo e premere Salva.");
const QString SavedText = QStringLiteral("Le scadenze del veicolo sono state salvate in archivio.");
} // namespace

TfrmScadenze::TfrmScadenze(QWidget *parent, const QString &fleetPath, int cardNumber, const VehicleRecord &vehicle)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmScadenze>())
    , m_model(fleetPath, cardNumber)
    , m_vehicle(vehicle)
{
    ui->setupUi(this);
    ui->lblVeicolo->setText(QStringLiteral("%1 %2 - Targa: %3")
                                .arg(Trim(vehicle.Marca), Trim(vehicle.Modello), Trim(vehicle.Targa)));
    ui->txtAltraData->setAccessibleName(QStringLiteral("Data dell'altra scadenza"));
    AttachAccessibleNames(this,
                          {{"lblAssicurazione", "txtAssicurazione"},
                           {"lblRevisione", "txtRevisione"},
                           {"lblBollo", "txtBollo"},
                           {"lblTagliando", "txtTagliando"},
                           {"lblAltraScadenza", "txtAltraDescrizione"},
                           {"lblNote", "txtNote"}},
                          {{"cmdCalAssicurazione", "Scegli la data dell'assicurazione"},
                           {"cmdCalRevisione", "Scegli la data della revisione"},
                           {"cmdCalBollo", "Scegli la data del bollo"},
                           {"cmdCalTagliando", "Scegli la data del tagliando"},
                           {"cmdCalAltraData", "Scegli la data dell'altra scadenza"},
                           {"btnAccettaRevisione", "Accetta la data di revisione proposta"}});
    AttachEnterOrder(this, {{"txtAssicurazione", "txtRevisione"},
                            {"txtRevisione", "txtBollo"},
                            {"txtBollo", "txtTagliando"},
                            {"txtTagliando", "txtAltraDescrizione"},
                            {"txtAltraDescrizione", "txtAltraData"},
                            {"txtAltraData", "txtNote"},
                            {"txtNote", "btnSalva"}});

    const std::pair<QPushButton *, QLineEdit *> pickers[] = {{ui->cmdCalAssicurazione, ui->txtAssicurazione},
                                                             {ui->cmdCalRevisione, ui->txtRevisione},
                                                             {ui->cmdCalBollo, ui->txtBollo},
                                                             {ui->cmdCalTagliando, ui->txtTagliando},
                                                             {ui->cmdCalAltraData, ui->txtAltraData}};
    for (const auto &[button, field] : pickers)
        connect(button, &QPushButton::clicked, this, [this, field = field] { PickDate(field); });
    // A date typed over the proposal is the user's own.
    connect(ui->txtRevisione, &QLineEdit::textEdited, this, [this] { SetProposed(false); });
    connect(ui->btnAccettaRevisione, &QPushButton::clicked, this, &TfrmScadenze::btnAccettaRevisioneClick);
    connect(ui->btnSalva, &QPushButton::clicked, this, &TfrmScadenze::btnSalvaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnGuida, &QPushButton::clicked, this, [this] { ShowHelp(this, HelpDeadlines()); });
    SetProposed(false);
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmScadenze::~TfrmScadenze() = default;

bool TfrmScadenze::Load()
{
    try {
        const DeadlineEntry entry = m_model.Load();
        ShowDeadlines(entry.deadlines);
        if (entry.damaged)
            Dialogs::Message(this, MessageKind::Warning, DamagedEntryText);
        return true;
    } catch (const IoError &e) {
        Dialogs::ArchiveError(parentWidget(), &e);
        return false;
    }
}

void TfrmScadenze::ShowDeadlines(const VehicleDeadlines &deadlines)
{
    ui->txtAssicurazione->setText(deadlines.Assicurazione);
    ui->txtRevisione->setText(deadlines.Revisione);
    ui->txtBollo->setText(deadlines.Bollo);
    ui->txtTagliando->setText(deadlines.Tagliando);
    ui->txtAltraDescrizione->setText(deadlines.AltraDescrizione);
    ui->txtAltraData->setText(deadlines.AltraData);
    ui->txtNote->setText(deadlines.Note);
    SetProposed(false);
    if (deadlines.Revisione.isEmpty()) {
        const QDate due = NextInspectionDue(m_vehicle.Veicolo, m_vehicle.Peso, m_vehicle.Uso,
                                            RegistrationDate(m_vehicle.Immatricolazione), CurrentDateTime().date());
        if (due.isValid()) {
            ui->txtRevisione->setText(DateText(due));
            SetProposed(true);
        }
    }
}

VehicleDeadlines TfrmScadenze::DeadlinesOnScreen() const
{
    VehicleDeadlines d;
    d.Assicurazione = Trim(ui->txtAssicurazione->text());
    // A proposal the user has not accepted is not a deadline yet.
    d.Revisione = m_proposed ? QString() : Trim(ui->txtRevisione->text());
    d.Bollo = Trim(ui->txtBollo->text());
    d.Tagliando = Trim(ui->txtTagliando->text());
    d.AltraDescrizione = Trim(ui->txtAltraDescrizione->text());
    d.AltraData = Trim(ui->txtAltraData->text());
    d.Note = Trim(ui->txtNote->text());
    return d;
}

void TfrmScadenze::SetProposed(bool proposed)
{
    m_proposed = proposed;
    ui->lblRevisioneProposta->setVisible(proposed);
    ui->btnAccettaRevisione->setVisible(proposed);
    QFont font = ui->txtRevisione->font();
    font.setItalic(proposed);
    ui->txtRevisione->setFont(font);
}

void TfrmScadenze::PickDate(QLineEdit *field)
{
    TfrmCalendario picker(this, [this, field](const QString &date) {
        field->setText(date);
        if (field == ui->txtRevisione)
            SetProposed(false);
    });
    Dialogs::RunModal(&picker);
    field->setFocus();
}

void TfrmScadenze::btnAccettaRevisioneClick()
{
    SetProposed(false);
    ui->txtRevisione->setFocus();
}

void TfrmScadenze::btnSalvaClick()
{
    const VehicleDeadlines deadlines = DeadlinesOnScreen();
    if (const std::optional<DeadlineRefusal> refusal = CheckDeadlinesForSave(deadlines)) {
        Dialogs::Message(this, MessageKind::Plain, refusal->message);
        if (QWidget *field = findChild<QWidget *>(QStringLiteral("txt") + refusal->field))
            field->setFocus();
        return;
    }
    try {
        switch (m_model.Save(deadlines, [this] { return Dialogs::AskOverwriteChangedCard(this); })) {
        case DeadlineEditorModel::Outcome::Written:
            Dialogs::Message(this, MessageKind::Information, SavedText);
            accept();
            break;
        case DeadlineEditorModel::Outcome::ReloadedAsNow:
            ShowDeadlines(m_model.Loaded());
            break;
        }
    } catch (const IoError &e) {
        Dialogs::ArchiveError(this, &e);
    }
}
