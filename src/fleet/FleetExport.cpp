#include "fleet/FleetExport.h"

#include "fleet/VehicleRecord.h"
#include "storage/IoError.h"
#include "storage/TextRules.h"

namespace {
// Grid columns 1-25: heading on screen, width on screen, width written.
struct ExportColumn {
    const char *heading; // UTF-8
    int gridWidth;
    int fileWidth;
};
constexpr ExportColumn Columns[25] = {
    {"Tipo veicolo", 250, 250},
    {"Marca e modello", 250, 250},
    {"Colore", 250, 250},
    {"Alimentazione", 250, 250},
    {"Targa", 250, 250},
    {"Impianti e accessori", 300, 300},
    {"Telaio", 250, 250},
    {"Data immatricolazione", 200, 200},
    {"Cilindrata", 200, 200},
    {"Cavalli fiscali / kW", 250, 250},
    {"Acquisto", 250, 250},
    {"Apparato Telepass", 250, 250},
    {"Numero posti", 150, 150},
    {"Tessera Viacard", 250, 250},
    {"Destinazione ed uso", 250, 250},
    {"Pneumatici", 250, 250},
    {"Compatibilità ambientale", 200, 200},
    {"Libretto circolazione e Certificato proprietà", 250, 300},
    {"Compagnia assicurazione", 250, 250},
    {"Incidenti subiti", 300, 300},
    {"Stato veicolo", 250, 250},
    {"Proprietario o conducente", 250, 250},
    {"Codice fiscale", 200, 200},
    {"Tel. preferenziale", 250, 250},
    {"Note", 350, 350},
};
// Grid columns open to corrections: Codice fiscale and Tel. preferenziale.
bool editable(int gridColumn)
{
    return gridColumn == 23 || gridColumn == 24;
}

constexpr auto &Veicolo = FieldNamed(VehicleFields, "Veicolo");
constexpr auto &Marca = FieldNamed(VehicleFields, "Marca");
constexpr auto &Modello = FieldNamed(VehicleFields, "Modello");
constexpr auto &Colore = FieldNamed(VehicleFields, "Colore");
constexpr auto &Alimentazione = FieldNamed(VehicleFields, "Alimentazione");
constexpr auto &Targa = FieldNamed(VehicleFields, "Targa");
constexpr auto &Impianti = FieldNamed(VehicleFields, "Impianti");
constexpr auto &Telaio = FieldNamed(VehicleFields, "Telaio");
constexpr auto &Immatricolazione = FieldNamed(VehicleFields, "Immatricolazione");
constexpr auto &Cilindrata = FieldNamed(VehicleFields, "Cilindrata");
constexpr auto &Cavalli = FieldNamed(VehicleFields, "Cavalli");
constexpr auto &DataAcq = FieldNamed(VehicleFields, "DataAcq");
constexpr auto &PrezzoAcq = FieldNamed(VehicleFields, "PrezzoAcq");
constexpr auto &Telepass = FieldNamed(VehicleFields, "Telepass");
constexpr auto &Posti = FieldNamed(VehicleFields, "Posti");
constexpr auto &Viacard = FieldNamed(VehicleFields, "Viacard");
constexpr auto &Uso = FieldNamed(VehicleFields, "Uso");
constexpr auto &Pneumatici = FieldNamed(VehicleFields, "Pneumatici");
constexpr auto &Ambientale = FieldNamed(VehicleFields, "Ambientale");
constexpr auto &Officina = FieldNamed(VehicleFields, "Officina");
constexpr auto &Compagnia = FieldNamed(VehicleFields, "Compagnia");
constexpr auto &Incidenti = FieldNamed(VehicleFields, "Incidenti");
constexpr auto &Stato = FieldNamed(VehicleFields, "Stato");
constexpr auto &Conducente = FieldNamed(VehicleFields, "Conducente");
constexpr auto &CodFisc = FieldNamed(VehicleFields, "CodFisc");
constexpr auto &Recapito = FieldNamed(VehicleFields, "Recapito");
constexpr auto &Note = FieldNamed(VehicleFields, "Note");

QString f(const char *record, const FieldSpec<VehicleRecord> &field)
{
    return FieldText(record, field);
}

QStringList rowOf(const char *record)
{
    return {f(record, Veicolo),
            f(record, Marca) + QLatin1Char(' ') + f(record, Modello),
            f(record, Colore),
            f(record, Alimentazione),
            f(record, Targa),
            f(record, Impianti),
            f(record, Telaio),
            f(record, Immatricolazione),
            f(record, Cilindrata),
            f(record, Cavalli),
            QStringLiteral("Data: ") + f(record, DataAcq) + QStringLiteral("  Prezzo: ") + f(record, PrezzoAcq),
            f(record, Telepass),
            f(record, Posti),
            f(record, Viacard),
            f(record, Uso),
            f(record, Pneumatici),
            f(record, Ambientale),
            f(record, Officina),
            f(record, Compagnia),
            f(record, Incidenti),
            f(record, Stato),
            f(record, Conducente),
            f(record, CodFisc),
            f(record, Recapito),
            f(record, Note)};
}

QList<QStringList> blankRows()
{
    return QList<QStringList>(FleetGridModel::BlankRows, QStringList(25, QString()));
}
} // namespace

