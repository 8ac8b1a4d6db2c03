// Builds the user manual Guida.pdf from the help topics and pictures of the
// real windows, rendered offscreen on sample archives:
//   varcanto_guida <output.pdf>
#include "GuideSections.h"

#include "gui/Startup.h"
#include "core/fleet/FleetArchive.h"
#include "core/fleet/VehicleDeadlines.h"
#include "core/register/VisitRecord.h"
#include "core/storage/IoError.h"
#include "core/storage/Environment.h"
#include "gui/kit/Dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {
// A year of sample cards, so the statistics show a chart.
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
            card.Veicolo = QStringLiteral("Fiat Ducato");
            card.Targa = QStringLiteral("AB123CD");
            file.write(card.toBytes());
        }
    }
}

// A few vehicles with deadlines, so the start menu's reminder and the list
// of deadlines show what they do.
void writeSampleFleet()
{
    const char *vehicles[][4] = {{"Autocarro", "Iveco", "Daily", "EF456GH"},
                                 {"Autovettura", "Fiat", "Panda", "AB123CD"},
                                 {"Autobus", "Iveco", "Crossway", "GH789JK"}};
    for (const auto &v : vehicles) {
        VehicleRecord card;
        card.Veicolo = QString::fromLatin1(v[0]);
        card.Marca = QString::fromLatin1(v[1]);
        card.Modello = QString::fromLatin1(v[2]);
        card.Targa = QString::fromLatin1(v[3]);
        card.Conducente = QStringLiteral("Mario Rossi");
        card.Disponibile = AvailableYes;
        if (&v == &vehicles[0]) {
            card.Peso = QStringLiteral("3,5");
            card.Immatricolazione = QStringLiteral("03/2019");
        }
        FleetArchive::AppendCard(card);
    }
    VehicleDeadlines first;
    first.Assicurazione = QStringLiteral("30/11/2021");
    first.Bollo = QStringLiteral("31/01/2022");
    VehicleDeadlines second;
    second.Assicurazione = QStringLiteral("10/11/2021");
    second.Tagliando = QStringLiteral("01/12/2021");
    VehicleDeadlines third;
    third.Revisione = QStringLiteral("31/10/2021");
    const VehicleDeadlines *all[] = {&first, &second, &third};
    for (int card = 1; card <= 3; ++card)
        DeadlineFile::StoreIfUnchanged(FleetArchive::Path(), card, std::nullopt, *all[card - 1]);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: varcanto_guida <output.pdf>\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    SetUpItalian(app);
    // No window of the program may stop the build on a question.
    ScriptedDialogs quiet;
    QTemporaryDir sample;
    SetProgramFolder(sample.path());
    SetClock([] { return QDateTime(QDate(2021, 11, 15), QTime(9, 30)); });
    writeSampleYear(ProgramFolder() + QStringLiteral("2021.vis"));
    try {
        writeSampleFleet();
    } catch (const IoError &) {
        // The manual then shows the fleet's windows empty.
    }
    CreateWindows();

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    // No ligatures: the text must read back as typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #1F3A5F; font-size: 20pt; } h2 { color: #1F3A5F; font-size: 15pt; } "
        "p { margin-bottom: 6px; } td { padding: 2px 6px; } .pulsante { font-weight: bold; }"));

    QString html = QStringLiteral("<h1>Varcanto - Guida all'utilizzo del software</h1>"
                                  "<p>Registro degli ingressi e delle uscite dei veicoli e parco automezzi.</p>");
    const QList<GuideSection> sections = GuideSections();
    html += QStringLiteral("<h2>Indice</h2><ol>");
    for (const GuideSection &section : sections)
        html += QStringLiteral("<li>") + escaped(section.heading) + QStringLiteral("</li>");
    html += QStringLiteral("</ol>");

    int number = 0;
    for (const GuideSection &section : sections) {
        ++number;
        html += QStringLiteral("<h2>%1. %2</h2>").arg(number).arg(escaped(section.heading));
        for (const QString &paragraph : section.paragraphs)
            html += QStringLiteral("<p>") + escaped(paragraph) + QStringLiteral("</p>");
        if (section.picture) {
            const QImage picture = section.picture();
            if (!picture.isNull()) {
                const QString name = QStringLiteral("finestra%1.png").arg(number);
                document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
                const int width = std::min(620, picture.width());
                html += QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
                            .arg(name)
                            .arg(width)
                            .arg(picture.height() * width / std::max(1, picture.width()));
            }
        }
        if (!section.controls.isEmpty()) {
            html += QStringLiteral("<table>");
            for (const auto &[control, does] : section.controls)
                html += QStringLiteral("<tr><td class=\"pulsante\">%1</td><td>%2</td></tr>")
                            .arg(escaped(control), escaped(does));
            html += QStringLiteral("</table>");
        }
        for (const QString &paragraph : section.closing)
            html += QStringLiteral("<p>") + escaped(paragraph) + QStringLiteral("</p>");
    }
    document.setHtml(html);

    QPdfWriter pdf(output);
    pdf.setTitle(QStringLiteral("Varcanto - Guida all'utilizzo del software"));
    pdf.setCreator(QStringLiteral("Varcanto"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                  QPageLayout::Millimeter));
    pdf.setResolution(300);
    document.print(&pdf);

    DestroyWindows();
    SetClock({});
    SetProgramFolder(QString());
    if (!QFile::exists(output) || QFile(output).size() == 0) {
        std::fprintf(stderr, "varcanto_guida: %s not written\n", qPrintable(output));
        return 1;
    }
    return 0;
}
