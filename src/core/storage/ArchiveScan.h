#pragma once
// The one walk over an archive: every list, search, export and count goes
// through it. The archive is read in blocks of hundreds of records, and each
// whole record is handed to the caller as raw bytes, record by record from
// index 0; the caller decodes only the fields it needs (FieldText,
// TrimmedFieldBytes, FieldIsBlank). The archive is opened for reading only
// (created when missing, where the folder allows) and closed within the
// call; failures are raised as IoError.
#include "core/storage/AnsiField.h"
#include "core/storage/IoError.h"
#include "core/storage/ListRules.h"
#include "core/storage/RecordLayout.h"

#include <QByteArrayView>
#include <QString>
#include <cstring>
#include <functional>

// Called for each record; returning false ends the walk early.
using RecordVisitor = std::function<bool(int index, const char *record)>;
// Called after each block: records handed over so far, records in the archive.
using ScanProgress = std::function<void(int done, int total)>;

// Returns the number of records handed to visit.
int ScanArchive(const QString &path, int recordSize, const RecordVisitor &visit, const ScanProgress &progress = {});

// The text of one field of raw record bytes, trimmed.
template <class Record>
QString FieldText(const char *record, const FieldSpec<Record> &field)
{
    return LoadAnsiField(record + field.offset, field.capacity);
}

// The stored bytes of a field of raw record bytes, trimmed; decodes nothing.
inline QByteArrayView TrimmedFieldBytes(const char *record, int offset, int capacity)
{
    return TrimmedAnsiField(record + offset, capacity);
}
template <class Record>
QByteArrayView TrimmedFieldBytes(const char *record, const FieldSpec<Record> &field)
{
    return TrimmedFieldBytes(record, field.offset, field.capacity);
}

// True when the field holds nothing but characters that trimming removes;
// decodes nothing.
inline bool FieldIsBlank(const char *record, int offset, int capacity)
{
    return TrimmedFieldBytes(record, offset, capacity).isEmpty();
}
template <class Record>
bool FieldIsBlank(const char *record, const FieldSpec<Record> &field)
{
    return FieldIsBlank(record, field.offset, field.capacity);
}

// The field of a layout with the given name (a compile-time lookup when the
// name is a literal); a name the layout lacks does not compile in constant
// evaluation.
template <class Record, std::size_t N>
constexpr const FieldSpec<Record> &FieldNamed(const std::array<FieldSpec<Record>, N> &fields, const char *name)
{
    for (const auto &f : fields) {
        const char *a = f.name;
        const char *b = name;
        while (*a && *a == *b) {
            ++a;
            ++b;
        }
        if (*a == *b)
            return f;
    }
    throw "no such field";
}

// The lines of a list over the archive (created when missing), in one walk:
// lineOf(record) gives a record's line, or a null text to leave it out of the
// list; the lines are sorted once. A failure part-way keeps the lines read
// until then and is flagged.
template <class LineOf>
ListLines CollectListLines(const QString &archivePath, int recordSize, const ScanProgress &progress, LineOf lineOf)
{
    ListLines result;
    try {
        ScanArchive(archivePath, recordSize, [&](int index, const char *record) {
            QString line = lineOf(record);
            if (!line.isNull())
                result.lines.append({std::move(line), index + 1});
            return true;
        }, progress);
    } catch (const IoError &) {
        result.failed = true;
    }
    SortListLines(result.lines);
    return result;
}
