#include "storage/CardGridModel.h"

#include "storage/Cp1252.h"
#include "storage/IoError.h"

#include <algorithm>

CardGridModel::CardGridModel(const QList<Column> &columns, const QList<Field> &fields, int recordSize,
                             QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_fields(fields)
    , m_recordSize(recordSize)
{
}

void CardGridModel::Fill(const QString &archivePath, const ScanProgress &progress)
{
    beginResetModel();
    m_rows.clear();
    m_typed.clear();
    m_blank = true;
    auto visit = [this](int, const char *record) {
        QByteArray row;
        row.reserve(64);
        for (const Field &f : m_fields) {
            const int length = std::min<int>(static_cast<unsigned char>(record[f.offset]), f.capacity);
            const char *text = record + f.offset + 1;
            int first = 0;
            int last = length;
            while (first < last && static_cast<unsigned char>(text[first]) <= 0x20)
                ++first;
            while (last > first && static_cast<unsigned char>(text[last - 1]) <= 0x20)
                --last;
            row.append(char(last - first));
            row.append(text + first, last - first);
        }
        m_rows.append(row);
        return true;
    };
    try {
        ScanArchive(archivePath, m_recordSize, visit, progress);
    } catch (...) {
        m_blank = m_rows.isEmpty();
        endResetModel();
        throw;
    }
    m_blank = m_rows.isEmpty();
    endResetModel();
}

int CardGridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_blank ? BlankRows : int(m_rows.size());
}

int CardGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QByteArrayView CardGridModel::FieldBytes(int row, int column) const
{
    if (m_blank)
        return {};
    const QByteArray &bytes = m_rows.at(row);
    qsizetype at = 0;
    for (int c = 1; c < column; ++c)
        at += 1 + static_cast<unsigned char>(bytes.at(at));
    return QByteArrayView(bytes.constData() + at + 1, static_cast<unsigned char>(bytes.at(at)));
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
    qint64 total = 0;
    for (const QByteArray &row : m_rows)
        total += row.capacity() + qint64(sizeof(QByteArray)) + 16; // text, handle, allocation header
    for (const QString &text : m_typed)
        total += text.capacity() * 2 + 64;
    return total;
}
