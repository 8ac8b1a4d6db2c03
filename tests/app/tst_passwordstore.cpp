#include "varcanto_core.h"

#include "TestFolder.h"

#include <QFile>
#include <QTest>

class TestPasswordStore : public QObject
{
    Q_OBJECT
private slots:
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
