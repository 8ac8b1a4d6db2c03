#include "gui/kit/Report.h"

#include <algorithm>

#include "core/storage/TextRules.h"
#include "gui/kit/Dialogs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QSvgRenderer>
#include <cmath>

namespace {
constexpr double MarginMm = 10;
const QColor SlateGrey(0x70, 0x80, 0x90);

QFont fontOf(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: "ff" stays two letters in the printed text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The longest beginning of the text that fits the width: text is cut at the
// edge of its box, never wrapped.
QString fitted(const QFontMetricsF &metrics, const QString &text, double width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

double mmToDeviceOf(const QPrinter &printer)
{
    return printer.resolution() / 25.4;
}

void drawArrowHead(QPainter &painter, QPointF tip, QPointF from, double size)
{
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - u * size + n * size / 2);
    head.lineTo(tip - u * size - n * size / 2);
    head.closeSubpath();
    painter.fillPath(head, Qt::black);
}
} // namespace

ReportElement ReportTextBox(const QString &name, const QRectF &mm, const QString &text, double points,
                            const QColor &fill, Qt::Alignment align)
{
    ReportElement e;
    e.kind = ReportElement::Text;
    e.name = name;
    e.mm = mm;
    e.text = text;
    e.points = points;
    e.fill = fill;
    e.align = align;
    return e;
}

ReportLayout::ReportLayout(QPageLayout::Orientation orientation, const QList<ReportElement> &elements)
    : m_orientation(orientation)
    , m_elements(elements)
{
}

bool ReportLayout::setText(const QString &name, const QString &text)
{
    for (ReportElement &e : m_elements) {
        if (e.name == name) {
            e.text = text;
            return true;
        }
    }
    return false;
}

QString ReportLayout::text(const QString &name) const
{
    for (const ReportElement &e : m_elements) {
        if (e.name == name)
            return e.text;
    }
    return {};
}

void ReportLayout::paint(QPainter &painter) const
{
    const double k = painter.device()->logicalDpiX() / 25.4;
    for (const ReportElement &e : m_elements)
        PaintReportElement(painter, e, k);
}

void PaintReportElement(QPainter &painter, const ReportElement &e, double k)
{
    painter.save();
    const QRectF r(e.mm.left() * k, e.mm.top() * k, e.mm.width() * k, e.mm.height() * k);
    const double pen = std::max(1.0, 0.2 * k);
    switch (e.kind) {
    case ReportElement::Line:
        painter.setPen(QPen(Qt::black, pen));
        painter.drawLine(r.topLeft(), r.bottomRight());
        break;
    case ReportElement::CutLine: {
        painter.setPen(QPen(Qt::black, pen, Qt::DashLine));
        const double head = 2.5 * k;
        const QPointF a = r.topLeft(), b = r.bottomRight();
        const QPointF u = (b - a) / std::max(1.0, std::hypot((b - a).x(), (b - a).y()));
        painter.drawLine(a + u * head, b - u * head);
        drawArrowHead(painter, a, a + u, head);
        drawArrowHead(painter, b, b - u, head);
        break;
    }
    case ReportElement::Picture:
        PaintReportPicture(painter, e.image, r);
        break;
    case ReportElement::Box:
    case ReportElement::Text:
        if (e.fill.alpha() > 0)
            painter.fillRect(r, e.fill);
        if (e.frame) {
            painter.setPen(QPen(Qt::black, pen));
            painter.drawRect(r);
        }
        if (e.kind == ReportElement::Text && !e.text.isEmpty()) {
            const QFont font = fontOf(e.family, e.points, e.bold);
            painter.setFont(font);
            painter.setPen(e.color);
            const QFontMetricsF metrics(font, painter.device());
            const QRectF inner = r.adjusted(0.5 * k, 0, -0.5 * k, 0);
            painter.drawText(inner, int(e.align | Qt::AlignVCenter) | Qt::TextSingleLine,
                             fitted(metrics, e.text, inner.width()));
        }
        break;
    }
    painter.restore();
}

QImage ReportPictureImage(const QString &resource, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    if (svg.isValid()) {
        QPainter painter(&image);
        const QSizeF fitted = QSizeF(svg.defaultSize()).scaled(QSizeF(pixels), Qt::KeepAspectRatio);
        svg.render(&painter, QRectF(QPointF((pixels.width() - fitted.width()) / 2,
                                            (pixels.height() - fitted.height()) / 2), fitted));
    } else {
        image = QImage(resource).scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

void PaintReportPicture(QPainter &painter, const QString &resource, const QRectF &target)
{
    QSvgRenderer svg(resource);
    if (svg.isValid()) {
        const QSizeF fitted = QSizeF(svg.defaultSize()).scaled(target.size(), Qt::KeepAspectRatio);
        svg.render(&painter, QRectF(target.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted));
        return;
    }
    const QImage image(resource);
    if (!image.isNull())
        painter.drawImage(target, image);
}

void SetUpReportPrinter(QPrinter &printer, QPageLayout::Orientation orientation)
{
    printer.setFullPage(false);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                      QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
}

bool PrintReport(QWidget *parent, QPageLayout::Orientation orientation,
                 const std::function<void(QPainter &, QPrinter &)> &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer, orientation);
    if (!Dialogs::Print(parent, &printer))
        return false;
    // The dialog may change the printer; the page stays the report's own.
    SetUpReportPrinter(printer, orientation);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    draw(painter, printer);
    painter.end();
    return true;
}

void PaintListReport(QPainter &painter, QPrinter &printer, const QString &title, const QStringList &lines,
                     const QString &date)
{
    const double k = mmToDeviceOf(printer);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double widthMm = area.width() / k;
    const double heightMm = area.height() / k;
    constexpr double BandMm = 6;
    // 12.822 units of 96 to the inch per line of the memo.
    constexpr double LineMm = 12.822 / 96 * 25.4;

    ReportElement band;
    band.family = QStringLiteral("Verdana");
    band.points = 9;
    band.bold = true;
    band.color = Qt::white;
    band.fill = SlateGrey;
    band.align = Qt::AlignHCenter;

    ReportElement heading = band;
    heading.mm = QRectF(0, 0, widthMm, BandMm);
    heading.text = title;
    PaintReportElement(painter, heading, k);

    ReportElement line;
    line.family = QStringLiteral("Courier New");
    line.points = 8;
    // A line wider than the page is printed smaller rather than cut (a
    // character of Courier New is 0.6 of its size wide; a little is left
    // for the rounding of the glyphs on the printer).
    qsizetype widest = 0;
    for (const QString &text : lines)
        widest = std::max(widest, text.size());
    const double charMmPerPoint = 0.62 * 25.4 / 72;
    if (widest > 0 && widest * charMmPerPoint * line.points > widthMm)
        line.points = widthMm / (double(widest) * charMmPerPoint);
    double top = BandMm + 2;
    for (const QString &text : lines) {
        if (top + LineMm > heightMm) {
            printer.newPage();
            top = 0;
        }
        line.mm = QRectF(0, top, widthMm, LineMm);
        line.text = text;
        PaintReportElement(painter, line, k);
        top += LineMm;
    }
    ReportElement footer = band;
    footer.points = 8;
    top += 2;
    if (top + BandMm > heightMm) {
        printer.newPage();
        top = 0;
    }
    footer.mm = QRectF(0, top, widthMm, BandMm);
    footer.text = QStringLiteral("Stampa eseguita in data ") + date;
    PaintReportElement(painter, footer, k);
}

bool PrintListReport(QWidget *parent, const QString &title, const QStringList &lines)
{
    return PrintReport(parent, QPageLayout::Landscape, [&](QPainter &painter, QPrinter &printer) {
        PaintListReport(painter, printer, title, lines, TodayText());
    });
}
