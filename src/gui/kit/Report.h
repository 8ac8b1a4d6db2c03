#pragma once
// The report engine: a page layout is a table of named elements (text boxes,
// boxes, lines) placed in millimetres from the top-left corner of the area
// inside the page margins; setText fills a text box by name. The same drawing
// serves the printer, a PDF printer and the print preview. The list report
// prints the lines of a list under a title, on as many pages as it needs.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

struct ReportElement {
    enum Kind { Text, Box, Line, CutLine, Picture };
    Kind kind = Text;
    QString name;         // for setText; may be empty
    QRectF mm;            // position and size; a Line/CutLine runs from topLeft to bottomRight
    QString text;         // design text, printed literally
    QString family = QStringLiteral("Arial");
    double points = 8;
    bool bold = false;
    QColor color = Qt::black;
    QColor fill = Qt::transparent; // background of a text box or box
    bool frame = false;            // a thin black frame around the box
    Qt::Alignment align = Qt::AlignLeft;
    QString image;                 // a Picture's resource (":/img/...")
};

// A text box of a page layout: its name, place, design text, font size,
// background and alignment (black Arial unless changed after).
ReportElement ReportTextBox(const QString &name, const QRectF &mm, const QString &text, double points,
                            const QColor &fill = Qt::transparent, Qt::Alignment align = Qt::AlignLeft);

class ReportLayout
{
public:
    ReportLayout(QPageLayout::Orientation orientation, const QList<ReportElement> &elements);

    // False when the layout has no element of that name.
    bool setText(const QString &name, const QString &text);
    QString text(const QString &name) const;
    QPageLayout::Orientation orientation() const { return m_orientation; }
    const QList<ReportElement> &elements() const { return m_elements; }

    // Draws the page on a painter that is open on a printer set up by
    // PrintReport (origin at the top-left corner inside the margins).
    void paint(QPainter &painter) const;

private:
    QPageLayout::Orientation m_orientation;
    QList<ReportElement> m_elements;
};

// Draws one element; mmToDevice converts millimetres to the painter's units.
void PaintReportElement(QPainter &painter, const ReportElement &element, double mmToDevice);

// A picture of the engine (SVG or image resource) fitted into target, and
// the same picture as an image of that many pixels (for the PDF writer).
void PaintReportPicture(QPainter &painter, const QString &resource, const QRectF &target);
QImage ReportPictureImage(const QString &resource, const QSize &pixels);

// A printer for the engine: A4, the orientation, 10 mm margins all round.
void SetUpReportPrinter(QPrinter &printer, QPageLayout::Orientation orientation);

// Runs the print dialog on an A4 printer of that orientation and, when the
// user confirms, calls draw with a painter open on it (draw may start new
// pages with printer.newPage()). True when printed.
bool PrintReport(QWidget *parent, QPageLayout::Orientation orientation,
                 const std::function<void(QPainter &, QPrinter &)> &draw);

// The list report: A4 landscape; the title on the first page (Verdana 9 pt
// bold, white on slate grey, centred), the lines in Courier New 8 pt as many
// to a page as fit, and after them the footer "Stampa eseguita in data" and
// the date.
void PaintListReport(QPainter &painter, QPrinter &printer, const QString &title, const QStringList &lines,
                     const QString &date);
bool PrintListReport(QWidget *parent, const QString &title, const QStringList &lines);
