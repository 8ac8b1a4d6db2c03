// The settings shared by every workstation: the file read back from any
// state, a store that keeps what others changed, and the window opened from
// the start menu's gear.
#include "core/settings/Settings.h"
#include "gui/Startup.h"
#include "gui/kit/Navigator.h"

#include "TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

class TestSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;

    int maxHours() const { return Settings::Value(Settings::MaxHoursInside); }
    // Opens the window from the start menu and acts on it as a user.
    void withWindow(const std::function<void(QDialog *)> &act)
    {
        bool opened = false;
        program->script.onModal = [&](QDialog *dialog) {
            opened = true;
            dialog->show();
            act(dialog);
        };
        QWidget *menu = Navigator::Screen(ScreenId::StartMenu);
        HandOver(nullptr, menu);
        QTest::mouseClick(control(menu, "imgImpostazioni"), Qt::LeftButton);
        QVERIFY(opened);
    }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }
    void init() { program = std::make_unique<ProgramWindows>(); }
    void cleanup() { program.reset(); }

    void readFromAnyState_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing file") << QByteArray() << 8;
        QTest::newRow("stored") << QByteArray("[Impostazioni]\r\nPermanenzaMassimaOre=12\r\n") << 12;
        QTest::newRow("no limit") << QByteArray("[Impostazioni]\nPermanenzaMassimaOre=0\n") << 0;
        QTest::newRow("not a number") << QByteArray("[Impostazioni]\nPermanenzaMassimaOre=otto\n") << 8;
        QTest::newRow("out of range") << QByteArray("[Impostazioni]\nPermanenzaMassimaOre=-3\n") << 8;
        QTest::newRow("other section") << QByteArray("[Altro]\nPermanenzaMassimaOre=5\n") << 8;
        QTest::newRow("garbage") << QByteArray("\x00\xff\x01[[=\n", 7) << 8;
    }
    void readFromAnyState()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, expected);
        if (!file.isNull())
            program->dir.write(Settings::FileName, file);
        QCOMPARE(maxHours(), expected);
    }

    void windowStoresWhatTheUserChanged()
    {
        // Another workstation's line that the window does not know stays.
        program->dir.write(Settings::FileName, "[Impostazioni]\r\nAltraPostazione=4\r\n");
        withWindow([](QDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Impostazioni"));
            auto *hours = control<QSpinBox>(dialog, "txtPermanenzaMassimaOre");
            QCOMPARE(hours->value(), 8);
            QCOMPARE(control<QLabel>(dialog, "lblPermanenzaMassimaOre")->text(),
                     QStringLiteral("Permanenza massima all'interno (ore, 0 = nessun limite):"));
            QCOMPARE(control<QLabel>(dialog, "lblPermanenzaMassimaOre")->buddy(), hours);
            hours->setValue(10);
            QTest::mouseClick(control(dialog, "btnSalva"), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(maxHours(), 10);
        QVERIFY(program->dir.bytes(Settings::FileName).contains("AltraPostazione=4"));
        QVERIFY(program->script.messages.isEmpty());
    }

    // Saved without a change, the window leaves a value another workstation
    // stored meanwhile as it is.
    void unchangedRowsKeepAnotherWorkstationsValue()
    {
        withWindow([this](QDialog *dialog) {
            program->dir.write(Settings::FileName, "[Impostazioni]\nPermanenzaMassimaOre=3\n");
            QTest::mouseClick(control(dialog, "btnSalva"), Qt::LeftButton);
        });
        QCOMPARE(maxHours(), 3);
    }

    void unwritableFolderIsTold()
    {
        QVERIFY(QFile::setPermissions(program->dir.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        {
            AsOrdinaryUser user;
            withWindow([](QDialog *dialog) {
                control<QSpinBox>(dialog, "txtPermanenzaMassimaOre")->setValue(2);
                QTest::mouseClick(control(dialog, "btnSalva"), Qt::LeftButton);
                QVERIFY(dialog->isVisible());
                dialog->reject();
            });
        }
        QFile::setPermissions(program->dir.folder(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Error);
        QVERIFY(program->script.lastMessage().startsWith("Attenzione: non è stato possibile salvare le impostazioni."));
        QCOMPARE(maxHours(), 8);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
