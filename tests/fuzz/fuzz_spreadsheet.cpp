// The spreadsheet writer fed any texts and any archive bytes: the file has no
// line break and no stray markup, every cell stays between its own tags, and
// a reader that follows the HTML rules for references reads back each cell
// as the trimmed text it was given (a character no reader can take back, such
// as a lone surrogate, as U+FFFD). The cells handed to the workbook writer
// are valid UTF-8 of the trimmed text (what a workbook cannot hold as U+FFFD).
#include "core/storage/Cp1252.h"
#include "core/storage/SpreadsheetExport.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdlib>

namespace {
// Cells are separated by U+001F (or the byte 0x1F) in the fuzzer's input.
constexpr char16_t Separator = 0x1F;

// Archive bytes handed to the writer as stored, one field per cell.
class ByteRows : public SpreadsheetRows
{
public:
    explicit ByteRows(const QList<QByteArray> &cells) : m_cells(cells) {}
    int RowCount() const override { return int(m_cells.size()); }
    void WriteCell(int row, int, SpreadsheetCell &cell) const override
    {
        cell.cp1252(m_cells.at(row).constData(), m_cells.at(row).size());
    }

private:
    const QList<QByteArray> &m_cells;
};

// What a reader takes a numeric reference for: NUL, surrogates and codes
// past Unicode as U+FFFD, and the 0x80 row as the code page's characters.
char32_t referenced(uint64_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0xFFFD;
    if (code >= 0x80 && code <= 0x9F) {
        const char byte = char(code);
        return FromCp1252(&byte, 1).at(0).unicode();
    }
    return char32_t(code);
}

// A cell's bytes as a reader decodes them; aborts on anything malformed.
QString readBack(const QByteArray &cell)
{
    QString text;
    for (qsizetype i = 0; i < cell.size();) {
        const unsigned char b = static_cast<unsigned char>(cell[i]);
        if (b < 0x20 || b == '<' || b == '>')
            std::abort();
        if (b != '&') {
            text += FromCp1252(cell.constData() + i, 1);
            ++i;
            continue;
        }
        const qsizetype end = cell.indexOf(';', i);
        if (end < 0)
            std::abort();
        const QByteArray name = cell.mid(i + 1, end - i - 1);
        if (name == "amp")
            text += u'&';
        else if (name == "lt")
            text += u'<';
        else if (name == "gt")
            text += u'>';
        else if (name.size() >= 2 && name.size() <= 9 && name[0] == '#') {
            uint64_t code = 0;
            for (qsizetype d = 1; d < name.size(); ++d) {
                if (name[d] < '0' || name[d] > '9')
                    std::abort();
                code = code * 10 + uint64_t(name[d] - '0');
            }
            // Not QString::fromUcs4, which takes a leading U+FEFF for a byte order mark.
            const char32_t c = referenced(code);
            if (QChar::requiresSurrogates(c)) {
                text += QChar(QChar::highSurrogate(c));
                text += QChar(QChar::lowSurrogate(c));
            } else {
                text += QChar(char16_t(c));
            }
        } else {
            std::abort();
        }
        i = end + 1;
    }
    return text;
}

// A text as the writer is to keep it: trimmed of blanks and controls at both
// ends, with what no reader can take back as U+FFFD.
QString kept(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    QString out;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < end && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text[i];
            out += text[++i];
        } else if (QChar::isSurrogate(c) || c == 0 || (c >= 0x80 && c <= 0x9F && Cp1252Byte(c) < 0)) {
            out += QChar(0xFFFD);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

// A text as the workbook writer is handed it: trimmed, with NUL, lone
// surrogates, U+FFFE and U+FFFF as U+FFFD.
QString keptForWorkbook(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    QString out;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < end && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text[i];
            out += text[++i];
        } else if (QChar::isSurrogate(c) || c == 0 || c == 0xFFFE || c == 0xFFFF) {
            out += QChar(0xFFFD);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

// The cell in the workbook's form is valid UTF-8 of the text it should hold.
template <class Fill>
void checkWorkbookCell(const QString &expected, Fill fill)
{
    SpreadsheetBuffer buffer;
    SpreadsheetCell cell(buffer, SpreadsheetCell::Form::Utf8);
    fill(cell);
    const QByteArray bytes(buffer.data(), buffer.size());
    // A leading U+FEFF is a character of the cell, not a byte order mark.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder(bytes);
    if (decoder.hasError() || text != expected || bytes.contains('\0'))
        std::abort();
}

QList<QByteArray> dataCells(const QByteArray &file)
{
    if (file.contains('\n') || file.contains('\r'))
        std::abort();
    const QByteArray open = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
    QList<QByteArray> cells;
    for (qsizetype at = file.indexOf(open); at >= 0; at = file.indexOf(open, at)) {
        at += open.size();
        const qsizetype close = file.indexOf("</td>", at);
        if (close < 0)
            std::abort();
        cells << file.mid(at, close - at);
    }
    return cells;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<SpreadsheetColumn> columns = {{QStringLiteral("Colonna"), 100}};

    // Texts typed or decoded: the input as UTF-16, cells split at U+001F.
    const QString typed = QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2));
    QList<QStringList> rows;
    for (const QString &cell : typed.split(QChar(Separator)))
        rows << QStringList{cell};
    const QList<QByteArray> written = dataCells(SpreadsheetBytes(typed.left(8), columns, rows));
    if (written.size() != rows.size())
        std::abort();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (readBack(written[r]) != kept(rows[r].first()))
            std::abort();
        checkWorkbookCell(keptForWorkbook(rows[r].first()), [&](SpreadsheetCell &cell) { cell.text(rows[r].first()); });
    }

    // Bytes as stored in an archive: read back as the code page's text.
    const QList<QByteArray> stored =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split(char(Separator));
    const QList<QByteArray> fromBytes = dataCells(SpreadsheetBytes(QString(), columns, ByteRows(stored)));
    if (fromBytes.size() != stored.size())
        std::abort();
    for (qsizetype r = 0; r < stored.size(); ++r) {
        if (readBack(fromBytes[r]) != kept(FromCp1252(stored[r])))
            std::abort();
        checkWorkbookCell(keptForWorkbook(FromCp1252(stored[r])),
                          [&](SpreadsheetCell &cell) { cell.cp1252(stored[r].constData(), stored[r].size()); });
    }
    return 0;
}
