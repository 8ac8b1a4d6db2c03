// The one table of the program's figures on a very busy gate's year: builds a
// year archive of 200,000 cards and a fleet of 10,000 vehicles once, copies
// the same rows into SQLite, then times every list, search, count and export
// of the program beside a raw sequential read or write of the same bytes and
// SQLite's query on the same rows, all in this one run; with a warm page
// cache, then with a cold one where the machine lets the cache be dropped.
// Also the time from starting the program to its login window on the screen,
// and the peak memory of the largest operation, the export of the year (as
// the .xls table and as the .xlsx workbook).
//
//   bench_table [folder] [--warm]   (default folder: under /tmp; --warm: no
//                                    cold pass)
// The figures go to the standard output, the steps to the error output.
//   bench_table --grid-memory year.vis out.xls|out.xlsx
//                                   (the memory figure, in a process of its own)
#include "varcanto_core.h"
#include "gui/kit/CardList.h"

#include "BenchSqlite.h"
#include "BenchSupport.h"
#include "BenchTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <cstdio>
#include <memory>

namespace {
// Best of RegisterRuns (or FleetRuns: the fleet's timings are short, so
// noisier) runs of each timing.
constexpr int RegisterRuns = 3;
constexpr int FleetRuns = 5;
constexpr int StartupRuns = 5;
const QString Today = QStringLiteral("15/06/2021");

struct Bench {
    QString folder;
    QString year, previousYear, yearDb, fleet, fleetDb;
    QString cache;
    BenchTable table;

