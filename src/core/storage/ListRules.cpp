#include "core/storage/ListRules.h"

#include "core/storage/Cp1252.h"
#include "core/storage/TextRules.h"

#include <algorithm>
#include <limits>
#include <numeric>

QString ListColumn(const QString &text, int width)
{
    const QString t = Trim(text);
    if (t.size() >= width)
        return t.left(width);
    return t + QString(width - t.size(), QLatin1Char(' '));
}

namespace {
// Appends at most limit characters of stored Windows-1252 bytes (one byte is
// one character) and returns how many. Only the bytes 0x80-0x9F differ from
// Latin-1, so a piece without them is widened byte by byte.
qsizetype appendStored(QString &line, QByteArrayView bytes, qsizetype limit)
{
    const qsizetype n = std::min(bytes.size(), limit);
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
    return n;
}
} // namespace

void AppendLineColumn(QString &line, const char *label, QByteArrayView field, const QByteArrayView *joined, int width)
{
    line += QLatin1StringView(label);
    const qsizetype start = line.size();
    qsizetype room = width < 0 ? std::numeric_limits<qsizetype>::max() : width;
    room -= appendStored(line, field, room);
    if (joined && room > 0) {
        line += QLatin1Char(' ');
        appendStored(line, *joined, room - 1);
    }
    if (width >= 0 && line.size() < start + width)
        line.resize(start + width, QLatin1Char(' '));
}

QString SearchFoundText(int lines)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

namespace {
inline char16_t keyOf(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}
} // namespace

bool ListTextLess(const QString &a, const QString &b)
{
    const char16_t *pa = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *pb = reinterpret_cast<const char16_t *>(b.constData());
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ka = keyOf(pa[i]);
        const char16_t kb = keyOf(pb[i]);
        if (ka != kb)
            return ka < kb;
    }
    return a.size() < b.size();
}

void SortListLines(QList<ListLine> &lines)
{
    // Each line's key is made once, with a-z turned into A-Z; two keys then
    // compare as plain UTF-16 texts (a prefix first), which is the lists'
    // order and runs many times faster than mapping letters in every
    // comparison of a sort of long lines that begin alike.
    QList<QString> keys;
    keys.reserve(lines.size());
    for (const ListLine &line : lines)
        keys << UpperAZ(line.text);
    QList<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int x, int y) { return QStringView(keys.at(x)).compare(QStringView(keys.at(y))) < 0; });
    QList<ListLine> sorted;
    sorted.reserve(lines.size());
    for (int i : order)
        sorted << std::move(lines[i]);
    lines = std::move(sorted);
}

QString LowerAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    }
    return out;
}

bool ContainsLowered(const QString &text, const QString &loweredNeedle)
{
    if (loweredNeedle.isEmpty() || loweredNeedle.size() > text.size())
        return false;
    // Compares in place, without making a lowered copy of every line.
    const char16_t *t = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *n = reinterpret_cast<const char16_t *>(loweredNeedle.constData());
    const qsizetype last = text.size() - loweredNeedle.size();
    auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c; };
    const char16_t first = n[0];
    for (qsizetype i = 0; i <= last; ++i) {
        if (lower(t[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < loweredNeedle.size() && lower(t[i + k]) == n[k])
            ++k;
        if (k == loweredNeedle.size())
            return true;
    }
    return false;
}
