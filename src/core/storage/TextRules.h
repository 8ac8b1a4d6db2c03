#pragma once
// Text rules shared by every window: trimming, the a-z upper-casing of plates
// and passwords, and the dd/mm/yyyy date and hh:nn time texts.
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>
#include <utility>

// The one trimming rule, for texts and for the Windows-1252 bytes the
// archives store alike: [begin, end) without every leading and trailing code
// up to the blank (U+0020). The code page maps the bytes 0x00-0x20 to the
// same codes and every other byte above them, so trimming the stored bytes
// trims the text they hold. Code is char16_t or unsigned char.
template <class Code>
constexpr std::pair<const Code *, const Code *> TrimmedRange(const Code *begin, const Code *end)
{
    static_assert(Code(-1) > Code(0), "codes are compared as unsigned");
    while (begin < end && *begin <= 0x20)
        ++begin;
    while (end > begin && end[-1] <= 0x20)
        --end;
    return {begin, end};
}
// Stored bytes without what trimming removes; decodes nothing.
inline QByteArrayView TrimmedBytes(QByteArrayView bytes)
{
    const auto *first = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto [begin, end] = TrimmedRange(first, first + bytes.size());
    return QByteArrayView(begin, end - begin);
}

// Removes every leading and trailing character whose code is U+0020 or lower.
QString Trim(const QString &text);
// The text on one line: every line break (a carriage return and line feed
// together are one) and tab becomes a blank.
QString SingleLine(const QString &text);
// Turns the letters a-z into A-Z; every other character stays as it is.
QString UpperAZ(const QString &text);
// True when every character is one of the digits 0-9 (an empty text too).
bool IsDigitsOnly(const QString &text);
// True for a calendar year written with four digits 0-9.
bool IsYearText(const QString &text);

// The system's line-break pairs, written for another platform ("\n\r" and
// "\r\n"), as single line feeds: one pair is one line break, two pairs one
// blank line. A lone "\n" or "\r" is one line break too.
QString PlatformLineBreaks(const QString &text);

// True when the text is dd/mm/yyyy and names an existing calendar date.
bool IsValidDate(const QString &text);

// dd/mm/yyyy with leading zeros.
QString DateText(const QDate &date);
// hh:nn on the 24-hour clock with leading zeros; seconds are never written.
QString TimeText(const QTime &time);
// Today's date and the time now, read from the program's clock.
QString TodayText();
QString NowTimeText();
