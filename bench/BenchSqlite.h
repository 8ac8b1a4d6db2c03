#pragma once
// The same cards in SQLite, for the benchmarks' comparisons: one table
// "visite" with a text column per field of the card, no index, in a file
// database.
#include <QString>
#include <sqlite3.h>

// Copies every card of the archive into a fresh database file.
void CopyYearIntoSqlite(const QString &archive, const QString &database);
// Opens the database read-only; stops the benchmark on failure.
sqlite3 *OpenSqlite(const QString &database);
// Stops the benchmark with SQLite's message.
[[noreturn]] void SqliteFailed(sqlite3 *db, const char *what);
