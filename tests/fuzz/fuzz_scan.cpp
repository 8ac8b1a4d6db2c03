// The archive walk over a file of any bytes and any length: with both record
// sizes it hands over exactly the whole records, each once and in order, the
// record-by-record reader agrees with it, and nothing in the file makes the
// walk read outside the records. The daily lists, the searches (a criterion
// taken from the file's own bytes), the available vehicles and the monthly
// counts run over the same file: each line names a whole record once.
#include "core/fleet/FleetLists.h"
#include "core/fleet/VehicleRecord.h"
#include "core/register/RegisterLists.h"
#include "core/register/TransitStatistics.h"
#include "core/register/VisitRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/Cp1252.h"
#include "core/storage/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
QString archivePath()
{
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/fuzz.vis");
}

void walk(const QString &path, const QByteArray &bytes, int recordSize)
{
    const int whole = int(bytes.size() / recordSize);
    int expected = 0;
    const int seen = ScanArchive(path, recordSize, [&](int index, const char *record) {
        if (index != expected || std::memcmp(record, bytes.constData() + qint64(index) * recordSize, size_t(recordSize)))
            std::abort();
        ++expected;
        if (recordSize == VisitRecord::Size)
            (void)FieldText(record, FieldNamed(VisitFields, "Targa"));
        else if (recordSize == VehicleRecord::Size)
            (void)FieldIsBlank(record, FieldNamed(VehicleFields, "Disponibile"));
        return true;
    });
    if (seen != whole || expected != whole)
        std::abort();

    RecordFile file(path, recordSize);
    if (file.count() != whole)
        std::abort();
    int read = 0;
    while (!file.atEnd()) {
        if (file.read() != bytes.mid(qint64(read) * recordSize, recordSize))
            std::abort();
        ++read;
    }
    file.close();
    if (read != whole)
        std::abort();
}

void checkLines(const ListLines &list, int whole)
{
    QList<bool> seen(whole, false);
    for (const ListLine &line : list.lines) {
        if (list.failed || line.cardNumber < 1 || line.cardNumber > whole || seen[line.cardNumber - 1]
            || line.text.isEmpty())
            std::abort();
        seen[line.cardNumber - 1] = true;
    }
}

void lists(const QString &path, const QByteArray &bytes)
{
    // A criterion of up to three of the file's bytes, read as the code page.
    const QString criterion = FromCp1252(bytes.left(3));
    const int cards = int(bytes.size() / VisitRecord::Size);
    for (RegisterList list : {RegisterList::EnteredToday, RegisterList::LeftToday, RegisterList::NotLeft})
        checkLines(CollectRegisterList(path, list, QStringLiteral("15/06/2021")), cards);
    RegisterCriteria card;
    card.text[bytes.isEmpty() ? 0 : uchar(bytes[0]) % 10] = criterion;
    checkLines(SearchRegister(path, card), cards);
    int counted = 0;
    for (int n : CountMonthlyTransits(path, QStringLiteral("2021")))
        counted += n;
    if (counted < 0 || counted > cards)
        std::abort();

    const int vehicles = int(bytes.size() / VehicleRecord::Size);
    FleetCriteria vehicle;
    vehicle.text[bytes.isEmpty() ? 0 : uchar(bytes[0]) % 10] = criterion;
    checkLines(SearchFleet(path, vehicle), vehicles);
    checkLines(AvailableVehicles(path), vehicles);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Small record sizes too, so that short inputs hold several records and a
    // tail; the two real sizes on longer inputs.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = archivePath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    const int small = size > 0 ? 1 + data[0] % 64 : 7;
    walk(path, bytes, small);
    walk(path, bytes, VisitRecord::Size);
    walk(path, bytes, VehicleRecord::Size);
    lists(path, bytes);
    return 0;
}
