#pragma once
// The fleet's spreadsheet export: the file, the worksheet, the 25 columns
// written, the rows of the archive, and the grid of the export window (the
// card number, then the same 25 columns, two of them open to corrections).
#include "core/storage/ArchiveScan.h"
#include "core/storage/SpreadsheetExport.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

inline const QString FleetExportFileName = QStringLiteral("Flotta_Automezzi.xls");
inline const QString FleetExportSheetName = QStringLiteral("Flotta Automezzi");

// The 25 columns written (the card number is not).
QList<SpreadsheetColumn> FleetExportColumns();
// The grid's columns 1-25 of every vehicle of the archive (created when
// missing), in archive order; 10 empty rows for an empty fleet. IoError on
// failure.
QList<QStringList> FleetExportRows(const QString &archivePath);
// The same, appending to rows as the archive is read, so the rows read
// before a failure (IoError) are kept.
void ReadFleetExportRows(const QString &archivePath, QList<QStringList> &rows, const ScanProgress &progress = {});

// The grid of the export window: "N." then the 25 columns. Codice fiscale
// and Tel. preferenziale accept corrections, which go into the spreadsheet
// file but never into the archive. It is also the rows of the file.
class FleetGridModel : public QAbstractTableModel, public SpreadsheetRows
{
public:
    explicit FleetGridModel(QObject *parent = nullptr);

    static constexpr int BlankRows = 10;
    // The grid's headings and widths on screen, column 0 included.
    static QStringList Headings();
    static QList<int> Widths();

    // Fills the grid from the archive. An empty fleet leaves 10 empty rows;
    // on a failure the rows read until then stay and IoError is raised.
    void Fill(const QString &archivePath, const ScanProgress &progress = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QString Text(int row, int column) const;

    int RowCount() const override { return rowCount(); }
    void WriteCell(int row, int column, SpreadsheetCell &cell) const override;

    // Bytes held for the rows (the archive's own code page, a few hundred
    // bytes per vehicle).
    qint64 HeldBytes() const;

private:
    QList<QByteArray> m_rows;
    bool m_blank = true;
    // Corrections typed into the grid, by row * 26 + column.
    QHash<qint64, QString> m_typed;
};
