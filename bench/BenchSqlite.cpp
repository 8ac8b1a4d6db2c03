#include "BenchSqlite.h"

#include "core/storage/ArchiveScan.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

void SqliteFailed(sqlite3 *db, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "");
    std::exit(1);
}

namespace {
void exec(sqlite3 *db, const QByteArray &sql)
{
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        SqliteFailed(db, sql.constData());
}
} // namespace

void CopyIntoSqlite(const QString &archive, int recordSize, const QList<SqliteColumn> &columns, const char *table,
                    const QString &database)
{
    QFile::remove(database);
    sqlite3 *db = nullptr;
    if (sqlite3_open(database.toUtf8().constData(), &db) != SQLITE_OK)
        SqliteFailed(db, "open");
    QByteArray create = QByteArray("CREATE TABLE ") + table + " (";
    QByteArray insert = QByteArray("INSERT INTO ") + table + " VALUES (";
    for (qsizetype i = 0; i < columns.size(); ++i) {
        create += QByteArray(i ? ", " : "") + columns[i].name + " TEXT";
        insert += i ? ", ?" : "?";
    }
    exec(db, create + ')');
    exec(db, "BEGIN");
    sqlite3_stmt *row = nullptr;
    if (sqlite3_prepare_v2(db, (insert + ')').constData(), -1, &row, nullptr) != SQLITE_OK)
        SqliteFailed(db, "prepare insert");
    ScanArchive(archive, recordSize, [&](int, const char *record) {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QByteArray text = LoadAnsiField(record + columns[i].offset, columns[i].capacity).toUtf8();
            sqlite3_bind_text(row, int(i) + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(row) != SQLITE_DONE)
            SqliteFailed(db, "insert");
        sqlite3_reset(row);
        return true;
    });
    sqlite3_finalize(row);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

sqlite3 *OpenSqlite(const QString &database)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        SqliteFailed(db, "open");
    return db;
}

int SqliteRows(const QString &database, const QByteArray &sql, const QByteArray &like)
{
    sqlite3 *db = OpenSqlite(database);
    sqlite3_stmt *query = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &query, nullptr) != SQLITE_OK)
        SqliteFailed(db, sql.constData());
    if (!like.isEmpty())
        sqlite3_bind_text(query, 1, like.constData(), int(like.size()), SQLITE_TRANSIENT);
    QList<QString> texts;
    int rows = 0;
    while (sqlite3_step(query) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(query); ++c) {
            const char *text = reinterpret_cast<const char *>(sqlite3_column_text(query, c));
            texts.append(QString::fromUtf8(text, sqlite3_column_bytes(query, c)));
        }
        ++rows;
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return rows;
}
