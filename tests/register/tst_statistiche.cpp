// The statistics window driven as a user drives it: from the year menu, the
// year typed and Apri, the counts and both chart types on screen, the chart
// type kept between openings, the failures told, and the printed chart read
// back from PDF with the copies rules.
#include "gui/help/HelpTopics.h"
#include "gui/Startup.h"
#include "core/register/TransitStatistics.h"
#include "core/storage/IoError.h"
#include "gui/kit/Chart3D.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"

#include "PdfReadBack.h"
#include "TestSupport.h"
#include "varcanto_core.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
const QString FourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QStringList MonthNames = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const QList<QRgb> MonthColours = {0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                                  0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};

QByteArray card(const QString &entry, const QString &exit = {})
{
    VisitRecord c;
    c.DataEnt = entry;
    c.OraEnt = QStringLiteral("08:00");
    c.Veicolo = QStringLiteral("Iveco Daily");
    c.Targa = QStringLiteral("AB123CD");
    c.DataUsc = exit;
    return c.toBytes();
}

// Month m (1-based) of 2021 has m + 2 cards, December 14; a card entered in
// another year and one with a shortened date are not counted.
QByteArray year2021()
{
    QByteArray bytes;
    for (int m = 1; m <= 12; ++m) {
        for (int i = 0; i < m + 2; ++i)
            bytes += card(QStringLiteral("%1/%2/2021").arg(i + 1, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')),
                          m == 12 && i == 0 ? QStringLiteral("03/01/2022") : QString());
    }
    return bytes + card("31/12/2020", "02/01/2021") + card("1/5/2021");
}

// Where each colour of the months lies inside the chart's plot area.
struct ColourSpread {
    int pixels = 0;
    double sumX = 0;
    double centreX() const { return pixels ? sumX / pixels : -1; }
};

QList<ColourSpread> spreadOfMonthColours(QWidget *chart)
{
    const QImage image = chart->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRectF plot = LayOutChart(QRectF(QPointF(0, 0), QSizeF(chart->size())),
                                    static_cast<ChartView *>(chart)->chart())
                            .plot;
    const qreal ratio = image.devicePixelRatio();
    QList<ColourSpread> spread(12);
    for (int y = int(plot.top() * ratio); y < int(plot.bottom() * ratio); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = int(plot.left() * ratio); x < int(plot.right() * ratio); ++x) {
            const int month = int(MonthColours.indexOf(line[x]));
            if (month >= 0) {
                ++spread[month].pixels;
                spread[month].sumX += x;
            }
        }
    }
    return spread;
}
} // namespace

class TestStatistiche : public QObject
{
    Q_OBJECT

    std::unique_ptr<FixedClock> clock;
    std::unique_ptr<ProgramWindows> program;

    QWidget *stats() { return Navigator::Screen(ScreenId::Statistics); }
    QLineEdit *year() { return control<QLineEdit>(stats(), "txtAnno"); }
    void click(const char *name) { QTest::mouseClick(control(stats(), name), Qt::LeftButton); }

