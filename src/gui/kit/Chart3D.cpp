#include "gui/kit/Chart3D.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {
// Painter units are screen pixels at 96 dots per inch, so sizes in points
// become pixel sizes and follow the painter's scale on a printer too.
QFont fontOf(const QString &family, double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(1, qRound(pointSize * 96.0 / 72.0)));
    font.setBold(bold);
    // DejaVu would join "ff" and "fi" into ligatures, which printed pages
    // then read back as other characters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont fontOf(const ChartText &text)
{
    return fontOf(text.family, text.pointSize, text.bold);
}

QFont markFont()
{
    return fontOf(QStringLiteral("Verdana"), 8, false);
}
QFont legendFont(bool bold)
{
    return fontOf(QStringLiteral("Verdana"), 9, bold);
}

const QColor MarkFill(0xFF, 0xFF, 0xE1);
const QColor Outline(0x40, 0x40, 0x40);

QString valueText(double value)
{
    return QString::number(qRound64(value));
}

// The legend: its title on the first line, then the points in as many
// columns as the width holds.
struct LegendGrid {
    double entryWidth;
    double lineHeight;
    int columns;
    int rows;
    QSizeF size;
};

LegendGrid legendGrid(const ChartData &chart, double width)
{
    const QFontMetricsF plain(legendFont(false));
    const QFontMetricsF bold(legendFont(true));
    double widest = 0;
    for (const auto &p : chart.points)
        widest = std::max(widest, plain.horizontalAdvance(p.label));
    LegendGrid g;
    g.lineHeight = plain.height() + 4;
    const double swatch = plain.height();
    g.entryWidth = swatch + 6 + widest + 16;
    const int count = std::max<int>(1, int(chart.points.size()));
    g.columns = std::clamp(int((width - 16) / g.entryWidth), 1, count);
    // Balanced rows: twelve points in 6 x 2 rather than 10 + 2.
    g.rows = (count + g.columns - 1) / g.columns;
    g.columns = (count + g.rows - 1) / g.rows;
    const double w = std::max(g.columns * g.entryWidth, bold.horizontalAdvance(chart.legendTitle)) + 16;
    g.size = QSizeF(std::min(w, width), bold.height() + 6 + g.rows * g.lineHeight + 8);
    return g;
}

double niceStep(double maximum)
{
    const double rough = maximum / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * magnitude >= rough)
            return std::max(1.0, m * magnitude);
    }
    return std::max(1.0, 10 * magnitude);
}

// A value mark: the value in a small framed box centred on anchor's x, its
// bottom at anchor's y.
void drawMark(QPainter &p, const QPointF &anchor, const QString &text)
{
    p.setFont(markFont());
    const QFontMetricsF fm(p.font());
    const QSizeF size(fm.horizontalAdvance(text) + 8, fm.height() + 2);
    const QRectF box(anchor.x() - size.width() / 2, anchor.y() - size.height(), size.width(), size.height());
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(MarkFill);
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
}

