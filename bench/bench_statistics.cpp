// Times the monthly transit counts of a 200,000-card year against SQLite
// counting the same rows with GROUP BY substr(DataEnt, 4, 2), in the same run.
// The rows are copied into an SQLite table with all sixteen fields, so both
// sides read every card of the year.
//
//   bench_statistics [folder]        (default: a folder under /tmp)
//   bench_statistics folder --cold   drops the page cache before each timing
//                                    (root only)
#include "varcanto_core.h"

#include "BenchSqlite.h"
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {
// The same counts by SQLite, on a fresh connection (as the program opens its
// archive afresh for every count).
std::array<int, 12> countWithSqlite(const QString &database, const QString &year)
{
    sqlite3 *db = OpenSqlite(database);
    sqlite3_stmt *query = nullptr;
    const char *sql = "SELECT substr(DataEnt, 4, 2), count(*) FROM visite WHERE substr(DataEnt, 7, 4) = ?1 "
                      "GROUP BY substr(DataEnt, 4, 2)";
    if (sqlite3_prepare_v2(db, sql, -1, &query, nullptr) != SQLITE_OK)
        SqliteFailed(db, "prepare query");
    const QByteArray wanted = year.toUtf8();
    sqlite3_bind_text(query, 1, wanted.constData(), int(wanted.size()), SQLITE_TRANSIENT);
    std::array<int, 12> counts{};
    while (sqlite3_step(query) == SQLITE_ROW) {
        const int month = sqlite3_column_int(query, 0);
        if (month >= 1 && month <= 12)
            counts[month - 1] = sqlite3_column_int(query, 1);
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return counts;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/varcanto-bench";
    SetColdCache(argc > 2 && QByteArray(argv[2]) == "--cold");
    QDir().mkpath(folder);
    const QString year = folder + "/2021.vis";
    const QString database = folder + "/2021.sqlite";
    WriteYearArchive(year, 200000);
    CopyYearIntoSqlite(year, database);
    std::printf("archive: %s (%lld bytes)\nsqlite: %s (%lld bytes)\n", qPrintable(year), QFile(year).size(),
                qPrintable(database), QFile(database).size());

    // Best of three runs each.
    double ours = 1e9, sqlite = 1e9;
    std::array<int, 12> a{}, b{};
    for (int run = 0; run < 3; ++run) {
        DropPageCache();
        QElapsedTimer t;
        t.start();
        a = CountMonthlyTransits(year, QStringLiteral("2021"));
        ours = std::min(ours, Seconds(t));

        DropPageCache();
        t.restart();
        b = countWithSqlite(database, QStringLiteral("2021"));
        sqlite = std::min(sqlite, Seconds(t));
    }
    if (a != b) {
        std::fprintf(stderr, "the two counts differ\n");
        return 1;
    }
    std::printf("monthly counts (CountMonthlyTransits): %.3f s\nSQLite GROUP BY substr(DataEnt, 4, 2): %.3f s\n"
                "ratio: %.2f  goal <= 1x SQLite  %s\n",
                ours, sqlite, ours / sqlite, ours <= sqlite ? "met" : "MISSED");
    return 0;
}
