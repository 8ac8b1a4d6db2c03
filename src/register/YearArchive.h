#pragma once
// The register archive of one calendar year: "<year>.vis" in the program folder.
#include <QString>

namespace YearArchive {
inline constexpr const char *Extension = ".vis";
// Path of the archive of the year typed by the user (trimmed).
QString PathFor(const QString &year);
}
