#include "gui/register/TfrmTargheSegnalate.h"
#include "ui_TfrmTargheSegnalate.h"

#include "core/storage/IoError.h"
#include "core/storage/TextRules.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/WindowKit.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QShowEvent>

// The rows of the grid: plate, reason, date added.
class FlaggedPlatesModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetPlates(QList<FlaggedPlate> plates)
    {
        beginResetModel();
        m_plates = std::move(plates);
        endResetModel();
    }
    const QList<FlaggedPlate> &Plates() const { return m_plates; }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_plates.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_plates.size())
            return {};
        const FlaggedPlate &p = m_plates.at(index.row());
        switch (index.column()) {
        case 0:
            return p.plate;
        case 1:
            return p.reason;
        default:
            return p.added;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char *const headings[] = {"Targa", "Motivo", "Data inserimento"};
        return section >= 0 && section < 3 ? QString::fromUtf8(headings[section]) : QVariant();
    }

private:
    QList<FlaggedPlate> m_plates;
};

namespace {
const QString ReadFailed = QStringLiteral(
    "Attenzione: il sistema non è riuscito a leggere l'elenco delle targhe segnalate.");
const QString Unreadable = QStringLiteral(
    "Attenzione: alcune righe dell'elenco delle targhe segnalate non sono leggibili.\n\r\n\r"
    "Le righe restano nel file così come sono, ma non vengono mostrate.");
const QString WriteFailed = QStringLiteral(
    "Attenzione: il sistema non è riuscito a salvare l'elenco delle targhe segnalate e la modifica non è "
    "stata eseguita.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString Busy = QStringLiteral(
    "Attenzione: l'elenco delle targhe segnalate è in uso da un'altra postazione di lavoro e la modifica non è "
    "stata eseguita.\n\r\n\r"
    "Attendere qualche istante e riprovare.");
} // namespace

TfrmTargheSegnalate::TfrmTargheSegnalate(QWidget *parent, const QString &path)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmTargheSegnalate>())
    , m_model(new FlaggedPlatesModel(this))
    , m_path(path)
{
    ui->setupUi(this);
    ui->grdTarghe->setModel(m_model);
    ui->grdTarghe->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->grdTarghe->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->grdTarghe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->grdTarghe->horizontalHeader()->setStretchLastSection(true);
    ui->grdTarghe->setColumnWidth(0, 160);
    ui->grdTarghe->setColumnWidth(1, 420);
    ui->txtTarga->setMaxLength(30);
    ui->txtMotivo->setMaxLength(250);
    AttachPlateUpperCase(ui->txtTarga);
    AttachEnterOrder(this, {{"txtTarga", "txtMotivo"}, {"txtMotivo", "btnAggiungi"}});
    AttachAccessibleNames(this, {{"lblTarga", "txtTarga"}, {"lblMotivo", "txtMotivo"}, {"lblElenco", "grdTarghe"}});
    connect(ui->btnAggiungi, &QPushButton::clicked, this, &TfrmTargheSegnalate::btnAggiungiClick);
    connect(ui->btnRimuovi, &QPushButton::clicked, this, &TfrmTargheSegnalate::btnRimuoviClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    MakeFixedWindow(this);
    CenterWindow(this);
}

TfrmTargheSegnalate::~TfrmTargheSegnalate() = default;

void TfrmTargheSegnalate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTargheSegnalate::FormShow()
{
    try {
        const FlaggedPlates::List list = FlaggedPlates::Read(m_path);
        ShowList(list);
        if (!list.unreadable.isEmpty())
            Dialogs::Message(this, MessageKind::Warning, Unreadable);
    } catch (const IoError &) {
        Dialogs::Message(this, MessageKind::Error, ReadFailed);
    }
    ui->txtTarga->setFocus();
}

void TfrmTargheSegnalate::ShowList(const FlaggedPlates::List &list)
{
    m_model->SetPlates(list.plates);
}

namespace {
void tellWriteFailure(QWidget *window, const IoError &e)
{
    Dialogs::Message(window, MessageKind::Error, dynamic_cast<const ArchiveBusy *>(&e) ? Busy : WriteFailed);
}
} // namespace

// The plate typed is flagged with its reason and today's date; the list
// shown is the file as written, other workstations' changes included.
void TfrmTargheSegnalate::btnAggiungiClick()
{
    const QString plate = Trim(ui->txtTarga->text());
    if (plate.isEmpty()) {
        Dialogs::Message(this, MessageKind::Warning, QStringLiteral("Attenzione: immettere la targa da segnalare."));
        ui->txtTarga->setFocus();
        return;
    }
    try {
        ShowList(FlaggedPlates::Add({plate, Trim(ui->txtMotivo->text()), TodayText()}, m_path));
    } catch (const IoError &e) {
        tellWriteFailure(this, e);
        return;
    }
    ui->txtTarga->clear();
    ui->txtMotivo->clear();
    ui->txtTarga->setFocus();
}

void TfrmTargheSegnalate::btnRimuoviClick()
{
    const QModelIndex current = ui->grdTarghe->currentIndex();
    if (!current.isValid() || !ui->grdTarghe->selectionModel()->isRowSelected(current.row(), {})) {
        Dialogs::Message(this, MessageKind::Warning,
                         QStringLiteral("Attenzione: selezionare nell'elenco la targa da rimuovere."));
        return;
    }
    const QString plate = m_model->Plates().at(current.row()).plate;
    if (!Dialogs::Ask(this, QStringLiteral("Rimuovere la targa %1 dall'elenco delle targhe segnalate?").arg(plate)))
        return;
    try {
        ShowList(FlaggedPlates::Remove(plate, m_path));
    } catch (const IoError &e) {
        tellWriteFailure(this, e);
    }
}
