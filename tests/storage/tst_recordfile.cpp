#include "varcanto_core.h"

#include "core/storage/FileWrites.h"
#include "core/storage/StorageEvents.h"

#include "TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

namespace {
constexpr int R = 16; // a small record size keeps the fixtures readable

QByteArray rec(char fill)
{
    return QByteArray(R, fill);
}
} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

    static void checkConsultedWhole(const QString &archive, const QString &missing)
    {
        QCOMPARE(CardFile::Count(archive, R), 2);
        QCOMPARE(CardFile::Read(archive, R, 2), rec('b'));
        QByteArray seen;
        QCOMPARE(ScanArchive(archive, R, [&](int, const char *record) {
                     seen += QByteArray(record, R);
                     return true;
                 }),
                 2);
        QCOMPARE(seen, rec('a') + rec('b'));
        QCOMPARE(CardFile::Count(missing, R), 0);
        QVERIFY(!QFile::exists(missing));
        QVERIFY_THROWS_EXCEPTION(IoError, CardFile::Append(archive, rec('c')));
        QVERIFY_THROWS_EXCEPTION(IoError, CardFile::Rewrite(archive, 1, rec('c')));
        QVERIFY_THROWS_EXCEPTION(IoError, CardFile::Append(missing, rec('c')));
        QCOMPARE(CardFile::Read(archive, R, 1), rec('a'));
    }

