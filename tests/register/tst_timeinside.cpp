#include "core/register/TimeInside.h"
#include "core/register/VisitRecord.h"

#include "TestFolder.h"

#include <QTest>

namespace {
const QDateTime Now(QDate(2026, 12, 10), QTime(9, 30, 40));
} // namespace

class TestTimeInside : public QObject
{
    Q_OBJECT

private slots:
    void timeSinceEntry_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("maxHours");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("over");
        QTest::newRow("minutes") << "10/12/2026" << "08:45" << 8 << "45 min" << false;
        QTest::newRow("just now") << "10/12/2026" << "09:30" << 8 << "0 min" << false;
        QTest::newRow("hours and minutes") << "10/12/2026" << "06:10" << 8 << "3 h 20 min" << false;
        QTest::newRow("whole hours") << "10/12/2026" << "06:30" << 8 << "3 h" << false;
        QTest::newRow("h:nn") << "10/12/2026" << "6:10" << 8 << "3 h 20 min" << false;
        QTest::newRow("exactly the limit") << "10/12/2026" << "01:30" << 8 << "8 h" << false;
        QTest::newRow("a minute over") << "10/12/2026" << "01:29" << 8 << "8 h 1 min" << true;
        QTest::newRow("days and hours") << "08/12/2026" << "05:10" << 8 << "2 g 4 h" << true;
        QTest::newRow("no limit") << "08/12/2026" << "05:10" << 0 << "2 g 4 h" << false;
        QTest::newRow("since yesterday") << "09/12/2026" << "17:00" << 8 << "16 h 30 min" << true;
        QTest::newRow("time not hh:nn") << "08/12/2026" << "8.30" << 8 << "2 g" << true;
        QTest::newRow("no time, today") << "10/12/2026" << "" << 8 << "0 g" << false;
        QTest::newRow("hour out of range") << "09/12/2026" << "25:00" << 8 << "1 g" << true;
        QTest::newRow("later today") << "10/12/2026" << "10:00" << 8 << "" << false;
        QTest::newRow("tomorrow") << "11/12/2026" << "" << 8 << "" << false;
        QTest::newRow("date not dd/mm/yyyy") << "1/12/2026" << "08:00" << 8 << "" << false;
    }
    void timeSinceEntry()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, maxHours);
        QFETCH(QString, text);
        QFETCH(bool, over);
        const TimeInside inside = TimeInsideOf(date, time, Now, maxHours);
        QCOMPARE(inside.text, text);
        QCOMPARE(inside.overLimit, over);
    }

    // Only cards without exit; every line ends with the time inside, those
    // over the limit are marked and highlighted; the order is the whole line's.
    void listOfTheVehiclesInside()
    {
        TempProgramFolder dir;
        auto card = [](const QString &vehicle, const QString &date, const QString &time, const QString &out = {}) {
            VisitRecord c;
            c.Veicolo = vehicle;
            c.Targa = "AA111AA";
            c.DataEnt = date;
            c.OraEnt = time;
            c.DataUsc = out;
            return c.toBytes();
        };
        dir.write("2026.vis", card("Opel", "09/12/2026", "08:00") + card("Fiat", "10/12/2026", "09:00") +
                                  card("Audi", "10/12/2026", "07:00", "10/12/2026") +
                                  card("Bmw", "11/12/2026", "08:00"));
        const VehiclesInside inside = CollectVehiclesInside(dir.path("2026.vis"), Now, 8);
        QCOMPARE(inside.inside, 3);
        QCOMPARE(inside.overLimit, 1);
        QCOMPARE(inside.lines.lines.size(), 3);
        const ListLine &bmw = inside.lines.lines[0];
        QVERIFY2(bmw.text.endsWith("  Tel.   Dentro da: "), qPrintable(bmw.text));
        const ListLine &fiat = inside.lines.lines[1];
        QCOMPARE(fiat.cardNumber, 2);
        QVERIFY2(fiat.text.endsWith("  Dentro da: 30 min"), qPrintable(fiat.text));
        QVERIFY(!fiat.highlighted);
        const ListLine &opel = inside.lines.lines[2];
        QVERIFY2(opel.text.endsWith("  Dentro da: 1 g 1 h  OLTRE IL LIMITE"), qPrintable(opel.text));
        QVERIFY(opel.highlighted);
        QCOMPARE(VehiclesInsideSummary(inside, 8), QStringLiteral("3 veicoli all'interno, 1 oltre il limite di 8 ore."));
        QCOMPARE(VehiclesInsideSummary(CollectVehiclesInside(dir.path("2026.vis"), Now, 0), 0),
                 QStringLiteral("3 veicoli all'interno."));
    }
};

QTEST_GUILESS_MAIN(TestTimeInside)
#include "tst_timeinside.moc"
