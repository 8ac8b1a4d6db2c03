// The year menu between the start menu and the register: the proposed year,
// the four-character rule, the digits-only year field and where closing leads.
#include "gui/kit/Dialogs.h"
#include "gui/help/HelpTopics.h"
#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "gui/access/TfrmAvvio.h"
#include "gui/register/TfrmMenuRegistro.h"
#include "gui/register/TfrmRegistro.h"

#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
const QString FourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

QDateTime at(int year)
{
    return QDateTime(QDate(year, 3, 5), QTime(10, 15));
}
} // namespace

class TestYearMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<FixedClock> clock;

    TfrmMenuRegistro *menu() { return qobject_cast<TfrmMenuRegistro *>(Navigator::Screen(ScreenId::YearMenu)); }
    QLineEdit *year() { return control<QLineEdit>(menu(), "txtAnnoFatture"); }

    // The start menu's register picture does this.
    void openMenu()
    {
        HandOver(Navigator::Screen(ScreenId::StartMenu), menu());
        // Let the hidden screens give up the activation first.
        QCoreApplication::processEvents();
        menu()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu()));
    }

    void apri() { QTest::mouseClick(control<QPushButton>(menu(), "btnApriFatture"), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        SetUpItalian(*qApp);
    }

    void init()
    {
        clock = std::make_unique<FixedClock>(at(2021));
        program = std::make_unique<ProgramWindows>();
        Navigator::Screen(ScreenId::StartMenu)->show();
        openMenu();
    }

    void cleanup()
    {
        clock.reset();
        program.reset();
    }

    void proposesTheCurrentYear()
    {
        QCOMPARE(menu()->windowTitle(), QStringLiteral(" Varcanto - Ingressi e Uscite Veicoli"));
        QCOMPARE(year()->text(), QStringLiteral("2021"));
        QCOMPARE(QApplication::focusWidget(), year());
        QVERIFY(!Navigator::Screen(ScreenId::StartMenu)->isVisible());
    }

    // Whatever happened the time before, every showing proposes the year of
    // the clock and leads back to the start menu by default.
    void everyShowingStartsAfresh()
    {
        year()->setText(QStringLiteral("1999"));
        apri();
        QVERIFY(Navigator::Screen(ScreenId::Register)->isVisible());
        HandOver(Navigator::Screen(ScreenId::Register), Navigator::Screen(ScreenId::StartMenu));

        clock.reset();
        clock = std::make_unique<FixedClock>(at(2022));
        openMenu();
        QCOMPARE(year()->text(), QStringLiteral("2022"));
        QCOMPARE(QApplication::focusWidget(), year());
        menu()->close();
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!Navigator::Screen(ScreenId::Register)->isVisible());
    }

    void refusedYear_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("three digits") << "202";
        QTest::newRow("empty") << "";
    }
    void refusedYear()
    {
        QFETCH(QString, typed);
        year()->clear();
        QTest::keyClicks(year(), typed);
        control<QPushButton>(menu(), "btnApriFatture")->setFocus();
        apri();
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
        QCOMPARE(program->script.messages[0].text, FourDigits);
        QCOMPARE(QApplication::focusWidget(), year());
        QVERIFY(menu()->isVisible());
        QVERIFY(!Navigator::Screen(ScreenId::Register)->isVisible());

        // The title-bar close after a refusal leads to the start menu.
        menu()->close();
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!menu()->isVisible());
        QVERIFY(!Navigator::Screen(ScreenId::Register)->isVisible());
    }

    void onlyDigitsReachTheYear()
    {
        year()->clear();
        QTest::keyClicks(year(), "a1 9x-9.9");
        QCOMPARE(year()->text(), QStringLiteral("1999"));
        QTest::keyClick(year(), '5'); // a fifth digit
        QCOMPARE(year()->text(), QStringLiteral("1999"));
        QTest::keyClick(year(), Qt::Key_Left);
        QTest::keyClick(year(), Qt::Key_Left);
        QTest::keyClick(year(), Qt::Key_Backspace);
        QTest::keyClick(year(), Qt::Key_Delete);
        QCOMPARE(year()->text(), QStringLiteral("19"));
        QTest::keyClick(year(), Qt::Key_Right);
        QTest::keyClicks(year(), "87");
        QCOMPARE(year()->text(), QStringLiteral("1987"));
        QVERIFY(program->script.messages.isEmpty());
    }

    // A pasted text that is not all digits never gets in, so "Apri" never
    // names a file outside the program folder.
    void pastedTextKeepsTheYearDigitsOnly_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("path") << "../x";
        QTest::newRow("letter") << "20a6";
        QTest::newRow("full-width digits") << QString::fromUtf8("２０２６");
    }
    void pastedTextKeepsTheYearDigitsOnly()
    {
        QFETCH(QString, pasted);
        year()->clear();
        QApplication::clipboard()->setText(pasted);
        year()->paste();
        QCOMPARE(year()->text(), QString());
        apri();
        QCOMPARE(program->script.lastMessage(), FourDigits);
        QDir folder(program->dir.folder());
        folder.cdUp();
        QVERIFY(!folder.exists("x.vis"));
        QCOMPARE(QDir(program->dir.folder()).entryList(QDir::Files), QStringList());
    }

    // "Apri" points the register card editor at the year's archive and hands
    // over to it, by mouse or by Enter twice from the year field.
    void apriOpensTheRegister_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the proposed year as it is
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("proposed year, mouse") << "" << false;
        QTest::newRow("1999, keyboard") << "1999" << true;
    }
    void apriOpensTheRegister()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byKeyboard);
        if (!typed.isEmpty()) {
            year()->clear();
            QTest::keyClicks(year(), typed);
        }
        const QString chosen = typed.isEmpty() ? QStringLiteral("2021") : typed;
        if (byKeyboard) {
            QTest::keyClick(year(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnApriFatture"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            apri();
        }
        QVERIFY(program->script.messages.isEmpty());
        TfrmRegistro *registro = qobject_cast<TfrmRegistro *>(Navigator::Screen(ScreenId::Register));
        QVERIFY(registro->isVisible());
        QVERIFY(!menu()->isVisible());
        QVERIFY(!Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QCOMPARE(registro->windowTitle(), " Varcanto - Ingresso e Uscite Veicoli anno " + chosen);
        QCOMPARE(registro->ArchivePath(), program->dir.path(chosen + ".vis"));
    }

    // Statistics: "Apri" leads to the statistics window whatever the year
    // field holds; in a program without that window there is no dead button.
    void statistics()
    {
        auto *open = control<QPushButton>(menu(), "btnApriRiepStats");
        QVERIFY(open->isVisible());
        QVERIFY(control(menu(), "intAnnoRiepStats")->isVisible());
        year()->setText(QStringLiteral("12"));
        QTest::mouseClick(open, Qt::LeftButton);
        QWidget *statistics = Navigator::Screen(ScreenId::Statistics);
        QVERIFY(program->script.messages.isEmpty());
        QVERIFY(statistics->isVisible());
        QVERIFY(!menu()->isVisible());

        HandOver(statistics, Navigator::Screen(ScreenId::StartMenu));
        Navigator::Add(ScreenId::Statistics, nullptr);
        openMenu();
        QVERIFY(open->isHidden());
        QVERIFY(control(menu(), "intAnnoRiepStats")->isHidden());
        Navigator::Add(ScreenId::Statistics, statistics);
    }

    void helpShowsTheRegisterTopic()
    {
        QString title;
        QWidget *owner = nullptr;
        program->script.onModal = [&](QDialog *dialog) {
            owner = dialog->parentWidget();
            title = dialog->findChild<QLabel *>("lblTitolo")->text();
            dialog->reject();
        };
        QTest::mouseClick(control(menu(), "imgGuida"), Qt::LeftButton);
        QCOMPARE(title, HelpRegister().title);
        QCOMPARE(owner, menu());
        QVERIFY(menu()->isVisible());
    }

    void exitPictureLeadsToTheStartMenu()
    {
        QTest::mouseClick(control(menu(), "imgEsci"), Qt::LeftButton);
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!menu()->isVisible());
    }
};

QTEST_MAIN(TestYearMenu)
#include "tst_yearmenu.moc"