private slots:
    void missingFileIsCreatedEmpty()
    {
        TempProgramFolder dir;
        RecordFile file(dir.path("a.vis"), R);
        QCOMPARE(file.count(), 0);
        QVERIFY(file.atEnd());
        file.close();
        QVERIFY(QFile::exists(dir.path("a.vis")));
        QCOMPARE(QFile(dir.path("a.vis")).size(), 0);
    }

    void appendCountsPositionsAndCardNumbers()
    {
        TempProgramFolder dir;
        RecordFile file(dir.path("a.vis"), R);
        QCOMPARE(file.append(rec('a')), 1);
        file.seek(file.count());
        file.write(rec('b'));
        QCOMPARE(file.position(), 2);
        QCOMPARE(file.count(), 2);
        QCOMPARE(file.append(rec('c')), 3);
        file.seek(1);
        QCOMPARE(file.read(), rec('b'));
        QCOMPARE(file.position(), 2);
        file.close();
        QCOMPARE(dir.bytes("a.vis"), rec('a') + rec('b') + rec('c'));
    }

    // A loose tail is not counted; the next append first keeps it in a file
    // of its own beside the archive (named after the moment, never over
    // another file), tells so once, then lands at the first whole position.
    void looseTailIsKeptBesideTheArchiveBeforeTheNextAppend()
    {
        TempProgramFolder dir;
        const FixedClock clock(QDateTime(QDate(2024, 6, 1), QTime(9, 30, 5)));
        QStringList told;
        StorageEvents::SetListener({{}, [&](const QString &archive, const QString &side, qint64 bytes) {
                                        told << QStringLiteral("%1 %2 %3").arg(archive, side).arg(bytes);
                                    }});
        const QString side = dir.path("a.vis.coda_20240601_093005");
        dir.write("a.vis.coda_20240601_093005", "an older tail");
        dir.write("a.vis", rec('a') + QByteArray(5, 'x'));
        RecordFile file(dir.path("a.vis"), R);
        QCOMPARE(file.count(), 1);
        file.seek(1);
        QVERIFY(file.atEnd());
        QCOMPARE(file.append(rec('b')), 2);
        QCOMPARE(file.append(rec('c')), 3);
        file.close();
        StorageEvents::SetListener({});
        QCOMPARE(dir.bytes("a.vis"), rec('a') + rec('b') + rec('c'));
        QCOMPARE(dir.bytes("a.vis.coda_20240601_093005"), QByteArray("an older tail"));
        QCOMPARE(dir.bytes("a.vis.coda_20240601_093005_2"), QByteArray(5, 'x'));
        QCOMPARE(told, QStringList{dir.path("a.vis") + ' ' + side + "_2 5"});
    }

    // Where the tail cannot be kept (the disk is full), nothing is written
    // over it and nothing is left beside it.
    void looseTailThatCannotBeKeptIsNotWrittenOver()
    {
        TempProgramFolder dir;
        const QByteArray before = rec('a') + QByteArray(5, 'x');
        dir.write("a.vis", before);
        WriteFaults::FailWrite(1, 2, true);
        QVERIFY_THROWS_EXCEPTION(DiskFull, CardFile::Append(dir.path("a.vis"), rec('b')));
        WriteFaults::Clear();
        QCOMPARE(dir.bytes("a.vis"), before);
        QCOMPARE(QDir(dir.folder()).entryList(QDir::Files), QStringList{"a.vis"});
    }

    void rewriteLeavesLengthAndOtherRecordsUntouched()
    {
        TempProgramFolder dir;
        dir.write("a.vis", rec('a') + rec('b') + rec('c'));
        RecordFile file(dir.path("a.vis"), R);
        file.rewrite(1, rec('X'));
        QCOMPARE(file.position(), 2);
        file.close();
        QCOMPARE(dir.bytes("a.vis"), rec('a') + rec('X') + rec('c'));
    }

    void scanReadsEveryRecordInOrderAcrossBlocks()
    {
        TempProgramFolder dir;
        QByteArray content;
        for (int i = 0; i < 700; ++i)
            content += QByteArray(R, char('A' + i % 26));
        dir.write("a.vis", content);
        RecordFile file(dir.path("a.vis"), R);
        int n = 0;
        while (!file.atEnd()) {
            QCOMPARE(file.read(), QByteArray(R, char('A' + n % 26)));
            ++n;
        }
        QCOMPARE(n, 700);
    }

    void readPastTheEndFails()
    {
        TempProgramFolder dir;
        dir.write("a.vis", rec('a') + QByteArray(3, 'x'));
        RecordFile file(dir.path("a.vis"), R);
        file.seek(1);
        QVERIFY_THROWS_EXCEPTION(IoError, file.read());
    }

    void fileThatCannotBeOpenedIsReportedAndNotTruncated()
    {
        TempProgramFolder dir;
        dir.write("a.vis", rec('a'));
        QFile::setPermissions(dir.path("a.vis"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        {
            AsOrdinaryUser user;
            QVERIFY_THROWS_EXCEPTION(IoError, RecordFile(dir.path("a.vis"), R));
        }
        QCOMPARE(dir.bytes("a.vis"), rec('a'));
        // A folder in place of the file cannot be opened either.
        QDir().mkdir(dir.path("b.vis"));
        QVERIFY_THROWS_EXCEPTION(IoError, RecordFile(dir.path("b.vis"), R));
    }

    // A read-only archive, or a read-only folder, is consulted whole: every
    // read opens the archive for reading only. A missing archive there reads
    // as empty; only a save needs to write, and is refused.
    void readOnlyArchiveIsConsultedWhole()
    {
        TempProgramFolder dir;
        dir.write("a.vis", rec('a') + rec('b'));
        QFile::setPermissions(dir.path("a.vis"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                | QFileDevice::ExeOther);
        {
            AsOrdinaryUser user;
            checkConsultedWhole(dir.path("a.vis"), dir.path("b.vis"));
        }
        QFile::setPermissions(dir.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ReadOther | QFileDevice::ExeOther);
    }

    // The same on a file system mounted read-only, which root cannot write
    // either.
    void archiveOnAReadOnlyMountIsConsultedWhole()
    {
        OwnFileSystem share(1 << 20);
        if (!share.made())
            QSKIP(qPrintable(share.reason()));
        QFile file(share.folder() + "/a.vis");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rec('a') + rec('b'));
        file.close();
        QVERIFY(share.makeReadOnly());
        checkConsultedWhole(share.folder() + "/a.vis", share.folder() + "/b.vis");
    }

    void concurrentAppendsFromSeveralProcessesAllArrive()
    {
        TempProgramFolder dir;
        const QString path = dir.path("2024.vis");
        const QString worker = QCoreApplication::applicationDirPath() + QStringLiteral("/append_worker");
        QVERIFY(QFile::exists(worker));
        constexpr int Workers = 4;
        constexpr int Cards = 150;
        QList<QProcess *> processes;
        for (int w = 0; w < Workers; ++w) {
            auto *p = new QProcess(this);
            p->start(worker, {path, QStringLiteral("W%1").arg(w), QString::number(Cards)});
            processes << p;
        }
        for (QProcess *p : processes) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        RecordFile file(path, VisitRecord::Size);
        QCOMPARE(file.count(), Workers * Cards);
        QSet<QString> seen;
        while (!file.atEnd()) {
            const VisitRecord card = VisitRecord::fromBytes(file.read());
            seen.insert(card.Veicolo + QLatin1Char('/') + card.Targa);
        }
        QCOMPARE(seen.size(), Workers * Cards);
    }

    // Another workstation holds the lock for a moment: the save waits for it
    // and lands after the other's, with the next card number.
    void lockReleasedWithinTheWaitIsWaitedFor()
    {
        TempProgramFolder dir;
        dir.write("a.vis", rec('a'));
        // The wait is told: it begins once, goes on at every attempt, ends once.
        QList<StorageEvents::LockWait> steps;
        StorageEvents::SetListener({[&](StorageEvents::LockWait step) { steps << step; }, {}});
        RecordFile file(dir.path("a.vis"), R);
        QCOMPARE(file.append(rec('b')), 2);
        QVERIFY(steps.isEmpty()); // no wait, nothing told
        LockHeldElsewhere other(dir.path("a.vis"), 1000);
        QVERIFY(other.holding());
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(file.append(rec('c')), 3);
        file.close();
        StorageEvents::SetListener({});
        QVERIFY2(waited.elapsed() >= 500, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(other.released());
        QCOMPARE(dir.bytes("a.vis"), rec('a') + rec('b') + rec('c'));
        QVERIFY(steps.size() >= 3);
        QCOMPARE(steps.first(), StorageEvents::LockWait::Begins);
        QCOMPARE(steps.last(), StorageEvents::LockWait::Ends);
        QCOMPARE(steps.count(StorageEvents::LockWait::Begins), 1);
        QCOMPARE(steps.count(StorageEvents::LockWait::Ends), 1);
    }

    // A lock never released ends the save with ArchiveBusy after the bounded
    // wait (the real one for appends), and nothing reaches the file.
    void lockNeverReleasedEndsTheSaveWithArchiveBusy()
    {
        TempProgramFolder dir;
        const QByteArray before = rec('a') + rec('b') + QByteArray(5, 'x');
        dir.write("a.vis", before);
        LockHeldElsewhere other(dir.path("a.vis"));
        QVERIFY(other.holding());
        QElapsedTimer waited;
        waited.start();
        {
            RecordFile file(dir.path("a.vis"), R);
            QVERIFY_THROWS_EXCEPTION(ArchiveBusy, file.append(rec('c')));
        }
        const qint64 ms = waited.elapsed();
        QVERIFY2(ms >= 2000 && ms <= 30000, qPrintable(QString::number(ms)));
        QCOMPARE(dir.bytes("a.vis"), before);

        // Rewrites and plain writes wait the same way (here for a shorter wait).
        ShortLockWait shorter(std::chrono::milliseconds(300));
        RecordFile file(dir.path("a.vis"), R);
        QVERIFY_THROWS_EXCEPTION(ArchiveBusy, file.rewrite(0, rec('X')));
        file.seek(1);
        QVERIFY_THROWS_EXCEPTION(ArchiveBusy, file.write(rec('Y')));
        QCOMPARE(file.position(), 1);
        file.close();
        QCOMPARE(dir.bytes("a.vis"), before);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
