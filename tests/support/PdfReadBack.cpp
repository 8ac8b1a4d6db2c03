#include "PdfReadBack.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

QString PdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                               path, QStringLiteral("-")});
}

QString PdfInfo(const QString &path)
{
    return run(QStringLiteral("pdfinfo"), {path});
}

QString PdfInfoValue(const QString &path, const QString &key)
{
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(key) + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(PdfInfo(path)).captured(1).trimmed();
}
