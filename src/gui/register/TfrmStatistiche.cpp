#include "gui/register/TfrmStatistiche.h"
#include "ui_TfrmStatistiche.h"

#include "gui/help/HelpTopics.h"
#include "gui/help/TfrmGuida.h"
#include "core/register/TransitStatistics.h"
#include "core/register/YearArchive.h"
#include "core/storage/Environment.h"
#include "core/storage/IoError.h"
#include "core/storage/TextRules.h"
#include "gui/kit/Chart3D.h"
#include "gui/kit/Dialogs.h"
#include "gui/kit/Navigator.h"
#include "gui/kit/ScanProgressWindow.h"
#include "gui/kit/WindowKit.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPrinter>

namespace {
const QString FourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString AskPrint = QStringLiteral("Si vuole stampare il presente grafico statistico?");
const QString CopiesCapped = QStringLiteral(
    "Attenzione: è possibile stampare al massimo %1 copie del grafico per volta.\n\r\n\r"
    "Il numero di copie proposto è %1; è possibile cambiarlo nella finestra di stampa.");
const QString PrintFailed = QStringLiteral(
    "Attenzione: non è stato possibile stampare il grafico.\n\r\n\r"
    "Verificare che la stampante scelta sia disponibile e riprovare.");

struct Month {
    const char *label;
    QRgb color;
};

// The twelve points of the series, January first.
constexpr Month Months[12] = {
    {"Gennaio", 0xFFFF0000},   {"Febbraio", 0xFF0000FF}, {"Marzo", 0xFFFFE4C4},     {"Aprile", 0xFFFF00FF},
    {"Maggio", 0xFFC0DCC0},    {"Giugno", 0xFFFFFF00},   {"Luglio", 0xFF00FF00},    {"Agosto", 0xFFC0C0C0},
    {"Settembre", 0xFFF0FBFF}, {"Ottobre", 0xFF87CEEB},  {"Novembre", 0xFF800000}, {"Dicembre", 0xFF008000},
};

ChartData designChart()
{
    ChartData chart;
    chart.title = {QStringLiteral("Statistiche mensili ingressi e uscite veicoli"), QStringLiteral("Verdana"), 20, true,
                   QColor::fromRgba(0xFFD04498)};
    chart.foot = {QStringLiteral("Le statistiche si basano sui transiti effettivamente registrati per tutti i veicoli."),
                  QStringLiteral("Verdana"), 11, true, QColor::fromRgba(0xFF7294F9)};
    chart.legendTitle = QStringLiteral("Numero transiti veicoli:");
    chart.kind = ChartKind::Bars;
    return chart;
}
} // namespace

TfrmStatistiche::TfrmStatistiche(QWidget *parent)
    : ScreenWindow(parent), ui(std::make_unique<Ui::TfrmStatistiche>())
{
    ui->setupUi(this);
    // A picture that only decorates: a plain label, not a button for screen readers.
    ui->icoStatistiche->setPixmap(QIcon(QStringLiteral(":/img/statistics.svg")).pixmap(QSize(150, 150), devicePixelRatioF()));
    ui->txtAnno->setMaxLength(4);
    // Only digits reach the year: not even Tab leaves the field; Enter goes to Apri.
    AttachDigitsOnly(ui->txtAnno, ui->btnApri, false);
    ui->ChartStats->setChart(designChart());

    AttachStatusHints(
        this, ui->panInfo,
        {{"btnBarre", "Visualizza le statistiche degli ingressi e uscite veicoli sotto forma di grafico a barre "
                      "tridimensionali."},
         {"btnTorta", "Visualizza le statistiche degli ingressi e uscite veicoli sotto forma di grafico a torta "
                      "tridimensionale."},
         {"btnStampa", "Stampa il grafico corrente."},
         {"btnEsci", "Esci da questo ambiente di lavoro."},
         {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."}},
        {"panContainer", "bkgBianco", "shpInfo", "panInfo", "ChartStats"});
    AttachAccessibleNames(this, {{"lblApri", "txtAnno"}},
                          {{"imgGuida", "Guida"}, {"imgEsci", "Esci"}});
    ui->ChartStats->setAccessibleName(ui->ChartStats->chart().title.text);

    connect(ui->btnApri, &QPushButton::clicked, this, &TfrmStatistiche::btnApriClick);
    connect(ui->btnBarre, &QPushButton::clicked, this, &TfrmStatistiche::btnBarreClick);
    connect(ui->btnTorta, &QPushButton::clicked, this, &TfrmStatistiche::btnTortaClick);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &TfrmStatistiche::imgEsciClick);
    connect(ui->imgEsci, &ClickableLabel::clicked, this, &TfrmStatistiche::imgEsciClick);
    connect(ui->imgGuida, &ClickableLabel::clicked, this, &TfrmStatistiche::imgGuidaClick);
    connect(ui->cmdGuida, &ClickableLabel::clicked, this, &TfrmStatistiche::imgGuidaClick);
    ui->panContainer->hide();
}

TfrmStatistiche::~TfrmStatistiche() = default;

// Every showing starts from the year panel with the current year; the chart
// type chosen last is kept.
void TfrmStatistiche::FormShow()
{
    ui->txtAnno->setText(QStringLiteral("%1").arg(CurrentDateTime().date().year(), 4, 10, QLatin1Char('0')));
    ui->ChartStats->setPoints({});
    ui->ChartStats->setAccessibleDescription(QString());
    ui->panContainer->hide();
    ui->panAvvio->show();
    ui->txtAnno->setFocus(Qt::OtherFocusReason);
}

void TfrmStatistiche::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Navigator::GoTo(this, ScreenId::StartMenu);
}

