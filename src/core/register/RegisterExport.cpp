#include "core/register/RegisterExport.h"

#include "core/register/VisitRecord.h"
#include "core/storage/ArchiveScan.h"

QList<SpreadsheetColumn> RegisterExportColumns()
{
    return {{"Data ingresso", 180},
            {"Ora ingresso", 180},
            {"Operatore entrata", 250},
            {"Marca e modello veicoli", 250},
            {"Targa", 200},
            {"Conducente", 250},
            {"Altre persone a bordo", 300},
            {"Merce trasportata", 300},
            {"Foglio di marcia", 250},
            {"Tessere", 250},
            {"Luogo destinazione", 250},
            {"Telefono", 180},
            {"Note", 300},
            {"Data uscita", 180},
            {"Ora uscita", 180},
            {"Operatore uscita", 250}};
}

QList<QStringList> RegisterExportRows(const QString &archivePath)
{
    QList<QStringList> rows;
    ScanArchive(archivePath, VisitRecord::Size, [&rows](int, const char *record) {
        QStringList row;
        row.reserve(int(VisitFields.size()));
        for (const auto &field : VisitFields)
            row << FieldText(record, field);
        rows << row;
        return true;
    });
    if (rows.isEmpty())
        rows = QList<QStringList>(CardGridModel::BlankRows, QStringList(int(VisitFields.size()), QString()));
    return rows;
}

std::unique_ptr<CardGridModel> MakeRegisterGrid(QObject *parent)
{
    // Heading and whether the operator may correct the column in the grid.
    const QList<CardGridModel::Column> columns = {
        {"N.", false},
        {"Data ingresso", false},
        {"Ora ingresso", true},
        {"Operatore entrata", false},
        {"Marca e modello veicolo", false},
        {"Targa", true},
        {"Conducente", false},
        {"Altre persone a bordo", false},
        {"Merce trasportata", false},
        {"Foglio di marcia", true},
        {"Tessere", true},
        {"Luogo destinazione", true},
        {"Telefono", false},
        {"Note", true},
        {"Data uscita", true},
        {"Ora uscita", false},
        {"Operatore uscita", false},
    };
    QList<CardGridModel::Field> fields;
    for (const auto &field : VisitFields)
        fields << CardGridModel::Field{field.offset, field.capacity};
    return std::make_unique<CardGridModel>(columns, fields, VisitRecord::Size, parent);
}

QList<int> RegisterGridWidths()
{
    return {60, 120, 120, 250, 250, 150, 250, 300, 250, 200, 250, 250, 200, 300, 120, 120, 250};
}
