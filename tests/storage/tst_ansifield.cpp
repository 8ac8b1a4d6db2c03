#include "varcanto_core.h"

#include <QTest>

class TestAnsiField : public QObject
{
    Q_OBJECT
private slots:
    void store_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("text then zeros") << 5 << "ab" << QByteArray("\x02" "ab\0\0\0", 6);
        QTest::newRow("trimmed both ends") << 5 << " \t ab \r\n" << QByteArray("\x02" "ab\0\0\0", 6);
        QTest::newRow("only blanks is empty") << 3 << "    " << QByteArray(4, '\0');
        QTest::newRow("cut to capacity") << 3 << "abcdef" << QByteArray("\x03" "abc", 4);
        QTest::newRow("code page") << 2 << "Sì" << QByteArray("\x02" "S\xEC", 3);
        QTest::newRow("inner blanks kept") << 5 << "a  b" << QByteArray("\x04" "a  b\0", 6);
        // Every field is one line: breaks and tabs inside become blanks.
        QTest::newRow("tab inside") << 5 << "a\tb" << QByteArray("\x03" "a b\0\0", 6);
        QTest::newRow("CR LF inside is one blank") << 5 << "a\r\nb" << QByteArray("\x03" "a b\0\0", 6);
        QTest::newRow("LF, line separator") << 5 << QString("a\nb") + QChar(0x2028) + "c"
                                           << QByteArray("\x05" "a b c", 6);
    }
    void store()
    {
        QFETCH(int, capacity);
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QByteArray bytes(capacity + 1, '\xFF');
        StoreAnsiField(bytes.data(), capacity, text);
        QCOMPARE(bytes, field);
    }

    void longTextKeepsItsFirstCapacityCharacters()
    {
        const QString text = QString(240, QLatin1Char('a')) + QString(60, QLatin1Char('b'));
        QByteArray bytes(251, '\0');
        StoreAnsiField(bytes.data(), 250, text);
        QCOMPARE(int(static_cast<unsigned char>(bytes[0])), 250);
        QCOMPARE(LoadAnsiField(bytes.constData(), 250), text.left(250));
    }

    void load_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes after the length ignored") << 5 << QByteArray("\x02" "abXYZ") << "ab";
        QTest::newRow("length zero") << 3 << QByteArray("\x00" "abc", 4) << "";
        QTest::newRow("length over capacity read as capacity") << 3 << QByteArray("\xFF" "abc") << "abc";
        QTest::newRow("loaded text is trimmed") << 5 << QByteArray("\x05 ab \x01") << "ab";
        QTest::newRow("code page") << 2 << QByteArray("\x02" "S\xEC") << "Sì";
    }
    void load()
    {
        QFETCH(int, capacity);
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QCOMPARE(LoadAnsiField(field.constData(), capacity), text);
    }
};

QTEST_GUILESS_MAIN(TestAnsiField)
#include "tst_ansifield.moc"
