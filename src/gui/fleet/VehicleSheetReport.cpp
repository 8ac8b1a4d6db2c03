#include "gui/fleet/VehicleSheetReport.h"

#include "core/fleet/VehicleSheet.h"
#include "gui/kit/Pictures.h"
#include "gui/kit/ReportPdf.h"

namespace {
const QColor DarkOrange(0xFF, 0x8C, 0x00);
const QColor Teal(0x00, 0x80, 0x80);

ReportElement textBox(const QString &name, QRectF mm, const QString &text, double points, QColor color, QColor fill,
                      Qt::Alignment align)
{
    ReportElement e = ReportTextBox(name, mm, text, points, fill, align);
    e.color = color;
    return e;
}

ReportElement line(const QString &name, double x, double y, double length)
{
    ReportElement e;
    e.kind = ReportElement::Line;
    e.name = name;
    e.mm = QRectF(x, y, length, 0);
    return e;
}

QList<ReportElement> sheetDesign()
{
    QList<ReportElement> design;
    ReportElement logo;
    logo.kind = ReportElement::Picture;
    logo.name = QStringLiteral("imgLogo");
    logo.mm = QRectF(3, 3, 17, 13);
    logo.image = QStringLiteral(":/img/folder.svg");
    design << logo;
    design << textBox(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), QStringLiteral("Titolo Scheda"), 16,
                      Qt::white, DarkOrange, Qt::AlignHCenter) << line(QStringLiteral("linSepara01"), 23, 16, 165);
    for (int r = 1; r <= 24; ++r) {
        const double top = 24 + 10 * (r - 1);
        const QString number = QStringLiteral("%1").arg(r, 2, 10, QLatin1Char('0'));
        const QString placeholder = QStringLiteral("Campo %1").arg(r);
        design << textBox(QStringLiteral("titCampo") + number, QRectF(3, top, 52, 6), placeholder, 9, Qt::white, Teal,
                          Qt::AlignLeft)
               << textBox(QStringLiteral("txtCampo") + number, QRectF(60, top, 128, 6), placeholder, 10, Qt::black,
                          Qt::transparent, Qt::AlignLeft);
    }
    design << line(QStringLiteral("linSepara02"), 3, 265, 185)
           << textBox(QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), QStringLiteral("Termine scheda"), 10,
                      Qt::white, DarkOrange, Qt::AlignHCenter);
    return design;
}
} // namespace

ReportLayout VehicleSheetLayout(const VehicleRecord &card, const QDateTime &printedAt)
{
    LoadPictures();
    ReportLayout layout(QPageLayout::Portrait, sheetDesign());
    layout.setText(QStringLiteral("txtTitolo"), QString::fromLatin1(VehicleSheetTitle));
    const QList<SheetRow> rows = VehicleSheetRows(card);
    for (int r = 0; r < rows.size(); ++r) {
        const QString number = QStringLiteral("%1").arg(r + 1, 2, 10, QLatin1Char('0'));
        layout.setText(QStringLiteral("titCampo") + number, rows[r].label);
        layout.setText(QStringLiteral("txtCampo") + number, rows[r].value);
    }
    layout.setText(QStringLiteral("txtCalce"), VehicleSheetFooter(printedAt));
    return layout;
}

bool WriteVehicleSheetPdf(const QString &path, const VehicleRecord &card, const QDateTime &printedAt)
{
    const QString name = QStringLiteral("Scheda informativa");
    const QString maker = QStringLiteral("Quendal Software");
    return WriteReportPdf(path, VehicleSheetLayout(card, printedAt), {name, name, maker, maker});
}
