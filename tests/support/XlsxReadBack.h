#pragma once
// Reads back the first sheet of an Excel workbook (.xlsx) as the tests need
// it: a small reader of the zip container (zlib's inflate) and of the sheet's
// XML, independent of the writer, which takes each cell's text back the way
// a spreadsheet program does (shared or inline strings, _xHHHH_ escapes).
#include <QList>
#include <QMap>
#include <QString>
#include <QByteArray>

struct XlsxCell {
    QString text;
    QString type;         // the cell's t attribute: "inlineStr", "s", "str"; empty for a number
    bool bold = false;    // its font is bold
    QString numberFormat; // its number format's code ("@" is text), empty for General
};

struct XlsxSheet {
    bool read = false;              // the file is a workbook this reader could read
    QString name;                   // the first sheet's name
    QList<QList<XlsxCell>> rows;    // by row, from row 1; cells by column, from A
    QMap<int, int> columnPixels;    // set column widths in pixels, by column from 0
    QString frozenTopLeft;          // the first cell below and right of frozen panes ("A2"); empty when none
    QString autoFilter;             // the autofilter's range ("A1:P11"); empty when none
};

// One file of a zip archive; null when missing or unreadable.
QByteArray ZipEntry(const QByteArray &zip, const QString &name);
XlsxSheet ReadXlsx(const QString &path);
