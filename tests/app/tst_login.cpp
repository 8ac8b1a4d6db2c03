// The login and the change of password, driven through the real windows with
// the password store in a temporary program folder.
#include "core/access/Crypt.h"
#include "gui/kit/Dialogs.h"
#include "gui/help/HelpTopics.h"
#include "core/access/PasswordStore.h"
#include "core/storage/FileWrites.h"
#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "gui/access/TfrmAvvio.h"
#include "gui/access/TfrmCambiaPassword.h"
#include "gui/access/TfrmPassword.h"

#include "TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
const QString WrongPassword = QStringLiteral("Attenzione: password errata.");
const QString DamagedStore = QStringLiteral(
    "Attenzione: il file della password è mancante o danneggiato. "
    "Ripristinarlo da una copia di sicurezza o rivolgersi all'amministratore.");
const QString WrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
const QString NotStorable = QStringLiteral(
    "Attenzione: la nuova password non può superare i 255 caratteri né contenere caratteri non supportati, "
    "come il simbolo €. E' necessario reinserire entrambi i valori.");
const QString ChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");
const QString Changed = QStringLiteral("Modifica della password completata con successo.");

const QString Euro = QStringLiteral("€");

// The password of the store shipped with the program.
QString first()
{
    return QString::fromLatin1(FirstAccessPassword);
}

