#pragma once
// The archive of the company fleet: "Flotta_Automezzi.pro" in the program folder.
#include <QString>

namespace FleetArchive {
inline constexpr const char *FileName = "Flotta_Automezzi.pro";
QString Path();
}
