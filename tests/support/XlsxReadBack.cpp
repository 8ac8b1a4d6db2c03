#include "XlsxReadBack.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <zlib.h>

namespace {
quint32 le(const QByteArray &b, qsizetype at, int size)
{
    quint32 v = 0;
    for (int k = size - 1; k >= 0; --k)
        v = (v << 8) | quint8(b.at(at + k));
    return v;
}

QByteArray inflateRaw(const QByteArray &data, qsizetype expected)
{
    QByteArray out(expected, Qt::Uninitialized);
    z_stream z {};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int result = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return result == Z_STREAM_END && qsizetype(z.total_out) == expected ? out : QByteArray();
}

// OOXML's escape of characters XML cannot hold: _xHHHH_ is the character of
// that code.
QString unescapeXstring(const QString &text)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype last = 0;
    for (auto it = escape.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        out += QChar(char16_t(m.captured(1).toUInt(nullptr, 16)));
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

// The text of a string item (<si> or <is>, the reader on its start): its <t>
// pieces, those of rich-text runs included, phonetic hints left out.
QString itemText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("t"))
                text += xml.readElementText();
            else if (xml.name() == QLatin1String("rPh"))
                xml.skipCurrentElement();
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return unescapeXstring(text);
}

// "C12" -> column 2 (from 0), row 11 (from 0).
bool cellPosition(const QString &ref, int *column, int *row)
{
    int c = 0;
    qsizetype i = 0;
    while (i < ref.size() && ref.at(i).isUpper())
        c = c * 26 + (ref.at(i++).unicode() - 'A' + 1);
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    *column = c - 1;
    *row = r - 1;
    return ok && c > 0 && r > 0;
}
} // namespace

QByteArray ZipEntry(const QByteArray &zip, const QString &name)
{
    // The end of the central directory, then its entries.
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return {};
    const int entries = int(le(zip, end + 10, 2));
    qsizetype at = le(zip, end + 16, 4);
    for (int e = 0; e < entries && at + 46 <= zip.size(); ++e) {
        if (le(zip, at, 4) != 0x02014b50)
            return {};
        const int method = int(le(zip, at + 10, 2));
        const qsizetype packed = le(zip, at + 20, 4);
        const qsizetype size = le(zip, at + 24, 4);
        const int nameLength = int(le(zip, at + 28, 2));
        const int extra = int(le(zip, at + 30, 2));
        const int comment = int(le(zip, at + 32, 2));
        const qsizetype local = le(zip, at + 42, 4);
        if (QString::fromUtf8(zip.mid(at + 46, nameLength)) == name) {
            if (local + 30 > zip.size() || le(zip, local, 4) != 0x04034b50)
                return {};
            const qsizetype data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
            const QByteArray bytes = zip.mid(data, packed);
            if (method == 0)
                return bytes;
            return method == 8 ? inflateRaw(bytes, size) : QByteArray();
        }
        at += 46 + nameLength + extra + comment;
    }
    return {};
}