// Types text as keys: ASCII through keyClicks, anything else one character at a time.
void type(QLineEdit *field, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void storePassword(const QString &plain)
{
    PasswordStore::WriteValue(CryptEncode(plain));
}

QString storedPassword()
{
    return CryptDecode(PasswordStore::ReadValue()).value_or(QStringLiteral("<damaged>"));
}
} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;

    TfrmPassword *login() { return qobject_cast<TfrmPassword *>(Navigator::Screen(ScreenId::Login)); }
    TfrmCambiaPassword *change() { return qobject_cast<TfrmCambiaPassword *>(Navigator::Screen(ScreenId::ChangePassword)); }
    QLineEdit *txtPassword() { return control<QLineEdit>(login(), "txtPassword"); }

    void activate(QWidget *window)
    {
        // Let the hidden screens give up the activation first.
        QCoreApplication::processEvents();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // What the user does at the login: clear, type, then Enter or OK.
    void tryLogin(const QString &text, bool byEnter = false)
    {
        txtPassword()->clear();
        type(txtPassword(), text);
        if (byEnter)
            QTest::keyClick(txtPassword(), Qt::Key_Return);
        else
            QTest::mouseClick(control<QPushButton>(login(), "cmdOK"), Qt::LeftButton);
    }

    void openChange()
    {
        QTest::mouseClick(control<QPushButton>(login(), "btnCambiaPassword"), Qt::LeftButton);
        QVERIFY(change()->isVisible());
        QVERIFY(!login()->isVisible());
        activate(change());
    }

    void fillChange(const QString &old, const QString &fresh, const QString &confirm)
    {
        type(control<QLineEdit>(change(), "txtPasswordOld"), old);
        type(control<QLineEdit>(change(), "txtPasswordNew"), fresh);
        type(control<QLineEdit>(change(), "txtConferma"), confirm);
    }

private slots:
    void initTestCase()
    {
        SetUpItalian(*qApp);
    }

    void init()
    {
        program = std::make_unique<ProgramWindows>();
        storePassword(first());
        login()->show();
        activate(login());
    }

    void cleanup()
    {
        program.reset();
    }

    void startsWithOKDisabledAndTheFieldFocused()
    {
        QVERIFY(!control<QPushButton>(login(), "cmdOK")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), txtPassword());
        QCOMPARE(txtPassword()->echoMode(), QLineEdit::Password);
        QVERIFY(control<QWidget>(login(), "effPassword")->isVisible());
    }

    void firstAccessPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<bool>("opens");
        const QString p = first();
        QTest::newRow("lower case, blanks around, OK") << "  " + p.toLower() + "  " << false << true;
        QTest::newRow("mixed case, Enter") << p.left(3).toLower() + p.mid(3) << true << true;
        QTest::newRow("capitals") << p << false << true;
        QTest::newRow("blank inside") << p.left(3) + " " + p.mid(3) << false << false;
        QTest::newRow("blank inside, Enter") << p.left(3) + " " + p.mid(3) << true << false;
        QTest::newRow("one letter short") << p.chopped(1) << false << false;
        QTest::newRow("one letter more") << p + "X" << true << false;
    }
    void firstAccessPassword()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        QFETCH(bool, opens);
        tryLogin(typed, byEnter);
        QCOMPARE(Navigator::Screen(ScreenId::StartMenu)->isVisible(), opens);
        QCOMPARE(login()->isVisible(), !opens);
        if (opens) {
            QVERIFY(program->script.messages.isEmpty());
            return;
        }
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Plain);
        QCOMPARE(program->script.messages[0].text, WrongPassword);
        QCOMPARE(txtPassword()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), txtPassword());
        // The next attempt works as soon as something is typed again.
        auto *ok = control<QPushButton>(login(), "cmdOK");
        QVERIFY(!ok->isEnabled());
        tryLogin(first().toLower());
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
    }

    void onlyBlanksNeverCheck()
    {
        auto *ok = control<QPushButton>(login(), "cmdOK");
        QTest::keyClicks(txtPassword(), "   ");
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(txtPassword(), Qt::Key_Return);
        QTest::keyClick(txtPassword(), Qt::Key_Enter);
        QCOMPARE(txtPassword()->text(), QStringLiteral("   "));
        QVERIFY(program->script.messages.isEmpty());
        QVERIFY(login()->isVisible());
        QTest::keyClick(txtPassword(), 'a');
        QVERIFY(ok->isEnabled());
        QTest::keyClick(txtPassword(), Qt::Key_Backspace);
        QVERIFY(!ok->isEnabled());
    }

    // A missing, empty, garbage, incomplete or unreadable store: both windows
    // say the store is damaged (never that the password is wrong), nobody
    // gets in and the store stays as it was.
    void storeProblems_data()
    {
        QTest::addColumn<QByteArray>("store"); // null: no file at all
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("no store") << QByteArray() << false;
        QTest::newRow("empty file") << QByteArray("") << false;
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16) << false;
        QTest::newRow("no section") << ("Valore=" + CryptEncode(first()).toLatin1() + "\r\n") << false;
        QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n") << false;
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=5G21\r\n") << false;
        QTest::newRow("unreadable file") << CryptEncode(first()).toLatin1() << true;
    }
    void storeProblems()
    {
        QFETCH(QByteArray, store);
        QFETCH(bool, unreadable);
        QFile::remove(PasswordStore::Path());
        if (!store.isNull())
            program->dir.write(PasswordStore::FileName, unreadable ? "[Accesso]\r\nValore=" + store + "\r\n" : store);
        if (unreadable)
            QFile::setPermissions(PasswordStore::Path(), QFileDevice::WriteOwner);
        const QByteArray before = program->dir.bytes(PasswordStore::FileName);

        {
            AsOrdinaryUser user;
            tryLogin(first());
        }
        QCOMPARE(program->script.lastMessage(), DamagedStore);
        QCOMPARE(program->script.messages.last().kind, MessageKind::Plain);
        QVERIFY(login()->isVisible());
        QVERIFY(!Navigator::Screen(ScreenId::StartMenu)->isVisible());

        openChange();
        fillChange(first(), "NUOVA", "NUOVA");
        {
            AsOrdinaryUser user;
            QTest::mouseClick(control<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        }
        QCOMPARE(program->script.lastMessage(), DamagedStore);
        QCOMPARE(program->script.messages.last().kind, MessageKind::Plain);
        QVERIFY(change()->isVisible());
        QCOMPARE(program->dir.bytes(PasswordStore::FileName), before);
    }

    void changeCompleted_data()
    {
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("accepted");
        QTest::newRow("letters and digits") << " nuova1 " << "NUOVA1" << QStringList{"nuova1", " NuOvA1 "};
        QTest::newRow("same as the old one") << "varcanto" << "VARCANTO" << QStringList{"varcanto"};
        // Only a-z are capitalised: an accented letter is typed as it was set.
        QTest::newRow("accented letter") << "città" << "CITTà" << QStringList{"città", "CITTà"};
        QTest::newRow("255 characters") << QString(255, QLatin1Char('k')) << QString(255, QLatin1Char('K'))
                                        << QStringList{QString(255, QLatin1Char('k'))};
    }
    void changeCompleted()
    {
        QFETCH(QString, fresh);
        QFETCH(QString, stored);
        QFETCH(QStringList, accepted);
        openChange();
        fillChange(first().toLower(), fresh, fresh);
        QTest::mouseClick(control<QPushButton>(change(), "cmdOK"), Qt::LeftButton);

        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Plain);
        QCOMPARE(program->script.messages[0].text, Changed);
        QCOMPARE(storedPassword(), stored);
        QVERIFY(!change()->isVisible());
        QVERIFY(login()->isVisible());
        QCOMPARE(txtPassword()->text(), QString());
        QCOMPARE(control<QLabel>(login(), "lblMemory")->text(), QString());
        activate(login());
        QCOMPARE(QApplication::focusWidget(), txtPassword());

        if (stored != first()) {
            tryLogin(first());
            QCOMPARE(program->script.lastMessage(), WrongPassword);
        }
        for (const QString &typed : accepted) {
            Navigator::Screen(ScreenId::StartMenu)->hide();
            login()->show();
            tryLogin(typed);
            QVERIFY2(Navigator::Screen(ScreenId::StartMenu)->isVisible(), qPrintable(typed));
        }
    }

    // The checks run in order and stop at the first that fails; the store
    // stays as it was.
    void changeRefused_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString p = first();
        QTest::newRow("wrong old, new not confirmed either") << "sbagliata" << "uno" << "due" << WrongOld
                                                             << "txtPasswordOld";
        QTest::newRow("old with a blank inside") << p.left(2) + " " + p.mid(2) << "uno" << "uno" << WrongOld
                                                 << "txtPasswordOld";
        QTest::newRow("confirmation differs in case") << p << "nuova" << "NUOVA" << NotConfirmed
                                                      << "txtPasswordNew";
        QTest::newRow("256 characters") << p << QString(256, QLatin1Char('x')) << QString(256, QLatin1Char('x'))
                                        << NotStorable << "txtPasswordNew";
        QTest::newRow("character the cipher cannot hold") << p << "costo" + Euro << "costo" + Euro << NotStorable
                                                          << "txtPasswordNew";
    }
    void changeRefused()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        const QByteArray before = program->dir.bytes(PasswordStore::FileName);
        openChange();
        fillChange(old, fresh, confirm);
        QTest::mouseClick(control<QPushButton>(change(), "cmdOK"), Qt::LeftButton);

        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Plain);
        QCOMPARE(program->script.messages[0].text, message);
        QCOMPARE(program->dir.bytes(PasswordStore::FileName), before);
        QVERIFY(change()->isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        // The old password is emptied alone; a refused new password takes its confirmation along.
        const bool oldRefused = focus == QLatin1String("txtPasswordOld");
        QCOMPARE(control<QLineEdit>(change(), "txtPasswordOld")->text(), oldRefused ? QString() : old);
        QCOMPARE(control<QLineEdit>(change(), "txtPasswordNew")->text(), oldRefused ? fresh : QString());
        QCOMPARE(control<QLineEdit>(change(), "txtConferma")->text(), oldRefused ? confirm : QString());
        QVERIFY(!control<QPushButton>(change(), "cmdOK")->isEnabled());
    }

    void readOnlyStoreKeepsTheOldPassword()
    {
        QFile::setPermissions(PasswordStore::Path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                         | QFileDevice::ReadOther);
        const QByteArray before = program->dir.bytes(PasswordStore::FileName);
        openChange();
        fillChange(first(), "nuova", "nuova");
        {
            AsOrdinaryUser user;
            QTest::mouseClick(control<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        }
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Plain);
        QCOMPARE(program->script.messages[0].text, ChangeError);
        QVERIFY(change()->isVisible());
        QCOMPARE(program->dir.bytes(PasswordStore::FileName), before);

        QTest::mouseClick(control<QPushButton>(change(), "cmdEsci"), Qt::LeftButton);
        {
            AsOrdinaryUser user;
            tryLogin(first());
        }
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
    }

    // A full disk is named as such, and the old password stays in force.
    void fullDiskKeepsTheOldPassword()
    {
        const QByteArray before = program->dir.bytes(PasswordStore::FileName);
        openChange();
        fillChange(first(), "nuova", "nuova");
        WriteFaults::FailFlush(1, true);
        QTest::mouseClick(control<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        WriteFaults::Clear();
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].text,
                 QStringLiteral("Attenzione: spazio su disco esaurito. La nuova password non è stata salvata: resta "
                                "valida quella precedente.\n\r\n\rLiberare spazio sul disco che ospita la cartella "
                                "del programma e riprovare."));
        QVERIFY(change()->isVisible());
        QCOMPARE(program->dir.bytes(PasswordStore::FileName), before);
    }

    // Enter walks the three fields in a ring and never changes the password;
    // OK waits for all three.
    void enterCyclesTheFields()
    {
        openChange();
        auto *ok = control<QPushButton>(change(), "cmdOK");
        const QStringList ring{"txtPasswordOld", "txtPasswordNew", "txtConferma", "txtPasswordOld"};
        QCOMPARE(QApplication::focusWidget()->objectName(), ring[0]);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!ok->isEnabled());
            QTest::keyClicks(QApplication::focusWidget(), i == 2 ? " " : "abc");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), ring[i + 1]);
        }
        QVERIFY(!ok->isEnabled()); // the confirmation holds only a blank
        QTest::keyClicks(control<QLineEdit>(change(), "txtConferma"), "abc");
        QVERIFY(ok->isEnabled());
        QTest::keyClick(control<QLineEdit>(change(), "txtConferma"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget()->objectName(), ring[0]);
        QVERIFY(program->script.messages.isEmpty());
        QCOMPARE(storedPassword(), first());
        QVERIFY(control<QWidget>(change(), "effPasswordOld")->isVisible());
        QVERIFY(!control<QWidget>(change(), "effConferma")->isVisible());
    }

    void closeReturnsToAnEmptyLogin()
    {
        type(txtPassword(), "abc");
        openChange();
        fillChange(first(), "nuova", "nuova");
        QTest::mouseClick(control<QPushButton>(change(), "cmdEsci"), Qt::LeftButton);
        QVERIFY(!change()->isVisible());
        QVERIFY(login()->isVisible());
        QCOMPARE(txtPassword()->text(), QString());
        activate(login());
        QCOMPARE(QApplication::focusWidget(), txtPassword());
        QCOMPARE(storedPassword(), first());
        QVERIFY(program->script.messages.isEmpty());

        // A system close request behaves like "Chiudi", and every opening starts empty.
        openChange();
        for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
            QCOMPARE(control<QLineEdit>(change(), name)->text(), QString());
        type(control<QLineEdit>(change(), "txtPasswordOld"), "x");
        change()->close();
        QVERIFY(login()->isVisible());
        QVERIFY(!change()->isVisible());
    }

    void esciEndsTheProgram()
    {
        QTest::mouseClick(control<QPushButton>(login(), "cmdEsci"), Qt::LeftButton);
        QVERIFY(ApplicationEnded());
        QVERIFY(!login()->isVisible());
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
