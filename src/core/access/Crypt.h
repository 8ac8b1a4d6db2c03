#pragma once
// The reversible cipher of the stored password: each character becomes two
// upper-case hexadecimal digits, enciphered with a 16-bit key that moves on
// with every enciphered byte.
#include <QString>
#include <optional>

QString CryptEncode(const QString &plain);
// Empty optional when a pair of characters is not a hexadecimal number.
std::optional<QString> CryptDecode(const QString &hex);
