// Numbers of a text for the number comparison checks: as values, and as runs of digits.

#include "store/results.h"

void results::extractNumbers(const QString &text, const QString &decimalSeparator,
                             QSet<double> &numbers) const
{
    const bool fullStopDecimal = decimalSeparator == QLatin1String(".");
    QString token;
    bool hasDigit = false;
    const auto endToken = [&] {
        if (hasDigit) {
            token.remove(QLatin1Char('\''));
            if (fullStopDecimal) {
                token.remove(QLatin1Char(','));
            } else {
                token.remove(QLatin1Char('.'));
                token.replace(QLatin1Char(','), QLatin1Char('.'));
            }
            bool ok = false;
            const double value = token.toDouble(&ok); // C locale; non-ASCII digits fail
            if (ok)
                numbers.insert(value);
        }
        token.clear();
        hasDigit = false;
    };
    for (const QChar c : text) {
        // For ASCII, QChar::isNumber holds exactly for 0 to 9.
        if (c.isNumber()) {
            token += c;
            hasDigit = true;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char(',') || c == QLatin1Char('.')) {
            token += c;
        } else {
            endToken();
        }
    }
    endToken();
}

void results::extractNumbers(const QString &text, QSet<QString> &runs) const
{
    QString run;
    for (const QChar c : text) {
        if (c.isNumber()) {
            run += c;
        } else if (!run.isEmpty()) {
            runs.insert(run);
            run.clear();
        }
    }
    if (!run.isEmpty())
        runs.insert(run);
}
