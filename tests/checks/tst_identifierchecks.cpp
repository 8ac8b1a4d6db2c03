// The fiscal code and VAT number checks against known codes and against the
// published rules, written here in their other common form, on thousands of
// generated codes and numbers.
#include "varcanto_core.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// The published odd-place rule as a string: the letter at index v is the one
// worth v in an odd place; a digit is worth what the letter of its rank is
// (0 as A, 1 as B, ...).
const QString OddRanking = QStringLiteral("BAKPLCQDREVOSFTGUHMINJWZYX");

int oddValue(QChar c)
{
    const QChar letter = c.isDigit() ? QChar(u'A' + (c.unicode() - u'0')) : c;
    return int(OddRanking.indexOf(letter));
}

int evenValue(QChar c)
{
    return c.isDigit() ? c.unicode() - u'0' : c.unicode() - u'A';
}

QChar checkLetter(const QString &first15)
{
    int sum = 0;
    for (int i = 0; i < 15; ++i)
        sum += i % 2 == 0 ? oddValue(first15.at(i)) : evenValue(first15.at(i));
    return QChar(u'A' + sum % 26);
}

// The Luhn rule read from the right over all eleven digits: every second
// digit from the right doubled (less 9 above 9), the total a multiple of 10.
bool luhnHolds(const QString &number)
{
    int sum = 0;
    for (int i = 0; i < number.size(); ++i) {
        int d = number.at(number.size() - 1 - i).unicode() - u'0';
        if (i % 2 == 1)
            d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        sum += d;
    }
    return sum % 10 == 0;
}
} // namespace

class TestIdentifierChecks : public QObject
{
    Q_OBJECT

private slots:
    void knownFiscalCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        QTest::newRow("textbook example") << "RSSMRA85T10A562S" << true;
        QTest::newRow("woman, Rome") << "BNCLRA70A41H501B" << true;
        QTest::newRow("Milan") << "VRDGPP80A01F205X" << true;
        QTest::newRow("omocodia letter in place 15") << "RSSMRA85T10A56VX" << true;
        QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << false;
        QTest::newRow("two places swapped") << "RSSMRA58T10A562S" << false;
        QTest::newRow("15 characters") << "RSSMRA85T10A562" << false;
        QTest::newRow("17 characters") << "RSSMRA85T10A562SS" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("lower case is not upper-cased here") << "rssmra85t10a562s" << false;
        QTest::newRow("inner blank") << "RSSMRA 5T10A562S" << false;
        QTest::newRow("accented letter") << QStringLiteral("RSSMRÀ85T10A562S") << false;
        QTest::newRow("hyphen") << "RSSMRA-5T10A562S" << false;
        // Colon to at sign are worth 0 in both places: ':' in place 3 counts
        // as 'B' there (odd), '@' in place 2 as 'A' (even).
        QTest::newRow("colon in an odd place") << QString("RS:MRA85T10A562") + checkLetter("RSBMRA85T10A562")
                                               << true;
        QTest::newRow("at sign in an even place") << QString("R@SMRA85T10A562") + checkLetter("RASMRA85T10A562")
                                                  << true;
    }

    void knownFiscalCodes()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(CheckFiscalCode(code), valid);
    }

    // For random first fifteen characters exactly one of the 26 letters is
    // accepted in place 16, and it is the one of the published rule.
    void generatedFiscalCodes()
    {
        const QString alphabet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        QRandomGenerator random(20210305);
        for (int n = 0; n < 3000; ++n) {
            QString first15;
            for (int i = 0; i < 15; ++i)
                first15 += alphabet.at(random.bounded(int(alphabet.size())));
            const QChar expected = checkLetter(first15);
            for (char16_t last = u'A'; last <= u'Z'; ++last)
                QCOMPARE(CheckFiscalCode(first15 + QChar(last)), QChar(last) == expected);
            QVERIFY(!CheckFiscalCode(first15 + QLatin1Char('0')));
        }
    }

    void knownVatNumbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::newRow("company in Milan") << "00743110157" << true;
        QTest::newRow("sequence") << "12345678903" << true;
        QTest::newRow("eleven zeros") << "00000000000" << true;
        QTest::newRow("wrong check digit") << "00743110158" << false;
        QTest::newRow("two digits swapped") << "07043110157" << false;
        QTest::newRow("10 digits") << "0074311015" << false;
        QTest::newRow("12 digits") << "007431101570" << false;
        QTest::newRow("a letter among 11") << "0074311015A" << false;
        QTest::newRow("a blank among 11") << "0074311 157" << false;
        QTest::newRow("empty") << "" << false;
    }

    void knownVatNumbers()
    {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        QCOMPARE(CheckVatNumber(number), valid);
    }

    // For random first ten digits exactly one last digit is accepted, and the
    // whole number then passes the Luhn rule read from the right.
    void generatedVatNumbers()
    {
        QRandomGenerator random(1875);
        for (int n = 0; n < 5000; ++n) {
            QString first10;
            for (int i = 0; i < 10; ++i)
                first10 += QChar(u'0' + random.bounded(10));
            int accepted = 0;
            for (char16_t last = u'0'; last <= u'9'; ++last) {
                const QString number = first10 + QChar(last);
                QCOMPARE(CheckVatNumber(number), luhnHolds(number));
                accepted += CheckVatNumber(number);
            }
            QCOMPARE(accepted, 1);
        }
    }

    void vatOffices_data()
    {
        QTest::addColumn<QString>("office");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << "001" << "Torino";
        QTest::newRow("accented name") << "040" << QStringLiteral("Forlì");
        QTest::newRow("parentheses") << "096" << "Monza (Milano 2)";
        QTest::newRow("last without a gap") << "102" << "Napoli 2";
        QTest::newRow("120 shares Bologna 2") << "120" << "Bologna 2";
        QTest::newRow("101 is Bologna 2") << "101" << "Bologna 2";
        QTest::newRow("121 shares Napoli 2") << "121" << "Napoli 2";
        QTest::newRow("000") << "000" << "";
        QTest::newRow("gap 103") << "103" << "";
        QTest::newRow("gap 119") << "119" << "";
        QTest::newRow("122") << "122" << "";
        QTest::newRow("999") << "999" << "";
        QTest::newRow("not three digits") << "1" << "";
        QTest::newRow("exact text only") << " 01" << "";
    }

    void vatOffices()
    {
        QFETCH(QString, office);
        QFETCH(QString, name);
        QCOMPARE(VatOfficeName(office), name);
    }
};

QTEST_APPLESS_MAIN(TestIdentifierChecks)
#include "tst_identifierchecks.moc"
