#include "BenchSqlite.h"

#include "varcanto_core.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

void SqliteFailed(sqlite3 *db, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "");
    std::exit(1);
}

namespace {
void exec(sqlite3 *db, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        SqliteFailed(db, sql);
}
} // namespace

void CopyYearIntoSqlite(const QString &archive, const QString &database)
{
    QFile::remove(database);
    sqlite3 *db = nullptr;
    if (sqlite3_open(database.toUtf8().constData(), &db) != SQLITE_OK)
        SqliteFailed(db, "open");
    QString create = QStringLiteral("CREATE TABLE visite (");
    QString insert = QStringLiteral("INSERT INTO visite VALUES (");
    for (std::size_t i = 0; i < VisitFields.size(); ++i) {
        create += QString::fromLatin1(VisitFields[i].name) + QStringLiteral(" TEXT");
        insert += QLatin1Char('?');
        if (i + 1 < VisitFields.size()) {
            create += QLatin1Char(',');
            insert += QLatin1Char(',');
        }
    }
    exec(db, (create + QLatin1Char(')')).toUtf8().constData());
    exec(db, "BEGIN");
    sqlite3_stmt *row = nullptr;
    if (sqlite3_prepare_v2(db, (insert + QLatin1Char(')')).toUtf8().constData(), -1, &row, nullptr) != SQLITE_OK)
        SqliteFailed(db, "prepare insert");
    ScanArchive(archive, VisitRecord::Size, [&](int, const char *record) {
        for (std::size_t i = 0; i < VisitFields.size(); ++i) {
            const QByteArray text = FieldText(record, VisitFields[i]).toUtf8();
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
