#pragma once
// Printed pages read back: the text of a PDF (pdftotext, layout kept) and its
// document information (pdfinfo), as a user's viewer would show them.
#include <QString>

QString PdfText(const QString &path);
QString PdfInfo(const QString &path);
// The value of one line of PdfInfo ("Pages", "Page size", "Title"...).
QString PdfInfoValue(const QString &path, const QString &key);
