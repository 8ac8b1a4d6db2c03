// The monthly transit counts of a year's archive and the copies answer of
// the chart print.
#include "varcanto_core.h"

#include "TestFolder.h"

#include <QDir>
#include <QTest>

namespace {
// A card whose entry date field holds exactly these bytes (length byte
// included), as another program or a damaged disk may have left it.
QByteArray cardWithEntryBytes(const QByteArray &field)
{
    QByteArray card(VisitRecord::Size, '\0');
    card.replace(0, field.size(), field);
    return card;
}

QByteArray entryField(const QByteArray &text)
{
    return char(text.size()) + text;
}

QByteArray card(const QString &entry, const QString &exit = {})
{
    VisitRecord c;
    c.DataEnt = entry;
    c.OraEnt = QStringLiteral("08:00");
    c.Veicolo = QStringLiteral("Fiat Ducato");
    c.Targa = QStringLiteral("AB123CD");
    c.DataUsc = exit;
    return c.toBytes();
}

using Counts = std::array<int, 12>;
} // namespace

Q_DECLARE_METATYPE(Counts)

class TestTransitStatistics : public QObject
{
    Q_OBJECT
private slots:
    // Each card is counted once, in the month of its entry date, when that
    // date is written dd/mm/yyyy in the chosen year.
    void oneCardCountsInItsEntryMonth_data()
    {
        QTest::addColumn<QByteArray>("field"); // the stored field, length byte first
        QTest::addColumn<int>("month");        // 0: not counted
        QTest::newRow("15/01/2021") << entryField("15/01/2021") << 1;
        QTest::newRow("31/12/2021") << entryField("31/12/2021") << 12;
        QTest::newRow("another year") << entryField("15/03/2020") << 0;
        QTest::newRow("two-digit year") << entryField("15/03/21") << 0;
        QTest::newRow("one-digit day and month") << entryField("1/5/2021") << 0;
        QTest::newRow("blank inside the month") << entryField("15/ 8/2021") << 0;
        QTest::newRow("month 00") << entryField("15/00/2021") << 0;
        QTest::newRow("month 13") << entryField("15/13/2021") << 0;
        QTest::newRow("empty") << entryField("") << 0;
        // Blanks and control characters before the date are trimmed first,
        // which moves the month and year out of place.
        QTest::newRow("leading blanks") << entryField("  05/04/2021") << 0; // cut to ten: "  05/04/20"
        QTest::newRow("leading tab") << entryField("\t5/04/2021") << 0;
        // A length byte over the capacity reads as the capacity.
        QTest::newRow("damaged length") << QByteArray("\xff" "07/06/2021xxxx") << 6;
        QTest::newRow("letters beside") << entryField("xx/06/2021") << 6;
    }
    void oneCardCountsInItsEntryMonth()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, month);
        TempProgramFolder dir;
        dir.write("2021.vis", cardWithEntryBytes(field));
        Counts expected{};
        if (month)
            expected[month - 1] = 1;
        QCOMPARE(CountMonthlyTransits(dir.path("2021.vis"), "2021"), expected);
    }

    void countsEveryCardOfTheArchive()
    {
        TempProgramFolder dir;
        // A card entered in December and left in January counts once, in
        // December; exit dates are never counted.
        dir.write("2021.vis", card("15/01/2021") + card("20/01/2021", "20/01/2021") + card("03/02/2021")
                                  + card("31/12/2021", "02/01/2022") + card("10/05/2020", "10/05/2021"));
        const Counts expected{2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        QCOMPARE(CountMonthlyTransits(dir.path("2021.vis"), "2021"), expected);
        // The year is compared trimmed, as the window passes it.
        QCOMPARE(CountMonthlyTransits(dir.path("2021.vis"), " 2021 "), expected);
        QCOMPARE(CountMonthlyTransits(dir.path("2021.vis"), "2022"), Counts{});
    }

    void missingArchiveIsCreatedEmpty()
    {
        TempProgramFolder dir;
        QCOMPARE(CountMonthlyTransits(dir.path("1999.vis"), "1999"), Counts{});
        QVERIFY(QFile::exists(dir.path("1999.vis")));
        QCOMPARE(QFileInfo(dir.path("1999.vis")).size(), 0);
    }

    void unreadableArchiveRaisesIoError()
    {
        TempProgramFolder dir;
        QDir(dir.folder()).mkdir("2021.vis");
        QVERIFY_THROWS_EXCEPTION(IoError, CountMonthlyTransits(dir.path("2021.vis"), "2021"));
    }

    void copiesAnswer_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("capped");
        QTest::newRow("1") << "1" << 1 << false;
        QTest::newRow("3") << "3" << 3 << false;
        QTest::newRow("007") << "007" << 7 << false;
        QTest::newRow("empty") << "" << 1 << false;
        QTest::newRow("blanks") << "   " << 1 << false;
        QTest::newRow("2x") << "2x" << 1 << false;
        QTest::newRow("blank before") << " 2" << 1 << false;
        QTest::newRow("minus") << "-2" << 1 << false;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << 1 << false;
        QTest::newRow("zero") << "0" << 1 << false;
        QTest::newRow("maximum") << "99" << MaxChartCopies << false;
        QTest::newRow("just over") << "100" << MaxChartCopies << true;
        QTest::newRow("int overflow") << "2147483648" << MaxChartCopies << true;
        QTest::newRow("forty digits") << QString(40, '9') << MaxChartCopies << true;
        QTest::newRow("zeros before a small number") << QString(30, '0') + "5" << 5 << false;
    }
    void copiesAnswer()
    {
        QFETCH(QString, typed);
        QFETCH(int, copies);
        QFETCH(bool, capped);
        const CopiesAnswer answer = CopiesFromAnswer(typed);
        QCOMPARE(answer.copies, copies);
        QCOMPARE(answer.capped, capped);
    }
};

QTEST_GUILESS_MAIN(TestTransitStatistics)
#include "tst_transitstatistics.moc"
