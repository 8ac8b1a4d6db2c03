// The fiscal code and VAT number windows: what they say for each kind of
// text, when they stay open, and how typing is normalised or filtered.
#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString CodeLength = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString CodeValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString CodeWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString VatLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString VatWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative all'Ufficio IVA che lo ha rilasciato.");
QString VatValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio "
                          "IVA del Comune di ")
        + office + QLatin1Char('.');
}

template <class Window>
QLineEdit *entry(Window &window, const char *name)
{
    return window.template findChild<QLineEdit *>(QLatin1String(name));
}
} // namespace

Q_DECLARE_METATYPE(MessageKind)

class TestCheckWindows : public QObject
{
    Q_OBJECT

    // Shows the window, presses Controlla and tells whether it stayed open.
    template <class Window>
    bool check(Window &window)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QTest::mouseClick(window.template findChild<QPushButton *>("btnControlla"), Qt::LeftButton);
        return window.isVisible();
    }

private slots:
    void initTestCase() { Q_INIT_RESOURCE(assets); }

    void fiscalCode_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("valid") << "RSSMRA85T10A562S" << CodeValid << MessageKind::Information << false;
        QTest::newRow("handed in lower case") << "rssmra85t10a562s" << CodeValid << MessageKind::Information << false;
        QTest::newRow("wrong last letter") << "RSSMRA85T10A562T" << CodeWrong << MessageKind::Warning << false;
        QTest::newRow("blank inside") << "RSSMRA 5T10A562S" << CodeWrong << MessageKind::Warning << false;
        QTest::newRow("empty") << "" << CodeLength << MessageKind::Warning << true;
        QTest::newRow("15 characters") << "RSSMRA85T10A562" << CodeLength << MessageKind::Warning << true;
        QTest::newRow("longer handed in, shown whole") << "RSSMRA85T10A562SXX" << CodeLength << MessageKind::Warning
                                                       << true;
        // Not trimmed before the length test.
        QTest::newRow("trailing blank handed in") << "RSSMRA85T10A562S " << CodeLength << MessageKind::Warning << true;
    }

    void fiscalCode()
    {
        QFETCH(QString, given);
        QFETCH(QString, message);
        QFETCH(MessageKind, kind);
        QFETCH(bool, staysOpen);
        ScriptedDialogs script;
        TfrmCodFisc window;
        QCOMPARE(window.windowTitle(), QStringLiteral(" Controllo codice fiscale"));
        window.SetCode(given);
        QCOMPARE(entry(window, "txtCodFisc")->text(), given);
        QCOMPARE(check(window), staysOpen);
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(script.messages[0].text, message);
        QCOMPARE(script.messages[0].kind, kind);
        if (staysOpen)
            QCOMPARE(QApplication::focusWidget(), entry(window, "txtCodFisc"));
    }

    void fiscalCodeTyping()
    {
        ScriptedDialogs script;
        TfrmCodFisc window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit *field = entry(window, "txtCodFisc");
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->maxLength(), 16);
        // A blank typed at the end vanishes at once; between two characters it stays.
        QTest::keyClicks(field, "rss mra ");
        QCOMPARE(field->text(), QStringLiteral("RSSMRA"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Space);
        QCOMPARE(field->text(), QStringLiteral("RSS MRA"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget *>("btnControlla"));
        QVERIFY(script.messages.isEmpty());
        QVERIFY(window.isVisible());
    }

    void vatNumber_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("valid, Milano 1") << "00743110157" << VatValid("Milano 1") << MessageKind::Information << false;
        QTest::newRow("eleven zeros, no office") << "00000000000" << VatValid("") << MessageKind::Information << false;
        QTest::newRow("office 101") << "00000001016" << VatValid("Bologna 2") << MessageKind::Information << false;
        QTest::newRow("office 120") << "00000001206" << VatValid("Bologna 2") << MessageKind::Information << false;
        QTest::newRow("office 121") << "00000001214" << VatValid("Napoli 2") << MessageKind::Information << false;
        QTest::newRow("wrong check digit") << "00743110158" << VatWrong << MessageKind::Warning << false;
        QTest::newRow("pasted letter among 11") << "0074311015A" << VatWrong << MessageKind::Warning << false;
        QTest::newRow("empty") << "" << VatLength << MessageKind::Warning << true;
        QTest::newRow("10 digits") << "0074311015" << VatLength << MessageKind::Warning << true;
        QTest::newRow("12 digits handed in") << "007431101570" << VatLength << MessageKind::Warning << true;
    }

    void vatNumber()
    {
        QFETCH(QString, given);
        QFETCH(QString, message);
        QFETCH(MessageKind, kind);
        QFETCH(bool, staysOpen);
        ScriptedDialogs script;
        TfrmPartitaIva window;
        QCOMPARE(window.windowTitle(), QStringLiteral(" Controllo partita IVA"));
        window.SetNumber(given);
        QCOMPARE(entry(window, "txtPartitaIva")->text(), given);
        QCOMPARE(check(window), staysOpen);
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(script.messages[0].text, message);
        QCOMPARE(script.messages[0].kind, kind);
        if (staysOpen)
            QCOMPARE(QApplication::focusWidget(), entry(window, "txtPartitaIva"));
    }

    void vatNumberTyping()
    {
        ScriptedDialogs script;
        TfrmPartitaIva window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit *field = entry(window, "txtPartitaIva");
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->maxLength(), 11);
        QTest::keyClicks(field, "0a 07-4.3");
        QCOMPARE(field->text(), QStringLiteral("00743"));
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Right);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("0073"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget *>("btnControlla"));
        QVERIFY(script.messages.isEmpty());
    }
};

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
