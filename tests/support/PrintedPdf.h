#pragma once
// Printing in the tests: the print dialog is confirmed onto a PDF file, which
// is read back as text (pdftotext, layout kept) and measured (pdfinfo).
#include <QString>

class ScriptedDialogs;

class PrintedPdf
{
public:
    // Every print confirmed in the script goes to the file path (the last
    // print wins); count() tells how many prints there were.
    PrintedPdf(ScriptedDialogs &script, const QString &path);
    int count() const { return m_prints; }
    QString path() const { return m_path; }
    // The text of the pages, in layout; empty when nothing was printed.
    QString text() const;
    // A property of pdfinfo ("Pages", "Page size"), trimmed.
    QString info(const QString &property) const;

private:
    QString m_path;
    int m_prints = 0;
};
