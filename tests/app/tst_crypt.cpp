#include "varcanto_core.h"

#include "gui/help/HelpTopics.h"

#include <QFile>
#include <QTest>

class TestCrypt : public QObject
{
    Q_OBJECT
private slots:
    void emptyTextBothWays()
    {
        QCOMPARE(CryptEncode(QString()), QString());
        QCOMPARE(CryptDecode(QString()), std::optional<QString>(QString()));
    }

    void oneCharacterIsTwoUpperCaseHexDigits()
    {
        const QString hex = CryptEncode(QStringLiteral("A"));
        QCOMPARE(hex.size(), 2);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{2}$")).match(hex).hasMatch());
    }

    void roundTrips_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("letters") << "VARCANTO";
        QTest::newRow("accents and symbols") << "ÈÀ ù?!€"; // € keeps only its low byte
        QTest::newRow("every 8-bit code") << [] {
            QString s;
            for (int c = 1; c < 256; ++c)
                s += QChar(c);
            return s;
        }();
    }
    void roundTrips()
    {
        QFETCH(QString, plain);
        QString expected;
        for (QChar c : plain)
            expected += QChar(c.unicode() & 0xFF);
        const QString hex = CryptEncode(plain);
        QCOMPARE(hex.size(), plain.size() * 2);
        QCOMPARE(CryptDecode(hex), std::optional<QString>(expected));
        QCOMPARE(CryptDecode(hex.toLower()), std::optional<QString>(expected));
    }

    void oddLastCharacterIsIgnored()
    {
        const QString hex = CryptEncode(QStringLiteral("PASSWORD"));
        QCOMPARE(CryptDecode(hex + QLatin1Char('7')), CryptDecode(hex));
    }

    void nonHexPairFails_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::newRow("G") << "0G";
        QTest::newRow("blank") << "A 12";
        QTest::newRow("sign") << "-1";
    }
    void nonHexPairFails()
    {
        QFETCH(QString, hex);
        QVERIFY(!CryptDecode(hex).has_value());
    }

    void lastCharacterChangesOnlyTheLastTwoDigits()
    {
        const QString a = CryptEncode(QStringLiteral("SEGRETO1"));
        const QString b = CryptEncode(QStringLiteral("SEGRETO2"));
        QCOMPARE(a.left(14), b.left(14));
        QVERIFY(a.right(2) != b.right(2));
    }

    void atMost255CharactersAreEnciphered()
    {
        QCOMPARE(CryptEncode(QString(300, QLatin1Char('x'))).size(), 510);
    }

    void shippedStoreHoldsTheFirstAccessPassword()
    {
        // The store shipped with the program, as the install copies it.
        const QString hex = ReadIniKey(QStringLiteral(VARCANTO_ASSETS "/unins000.dll"), QStringLiteral("Accesso"),
                                       QStringLiteral("Valore"));
        QVERIFY(!hex.isEmpty());
        QCOMPARE(CryptDecode(hex), std::optional<QString>(QString::fromLatin1(FirstAccessPassword)));
    }
};

QTEST_GUILESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
