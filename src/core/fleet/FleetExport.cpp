#include "core/fleet/FleetExport.h"

#include "core/fleet/VehicleRecord.h"

namespace {
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

// A piece of a column: the literal text, then the stored field.
constexpr CardGridModel::Piece piece(const char *before, const FieldSpec<VehicleRecord> &field)
{
    return {before, field.offset, field.capacity};
}

// Grid columns 1-25: heading on screen, width on screen, width written,
// whether the operator may correct it in the grid, and its text: one field,
// or two joined after their literal texts.
struct ExportColumn {
    const char *heading; // UTF-8
    int gridWidth;
    int fileWidth;
    bool editable;
    CardGridModel::Piece first;
    CardGridModel::Piece second = {nullptr, 0, 0};
};
constexpr ExportColumn Columns[25] = {
    {"Tipo veicolo", 250, 250, false, piece("", Veicolo)},
    {"Marca e modello", 250, 250, false, piece("", Marca), piece(" ", Modello)},
    {"Colore", 250, 250, false, piece("", Colore)},
    {"Alimentazione", 250, 250, false, piece("", Alimentazione)},
    {"Targa", 250, 250, false, piece("", Targa)},
    {"Impianti e accessori", 300, 300, false, piece("", Impianti)},
    {"Telaio", 250, 250, false, piece("", Telaio)},
    {"Data immatricolazione", 200, 200, false, piece("", Immatricolazione)},
    {"Cilindrata", 200, 200, false, piece("", Cilindrata)},
    {"Cavalli fiscali / kW", 250, 250, false, piece("", Cavalli)},
    {"Acquisto", 250, 250, false, piece("Data: ", DataAcq), piece("  Prezzo: ", PrezzoAcq)},
    {"Apparato Telepass", 250, 250, false, piece("", Telepass)},
    {"Numero posti", 150, 150, false, piece("", Posti)},
    {"Tessera Viacard", 250, 250, false, piece("", Viacard)},
    {"Destinazione ed uso", 250, 250, false, piece("", Uso)},
    {"Pneumatici", 250, 250, false, piece("", Pneumatici)},
    {"Compatibilità ambientale", 200, 200, false, piece("", Ambientale)},
    {"Libretto circolazione e Certificato proprietà", 250, 300, false, piece("", Officina)},
    {"Compagnia assicurazione", 250, 250, false, piece("", Compagnia)},
    {"Incidenti subiti", 300, 300, false, piece("", Incidenti)},
    {"Stato veicolo", 250, 250, false, piece("", Stato)},
    {"Proprietario o conducente", 250, 250, false, piece("", Conducente)},
    {"Codice fiscale", 200, 200, true, piece("", CodFisc)},
    {"Tel. preferenziale", 250, 250, true, piece("", Recapito)},
    {"Note", 350, 350, false, piece("", Note)},
};

QList<CardGridModel::Column> gridColumns()
{
    QList<CardGridModel::Column> columns{{QStringLiteral("N."), false}};
    for (const ExportColumn &c : Columns)
        columns.append({QString::fromUtf8(c.heading), c.editable});
    return columns;
}

QList<CardGridModel::Field> gridFields()
{
    QList<CardGridModel::Field> fields;
    for (const ExportColumn &c : Columns) {
        if (c.second.before)
            fields.append(CardGridModel::Field{c.first, c.second});
        else
            fields.append(CardGridModel::Field(c.first.offset, c.first.capacity));
    }
    return fields;
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
    FleetGridModel grid;
    const auto take = [&] {
        for (int r = 0; r < grid.CardCount(); ++r) {
            QStringList texts;
            texts.reserve(25);
            for (int c = 1; c <= 25; ++c)
                texts << grid.Text(r, c);
            rows.append(texts);
        }
    };
    try {
        grid.Fill(archivePath, progress);
    } catch (...) {
        take();
        throw;
    }
    take();
}

QList<QStringList> FleetExportRows(const QString &archivePath)
{
    QList<QStringList> rows;
    ReadFleetExportRows(archivePath, rows);
    return rows.isEmpty() ? QList<QStringList>(FleetGridModel::BlankRows, QStringList(25, QString())) : rows;
}

FleetGridModel::FleetGridModel(QObject *parent)
    : CardGridModel(gridColumns(), gridFields(), VehicleRecord::Size, parent)
{
}

QStringList FleetGridModel::Headings()
{
    QStringList headings;
    for (const CardGridModel::Column &c : gridColumns())
        headings << c.heading;
    return headings;
}

QList<int> FleetGridModel::Widths()
{
    QList<int> widths{60};
    for (const ExportColumn &c : Columns)
        widths << c.gridWidth;
    return widths;
}