void paintBars(QPainter &p, const QRectF &plot, const ChartData &chart)
{
    const int n = std::max<int>(1, int(chart.points.size()));
    double maximum = 0;
    for (const auto &pt : chart.points)
        maximum = std::max(maximum, pt.value);
    const double step = niceStep(std::max(maximum, 1.0));
    const double top = std::ceil(std::max(maximum, 1.0) / step) * step;

    p.setFont(markFont());
    const QFontMetricsF fm(p.font());
    const double axisWidth = fm.horizontalAdvance(valueText(top)) + 10;
    const double labelHeight = fm.height() + 6;
    const double markSpace = fm.height() + 10;
    const double depth = std::clamp(plot.width() / n * 0.22, 4.0, 18.0);

    // The box of the axes: front plane x0..x1 - depth, back plane shifted by
    // depth to the right and up.
    const double x0 = plot.left() + axisWidth;
    const double x1 = plot.right() - 4;
    const double yBase = plot.bottom() - labelHeight;
    const double yTop = plot.top() + markSpace;
    const double front = x1 - depth - x0;
    const double scale = (yBase - depth - yTop) / top;

    // Back wall, left wall and floor in light greys, with the value lines.
    p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 0.8));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawRect(QRectF(QPointF(x0 + depth, yTop), QPointF(x1, yBase - depth)));
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawPolygon(QPolygonF({QPointF(x0, yTop + depth), QPointF(x0 + depth, yTop), QPointF(x0 + depth, yBase - depth),
                             QPointF(x0, yBase)}));
    p.drawPolygon(QPolygonF({QPointF(x0, yBase), QPointF(x0 + depth, yBase - depth), QPointF(x1, yBase - depth),
                             QPointF(x1 - depth, yBase)}));
    for (double v = 0; v <= top + step / 2; v += step) {
        const double y = yBase - depth - v * scale;
        p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 0.8));
        p.drawLine(QPointF(x0 + depth, y), QPointF(x1, y));
        p.drawLine(QPointF(x0, y + depth), QPointF(x0 + depth, y));
        p.setPen(Qt::black);
        p.drawText(QRectF(plot.left(), y + depth - fm.height() / 2, axisWidth - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, valueText(v));
    }

    const double slot = front / n;
    const double width = slot * 0.6;
    const double barDepth = depth * 0.8;
    for (int i = 0; i < int(chart.points.size()); ++i) {
        const ChartPoint &pt = chart.points.at(i);
        const double x = x0 + i * slot + (slot - width) / 2 + depth * 0.1;
        const double yb = yBase - depth * 0.1;
        const double h = std::max(0.0, pt.value) * scale;
        const QRectF face(x, yb - h, width, h);
        p.setPen(QPen(Outline, 0.6));
        p.setBrush(pt.color.darker(150));
        p.drawPolygon(QPolygonF({face.topRight(), face.topRight() + QPointF(barDepth, -barDepth),
                                 face.bottomRight() + QPointF(barDepth, -barDepth), face.bottomRight()}));
        p.setBrush(pt.color.lighter(125));
        p.drawPolygon(QPolygonF({face.topLeft(), face.topLeft() + QPointF(barDepth, -barDepth),
                                 face.topRight() + QPointF(barDepth, -barDepth), face.topRight()}));
        p.setBrush(pt.color);
        p.drawRect(face);
        drawMark(p, QPointF(x + width / 2 + barDepth / 2, yb - h - barDepth - 3), valueText(pt.value));

        // The month under its bar, shortened when the slot is narrow.
        p.setFont(markFont());
        QString label = pt.label;
        if (fm.horizontalAdvance(label) > slot - 2)
            label = label.left(3);
        p.setPen(Qt::black);
        p.drawText(QRectF(x0 + i * slot, yBase + 2, slot, labelHeight), Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

// A point of the ellipse at angle degrees (counter-clockwise from three
// o'clock), as Qt's arcs place it.
QPointF onEllipse(const QRectF &e, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return QPointF(e.center().x() + e.width() / 2 * std::cos(a), e.center().y() - e.height() / 2 * std::sin(a));
}

void paintPie(QPainter &p, const QRectF &plot, const ChartData &chart)
{
    double total = 0;
    for (const auto &pt : chart.points)
        total += std::max(0.0, pt.value);

    p.setFont(markFont());
    const QFontMetricsF fm(p.font());
    const double markRoom = fm.height() * 2 + 16;
    const double thickness = std::clamp(plot.height() * 0.08, 6.0, 30.0);
    const double flat = 0.55; // height of the top face over its width
    const double rx = std::max(10.0, std::min(plot.width() / 2 - fm.horizontalAdvance(QStringLiteral("00000")) - 24,
                                              (plot.height() - thickness - 2 * markRoom) / (2 * flat)));
    const double ry = rx * flat;
    const QPointF c(plot.center().x(), plot.center().y() - thickness / 2);
    const QRectF topFace(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    const QRectF bottomFace = topFace.translated(0, thickness);

    if (total <= 0) {
        // No transits at all: the empty pie, its rim and its side.
        p.setPen(QPen(Outline, 0.8));
        p.setBrush(QColor(0xE0, 0xE0, 0xE0));
        p.drawEllipse(bottomFace);
        p.drawRect(QRectF(topFace.left(), c.y(), topFace.width(), thickness));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(topFace.left() + 1, c.y(), topFace.width() - 2, thickness));
        p.setPen(QPen(Outline, 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(topFace);
        return;
    }

    struct Slice {
        double from, to; // degrees, from > to: the slices run clockwise from twelve o'clock
        const ChartPoint *point;
    };
    QList<Slice> slices;
    double at = 90;
    for (const auto &pt : chart.points) {
        if (pt.value <= 0)
            continue;
        const double span = pt.value / total * 360.0;
        slices.append({at, at - span, &pt});
        at -= span;
    }

    // The sides: only the front half of the rim (angles 180..360) is seen.
    for (const Slice &s : slices) {
        for (int turn = -2; turn <= 1; ++turn) {
            const double lo = std::max(s.to, 180.0 + 360 * turn);
            const double hi = std::min(s.from, 360.0 + 360 * turn);
            if (hi <= lo)
                continue;
            QPainterPath side;
            side.moveTo(onEllipse(topFace, lo));
            side.arcTo(topFace, lo, hi - lo);
            side.lineTo(onEllipse(bottomFace, hi));
            side.arcTo(bottomFace, hi, lo - hi);
            side.closeSubpath();
            p.setPen(QPen(Outline, 0.6));
            p.setBrush(s.point->color.darker(150));
            p.drawPath(side);
        }
    }
    // The top faces, then the marks around them.
    for (const Slice &s : slices) {
        p.setPen(QPen(Outline, 0.6));
        p.setBrush(s.point->color);
        p.drawPie(topFace, qRound(s.to * 16), qRound((s.from - s.to) * 16));
    }
    for (const Slice &s : slices) {
        const double mid = (s.from + s.to) / 2;
        const bool front = std::sin(qDegreesToRadians(mid)) < 0;
        QPointF edge = onEllipse(topFace, mid);
        if (front)
            edge.ry() += thickness;
        const QRectF outer = topFace.adjusted(-18, -18 * flat, 18, 18 * flat).translated(0, front ? thickness : 0);
        const QPointF tip = onEllipse(outer, mid);
        p.setPen(QPen(Outline, 0.8));
        p.drawLine(edge, tip);
        const double up = std::sin(qDegreesToRadians(mid)) >= 0 ? 0 : fm.height() + 2;
        drawMark(p, QPointF(tip.x() + std::cos(qDegreesToRadians(mid)) * 14, tip.y() + up),
                 valueText(s.point->value));
    }
}

void paintLegend(QPainter &p, const QRectF &box, const ChartData &chart)
{
    const LegendGrid g = legendGrid(chart, box.width());
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setFont(legendFont(true));
    const QFontMetricsF bold(p.font());
    p.setPen(Qt::black);
    p.drawText(QRectF(box.left() + 8, box.top() + 4, box.width() - 16, bold.height()), Qt::AlignLeft | Qt::AlignVCenter,
               chart.legendTitle);
    p.setFont(legendFont(false));
    const QFontMetricsF fm(p.font());
    const double swatch = fm.height() - 4;
    const double left = box.left() + (box.width() - g.columns * g.entryWidth) / 2;
    for (int i = 0; i < int(chart.points.size()); ++i) {
        const int row = i / g.columns;
        const int column = i % g.columns;
        const QPointF at(left + column * g.entryWidth, box.top() + bold.height() + 8 + row * g.lineHeight);
        p.setPen(QPen(Outline, 0.6));
        p.setBrush(chart.points.at(i).color);
        p.drawRect(QRectF(at.x(), at.y() + (g.lineHeight - swatch) / 2, swatch, swatch));
        p.setPen(Qt::black);
        p.drawText(QRectF(at.x() + swatch + 6, at.y(), g.entryWidth - swatch - 6, g.lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, chart.points.at(i).label);
    }
}
} // namespace

ChartLayout LayOutChart(const QRectF &area, const ChartData &chart)
{
    const QRectF inner = area.adjusted(10, 8, -10, -8);
    const double titleHeight = QFontMetricsF(fontOf(chart.title)).height() + 10;
    const double footHeight = QFontMetricsF(fontOf(chart.foot)).height() + 8;
    const LegendGrid g = legendGrid(chart, inner.width());
    ChartLayout layout;
    layout.title = QRectF(inner.left(), inner.top(), inner.width(), titleHeight);
    layout.foot = QRectF(inner.left(), inner.bottom() - footHeight, inner.width(), footHeight);
    layout.legend = QRectF(inner.center().x() - g.size.width() / 2, layout.foot.top() - g.size.height() - 6,
                           g.size.width(), g.size.height());
    layout.plot = QRectF(QPointF(inner.left(), layout.title.bottom() + 6), QPointF(inner.right(), layout.legend.top() - 10));
    return layout;
}

void PaintChart(QPainter &painter, const QRectF &area, const ChartData &chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    const ChartLayout layout = LayOutChart(area, chart);
    painter.setFont(fontOf(chart.title));
    painter.setPen(chart.title.color);
    painter.drawText(layout.title, Qt::AlignCenter, chart.title.text);
    painter.setFont(fontOf(chart.foot));
    painter.setPen(chart.foot.color);
    painter.drawText(layout.foot, Qt::AlignCenter, chart.foot.text);
    if (layout.plot.height() > 20 && layout.plot.width() > 40) {
        if (chart.kind == ChartKind::Bars)
            paintBars(painter, layout.plot, chart);
        else
            paintPie(painter, layout.plot, chart);
    }
    paintLegend(painter, layout.legend, chart);
    painter.restore();
}

bool PrintChart(QPrinter &printer, const ChartData &chart, int copies)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Lay the page out in screen pixels, then scale to the printer's dots.
    const double k = printer.resolution() / 96.0;
    const QRect page = painter.viewport();
    const QRectF area(0, 0, page.width() / k, page.height() / k);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage())
            return false;
        painter.save();
        painter.scale(k, k);
        PaintChart(painter, area, chart);
        painter.restore();
    }
    return painter.end();
}

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setChart(const ChartData &chart)
{
    m_chart = chart;
    update();
}

void ChartView::setKind(ChartKind kind)
{
    m_chart.kind = kind;
    update();
}

void ChartView::setPoints(const QList<ChartPoint> &points)
{
    m_chart.points = points;
    update();
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintChart(painter, rect(), m_chart);
}
