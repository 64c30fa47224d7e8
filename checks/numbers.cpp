// Numbers of a text for the number comparison checks: as values, and as runs of digits.

#include "checks/results.h"
#include "checks/textutil.h"

#include <algorithm>

QList<double> results::extractNumbers(const QString &text, const QString &decimalSeparator) const
{
    QList<double> numbers;
    const bool fullStopDecimal = decimalSeparator == QLatin1String(".");
    const char16_t dropped = fullStopDecimal ? u',' : u'.';
    // A token is a run of digits, apostrophes, commas and full stops; it is
    // copied out only when it holds a digit.
    qsizetype start = 0;
    bool hasDigit = false;
    const auto addToken = [&](qsizetype end) {
        // Most tokens are ASCII digits with separators that are dropped: read
        // them in place.
        qint64 plainValue = 0;
        int digits = 0;
        bool plain = true;
        for (qsizetype i = start; i < end && plain; ++i) {
            const char16_t c = text.at(i).unicode();
            if (c >= u'0' && c <= u'9') {
                plainValue = plainValue * 10 + (c - u'0');
                plain = ++digits <= 15;
            } else {
                plain = c == u'\'' || c == dropped;
            }
        }
        if (plain) {
            numbers.append(double(plainValue));
            return;
        }
        QString token = text.mid(start, end - start);
        token.remove(QLatin1Char('\''));
        if (fullStopDecimal) {
            token.remove(QLatin1Char(','));
        } else {
            token.remove(QLatin1Char('.'));
            token.replace(QLatin1Char(','), QLatin1Char('.'));
        }
        // Up to 15 ASCII digits are an integer that a double holds exactly.
        if (token.size() <= 15 && std::all_of(token.cbegin(), token.cend(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            })) {
            qint64 value = 0;
            for (const QChar c : std::as_const(token))
                value = value * 10 + (c.unicode() - u'0');
            numbers.append(double(value));
            return;
        }
        bool ok = false;
        const double value = token.toDouble(&ok); // C locale; non-ASCII digits fail
        if (ok)
            numbers.append(value);
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const QChar c = i < n ? text.at(i) : QChar();
        // For ASCII, QChar::isNumber holds exactly for 0 to 9.
        if (c.isNumber()) {
            hasDigit = true;
            continue;
        }
        if (i < n && (c == QLatin1Char('\'') || c == QLatin1Char(',') || c == QLatin1Char('.')))
            continue;
        if (hasDigit)
            addToken(i);
        start = i + 1;
        hasDigit = false;
    }
    // A number is finite and not negative here: the order is total.
    return distinctSorted(std::move(numbers));
}

QStringList results::extractNumberRuns(const QString &text) const
{
    QStringList runs;
    qsizetype start = 0; // of the current run of numbers
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text.at(i).isNumber())
            continue;
        if (i > start)
            runs.append(text.mid(start, i - start));
        start = i + 1;
    }
    return distinctSorted(std::move(runs));
}
