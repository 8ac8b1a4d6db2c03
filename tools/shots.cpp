// Takes a picture of every screen and dialog, as a user sees them, into a
// folder: run under a real X server of the wanted size, for example
//   xvfb-run -s "-screen 0 1920x1080x24" build/varcanto_shots /tmp/shots
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"
#include "gui/Startup.h"
#include "gui/access/TfrmAvvio.h"
#include "gui/kit/TfrmCalendario.h"
#include "gui/access/TfrmCambiaPassword.h"
#include "gui/help/HelpTopics.h"
#include "gui/help/TfrmGuida.h"
#include "gui/help/TfrmInfo.h"
#include "gui/register/TfrmMenuRegistro.h"
#include "gui/access/TfrmPassword.h"
#include "gui/register/TfrmRegistro.h"
#include "gui/register/TfrmNonUsciti.h"
#include "gui/register/RegisterEditor.h"
#include "core/storage/Environment.h"
#include "gui/register/TfrmTrovaVisite.h"
#include "gui/register/TfrmStampaVisita.h"
#include "gui/register/TfrmExpVisite.h"
#include "gui/help/TfrmSplash.h"
#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "gui/fleet/TfrmAllegaCartella.h"
#include "gui/fleet/TfrmDisponibili.h"
#include "gui/fleet/TfrmExpFlotta.h"
#include "gui/fleet/TfrmTrovaFlotta.h"
#include "core/fleet/FleetArchive.h"
#include "core/fleet/VehicleRecord.h"
#include "core/storage/Environment.h"
#include "core/register/VisitRecord.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScreen>
#include <QTemporaryDir>
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

void shoot(QDialog &dialog, const QString &name)
{
    dialog.show();
    save(&dialog, name);
}

template <class Dialog>
void shootDialog(QWidget *owner, const QString &name, const std::function<void(Dialog &)> &prepare = {})
{
    Dialog dialog(owner);
    if (prepare)
        prepare(dialog);
    shoot(dialog, name);
}
// A year of sample cards in a temporary program folder, so the statistics
// show a chart without touching the real archives.
void writeSampleYear(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const int perMonth[12] = {42, 51, 63, 58, 71, 66, 48, 22, 69, 74, 60, 37};
    for (int m = 0; m < 12; ++m) {
        for (int i = 0; i < perMonth[m]; ++i) {
            VisitRecord card;
            card.DataEnt = QStringLiteral("%1/%2/2021").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(m + 1, 2, 10, QLatin1Char('0'));
            card.OraEnt = QStringLiteral("08:30");
            file.write(card.toBytes());
        }
    }
}

// A few sample vehicles, so the fleet lists and the export show lines.
void writeSampleFleet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const char *const vehicles[][5] = {{"Fiat", "Panda", "AB123CD", "Mario Rossi", "Sì"},
                                       {"Iveco", "Daily 35C", "CD456EF", "Giulia Bianchi", "Sì"},
                                       {"Ford", "Transit", "EF789GH", "Luca Verdi", "No"},
                                       {"Renault", "Master", "GH012IL", "Anna Esposito", "Sì"}};
    for (const auto &v : vehicles) {
        VehicleRecord card;
        card.Veicolo = QStringLiteral("Autocarro");
        card.Marca = QString::fromUtf8(v[0]);
        card.Modello = QString::fromUtf8(v[1]);
        card.Targa = QString::fromUtf8(v[2]);
        card.Conducente = QString::fromUtf8(v[3]);
        card.Recapito = QStringLiteral("3331234567");
        card.Disponibile = QString::fromUtf8(v[4]);
        card.Note = QStringLiteral("Tagliando ogni 30000 km");
        file.write(card.toBytes());
    }
}

// Every showing of the statistics starts from the year panel: type the year
// and press Apri on the shown window, then take the picture.
void shootChart(QWidget *screen, const char *kindButton, const QString &name)
{
    screen->show();
    screen->findChild<QPushButton *>(QLatin1String(kindButton))->click();
    screen->findChild<QLineEdit *>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2021"));
    screen->findChild<QPushButton *>(QStringLiteral("btnApri"))->click();
    shootScreen(screen, name);
}

void shootStatistics(QWidget *screen)
{
    shootScreen(screen, "statistiche");
    shootChart(screen, "btnTorta", "statistiche_torta");
    shootChart(screen, "btnBarre", "statistiche_barre");
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
    QTemporaryDir sample;
    SetProgramFolder(sample.path());
    writeSampleYear(ProgramFolder() + QStringLiteral("2021.vis"));
    shootStatistics(screen(ScreenId::Statistics));
    SetProgramFolder(QString());
    shootDialog<TfrmGuida>(screen(ScreenId::StartMenu), "guida", [](TfrmGuida &help) { help.ShowTopic(HelpStartMenu()); });
    shootDialog<TfrmInfo>(screen(ScreenId::StartMenu), "info");
    shootDialog<TfrmSplash>(screen(ScreenId::StartMenu), "splash");
    shootDialog<TfrmCalendario>(screen(ScreenId::Register), "calendario");
    // The register's dialogs read an archive: an empty one in a folder of its own.
    QTemporaryDir archives;
    SetProgramFolder(archives.path());
    Navigator::As<RegisterEditor>(ScreenId::Register)->OpenYear(QStringLiteral("2026"));
    shootDialog<TfrmNonUsciti>(screen(ScreenId::Register), "non_usciti");
    {
        TfrmTrovaVisite search(screen(ScreenId::Register),
                               Navigator::As<RegisterEditor>(ScreenId::Register)->ArchivePath(), {});
        shoot(search, "trova_visite");
    }
    shootDialog<TfrmStampaVisita>(screen(ScreenId::Register), "stampa_visita");
    shootDialog<TfrmExpVisite>(screen(ScreenId::Register), "esporta_visite");
    QTemporaryDir fleetSample;
    SetProgramFolder(fleetSample.path());
    writeSampleFleet(ProgramFolder() + QStringLiteral("Flotta_Automezzi.pro"));
    shootDialog<TfrmDisponibili>(screen(ScreenId::Fleet), "disponibili");
    {
        TfrmTrovaFlotta search(screen(ScreenId::Fleet), FleetArchive::Path(), {});
        shoot(search, "trova_flotta");
        search.findChild<QPushButton *>(QStringLiteral("btnCerca"))->click();
        save(&search, "trova_flotta_risultati");
    }
    shootDialog<TfrmExpFlotta>(screen(ScreenId::Fleet), "esporta_flotta");
    shootDialog<TfrmAllegaCartella>(screen(ScreenId::Fleet), "allega_file", [](TfrmAllegaCartella &attach) {
        VehicleAttachments given;
        given.files[0] = QStringLiteral("libretto.pdf");
        given.descriptions[0] = QStringLiteral("Libretto di circolazione");
        attach.SetAttachments(given);
    });
    SetProgramFolder(QString());
    shootDialog<TfrmCodFisc>(screen(ScreenId::Fleet), "codfisc", [](TfrmCodFisc &check) { check.SetCode("RSSMRA85T10A562S"); });
    shootDialog<TfrmPartitaIva>(screen(ScreenId::Fleet), "partitaiva",
                                [](TfrmPartitaIva &check) { check.SetNumber("00743110157"); });
    DestroyWindows();
    return 0;
}
