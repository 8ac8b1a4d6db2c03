#include "core/fleet/FleetLists.h"

#include "core/fleet/FleetArchive.h"
#include "core/fleet/VehicleRecord.h"
#include "core/storage/RecordSearch.h"

namespace {
constexpr auto &Marca = FieldNamed(VehicleFields, "Marca");
constexpr auto &Modello = FieldNamed(VehicleFields, "Modello");
constexpr auto &Targa = FieldNamed(VehicleFields, "Targa");
constexpr auto &Conducente = FieldNamed(VehicleFields, "Conducente");
constexpr auto &Recapito = FieldNamed(VehicleFields, "Recapito");
constexpr auto &Note = FieldNamed(VehicleFields, "Note");
constexpr auto &Disponibile = FieldNamed(VehicleFields, "Disponibile");

// The line of a vehicle, column by column: {label, field, width}. Make and
// model are joined before the column is filled or cut, so an empty make
// leaves the line starting with a blank.
constexpr LineColumn<VehicleRecord> FleetLine[] = {
    {"", &Marca, 30, &Modello},
    {"  Targa: ", &Targa, 12},
    {"  ", &Conducente, 25},
    {"  Tel. ", &Recapito, 15},
    {"  ", &Note},
};

QList<FieldNeedle> needlesOf(const FleetCriteria &criteria)
{
    return FieldNeedles(VehicleFields, FleetSearchFields, criteria.text);
}

template <class Shows>
ListLines collect(const QString &archivePath, const ScanProgress &progress, Shows shows)
{
    return CollectListLines(archivePath, VehicleRecord::Size, progress,
                            [&](const char *record) { return shows(record) ? FleetListLine(record) : QString(); });
}
} // namespace

int CountCriteria(const FleetCriteria &criteria)
{
    return CountCriteriaTexts(criteria.text);
}

bool VehicleMatches(const char *record, const FleetCriteria &criteria)
{
    return RecordMatches(record, needlesOf(criteria));
}

bool VehicleIsAvailable(const char *record)
{
    // Compared on the stored bytes ("Sì" is 'S' and 0xEC), blanks around
    // them aside, without decoding the field of every vehicle.
    return TrimmedFieldBytes(record, Disponibile) == QByteArrayView("S\xEC");
}

QString FleetListLine(const char *record)
{
    return ListLineOf(record, FleetLine);
}

ListLines SearchFleet(const QString &archivePath, const FleetCriteria &criteria, const ScanProgress &progress)
{
    const QList<FieldNeedle> needles = needlesOf(criteria);
    return collect(archivePath, progress, [&](const char *record) { return RecordMatches(record, needles); });
}

ListLines AvailableVehicles(const QString &archivePath, const ScanProgress &progress)
{
    return collect(archivePath, progress, [](const char *record) { return VehicleIsAvailable(record); });
}

QString FleetFoundText(int lines)
{
    return SearchFoundText(lines);
}
