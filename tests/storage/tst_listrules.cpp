#include "core/storage/ListRules.h"

#include <QTest>

class TestListRules : public QObject
{
    Q_OBJECT

private slots:
    void columnsAreTrimmedFilledOrCut()
    {
        QCOMPARE(ListColumn(QString(35, 'V'), 30), QString(30, 'V'));
        QCOMPARE(ListColumn(" AB1 ", 12), QStringLiteral("AB1         "));
        QCOMPARE(ListColumn("", 5), QStringLiteral("     "));
    }

    void sortOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("less");
        QTest::newRow("small letter as capital") << "abc" << "ABD" << true;
        QTest::newRow("same letters, either case") << "ABC" << "abc" << false;
        QTest::newRow("a-z before a bracket (A-Z < [)") << "a" << "[" << true;
        QTest::newRow("underscore after capitals, lowered letters with them") << "_" << "z" << false;
        QTest::newRow("prefix first") << "Fiat" << "Fiat Ducato" << true;
        QTest::newRow("accented letter by its code") << QString::fromUtf8("è") << "z" << false;
        QTest::newRow("accented capital before small") << QString::fromUtf8("É") << QString::fromUtf8("è") << true;
        QTest::newRow("space before letters") << "Fiat Panda" << "FiatA" << true;
    }
    void sortOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, less);
        QCOMPARE(ListTextLess(a, b), less);
    }

    void equalLinesKeepArchiveOrder()
    {
        QList<ListLine> lines = {{"Iveco", 1}, {"FIAT", 2}, {"fiat", 3}, {"Audi", 4}, {"Fiat", 5}};
        SortListLines(lines);
        QList<int> cards;
        for (const ListLine &l : lines)
            cards << l.cardNumber;
        QCOMPARE(cards, (QList<int>{4, 2, 3, 5, 1}));
    }

    // Each step: the text typed, the row selected before (-1 none), the row
    // selected after (-1: the selection stays). The last needle carries over.
    void findSteps_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("selectedBefore");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("case of A-Z ignored") << QStringList{"rossi"} << QList<int>{-1} << QList<int>{1};
        QTest::newRow("same text steps on and wraps round")
            << QStringList{"rossi", "rossi", "rossi"} << QList<int>{-1, 1, 3} << QList<int>{1, 3, 1};
        QTest::newRow("changed text starts again at row 0")
            << QStringList{"rossi", "fiat"} << QList<int>{-1, 1} << QList<int>{1, 0};
        QTest::newRow("only match stays selected") << QStringList{"verdi", "verdi"} << QList<int>{-1, 2}
                                                   << QList<int>{2, 2};
        QTest::newRow("no match") << QStringList{"bianchi"} << QList<int>{2} << QList<int>{-1};
        QTest::newRow("accented capital is not its small letter")
            << QStringList{QString::fromUtf8("è")} << QList<int>{-1} << QList<int>{-1};
        QTest::newRow("trailing space counts") << QStringList{"rossi "} << QList<int>{-1} << QList<int>{3};
        QTest::newRow("empty text matches nothing") << QStringList{""} << QList<int>{0} << QList<int>{-1};
    }
    void findSteps()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, selectedBefore);
        QFETCH(QList<int>, found);
        const QStringList lines = {"Fiat  Conducente: Verdo", "Iveco  Conducente: ROSSI", QString::fromUtf8("Ford  Conducente: Verdi È"),
                                   "Opel  Conducente: Rossi Mario"};
        QString last;
        for (int i = 0; i < typed.size(); ++i) {
            const int row = FindInListRow(int(lines.size()), [&](int r) { return lines.at(r); }, typed.at(i), last,
                                          selectedBefore.at(i));
            QCOMPARE(row, found.at(i));
            last = LowerAZ(typed.at(i));
        }
    }
};

QTEST_GUILESS_MAIN(TestListRules)
#include "tst_listrules.moc"
