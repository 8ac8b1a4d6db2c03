#include "core/fleet/VehicleDeadlines.h"

#include "core/fleet/VehicleRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/FileLock.h"
#include "core/storage/IoError.h"
#include "core/storage/RecordFile.h"
#include "core/storage/TextRules.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {
// The CRC-16 of ISO 3309 (the one of qChecksum), a byte at a time from a
// table: the start menu checks every entry of the file each time it shows.
struct CrcTable {
    quint16 entry[256];
    constexpr CrcTable()
        : entry()
    {
        for (int i = 0; i < 256; ++i) {
            quint16 c = quint16(i);
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? quint16((c >> 1) ^ 0x8408) : quint16(c >> 1);
            entry[i] = c;
        }
    }
};
constexpr CrcTable Crc;

QString checkValue(const QByteArray &bytes)
{
    return QStringLiteral("%1").arg(DeadlineChecksum(bytes.constData()), 4, 16, QLatin1Char('0')).toUpper();
}

bool allZero(const char *bytes)
{
    for (int i = 0; i < VehicleDeadlines::Size; ++i) {
        if (bytes[i] != '\0')
            return false;
    }
    return true;
}

// The deadlines as a read gives them back after they were stored (trimmed,
// in the code page, cut to the capacities).
VehicleDeadlines asStored(const VehicleDeadlines &deadlines)
{
    const QByteArray bytes = deadlines.toBytes();
    return DecodeDeadlines(bytes.constData()).deadlines;
}

bool mentions(const QString &text, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The leading number of a weight, with a comma or a dot for the decimals;
// nothing when the text does not start with one.
std::optional<double> tonnes(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+)(?:[.,](\\d+))?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return (match.captured(1) + QLatin1Char('.') + (match.captured(2).isEmpty() ? QStringLiteral("0") : match.captured(2)))
        .toDouble();
}

QDate lastDayOfMonth(int year, int month)
{
    const QDate first(year, month, 1);
    return QDate(year, month, first.daysInMonth());
}
} // namespace

quint16 DeadlineChecksum(const char *entry)
{
    // Only what the fields hold counts: bytes past a field's length are not
    // significant, as in the archives' records.
    quint16 crc = 0xFFFF;
    for (const auto &field : DeadlineFields) {
        if (field.member == &VehicleDeadlines::Controllo)
            break;
        const int length = std::min<int>(static_cast<unsigned char>(entry[field.offset]), field.capacity);
        const char *bytes = entry + field.offset;
        for (int i = 0; i <= length; ++i)
            crc = quint16((crc >> 8) ^ Crc.entry[(crc ^ static_cast<unsigned char>(bytes[i])) & 0xFF]);
    }
    return quint16(~crc);
}

bool VehicleDeadlines::IsEmpty() const
{
    for (const auto &field : DeadlineFields) {
        if (field.member != &VehicleDeadlines::Controllo && !Trim(this->*(field.member)).isEmpty())
            return false;
    }
    return true;
}

QByteArray VehicleDeadlines::toBytes() const
{
    if (IsEmpty())
        return QByteArray(Size, '\0');
    VehicleDeadlines entry = *this;
    entry.Controllo.clear();
    QByteArray bytes = EncodeRecord(entry, DeadlineFields, Size);
    const auto &check = DeadlineFields.back();
    StoreAnsiField(bytes.data() + check.offset, check.capacity, checkValue(bytes));
    return bytes;
}

bool VehicleDeadlines::operator==(const VehicleDeadlines &other) const
{
    // The check value follows from the rest.
    return Assicurazione == other.Assicurazione && Revisione == other.Revisione && Bollo == other.Bollo
        && Tagliando == other.Tagliando && AltraDescrizione == other.AltraDescrizione && AltraData == other.AltraData
        && Note == other.Note;
}

