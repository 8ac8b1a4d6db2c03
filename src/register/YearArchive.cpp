#include "register/YearArchive.h"

#include "storage/Environment.h"
#include "storage/TextRules.h"

QString YearArchive::PathFor(const QString &year)
{
    const QString digits = Trim(year);
    if (!IsYearText(digits))
        return {};
    return ProgramFolder() + digits + QLatin1String(Extension);
}
