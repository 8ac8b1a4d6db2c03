#include "core/fleet/FleetArchive.h"
#include "core/register/PlateRecall.h"
#include "core/register/VisitRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/PlateRules.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
VisitRecord Card(const QString &plate, const QString &driver, const QString &out = {})
{
    VisitRecord c;
    c.DataEnt = QStringLiteral("03/02/2021");
    c.OraEnt = QStringLiteral("08:15");
    c.Veicolo = QStringLiteral("Fiat Ducato");
    c.Targa = plate;
    c.Conduttore = driver;
    c.DataUsc = out;
    return c;
}

QByteArray Archive(const QList<VisitRecord> &cards)
{
    QByteArray bytes;
    for (const VisitRecord &c : cards)
        bytes += c.toBytes();
    return bytes;
}
} // namespace

class TestPlateRecall : public QObject
{
    Q_OBJECT

private slots:
    void platesCompareNormalized_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("same");
        QTest::addColumn<bool>("lookAlike");
        QTest::newRow("blanks, dash, case") << "ab 123-cd" << "AB123CD" << true << true;
        QTest::newRow("dots and middle dot") << "AB.123·CD" << "ab123cd" << true << true;
        QTest::newRow("stored with blanks") << "AB123CD" << " AB 123 CD " << true << true;
        QTest::newRow("one letter more") << "AB123CD" << "AB123CDE" << false << false;
        QTest::newRow("a prefix") << "AB123CDE" << "AB123CD" << false << false;
        QTest::newRow("O for 0") << "AB12O" << "AB120" << false << true;
        QTest::newRow("I for 1") << "AI20" << "a120" << false << true;
        QTest::newRow("accented, decoded") << "ÀB 1" << "àb1" << true << true;
        QTest::newRow("nothing typed") << " - " << "" << false << true;
    }
    void platesCompareNormalized()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, same);
        QFETCH(bool, lookAlike);
        VisitRecord card;
        card.Targa = stored;
        const QByteArray bytes = card.toBytes();
        const QByteArrayView plate = TrimmedFieldBytes(bytes.constData(), FieldNamed(VisitFields, "Targa"));
        QCOMPARE(PlateMatcher(typed).Matches(plate), same);
        QCOMPARE(LookAlikePlate(typed) == LookAlikePlate(stored), lookAlike);
    }

    // This year first: the latest card without exit is the one still inside,
    // the latest card of all gives the data; the year before is not read.
    void thisYearFirst()
    {
        TempProgramFolder dir;
        dir.write("2021.vis", Archive({Card("AB123CD", "Primo"), Card("XY999ZZ", "Altro"),
                                       Card("ab 123 cd", "Secondo"), Card("AB-123-CD", "Terzo", "04/02/2021")}));
        dir.write("2020.vis", Archive({Card("AB123CD", "Anno prima")}));
        const PlateRecall recall = RecallPlate(dir.path("2021.vis"), "Ab.123 cd");
        QVERIFY(recall.stillInside);
        QCOMPARE(recall.stillInside->cardNumber, 3);
        QCOMPARE(recall.stillInside->card.Conduttore, QStringLiteral("Secondo"));
        QVERIFY(recall.latest);
        QCOMPARE(recall.latest->cardNumber, 4);
        QVERIFY(!recall.latest->previousYear);
    }

    // Only the year before knows the plate: its latest card, never offered
    // as still inside.
    void previousYearWhenThisYearHasNone()
    {
        TempProgramFolder dir;
        dir.write("2021.vis", Archive({Card("XY999ZZ", "Altro")}));
        dir.write("2020.vis", Archive({Card("AB123CD", "Vecchio"), Card("AB123CD", "Recente")}));
        const PlateRecall recall = RecallPlate(dir.path("2021.vis"), "ab 123-cd");
        QVERIFY(!recall.stillInside);
        QVERIFY(recall.latest);
        QCOMPARE(recall.latest->cardNumber, 2);
        QCOMPARE(recall.latest->card.Conduttore, QStringLiteral("Recente"));
        QVERIFY(recall.latest->previousYear);
    }

    // A missing year before is never created; one that cannot be read is
    // passed over without a failure.
    void previousYearMissingOrDamaged()
    {
        TempProgramFolder dir;
        dir.write("2021.vis", QByteArray());
        QVERIFY(!RecallPlate(dir.path("2021.vis"), "AB123CD").latest);
        QVERIFY(!QFile::exists(dir.path("2020.vis")));

        // A folder where the archive should be, then a file with a torn tail.
        QVERIFY(QDir(dir.folder()).mkdir("2020.vis"));
        QVERIFY(!RecallPlate(dir.path("2021.vis"), "AB123CD").latest);
        QVERIFY(QDir(dir.folder()).rmdir("2020.vis"));
        dir.write("2020.vis", Archive({Card("AB123CD", "Intera")}) + QByteArray(700, 'x'));
        const PlateRecall torn = RecallPlate(dir.path("2021.vis"), "AB123CD");
        QVERIFY(torn.latest);
        QCOMPARE(torn.latest->card.Conduttore, QStringLiteral("Intera"));
        QFile::setPermissions(dir.path("2021.vis"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                        QFileDevice::ReadOther | QFileDevice::WriteOther);
        // Unreadable for the operator (made so while still its owner).
        QFile::setPermissions(dir.path("2020.vis"), QFileDevice::Permissions());
        {
            AsOrdinaryUser ordinary;
            QVERIFY(!RecallPlate(dir.path("2021.vis"), "AB123CD").latest);
        }
        QFile::setPermissions(dir.path("2020.vis"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void previousYearPath()
    {
        QCOMPARE(PreviousYearPath("/gate/2021.vis"), QStringLiteral("/gate/2020.vis"));
        QCOMPARE(PreviousYearPath("/gate/2000.vis"), QStringLiteral("/gate/1999.vis"));
        QVERIFY(PreviousYearPath("/gate/archivio.vis").isEmpty());
        QVERIFY(PreviousYearPath("/gate/2021.pro").isEmpty());
    }

    void fleetVehicleAndFilling()
    {
        TempProgramFolder dir;
        VehicleRecord van;
        van.Marca = "Iveco";
        van.Modello = "Daily";
        van.Targa = "AB 123 CD";
        van.Conducente = "Luca Bianchi";
        van.Recapito = "3331234567";
        FleetArchive::AppendCard(van, dir.path("Flotta_Automezzi.pro"));
        const auto found = FleetVehicleWithPlate(dir.path("Flotta_Automezzi.pro"), "ab123cd");
        QVERIFY(found);
        QVERIFY(!FleetVehicleWithPlate(dir.path("Flotta_Automezzi.pro"), "AB123CE"));
        QVERIFY(!FleetVehicleWithPlate(dir.path("Altro.pro"), "AB123CD"));
        QVERIFY(!QFile::exists(dir.path("Altro.pro")));

        // Typed text stays; only empty fields are filled.
        VisitRecord typed;
        typed.Targa = "ab 123-cd";
        typed.Conduttore = "Giorgio Neri";
        typed.Luogo = " ";
        VisitRecord source = VehicleAsVisit(*found);
        source.Luogo = "Magazzino";
        const VisitRecord filled = FilledFrom(typed, source);
        QCOMPARE(filled.Veicolo, QStringLiteral("Iveco Daily"));
        QCOMPARE(filled.Conduttore, QStringLiteral("Giorgio Neri"));
        QCOMPARE(filled.TelCel, QStringLiteral("3331234567"));
        QCOMPARE(filled.Luogo, QStringLiteral("Magazzino"));
        QCOMPARE(filled.Targa, QStringLiteral("ab 123-cd"));
    }
};

QTEST_GUILESS_MAIN(TestPlateRecall)
#include "tst_platerecall.moc"
