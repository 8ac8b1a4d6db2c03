#pragma once
// The register archive of one calendar year: "<year>.vis" in the program folder.
#include <QString>

namespace YearArchive {
inline constexpr const char *Extension = ".vis";
// Path of the archive of the year typed by the user (trimmed); empty unless
// the year is four digits, so no other file is ever named (such as "../x").
QString PathFor(const QString &year);
}
