#include "core/storage/CardGridModel.h"

#include "core/storage/AnsiField.h"
#include "core/storage/Cp1252.h"
#include "core/storage/IoError.h"

#include <algorithm>
#include <cstring>

namespace {
// The most bytes a field column's text can take.
qsizetype longestText(const CardGridModel::Field &field)
{
    qsizetype longest = 0;
    for (const CardGridModel::Piece &piece : field.pieces)
        longest += qsizetype(std::strlen(piece.before)) + piece.capacity;
    return longest;
}
} // namespace

CardGridModel::CardGridModel(const QList<Column> &columns, const QList<Field> &fields, int recordSize,
                             QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_fields(fields)
    , m_recordSize(recordSize)
{
    for (const Field &f : m_fields)
        Q_ASSERT_X(longestText(f) <= 255, "CardGridModel", "a field column holds at most 255 characters");
}

void CardGridModel::Fill(const QString &archivePath, const ScanProgress &progress)
{
    beginResetModel();
    m_bytes.clear();
    m_rowStart.clear();
    m_cursorRow = -1;
    m_typed.clear();
    qsizetype longestRow = 0;
    for (const Field &f : m_fields)
        longestRow += 1 + longestText(f);
    qsizetype used = 0;
    auto visit = [&](int, const char *record) {
        if (used + longestRow > m_bytes.size())
            m_bytes.resize(std::max<qsizetype>(m_bytes.size() * 2, used + longestRow + (1 << 20)));
        m_rowStart.append(used);
        char *out = m_bytes.data() + used;
        for (const Field &f : m_fields) {
            char *length = out++;
            for (const Piece &piece : f.pieces) {
                const std::size_t before = std::strlen(piece.before);
                std::memcpy(out, piece.before, before);
                out += before;
                const QByteArrayView text = TrimmedAnsiField(record + piece.offset, piece.capacity);
                std::memcpy(out, text.data(), std::size_t(text.size()));
                out += text.size();
            }
            if (out - length - 1 > 255)
                out = length + 1 + 255;
            *length = char(out - length - 1);
        }
        used = out - m_bytes.constData();
        return true;
    };
    try {
        ScanArchive(archivePath, m_recordSize, visit, progress);
    } catch (...) {
        m_bytes.resize(used);
        m_blank = m_rowStart.isEmpty();
        endResetModel();
        throw;
    }
    m_bytes.resize(used);
    m_bytes.squeeze();
    m_blank = m_rowStart.isEmpty();
    endResetModel();
}

int CardGridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_blank ? BlankRows : int(m_rowStart.size());
}

int CardGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QByteArrayView CardGridModel::FieldBytes(int row, int column) const
{
    if (m_blank)
        return {};
    const char *bytes = m_bytes.constData();
    // Cells are mostly asked for one after the other along a row: go on from
    // the previous one instead of walking the row from its start.
    qint64 at;
    int c;
    if (row == m_cursorRow && column > m_cursorColumn) {
        at = m_cursorAt;
        c = m_cursorColumn;
    } else {
        at = m_rowStart.at(row);
        c = 1;
    }
    for (; c < column; ++c)
        at += 1 + static_cast<unsigned char>(bytes[at]);
    m_cursorRow = row;
    m_cursorColumn = column;
    m_cursorAt = at;
    return QByteArrayView(bytes + at + 1, static_cast<unsigned char>(bytes[at]));
}

QString CardGridModel::Text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    const auto typed = m_typed.constFind(qint64(row) * m_columns.size() + column);
    if (typed != m_typed.constEnd())
        return *typed;
    if (column == 0)
        return m_blank ? QString() : QString::number(row + 1);
    const QByteArrayView bytes = FieldBytes(row, column);
    return FromCp1252(bytes.data(), bytes.size());
}

QVariant CardGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return Text(index.row(), index.column());
}

bool CardGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_typed.insert(qint64(index.row()) * m_columns.size() + index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant CardGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns.at(section).heading : QString();
    return {};
}

Qt::ItemFlags CardGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns.at(index.column()).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

void CardGridModel::WriteCell(int row, int column, SpreadsheetCell &cell) const
{
    const int gridColumn = column + 1;
    if (gridColumn >= m_columns.size())
        return;
    const auto typed = m_typed.constFind(qint64(row) * m_columns.size() + gridColumn);
    if (typed != m_typed.constEnd()) {
        cell.text(*typed);
        return;
    }
    const QByteArrayView bytes = FieldBytes(row, gridColumn);
    cell.cp1252(bytes.data(), bytes.size());
}

qint64 CardGridModel::HeldBytes() const
{
    qint64 total = m_bytes.capacity() + m_rowStart.capacity() * qint64(sizeof(qint64));
    for (const QString &text : m_typed)
        total += text.capacity() * 2 + 64;
    return total;
}
