#pragma once
// Text rules shared by every window: trimming, the a-z upper-casing of plates
// and passwords, and the dd/mm/yyyy date and hh:nn time texts.
#include <QDate>
#include <QString>
#include <QTime>

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
