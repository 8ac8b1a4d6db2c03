#pragma once
// The spreadsheet files of both archives: an HTML table preceded by the
// worksheet options that spreadsheet programs read, Windows-1252, no line
// breaks anywhere. One writer makes every byte of it; the export windows and
// outside tools call it with their columns and rows.
//
// Cell and heading texts are trimmed and escaped: & < > as entities, and a
// character the code page cannot hold (or a control character) as a decimal
// character reference of its code point, so a note holding "<b>" reaches the
// spreadsheet as text. What a reader cannot take back from a reference (NUL,
// a lone surrogate, a C1 control the code page's 0x80 row hides) is written
// as U+FFFD. Each data cell carries sdnum="1040;0;@", which makes
// LibreOffice keep "007", "0612345678", "1e5" and dates as typed (x:str alone
// does so only in Excel).
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

struct SpreadsheetColumn {
    QString heading;
    int width; // HTML pixel width of the column
};

// The bytes of the file being made: appended through a pointer, since a
// large export writes hundreds of megabytes.
class SpreadsheetBuffer
{
public:
    char *room(qsizetype n)
    {
        if (m_used + n > qsizetype(m_data.size()))
            m_data.resize(std::max(m_data.size() * 2, std::size_t(m_used + n)));
        return m_data.data() + m_used;
    }
    void commit(const char *end) { m_used = end - m_data.data(); }
    void put(const char *bytes, qsizetype n)
    {
        std::memcpy(room(n), bytes, std::size_t(n));
        m_used += n;
    }
    void put(char c) { *room(1) = c; ++m_used; }
    const char *data() const { return m_data.data(); }
    qsizetype size() const { return m_used; }
    void clear() { m_used = 0; }

private:
    std::vector<char> m_data;
    qsizetype m_used = 0;
};

// One cell being written: its text is trimmed and put into the buffer, as
// the file being made wants it.
class SpreadsheetCell
{
public:
    enum class Form {
        // Escaped Windows-1252, as the HTML table holds it.
        Html,
        // Plain UTF-8 for the workbook writer, which escapes for itself. What
        // a workbook cannot hold (NUL, a lone surrogate, U+FFFE, U+FFFF)
        // becomes U+FFFD, the replacement character.
        Utf8,
    };
    explicit SpreadsheetCell(SpreadsheetBuffer &out, Form form = Form::Html) : m_out(out), m_form(form) {}
    void text(const QString &text);
    // Text already in Windows-1252 bytes (as stored in the archives).
    void cp1252(const char *bytes, qsizetype size);

private:
    void utf8Text(const char16_t *begin, const char16_t *end);
    void utf8FromCp1252(const unsigned char *begin, const unsigned char *end);

    SpreadsheetBuffer &m_out;
    Form m_form;
};

// The data rows handed to the writer one cell at a time, so a grid over a
// large archive is written without first building a list of texts.
class SpreadsheetRows
{
public:
    virtual ~SpreadsheetRows() = default;
    virtual int RowCount() const = 0;
    virtual void WriteCell(int row, int column, SpreadsheetCell &cell) const = 0;
};

// Rows held as lists of texts; a row shorter than the columns gets empty cells.
class SpreadsheetTextRows : public SpreadsheetRows
{
public:
    explicit SpreadsheetTextRows(const QList<QStringList> &rows) : m_rows(rows) {}
    int RowCount() const override { return int(m_rows.size()); }
    void WriteCell(int row, int column, SpreadsheetCell &cell) const override;

private:
    const QList<QStringList> &m_rows;
};

// The whole file.
QByteArray SpreadsheetBytes(const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                            const QList<QStringList> &rows);
QByteArray SpreadsheetBytes(const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                            const SpreadsheetRows &rows);

// Writes exactly the bytes of SpreadsheetBytes to path, streaming. The file is
// written beside the old one and takes its place only when complete: after a
// failure (IoError, DiskFull when the disk is full) a previous export is
// still whole.
// progress, when given, hears the rows written so far and the rows in all.
void WriteSpreadsheet(const QString &path, const QString &sheetName, const QList<SpreadsheetColumn> &columns,
                      const SpreadsheetRows &rows, const std::function<void(int done, int total)> &progress = {});

// Texts of the export dialogue shared by the export windows.
extern const QString SpreadsheetAskText;
extern const QString SpreadsheetDoneText;
extern const QString SpreadsheetFailedText;
// The archive could not be read whole, so the file named was not written.
QString SpreadsheetNotReadText(const QString &fileName);
// What a full disk did not save.
QString SpreadsheetNotWrittenText(const QString &fileName);
