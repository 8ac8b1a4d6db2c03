#pragma once
// The register archive of one calendar year: "<year>.vis" in the program folder.
#include "core/register/VisitRecord.h"
#include "core/storage/CardArchive.h"

#include <QString>

namespace YearArchive {
inline constexpr const char *Extension = ".vis";
// Path of the archive of the year typed by the user (trimmed); empty unless
// the year is four digits, so no other file is ever named (such as "../x").
QString PathFor(const QString &year);
// The archive at path as a card archive of the register.
inline CardArchive<VisitRecord> At(const QString &path)
{
    return CardArchive<VisitRecord>(path);
}
}
