#include "app/Startup.h"

#include "ui/Screens.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "register/TfrmMenuRegistro.h"
#include "app/TfrmPassword.h"
#include "register/TfrmRegistro.h"
#include "ui/WindowKit.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

// The pictures are compiled into the window library; a static library needs
// its resources registered by hand.
static void InitResources()
{
    Q_INIT_RESOURCE(assets);
}

void SetUpItalian(QApplication &app)
{
    ApplyDateSettings();
    static QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
}

void CreateWindows()
{
    InitResources();
    ScreenSet &s = Screens();
    s.frmPassword = new TfrmPassword();
    s.frmAvvio = new TfrmAvvio();
    s.frmCambiaPassword = new TfrmCambiaPassword();
    s.frmMenuRegistro = new TfrmMenuRegistro();
    s.frmRegistro = new TfrmRegistro();
}

void DestroyWindows()
{
    ScreenSet &s = Screens();
    delete s.frmRegistro;
    delete s.frmMenuRegistro;
    delete s.frmCambiaPassword;
    delete s.frmAvvio;
    delete s.frmPassword;
    s = ScreenSet();
}

int RunVarcanto(QApplication &app)
{
    app.setWindowIcon(QIcon(QStringLiteral(":/img/icon.svg")));
    app.setQuitOnLastWindowClosed(false);
    SetUpItalian(app);
    CreateWindows();
    Screens().frmPassword->show();
    const int code = app.exec();
    DestroyWindows();
    return code;
}
