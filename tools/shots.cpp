// Takes a picture of every screen and dialog, as a user sees them, into a
// folder: run under a real X server of the wanted size, for example
//   xvfb-run -s "-screen 0 1920x1080x24" build/varcanto_shots /tmp/shots
#include "ui/Dialogs.h"
#include "ui/Navigator.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "ui/TfrmCalendario.h"
#include "app/TfrmCambiaPassword.h"
#include "app/HelpTopics.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "register/TfrmMenuRegistro.h"
#include "app/TfrmPassword.h"
#include "register/TfrmRegistro.h"
#include "app/TfrmSplash.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmPartitaIva.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

namespace {
QString g_folder;

void save(QWidget *window, const QString &name)
{
    QTest::qWait(150);
    window->grab().save(g_folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void shootScreen(QWidget *screen, const QString &name)
{
    screen->show();
    // Without a window manager nothing maximises: give a maximised screen
    // the whole desktop by hand.
    if (screen->windowType() != Qt::Dialog) {
        QTest::qWait(100);
        screen->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    }
    save(screen, name);
    screen->hide();
}

template <class Dialog>
void shootDialog(QWidget *owner, const QString &name, const std::function<void(Dialog &)> &prepare = {})
{
    Dialog dialog(owner);
    if (prepare)
        prepare(dialog);
    dialog.show();
    save(&dialog, name);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(g_folder);
    SetUpItalian(app);
    CreateWindows();
    auto screen = [](ScreenId id) { return Navigator::Screen(id); };
    shootScreen(screen(ScreenId::Login), "login");
    shootScreen(screen(ScreenId::ChangePassword), "cambia_password");
    shootScreen(screen(ScreenId::StartMenu), "avvio");
    shootScreen(screen(ScreenId::YearMenu), "menu_registro");
    shootScreen(screen(ScreenId::Register), "registro");
    shootScreen(screen(ScreenId::Fleet), "flotta");
    shootDialog<TfrmGuida>(screen(ScreenId::StartMenu), "guida", [](TfrmGuida &help) { help.ShowTopic(HelpStartMenu()); });
    shootDialog<TfrmInfo>(screen(ScreenId::StartMenu), "info");
    shootDialog<TfrmSplash>(screen(ScreenId::StartMenu), "splash");
    shootDialog<TfrmCalendario>(screen(ScreenId::Register), "calendario");
    shootDialog<TfrmCodFisc>(screen(ScreenId::Fleet), "codfisc", [](TfrmCodFisc &check) { check.SetCode("RSSMRA85T10A562S"); });
    shootDialog<TfrmPartitaIva>(screen(ScreenId::Fleet), "partitaiva",
                                [](TfrmPartitaIva &check) { check.SetNumber("00743110157"); });
    DestroyWindows();
    return 0;
}
