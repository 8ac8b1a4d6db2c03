#include "varcanto_core.h"

#include "TestFolder.h"

#include <QFile>
#include <QTest>

class TestPasswordStore : public QObject
{
    Q_OBJECT
private slots:
    // The rules of a change, in the order the user is told about them; the
    // store changes only when every rule is met.
    void changeOfPassword_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("result");
        using C = PasswordStore::PasswordChange;
        QTest::newRow("done, old in small letters") << "segreto" << "Nuova1" << "Nuova1" << int(C::Done);
        QTest::newRow("wrong old") << "ALTRO" << "NUOVA1" << "NUOVA1" << int(C::WrongOld);
        QTest::newRow("empty old") << " " << "NUOVA1" << "NUOVA1" << int(C::WrongOld);
        QTest::newRow("confirmation differs in case") << "SEGRETO" << "nuova1" << "NUOVA1" << int(C::NotConfirmed);
        QTest::newRow("euro sign") << "SEGRETO" << QString::fromUtf8("€uro") << QString::fromUtf8("€uro")
                                   << int(C::NotStorable);
        QTest::newRow("256 characters") << "SEGRETO" << QString(256, 'A') << QString(256, 'A') << int(C::NotStorable);
    }
    void changeOfPassword()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        QFETCH(int, result);
        TempProgramFolder dir;
        PasswordStore::WriteValue(CryptEncode(QStringLiteral("SEGRETO")));
        const QByteArray before = dir.bytes("unins000.dll");
        QCOMPARE(int(PasswordStore::ChangePassword(old, fresh, confirm)), result);
        if (result == int(PasswordStore::PasswordChange::Done)) {
            QCOMPARE(PasswordStore::ReadPassword(), std::optional<QString>(QStringLiteral("NUOVA1")));
            QCOMPARE(PasswordStore::CheckLogin(QStringLiteral(" nuova1 ")), PasswordStore::LoginCheck::Correct);
        } else {
            QCOMPARE(dir.bytes("unins000.dll"), before);
        }
    }

    void changeWithADamagedStore()
    {
        TempProgramFolder dir;
        dir.write("unins000.dll", "[Accesso]\r\nValore=ZZ\r\n");
        QCOMPARE(PasswordStore::ChangePassword("A", "B", "B"), PasswordStore::PasswordChange::StoreDamaged);
        QCOMPARE(PasswordStore::CheckLogin("A"), PasswordStore::LoginCheck::StoreDamaged);
        QCOMPARE(PasswordStore::CheckLogin("  "), PasswordStore::LoginCheck::Empty);
    }

    void missingFileSectionOrKeyReadsEmpty()
    {
        TempProgramFolder dir;
        QCOMPARE(PasswordStore::ReadValue(), QString());
        dir.write("unins000.dll", "[Altro]\r\nValore=AB\r\n");
        QCOMPARE(PasswordStore::ReadValue(), QString());
        dir.write("unins000.dll", "[Accesso]\r\nAltro=AB\r\n");
        QCOMPARE(PasswordStore::ReadValue(), QString());
    }

    void readsSectionAndKeyInAnyCase()
    {
        TempProgramFolder dir;
        dir.write("unins000.dll", "[accesso]\nvalore = 1A2B \n");
        QCOMPARE(PasswordStore::ReadValue(), QStringLiteral("1A2B"));
    }

    void writeCreatesTheFile()
    {
        TempProgramFolder dir;
        PasswordStore::WriteValue(QStringLiteral("0F"));
        QCOMPARE(dir.bytes("unins000.dll"), QByteArray("[Accesso]\r\nValore=0F\r\n"));
        QCOMPARE(PasswordStore::ReadValue(), QStringLiteral("0F"));
    }

    void writeChangesOnlyItsKey_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("key replaced, comments and order kept")
            << QByteArray("; note\r\n[Zeta]\r\nA=1\r\n\r\n[Accesso]\r\nAltro=x\r\nValore=OLD\r\n[Beta]\r\nB=2\r\n")
            << QByteArray("; note\r\n[Zeta]\r\nA=1\r\n\r\n[Accesso]\r\nAltro=x\r\nValore=NEW\r\n[Beta]\r\nB=2\r\n");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Accesso]\r\nAltro=x\r\n\r\n[Beta]\r\nB=2\r\n")
            << QByteArray("[Accesso]\r\nAltro=x\r\nValore=NEW\r\n\r\n[Beta]\r\nB=2\r\n");
        QTest::newRow("section added, line ends of the file kept")
            << QByteArray("[Beta]\nB=2")
            << QByteArray("[Beta]\nB=2\n[Accesso]\nValore=NEW");
    }
    void writeChangesOnlyItsKey()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TempProgramFolder dir;
        dir.write("unins000.dll", before);
        PasswordStore::WriteValue(QStringLiteral("NEW"));
        QCOMPARE(dir.bytes("unins000.dll"), after);
    }

    void readOnlyStoreRefusesTheWriteAndKeepsTheOldValue()
    {
        TempProgramFolder dir;
        dir.write("unins000.dll", "[Accesso]\r\nValore=OLD\r\n");
        QFile::setPermissions(dir.path("unins000.dll"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        AsOrdinaryUser user;
        QVERIFY_THROWS_EXCEPTION(StoreError, PasswordStore::WriteValue(QStringLiteral("NEW")));
        QCOMPARE(PasswordStore::ReadValue(), QStringLiteral("OLD"));
    }
};

QTEST_GUILESS_MAIN(TestPasswordStore)
#include "tst_passwordstore.moc"