QList<SpreadsheetColumn> FleetExportColumns()
{
    QList<SpreadsheetColumn> columns;
    for (const ExportColumn &c : Columns)
        columns.append({QString::fromUtf8(c.heading), c.fileWidth});
    return columns;
}

void ReadFleetExportRows(const QString &archivePath, QList<QStringList> &rows, const ScanProgress &progress)
{
    ScanArchive(archivePath, VehicleRecord::Size, [&rows](int, const char *record) {
        rows.append(rowOf(record));
        return true;
    }, progress);
}

QList<QStringList> FleetExportRows(const QString &archivePath)
{
    QList<QStringList> rows;
    ReadFleetExportRows(archivePath, rows);
    return rows.isEmpty() ? blankRows() : rows;
}

FleetGridModel::FleetGridModel(QObject *parent)
    : QAbstractTableModel(parent), m_rows(blankRows())
{
}

QStringList FleetGridModel::Headings()
{
    QStringList headings{QStringLiteral("N.")};
    for (const ExportColumn &c : Columns)
        headings << QString::fromUtf8(c.heading);
    return headings;
}

QList<int> FleetGridModel::Widths()
{
    QList<int> widths{60};
    for (const ExportColumn &c : Columns)
        widths << c.gridWidth;
    return widths;
}

void FleetGridModel::Fill(const QString &archivePath, const ScanProgress &progress)
{
    QList<QStringList> rows;
    try {
        ReadFleetExportRows(archivePath, rows, progress);
    } catch (const IoError &) {
        if (!rows.isEmpty()) {
            beginResetModel();
            m_rows = std::move(rows);
            m_blank = false;
            endResetModel();
        }
        throw;
    }
    beginResetModel();
    m_blank = rows.isEmpty();
    m_rows = m_blank ? blankRows() : std::move(rows);
    endResetModel();
}

int FleetGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FleetGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 26;
}

QString FleetGridModel::Text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column > 25)
        return {};
    if (column == 0)
        return m_blank ? QString() : QString::number(row + 1);
    return m_rows.at(row).value(column - 1);
}

QVariant FleetGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return Text(index.row(), index.column());
}

bool FleetGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !editable(index.column()))
        return false;
    m_rows[index.row()][index.column() - 1] = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant FleetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return Headings().value(section);
    return {};
}

Qt::ItemFlags FleetGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

void FleetGridModel::WriteCell(int row, int column, SpreadsheetCell &cell) const
{
    // The file's columns are the grid's columns 1 onwards.
    cell.text(Text(row, column + 1));
}
