// Several workstations on one shared archive at once: eight append a thousand
// cards each while two others rewrite stored cards in place. Every card lands
// once, at the number its save reported, and every rewrite lands on the card
// it was meant for.
#include "TestFolder.h"

#include "core/fleet/VehicleRecord.h"
#include "core/register/VisitRecord.h"
#include "core/storage/ArchiveScan.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QtTest>
#include <memory>
#include <vector>

class TestLoad : public QObject
{
    Q_OBJECT

    template <class Record, std::size_t N>
    void check(int recordSize, const std::array<FieldSpec<Record>, N> &fields)
    {
        TempProgramFolder dir;
        const QString path = dir.path(QStringLiteral("shared.archive"));
        const QString worker = QCoreApplication::applicationDirPath() + QStringLiteral("/append_worker");
        constexpr int Appenders = 8;
        constexpr int Cards = 1000;
        constexpr int Rewriters = 2;
        constexpr int Rewrites = 1000;
        std::vector<std::unique_ptr<QProcess>> appenders, rewriters;
        const QString size = QString::number(recordSize);
        for (int w = 0; w < Appenders; ++w) {
            appenders.push_back(std::make_unique<QProcess>());
            appenders.back()->start(worker, {path, size, "append", QStringLiteral("A%1").arg(w), QString::number(Cards)});
        }
        for (int w = 0; w < Rewriters; ++w) {
            rewriters.push_back(std::make_unique<QProcess>());
            rewriters.back()->start(worker, {path, size, "rewrite", QStringLiteral("R%1").arg(w), QString::number(Rewrites)});
        }
        // The number each save reported for each card.
        QHash<QString, int> reported;
        for (auto &p : appenders) {
            QVERIFY(p->waitForFinished(240000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
            for (const QByteArray &line : p->readAllStandardOutput().split('\n')) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() == 2)
                    reported.insert(QString::fromLatin1(parts[0]), parts[1].toInt());
            }
        }
        for (auto &p : rewriters) {
            QVERIFY(p->waitForFinished(240000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        QCOMPARE(reported.size(), Appenders * Cards);
        QCOMPARE(dir.bytes(QStringLiteral("shared.archive")).size(), qint64(Appenders) * Cards * recordSize);

        const FieldSpec<Record> &targa = FieldNamed(fields, "Targa");
        const FieldSpec<Record> &note = FieldNamed(fields, "Note");
        QSet<QString> seen;
        int rewritten = 0;
        QString fault;
        ScanArchive(path, recordSize, [&](int index, const char *record) {
            const QString id = FieldText(record, targa);
            const QString mark = FieldText(record, note);
            if (seen.contains(id) || reported.value(id) != index + 1)
                fault = QStringLiteral("card %1 holds %2, reported as %3").arg(index + 1).arg(id).arg(reported.value(id));
            else if (!mark.isEmpty() && !mark.endsWith(QLatin1Char('@') + QString::number(index + 1)))
                fault = QStringLiteral("card %1 got the rewrite %2").arg(index + 1).arg(mark);
            seen.insert(id);
            rewritten += mark.isEmpty() ? 0 : 1;
            return fault.isEmpty();
        });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(seen.size(), Appenders * Cards);
        QVERIFY(rewritten > 0);
    }

private slots:
    void registerArchive() { check(VisitRecord::Size, VisitFields); }
    void fleetArchive() { check(VehicleRecord::Size, VehicleFields); }
};

QTEST_GUILESS_MAIN(TestLoad)
#include "tst_load.moc"
