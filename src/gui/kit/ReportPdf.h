#pragma once
// Writes a one-page report layout as a PDF file, with the document's
// properties set, no protection, and the page content uncompressed (so the
// text can be searched and checked as written). The file is written whole to
// a temporary file beside it and then put in place: a failure leaves an
// older file as it was.
#include "gui/kit/Report.h"

#include <QString>

struct PdfProperties {
    QString title;
    QString subject;
    QString author;
    QString creator;
};

// True when the file was written.
bool WriteReportPdf(const QString &path, const ReportLayout &layout, const PdfProperties &properties);