XlsxSheet ReadXlsx(const QString &path)
{
    XlsxSheet sheet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sheet;
    const QByteArray zip = file.readAll();

    // The first sheet's name, and where its part lies.
    QXmlStreamReader book(ZipEntry(zip, QStringLiteral("xl/workbook.xml")));
    QString sheetId;
    while (!book.atEnd() && sheetId.isEmpty()) {
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet")) {
            sheet.name = book.attributes().value(QLatin1String("name")).toString();
            sheetId = book.attributes().value(QLatin1String("r:id")).toString();
        }
    }
    QString sheetPart;
    QXmlStreamReader relations(ZipEntry(zip, QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!relations.atEnd()) {
        if (relations.readNext() == QXmlStreamReader::StartElement
            && relations.attributes().value(QLatin1String("Id")) == sheetId)
            sheetPart = QStringLiteral("xl/") + relations.attributes().value(QLatin1String("Target")).toString();
    }

    // Styles: number format codes, bold fonts, and what each cell style uses.
    QMap<int, QString> formats;
    QList<bool> boldFonts;
    QList<QPair<int, int>> cellStyles; // font, number format
    QXmlStreamReader styles(ZipEntry(zip, QStringLiteral("xl/styles.xml")));
    QString section;
    while (!styles.atEnd()) {
        if (styles.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = styles.attributes();
        if (styles.name() == QLatin1String("numFmt"))
            formats[a.value(QLatin1String("numFmtId")).toInt()] = a.value(QLatin1String("formatCode")).toString();
        else if (styles.name() == QLatin1String("fonts") || styles.name() == QLatin1String("cellXfs")
                 || styles.name() == QLatin1String("cellStyleXfs"))
            section = styles.name().toString();
        else if (styles.name() == QLatin1String("font") && section == QLatin1String("fonts"))
            boldFonts << false;
        else if (styles.name() == QLatin1String("b") && section == QLatin1String("fonts") && !boldFonts.isEmpty())
            boldFonts.last() = a.value(QLatin1String("val")) != QLatin1String("0");
        else if (styles.name() == QLatin1String("xf") && section == QLatin1String("cellXfs"))
            cellStyles << qMakePair(a.value(QLatin1String("fontId")).toInt(), a.value(QLatin1String("numFmtId")).toInt());
    }
    formats[49] = QStringLiteral("@"); // the built-in text format

    QList<QString> shared;
    QXmlStreamReader strings(ZipEntry(zip, QStringLiteral("xl/sharedStrings.xml")));
    while (!strings.atEnd()) {
        if (strings.readNext() == QXmlStreamReader::StartElement && strings.name() == QLatin1String("si"))
            shared << itemText(strings);
    }

    const QByteArray part = ZipEntry(zip, sheetPart);
    if (sheet.name.isEmpty() || part.isNull())
        return sheet;
    QXmlStreamReader xml(part);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("pane") && a.value(QLatin1String("state")) == QLatin1String("frozen")) {
            sheet.frozenTopLeft = a.value(QLatin1String("topLeftCell")).toString();
        } else if (xml.name() == QLatin1String("autoFilter")) {
            sheet.autoFilter = a.value(QLatin1String("ref")).toString();
        } else if (xml.name() == QLatin1String("col")) {
            // Excel's width is in characters of a 7-pixel digit.
            const int pixels = int(std::lround(a.value(QLatin1String("width")).toDouble() * 7));
            for (int c = a.value(QLatin1String("min")).toInt(); c <= a.value(QLatin1String("max")).toInt(); ++c)
                sheet.columnPixels[c - 1] = pixels;
        } else if (xml.name() == QLatin1String("c")) {
            int column = 0, row = 0;
            if (!cellPosition(a.value(QLatin1String("r")).toString(), &column, &row))
                return sheet;
            XlsxCell cell;
            cell.type = a.value(QLatin1String("t")).toString();
            const int style = a.value(QLatin1String("s")).toInt();
            if (style >= 0 && style < cellStyles.size()) {
                cell.bold = boldFonts.value(cellStyles.at(style).first);
                cell.numberFormat = formats.value(cellStyles.at(style).second);
            }
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("is")) {
                    cell.text = itemText(xml);
                } else if (xml.name() == QLatin1String("v")) {
                    const QString v = xml.readElementText();
                    cell.text = cell.type == QLatin1String("s") ? shared.value(v.toInt()) : v;
                } else {
                    xml.skipCurrentElement();
                }
            }
            while (sheet.rows.size() <= row)
                sheet.rows.append(QList<XlsxCell>());
            QList<XlsxCell> &cells = sheet.rows[row];
            while (cells.size() <= column)
                cells.append(XlsxCell());
            cells[column] = cell;
        } else if (xml.name() == QLatin1String("row")) {
            const int row = a.value(QLatin1String("r")).toInt() - 1;
            while (sheet.rows.size() <= row)
                sheet.rows.append(QList<XlsxCell>());
        }
    }
    sheet.read = !xml.hasError();
    return sheet;
}
