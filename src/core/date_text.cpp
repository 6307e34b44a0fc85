#include "core/date_text.h"

#include <QList>

namespace tessaly {

namespace {

struct Number {
    int value = 0;
    int digits = 0; // as written, leading zeros included
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// Splits "7 / 4 / 2003" into its numbers. All separators must be the same one, and
// each number is digits only with optional blanks around it.
bool splitNumbers(QStringView text, QList<Number> &numbers)
{
    QChar separator;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (true) {
        while (i < n && text[i].isSpace())
            ++i;
        Number number;
        while (i < n && isAsciiDigit(text[i])) {
            // More digits than any part of a date can have: no need to read on.
            if (number.digits == 4)
                return false;
            number.value = number.value * 10 + (text[i].unicode() - u'0');
            ++number.digits;
            ++i;
        }
        if (number.digits == 0)
            return false;
        numbers.append(number);
        while (i < n && text[i].isSpace())
            ++i;
        if (i == n)
            return true;
        if (!isSeparator(text[i]) || numbers.size() == 3)
            return false;
        if (separator.isNull())
            separator = text[i];
        else if (text[i] != separator)
            return false;
        ++i;
    }
}

// One or two digits name a year of the window 1930-2029; four digits name
// themselves. Three digits are neither and are refused.
std::optional<int> fullYear(const Number &year)
{
    if (year.digits <= 2)
        return year.value < 30 ? 2000 + year.value : 1900 + year.value;
    if (year.digits == 4 && year.value >= 1000)
        return year.value;
    return std::nullopt;
}

std::optional<QDate> makeDate(int year, int month, int day)
{
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

std::optional<QDate> monthDayYear(const Number &first, const Number &second, int year)
{
    // A first number that cannot be a month but can be a day is read day first.
    if (first.value >= 13 && first.value <= 31)
        return makeDate(year, second.value, first.value);
    return makeDate(year, first.value, second.value);
}

} // namespace

std::optional<QDate> parseDateText(const QString &text, const QDate &today)
{
    QList<Number> numbers;
    if (!splitNumbers(text, numbers))
        return std::nullopt;

    if (numbers.size() == 2) {
        if (numbers[0].digits > 2 || numbers[1].digits > 2 || !today.isValid())
            return std::nullopt;
        return monthDayYear(numbers[0], numbers[1], today.year());
    }
    if (numbers.size() != 3)
        return std::nullopt;

    if (numbers[0].digits == 4) {
        const std::optional<int> year = fullYear(numbers[0]);
        if (!year || numbers[1].digits > 2 || numbers[2].digits > 2)
            return std::nullopt;
        return makeDate(*year, numbers[1].value, numbers[2].value);
    }
    if (numbers[0].digits > 2 || numbers[1].digits > 2)
        return std::nullopt;
    const std::optional<int> year = fullYear(numbers[2]);
    if (!year)
        return std::nullopt;
    return monthDayYear(numbers[0], numbers[1], *year);
}

bool isDateText(const QString &text, const QDate &today)
{
    return parseDateText(text, today).has_value();
}

QString formatDateText(const QString &text, const QDate &today)
{
    const std::optional<QDate> date = parseDateText(text, today);
    return date ? formatDate(*date) : text;
}

QString formatDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

} // namespace tessaly
