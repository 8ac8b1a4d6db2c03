#include "varcanto_core.h"

#include "TestFolder.h"

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

    void incompleteTailIsNotCountedAndTheNextAppendWritesOverIt()
    {
        TempProgramFolder dir;
        dir.write("a.vis", rec('a') + QByteArray(5, 'x'));
        RecordFile file(dir.path("a.vis"), R);
        QCOMPARE(file.count(), 1);
        file.seek(1);
        QVERIFY(file.atEnd());
        QCOMPARE(file.append(rec('b')), 2);
        file.close();
        QCOMPARE(dir.bytes("a.vis"), rec('a') + rec('b'));
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
        LockHeldElsewhere other(dir.path("a.vis"), 1000);
        QVERIFY(other.holding());
        QElapsedTimer waited;
        waited.start();
        RecordFile file(dir.path("a.vis"), R);
        QCOMPARE(file.append(rec('b')), 2);
        file.close();
        QVERIFY2(waited.elapsed() >= 500, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(other.released());
        QCOMPARE(dir.bytes("a.vis"), rec('a') + rec('b'));
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
