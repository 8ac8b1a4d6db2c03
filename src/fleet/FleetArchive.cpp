#include "FleetArchive.h"

#include "Environment.h"

QString FleetArchive::Path()
{
    return ProgramFolder() + QLatin1String(FileName);
}
