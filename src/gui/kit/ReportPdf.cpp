#include "gui/kit/ReportPdf.h"

#include "core/storage/Cp1252.h"
#include "core/storage/FileWrites.h"

#include <QBuffer>
#include <QSaveFile>
#include <hpdf.h>
#include <memory>

namespace {
constexpr double MarginMm = 10;
constexpr double PointsPerMm = 72.0 / 25.4;

// libharu reports errors through this handler; the writer checks the flag
// after each step instead of jumping out.
void onError(HPDF_STATUS, HPDF_STATUS, void *failed)
{
    *static_cast<bool *>(failed) = true;
}

struct PdfDeleter {
    void operator()(HPDF_Doc pdf) const { HPDF_Free(pdf); }
};

QByteArray cp1252(const QString &text)
{
    return ToCp1252(text);
}

// The standard fonts of every PDF viewer, with Windows-1252 text; Helvetica
// has the metrics of Arial.
HPDF_Font fontOf(HPDF_Doc pdf, const ReportElement &e)
{
    const bool mono = e.family.contains(QLatin1String("Courier"), Qt::CaseInsensitive);
    const char *name = mono ? (e.bold ? "Courier-Bold" : "Courier") : (e.bold ? "Helvetica-Bold" : "Helvetica");
    return HPDF_GetFont(pdf, name, "WinAnsiEncoding");
}

// The longest beginning of the bytes that fits the width: cut, never wrapped.
QByteArray fitted(HPDF_Font font, double size, const QByteArray &text, double width)
{
    auto widthOf = [&](const QByteArray &t) {
        const HPDF_TextWidth w = HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE *>(t.constData()),
                                                     HPDF_UINT(t.size()));
        return w.width * size / 1000.0;
    };
    if (widthOf(text) <= width)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (widthOf(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

void setColor(HPDF_Page page, const QColor &c, bool fill)
{
    if (fill)
        HPDF_Page_SetRGBFill(page, HPDF_REAL(c.redF()), HPDF_REAL(c.greenF()), HPDF_REAL(c.blueF()));
    else
        HPDF_Page_SetRGBStroke(page, HPDF_REAL(c.redF()), HPDF_REAL(c.greenF()), HPDF_REAL(c.blueF()));
}

class PageWriter
{
public:
    PageWriter(HPDF_Doc pdf, HPDF_Page page)
        : m_pdf(pdf), m_page(page), m_height(HPDF_Page_GetHeight(page))
    {
    }

    void write(const ReportElement &e)
    {
        // Millimetres from the top-left corner inside the margins to points
        // from the page's bottom-left corner.
        const double x = (MarginMm + e.mm.left()) * PointsPerMm;
        const double top = m_height - (MarginMm + e.mm.top()) * PointsPerMm;
        const double w = e.mm.width() * PointsPerMm;
        const double h = e.mm.height() * PointsPerMm;
        switch (e.kind) {
        case ReportElement::Line:
        case ReportElement::CutLine:
            HPDF_Page_SetLineWidth(m_page, 0.5);
            setColor(m_page, Qt::black, false);
            if (e.kind == ReportElement::CutLine) {
                const HPDF_UINT16 dash[] = {3, 2};
                HPDF_Page_SetDash(m_page, dash, 2, 0);
            }
            HPDF_Page_MoveTo(m_page, HPDF_REAL(x), HPDF_REAL(top));
            HPDF_Page_LineTo(m_page, HPDF_REAL(x + w), HPDF_REAL(top - h));
            HPDF_Page_Stroke(m_page);
            HPDF_Page_SetDash(m_page, nullptr, 0, 0);
            break;
        case ReportElement::Picture:
            picture(e, x, top - h, w, h);
            break;
        case ReportElement::Box:
        case ReportElement::Text:
            if (e.fill.alpha() > 0) {
                setColor(m_page, e.fill, true);
                HPDF_Page_Rectangle(m_page, HPDF_REAL(x), HPDF_REAL(top - h), HPDF_REAL(w), HPDF_REAL(h));
                HPDF_Page_Fill(m_page);
            }
            if (e.frame) {
                HPDF_Page_SetLineWidth(m_page, 0.5);
                setColor(m_page, Qt::black, false);
                HPDF_Page_Rectangle(m_page, HPDF_REAL(x), HPDF_REAL(top - h), HPDF_REAL(w), HPDF_REAL(h));
                HPDF_Page_Stroke(m_page);
            }
            if (e.kind == ReportElement::Text && !e.text.isEmpty())
                text(e, x, top, w, h);
            break;
        }
    }

private:
    void text(const ReportElement &e, double x, double top, double w, double h)
    {
        HPDF_Font font = fontOf(m_pdf, e);
        const double size = e.points;
        const double pad = 0.5 * PointsPerMm;
        const QByteArray bytes = fitted(font, size, cp1252(e.text), w - 2 * pad);
        if (bytes.isEmpty())
            return;
        const HPDF_TextWidth tw = HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE *>(bytes.constData()),
                                                      HPDF_UINT(bytes.size()));
        const double textWidth = tw.width * size / 1000.0;
        double left = x + pad;
        if (e.align & Qt::AlignHCenter)
            left = x + (w - textWidth) / 2;
        else if (e.align & Qt::AlignRight)
            left = x + w - pad - textWidth;
        // Vertically centred on the box: the middle of the letters' height.
        const double ascent = HPDF_Font_GetAscent(font) * size / 1000.0;
        const double descent = HPDF_Font_GetDescent(font) * size / 1000.0;
        const double baseline = top - h / 2 - (ascent + descent) / 2;
        setColor(m_page, e.color, true);
        HPDF_Page_BeginText(m_page);
        HPDF_Page_SetFontAndSize(m_page, font, HPDF_REAL(size));
        HPDF_Page_TextOut(m_page, HPDF_REAL(left), HPDF_REAL(baseline), bytes.constData());
        HPDF_Page_EndText(m_page);
    }

    void picture(const ReportElement &e, double x, double bottom, double w, double h)
    {
        // Drawn at 300 dots per inch, kept as a lossless PNG.
        const QSize pixels(int(w / 72.0 * 300), int(h / 72.0 * 300));
        const QImage image = ReportPictureImage(e.image, pixels);
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        HPDF_Image pdfImage =
            HPDF_LoadPngImageFromMem(m_pdf, reinterpret_cast<const HPDF_BYTE *>(png.constData()), HPDF_UINT(png.size()));
        if (pdfImage)
            HPDF_Page_DrawImage(m_page, pdfImage, HPDF_REAL(x), HPDF_REAL(bottom), HPDF_REAL(w), HPDF_REAL(h));
    }

    HPDF_Doc m_pdf;
    HPDF_Page m_page;
    double m_height;
};
} // namespace

bool WriteReportPdf(const QString &path, const ReportLayout &layout, const PdfProperties &properties)
{
    bool failed = false;
    std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, PdfDeleter> pdf(HPDF_New(onError, &failed));
    if (!pdf)
        return false;
    HPDF_SetCompressionMode(pdf.get(), HPDF_COMP_NONE);
    const QByteArray title = cp1252(properties.title), subject = cp1252(properties.subject),
                     author = cp1252(properties.author), creator = cp1252(properties.creator);
    HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_TITLE, title.constData());
    HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_SUBJECT, subject.constData());
    HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_AUTHOR, author.constData());
    HPDF_SetInfoAttr(pdf.get(), HPDF_INFO_CREATOR, creator.constData());

    HPDF_Page page = HPDF_AddPage(pdf.get());
    HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4,
                      layout.orientation() == QPageLayout::Landscape ? HPDF_PAGE_LANDSCAPE : HPDF_PAGE_PORTRAIT);
    PageWriter writer(pdf.get(), page);
    for (const ReportElement &e : layout.elements())
        writer.write(e);

    if (failed || HPDF_SaveToStream(pdf.get()) != HPDF_OK)
        return false;
    QByteArray bytes(qsizetype(HPDF_GetStreamSize(pdf.get())), '\0');
    HPDF_UINT32 size = HPDF_UINT32(bytes.size());
    const HPDF_STATUS read = HPDF_ReadFromStream(pdf.get(), reinterpret_cast<HPDF_BYTE *>(bytes.data()), &size);
    if ((read != HPDF_OK && read != HPDF_STREAM_EOF) || failed)
        return false;
    bytes.truncate(size);

    // A read-only PDF is refused as an in-place write would be; otherwise the
    // new file takes the old one's place only once written whole.
    QString reason;
    if (!FileWrites::MayReplace(path, &reason))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!FileWrites::Write(file, bytes) || !FileWrites::Flush(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
