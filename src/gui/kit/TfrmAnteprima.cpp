#include "gui/kit/TfrmAnteprima.h"

#include "gui/kit/Report.h"
#include "gui/kit/WindowKit.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The zoom the preview opens at and the ones the zoom button offers.
constexpr double Zooms[] = {50, 75, 100, 150, 200};

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

TfrmAnteprima::TfrmAnteprima(QWidget *parent, QPageLayout::Orientation orientation, Draw draw)
    : QDialog(parent)
    , m_orientation(orientation)
    , m_draw(std::move(draw))
    , m_printer(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("TfrmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    SetUpReportPrinter(*m_printer, orientation);

    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("prvPagine"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        SetUpReportPrinter(*printer, m_orientation);
        QPainter painter(printer);
        m_draw(painter, *printer);
    });

    auto *print = button(this, "cmdStampa", QStringLiteral("Stampa"));
    auto *zoom = new QToolButton(this);
    zoom->setObjectName(QStringLiteral("cmdZoom"));
    zoom->setText(QStringLiteral("Zoom"));
    zoom->setPopupMode(QToolButton::InstantPopup);
    auto *zoomMenu = new QMenu(zoom);
    for (const double percent : Zooms)
        zoomMenu->addAction(QStringLiteral("%1 %").arg(percent), this, [this, percent] { setZoom(percent); });
    zoomMenu->addAction(QStringLiteral("Pagina intera"), m_preview, &QPrintPreviewWidget::fitInView);
    zoom->setMenu(zoomMenu);
    m_fullScreen = button(this, "cmdSchermoIntero", QStringLiteral("Schermo intero"));
    m_fullScreen->setCheckable(true);
    m_thumbnails = button(this, "cmdMiniature", QStringLiteral("Miniature"));
    m_thumbnails->setCheckable(true);
    auto *close = button(this, "cmdChiudi", QStringLiteral("Chiudi"));

    connect(print, &QPushButton::clicked, this, &TfrmAnteprima::cmdStampaClick);
    connect(m_fullScreen, &QPushButton::clicked, this, &TfrmAnteprima::cmdSchermoInteroClick);
    connect(m_thumbnails, &QPushButton::clicked, this, &TfrmAnteprima::cmdMiniatureClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *bar = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(print), static_cast<QWidget *>(zoom), static_cast<QWidget *>(m_fullScreen),
                       static_cast<QWidget *>(m_thumbnails)})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_preview, 1);
    zoom->setAccessibleName(zoom->text());

    resize(900, 1000);
    if (QScreen *screen = this->screen())
        resize(size().boundedTo(screen->availableSize()));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    setZoom(100);
    close->setFocus();
}

TfrmAnteprima::~TfrmAnteprima()
{
    delete m_printer;
}

double TfrmAnteprima::zoomPercent() const
{
    return m_preview->zoomFactor() * 100;
}

// 100 % is the page's real size on this screen (the preview scales by the
// ratio of screen and printer resolutions itself).
void TfrmAnteprima::setZoom(double percent)
{
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(percent / 100.0);
}

void TfrmAnteprima::cmdStampaClick()
{
    PrintReport(this, m_orientation, m_draw);
}

void TfrmAnteprima::cmdSchermoInteroClick()
{
    if (m_fullScreen->isChecked())
        showFullScreen();
    else
        showNormal();
}

void TfrmAnteprima::cmdMiniatureClick()
{
    m_preview->setViewMode(m_thumbnails->isChecked() ? QPrintPreviewWidget::AllPagesView
                                                     : QPrintPreviewWidget::SinglePageView);
    if (!m_thumbnails->isChecked())
        setZoom(100);
}
