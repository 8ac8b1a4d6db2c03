#include "core/fleet/DeadlineReminders.h"

#include "core/fleet/VehicleRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/RecordFile.h"
#include "core/storage/TextRules.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace {
// The dated fields of an entry, in the order of DeadlineKind.
constexpr std::array<const FieldSpec<VehicleDeadlines> *, DeadlineKinds> DatedFields = {
    &FieldNamed(DeadlineFields, "Assicurazione"), &FieldNamed(DeadlineFields, "Revisione"),
    &FieldNamed(DeadlineFields, "Bollo"), &FieldNamed(DeadlineFields, "Tagliando"),
    &FieldNamed(DeadlineFields, "AltraData")};
constexpr auto &OtherDescription = FieldNamed(DeadlineFields, "AltraDescrizione");
constexpr auto &Check = FieldNamed(DeadlineFields, "Controllo");

constexpr auto &Marca = FieldNamed(VehicleFields, "Marca");
constexpr auto &Modello = FieldNamed(VehicleFields, "Modello");
constexpr auto &Targa = FieldNamed(VehicleFields, "Targa");
constexpr auto &Conducente = FieldNamed(VehicleFields, "Conducente");

const QString InsuranceExpired = QStringLiteral("  ASSICURAZIONE SCADUTA");
const QString InspectionExpired = QStringLiteral("  REVISIONE SCADUTA");

int digit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// A dd/mm/yyyy field of raw entry bytes: an empty field gives an invalid
// date and true; a field that is not an existing date gives false.
bool dateField(const char *entry, int offset, QDate &date)
{
    const auto length = static_cast<unsigned char>(entry[offset]);
    date = QDate();
    if (length == 0)
        return true;
    const char *t = entry + offset + 1;
    if (length != 10 || t[2] != '/' || t[5] != '/')
        return false;
    int d[8];
    const int at[8] = {0, 1, 3, 4, 6, 7, 8, 9};
    for (int i = 0; i < 8; ++i) {
        d[i] = digit(t[at[i]]);
        if (d[i] < 0)
            return false;
    }
    const int day = d[0] * 10 + d[1];
    const int month = d[2] * 10 + d[3];
    const int year = d[4] * 1000 + d[5] * 100 + d[6] * 10 + d[7];
    if (year < 1 || !QDate::isValid(year, month, day))
        return false;
    date = QDate(year, month, day);
    return true;
}

// The five dates of an entry, read from its bytes without decoding its
// texts; false when the entry is damaged.
bool entryDates(const char *entry, std::array<QDate, DeadlineKinds> &dates)
{
    for (const auto &field : DeadlineFields) {
        if (static_cast<unsigned char>(entry[field.offset]) > field.capacity)
            return false;
    }
    const quint16 crc = DeadlineChecksum(entry);
    const QByteArrayView stored = TrimmedFieldBytes(entry, Check);
    char expected[5];
    static const char hex[] = "0123456789ABCDEF";
    for (int i = 0; i < 4; ++i)
        expected[i] = hex[(crc >> (12 - 4 * i)) & 0xF];
    expected[4] = '\0';
    if (stored != QByteArrayView(expected, 4))
        return false;
    for (int k = 0; k < DeadlineKinds; ++k) {
        if (!dateField(entry, DatedFields[k]->offset, dates[k]))
            return false;
    }
    return true;
}

// Calls found(cardNumber, kind, date, entry) for every dated deadline before
// today + noticeDays (expired ones included); returns the damaged entries.
template <class Found>
int walkDue(const QString &fleetPath, const QDate &today, int noticeDays, Found found)
{
    const QDate last = today.addDays(std::max(0, noticeDays));
    int damaged = 0;
    DeadlineFile::ForEachEntry(fleetPath, [&](int cardNumber, const char *entry) {
        std::array<QDate, DeadlineKinds> dates;
        if (!entryDates(entry, dates)) {
            ++damaged;
            return;
        }
        for (int k = 0; k < DeadlineKinds; ++k) {
            if (dates[k].isValid() && dates[k] <= last)
                found(cardNumber, DeadlineKind(k), dates[k], entry);
        }
    });
    return damaged;
}
} // namespace

DeadlineCounts CountDeadlines(const QString &fleetPath, const QDate &today, int noticeDays)
{
    DeadlineCounts counts;
    counts.damaged = walkDue(fleetPath, today, noticeDays, [&](int, DeadlineKind, const QDate &date, const char *) {
        if (date < today)
            ++counts.expired;
        else
            ++counts.dueSoon;
    });
    return counts;
}

