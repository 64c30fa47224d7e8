#include "model/textescape.h"

#include <QFile>

#include <algorithm>

namespace textescape {
namespace {

QString hexByte(uchar byte)
{
    return QStringLiteral("\\x%1").arg(uint(byte), 2, 16, QLatin1Char('0'));
}

// The length of the well-formed UTF-8 sequence at data[i], or 0.
int utf8SequenceLength(const QByteArray &data, int i)
{
    const uchar lead = uchar(data.at(i));
    int length = 0;
    uchar low = 0x80, high = 0xBF; // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > data.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const uchar byte = uchar(data.at(i + k));
        if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

QString escapeControlCharacters(const QString &text, bool keepLayout)
{
    const auto isControl = [keepLayout](QChar c) {
        const char16_t u = c.unicode();
        if (keepLayout && (u == '\n' || u == '\t'))
            return false;
        return isEscapedControl(u);
    };
    const QChar *const end = text.constData() + text.size();
    const QChar *stop = std::find_if(text.constData(), end, isControl);
    if (stop == end)
        return text;
    QString result;
    result.reserve(text.size() + 8);
    // The characters up to the next control character in one append.
    for (const QChar *run = text.constData();; stop = std::find_if(run, end, isControl)) {
        result.append(run, stop - run);
        if (stop == end)
            break;
        char escaped[4];
        result += QLatin1String(escaped, writeControlEscape(stop->unicode(), escaped));
        run = stop + 1;
    }
    return result;
}

QString wholeCharacters(const QString &text)
{
    // Most texts hold no surrogate at all: one quick pass finds the first.
    const char16_t *units = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype size = text.size();
    const qsizetype first
        = std::find_if(units, units + size, [](char16_t u) { return (u & 0xF800) == 0xD800; })
          - units;
    QString result;
    for (qsizetype i = first; i < size; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (result.isNull())
            result = text;
        result[i] = QChar(QChar::ReplacementCharacter);
    }
    return result.isNull() ? text : result;
}

QString codePoint(char32_t character)
{
    return QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
}

QString describeFileName(const QByteArray &name)
{
    QString result;
    for (int i = 0; i < name.size();) {
        const int length = utf8SequenceLength(name, i);
        if (length == 0) {
            result += hexByte(uchar(name.at(i)));
            ++i;
        } else {
            result += escapeControlCharacters(QString::fromUtf8(name.constData() + i, length));
            i += length;
        }
    }
    return result;
}

bool isRepresentableFileName(const QByteArray &name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

} // namespace textescape
