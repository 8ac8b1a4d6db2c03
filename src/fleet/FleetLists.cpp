#include "fleet/FleetLists.h"

#include "fleet/FleetArchive.h"
#include "fleet/VehicleRecord.h"
#include "storage/TextRules.h"

#include <algorithm>

namespace {
constexpr auto &Marca = FieldNamed(VehicleFields, "Marca");
constexpr auto &Modello = FieldNamed(VehicleFields, "Modello");
constexpr auto &Targa = FieldNamed(VehicleFields, "Targa");
constexpr auto &Conducente = FieldNamed(VehicleFields, "Conducente");
constexpr auto &Recapito = FieldNamed(VehicleFields, "Recapito");
constexpr auto &Note = FieldNamed(VehicleFields, "Note");
constexpr auto &Disponibile = FieldNamed(VehicleFields, "Disponibile");

// A counted criterion: its field and its text with A-Z lowered.
struct Needle {
    const FieldSpec<VehicleRecord> *field;
    QString lowered;
};

QList<Needle> needlesOf(const FleetCriteria &criteria)
{
    QList<Needle> needles;
    for (int i = 0; i < 10; ++i) {
        if (!Trim(criteria.text[i]).isEmpty())
            needles.append({&FieldNamed(VehicleFields, FleetSearchFields[i]), LowerAZ(criteria.text[i])});
    }
    return needles;
}

bool matches(const char *record, const QList<Needle> &needles)
{
    for (const Needle &needle : needles) {
        if (!ContainsLowered(FieldText(record, *needle.field), needle.lowered))
            return false;
    }
    return true;
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
    int count = 0;
    for (const QString &t : criteria.text)
        count += Trim(t).isEmpty() ? 0 : 1;
    return count;
}

bool VehicleMatches(const char *record, const FleetCriteria &criteria)
{
    return matches(record, needlesOf(criteria));
}

bool VehicleIsAvailable(const char *record)
{
    // Compared on the stored bytes ("Sì" is 'S' and 0xEC), blanks around
    // them aside, without decoding the field of every vehicle.
    return TrimmedFieldBytes(record, Disponibile) == QByteArrayView("S\xEC");
}

QString FleetListLine(const char *record)
{
    // Make and model are joined before the column is filled or cut, so an
    // empty make leaves the line starting with a blank.
    const QString vehicle = FieldText(record, Marca) + QLatin1Char(' ') + FieldText(record, Modello);
    return vehicle.leftJustified(30, QLatin1Char(' '), true) + QStringLiteral("  Targa: ")
        + ListColumn(FieldText(record, Targa), 12) + QStringLiteral("  ") + ListColumn(FieldText(record, Conducente), 25)
        + QStringLiteral("  Tel. ") + ListColumn(FieldText(record, Recapito), 15) + QStringLiteral("  ")
        + FieldText(record, Note);
}

ListLines SearchFleet(const QString &archivePath, const FleetCriteria &criteria, const ScanProgress &progress)
{
    const QList<Needle> needles = needlesOf(criteria);
    return collect(archivePath, progress, [&](const char *record) { return matches(record, needles); });
}

ListLines AvailableVehicles(const QString &archivePath, const ScanProgress &progress)
{
    return collect(archivePath, progress, [](const char *record) { return VehicleIsAvailable(record); });
}

QString FleetFoundText(int lines)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}
