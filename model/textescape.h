#pragma once
// Texts and file names from the input made safe to show: control characters
// visible, bytes that are not UTF-8 named.

#include <QByteArray>
#include <QString>

namespace textescape {

// A text with its control characters made visible: line feed, carriage return
// and tab as \n, \r and \t, the other C0 and C1 controls and DEL as \xHH. With
// keepLayout, line feeds and tabs stay: for a report whose lines are its own.
QString escapeControlCharacters(const QString &text, bool keepLayout = false);
// Whether escapeControlCharacters escapes the code unit u (without keepLayout).
constexpr bool isEscapedControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}
// Writes the escape of a code unit that isEscapedControl at `to` (at most four
// bytes) and returns its end.
inline char *writeControlEscape(char16_t u, char *to)
{
    *to++ = '\\';
    if (u == '\n' || u == '\r' || u == '\t') {
        *to++ = u == '\n' ? 'n' : u == '\r' ? 'r' : 't';
        return to;
    }
    static const char hex[] = "0123456789abcdef";
    *to++ = 'x';
    *to++ = hex[(u >> 4) & 15];
    *to++ = hex[u & 15];
    return to;
}
// The text with every lone surrogate (half of a character outside the BMP)
// replaced by U+FFFD.
QString wholeCharacters(const QString &text);
// The code point of a character as U+XXXX (four digits at least).
QString codePoint(char32_t character);
// A file name as the system gives it (bytes), for a report: UTF-8 where it is,
// every other byte as \xHH, control characters escaped.
QString describeFileName(const QByteArray &name);
// Whether a file name (bytes) survives the way through a QString unchanged.
bool isRepresentableFileName(const QByteArray &name);

} // namespace textescape