DeadlineEntry DecodeDeadlines(const char *bytes)
{
    if (allZero(bytes))
        return {};
    const QByteArray whole(bytes, VehicleDeadlines::Size);
    VehicleDeadlines deadlines = DecodeRecord(whole, DeadlineFields, VehicleDeadlines::Size);
    bool good = deadlines.Controllo == checkValue(whole);
    for (const auto &field : DeadlineFields)
        good = good && static_cast<unsigned char>(bytes[field.offset]) <= field.capacity;
    for (const QString *date : {&deadlines.Assicurazione, &deadlines.Revisione, &deadlines.Bollo, &deadlines.Tagliando,
                                &deadlines.AltraData})
        good = good && (date->isEmpty() || IsValidDate(*date));
    if (!good)
        return {{}, true};
    return {deadlines, false};
}

QString DeadlineKindText(DeadlineKind kind, const QString &otherDescription)
{
    switch (kind) {
    case DeadlineKind::Insurance:
        return QStringLiteral("Assicurazione");
    case DeadlineKind::Inspection:
        return QStringLiteral("Revisione");
    case DeadlineKind::RoadTax:
        return QStringLiteral("Bollo");
    case DeadlineKind::Service:
        return QStringLiteral("Tagliando");
    case DeadlineKind::Other:
        break;
    }
    const QString description = Trim(otherDescription);
    return description.isEmpty() ? QStringLiteral("Altra scadenza") : description;
}

QDate DateOfText(const QString &text)
{
    if (!IsValidDate(text))
        return {};
    return QDate(text.mid(6, 4).toInt(), text.mid(3, 2).toInt(), text.mid(0, 2).toInt());
}

QDate RegistrationDate(const QString &text)
{
    const QString date = Trim(text);
    if (date.size() == 7 && date.at(2) == QLatin1Char('/'))
        return DateOfText(QStringLiteral("01/") + date);
    return DateOfText(date);
}

bool InspectedEveryYear(const QString &vehicleType, const QString &maxWeightTonnes, const QString &use)
{
    if (mentions(vehicleType, {"autobus"}))
        return true;
    if (mentions(vehicleType, {"autocarro", "rimorchio", "trattore"})) {
        const std::optional<double> weight = tonnes(maxWeightTonnes);
        if (weight && *weight > 3.5)
            return true;
    }
    return mentions(use, {"taxi", "noleggio con conducente", "ambulanza"});
}

QDate NextInspectionDue(const QString &vehicleType, const QString &maxWeightTonnes, const QString &use,
                        const QDate &registration, const QDate &today)
{
    if (!registration.isValid() || !today.isValid())
        return {};
    const bool yearly = InspectedEveryYear(vehicleType, maxWeightTonnes, use);
    const int first = yearly ? 1 : 4;
    const int every = yearly ? 1 : 2;
    // Due on the last day of the registration's month, `first` years on,
    // then every `every` years: jump close to today, then step.
    int year = registration.year() + first;
    const int month = registration.month();
    if (year < today.year() - every)
        year += (today.year() - every - year) / every * every;
    while (lastDayOfMonth(year, month) < today)
        year += every;
    return lastDayOfMonth(year, month);
}

std::optional<DeadlineRefusal> CheckDeadlinesForSave(const VehicleDeadlines &deadlines)
{
    const struct {
        const QString *date;
        const char *what;
        const char *field;
    } dates[] = {
        {&deadlines.Assicurazione, "dell'assicurazione", "Assicurazione"},
        {&deadlines.Revisione, "della revisione", "Revisione"},
        {&deadlines.Bollo, "del bollo", "Bollo"},
        {&deadlines.Tagliando, "del tagliando", "Tagliando"},
        {&deadlines.AltraData, "dell'altra scadenza", "AltraData"},
    };
    for (const auto &d : dates) {
        const QString text = Trim(*d.date);
        if (!text.isEmpty() && !IsValidDate(text))
            return DeadlineRefusal{
                QStringLiteral("Attenzione: la data %1 %2 non esiste.\n\r\n\r"
                               "Per poter salvare le scadenze è necessario indicare una data valida nel formato "
                               "gg/mm/aaaa.")
                    .arg(QString::fromUtf8(d.what), text),
                QString::fromLatin1(d.field)};
    }
    return std::nullopt;
}

QString DeadlineFile::PathFor(const QString &fleetPath)
{
    const QFileInfo fleet(fleetPath);
    return fleet.dir().filePath(QLatin1String(FileName));
}

