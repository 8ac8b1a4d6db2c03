#include "core/register/FlaggedPlates.h"
#include "core/storage/IoError.h"

#include "TestFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

class TestFlaggedPlates : public QObject
{
    Q_OBJECT

private slots:
    // Added, replaced (a look-alike is the same plate), found, removed; the
    // file reads back the same.
    void addFindRemove()
    {
        TempProgramFolder dir;
        const QString path = dir.path("Targhe_Segnalate.txt");
        QVERIFY(FlaggedPlates::Read(path).plates.isEmpty());
        QVERIFY(!QFile::exists(path));

        FlaggedPlates::Add({" ab12o ", "Accesso\tvietato\n", "01/03/2021"}, path);
        FlaggedPlates::Add({"XY 999", "Furto", "02/03/2021"}, path);
        QCOMPARE(dir.bytes("Targhe_Segnalate.txt"),
                 QByteArray("AB12O\tAccesso vietato\t01/03/2021\r\nXY 999\tFurto\t02/03/2021\r\n"));
        const FlaggedPlates::List replaced = FlaggedPlates::Add({"AB-120", "Ditta sospesa", "03/03/2021"}, path);
        QCOMPARE(replaced.plates.size(), 2);
        QCOMPARE(replaced.plates[0], (FlaggedPlate {"AB-120", "Ditta sospesa", "03/03/2021"}));
        QCOMPARE(FlaggedPlates::Read(path).plates, replaced.plates);

        const QList<FlaggedPlate> plates = FlaggedPlates::Read(path).plates;
        QCOMPARE(FlaggedPlates::Find(plates, "ab 12O")->reason, QStringLiteral("Ditta sospesa"));
        QCOMPARE(FlaggedPlates::Find(plates, "xy.999")->plate, QStringLiteral("XY 999"));
        QVERIFY(FlaggedPlates::Find(plates, "XY9990") == std::nullopt);
        QVERIFY(FlaggedPlates::Find(plates, " ") == std::nullopt);

        QCOMPARE(FlaggedPlates::Remove("AB120", path).plates.size(), 1);
        QCOMPARE(FlaggedPlates::Read(path).plates.value(0).plate, QStringLiteral("XY 999"));
        QVERIFY_THROWS_EXCEPTION(IoError, FlaggedPlates::Add({" - ", "x", "01/03/2021"}, path));
    }

    // Lines that name no plate are not shown but stay in the file.
    void damagedLinesAreKept()
    {
        TempProgramFolder dir;
        const QString path = dir.path("Targhe_Segnalate.txt");
        dir.write("Targhe_Segnalate.txt", QByteArray("AA111\tmotivo\t01/01/2021\n\t\tsenza targa\n\xff\xfe\x01garbage\n\nBB222\n"));
        const FlaggedPlates::List read = FlaggedPlates::Read(path);
        QCOMPARE(read.plates.size(), 2);
        QCOMPARE(read.plates[1], (FlaggedPlate {"BB222", "", ""}));
        QCOMPARE(read.unreadable.size(), 2);
        FlaggedPlates::Add({"CC333", "nuova", "02/01/2021"}, path);
        const FlaggedPlates::List after = FlaggedPlates::Read(path);
        QCOMPARE(after.plates.size(), 3);
        QCOMPARE(after.unreadable, read.unreadable);
    }

    // A failed write leaves the list as it was.
    void readOnlyFileIsNotChanged()
    {
        TempProgramFolder dir;
        const QString path = dir.path("Targhe_Segnalate.txt");
        FlaggedPlates::Add({"AA111", "uno", "01/01/2021"}, path);
        const QByteArray before = dir.bytes("Targhe_Segnalate.txt");
        AsOrdinaryUser ordinary;
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QVERIFY_THROWS_EXCEPTION(IoError, FlaggedPlates::Add({"BB222", "due", "01/01/2021"}, path));
        QCOMPARE(dir.bytes("Targhe_Segnalate.txt"), before);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // Two workstations flagging plates at the same moment keep every plate.
    void twoWorkstationsKeepBoth()
    {
        TempProgramFolder dir;
        const QString path = dir.path("Targhe_Segnalate.txt");
        const QString worker = QCoreApplication::applicationDirPath() + QStringLiteral("/append_worker");
        constexpr int Plates = 40;
        QList<QProcess *> processes;
        for (const char *name : {"A", "B"}) {
            auto *p = new QProcess(this);
            p->start(worker, {path, QStringLiteral("flag"), QLatin1String(name), QString::number(Plates)});
            processes << p;
        }
        for (QProcess *p : processes) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        QSet<QString> plates;
        for (const FlaggedPlate &p : FlaggedPlates::Read(path).plates)
            plates << p.plate;
        QCOMPARE(plates.size(), 2 * Plates);
    }
};

QTEST_GUILESS_MAIN(TestFlaggedPlates)
#include "tst_flaggedplates.moc"
