#include "core/register/YearArchive.h"

#include "core/storage/Environment.h"
#include "core/storage/TextRules.h"

QString YearArchive::PathFor(const QString &year)
{
    const QString digits = Trim(year);
    if (!IsYearText(digits))
        return {};
    return ProgramFolder() + digits + QLatin1String(Extension);
}
