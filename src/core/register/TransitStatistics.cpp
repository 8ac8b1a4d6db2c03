#include "core/register/TransitStatistics.h"

#include "core/register/VisitRecord.h"
#include "core/storage/Cp1252.h"
#include "core/storage/TextRules.h"

namespace {
constexpr const FieldSpec<VisitRecord> &EntryDate = FieldNamed(VisitFields, "DataEnt");

// The bytes [first, first + size) of the trimmed entry date followed by ten
// blanks, themselves trimmed: the pieces the counting rule compares.
struct Piece {
    const unsigned char *start;
    int size;
};

Piece trimmedPiece(const unsigned char *text, int length, int first, int size)
{
    const auto [begin, end] = TrimmedRange(text + std::min(first, length), text + std::min(first + size, length));
    return {begin, int(end - begin)};
}
} // namespace

std::array<int, 12> CountMonthlyTransits(const QString &archivePath, const QString &year)
{
    return CountMonthlyTransits(archivePath, year, {});
}

std::array<int, 12> CountMonthlyTransits(const QString &archivePath, const QString &year,
                                         const ScanProgress &progress)
{
    // The year as the archive's bytes hold it. A year the code page cannot
    // write exactly matches no card, but the archive is still opened (and
    // created when missing) as for any other year.
    const QString wanted = Trim(year);
    QByteArray wantedBytes = ToCp1252(wanted);
    const bool writable = FromCp1252(wantedBytes) == wanted;

    std::array<int, 12> counts{};
    ScanArchive(
        archivePath, VisitRecord::Size,
        [&](int, const char *record) {
            if (!writable)
                return true;
            const auto *field = reinterpret_cast<const unsigned char *>(record + EntryDate.offset);
            const int stored = std::min<int>(field[0], EntryDate.capacity);
            // The entry date trimmed; the ten blanks appended after it are
            // what the pieces past its end read as, and trimming drops them.
            const auto [text, end] = TrimmedRange(field + 1, field + 1 + stored);
            const int length = int(end - text);
            const Piece month = trimmedPiece(text, length, 3, 2);
            if (month.size != 2 || month.start[0] < '0' || month.start[0] > '1' || month.start[1] < '0'
                || month.start[1] > '9')
                return true;
            const int number = (month.start[0] - '0') * 10 + (month.start[1] - '0');
            if (number < 1 || number > 12)
                return true;
            const Piece found = trimmedPiece(text, length, 6, 4);
            if (found.size == wantedBytes.size()
                && std::equal(found.start, found.start + found.size,
                              reinterpret_cast<const unsigned char *>(wantedBytes.constData())))
                ++counts[number - 1];
            return true;
        },
        progress);
    return counts;
}

CopiesAnswer CopiesFromAnswer(const QString &typed)
{
    if (Trim(typed).isEmpty())
        return {1, false};
    for (const QChar c : typed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {1, false};
    }
    // Digits only: leading zeros say nothing, and any number with more
    // digits than the maximum is over it, however long.
    qsizetype first = 0;
    while (first < typed.size() - 1 && typed.at(first) == QLatin1Char('0'))
        ++first;
    const QStringView digits = QStringView(typed).mid(first);
    if (digits.size() > 9)
        return {MaxChartCopies, true};
    const int number = digits.toInt();
    if (number > MaxChartCopies)
        return {MaxChartCopies, true};
    return {std::max(number, 1), false};
}
