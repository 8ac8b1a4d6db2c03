#include "core/storage/TextRules.h"

#include "core/storage/Environment.h"

QString Trim(const QString &text)
{
    const auto *first = reinterpret_cast<const char16_t *>(text.constData());
    const auto [begin, end] = TrimmedRange(first, first + text.size());
    return text.mid(begin - first, end - begin);
}

namespace {
bool breaksLine(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}
} // namespace

QString SingleLine(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && !breaksLine(text.at(i)))
        ++i;
    if (i == text.size())
        return text;
    QString out = text.left(i);
    out.reserve(text.size());
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!breaksLine(c)) {
            out += c;
            continue;
        }
        out += QLatin1Char(' ');
        // A carriage return and line feed are one line break.
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    return out;
}

QString UpperAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}

bool IsDigitsOnly(const QString &text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool IsYearText(const QString &text)
{
    return text.size() == 4 && IsDigitsOnly(text);
}

QString PlatformLineBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
            out += c;
            continue;
        }
        out += QLatin1Char('\n');
        // The other character of a pair belongs to the same break.
        if (i + 1 < text.size()) {
            const QChar d = text.at(i + 1);
            if ((d == QLatin1Char('\n') || d == QLatin1Char('\r')) && d != c)
                ++i;
        }
    }
    return out;
}

bool IsValidDate(const QString &text)
{
    // Exactly the form the program writes: two-digit day, two-digit month,
    // four-digit year, separated by "/".
    if (text.size() != 10 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    const int day = text.mid(0, 2).toInt();
    const int month = text.mid(3, 2).toInt();
    const int year = text.mid(6, 4).toInt();
    return year >= 1 && QDate::isValid(year, month, day);
}

QString DateText(const QDate &date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString TimeText(const QTime &time)
{
    return QStringLiteral("%1:%2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString TodayText()
{
    return DateText(CurrentDateTime().date());
}

QString NowTimeText()
{
    return TimeText(CurrentDateTime().time());
}
