#include "core/register/RegisterLists.h"
#include "core/register/VisitRecord.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
const QString Today = QStringLiteral("10/12/2026");

VisitRecord Card(const QString &vehicle, const QString &plate, const QString &in, const QString &out,
                 const QString &outTime = {})
{
    VisitRecord c;
    c.DataEnt = in;
    c.OraEnt = QStringLiteral("08:15");
    c.Veicolo = vehicle;
    c.Targa = plate;
    c.Conduttore = QStringLiteral("Mario Rossi");
    c.TelCel = QStringLiteral("3331234567");
    c.DataUsc = out;
    c.OraUsc = out.isEmpty() ? outTime : QStringLiteral("17:40");
    return c;
}

// The gate's day: card numbers 1-7.
QByteArray DayArchive()
{
    QByteArray bytes;
    bytes += Card("Iveco Daily", "AA111AA", Today, {}).toBytes();                  // 1 in today, inside
    bytes += Card("Fiat Ducato", "BB222BB", "09/12/2026", Today).toBytes();        // 2 in yesterday, out today
    bytes += Card("Ford Transit", "CC333CC", Today, Today).toBytes();              // 3 in and out today
    bytes += Card("Opel Vivaro", "DD444DD", "10/01/2025", {}, "09:00").toBytes();  // 4 old, exit time only
    bytes += Card("Audi A4", "EE555EE", "1/12/2026", {}).toBytes();                // 5 date not in dd/mm/yyyy
    bytes += Card("Fiat Ducato", "BB222BB", "09/12/2026", Today).toBytes();        // 6 same line as 2
    bytes += Card("Lancia Ypsilon", "FF666FF", "05/12/2026", "06/12/2026").toBytes(); // 7 completed
    return bytes;
}

QList<int> Numbers(const ListLines &lines)
{
    QList<int> out;
    for (const ListLine &l : lines.lines)
        out << l.cardNumber;
    return out;
}
} // namespace