void TfrmStatistiche::btnApriClick()
{
    // The field takes nothing but digits by any route; a year of other than
    // four digits never names an archive.
    if (!IsYearText(ui->txtAnno->text())) {
        Dialogs::Message(this, MessageKind::Warning, FourDigits);
        ui->txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = Trim(ui->txtAnno->text());
    ui->lblFile->setText(YearArchive::PathFor(year));
    ui->lblTitolo->setText(QStringLiteral("Rappresentazione grafica dei transiti registrati nell'anno ") + year
                           + QLatin1Char('.'));
    QLabel *counters[12] = {ui->memGennaio, ui->memFebbraio, ui->memMarzo,     ui->memAprile,
                            ui->memMaggio,  ui->memGiugno,   ui->memLuglio,    ui->memAgosto,
                            ui->memSettembre, ui->memOttobre, ui->memNovembre, ui->memDicembre};
    for (QLabel *counter : counters)
        counter->setText(QStringLiteral("0"));

    std::array<int, 12> counts{};
    try {
        ScanProgressWindow feedback(this, QStringLiteral("Conteggio dei transiti dell'anno %1 in corso...").arg(year));
        counts = CountMonthlyTransits(ui->lblFile->text(), year, feedback.progress());
    } catch (const IoError &e) {
        // The year panel stays: a failed count is never shown as a year
        // without transits.
        Dialogs::ArchiveError(this, &e);
        return;
    }

    QList<ChartPoint> points;
    QStringList spoken;
    for (int m = 0; m < 12; ++m) {
        counters[m]->setText(QString::number(counts[m]));
        points.append({QString::fromLatin1(Months[m].label), double(counts[m]), QColor::fromRgba(Months[m].color)});
        spoken << QStringLiteral("%1 %2").arg(QString::fromLatin1(Months[m].label)).arg(counts[m]);
    }
    ui->ChartStats->setPoints(points);
    ui->ChartStats->setAccessibleDescription(spoken.join(QStringLiteral(", ")));
    ui->panAvvio->hide();
    ui->panContainer->show();
    ui->btnStampa->setFocus(Qt::OtherFocusReason);
}

void TfrmStatistiche::btnBarreClick()
{
    ui->ChartStats->setKind(ChartKind::Bars);
}

void TfrmStatistiche::btnTortaClick()
{
    ui->ChartStats->setKind(ChartKind::Pie);
}

void TfrmStatistiche::btnStampaClick()
{
    if (!Dialogs::Ask(this, AskPrint))
        return;
    const std::optional<QString> typed =
        Dialogs::Input(this, QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), QStringLiteral("1"));
    if (!typed)
        return;
    const CopiesAnswer answer = CopiesFromAnswer(*typed);
    if (answer.capped)
        Dialogs::Message(this, MessageKind::Warning, CopiesCapped.arg(MaxChartCopies));

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(answer.copies);
    if (!Dialogs::Print(this, &printer))
        return;
    // Each copy chosen in the print dialog is a page of its own; the driver
    // is asked for one copy, so it does not multiply them again.
    const int copies = std::clamp(printer.copyCount(), 1, MaxChartCopies);
    printer.setCopyCount(1);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!PrintChart(printer, ui->ChartStats->chart(), copies))
        Dialogs::Message(this, MessageKind::Error, PrintFailed);
}

void TfrmStatistiche::imgGuidaClick()
{
    ShowHelp(this, HelpStatistics());
}

void TfrmStatistiche::imgEsciClick()
{
    close();
}
