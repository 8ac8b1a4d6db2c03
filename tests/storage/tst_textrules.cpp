#include "varcanto_core.h"

#include "TestFolder.h"

#include <QTest>

class TestTextRules : public QObject
{
    Q_OBJECT
private slots:
    void lineBreakPairsBecomeOneLineBreakEach_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("LF CR") << "a\n\rb" << "a\nb";
        QTest::newRow("CR LF") << "a\r\nb" << "a\nb";
        QTest::newRow("two LF CR: one blank line") << "a\n\r\n\rb" << "a\n\nb";
        QTest::newRow("two CR LF: one blank line") << "a\r\n\r\nb" << "a\n\nb";
        QTest::newRow("lone LF") << "a\nb" << "a\nb";
        QTest::newRow("at the end") << "a\n\r" << "a\n";
    }
    void lineBreakPairsBecomeOneLineBreakEach()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(PlatformLineBreaks(text), shown);
    }

    void yearTextIsFourDigits()
    {
        QVERIFY(IsYearText("2026"));
        for (const char *bad : {"", "202", "20261", "20a6", "../x", " 2026"})
            QVERIFY2(!IsYearText(QString::fromLatin1(bad)), bad);
        QVERIFY(!IsYearText(QString::fromUtf8("２０２６")));
        QVERIFY(YearArchive::PathFor("../x").isEmpty());
        QVERIFY(YearArchive::PathFor(" 2026 ").endsWith("/2026.vis"));
    }

    void trimRemovesBlanksAndControlsAtBothEndsOnly()
    {
        QCOMPARE(Trim(QStringLiteral(" \t\r\n a b\x01\x1f ")), QStringLiteral("a b"));
        QCOMPARE(Trim(QStringLiteral("   ")), QString());
        // A no-break space (U+00A0) is above U+0020 and stays.
        QCOMPARE(Trim(QStringLiteral("\u00A0x\u00A0")), QStringLiteral("\u00A0x\u00A0"));
        // The same rule on stored Windows-1252 bytes: bytes from 0x80 up
        // (no-break space, euro sign) are text and stay.
        QCOMPARE(TrimmedBytes("\x01 \xA0x\x80 \x1f").toByteArray(), QByteArray("\xA0x\x80"));
        QVERIFY(TrimmedBytes(" \t\r\n").isEmpty());
    }

    void upperCaseTouchesOnlyAtoZ()
    {
        QCOMPARE(UpperAZ(QStringLiteral("ab12cd èàß z")), QStringLiteral("AB12CD èàß Z"));
    }

    void dateValidity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("leap day of a leap year") << "29/02/2024" << true;
        QTest::newRow("leap day of a common year") << "29/02/2023" << false;
        QTest::newRow("31 November") << "31/11/2023" << false;
        QTest::newRow("31 April") << "31/04/2021" << false;
        QTest::newRow("first of the year") << "01/01/2022" << true;
        QTest::newRow("last of the year") << "31/12/2021" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << "ab/cd/efgh" << false;
        QTest::newRow("month 13") << "01/13/2021" << false;
        QTest::newRow("day zero") << "00/01/2021" << false;
        QTest::newRow("other separator") << "01-01-2021" << false;
        QTest::newRow("blank inside") << "01/01/ 2021" << false;
        QTest::newRow("shortened form") << "1/1/2022" << false;
    }
    void dateValidity()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidDate(text), valid);
    }

    void dateAndTimeTextsHaveLeadingZerosAndNoSeconds()
    {
        FixedClock clock(QDateTime(QDate(2022, 1, 5), QTime(7, 4, 59)));
        QCOMPARE(TodayText(), QStringLiteral("05/01/2022"));
        QCOMPARE(NowTimeText(), QStringLiteral("07:04"));
        QCOMPARE(TimeText(QTime(23, 59)), QStringLiteral("23:59"));
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
