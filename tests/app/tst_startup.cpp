#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "gui/access/TfrmAvvio.h"
#include "gui/access/TfrmPassword.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QMessageBox>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SetUpItalian(*qApp);
    }

    void standardButtonsAndCalendarSpeakItalian()
    {
        QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        auto text = [&](QMessageBox::StandardButton b) { return box.button(b)->text().remove(QLatin1Char('&')); };
        QCOMPARE(text(QMessageBox::Yes), QStringLiteral("Sì"));
        QCOMPARE(text(QMessageBox::No), QStringLiteral("No"));
        QCOMPARE(text(QMessageBox::Cancel), QStringLiteral("Annulla"));
        QCalendarWidget calendar;
        QCOMPARE(calendar.locale().monthName(3), QStringLiteral("marzo"));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void onlyTheLoginIsVisibleAtStart()
    {
        TempProgramFolder dir;
        CreateWindows();
        Navigator::Screen(ScreenId::Login)->show();
        QWidgetList visible;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                visible << w;
        }
        QCOMPARE(visible, QWidgetList{Navigator::Screen(ScreenId::Login)});
        DestroyWindows();
    }

    void handOverMaximisesScreensButNotFixedWindows()
    {
        TempProgramFolder dir;
        CreateWindows();
        QWidget *login = Navigator::Screen(ScreenId::Login);
        QWidget *menu = Navigator::Screen(ScreenId::StartMenu);
        HandOver(nullptr, login);
        HandOver(login, menu);
        QVERIFY(menu->isVisible() && !login->isVisible());
        QVERIFY(menu->windowState() & Qt::WindowMaximized);
        HandOver(menu, login);
        QVERIFY(!(login->windowState() & Qt::WindowMaximized));
        DestroyWindows();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
