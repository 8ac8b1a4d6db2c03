#include "core/register/TimeInside.h"

#include "core/register/RegisterLists.h"
#include "core/register/VisitRecord.h"
#include "core/storage/TextRules.h"

namespace {
constexpr auto &DataEnt = FieldNamed(VisitFields, "DataEnt");
constexpr auto &OraEnt = FieldNamed(VisitFields, "OraEnt");
constexpr qint64 MinutesPerDay = 24 * 60;

// hh:nn (or h:nn) on the 24-hour clock.
std::optional<QTime> clockTime(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 1 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i != colon && !text.at(i).isDigit())
            return std::nullopt;
    }
    const int hours = text.left(colon).toInt();
    const int minutes = text.mid(colon + 1).toInt();
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return QTime(hours, minutes);
}

QString durationText(qint64 minutes)
{
    const qint64 days = minutes / MinutesPerDay;
    const qint64 hours = (minutes % MinutesPerDay) / 60;
    const qint64 rest = minutes % 60;
    if (days > 0)
        return hours > 0 ? QStringLiteral("%1 g %2 h").arg(days).arg(hours) : QStringLiteral("%1 g").arg(days);
    if (hours > 0)
        return rest > 0 ? QStringLiteral("%1 h %2 min").arg(hours).arg(rest) : QStringLiteral("%1 h").arg(hours);
    return QStringLiteral("%1 min").arg(rest);
}
} // namespace

TimeInside TimeInsideOf(const QString &dataEnt, const QString &oraEnt, const QDateTime &now, int maxHours)
{
    const QString date = Trim(dataEnt);
    if (!IsValidDate(date))
        return {};
    const QDate day = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    const qint64 limit = maxHours > 0 ? qint64(maxHours) * 60 : -1;
    if (const std::optional<QTime> time = clockTime(Trim(oraEnt))) {
        // Both read on the local clock, as the gate writes them.
        const QDateTime entry(day, *time);
        const qint64 seconds = entry.secsTo(now);
        if (seconds < 0)
            return {};
        const qint64 minutes = seconds / 60;
        return {durationText(minutes), limit >= 0 && minutes > limit};
    }
    const qint64 days = day.daysTo(now.date());
    if (days < 0)
        return {};
    return {QStringLiteral("%1 g").arg(days), limit >= 0 && days * MinutesPerDay > limit};
}

VehiclesInside CollectVehiclesInside(const QString &archivePath, const QDateTime &now, int maxHours,
                                     const ScanProgress &progress)
{
    VehiclesInside result;
    const QString today = DateText(now.date());
    try {
        ScanArchive(archivePath, VisitRecord::Size, [&](int index, const char *record) {
            if (!RegisterListShows(RegisterList::NotLeft, record, today))
                return true;
            const TimeInside time =
                TimeInsideOf(FieldText(record, DataEnt), FieldText(record, OraEnt), now, maxHours);
            QString line = RegisterListLine(RegisterList::NotLeft, record) + QLatin1StringView("  Dentro da: ") + time.text;
            if (time.overLimit) {
                line += QLatin1StringView("  OLTRE IL LIMITE");
                ++result.overLimit;
            }
            ++result.inside;
            ListLine listed{std::move(line), index + 1};
            listed.highlighted = time.overLimit;
            result.lines.lines.append(std::move(listed));
            return true;
        }, progress);
    } catch (const IoError &) {
        result.lines.failed = true;
    }
    SortListLines(result.lines.lines);
    return result;
}

QString VehiclesInsideSummary(const VehiclesInside &inside, int maxHours)
{
    if (maxHours <= 0)
        return QStringLiteral("%1 veicoli all'interno.").arg(inside.inside);
    return QStringLiteral("%1 veicoli all'interno, %2 oltre il limite di %3 ore.")
        .arg(inside.inside)
        .arg(inside.overLimit)
        .arg(maxHours);
}
