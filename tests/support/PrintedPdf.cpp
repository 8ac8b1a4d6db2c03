#include "PrintedPdf.h"

#include "gui/kit/Dialogs.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

PrintedPdf::PrintedPdf(ScriptedDialogs &script, const QString &path)
    : m_path(path)
{
    script.onPrint = [this](QPrinter *printer) {
        QFile::remove(m_path);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_path);
        ++m_prints;
        return true;
    };
}

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

QString PrintedPdf::text() const
{
    if (!QFile::exists(m_path))
        return {};
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_path, QStringLiteral("-")});
}

QString PrintedPdf::info(const QString &property) const
{
    const QString all = run(QStringLiteral("pdfinfo"), {m_path});
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(property) + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(all).captured(1).trimmed();
}
