#pragma once
// A record is a fixed sequence of text fields laid end to end. A layout is a
// table of the fields (name, capacity, offset, member of the record struct);
// one generic encoder and decoder serve every record kind.
#include "core/storage/AnsiField.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>

template <class Record>
struct FieldSpec {
    const char *name;   // the field's name, also the role of its edit control (txt + name)
    int capacity;       // characters the field holds
    int offset;         // byte where the field starts in the record
    QString Record::*member;
};

// True when every field starts where the previous one ends, capacities are in
// 1..255, and the last field ends exactly at the record size.
template <class Record, std::size_t N>
constexpr bool LayoutIsContiguous(const std::array<FieldSpec<Record>, N> &fields, int recordSize)
{
    int next = 0;
    for (const auto &f : fields) {
        if (f.offset != next || f.capacity < 1 || f.capacity > 255)
            return false;
        next += f.capacity + 1;
    }
    return next == recordSize;
}

template <class Record, std::size_t N>
QByteArray EncodeRecord(const Record &record, const std::array<FieldSpec<Record>, N> &fields, int recordSize)
{
    QByteArray bytes(recordSize, '\0');
    for (const auto &f : fields)
        StoreAnsiField(bytes.data() + f.offset, f.capacity, record.*(f.member));
    return bytes;
}

// Bytes shorter than a record are read as if padded with zeros (empty fields).
template <class Record, std::size_t N>
Record DecodeRecord(const QByteArray &bytes, const std::array<FieldSpec<Record>, N> &fields, int recordSize)
{
    QByteArray whole = bytes;
    if (whole.size() < recordSize)
        whole.append(QByteArray(recordSize - whole.size(), '\0'));
    Record record;
    for (const auto &f : fields)
        record.*(f.member) = LoadAnsiField(whole.constData() + f.offset, f.capacity);
    return record;
}
