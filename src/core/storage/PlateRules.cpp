#include "core/storage/PlateRules.h"

#include "core/storage/Cp1252.h"

namespace {
constexpr char16_t MiddleDot = u'\u00B7';

bool leftOut(QChar c)
{
    return c.unicode() <= 0x20 || c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == MiddleDot;
}
} // namespace

QString NormalizedPlate(const QString &plate)
{
    QString out;
    out.reserve(plate.size());
    for (const QChar c : plate) {
        if (!leftOut(c))
            out += c.toUpper();
    }
    return out;
}

QString LookAlikePlate(const QString &plate)
{
    QString out = NormalizedPlate(plate);
    out.replace(QLatin1Char('O'), QLatin1Char('0'));
    out.replace(QLatin1Char('I'), QLatin1Char('1'));
    return out;
}

PlateMatcher::PlateMatcher(const QString &plate)
    : m_plate(NormalizedPlate(plate))
{
    bool ascii = true;
    for (const QChar c : m_plate)
        ascii &= c.unicode() < 0x80;
    if (ascii)
        m_ascii = m_plate.toLatin1();
}

bool PlateMatcher::Matches(QByteArrayView stored) const
{
    if (m_plate.isEmpty())
        return false;
    if (!m_ascii.isEmpty()) {
        // Walk the stored bytes against the plate, leaving out what
        // normalizing leaves out; any byte outside ASCII is decoded instead.
        qsizetype at = 0;
        for (const char byte : stored) {
            const auto c = static_cast<unsigned char>(byte);
            if (c >= 0x80)
                return NormalizedPlate(FromCp1252(stored.data(), stored.size())) == m_plate;
            if (c <= 0x20 || c == '-' || c == '.')
                continue;
            const char upper = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : char(c);
            if (at >= m_ascii.size() || m_ascii[at] != upper)
                return false;
            ++at;
        }
        return at == m_ascii.size();
    }
    return NormalizedPlate(FromCp1252(stored.data(), stored.size())) == m_plate;
}
