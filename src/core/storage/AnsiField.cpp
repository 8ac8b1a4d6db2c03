#include "core/storage/AnsiField.h"

#include "core/storage/Cp1252.h"
#include "core/storage/TextRules.h"

#include <algorithm>
#include <cstring>

void StoreAnsiField(char *field, int capacity, const QString &text)
{
    // Every field of a card is one line: a line break or tab in the text
    // (pasted into an edit) is stored as a blank.
    const QByteArray bytes = ToCp1252(Trim(SingleLine(text))).left(255).left(capacity);
    field[0] = char(static_cast<unsigned char>(bytes.size()));
    std::memcpy(field + 1, bytes.constData(), size_t(bytes.size()));
    std::memset(field + 1 + bytes.size(), 0, size_t(capacity - bytes.size()));
}

QByteArrayView TrimmedAnsiField(const char *field, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return TrimmedBytes(QByteArrayView(field + 1, length));
}

QString LoadAnsiField(const char *field, int capacity)
{
    // Scans decode every field of every card, so this avoids intermediate
    // copies: the bytes at or below 0x20 are exactly the characters that
    // trimming removes, so the text is trimmed before it is decoded.
    const QByteArrayView text = TrimmedAnsiField(field, capacity);
    return FromCp1252(text.data(), text.size());
}
