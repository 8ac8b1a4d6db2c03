#include "fleet/FleetArchive.h"

#include "storage/Environment.h"

QString FleetArchive::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}
