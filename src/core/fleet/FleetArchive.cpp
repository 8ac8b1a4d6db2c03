#include "core/fleet/FleetArchive.h"

#include "core/storage/Environment.h"

QString FleetArchive::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}
