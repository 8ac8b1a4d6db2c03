#pragma once
// The chart of the program: one series of labelled, coloured values drawn as
// three-dimensional bars (front, top and side faces, orthogonal view) or as a
// pie with thickness, with value marks on the points, a legend with its title
// below the chart, a title above and a foot text below. One paint function
// serves the screen and the printer.
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;
class QPrinter;

enum class ChartKind { Bars, Pie };

struct ChartPoint {
    QString label;
    double value;
    QColor color;
};

// A text of the chart and its look; the size is in points.
struct ChartText {
    QString text;
    QString family;
    double pointSize;
    bool bold;
    QColor color;
};

struct ChartData {
    ChartText title;
    ChartText foot;
    QString legendTitle;
    ChartKind kind = ChartKind::Bars;
    QList<ChartPoint> points;
};

// Where the parts of the chart go inside area (in the painter's units, one
// unit a screen pixel at 96 dots per inch).
struct ChartLayout {
    QRectF title;
    QRectF plot;   // bars or pie, with their marks and axis
    QRectF legend;
    QRectF foot;
};
ChartLayout LayOutChart(const QRectF &area, const ChartData &chart);

// Draws the whole chart into area on a white ground.
void PaintChart(QPainter &painter, const QRectF &area, const ChartData &chart);

// One page of the chart for each copy, each filling the printable area.
// False when the printer cannot be opened (nothing printed).
bool PrintChart(QPrinter &printer, const ChartData &chart, int copies);

// The chart on screen.
class ChartView : public QWidget
{
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    const ChartData &chart() const { return m_chart; }
    void setChart(const ChartData &chart);
    void setKind(ChartKind kind);
    void setPoints(const QList<ChartPoint> &points);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartData m_chart;
};
