#include "gui/Startup.h"

#include "gui/access/TfrmAvvio.h"
#include "gui/access/TfrmCambiaPassword.h"
#include "gui/register/TfrmMenuRegistro.h"
#include "gui/access/TfrmPassword.h"
#include "gui/fleet/TfrmFlotta.h"
#include "gui/register/TfrmRegistro.h"
#include "gui/register/TfrmStatistiche.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/StorageFeedback.h"
#include "gui/kit/WindowKit.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// The screens in their order of creation, destroyed in the reverse order.
QList<QWidget *> g_screens;

void addScreen(ScreenId id, QWidget *screen)
{
    g_screens.append(screen);
    Navigator::Add(id, screen);
}
} // namespace


void SetUpItalian(QApplication &app)
{
    // The date and number settings, once for the whole run of the program.
    ApplyDateSettings();
    static QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
}

void CreateWindows()
{
    LoadPictures();
    InstallButtonKeys();
    InstallClickableAccessibility();
    InstallStorageFeedback();
    addScreen(ScreenId::Login, new TfrmPassword());
    auto *startMenu = new TfrmAvvio();
    addScreen(ScreenId::StartMenu, startMenu);
    addScreen(ScreenId::ChangePassword, new TfrmCambiaPassword());
    auto *fleetEditor = new TfrmFlotta();
    addScreen(ScreenId::Fleet, fleetEditor);
    // A deadline's line opens its vehicle's card.
    startMenu->SetOpenVehicle([startMenu, fleetEditor](int cardNumber) {
        if (Navigator::GoTo(startMenu, ScreenId::Fleet))
            fleetEditor->LoadCard(cardNumber);
    });
    auto *yearMenu = new TfrmMenuRegistro();
    auto *registerEditor = new TfrmRegistro();
    yearMenu->SetOpenYear([registerEditor](const QString &year) { registerEditor->OpenYear(year); });
    addScreen(ScreenId::YearMenu, yearMenu);
    addScreen(ScreenId::Register, registerEditor);
    addScreen(ScreenId::Statistics, new TfrmStatistiche());
}

void DestroyWindows()
{
    Navigator::Clear();
    while (!g_screens.isEmpty())
        delete g_screens.takeLast();
}

void ShowVarcanto(QApplication &app)
{
    app.setWindowIcon(QIcon(QStringLiteral(":/img/icon.svg")));
    app.setQuitOnLastWindowClosed(false);
    SetUpItalian(app);
    CreateWindows();
    Navigator::Screen(ScreenId::Login)->show();
}

int RunVarcanto(QApplication &app)
{
    ShowVarcanto(app);
    const int code = app.exec();
    DestroyWindows();
    return code;
}
