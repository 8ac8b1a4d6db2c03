// The start menu: where each picture leads, and how the program ends from it.
#include "gui/kit/Dialogs.h"
#include "gui/help/Maker.h"
#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "TestSupport.h"
#include "gui/access/TfrmAvvio.h"
#include "gui/help/TfrmGuida.h"
#include "gui/help/TfrmInfo.h"
#include "gui/register/TfrmMenuRegistro.h"
#include "gui/register/TfrmRegistro.h"
#include "gui/help/TfrmSplash.h"
#include "gui/kit/WindowKit.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <QAccessible>
#include <memory>

class TestStartMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> program;
    QWidget *m_fakeFleet = nullptr;

    QWidget *menu() const { return Navigator::Screen(ScreenId::StartMenu); }
    QLabel *picture(const char *name) const { return menu()->findChild<QLabel *>(QString::fromLatin1(name)); }
    void showMenu() { HandOver(nullptr, menu()); }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        program = std::make_unique<ProgramWindows>();
    }

    void cleanup()
    {
        delete m_fakeFleet;
        m_fakeFleet = nullptr;
        program.reset();
    }

    // Screen readers and UI automation find each control by the name a user
    // would read: pictures by their action, edits by their label, buttons and
    // windows by their captions.
    void everythingAUserActsOnHasAnAccessibleName_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const int start = int(ScreenId::StartMenu);
        QTest::newRow("register picture") << start << "imgRegistro" << "Ingressi e Uscite Veicoli";
        QTest::newRow("register button picture") << start << "btnRegistro" << "Ingressi e Uscite Veicoli";
        QTest::newRow("fleet picture") << start << "imgAutoparco" << "Parco Automezzi";
        QTest::newRow("help") << start << "imgGuida" << "Guida";
        QTest::newRow("information") << start << "imgInfo" << "Informazioni";
        QTest::newRow("credits") << start << "imgCopyright" << "Riconoscimenti";
        QTest::newRow("web site") << start << "imgSito" << "Sito web";
        QTest::newRow("exit") << start << "imgEsci" << "Esci";
        QTest::newRow("login field") << int(ScreenId::Login) << "txtPassword"
                                     << "Immetti la password e premi OK.";
        QTest::newRow("year field") << int(ScreenId::YearMenu) << "txtAnnoFatture" << "Anno:";
        QTest::newRow("plate") << int(ScreenId::Register) << "txtTarga" << "Targa:";
        QTest::newRow("save") << int(ScreenId::Register) << "btnSalva" << "Salva";
        QTest::newRow("arrow") << int(ScreenId::Register) << "cmdUltimo" << "Visualizza l'ultima scheda in archivio.";
        QTest::newRow("fleet plate") << int(ScreenId::Fleet) << "txtTarga" << "Targa:";
        QTest::newRow("fleet type, a combo") << int(ScreenId::Fleet) << "txtVeicolo" << "Tipo veicolo:";
        QTest::newRow("fleet code check") << int(ScreenId::Fleet) << "btnCodFisc" << "Controlla il codice fiscale";
        QTest::newRow("fleet window") << int(ScreenId::Fleet) << "" << " Varcanto - Parco Automezzi";
        QTest::newRow("fleet chassis") << int(ScreenId::Fleet) << "txtTelaio" << "Telaio:";
        QTest::newRow("statistics year") << int(ScreenId::Statistics) << "txtAnno"
                                         << "Indicare l'anno solare e premere Apri.";
        QTest::newRow("window") << int(ScreenId::YearMenu) << "" << " Varcanto - Ingressi e Uscite Veicoli";
    }
    void everythingAUserActsOnHasAnAccessibleName()
    {
        QFETCH(int, screen);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget *window = Navigator::Screen(ScreenId(screen));
        QObject *target = control.isEmpty() ? window : window->findChild<QWidget *>(control);
        QVERIFY(target);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(target);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    void registerPicturesOpenTheYearMenu_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("large picture") << "imgRegistro";
        QTest::newRow("button picture") << "btnRegistro";
    }

    void registerPicturesOpenTheYearMenu()
    {
        QFETCH(QString, name);
        showMenu();
        QTest::mouseClick(picture(name.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(Navigator::Screen(ScreenId::YearMenu)->isVisible());
        QVERIFY(!menu()->isVisible());
        QVERIFY(!ApplicationEnded());
    }

    // Without a fleet editor the fleet pictures would lead nowhere: they are
    // hidden; once there is one, they lead to it.
    void fleetPicturesFollowTheFleetEditor()
    {
        QWidget *realFleet = Navigator::Screen(ScreenId::Fleet);
        Navigator::Add(ScreenId::Fleet, nullptr);
        showMenu();
        QVERIFY(!picture("imgAutoparco")->isVisible());
        QVERIFY(!picture("btnAutoparco")->isVisible());
        QVERIFY(picture("imgRegistro")->isVisible());

        menu()->hide();
        if (!realFleet)
            realFleet = m_fakeFleet = new QWidget();
        Navigator::Add(ScreenId::Fleet, realFleet);
        for (const char *name : {"imgAutoparco", "btnAutoparco"}) {
            showMenu();
            QVERIFY(picture(name)->isVisible());
            QTest::mouseClick(picture(name), Qt::LeftButton);
            QVERIFY2(realFleet->isVisible(), name);
            QVERIFY(!menu()->isVisible());
            realFleet->hide();
        }
    }

    void exitAndTitleBarCloseEndTheProgram_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("exit picture") << false;
        QTest::newRow("title-bar close") << true;
    }

    // Also while the register editor sits hidden with a card in it.
    void exitAndTitleBarCloseEndTheProgram()
    {
        QFETCH(bool, titleBar);
        showMenu();
        QTest::mouseClick(picture("imgRegistro"), Qt::LeftButton);
        HandOver(Navigator::Screen(ScreenId::YearMenu), menu());
        QVERIFY(menu()->isVisible());

        if (titleBar)
            menu()->close();
        else
            QTest::mouseClick(picture("imgEsci"), Qt::LeftButton);
        QVERIFY(ApplicationEnded());
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    void helpPictureShowsTheIntroduction()
    {
        QString title, text;
        QWidget *owner = nullptr;
        program->script.onModal = [&](QDialog *dialog) {
            QVERIFY(qobject_cast<TfrmGuida *>(dialog));
            owner = dialog->parentWidget();
            title = dialog->findChild<QLabel *>("lblTitolo")->text();
            text = ControlText(dialog->findChild<QWidget *>("txtGuida"));
            dialog->reject();
        };
        showMenu();
        QTest::mouseClick(picture("imgGuida"), Qt::LeftButton);
        QCOMPARE(owner, menu());
        QCOMPARE(title, QStringLiteral("Uno sguardo a Varcanto."));
        QVERIFY(text.contains(QLatin1String(FirstAccessPassword)));
        QVERIFY(menu()->isVisible());
    }

    // Each opening is a fresh window owned by the start menu, gone once closed:
    // a link left pressed in one opening is dark blue again in the next.
    void infoAndCreditsOpenFreshEachTime_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("information") << "imgInfo" << " Informazioni su Varcanto";
        QTest::newRow("credits") << "imgCopyright" << " Varcanto - © Varcanto";
    }

    void infoAndCreditsOpenFreshEachTime()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QList<QPointer<QDialog>> opened;
        QList<QColor> linkColours;
        program->script.onModal = [&](QDialog *dialog) {
            opened.append(dialog);
            QCOMPARE(dialog->parentWidget(), menu());
            QCOMPARE(dialog->windowTitle(), caption);
            auto *link = dialog->findChild<QLabel *>("lnkWeb");
            linkColours.append(link->palette().color(QPalette::WindowText));
            QTest::mousePress(link, Qt::LeftButton);
            dialog->reject();
        };
        showMenu();
        QTest::mouseClick(picture(name.toLatin1().constData()), Qt::LeftButton);
        QTest::mouseClick(picture(name.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0].isNull() && opened[1].isNull());
        QCOMPARE(linkColours, QList<QColor>({QColor(0, 0, 139), QColor(0, 0, 139)}));
        QVERIFY(program->script.shellOpens.isEmpty());
    }

    void webPictureOpensTheMakersSite()
    {
        showMenu();
        QTest::mouseClick(picture("imgSito"), Qt::LeftButton);
        QCOMPARE(program->script.shellOpens, QStringList{QString::fromLatin1(MakerWebSite)});
        QVERIFY(menu()->isVisible());
    }
};

QTEST_MAIN(TestStartMenu)
#include "tst_startmenu.moc"
