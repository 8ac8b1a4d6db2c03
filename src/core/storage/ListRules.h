#pragma once
// Rules of the one-line-per-card lists (daily lists, searches, fleet lists):
// fixed-width columns, lines built from a table of columns per list, the sort
// order of the lines, and the find-in-list step.
#include "core/storage/RecordLayout.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstddef>

// One line of a list and the card it came from (1-based card number), so a
// double-click opens exactly that card even when two lines read the same.
struct ListLine {
    QString text;
    int cardNumber = 0;
    bool alert = false; // drawn in crimson (a vehicle that may not go out, a deadline passed)
    bool highlighted = false; // drawn in crimson bold (a vehicle inside over the limit)
};

// The lines of a list and whether reading the archive failed part-way (the
// lines read until then are kept).
struct ListLines {
    QList<ListLine> lines;
    bool failed = false;
};

// The text trimmed, then filled with spaces up to width characters or cut
// after its first width characters.
QString ListColumn(const QString &text, int width);

// One column of a list line, in a table per list: the literal text written
// before it (ASCII), then the trimmed text of a stored field, filled with
// blanks up to width characters or cut after them (width -1: as it is). A
// second field, when given, is joined to the first with one blank before the
// column is filled or cut (the fleet's make and model).
template <class Record>
struct LineColumn {
    const char *label;
    const FieldSpec<Record> *field;
    int width = -1;
    const FieldSpec<Record> *joined = nullptr;
};

// Appends one column to a line: the label, then the stored bytes of field
// (already trimmed) and, when joined is given, one blank and its bytes, the
// whole filled or cut to width characters (width -1: as it is).
void AppendLineColumn(QString &line, const char *label, QByteArrayView field, const QByteArrayView *joined, int width);

// The line of a record (raw bytes), its columns one after the other. Lines
// are built straight from the archive's bytes, since a list may have tens of
// thousands of them.
template <class Record, std::size_t N>
QString ListLineOf(const char *record, const LineColumn<Record> (&columns)[N])
{
    QString line;
    line.reserve(176);
    for (const LineColumn<Record> &c : columns) {
        const QByteArrayView field = TrimmedAnsiField(record + c.field->offset, c.field->capacity);
        if (c.joined) {
            const QByteArrayView joined = TrimmedAnsiField(record + c.joined->offset, c.joined->capacity);
            AppendLineColumn(line, c.label, field, &joined, c.width);
        } else {
            AppendLineColumn(line, c.label, field, nullptr, c.width);
        }
    }
    return line;
}

// The count label of a search: "Il presente riepilogo contiene N schede."
QString SearchFoundText(int lines);

// The lists' order: character by character, a-z compared as A-Z, every other
// character by its UTF-16 value; a line that is a prefix of another first.
bool ListTextLess(const QString &a, const QString &b);
// Sorts once in that order; lines that compare equal keep archive order.
void SortListLines(QList<ListLine> &lines);

// A-Z turned into a-z; nothing else changes (accented capitals stay).
QString LowerAZ(const QString &text);
// True when the text, with A-Z turned into a-z, contains the needle (already
// lowered); an empty needle is found nowhere.
bool ContainsLowered(const QString &text, const QString &loweredNeedle);

// One press of Trova on a list of lineCount lines (text(row) gives a line):
// the needle as typed, the needle of the previous press and the selected row
// (-1 when none). Returns the row to select, or -1 to leave the selection.
// A new needle searches from row 0; the same needle again searches from the
// row after the selected one, going round to row 0 after the last.
template <class LineText>
int FindInListRow(int lineCount, LineText text, const QString &typed, const QString &lastNeedle, int selected)
{
    if (lineCount <= 0)
        return -1;
    if (selected < 0 || selected >= lineCount)
        selected = 0;
    const QString needle = LowerAZ(typed);
    if (needle.isEmpty())
        return -1;
    const bool again = needle == lastNeedle;
    const int start = again ? selected : 0;
    int row = again ? (start + 1) % lineCount : start;
    for (int tested = 0; tested < lineCount; ++tested) {
        if (ContainsLowered(text(row), needle))
            return row;
        row = (row + 1) % lineCount;
    }
    return -1;
}
