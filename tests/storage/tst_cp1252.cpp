#include "varcanto_core.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private slots:
    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "AB-12 cd" << QByteArray("AB-12 cd");
        QTest::newRow("latin-1 accents") << "Sì è" << QByteArray("S\xEC \xE8");
        QTest::newRow("euro and quotes") << "€‘’“”–—…" << QByteArray("\x80\x91\x92\x93\x94\x96\x97\x85");
        QTest::newRow("letters of the 0x80 row") << "ŠšŽžŒœŸƒ" << QByteArray("\x8A\x9A\x8E\x9E\x8C\x9C\x9F\x83");
        QTest::newRow("accented letter outside the page") << "ąćęńśźż" << QByteArray("acenszz");
        QTest::newRow("letters with no decomposition") << "łŁđĐħı" << QByteArray("lLdDhi");
        QTest::newRow("fullwidth letter") << "Ａｂ" << QByteArray("Ab");
        QTest::newRow("no similar letter") << "中" << QByteArray("?");
        QTest::newRow("character beyond the BMP is one byte") << "a😀b" << QByteArray("a?b");
    }
    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ToCp1252(text), bytes);
    }

    void decodesEveryByteAndRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = FromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xEC), QChar(0xEC));
        QCOMPARE(ToCp1252(text), all);
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
