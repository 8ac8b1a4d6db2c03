#include "core/storage/SpreadsheetExport.h"

#include "core/storage/Cp1252.h"
#include "core/storage/FileWrites.h"
#include "core/storage/IoError.h"
#include "core/storage/TextRules.h"

#include <QSaveFile>

#include <algorithm>
#include <array>

const QString SpreadsheetAskText = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString SpreadsheetDoneText =
    QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString SpreadsheetFailedText = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia già aperto.");

QString SpreadsheetNotReadText(const QString &fileName)
{
    return QStringLiteral("Attenzione: non tutte le schede dell'archivio sono state lette, perciò il file \"%1\" "
                          "non è stato scritto: un file esportato in precedenza resta com'era.\n\r\n\r"
                          "Chiudere la finestra, accertarsi che l'archivio sia raggiungibile e riprovare.")
        .arg(fileName);
}

QString SpreadsheetNotWrittenText(const QString &fileName)
{
    return QStringLiteral("Il file \"%1\" non è stato scritto: un file esportato in precedenza resta com'era.")
        .arg(fileName);
}

namespace {

// A reference a reader takes back as the character it names. NUL, and a C1
// control that the code page's 0x80 row hides (a reader takes "&#128;" for
// the euro sign), cannot be: they are written as U+FFFD, the replacement
// character.
void appendReference(SpreadsheetBuffer &out, char32_t code)
{
    if (code == 0 || (code >= 0x80 && code <= 0x9F && Cp1252Byte(code) < 0))
        code = 0xFFFD;
    out.put("&#", 2);
    const QByteArray digits = QByteArray::number(uint(code));
    out.put(digits.constData(), digits.size());
    out.put(';');
}

// The five bytes Windows-1252 leaves unassigned; read back as the C1 control
// of the same code, they are written as references like any control.
bool unassignedByte(unsigned b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// The bytes written otherwise than as themselves.
constexpr std::array<bool, 256> EscapedByte = [] {
    std::array<bool, 256> table{};
    for (unsigned b = 0; b < 0x20; ++b)
        table[b] = true;
    table['&'] = table['<'] = table['>'] = true;
    for (unsigned b : {0x81u, 0x8Du, 0x8Fu, 0x90u, 0x9Du})
        table[b] = true;
    return table;
}();

// One byte of Windows-1252 text, escaped.
inline void appendByte(SpreadsheetBuffer &out, unsigned char b)
{
    switch (b) {
    case '&':
        out.put("&amp;", 5);
        return;
    case '<':
        out.put("&lt;", 4);
        return;
    case '>':
        out.put("&gt;", 4);
        return;
    default:
        break;
    }
    if (b < 0x20 || unassignedByte(b))
        appendReference(out, b);
    else
        out.put(char(b));
}

void appendCode(SpreadsheetBuffer &out, char32_t code)
{
    if (code < 0x80) {
        appendByte(out, static_cast<unsigned char>(code));
        return;
    }
    const int b = Cp1252Byte(code);
    if (b < 0 || unassignedByte(unsigned(b)))
        appendReference(out, code);
    else
        out.put(char(b));
}

// One character in UTF-8; returns the end of what was written.
inline char *putUtf8(char *out, char32_t code)
{
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

// A character a workbook can hold: NUL and the two non-characters cannot.
inline char32_t workbookCode(char32_t code)
{
    return code == 0 || code == 0xFFFE || code == 0xFFFF ? char32_t(0xFFFD) : code;
}

// Builds the file in a buffer; with a device the buffer goes to it whenever
// it has grown large, so a file of any size needs little memory.
class SheetWriter
{
public:
    explicit SheetWriter(QIODevice *device = nullptr, std::function<void(int, int)> progress = {})
        : m_device(device)
        , m_progress(std::move(progress))
    { m_out.room(device ? Chunk + (1 << 16) : 4096); }

    QByteArray bytes() const { return QByteArray(m_out.data(), m_out.size()); }
    template <qsizetype N>
    void raw(const char (&text)[N]) { m_out.put(text, N - 1); }
    void text(const QString &text) { SpreadsheetCell(m_out).text(text); }
    void flush()
    {
        if (m_device && m_out.size() > 0) {
            if (!FileWrites::Write(*m_device, m_out.data(), m_out.size()))
                FileWrites::ThrowWriteFailure(QStringLiteral("spreadsheet write failed: ") + m_device->errorString());
            m_out.clear();
        }
    }

    void whole(const QString &sheetName, const QList<SpreadsheetColumn> &columns, const SpreadsheetRows &rows)
    {
        raw("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
            "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
            "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>");
        text(sheetName);
        raw("</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
            "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
            "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
            "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
            "</head><body><table x:str><tr>");
        for (const SpreadsheetColumn &column : columns) {
            raw("<td style=\"text-align: left; font-weight: bold;\" width=");
            const QByteArray width = QByteArray::number(column.width);
            m_out.put(width.constData(), width.size());
            raw(">");
            text(column.heading);
            raw("</td>");
        }
        raw("</tr>");
        const int rowCount = rows.RowCount();
        const int columnCount = int(columns.size());
        SpreadsheetCell cell(m_out);
        for (int r = 0; r < rowCount; ++r) {
            raw("<tr>");
            for (int c = 0; c < columnCount; ++c) {
                raw("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">");
                rows.WriteCell(r, c, cell);
                raw("</td>");
            }
            raw("</tr>");
            if (m_device && m_out.size() >= Chunk) {
                flush();
                if (m_progress)
                    m_progress(r + 1, rowCount);
            }
        }
        raw("</table></body></html>");
        flush();
    }

private:
    static constexpr qsizetype Chunk = 1 << 20;
    QIODevice *m_device;
    std::function<void(int, int)> m_progress;
    SpreadsheetBuffer m_out;
};

} // namespace

void SpreadsheetCell::text(const QString &text)
{
    const auto *first = reinterpret_cast<const char16_t *>(text.constData());
    const auto [begin, end] = TrimmedRange(first, first + text.size());
    if (m_form == Form::Utf8) {
        utf8Text(begin, end);
        return;
    }
    for (const char16_t *p = begin; p < end; ++p) {
        const char16_t c = *p;
        if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            appendReference(m_out, QChar::surrogateToUcs4(c, p[1]));
            ++p;
        } else if (QChar::isSurrogate(c)) {
            appendReference(m_out, 0xFFFD);
        } else {
            appendCode(m_out, c);
        }
    }
}

void SpreadsheetCell::cp1252(const char *bytes, qsizetype size)
{
    const auto *first = reinterpret_cast<const unsigned char *>(bytes);
    const auto [begin, end] = TrimmedRange(first, first + size);
    if (m_form == Form::Utf8) {
        utf8FromCp1252(begin, end);
        return;
    }
    // Room for the longest escape of every byte ("&#65533;" for NUL); runs
    // of plain bytes are copied whole: this is the inner loop of a large export.
    char *out = m_out.room((end - begin) * 8);
    const unsigned char *p = begin;
    while (p < end) {
        const unsigned char *run = p;
        while (p < end && !EscapedByte[*p])
            ++p;
        std::memcpy(out, run, std::size_t(p - run));
        out += p - run;
        if (p == end)
            break;
        const unsigned char b = *p++;
        switch (b) {
        case '&':
            out = std::copy_n("&amp;", 5, out);
            continue;
        case '<':
            out = std::copy_n("&lt;", 4, out);
            continue;
        case '>':
            out = std::copy_n("&gt;", 4, out);
            continue;
        case 0: // as appendReference writes it
            out = std::copy_n("&#65533;", 8, out);
            continue;
        default:
            break;
        }
        *out++ = '&';
        *out++ = '#';
        if (b >= 100)
            *out++ = char('0' + b / 100);
        if (b >= 10)
            *out++ = char('0' + b / 10 % 10);
        *out++ = char('0' + b % 10);
        *out++ = ';';
    }
    m_out.commit(out);
}

void SpreadsheetCell::utf8Text(const char16_t *begin, const char16_t *end)
{
    // At most three bytes for each UTF-16 unit (four for a pair of two).
    char *out = m_out.room((end - begin) * 3);
    for (const char16_t *p = begin; p < end; ++p) {
        const char16_t c = *p;
        if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            out = putUtf8(out, QChar::surrogateToUcs4(c, p[1]));
            ++p;
        } else {
            out = putUtf8(out, QChar::isSurrogate(c) ? char32_t(0xFFFD) : workbookCode(c));
        }
    }
    m_out.commit(out);
}

void SpreadsheetCell::utf8FromCp1252(const unsigned char *begin, const unsigned char *end)
{
    // Runs of ASCII are copied whole; a byte of the upper half takes at most
    // three bytes in UTF-8 (NUL too, as U+FFFD).
    char *out = m_out.room((end - begin) * 3);
    const unsigned char *p = begin;
    while (p < end) {
        const unsigned char *run = p;
        while (p < end && *p != 0 && *p < 0x80)
            ++p;
        std::memcpy(out, run, std::size_t(p - run));
        out += p - run;
        if (p == end)
            break;
        out = putUtf8(out, workbookCode(Cp1252Char(*p++)));
    }
    m_out.commit(out);
}

void SpreadsheetTextRows::WriteCell(int row, int column, SpreadsheetCell &cell) const
{
    const QStringList &cells = m_rows.at(row);
    if (column < cells.size())
        cell.text(cells.at(column));
}

QByteArray SpreadsheetBytes(const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                            const SpreadsheetRows &rows)
{
    SheetWriter writer;
    writer.whole(sheetName, columns, rows);
    return writer.bytes();
}

QByteArray SpreadsheetBytes(const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                            const QList<QStringList> &rows)
{
    return SpreadsheetBytes(sheetName, columns, SpreadsheetTextRows(rows));
}

void WriteSpreadsheet(const QString &path, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                      const SpreadsheetRows &rows, const std::function<void(int, int)> &progress)
{
    QString reason;
    if (!FileWrites::MayReplace(path, &reason))
        throw IoError(QStringLiteral("cannot replace %1: %2").arg(path, reason));
    QSaveFile file(path);
    // Never written in place: where no temporary file can be made beside the
    // old export, the export fails and the old file stays as it was.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw IoError(QStringLiteral("cannot create %1: %2").arg(path, file.errorString()));
    try {
        SheetWriter writer(&file, progress);
        writer.whole(sheetName, columns, rows);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!FileWrites::Flush(file) || !FileWrites::Commit(file))
        FileWrites::ThrowWriteFailure(QStringLiteral("cannot replace %1: %2").arg(path, file.errorString()));
}
