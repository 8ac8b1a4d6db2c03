// Times the register's lists, search and export on a 200,000-card year, each
// beside its comparison measured in the same run on the same rows: SQLite (a
// file database, no index, one text column per field) for the list and the
// search, a raw write of the same bytes for the export.
//
//   bench_register [folder]        (default: a folder under /tmp)
//   bench_register folder --cold   drops the page cache before each timing
//                                  (root only)
#include "varcanto_core.h"
#include "ui/CardList.h"

#include "BenchSqlite.h"
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>

namespace {
// The lines of a query's first column, with the card number in its second.
QList<ListLine> linesOf(sqlite3 *db, const QByteArray &sql, const QByteArray &like = {})
{
    sqlite3_stmt *query = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &query, nullptr) != SQLITE_OK)
        SqliteFailed(db, "prepare query");
    if (!like.isEmpty())
        sqlite3_bind_text(query, 1, like.constData(), int(like.size()), SQLITE_TRANSIENT);
    QList<ListLine> lines;
    while (sqlite3_step(query) == SQLITE_ROW) {
        const char *text = reinterpret_cast<const char *>(sqlite3_column_text(query, 0));
        lines.append({QString::fromUtf8(text, sqlite3_column_bytes(query, 0)), sqlite3_column_int(query, 1)});
    }
    sqlite3_finalize(query);
    return lines;
}

// Best of three runs.
double best(const std::function<void()> &run)
{
    double fastest = 1e9;
    for (int i = 0; i < 3; ++i) {
        DropPageCache();
        QElapsedTimer t;
        t.start();
        run();
        fastest = std::min(fastest, Seconds(t));
    }
    return fastest;
}

// A figure beside its comparison; the goal is a ratio not to exceed.
void report(const char *what, double ours, const char *other, double theirs, double goal)
{
    const double ratio = ours / theirs;
    std::printf("%-44s %.3f s   %-40s %.3f s   ratio %.2f  goal <= %.1fx  %s\n", what, ours, other, theirs, ratio,
                goal, ratio <= goal ? "met" : "MISSED");
}

const char *NotLeftLine =
    "printf('%-30.30s  Targa: %-12.12s  Entrata: %-10.10s  Ora: %-5.5s  Conducente: %-30.30s  Tel. %s', "
    "Veicolo, Targa, DataEnt, OraEnt, Conduttore, TelCel)";
const char *SearchLine =
    "printf('%-28.28s  Targa: %-12.12s  Entrata: %-10.10s  Ora: %-5.5s  Uscita: %-10.10s  Ora: %-5.5s  "
    "Conducente: %s', Veicolo, Targa, DataEnt, OraEnt, DataUsc, OraUsc, Conduttore)";
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
    const qint64 archiveBytes = QFile(year).size();
    std::printf("archive: %s (%lld bytes)\n", qPrintable(year), archiveBytes);

    // Vehicles still inside: scan, lines, sort, the list's model filled.
    int ourCount = 0, theirCount = 0;
    const double list = best([&] {
        CardListModel model;
        model.SetLines(CollectRegisterList(year, RegisterList::NotLeft, QStringLiteral("10/12/2026")).lines);
        ourCount = model.rowCount();
    });
    const double listSql = best([&] {
        sqlite3 *db = OpenSqlite(database);
        const QByteArray sql = QByteArray("SELECT ") + NotLeftLine + " AS line, rowid FROM visite WHERE DataUsc = '' "
                                                                     "ORDER BY line";
        theirCount = int(linesOf(db, sql).size());
        sqlite3_close(db);
    });
    std::printf("still-inside list: %d lines (SQLite %d)\n", ourCount, theirCount);
    report("still-inside list (scan+lines+sort+model)", list, "SQLite WHERE DataUsc = '' ORDER BY line", listSql,
           1.5);

    // Search on one criterion, a part of the plate and a part of the notes.
    for (const auto &[field, index, needle] :
         {std::tuple{"Targa", 3, QStringLiteral("xk")}, std::tuple{"Note", 9, QStringLiteral("portineria")}}) {
        RegisterCriteria criteria;
        criteria.text[index] = needle;
        const double ours = best([&] { ourCount = int(SearchRegister(year, criteria).lines.size()); });
        const double theirs = best([&] {
            sqlite3 *db = OpenSqlite(database);
            const QByteArray sql = QByteArray("SELECT ") + SearchLine + " AS line, rowid FROM visite WHERE " + field
                + " LIKE ?1 ORDER BY line";
            theirCount = int(linesOf(db, sql, "%" + needle.toUtf8() + "%").size());
            sqlite3_close(db);
        });
        std::printf("search %s contains \"%s\": %d cards (SQLite %d)\n", field, qPrintable(needle), ourCount,
                    theirCount);
        report(qPrintable(QStringLiteral("search on %1 (scan+match+lines+sort)").arg(field)), ours,
               "SQLite LIKE '%x%' ORDER BY line", theirs, 1.0);
    }

    // Export: the grid filled from the archive and the file written, against
    // writing the same bytes raw.
    const QString xls = folder + "/Ingressi_e_Uscite_Veicoli.xls";
    qint64 held = 0;
    const double exportTime = best([&] {
        auto grid = MakeRegisterGrid();
        grid->Fill(year);
        WriteSpreadsheet(xls, RegisterExportSheetName, RegisterExportColumns(), *grid);
        held = grid->HeldBytes();
    });
    QFile written(xls);
    written.open(QIODevice::ReadOnly);
    const QByteArray bytes = written.readAll();
    written.close();
    const QString rawPath = folder + "/raw.xls";
    const double raw = best([&] {
        QFile out(rawPath);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (qsizetype at = 0; at < bytes.size(); at += 1 << 20)
            out.write(bytes.constData() + at, std::min<qsizetype>(1 << 20, bytes.size() - at));
        out.close();
    });
    QFile::remove(rawPath);
    std::printf("export file: %lld bytes; grid memory %lld bytes (archive %lld bytes, %.2fx)\n",
                qint64(bytes.size()), held, archiveBytes, double(held) / double(archiveBytes));
    report("export (grid filled + file written)", exportTime, "raw write of the same bytes", raw, 2.0);
    return 0;
}
