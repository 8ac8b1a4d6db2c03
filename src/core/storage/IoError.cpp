#include "core/storage/IoError.h"

IoError::IoError(const QString &what)
    : std::runtime_error(what.toStdString())
{
}

QString DiskFullText(const QString &notSaved)
{
    return QStringLiteral("Attenzione: spazio su disco esaurito. ") + notSaved
        + QStringLiteral("\n\r\n\rLiberare spazio sul disco che ospita la cartella del programma e riprovare.");
}
