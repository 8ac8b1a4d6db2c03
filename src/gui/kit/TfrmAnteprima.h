#pragma once
// The print preview of a report: the prepared pages at 100 %, not editable,
// with the buttons print, zoom, full screen, thumbnails and close. Printing
// goes through the print dialog, the default printer preselected.
#include <QDialog>
#include <QPageLayout>
#include <functional>

class QPainter;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QToolButton;

class TfrmAnteprima : public QDialog
{
    Q_OBJECT
public:
    // draw paints the pages on a printer set up for the report.
    using Draw = std::function<void(QPainter &, QPrinter &)>;
    TfrmAnteprima(QWidget *parent, QPageLayout::Orientation orientation, Draw draw);
    ~TfrmAnteprima() override;

    // Zoom in percent of the page's real size.
    double zoomPercent() const;

private:
    void cmdStampaClick();
    void cmdSchermoInteroClick();
    void cmdMiniatureClick();
    void setZoom(double percent);

    QPageLayout::Orientation m_orientation;
    Draw m_draw;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
    QPushButton *m_fullScreen;
    QPushButton *m_thumbnails;
};
