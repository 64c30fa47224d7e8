// Numbers of a text for the number comparison checks: as values, and as runs of digits.

#include "checks/results.h"

#include <algorithm>

void results::extractNumbers(const QString &text, const QString &decimalSeparator,
                             QSet<double> &numbers) const
{
    const bool fullStopDecimal = decimalSeparator == QLatin1String(".");
    // A token is a run of digits, apostrophes, commas and full stops; it is
    // copied out only when it holds a digit.
    qsizetype start = 0;
    bool hasDigit = false;
    const auto addToken = [&](qsizetype end) {
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
            numbers.insert(double(value));
            return;
        }
        bool ok = false;
        const double value = token.toDouble(&ok); // C locale; non-ASCII digits fail
        if (ok)
            numbers.insert(value);
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
}

void results::extractNumbers(const QString &text, QSet<QString> &runs) const
{
    qsizetype start = 0; // of the current run of numbers
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text.at(i).isNumber())
            continue;
        if (i > start)
            runs.insert(text.mid(start, i - start));
        start = i + 1;
    }
}
