#include "core/register/PlateRecall.h"

#include "core/register/YearArchive.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/PlateRules.h"
#include "core/storage/TextRules.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr auto &Targa = FieldNamed(VisitFields, "Targa");
constexpr auto &DataUsc = FieldNamed(VisitFields, "DataUsc");
constexpr auto &FleetTarga = FieldNamed(VehicleFields, "Targa");

// The raw bytes of the last record found, decoded once at the end.
struct Found {
    int index = -1;
    QByteArray bytes;
    void keep(int at, const char *record, int size)
    {
        index = at;
        bytes = QByteArray(record, size);
    }
};

std::optional<RecalledCard> cardOf(const Found &found, bool previousYear)
{
    if (found.index < 0)
        return std::nullopt;
    return RecalledCard {found.index + 1, VisitRecord::fromBytes(found.bytes), previousYear};
}
} // namespace

QString PreviousYearPath(const QString &yearPath)
{
    const QFileInfo info(yearPath);
    if (info.suffix() != QLatin1String(YearArchive::Extension + 1) || !IsYearText(info.completeBaseName()))
        return {};
    const int year = info.completeBaseName().toInt();
    if (year <= 1000)
        return {};
    return info.dir().filePath(QString::number(year - 1) + QLatin1String(YearArchive::Extension));
}

PlateRecall RecallPlate(const QString &yearPath, const QString &plate)
{
    PlateRecall recall;
    const PlateMatcher matcher(plate);
    if (matcher.IsEmpty())
        return recall;

    Found latest;
    Found inside;
    ScanArchive(yearPath, VisitRecord::Size, [&](int index, const char *record) {
        if (matcher.Matches(TrimmedFieldBytes(record, Targa))) {
            latest.keep(index, record, VisitRecord::Size);
            if (FieldIsBlank(record, DataUsc))
                inside.keep(index, record, VisitRecord::Size);
        }
        return true;
    });
    recall.stillInside = cardOf(inside, false);
    recall.latest = cardOf(latest, false);
    if (recall.latest)
        return recall;

    const QString previous = PreviousYearPath(yearPath);
    if (previous.isEmpty() || !QFileInfo(previous).isFile())
        return recall;
    Found before;
    try {
        ScanArchive(previous, VisitRecord::Size, [&](int index, const char *record) {
            if (matcher.Matches(TrimmedFieldBytes(record, Targa)))
                before.keep(index, record, VisitRecord::Size);
            return true;
        });
    } catch (const IoError &) {
        // A damaged or unreadable year before only means nothing to recall.
        return recall;
    }
    recall.latest = cardOf(before, true);
    return recall;
}

std::optional<VehicleRecord> FleetVehicleWithPlate(const QString &fleetPath, const QString &plate)
{
    const PlateMatcher matcher(plate);
    if (matcher.IsEmpty() || !QFileInfo(fleetPath).isFile())
        return std::nullopt;
    Found found;
    try {
        ScanArchive(fleetPath, VehicleRecord::Size, [&](int index, const char *record) {
            if (matcher.Matches(TrimmedFieldBytes(record, FleetTarga)))
                found.keep(index, record, VehicleRecord::Size);
            return true;
        });
    } catch (const IoError &) {
        return std::nullopt;
    }
    if (found.index < 0)
        return std::nullopt;
    return VehicleRecord::fromBytes(found.bytes);
}

VisitRecord FilledFrom(const VisitRecord &onScreen, const VisitRecord &source)
{
    VisitRecord filled = onScreen;
    for (QString VisitRecord::*field : {&VisitRecord::Veicolo, &VisitRecord::Conduttore, &VisitRecord::TelCel,
                                        &VisitRecord::Luogo}) {
        if (Trim(filled.*field).isEmpty())
            filled.*field = Trim(source.*field);
    }
    return filled;
}

VisitRecord VehicleAsVisit(const VehicleRecord &vehicle)
{
    VisitRecord card;
    card.Veicolo = Trim(vehicle.Marca + QLatin1Char(' ') + vehicle.Modello);
    card.Targa = Trim(vehicle.Targa);
    card.Conduttore = Trim(vehicle.Conducente);
    card.TelCel = Trim(vehicle.Recapito);
    return card;
}
