#include "core/storage/Environment.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
std::function<QDateTime()> &clockOverride()
{
    static std::function<QDateTime()> clock;
    return clock;
}
QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString &folder)
{
    folderOverride() = folder.isEmpty() ? QString() : withTrailingSeparator(folder);
}

QDateTime CurrentDateTime()
{
    return clockOverride() ? clockOverride()() : QDateTime::currentDateTime();
}

void SetClock(std::function<QDateTime()> clock)
{
    clockOverride() = std::move(clock);
}