    // A row of this pass (its cache), for the caller to finish or add.
    BenchRow row(const QString &operation, double value, const QList<BenchComparison> &comparisons,
                 double ratioGoal = 0) const
    {
        BenchRow r;
        r.cache = cache;
        r.operation = operation;
        r.value = value;
        r.comparisons = comparisons;
        r.ratioGoal = ratioGoal;
        return r;
    }
    void add(const QString &operation, double value, const QList<BenchComparison> &comparisons,
             double ratioGoal = 0)
    {
        table.Add(row(operation, value, comparisons, ratioGoal));
    }
};

// The columns of each list's line in SQLite's printf, as the program lays them out.
const char *EnteredTodayLine =
    "printf('%-30.30s  Targa: %-12.12s  Ora entrata: %-5.5s  Uscita: %-10.10s  Ora: %-5.5s  Conducente: %s', "
    "Veicolo, Targa, OraEnt, DataUsc, OraUsc, Conduttore)";
const char *LeftTodayLine =
    "printf('%-30.30s  Targa: %-12.12s  Ora uscita: %-5.5s  Entrata: %-10.10s  Ora: %-5.5s  Conducente: %s', "
    "Veicolo, Targa, OraUsc, DataEnt, OraEnt, Conduttore)";
const char *NotLeftLine =
    "printf('%-30.30s  Targa: %-12.12s  Entrata: %-10.10s  Ora: %-5.5s  Conducente: %-30.30s  Tel. %s', "
    "Veicolo, Targa, DataEnt, OraEnt, Conduttore, TelCel)";
const char *SearchLine =
    "printf('%-28.28s  Targa: %-12.12s  Entrata: %-10.10s  Ora: %-5.5s  Uscita: %-10.10s  Ora: %-5.5s  "
    "Conducente: %s', Veicolo, Targa, DataEnt, OraEnt, DataUsc, OraUsc, Conduttore)";
const char *FleetLine = "printf('%-30.30s  Targa: %-12.12s  %-25.25s  Tel. %-15.15s  %s', "
                        "Marca || ' ' || Modello, Targa, Conducente, Recapito, Note)";

QByteArray linesQuery(const char *line, const char *table, const QByteArray &where)
{
    return QByteArray("SELECT ") + line + " AS line, rowid FROM " + table + (where.isEmpty() ? "" : " WHERE ")
        + where + " ORDER BY line";
}

// Stops the benchmark when the program and SQLite do not find the same rows:
// the two figures would not be comparable.
void sameCount(const QString &what, int ours, int theirs)
{
    if (ours == theirs)
        return;
    std::fprintf(stderr, "%s: the program found %d, SQLite %d\n", what.toUtf8().constData(), ours, theirs);
    std::exit(1);
}

// A list of the program (scan, lines, sort, the list's model filled) beside
// SQLite's query on the same rows giving the same lines, and the raw read.
void listRow(Bench &b, const QString &what, int runs, const std::function<ListLines()> &ours,
             const QString &database, const QByteArray &sql, double rawRead, double goal,
             const QByteArray &like = {})
{
    int lines = 0, rows = 0;
    const double time = Best(runs, [&] {
        CardListModel model;
        model.SetLines(ours().lines);
        lines = model.rowCount();
    });
    const double sqlite = Best(runs, [&] { rows = SqliteRows(database, sql, like); });
    sameCount(what, lines, rows);
    b.add(QStringLiteral("%1 (%2 lines)").arg(what).arg(lines), time,
          {{QStringLiteral("SQLite"), sqlite}, {QStringLiteral("raw read"), rawRead}}, goal);
}

// An export as its window does it: the grid filled from the archive when the
// window opens, then the file written from the grid, as the .xls table and
// as the .xlsx workbook.
void exportRows(Bench &b, const QString &what, int runs, const QString &archive, const QString &database,
                const char *table, const std::function<std::unique_ptr<SpreadsheetRows>()> &fill,
                const std::function<void(const SpreadsheetTarget &, const SpreadsheetRows &)> &write,
                const QString &written)
{
    const double rawRead = Best(runs, [&] { RawRead(archive); });
    const double fillTime = Best(runs, [&] { fill(); });
    const double sqlite = Best(runs, [&] { SqliteRows(database, QByteArray("SELECT * FROM ") + table); });
    const std::unique_ptr<SpreadsheetRows> grid = fill();
    const SpreadsheetTarget xls = SpreadsheetTargetFor(written + QStringLiteral(".xls"), {});
    const SpreadsheetTarget xlsx = SpreadsheetTargetFor(written + QStringLiteral(".xlsx"), {});
    const double writeTime = Best(runs, [&] { write(xls, *grid); });
    const double both = Best(runs, [&] { write(xls, *fill()); });
    const double workbookTime = Best(runs, [&] { write(xlsx, *grid); });
    const QString rawPath = b.folder + QStringLiteral("/raw.bin");
    const auto rawWriteOf = [&](const QString &path) {
        const double time = Best(runs, [&] { RawWrite(rawPath, QFile(path).size()); });
        QFile::remove(rawPath);
        return time;
    };
    const double rawWrite = rawWriteOf(xls.path);
    const double rawWorkbookWrite = rawWriteOf(xlsx.path);
    const auto megabytes = [](const QString &path) { return double(QFile(path).size()) / 1e6; };
    b.add(QStringLiteral("%1: grid filled from the archive").arg(what), fillTime,
          {{QStringLiteral("SQLite reading every row and column"), sqlite}, {QStringLiteral("raw read"), rawRead}});
    b.add(QStringLiteral("%1: file of %2 MB written from the grid").arg(what).arg(megabytes(xls.path), 0, 'f', 1),
          writeTime, {{QStringLiteral("raw write of as many bytes"), rawWrite}}, 2.0);
    b.add(QStringLiteral("%1: both").arg(what), both,
          {{QStringLiteral("raw write of as many bytes"), rawWrite},
           {QStringLiteral("raw read + raw write"), rawRead + rawWrite}},
          2.0);
    b.add(QStringLiteral("%1: workbook .xlsx of %2 MB written from the grid").arg(what).arg(megabytes(xlsx.path), 0, 'f', 1),
          workbookTime,
          {{QStringLiteral("the .xls file written from the grid"), writeTime},
           {QStringLiteral("raw write of as many bytes"), rawWorkbookWrite}});
}

void registerRows(Bench &b)
{
    const int runs = RegisterRuns;
    const double raw = Best(runs, [&] { RawRead(b.year); });

    // The still-inside test through the archive walk: the least a list pays.
    int inside = 0;
    const auto &dataUsc = FieldNamed(VisitFields, "DataUsc");
    const double walk = Best(runs, [&] {
        inside = 0;
        ScanArchive(b.year, VisitRecord::Size, [&](int, const char *card) {
            inside += FieldIsBlank(card, dataUsc);
            return true;
        });
    });
    b.add(QStringLiteral("full scan: still-inside test of 200,000 cards through the archive walk"), walk,
          {{QStringLiteral("raw read"), raw}}, 2.0);
    qint64 characters = 0;
    const double decode = Best(runs, [&] {
        RecordFile records(b.year, VisitRecord::Size);
        while (!records.atEnd()) {
            const VisitRecord c = VisitRecord::fromBytes(records.read());
            characters += c.Targa.size();
        }
    });
    if (inside == 0 || characters == 0)
        std::exit(1);
    b.add(QStringLiteral("full scan decoding every field of every card"), decode, {{QStringLiteral("raw read"), raw}});

    listRow(b, QStringLiteral("daily list \"entrati oggi\" %1").arg(Today), runs,
            [&] { return CollectRegisterList(b.year, RegisterList::EnteredToday, Today); }, b.yearDb,
            linesQuery(EnteredTodayLine, "visite", "DataEnt = '" + Today.toUtf8() + "'"), raw, 1.5);
    listRow(b, QStringLiteral("daily list \"usciti oggi\" %1").arg(Today), runs,
            [&] { return CollectRegisterList(b.year, RegisterList::LeftToday, Today); }, b.yearDb,
            linesQuery(LeftTodayLine, "visite", "DataUsc = '" + Today.toUtf8() + "'"), raw, 1.5);
    listRow(b, QStringLiteral("daily list \"non usciti\""), runs,
            [&] { return CollectRegisterList(b.year, RegisterList::NotLeft, Today); }, b.yearDb,
            linesQuery(NotLeftLine, "visite", "DataUsc = ''"), raw, 1.5);

    // A plate typed on a new card that neither year knows: the recall reads
    // the whole year and the whole year before it.
    const double rawBoth = Best(runs, [&] {
        RawRead(b.year);
        RawRead(b.previousYear);
    });
    PlateRecall recall;
    const double lookup = Best(runs, [&] { recall = RecallPlate(b.year, QStringLiteral("zz 99-zz")); });
    if (recall.latest || recall.stillInside)
        std::exit(1);
    b.add(QStringLiteral("plate recall: a plate of neither year, over 200,000 cards and the year before"), lookup,
          {{QStringLiteral("raw read of both archives"), rawBoth}}, 2.0);

    for (const auto &[field, index, needle] :
         {std::tuple{"Targa", 3, QStringLiteral("xk")}, std::tuple{"Note", 9, QStringLiteral("portineria")}}) {
        RegisterCriteria criteria;
        criteria.text[index] = needle;
        listRow(b, QStringLiteral("register search, %1 contains \"%2\"").arg(QLatin1String(field), needle), runs,
                [&] { return SearchRegister(b.year, criteria); }, b.yearDb,
                linesQuery(SearchLine, "visite", QByteArray(field) + " LIKE ?1"), raw, 1.0,
                "%" + needle.toUtf8() + "%");
    }

    std::array<int, 12> ours{}, theirs{};
    const double counts = Best(runs, [&] { ours = CountMonthlyTransits(b.year, QStringLiteral("2021")); });
    const double sqlite = Best(runs, [&] {
        sqlite3 *db = OpenSqlite(b.yearDb);
        sqlite3_stmt *query = nullptr;
        const char *sql = "SELECT substr(DataEnt, 4, 2), count(*) FROM visite WHERE substr(DataEnt, 7, 4) = '2021' "
                          "GROUP BY substr(DataEnt, 4, 2)";
        if (sqlite3_prepare_v2(db, sql, -1, &query, nullptr) != SQLITE_OK)
            SqliteFailed(db, sql);
        while (sqlite3_step(query) == SQLITE_ROW) {
            const int month = sqlite3_column_int(query, 0);
            if (month >= 1 && month <= 12)
                theirs[month - 1] = sqlite3_column_int(query, 1);
        }
        sqlite3_finalize(query);
        sqlite3_close(db);
    });
    for (int month = 0; month < 12; ++month)
        sameCount(QStringLiteral("statistics, cards of month %1").arg(month + 1), ours[month], theirs[month]);
    b.add(QStringLiteral("statistics: monthly counts of the year"), counts,
          {{QStringLiteral("SQLite GROUP BY month"), sqlite}, {QStringLiteral("raw read"), raw}}, 1.0);

    exportRows(
        b, QStringLiteral("register export of 200,000 cards"), runs, b.year, b.yearDb, "visite",
        [&]() -> std::unique_ptr<SpreadsheetRows> {
            auto grid = MakeRegisterGrid();
            grid->Fill(b.year);
            return grid;
        },
        [&](const SpreadsheetTarget &target, const SpreadsheetRows &rows) {
            WriteSpreadsheetFile(target, RegisterExportSheetName, RegisterExportColumns(), rows);
        },
        b.folder + QStringLiteral("/Ingressi_e_Uscite_Veicoli"));
}

void fleetRows(Bench &b)
{
    const int runs = FleetRuns;
    const double raw = Best(runs, [&] { RawRead(b.fleet); });
    FleetCriteria make;
    make.text[2] = QStringLiteral("FIAT");
    FleetCriteria makeAndDriver = make;
    makeAndDriver.text[6] = QStringLiteral("rossi");
    listRow(b, QStringLiteral("fleet search, make contains \"FIAT\""), runs, [&] { return SearchFleet(b.fleet, make); },
            b.fleetDb, linesQuery(FleetLine, "flotta", "Marca LIKE '%FIAT%'"), raw, 1.5);
    listRow(b, QStringLiteral("fleet search, make \"FIAT\" and driver \"rossi\""), runs,
            [&] { return SearchFleet(b.fleet, makeAndDriver); }, b.fleetDb,
            linesQuery(FleetLine, "flotta", "Marca LIKE '%FIAT%' AND Conducente LIKE '%rossi%'"), raw, 1.5);
    listRow(b, QStringLiteral("fleet search, no criterion"), runs, [&] { return SearchFleet(b.fleet, {}); },
            b.fleetDb, linesQuery(FleetLine, "flotta", {}), raw, 1.5);
    listRow(b, QStringLiteral("available vehicles list"), runs, [&] { return AvailableVehicles(b.fleet); },
            b.fleetDb, linesQuery(FleetLine, "flotta", "trim(Disponibile) = 'Sì'"), raw, 1.5);

    exportRows(
        b, QStringLiteral("fleet export of 10,000 vehicles"), runs, b.fleet, b.fleetDb, "flotta",
        [&]() -> std::unique_ptr<SpreadsheetRows> {
            auto grid = std::make_unique<FleetGridModel>();
            grid->Fill(b.fleet);
            return grid;
        },
        [&](const SpreadsheetTarget &target, const SpreadsheetRows &rows) {
            WriteSpreadsheetFile(target, FleetExportSheetName, FleetExportColumns(), rows);
        },
        b.folder + QStringLiteral("/Flotta_Automezzi"));

    // The start menu's line reads the deadlines file alone, never the fleet.
    const QDate today(2021, 6, 15);
    DeadlineCounts counts;
    const double deadlines = Best(runs, [&] { counts = CountDeadlines(b.fleet, today, 30); });
    b.add(QStringLiteral("deadlines of 10,000 vehicles for the start menu's line (%1 expired, %2 due)")
              .arg(counts.expired)
              .arg(counts.dueSoon),
          deadlines, {{QStringLiteral("raw read of the fleet file"), raw}}, 1.0);
}

// Deadlines for every vehicle of the fleet, spread over two years around
// the bench's today, one entry per card as the dialog writes them.
void writeFleetDeadlines(const QString &fleetPath, int vehicles)
{
    QFile file(DeadlineFile::PathFor(fleetPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QDate start(2020, 6, 15);
    for (int k = 0; k < vehicles; ++k) {
        VehicleDeadlines d;
        d.Assicurazione = DateText(start.addDays(k * 7 % 730));
        d.Revisione = DateText(start.addDays(k * 13 % 730));
        d.Bollo = DateText(start.addDays(k * 17 % 730));
        d.Note = QStringLiteral("Polizza %1").arg(k);
        file.write(d.toBytes());
    }
}

// Seconds from starting a process to the line it prints when its first
// window has been painted.
double timeToWindow(const QStringList &arguments)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup");
    return Best(StartupRuns, [&] {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForReadyRead(60000) || !process.readAllStandardOutput().startsWith("shown")) {
            std::fprintf(stderr, "%s did not show its window: %s\n", qPrintable(program),
                         process.readAllStandardError().constData());
            std::exit(1);
        }
        process.waitForFinished();
    });
}

void startupRows(Bench &b)
{
    const double login = timeToWindow({b.folder});
    const double bare = timeToWindow({QStringLiteral("--bare")});
    BenchRow row = b.row(QStringLiteral("start of the program to the login window painted"), login,
                         {{QStringLiteral("one empty window of the same toolkit"), bare}});
    row.absoluteGoal = 1.0;
    b.table.Add(row);
}

// In its own process, so that its peak is the grid's alone: fills the export
// grid of the year and writes the file (.xls or .xlsx by its name), and
// prints the growth of the peak resident memory over the memory before, and
// the bytes the grid holds.
int gridMemory(const QString &year, const QString &file)
{
    const qint64 before = ResidentBytes();
    auto grid = MakeRegisterGrid();
    grid->Fill(year);
    WriteSpreadsheetFile(SpreadsheetTargetFor(file, {}), RegisterExportSheetName, RegisterExportColumns(), *grid);
    std::printf("%lld %lld\n", PeakResidentBytes() - before, grid->HeldBytes());
    return 0;
}

void memoryRow(Bench &b, const QString &file, const QString &what)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--grid-memory"), b.year, b.folder + QLatin1Char('/') + file});
    process.waitForFinished(-1);
    const QList<QByteArray> figures = process.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 2) {
        std::fprintf(stderr, "the memory figure failed\n");
        std::exit(1);
    }
    BenchRow row = b.row(
        QStringLiteral("peak memory of the register export of 200,000 cards (grid filled, %1 written)").arg(what),
        double(figures[0].toLongLong()),
        {{QStringLiteral("the archive"), double(QFile(b.year).size())},
         {QStringLiteral("the cards' texts held by the grid"), double(figures[1].toLongLong())}},
        1.0);
    row.unit = BenchRow::Unit::Bytes;
    b.table.Add(row);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().split(' ').first()) : QString();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == QLatin1String("--grid-memory"))
        return gridMemory(arguments[1], arguments[2]);

    Bench b;
    b.folder = QDir::tempPath() + QStringLiteral("/varcanto-bench");
    bool warmOnly = false;
    for (const QString &a : arguments) {
        if (a == QLatin1String("--warm"))
            warmOnly = true;
        else
            b.folder = a;
    }
    QDir().mkpath(b.folder);
    b.year = b.folder + QStringLiteral("/2021.vis");
    b.previousYear = b.folder + QStringLiteral("/2020.vis");
    b.yearDb = b.folder + QStringLiteral("/2021.sqlite");
    b.fleet = b.folder + QStringLiteral("/Flotta_Automezzi.pro");
    b.fleetDb = b.folder + QStringLiteral("/flotta.sqlite");
    std::fprintf(stderr, "building the year, the fleet and their SQLite copies in %s\n", qPrintable(b.folder));
    WriteYearArchive(b.year, 200000);
    WriteYearArchive(b.previousYear, 200000);
    WriteFleetArchive(b.fleet, 10000);
    writeFleetDeadlines(b.fleet, 10000);
    CopyIntoSqlite(b.year, VisitRecord::Size, SqliteColumnsOf(VisitFields), "visite", b.yearDb);
    CopyIntoSqlite(b.fleet, VehicleRecord::Size, SqliteColumnsOf(VehicleFields), "flotta", b.fleetDb);

    const QString loadBefore = loadAverage();
    QStringList caches = {QStringLiteral("warm")};
    const QStringList files = {b.year, b.previousYear, b.yearDb, b.fleet, b.fleetDb, DeadlineFile::PathFor(b.fleet)};
    SetColdCache(true, files);
    if (!warmOnly && DropPageCache())
        caches << QStringLiteral("cold");
    for (const QString &cache : caches) {
        std::fprintf(stderr, "timing with a %s page cache\n", qPrintable(cache));
        b.cache = cache;
        SetColdCache(cache == QLatin1String("cold"), files);
        registerRows(b);
        fleetRows(b);
        // The toolkit's libraries stay mapped by this benchmark itself, so
        // their pages cannot be dropped: the start is timed warm only.
        if (cache == QLatin1String("warm"))
            startupRows(b);
    }
    SetColdCache(false);
    b.cache.clear();
    memoryRow(b, QStringLiteral("memory.xls"), QStringLiteral(".xls file"));
    memoryRow(b, QStringLiteral("memory.xlsx"), QStringLiteral(".xlsx workbook"));

    std::printf("%s, %s, %d cores, load average %s before and %s after; year archive %.1f MB (SQLite %.1f MB), "
                "fleet %.1f MB (SQLite %.1f MB); best of %d runs (fleet and start: %d); %s\n\n",
                qPrintable(QDateTime::currentDateTime().toString(Qt::ISODate)), qPrintable(QSysInfo::prettyProductName()),
                QThread::idealThreadCount(), qPrintable(loadBefore), qPrintable(loadAverage()),
                double(QFile(b.year).size()) / 1e6, double(QFile(b.yearDb).size()) / 1e6,
                double(QFile(b.fleet).size()) / 1e6, double(QFile(b.fleetDb).size()) / 1e6, RegisterRuns, FleetRuns,
                caches.size() > 1 ? "page cache warm, then the files' pages dropped before each timing"
                                  : "page cache warm only");
    b.table.Print();
    return 0;
}
