#include "core/storage/SpreadsheetXlsx.h"

#include "core/storage/FileWrites.h"
#include "core/storage/IoError.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Rows written between two reports of progress.
constexpr int ProgressRows = 4096;
// The bytes copied at a time from the finished workbook into the target.
constexpr qint64 CopyChunk = 1 << 20;

QString reasonOf(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

// libxlsxwriter's workbook, closed whatever happens: closing is what frees
// it (a workbook abandoned half-way is finished into its scratch file, which
// is then thrown away).
class Workbook
{
public:
    Workbook(const QString &path, const QString &scratchFolder)
        : m_path(QFile::encodeName(path))
        , m_scratch(QFile::encodeName(scratchFolder))
    {
        lxw_workbook_options options {};
        // One row in memory at a time, whatever the size of the archive.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_scratch.data();
        options.use_zip64 = LXW_FALSE;
        m_book = workbook_new_opt(m_path.constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_workbook *get() const { return m_book; }
    lxw_error close() { return workbook_close(std::exchange(m_book, nullptr)); }

private:
    QByteArray m_path;
    QByteArray m_scratch;
    lxw_workbook *m_book = nullptr;
};

// A text as libxlsxwriter must be handed it: it escapes & < > and control
// characters (as _xHHHH_) itself, but not an underscore that begins such a
// pattern, which a reader would take for an escape: "_x0041_" typed in a
// note must not come back as "A". Such an underscore becomes "_x005F_".
// The text ends with a NUL.
const char *workbookText(SpreadsheetBuffer &cell, std::vector<char> &escaped)
{
    const char *text = cell.data();
    const qsizetype size = cell.size();
    const auto isHex = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    const auto startsEscape = [&](qsizetype at) {
        if (at + 7 > size || text[at + 1] != 'x' || text[at + 6] != '_')
            return false;
        for (int k = 2; k < 6; ++k) {
            if (!isHex(text[at + k]))
                return false;
        }
        return true;
    };
    const char *underscore = size > 0 ? static_cast<const char *>(std::memchr(text, '_', std::size_t(size))) : nullptr;
    if (!underscore) {
        cell.put('\0');
        return cell.data();
    }
    escaped.clear();
    for (qsizetype at = 0; at < size; ++at) {
        if (text[at] == '_' && startsEscape(at)) {
            for (const char c : {'_', 'x', '0', '0', '5', 'F', '_'})
                escaped.push_back(c);
        } else {
            escaped.push_back(text[at]);
        }
    }
    escaped.push_back('\0');
    return escaped.data();
}

// The trimmed text of a heading or sheet name, in UTF-8 with its NUL.
QByteArray trimmedUtf8(const QString &text)
{
    SpreadsheetBuffer buffer;
    SpreadsheetCell(buffer, SpreadsheetCell::Form::Utf8).text(text);
    return QByteArray(buffer.data(), buffer.size());
}

// Makes the whole workbook at scratchPath.
void writeWorkbook(const QString &scratchPath, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                   const SpreadsheetRows &rows, const std::function<void(int, int)> &progress)
{
    const int rowCount = rows.RowCount();
    const int columnCount = int(columns.size());
    if (rowCount < 0 || rowCount > int(LXW_ROW_MAX) - 1)
        throw IoError(QStringLiteral("%1 rows: a worksheet holds %2 below its heading").arg(rowCount).arg(LXW_ROW_MAX - 1));
    if (columnCount > LXW_COL_MAX)
        throw IoError(QStringLiteral("%1 columns: a worksheet holds %2").arg(columnCount).arg(LXW_COL_MAX));

    Workbook book(scratchPath, QDir::tempPath());
    if (!book.get())
        throw IoError(QStringLiteral("cannot start the workbook in %1").arg(scratchPath));
    const QByteArray name = trimmedUtf8(sheetName);
    if (name.isEmpty())
        throw IoError(QStringLiteral("a worksheet needs a name"));
    if (const lxw_error error = workbook_validate_sheet_name(book.get(), name.constData()); error != LXW_NO_ERROR)
        throw IoError(QStringLiteral("sheet name \"%1\": %2").arg(sheetName, reasonOf(error)));
    lxw_worksheet *sheet = workbook_add_worksheet(book.get(), name.constData());
    lxw_format *heading = workbook_add_format(book.get());
    lxw_format *text = workbook_add_format(book.get());
    if (!sheet || !heading || !text)
        throw IoError(QStringLiteral("cannot start the workbook's sheet"));
    format_set_bold(heading);
    format_set_num_format(heading, "@");
    format_set_num_format(text, "@"); // what is typed into a cell later stays text too

    const auto check = [&](lxw_error error, int row, int column) {
        if (error != LXW_NO_ERROR)
            throw IoError(QStringLiteral("row %1, column %2: %3").arg(row).arg(column + 1).arg(reasonOf(error)));
    };
    SpreadsheetBuffer cellBytes;
    std::vector<char> escaped;
    for (int c = 0; c < columnCount; ++c) {
        check(worksheet_set_column_pixels(sheet, lxw_col_t(c), lxw_col_t(c), double(columns.at(c).width), nullptr), 0,
              c);
        cellBytes.clear();
        SpreadsheetCell(cellBytes, SpreadsheetCell::Form::Utf8).text(columns.at(c).heading);
        check(worksheet_write_string(sheet, 0, lxw_col_t(c), workbookText(cellBytes, escaped), heading), 0, c);
    }
    if (columnCount > 0) {
        worksheet_freeze_panes(sheet, 1, 0);
        check(worksheet_autofilter(sheet, 0, 0, lxw_row_t(rowCount), lxw_col_t(columnCount - 1)), 0, 0);
    }

    SpreadsheetCell cell(cellBytes, SpreadsheetCell::Form::Utf8);
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            cellBytes.clear();
            rows.WriteCell(r, c, cell);
            // An empty text gives a blank cell of the text format: an empty
            // row is still there in the sheet.
            check(worksheet_write_string(sheet, lxw_row_t(r + 1), lxw_col_t(c), workbookText(cellBytes, escaped), text),
                  r + 1, c);
        }
        if (progress && ((r + 1) % ProgressRows == 0 || r + 1 == rowCount))
            progress(r + 1, rowCount);
    }
    if (const lxw_error error = book.close(); error != LXW_NO_ERROR)
        throw IoError(QStringLiteral("cannot finish the workbook: %1").arg(reasonOf(error)));
}

// Copies the finished workbook through the write seam into a file beside
// the target, which takes the target's place only when whole.
void replaceWith(QFile &workbook, const QString &path)
{
    QSaveFile file(path);
    // Never written in place: where no temporary file can be made beside the
    // old export, the export fails and the old file stays as it was.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw IoError(QStringLiteral("cannot create %1: %2").arg(path, file.errorString()));
    std::vector<char> chunk(static_cast<std::size_t>(CopyChunk));
    for (;;) {
        const qint64 n = workbook.read(chunk.data(), CopyChunk);
        if (n < 0) {
            file.cancelWriting();
            throw IoError(QStringLiteral("cannot read the finished workbook: %1").arg(workbook.errorString()));
        }
        if (n == 0)
            break;
        if (!FileWrites::Write(file, chunk.data(), n)) {
            file.cancelWriting();
            throw IoError(QStringLiteral("workbook write failed: ") + file.errorString());
        }
    }
    if (!FileWrites::Flush(file) || !file.commit())
        throw IoError(QStringLiteral("cannot replace %1: %2").arg(path, file.errorString()));
}

} // namespace

void WriteSpreadsheetXlsx(const QString &path, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                          const SpreadsheetRows &rows, const std::function<void(int, int)> &progress)
{
    QString reason;
    if (!FileWrites::MayReplace(path, &reason))
        throw IoError(QStringLiteral("cannot replace %1: %2").arg(path, reason));
    // The workbook is made whole in the temporary folder first: libxlsxwriter
    // writes only to a file of its own.
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/varcanto-XXXXXX.xlsx"));
    if (!scratch.open())
        throw IoError(QStringLiteral("cannot create a temporary file: ") + scratch.errorString());
    scratch.close();
    writeWorkbook(scratch.fileName(), sheetName, columns, rows, progress);
    if (!scratch.open())
        throw IoError(QStringLiteral("cannot read the finished workbook: ") + scratch.errorString());
    replaceWith(scratch, path);
}

bool WriteSpreadsheetXlsx(const QString &path, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                          const QList<QStringList> &rows, QString *error)
{
    try {
        WriteSpreadsheetXlsx(path, sheetName, columns, SpreadsheetTextRows(rows));
        return true;
    } catch (const IoError &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
}