class TestRegisterLists : public QObject
{
    Q_OBJECT

private slots:
    void dailyListsChooseTheirCards_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QList<int>>("cards"); // in list order
        QTest::newRow("entered today") << int(RegisterList::EnteredToday) << QList<int>{3, 1};
        QTest::newRow("left today") << int(RegisterList::LeftToday) << QList<int>{2, 6, 3};
        QTest::newRow("not yet left, whatever the entry") << int(RegisterList::NotLeft) << QList<int>{5, 1, 4};
    }
    void dailyListsChooseTheirCards()
    {
        QFETCH(int, list);
        QFETCH(QList<int>, cards);
        TempProgramFolder dir;
        dir.write("2026.vis", DayArchive());
        const ListLines lines = CollectRegisterList(dir.path("2026.vis"), RegisterList(list), Today);
        QVERIFY(!lines.failed);
        QCOMPARE(Numbers(lines), cards);
    }

    void lineLayouts()
    {
        VisitRecord c = Card(QString(35, 'V'), "AB1", "09/12/2026", Today);
        c.Conduttore = QStringLiteral("  Anna Esposito ");
        const QByteArray r = c.toBytes();
        const QString head = QString(30, 'V') + "  Targa: AB1         ";
        QCOMPARE(RegisterListLine(RegisterList::EnteredToday, r.constData()),
                 head + "  Ora entrata: 08:15  Uscita: 10/12/2026  Ora: 17:40  Conducente: Anna Esposito");
        QCOMPARE(RegisterListLine(RegisterList::LeftToday, r.constData()),
                 head + "  Ora uscita: 17:40  Entrata: 09/12/2026  Ora: 08:15  Conducente: Anna Esposito");
        QCOMPARE(RegisterListLine(RegisterList::NotLeft, r.constData()),
                 head + "  Entrata: 09/12/2026  Ora: 08:15  Conducente: Anna Esposito" + QString(17, ' ')
                     + "  Tel. 3331234567");
        QCOMPARE(RegisterSearchLine(r.constData()),
                 QString(28, 'V') + "  Targa: AB1           Entrata: 09/12/2026  Ora: 08:15  Uscita: 10/12/2026  Ora: "
                                    "17:40  Conducente: Anna Esposito");
        QCOMPARE(RegisterListTitle(RegisterList::EnteredToday, Today), "Veicoli entrati in data 10/12/2026");
        QCOMPARE(RegisterListTitle(RegisterList::LeftToday, Today), "Veicoli usciti in data 10/12/2026");
        QCOMPARE(RegisterListTitle(RegisterList::NotLeft, Today), "Veicoli non ancora usciti");
    }

    // Criteria by field name; the cards found, in list order.
    void searchMatching_data()
    {
        QTest::addColumn<QStringList>("criteria"); // field=text pairs
        QTest::addColumn<QList<int>>("cards");
        QTest::newRow("no criterion: every card") << QStringList{} << QList<int>{5, 2, 6, 3, 1, 7, 4};
        QTest::newRow("capitals find small letters") << QStringList{"Veicolo=FIAT"} << QList<int>{2, 6};
        QTest::newRow("part of a date") << QStringList{"DataEnt=12/2026"} << QList<int>{5, 2, 6, 3, 1, 7};
        QTest::newRow("dates as text") << QStringList{"DataEnt=1/12/2026"} << QList<int>{5};
        QTest::newRow("both criteria must match") << QStringList{"Veicolo=fiat", "Targa=CC"} << QList<int>{};
        QTest::newRow("two criteria matching") << QStringList{"Veicolo=fiat", "DataUsc=10/12"} << QList<int>{2, 6};
        QTest::newRow("trailing space is matched") << QStringList{"Conduttore=rossi "} << QList<int>{};
        QTest::newRow("inner space is matched") << QStringList{"Veicolo=L V"} << QList<int>{4};
        QTest::newRow("blank criterion is no criterion") << QStringList{"Note=  ", "Veicolo=audi"} << QList<int>{5};
        QTest::newRow("accented capital is not its small letter") << QStringList{QString::fromUtf8("Veicolo=È")}
                                                                  << QList<int>{};
        QTest::newRow("character outside the code page") << QStringList{QString::fromUtf8("Veicolo=ł")}
                                                         << QList<int>{};
    }
    void searchMatching()
    {
        QFETCH(QStringList, criteria);
        QFETCH(QList<int>, cards);
        TempProgramFolder dir;
        dir.write("2026.vis", DayArchive());
        RegisterCriteria c;
        for (const QString &pair : criteria) {
            const QString field = pair.section('=', 0, 0);
            for (int i = 0; i < 10; ++i) {
                if (field == QLatin1String(RegisterSearchFields[i]))
                    c.text[i] = pair.section('=', 1);
            }
        }
        const ListLines found = SearchRegister(dir.path("2026.vis"), c);
        QVERIFY(!found.failed);
        QCOMPARE(Numbers(found), cards);
    }

    void criteriaCountedWhenNotBlank()
    {
        RegisterCriteria c;
        c.text[0] = " 2026 ";
        c.text[3] = "   ";
        c.text[9] = "x";
        QCOMPARE(CountCriteria(c), 2);
    }

    void missingArchiveIsCreatedAndAFailureIsTold()
    {
        TempProgramFolder dir;
        const ListLines none = CollectRegisterList(dir.path("2030.vis"), RegisterList::NotLeft, Today);
        QVERIFY(!none.failed);
        QVERIFY(none.lines.isEmpty());
        QCOMPARE(QFile(dir.path("2030.vis")).size(), 0);
        QDir(dir.folder()).mkdir("2031.vis");
        QVERIFY(CollectRegisterList(dir.path("2031.vis"), RegisterList::NotLeft, Today).failed);
        QVERIFY(SearchRegister(dir.path("2031.vis"), {}).failed);
    }
};

QTEST_GUILESS_MAIN(TestRegisterLists)
#include "tst_registerlists.moc"
