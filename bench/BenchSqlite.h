#pragma once
// The same rows in SQLite, for the benchmarks' comparisons: one table with a
// text column per field of the record, no index, in a file database.
#include "core/storage/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <sqlite3.h>

struct SqliteColumn {
    const char *name;
    int offset;
    int capacity;
};

template <class Record, std::size_t N>
QList<SqliteColumn> SqliteColumnsOf(const std::array<FieldSpec<Record>, N> &fields)
{
    QList<SqliteColumn> columns;
    for (const auto &f : fields)
        columns.append({f.name, f.offset, f.capacity});
    return columns;
}

// Copies every record of the archive into table of a fresh database file.
void CopyIntoSqlite(const QString &archive, int recordSize, const QList<SqliteColumn> &columns, const char *table,
                    const QString &database);
// Opens the database read-only; stops the benchmark on failure.
sqlite3 *OpenSqlite(const QString &database);
// Stops the benchmark with SQLite's message.
[[noreturn]] void SqliteFailed(sqlite3 *db, const char *what);

// Runs a query on a fresh connection, as the program opens its archive
// afresh for every list, and reads every row as a program built on SQLite
// would: each column's text copied out. like, when given, is bound to ?1.
// Returns the rows read.
int SqliteRows(const QString &database, const QByteArray &sql, const QByteArray &like = {});
