// Cards of both layouts decoded from any bytes (a damaged archive, a copy from
// another installation): decoding stays within the record, and a decoded card
// stored again and decoded gives the same card, its line breaks and tabs as
// blanks (every field is one line), so a save of a card loaded from a damaged
// file writes what the window showed.
#include "core/fleet/VehicleRecord.h"
#include "core/register/VisitRecord.h"
#include "core/storage/ArchiveScan.h"
#include "core/storage/TextRules.h"

#include <cstdint>
#include <cstdlib>

namespace {
template <class Record, std::size_t N>
void checkLayout(const QByteArray &bytes, const std::array<FieldSpec<Record>, N> &fields, int size)
{
    const Record card = DecodeRecord(bytes, fields, size);
    const QByteArray stored = EncodeRecord(card, fields, size);
    if (stored.size() != size)
        std::abort();
    const Record again = DecodeRecord(stored, fields, size);
    for (const auto &f : fields) {
        if (Trim(SingleLine(card.*(f.member))) != again.*(f.member))
            std::abort();
        if (int(static_cast<unsigned char>(stored[f.offset])) > f.capacity)
            std::abort();
    }
    // The blank test of the lists agrees with decoding, on a whole record.
    if (bytes.size() >= size) {
        for (const auto &f : fields) {
            if (FieldIsBlank(bytes.constData(), f) != (card.*(f.member)).isEmpty())
                std::abort();
            if (FieldText(bytes.constData(), f) != card.*(f.member))
                std::abort();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy of exactly the input's size, so reading past it is caught.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkLayout(bytes, VisitFields, VisitRecord::Size);
    checkLayout(bytes, VehicleFields, VehicleRecord::Size);
    return 0;
}
