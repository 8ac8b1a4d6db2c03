#include "core/storage/Cp1252.h"

#include <QList>
#include <array>

namespace {

// Characters of the bytes 0x80-0x9F; the five unassigned bytes map to the C1
// control character of the same code, as the system does.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Letters with no decomposition to a base letter, and their look-alike.
struct Substitute { char32_t from; char to; };
constexpr Substitute Substitutes[] = {
    {0x0110, 'D'}, {0x0111, 'd'}, // Đ đ
    {0x0126, 'H'}, {0x0127, 'h'}, // Ħ ħ
    {0x0131, 'i'},                // ı
    {0x0141, 'L'}, {0x0142, 'l'}, // Ł ł
    {0x0166, 'T'}, {0x0167, 't'}, // Ŧ ŧ
    {0x0180, 'b'}, {0x0197, 'I'}, {0x01B6, 'z'}, {0x01B5, 'Z'},
    {0x0138, 'k'}, {0x014A, 'N'}, {0x014B, 'n'},
    {0x2010, '-'}, {0x2011, '-'}, {0x2012, '-'}, {0x2212, '-'},
    {0x2032, '\''}, {0x2033, '"'}, {0x2044, '/'},
};

int directByte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == code)
            return 0x80 + i;
    }
    return -1;
}

int bestFitByte(char32_t code, int depth = 0)
{
    const int direct = directByte(code);
    if (direct >= 0)
        return direct;
    for (const Substitute &s : Substitutes) {
        if (s.from == code)
            return s.to;
    }
    // A letter with an accent or a compatibility form (fullwidth letters, ...)
    // decomposes into a base character followed by marks: keep the base.
    if (depth < 4 && code <= 0xFFFF) {
        const QString decomposition = QChar(char16_t(code)).decomposition();
        if (!decomposition.isEmpty()) {
            const QList<uint> parts = decomposition.toUcs4();
            if (!parts.isEmpty() && parts.first() != code)
                return bestFitByte(parts.first(), depth + 1);
        }
    }
    return '?';
}

} // namespace

QByteArray ToCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (char32_t code : text.toUcs4())
        out.append(char(bestFitByte(code)));
    return out;
}

QString FromCp1252(const char *bytes, qsizetype size)
{
    // Most texts have no byte of the 0x80 row: Qt's Latin-1 decoder is the
    // fast path, and only texts holding such bytes are mended afterwards.
    QString out = QString::fromLatin1(bytes, size);
    bool highRow = false;
    for (qsizetype i = 0; i < size; ++i)
        highRow |= (static_cast<unsigned char>(bytes[i]) & 0xE0) == 0x80;
    if (highRow) {
        char16_t *dst = reinterpret_cast<char16_t *>(out.data());
        for (qsizetype i = 0; i < size; ++i) {
            if (dst[i] >= 0x80 && dst[i] <= 0x9F)
                dst[i] = HighTable[dst[i] - 0x80];
        }
    }
    return out;
}

char16_t Cp1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? HighTable[byte - 0x80] : char16_t(byte);
}

int Cp1252Byte(char32_t code)
{
    return directByte(code);
}

QString FromCp1252(const QByteArray &bytes)
{
    return FromCp1252(bytes.constData(), bytes.size());
}
