#include "core/storage/RecordSearch.h"

#include "core/storage/Cp1252.h"
#include "core/storage/ListRules.h"

namespace {
inline unsigned char lowerByte(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') ? b - 'A' + 'a' : b;
}

bool occurs(QByteArrayView hay, const FieldNeedle &needle)
{
    const qsizetype n = needle.bytes.size();
    if (needle.impossible || n == 0 || n > hay.size())
        return false;
    const unsigned char *h = reinterpret_cast<const unsigned char *>(hay.data());
    const unsigned char *k = reinterpret_cast<const unsigned char *>(needle.bytes.constData());
    const qsizetype last = hay.size() - n;
    for (qsizetype i = 0; i <= last; ++i) {
        if (lowerByte(h[i]) != k[0])
            continue;
        qsizetype j = 1;
        while (j < n && lowerByte(h[i + j]) == k[j])
            ++j;
        if (j == n)
            return true;
    }
    return false;
}
} // namespace

int CountCriteriaTexts(const QString (&texts)[10])
{
    int count = 0;
    for (const QString &t : texts)
        count += Trim(t).isEmpty() ? 0 : 1;
    return count;
}

FieldNeedle MakeFieldNeedle(int offset, int capacity, const QString &typed)
{
    // Every byte of the code page is one character and back, so a text found
    // in the stored bytes is exactly a text found in the decoded field.
    FieldNeedle needle{offset, capacity, {}};
    for (char32_t code : LowerAZ(typed).toUcs4()) {
        const int b = Cp1252Byte(code);
        if (b < 0)
            needle.impossible = true;
        needle.bytes.append(char(b));
    }
    return needle;
}

bool RecordMatches(const char *record, const QList<FieldNeedle> &needles)
{
    for (const FieldNeedle &needle : needles) {
        if (!occurs(TrimmedFieldBytes(record, needle.offset, needle.capacity), needle))
            return false;
    }
    return true;
}
