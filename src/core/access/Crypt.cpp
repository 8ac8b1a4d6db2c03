#include "core/access/Crypt.h"

#include <cstdint>

namespace {
// Changing any of these makes every stored password unreadable.
constexpr std::uint16_t StartKey = 47391;
constexpr std::uint16_t Multiplier = 28411;
constexpr std::uint16_t Increment = 19157;
constexpr int MaxCharacters = 255;

std::uint16_t nextKey(std::uint16_t key, std::uint8_t enciphered)
{
    return std::uint16_t((enciphered + key) * Multiplier + Increment);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
} // namespace

QString CryptEncode(const QString &plain)
{
    static const char Digits[] = "0123456789ABCDEF";
    std::uint16_t key = StartKey;
    QString out;
    const qsizetype n = std::min<qsizetype>(plain.size(), MaxCharacters);
    out.reserve(n * 2);
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = std::uint8_t(std::uint8_t(plain.at(i).unicode() & 0xFF) ^ (key >> 8));
        out += QLatin1Char(Digits[c >> 4]);
        out += QLatin1Char(Digits[c & 0xF]);
        key = nextKey(key, c);
    }
    return out;
}

std::optional<QString> CryptDecode(const QString &hex)
{
    const qsizetype n = hex.size() / 2;
    QString out;
    out.reserve(n);
    std::uint16_t key = StartKey;
    for (qsizetype j = 0; j < n; ++j) {
        const int high = hexDigit(hex.at(2 * j));
        const int low = hexDigit(hex.at(2 * j + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto c = std::uint8_t(high * 16 + low);
        out += QChar(char16_t(c ^ (key >> 8)));
        key = nextKey(key, c);
    }
    return out;
}