QString ReminderText(const DeadlineCounts &counts, int noticeDays)
{
    QStringList parts;
    if (counts.expired > 0)
        parts << QStringLiteral("%1 scadute").arg(counts.expired);
    if (counts.dueSoon > 0)
        parts << QStringLiteral("%1 entro %2 giorni").arg(counts.dueSoon).arg(noticeDays);
    if (parts.isEmpty())
        return {};
    return QStringLiteral("Scadenze automezzi: ") + parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

DueDeadlines DeadlinesDue(const QString &fleetPath, const QDate &today, int noticeDays)
{
    DueDeadlines result;
    result.damaged = walkDue(fleetPath, today, noticeDays,
                             [&](int cardNumber, DeadlineKind kind, const QDate &date, const char *entry) {
                                 DueDeadline due;
                                 due.date = date;
                                 due.daysLeft = int(today.daysTo(date));
                                 due.kind = DeadlineKindText(kind, FieldText(entry, OtherDescription));
                                 due.cardNumber = cardNumber;
                                 result.due << due;
                             });
    // Stable: deadlines of one date keep card order, then the dialog's order.
    std::stable_sort(result.due.begin(), result.due.end(),
                     [](const DueDeadline &a, const DueDeadline &b) { return a.date < b.date; });
    if (result.due.isEmpty())
        return result;
    // The vehicles, each card read once; a card missing from the archive
    // leaves its line without a vehicle.
    RecordFile fleet(fleetPath, VehicleRecord::Size);
    const int cards = fleet.count();
    QHash<int, std::array<QString, 3>> vehicles;
    for (DueDeadline &due : result.due) {
        if (due.cardNumber > cards)
            continue;
        auto it = vehicles.find(due.cardNumber);
        if (it == vehicles.end()) {
            fleet.seek(due.cardNumber - 1);
            const QByteArray record = fleet.read();
            const char *r = record.constData();
            it = vehicles.insert(due.cardNumber,
                                 {Trim(FieldText(r, Marca) + QLatin1Char(' ') + FieldText(r, Modello)),
                                  FieldText(r, Targa), FieldText(r, Conducente)});
        }
        due.vehicle = it->at(0);
        due.plate = it->at(1);
        due.driver = it->at(2);
    }
    fleet.close();
    return result;
}

QString DaysLeftText(int daysLeft)
{
    if (daysLeft < 0)
        return QStringLiteral("scaduta da %1 giorni").arg(-daysLeft);
    if (daysLeft == 0)
        return QStringLiteral("oggi");
    if (daysLeft == 1)
        return QStringLiteral("tra 1 giorno");
    return QStringLiteral("tra %1 giorni").arg(daysLeft);
}

QList<ListLine> DueDeadlineLines(const DueDeadlines &deadlines)
{
    QList<ListLine> lines;
    lines.reserve(deadlines.due.size());
    for (const DueDeadline &due : deadlines.due) {
        ListLine line;
        line.text = DateText(due.date) + QStringLiteral("  ") + ListColumn(DaysLeftText(due.daysLeft), 22)
            + QStringLiteral("  ") + ListColumn(due.kind, 20) + QStringLiteral("  ") + ListColumn(due.vehicle, 30)
            + QStringLiteral("  Targa: ") + ListColumn(due.plate, 12) + QStringLiteral("  ") + Trim(due.driver);
        line.cardNumber = due.cardNumber;
        line.alert = due.daysLeft < 0;
        lines << line;
    }
    return lines;
}

QList<SpreadsheetColumn> DueDeadlineColumns()
{
    return {{QStringLiteral("Data"), 90},         {QStringLiteral("Giorni"), 150},
            {QStringLiteral("Scadenza"), 160},    {QStringLiteral("Marca e modello"), 220},
            {QStringLiteral("Targa"), 100},       {QStringLiteral("Conducente"), 200}};
}

QList<QStringList> DueDeadlineRows(const DueDeadlines &deadlines)
{
    QList<QStringList> rows;
    rows.reserve(deadlines.due.size());
    for (const DueDeadline &due : deadlines.due)
        rows << QStringList {DateText(due.date), DaysLeftText(due.daysLeft), due.kind, due.vehicle, due.plate, due.driver};
    return rows;
}

int MarkExpiredVehicles(QList<ListLine> &lines, const QString &fleetPath, const QDate &today)
{
    // Only vehicles with an expired insurance or inspection: a notice of
    // zero days and a look at the two kinds.
    QHash<int, std::array<bool, 2>> expired;
    const int damaged = walkDue(fleetPath, today.addDays(-1), 0,
                                [&](int cardNumber, DeadlineKind kind, const QDate &, const char *) {
                                    if (kind == DeadlineKind::Insurance)
                                        expired[cardNumber][0] = true;
                                    else if (kind == DeadlineKind::Inspection)
                                        expired[cardNumber][1] = true;
                                });
    if (expired.isEmpty())
        return damaged;
    for (ListLine &line : lines) {
        const auto it = expired.constFind(line.cardNumber);
        if (it == expired.constEnd())
            continue;
        if (it->at(0))
            line.text += InsuranceExpired;
        if (it->at(1))
            line.text += InspectionExpired;
        line.alert = it->at(0) || it->at(1);
    }
    SortListLines(lines);
    return damaged;
}

QString DamagedDeadlinesText(int entries)
{
    return QStringLiteral("Attenzione: le scadenze di %1 automezzi non possono essere lette perché il file %2 è "
                          "danneggiato.\n\r\n\rPer questi automezzi non viene mostrata nessuna scadenza: aprire la "
                          "scheda del veicolo e salvare di nuovo le sue scadenze.")
        .arg(entries)
        .arg(QLatin1String(DeadlineFile::FileName));
}