DeadlineEntry DeadlineFile::Read(const QString &fleetPath, int cardNumber)
{
    QFile file(PathFor(fleetPath));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString()));
    if (cardNumber < 1 || file.size() / VehicleDeadlines::Size < cardNumber)
        return {};
    if (!file.seek(qint64(cardNumber - 1) * VehicleDeadlines::Size))
        throw IoError(QStringLiteral("cannot seek in %1").arg(file.fileName()));
    const QByteArray bytes = file.read(VehicleDeadlines::Size);
    if (bytes.size() != VehicleDeadlines::Size)
        throw IoError(QStringLiteral("short read of %1").arg(file.fileName()));
    return DecodeDeadlines(bytes.constData());
}

std::optional<VehicleDeadlines> DeadlineFile::StoreIfUnchanged(const QString &fleetPath, int cardNumber,
                                                               const std::optional<VehicleDeadlines> &expected,
                                                               const VehicleDeadlines &deadlines)
{
    // The fleet archive's lock, held by this one handle: nothing here opens
    // the fleet archive a second time (closing a second handle would let go
    // of the lock on some systems).
    QFile fleet(fleetPath);
    if (!fleet.exists() || !fleet.open(QIODevice::ReadWrite))
        throw IoError(QStringLiteral("cannot open %1: %2").arg(fleetPath, fleet.errorString()));
    FileLock lock(fleet);
    if (cardNumber < 1 || fleet.size() / VehicleRecord::Size < cardNumber)
        throw IoError(QStringLiteral("no card %1 in %2").arg(cardNumber).arg(fleetPath));

    RecordFile file(PathFor(fleetPath), VehicleDeadlines::Size);
    const int count = file.count();
    const int index = cardNumber - 1;
    if (expected && index < count) {
        file.seek(index);
        const QByteArray stored = file.read();
        const VehicleDeadlines now = DecodeDeadlines(stored.constData()).deadlines;
        if (!(now == *expected)) {
            file.close();
            return now;
        }
    } else if (expected && !expected->IsEmpty()) {
        // No entry yet: it holds no deadlines, which is not what was loaded.
        file.close();
        return VehicleDeadlines();
    }
    // Cards without deadlines before this one get entries of zeros, each
    // written whole, so the entry lands at its card's place.
    const QByteArray none(VehicleDeadlines::Size, '\0');
    for (int gap = count; gap < index; ++gap) {
        file.seek(gap);
        file.write(none);
    }
    file.seek(index);
    file.write(deadlines.toBytes());
    file.close();
    fleet.close();
    return std::nullopt;
}

void DeadlineFile::ForEachEntry(const QString &fleetPath,
                                const std::function<void(int cardNumber, const char *entry)> &visit)
{
    const QString path = PathFor(fleetPath);
    if (!QFile::exists(path))
        return;
    ScanArchive(path, VehicleDeadlines::Size, [&](int index, const char *entry) {
        if (!allZero(entry))
            visit(index + 1, entry);
        return true;
    });
}

DeadlineEditorModel::DeadlineEditorModel(QString fleetPath, int cardNumber)
    : m_fleetPath(std::move(fleetPath))
    , m_cardNumber(cardNumber)
{
}

DeadlineEntry DeadlineEditorModel::Load()
{
    DeadlineEntry entry = DeadlineFile::Read(m_fleetPath, m_cardNumber);
    m_loaded = entry.deadlines;
    return entry;
}

DeadlineEditorModel::Outcome DeadlineEditorModel::Save(const VehicleDeadlines &deadlines,
                                                       const std::function<bool()> &askOverwrite)
{
    VehicleDeadlines expected = m_loaded;
    while (const std::optional<VehicleDeadlines> now =
               DeadlineFile::StoreIfUnchanged(m_fleetPath, m_cardNumber, expected, deadlines)) {
        if (!askOverwrite()) {
            Load();
            return Outcome::ReloadedAsNow;
        }
        expected = *now;
    }
    m_loaded = asStored(deadlines);
    return Outcome::Written;
}
