// Generates a year archive of 200,000 gate cards and a fleet of 10,000
// vehicles with realistic texts, then times, against a raw sequential read of
// the year archive in the same run: the still-inside test (exit date blank)
// of every card through the one archive walk, which should stay within 2x the
// raw read with a warm cache, and a full scan that decodes every field of
// every card. On the fleet (built with SQLite): the fleet search and the list
// of available vehicles, each against SQLite's query on the same rows (goal:
// at most 1.5x), and the fleet export against a raw write of as many bytes
// (goal: at least half its speed).
//
//   bench_archives [folder]          (default: a folder under /tmp)
//   bench_archives folder --cold     drops the page cache before each timing
//                                    (root only), as after a workstation restart
#include "varcanto_core.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <functional>
#ifdef VARCANTO_BENCH_SQLITE
#include <sqlite3.h>
#endif

namespace {
#ifdef VARCANTO_BENCH_SQLITE
// The same vehicles in an SQLite table, one text column per field.
void fillSqlite(sqlite3 *db, const QString &fleet)
{
    QString create = QStringLiteral("DROP TABLE IF EXISTS fleet; CREATE TABLE fleet (");
    QString insert = QStringLiteral("INSERT INTO fleet VALUES (");
    for (std::size_t i = 0; i < VehicleFields.size(); ++i) {
        create += QLatin1String(i ? ", " : "") + QLatin1String(VehicleFields[i].name) + QLatin1String(" TEXT");
        insert += QLatin1String(i ? ", ?" : "?");
    }
    sqlite3_exec(db, (create + QLatin1String(");")).toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, (insert + QLatin1String(")")).toUtf8().constData(), -1, &statement, nullptr);
    ScanArchive(fleet, VehicleRecord::Size, [&](int, const char *record) {
        for (std::size_t i = 0; i < VehicleFields.size(); ++i) {
            const QByteArray text = FieldText(record, VehicleFields[i]).toUtf8();
            sqlite3_bind_text(statement, int(i + 1), text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        sqlite3_step(statement);
        sqlite3_reset(statement);
        return true;
    });
    sqlite3_finalize(statement);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

// Prepares, runs and reads every row of a query (the columns of a list
// line), as a program built on SQLite would; returns the rows read.
int sqliteRows(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    int rows = 0;
    qint64 bytes = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            bytes += sqlite3_column_bytes(statement, c) + (sqlite3_column_text(statement, c) ? 1 : 0);
        ++rows;
    }
    sqlite3_finalize(statement);
    return bytes > 0 ? rows : -1;
}

void benchFleet(const QString &folder, const QString &fleet)
{
    const QString dbPath = folder + "/fleet.sqlite";
    QFile::remove(dbPath);
    sqlite3 *db = nullptr;
    if (sqlite3_open(dbPath.toUtf8().constData(), &db) != SQLITE_OK)
        return;
    fillSqlite(db, fleet);

    const char *lineColumns = "SELECT rowid, Marca, Modello, Targa, Conducente, Recapito, Note FROM fleet ";
    const char *order = " ORDER BY Marca || ' ' || Modello, Targa, Conducente";
    struct Case {
        const char *what;
        QString where;
        std::function<ListLines()> ours;
    };
    FleetCriteria make;
    make.text[2] = QStringLiteral("FIAT");
    FleetCriteria makeAndDriver = make;
    makeAndDriver.text[6] = QStringLiteral("rossi");
    const QList<Case> cases = {
        {"fleet search, make \"FIAT\"", "WHERE Marca LIKE '%FIAT%'", [&] { return SearchFleet(fleet, make); }},
        {"fleet search, make and driver", "WHERE Marca LIKE '%FIAT%' AND Conducente LIKE '%rossi%'",
         [&] { return SearchFleet(fleet, makeAndDriver); }},
        {"fleet search, no criterion (all)", "", [&] { return SearchFleet(fleet, {}); }},
        {"available vehicles list", QStringLiteral("WHERE Disponibile = 'Sì'"), [&] { return AvailableVehicles(fleet); }},
    };
    double rawRead = 1e9;
    for (int run = 0; run < 5; ++run) {
        DropPageCache();
        QElapsedTimer t;
        t.start();
        QFile file(fleet);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        while (file.read(buffer.data(), buffer.size()) > 0) {
        }
        rawRead = std::min(rawRead, Seconds(t));
    }
    std::printf("fleet: %s (%lld bytes, raw read %.4f s), SQLite table of the same 10,000 rows (%lld bytes)\n",
                qPrintable(fleet), QFile(fleet).size(), rawRead, QFile(dbPath).size());
    for (const Case &c : cases) {
        const QByteArray sql = QByteArray(lineColumns) + c.where.toUtf8() + order;
        double ours = 1e9, theirs = 1e9;
        int ourLines = 0, theirRows = 0;
        for (int run = 0; run < 5; ++run) {
            DropPageCache();
            QElapsedTimer t;
            t.start();
            theirRows = sqliteRows(db, sql.constData());
            theirs = std::min(theirs, Seconds(t));
            DropPageCache();
            t.restart();
            ourLines = int(c.ours().lines.size());
            ours = std::min(ours, Seconds(t));
        }
        std::printf("%-36s %.4f s  SQLite %.4f s  ratio %.2f  goal <= 1.5x  %s  (%d lines, SQLite %d rows)\n", c.what,
                    ours, theirs, ours / theirs, ours / theirs <= 1.5 ? "met" : "MISSED", ourLines, theirRows);
    }
    sqlite3_close(db);

    // The export as the export window does it: the grid filled from the
    // archive when the window opens, then the file written from the grid;
    // against a raw write of as many bytes, both flushed to the disk.
    const QString xls = folder + "/Flotta_Automezzi.xls";
    const QString rawPath = folder + "/raw.bin";
    double fillTime = 1e9, writeTime = 1e9, rawTime = 1e9;
    qint64 size = 0, held = 0;
    for (int run = 0; run < 5; ++run) {
        DropPageCache();
        QElapsedTimer t;
        t.start();
        FleetGridModel grid;
        grid.Fill(fleet);
        fillTime = std::min(fillTime, Seconds(t));
        held = grid.HeldBytes();
        t.restart();
        WriteSpreadsheet(xls, FleetExportSheetName, FleetExportColumns(), grid);
        writeTime = std::min(writeTime, Seconds(t));
        size = QFile(xls).size();

        const QByteArray block(1 << 20, 'x');
        t.restart();
        QFile raw(rawPath);
        raw.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (qint64 left = size; left > 0; left -= block.size())
            raw.write(block.constData(), std::min<qint64>(left, block.size()));
        raw.flush();
        ::fsync(raw.handle());
        raw.close();
        rawTime = std::min(rawTime, Seconds(t));
    }
    QFile::remove(rawPath);
    const double speed = rawTime / writeTime;
    std::printf("fleet export, file from the grid (%lld bytes)  %.3f s  raw write %.3f s  speed %.2f of raw  goal >= 0.5  %s\n",
                size, writeTime, rawTime, speed, speed >= 0.5 ? "met" : "MISSED");
    std::printf("fleet export, grid filled from the archive    %.3f s  (grid holds %lld bytes for 10,000 vehicles)\n",
                fillTime, held);
    std::printf("fleet export, both                             %.3f s  speed %.2f of raw\n", fillTime + writeTime,
                rawTime / (fillTime + writeTime));
}
#endif
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + "/varcanto-bench";
    const bool cold = argc > 2 && QByteArray(argv[2]) == "--cold";
    SetColdCache(cold);
    QDir().mkpath(folder);
    const QString year = folder + "/2021.vis";
    const QString fleet = folder + "/Flotta_Automezzi.pro";
    WriteYearArchive(year, 200000);
    WriteFleetArchive(fleet, 10000);
    std::printf("archive: %s (%lld bytes)\n", qPrintable(year), QFile(year).size());

    // Best of three runs each: with the page cache warm (default) or dropped
    // before each timing (--cold).
    double raw = 1e9, inside = 1e9, scan = 1e9;
    int stillInside = 0;
    const auto &dataUsc = FieldNamed(VisitFields, "DataUsc");
    for (int run = 0; run < 3; ++run) {
        DropPageCache();
        QElapsedTimer t;
        t.start();
        // The raw read: the whole file in 1 MB reads into one reused buffer,
        // looking at nothing.
        QFile file(year);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        qint64 total = 0;
        for (qint64 n; (n = file.read(buffer.data(), buffer.size())) > 0;)
            total += n;
        raw = std::min(raw, Seconds(t));

        DropPageCache();
        t.restart();
        stillInside = 0;
        const int walked = ScanArchive(year, VisitRecord::Size, [&](int, const char *card) {
            stillInside += FieldIsBlank(card, dataUsc);
            return true;
        });
        inside = std::min(inside, Seconds(t));
        if (walked != 200000)
            return 1;

        DropPageCache();
        t.restart();
        RecordFile records(year, VisitRecord::Size);
        qint64 characters = 0;
        while (!records.atEnd()) {
            const VisitRecord c = VisitRecord::fromBytes(records.read());
            characters += c.Targa.size() + c.Note.size();
        }
        scan = std::min(scan, Seconds(t));
        if (total == 0 || characters == 0)
            return 1;
    }
    const double goal = 2.0;
    std::printf("cache: %s, best of 3 runs\n", cold ? "cold (dropped before each timing)" : "warm");
    std::printf("raw sequential read:                       %.3f s\n", raw);
    std::printf("still-inside test of every card (walk):    %.3f s  ratio %.2f  goal <= %.1fx raw%s  %s"
                "  (%d cards still inside)\n",
                inside, inside / raw, goal, cold ? " (goal is for a warm cache)" : "",
                inside / raw <= goal ? "met" : "MISSED", stillInside);
    std::printf("full scan decoding every field:            %.3f s  ratio %.2f\n", scan, scan / raw);
#ifdef VARCANTO_BENCH_SQLITE
    benchFleet(folder, fleet);
#endif
    return 0;
}
