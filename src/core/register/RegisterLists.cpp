#include "core/register/RegisterLists.h"

#include "core/register/VisitRecord.h"
#include "core/storage/Cp1252.h"
#include "core/storage/ListRules.h"
#include "core/storage/RecordSearch.h"

#include <QByteArray>

namespace {
constexpr auto &DataEnt = FieldNamed(VisitFields, "DataEnt");
constexpr auto &OraEnt = FieldNamed(VisitFields, "OraEnt");
constexpr auto &Veicolo = FieldNamed(VisitFields, "Veicolo");
constexpr auto &Targa = FieldNamed(VisitFields, "Targa");
constexpr auto &Conduttore = FieldNamed(VisitFields, "Conduttore");
constexpr auto &TelCel = FieldNamed(VisitFields, "TelCel");
constexpr auto &DataUsc = FieldNamed(VisitFields, "DataUsc");
constexpr auto &OraUsc = FieldNamed(VisitFields, "OraUsc");

// The lines of the lists, column by column: {label, field, width}.
constexpr LineColumn<VisitRecord> EnteredTodayLine[] = {
    {"", &Veicolo, 30},
    {"  Targa: ", &Targa, 12},
    {"  Ora entrata: ", &OraEnt, 5},
    {"  Uscita: ", &DataUsc, 10},
    {"  Ora: ", &OraUsc, 5},
    {"  Conducente: ", &Conduttore},
};
constexpr LineColumn<VisitRecord> LeftTodayLine[] = {
    {"", &Veicolo, 30},
    {"  Targa: ", &Targa, 12},
    {"  Ora uscita: ", &OraUsc, 5},
    {"  Entrata: ", &DataEnt, 10},
    {"  Ora: ", &OraEnt, 5},
    {"  Conducente: ", &Conduttore},
};
constexpr LineColumn<VisitRecord> NotLeftLine[] = {
    {"", &Veicolo, 30},
    {"  Targa: ", &Targa, 12},
    {"  Entrata: ", &DataEnt, 10},
    {"  Ora: ", &OraEnt, 5},
    {"  Conducente: ", &Conduttore, 30},
    {"  Tel. ", &TelCel},
};
// The search's vehicle column is 28 wide, not 30 as in the daily lists.
constexpr LineColumn<VisitRecord> SearchLine[] = {
    {"", &Veicolo, 28},
    {"  Targa: ", &Targa, 12},
    {"  Entrata: ", &DataEnt, 10},
    {"  Ora: ", &OraEnt, 5},
    {"  Uscita: ", &DataUsc, 10},
    {"  Ora: ", &OraUsc, 5},
    {"  Conducente: ", &Conduttore},
};

QList<FieldNeedle> needlesOf(const RegisterCriteria &criteria)
{
    return FieldNeedles(VisitFields, RegisterSearchFields, criteria.text);
}
} // namespace

QString RegisterListLine(RegisterList list, const char *record)
{
    switch (list) {
    case RegisterList::EnteredToday:
        return ListLineOf(record, EnteredTodayLine);
    case RegisterList::LeftToday:
        return ListLineOf(record, LeftTodayLine);
    case RegisterList::NotLeft:
        break;
    }
    return ListLineOf(record, NotLeftLine);
}

namespace {
// Dates are compared as text: 1/5/2024 is not 01/05/2024.
bool shows(RegisterList list, const char *record, QByteArrayView today)
{
    switch (list) {
    case RegisterList::EnteredToday:
        return TrimmedFieldBytes(record, DataEnt) == today;
    case RegisterList::LeftToday:
        return TrimmedFieldBytes(record, DataUsc) == today;
    case RegisterList::NotLeft:
        break;
    }
    return FieldIsBlank(record, DataUsc);
}
} // namespace

bool RegisterListShows(RegisterList list, const char *record, const QString &today)
{
    return shows(list, record, ToCp1252(today));
}

QString RegisterListTitle(RegisterList list, const QString &today)
{
    switch (list) {
    case RegisterList::EnteredToday:
        return QStringLiteral("Veicoli entrati in data ") + today;
    case RegisterList::LeftToday:
        return QStringLiteral("Veicoli usciti in data ") + today;
    case RegisterList::NotLeft:
        break;
    }
    return QStringLiteral("Veicoli non ancora usciti");
}

ListLines CollectRegisterList(const QString &archivePath, RegisterList list, const QString &today,
                              const ScanProgress &progress)
{
    const QByteArray day = ToCp1252(today);
    return CollectListLines(archivePath, VisitRecord::Size, progress, [&](const char *record) {
        return shows(list, record, day) ? RegisterListLine(list, record) : QString();
    });
}

int CountCriteria(const RegisterCriteria &criteria)
{
    return CountCriteriaTexts(criteria.text);
}

bool CardMatches(const char *record, const RegisterCriteria &criteria)
{
    return RecordMatches(record, needlesOf(criteria));
}

QString RegisterSearchLine(const char *record)
{
    return ListLineOf(record, SearchLine);
}

ListLines SearchRegister(const QString &archivePath, const RegisterCriteria &criteria, const ScanProgress &progress)
{
    const QList<FieldNeedle> needles = needlesOf(criteria);
    return CollectListLines(archivePath, VisitRecord::Size, progress, [&](const char *record) {
        return RecordMatches(record, needles) ? RegisterSearchLine(record) : QString();
    });
}
