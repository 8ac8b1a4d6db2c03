#include "core/fleet/FleetExport.h"

#include "core/fleet/VehicleRecord.h"
#include "core/storage/IoError.h"
#include "core/storage/Cp1252.h"
#include "core/storage/TextRules.h"

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

// A row: 26 two-byte offsets (where each of the 25 cells starts, then the
// end), then the cells' bytes one after another, so any cell is found at once.
constexpr int RowHeader = 26 * 2;

void setOffset(QByteArray &row, int index, qsizetype at)
{
    row[2 * index] = char(at & 0xFF);
    row[2 * index + 1] = char((at >> 8) & 0xFF);
}

int offsetOf(const QByteArray &row, int index)
{
    return static_cast<unsigned char>(row.at(2 * index)) | (static_cast<unsigned char>(row.at(2 * index + 1)) << 8);
}

// The 25 cells of a vehicle, in the archive's own code page: a few hundred
// bytes per vehicle instead of 25 text objects.
QByteArray rowBytes(const char *record)
{
    QByteArray row(RowHeader, '\0');
    row.reserve(RowHeader + 400);
    int cell = 0;
    const auto add = [&](std::initializer_list<QByteArrayView> pieces) {
        setOffset(row, cell++, row.size());
        for (QByteArrayView piece : pieces)
            row.append(piece.data(), piece.size());
    };
    const auto one = [&](const FieldSpec<VehicleRecord> &field) { add({TrimmedFieldBytes(record, field)}); };
    one(Veicolo);
    add({TrimmedFieldBytes(record, Marca), " ", TrimmedFieldBytes(record, Modello)});
    one(Colore);
    one(Alimentazione);
    one(Targa);
    one(Impianti);
    one(Telaio);
    one(Immatricolazione);
    one(Cilindrata);
    one(Cavalli);
    add({"Data: ", TrimmedFieldBytes(record, DataAcq), "  Prezzo: ", TrimmedFieldBytes(record, PrezzoAcq)});
    one(Telepass);
    one(Posti);
    one(Viacard);
    one(Uso);
    one(Pneumatici);
    one(Ambientale);
    one(Officina);
    one(Compagnia);
    one(Incidenti);
    one(Stato);
    one(Conducente);
    one(CodFisc);
    one(Recapito);
    one(Note);
    setOffset(row, cell, row.size());
    return row;
}

// The bytes of cell column (0-24) of a row.
QByteArrayView cellOf(const QByteArray &row, int column)
{
    if (row.size() < RowHeader || column < 0 || column >= 25)
        return {};
    const int begin = offsetOf(row, column);
    return QByteArrayView(row.constData() + begin, offsetOf(row, column + 1) - begin);
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
        const QByteArray row = rowBytes(record);
        QStringList texts;
        texts.reserve(25);
        for (int c = 0; c < 25; ++c) {
            const QByteArrayView bytes = cellOf(row, c);
            texts << FromCp1252(bytes.data(), bytes.size());
        }
        rows.append(texts);
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
    : QAbstractTableModel(parent), m_rows(BlankRows)
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
    QList<QByteArray> rows;
    const auto take = [&] {
        beginResetModel();
        m_typed.clear();
        m_blank = rows.isEmpty();
        m_rows = m_blank ? QList<QByteArray>(BlankRows) : std::move(rows);
        endResetModel();
    };
    try {
        ScanArchive(archivePath, VehicleRecord::Size, [&rows](int, const char *record) {
            rows.append(rowBytes(record));
            return true;
        }, progress);
    } catch (const IoError &) {
        if (!rows.isEmpty())
            take();
        throw;
    }
    take();
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
    // A correction typed into one of the empty rows is shown too.
    const auto typed = m_typed.constFind(qint64(row) * 26 + column);
    if (typed != m_typed.constEnd())
        return *typed;
    if (m_blank)
        return {};
    if (column == 0)
        return QString::number(row + 1);
    const QByteArrayView bytes = cellOf(m_rows.at(row), column - 1);
    return FromCp1252(bytes.data(), bytes.size());
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
    m_typed.insert(qint64(index.row()) * 26 + index.column(), value.toString());
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

// The file's columns are the grid's columns 1 onwards; stored texts go out
// as the archive's own bytes, corrections as typed.
void FleetGridModel::WriteCell(int row, int column, SpreadsheetCell &cell) const
{
    const int gridColumn = column + 1;
    const auto typed = m_typed.constFind(qint64(row) * 26 + gridColumn);
    if (typed != m_typed.constEnd()) {
        cell.text(*typed);
        return;
    }
    if (m_blank || row < 0 || row >= m_rows.size())
        return;
    const QByteArrayView bytes = cellOf(m_rows.at(row), column);
    cell.cp1252(bytes.data(), bytes.size());
}

qint64 FleetGridModel::HeldBytes() const
{
    qint64 bytes = 0;
    for (const QByteArray &row : m_rows)
        bytes += row.size();
    return bytes;
}
