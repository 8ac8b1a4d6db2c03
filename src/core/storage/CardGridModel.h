#pragma once
// The grid of an export window, for both archives: one row per card of an
// archive in archive order, column 0 the card number and then one column per
// chosen field of the card, trimmed, or per group of fields joined with
// literal texts (the fleet's "Marca e modello" and "Acquisto"). Rows are kept as the archive's own Windows-1252 bytes (a few dozen
// bytes per card instead of an object per cell), so a year of 200,000 cards
// takes less memory than its archive; texts typed into editable columns are
// kept beside them. The grid never writes to the archive.
//
// It is also the data rows of the spreadsheet file: columns 1 onwards, as the
// grid shows them at that moment.
#include "core/storage/ArchiveScan.h"
#include "core/storage/SpreadsheetExport.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>

class CardGridModel : public QAbstractTableModel, public SpreadsheetRows
{
public:
    struct Column {
        QString heading;
        bool editable = false;
    };
    // A piece of a field column's text: a literal text (ASCII), then the
    // trimmed text of the stored field at offset with its capacity.
    struct Piece {
        const char *before;
        int offset;
        int capacity;
    };
    // Where a field column's text comes from: one stored field, or pieces
    // joined in order (at most 255 characters in all).
    struct Field {
        Field(int offset, int capacity)
            : pieces{{"", offset, capacity}}
        {
        }
        Field(std::initializer_list<Piece> joined)
            : pieces(joined)
        {
        }
        QList<Piece> pieces;
    };

    // columns: the headings of column 0 (the card number) and of each field
    // column; fields: where each field column's text lies in a record.
    CardGridModel(const QList<Column> &columns, const QList<Field> &fields, int recordSize,
                  QObject *parent = nullptr);

    // Empty rows shown while the grid holds no card.
    static constexpr int BlankRows = 10;

    // Fills the grid from the archive (created when missing). An archive
    // without cards leaves BlankRows empty rows. On a failure the rows read
    // until then stay (the blank rows when none) and IoError is raised.
    void Fill(const QString &archivePath, const ScanProgress &progress = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The text of a cell as shown (column 0 the card number, empty on a blank row).
    QString Text(int row, int column) const;
    // The cards read into the grid (0 while it shows its empty rows).
    int CardCount() const { return m_blank ? 0 : int(m_rowStart.size()); }

    // SpreadsheetRows: the field columns (grid columns 1 onwards).
    int RowCount() const override { return rowCount(); }
    void WriteCell(int row, int column, SpreadsheetCell &cell) const override;

    // Bytes held for the rows (for the memory figure of the benchmark).
    qint64 HeldBytes() const;

private:
    // The bytes of field column c (1-based) of a row.
    QByteArrayView FieldBytes(int row, int column) const;

    QList<Column> m_columns;
    QList<Field> m_fields;
    int m_recordSize;
    // Per card, one after the other in one buffer: for each field column one
    // length byte then its bytes; m_rowStart gives where each card begins.
    QByteArray m_bytes;
    QList<qint64> m_rowStart;
    mutable int m_cursorRow = -1;
    mutable int m_cursorColumn = 0;
    mutable qint64 m_cursorAt = 0;
    bool m_blank = true;
    QHash<qint64, QString> m_typed;
};
