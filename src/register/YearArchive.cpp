#include "YearArchive.h"

#include "Environment.h"
#include "TextRules.h"

QString YearArchive::PathFor(const QString &year)
{
    return ProgramFolder() + Trim(year) + QLatin1String(Extension);
}
