#include "register/YearArchive.h"

#include "storage/Environment.h"
#include "storage/TextRules.h"

QString YearArchive::PathFor(const QString &year)
{
    return ProgramFolder() + Trim(year) + QLatin1String(Extension);
}