    // The way a user gets here: start menu, year menu, statistics "Apri".
    void openFromTheYearMenu()
    {
        QWidget *menu = Navigator::Screen(ScreenId::YearMenu);
        HandOver(Navigator::Screen(ScreenId::StartMenu), menu);
        QTest::mouseClick(control(menu, "btnApriRiepStats"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(stats()->isVisible());
        QVERIFY(!menu->isVisible());
        stats()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(stats()));
    }

    void apri(const QString &typed)
    {
        year()->clear();
        QTest::keyClicks(year(), typed);
        click("btnApri");
    }

    QStringList counters()
    {
        QStringList texts;
        for (const QString &m : MonthNames)
            texts << control<QLabel>(stats(), qPrintable("mem" + m))->text();
        return texts;
    }

    bool chartShown() { return control(stats(), "panContainer")->isVisible() && !control(stats(), "panAvvio")->isVisible(); }

private slots:
    void initTestCase() { SetUpItalian(*qApp); }

    void init()
    {
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2021, 11, 5), QTime(9, 30)));
        program = std::make_unique<ProgramWindows>();
        program->dir.write("2021.vis", year2021());
        Navigator::Screen(ScreenId::StartMenu)->show();
        openFromTheYearMenu();
    }

    void cleanup()
    {
        program.reset();
        clock.reset();
    }

    void opensOnTheYearPanel()
    {
        QCOMPARE(stats()->windowTitle(), QStringLiteral(" Varcanto - Statistiche transiti veicoli"));
        QCOMPARE(year()->text(), QStringLiteral("2021"));
        QCOMPARE(QApplication::focusWidget(), year());
        QVERIFY(control(stats(), "panAvvio")->isVisible());
        QVERIFY(!control(stats(), "panContainer")->isVisible());
        QCOMPARE(control<QLabel>(stats(), "panInfo")->text(), QStringLiteral("Grafico statistico dei transiti mensili."));
    }

    void apriCountsTheYear()
    {
        QTest::keyClick(year(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnApri"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(program->script.messages.isEmpty());
        QVERIFY(chartShown());
        QCOMPARE(counters(), QStringList({"3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}));
        QCOMPARE(control<QLabel>(stats(), "lblFile")->text(), program->dir.path("2021.vis"));
        QCOMPARE(control<QLabel>(stats(), "lblTitolo")->text(),
                 QStringLiteral("Rappresentazione grafica dei transiti registrati nell'anno 2021."));
    }

    // Both chart types draw every month in its own colour inside the plot:
    // bars left to right in month order and as tall as their counts, the pie
    // with slices as large as their counts all around its centre.
    void bothChartTypesShowTheTwelveMonths()
    {
        apri("2021");
        QWidget *chart = control(stats(), "ChartStats");
        QVERIFY(QTest::qWaitForWindowExposed(stats()));

        const QList<ColourSpread> bars = spreadOfMonthColours(chart);
        for (int m = 0; m < 12; ++m)
            QVERIFY2(bars[m].pixels > 0, qPrintable(MonthNames[m]));
        for (int m = 1; m < 12; ++m) {
            QVERIFY2(bars[m].centreX() > bars[m - 1].centreX(), qPrintable(MonthNames[m]));
            QVERIFY2(bars[m].pixels > bars[m - 1].pixels, qPrintable(MonthNames[m]));
        }

        click("btnTorta");
        const QList<ColourSpread> pie = spreadOfMonthColours(chart);
        bool leftToRight = true;
        for (int m = 0; m < 12; ++m) {
            QVERIFY2(pie[m].pixels > 0, qPrintable(MonthNames[m]));
            if (m > 0 && pie[m].centreX() < pie[m - 1].centreX())
                leftToRight = false;
        }
        QVERIFY(!leftToRight);
        // December's slice (14 cards) against January's (3).
        QVERIFY(pie[11].pixels > 3 * pie[0].pixels);

        click("btnBarre");
        QCOMPARE(spreadOfMonthColours(chart)[5].pixels, bars[5].pixels);
    }

    // The pie chosen stays for the next opening in the same run; every
    // opening starts again from the year panel.
    void chartTypeIsKeptBetweenOpenings()
    {
        apri("2021");
        click("btnTorta");
        click("btnEsci");
        QVERIFY(Navigator::Screen(ScreenId::StartMenu)->isVisible());
        QVERIFY(!stats()->isVisible());

        openFromTheYearMenu();
        QVERIFY(!chartShown());
        QVERIFY(static_cast<ChartView *>(control(stats(), "ChartStats"))->chart().points.isEmpty());
        click("btnApri");
        QVERIFY(chartShown());
        QCOMPARE(static_cast<ChartView *>(control(stats(), "ChartStats"))->chart().kind, ChartKind::Pie);
    }

    void onlyFourDigitsOpen()
    {
        year()->clear();
        QTest::keyClicks(year(), "2a0 2");
        QCOMPARE(year()->text(), QStringLiteral("202"));
        QTest::keyClick(year(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), year());
        click("btnApri");
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Warning);
        QCOMPARE(program->script.messages[0].text, FourDigits);
        QCOMPARE(QApplication::focusWidget(), year());
        QVERIFY(!chartShown());
    }

    void yearWithoutArchiveShowsTwelveZeros()
    {
        QVERIFY(!QFile::exists(program->dir.path("1999.vis")));
        apri("1999");
        QVERIFY(program->script.messages.isEmpty());
        QVERIFY(chartShown());
        QCOMPARE(counters(), QStringList(12, "0"));
        QVERIFY(QFile::exists(program->dir.path("1999.vis")));
    }

    // A count that cannot read the archive is told, and never shown as a
    // year without transits.
    void archiveThatCannotBeReadIsTold()
    {
        QDir(program->dir.folder()).mkdir("2019.vis");
        apri("2019");
        QCOMPARE(program->script.messages.size(), 1);
        QCOMPARE(program->script.messages[0].kind, MessageKind::Error);
        QCOMPARE(program->script.messages[0].text, ArchiveErrorText);
        QVERIFY(!chartShown());
    }

    void helpShowsTheStatisticsTopic()
    {
        QStringList titles;
        program->script.onModal = [&](QDialog *dialog) {
            QCOMPARE(dialog->parentWidget(), stats());
            titles << dialog->findChild<QLabel *>("lblTitolo")->text();
            dialog->reject();
        };
        click("imgGuida");
        apri("2021");
        click("cmdGuida");
        QCOMPARE(titles, QStringList({HelpStatistics().title, HelpStatistics().title}));
        QCOMPARE(HelpStatistics().title, QStringLiteral("Grafici statistici dei transiti dei veicoli."));
    }

    // The copies typed are proposed in the print dialog (one for an empty or
    // non-numeric answer, the maximum for an absurd one, with a message); the
    // copies confirmed there are the pages printed, each the whole chart on
    // a landscape page.
    void printing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("proposed");
        QTest::addColumn<int>("confirmed"); // 0: as proposed
        QTest::addColumn<bool>("capped");
        QTest::newRow("as proposed") << "1" << 1 << 0 << false;
        QTest::newRow("three") << "3" << 3 << 0 << false;
        QTest::newRow("2x") << "2x" << 1 << 2 << false;
        QTest::newRow("empty") << "" << 1 << 0 << false;
        QTest::newRow("twenty digits") << "99999999999999999999" << MaxChartCopies << 2 << true;
        QTest::newRow("five hundred") << "500" << MaxChartCopies << 1 << true;
    }
    void printing()
    {
        QFETCH(QString, typed);
        QFETCH(int, proposed);
        QFETCH(int, confirmed);
        QFETCH(bool, capped);
        apri("2021");
        click("btnTorta");
        const QString pdf = program->dir.path("grafico.pdf");
        int seen = -1;
        program->script.inputs = {typed};
        program->script.onPrint = [&](QPrinter *printer) {
            seen = printer->copyCount();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            if (confirmed)
                printer->setCopyCount(confirmed);
            return true;
        };
        click("btnStampa");
        QCOMPARE(seen, proposed);
        QCOMPARE(program->script.messages.first().kind, MessageKind::Question);
        QCOMPARE(program->script.messages.first().text, QStringLiteral("Si vuole stampare il presente grafico statistico?"));
        QCOMPARE(program->script.messages.size(), capped ? 2 : 1);
        if (capped)
            QVERIFY(program->script.messages[1].text.contains(QString::number(MaxChartCopies)));

        QCOMPARE(PdfInfoValue(pdf, "Pages").toInt(), confirmed ? confirmed : proposed);
        const QStringList size = PdfInfoValue(pdf, "Page size").split(' ');
        QVERIFY2(size.size() > 3 && size[0].toDouble() > size[2].toDouble(), qPrintable(size.join(' ')));
        const QString text = PdfText(pdf);
        for (const QString &expected : {QStringLiteral("Statistiche mensili ingressi e uscite veicoli"),
                                        QStringLiteral("Le statistiche si basano sui transiti effettivamente "
                                                       "registrati per tutti i veicoli."),
                                        QStringLiteral("Numero transiti veicoli:"), QStringLiteral("Settembre"),
                                        QStringLiteral("14")})
            QVERIFY2(text.contains(expected), qPrintable(expected + "\n" + text));
    }

    // No, a cancelled copies box or a cancelled print dialog print nothing.
    void printingCanBeDeclinedAtEachStep_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("copiesGiven");
        QTest::addColumn<bool>("dialogShown");
        QTest::newRow("no") << false << true << false;
        QTest::newRow("copies box cancelled") << true << false << false;
        QTest::newRow("print dialog cancelled") << true << true << true;
    }
    void printingCanBeDeclinedAtEachStep()
    {
        QFETCH(bool, yes);
        QFETCH(bool, copiesGiven);
        QFETCH(bool, dialogShown);
        apri("2021");
        program->script.answers = {yes ? QMessageBox::Yes : QMessageBox::No};
        if (copiesGiven)
            program->script.inputs = {QStringLiteral("2")};
        bool shown = false;
        const QString pdf = program->dir.path("grafico.pdf");
        program->script.onPrint = [&](QPrinter *printer) {
            shown = true;
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return false;
        };
        click("btnStampa");
        QCOMPARE(shown, dialogShown);
        QCOMPARE(program->script.inputs.isEmpty(), copiesGiven ? yes : true);
        QVERIFY(!QFile::exists(pdf));
    }

    void statusHints()
    {
        apri("2021");
        QLabel *status = control<QLabel>(stats(), "panInfo");
        QTest::mouseMove(control(stats(), "btnStampa"));
        QCOMPARE(status->text(), QStringLiteral("Stampa il grafico corrente."));
        QTest::mouseMove(control(stats(), "ChartStats"));
        QCOMPARE(status->text(), QString());
        QTest::mouseMove(control(stats(), "cmdGuida"));
        QCOMPARE(status->text(), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    }
};

QTEST_MAIN(TestStatistiche)
#include "tst_statistiche.moc"
