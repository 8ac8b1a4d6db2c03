#include "core/register/RegisterLists.h"

#include "core/register/VisitRecord.h"
#include "core/storage/Cp1252.h"
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

// Appends the trimmed text of a field to a line: filled with spaces up to
// width characters or cut after width characters (one byte is one character
// in the code page); width < 0 appends it as it is. Lines are built straight
// from the archive's bytes, since a list may have tens of thousands of them.
void appendField(QString &line, const char *record, const FieldSpec<VisitRecord> &field, int width = -1)
{
    const QByteArrayView bytes = TrimmedFieldBytes(record, field);
    qsizetype n = bytes.size();
    if (width >= 0 && n > width)
        n = width;
    bool highRow = false;
    for (qsizetype i = 0; i < n; ++i)
        highRow |= (static_cast<unsigned char>(bytes[i]) & 0xE0) == 0x80;
    if (highRow) {
        line += FromCp1252(bytes.data(), n);
    } else {
        const qsizetype at = line.size();
        line.resize(at + n);
        char16_t *out = reinterpret_cast<char16_t *>(line.data()) + at;
        for (qsizetype i = 0; i < n; ++i)
            out[i] = static_cast<unsigned char>(bytes[i]);
    }
    if (width > n)
        line.resize(line.size() + (width - n), QLatin1Char(' '));
}

QList<FieldNeedle> needlesOf(const RegisterCriteria &criteria)
{
    return FieldNeedles(VisitFields, RegisterSearchFields, criteria.text);
}
} // namespace

QString RegisterListLine(RegisterList list, const char *record)
{
    QString line;
    line.reserve(176);
    appendField(line, record, Veicolo, 30);
    line += QLatin1StringView("  Targa: ");
    appendField(line, record, Targa, 12);
    switch (list) {
    case RegisterList::EnteredToday:
        line += QLatin1StringView("  Ora entrata: ");
        appendField(line, record, OraEnt, 5);
        line += QLatin1StringView("  Uscita: ");
        appendField(line, record, DataUsc, 10);
        line += QLatin1StringView("  Ora: ");
        appendField(line, record, OraUsc, 5);
        line += QLatin1StringView("  Conducente: ");
        appendField(line, record, Conduttore);
        return line;
    case RegisterList::LeftToday:
        line += QLatin1StringView("  Ora uscita: ");
        appendField(line, record, OraUsc, 5);
        line += QLatin1StringView("  Entrata: ");
        appendField(line, record, DataEnt, 10);
        line += QLatin1StringView("  Ora: ");
        appendField(line, record, OraEnt, 5);
        line += QLatin1StringView("  Conducente: ");
        appendField(line, record, Conduttore);
        return line;
    case RegisterList::NotLeft:
        break;
    }
    line += QLatin1StringView("  Entrata: ");
    appendField(line, record, DataEnt, 10);
    line += QLatin1StringView("  Ora: ");
    appendField(line, record, OraEnt, 5);
    line += QLatin1StringView("  Conducente: ");
    appendField(line, record, Conduttore, 30);
    line += QLatin1StringView("  Tel. ");
    appendField(line, record, TelCel);
    return line;
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
    QString line;
    line.reserve(176);
    appendField(line, record, Veicolo, 28);
    line += QLatin1StringView("  Targa: ");
    appendField(line, record, Targa, 12);
    line += QLatin1StringView("  Entrata: ");
    appendField(line, record, DataEnt, 10);
    line += QLatin1StringView("  Ora: ");
    appendField(line, record, OraEnt, 5);
    line += QLatin1StringView("  Uscita: ");
    appendField(line, record, DataUsc, 10);
    line += QLatin1StringView("  Ora: ");
    appendField(line, record, OraUsc, 5);
    line += QLatin1StringView("  Conducente: ");
    appendField(line, record, Conduttore);
    return line;
}

ListLines SearchRegister(const QString &archivePath, const RegisterCriteria &criteria, const ScanProgress &progress)
{
    const QList<FieldNeedle> needles = needlesOf(criteria);
    return CollectListLines(archivePath, VisitRecord::Size, progress, [&](const char *record) {
        return RecordMatches(record, needles) ? RegisterSearchLine(record) : QString();
    });
}
