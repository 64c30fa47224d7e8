// Group ST22: printf conversions, brace placeholders, entities, plural forms,
// untranslated copies and GTK accelerators, each compared between the source
// and its translation.

#include "checks/placeholders.h"

#include "checks/results.h"
#include "model/appsettings.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// The argument type a conversion character takes; conversions of one type are
// interchangeable for the arguments (%d and %i, %x and %u, %f and %g).
char conversionType(char16_t conversion)
{
    switch (conversion) {
    case 'd':
    case 'i':
    case 'o':
    case 'u':
    case 'x':
    case 'X':
        return 'd';
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        return 'f';
    case 'c':
    case 'C':
        return 'c';
    case 's':
    case 'S':
        return 's';
    case 'p':
        return 'p';
    case 'n':
        return 'n';
    case 'm': // glibc: the text of errno, takes no argument
        return 'm';
    default:
        return 0;
    }
}

// Reads a run of ASCII digits at i; -1 when there is none.
int readNumber(const QString &text, qsizetype &i)
{
    int value = -1;
    while (i < text.size() && isAsciiDigit(text.at(i))) {
        value = (value < 0 ? 0 : value * 10) + (text.at(i).unicode() - '0');
        if (value > 9999)
            value = 9999;
        ++i;
    }
    return value;
}

// Qt's "%1", "%L1" and "%n" (j: just after the percent sign) are no printf conversions.
bool isQtArgument(const QString &text, qsizetype j)
{
    const qsizetype n = text.size();
    return j < n
           && (isAsciiDigit(text.at(j)) || text.at(j) == QLatin1Char('n')
               || (text.at(j) == QLatin1Char('L') && j + 1 < n && isAsciiDigit(text.at(j + 1))));
}

// "N$" at j: the argument by position, j moved past it; -1 and j unchanged for none.
int readPosition(const QString &text, qsizetype &j)
{
    qsizetype k = j;
    const int number = readNumber(text, k);
    if (number > 0 && k < text.size() && text.at(k) == QLatin1Char('$')) {
        j = k + 1;
        return number;
    }
    return -1;
}

// Flags. A blank is a flag of printf, but in texts without the c-format flag
// "50% off" would read as a conversion: there (strict false) it is not taken.
void skipFlags(const QString &text, qsizetype &j, bool strict)
{
    while (j < text.size()) {
        const char16_t u = text.at(j).unicode();
        if (u == '-' || u == '+' || u == '#' || u == '0' || u == '\'' || u == 'I'
            || (strict && u == ' '))
            ++j;
        else
            return;
    }
}

// A width or a precision: a number, or "*" (which takes an int argument, by
// position with "*N$", else the next: 0 in starArguments).
void readField(const QString &text, qsizetype &j, QList<int> &starArguments)
{
    if (j < text.size() && text.at(j) == QLatin1Char('*')) {
        ++j;
        const int position = readPosition(text, j);
        starArguments.append(position > 0 ? position : 0);
    } else {
        readNumber(text, j);
    }
}

// The length modifiers, "q" and "L" read as "ll", "Z" as "z".
QString readLength(const QString &text, qsizetype &j)
{
    QString length;
    while (j < text.size()) {
        const char16_t u = text.at(j).unicode();
        if (u == 'h' || u == 'l' || u == 'L' || u == 'q' || u == 'j' || u == 'z' || u == 'Z'
            || u == 't') {
            length += text.at(j);
            ++j;
        } else {
            break;
        }
    }
    if (length == QLatin1String("q") || length == QLatin1String("L"))
        return QStringLiteral("ll");
    if (length == QLatin1String("Z"))
        return QStringLiteral("z");
    return length;
}

} // namespace

PrintfConversions printfConversions(const QString &text, bool strict, bool qtText)
{
    PrintfConversions found;
    int next = 1; // the argument a conversion without a position takes
    const auto take = [&](int position, const QString &type, const QString &spelling) {
        if (position < 1)
            position = next++;
        found.arguments.insert(position, type);
        found.spellings.append(spelling);
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        const qsizetype start = i;
        qsizetype j = i + 1;
        if (j < n && text.at(j) == QLatin1Char('%')) {
            i = j; // a literal percent sign
            continue;
        }
        if (qtText && isQtArgument(text, j))
            continue;
        const int position = readPosition(text, j);
        skipFlags(text, j, strict);
        QList<int> starArguments;
        readField(text, j, starArguments);
        if (j < n && text.at(j) == QLatin1Char('.')) {
            ++j;
            readField(text, j, starArguments);
        }
        const QString length = readLength(text, j);
        const char type = j < n ? conversionType(text.at(j).unicode()) : 0;
        if (!type) {
            if (strict)
                found.invalid.append(text.mid(start, std::min<qsizetype>(j + 1, n) - start));
            continue;
        }
        for (const int star : starArguments)
            take(star, QStringLiteral("d"), QString());
        if (type != 'm')
            take(position, length + QLatin1Char(type), text.mid(start, j + 1 - start));
        i = j;
    }
    return found;
}

QStringList bracePlaceholders(const QString &text)
{
    QStringList names;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('{') && i + 1 < n && text.at(i + 1) == QLatin1Char('{')) {
            ++i; // "{{" is a literal brace
            continue;
        }
        if (c != QLatin1Char('{'))
            continue;
        qsizetype j = i + 1;
        // A name (letters, digits, "_" and the "." and "[...]" of a field) or an
        // index, then an optional conversion ("!r") and format (":>10").
        while (j < n) {
            const QChar d = text.at(j);
            if (isAsciiLetter(d) || isAsciiDigit(d) || d == QLatin1Char('_')
                || (j > i + 1
                    && (d == QLatin1Char('.') || d == QLatin1Char('[') || d == QLatin1Char(']'))))
                ++j;
            else
                break;
        }
        const QString name = text.mid(i + 1, j - i - 1);
        if (j < n && (text.at(j) == QLatin1Char(':') || text.at(j) == QLatin1Char('!'))) {
            while (j < n && text.at(j) != QLatin1Char('}') && text.at(j) != QLatin1Char('{')
                   && text.at(j) != QLatin1Char('\n'))
                ++j;
        }
        if (j < n && text.at(j) == QLatin1Char('}')) {
            names.append(QString(QLatin1Char('{') + name + QLatin1Char('}')));
            i = j;
        }
    }
    return names;
}

QStringList malformedEntities(const QString &text)
{
    // Names of the entities that texts use most; an "&" before one of them
    // without the closing ";" is a broken entity, not an accelerator.
    static const QSet<QString> knownNames = [] {
        QSet<QString> names;
        for (const char *name :
             {"amp",   "lt",     "gt",     "quot",   "apos",  "nbsp",  "copy",  "reg",
              "trade", "hellip", "mdash",  "ndash",  "laquo", "raquo", "lsquo", "rsquo",
              "ldquo", "rdquo",  "bull",   "middot", "times", "deg",   "euro",  "shy",
              "zwnj",  "zwj",    "thinsp", "ensp",   "emsp"})
            names.insert(QLatin1String(name));
        return names;
    }();
    QStringList found;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        qsizetype j = i + 1;
        if (j < n && text.at(j) == QLatin1Char('#')) {
            ++j;
            const bool hex
                = j < n && (text.at(j) == QLatin1Char('x') || text.at(j) == QLatin1Char('X'));
            if (hex)
                ++j;
            const qsizetype digits = j;
            while (j < n
                   && (isAsciiDigit(text.at(j))
                       || (hex && text.at(j).isLetter() && text.at(j).toLower() <= QLatin1Char('f')
                           && text.at(j).unicode() < 128)))
                ++j;
            if (j == digits || j >= n || text.at(j) != QLatin1Char(';'))
                found.append(text.mid(i, j - i));
            i = j;
            continue;
        }
        while (j < n && (isAsciiLetter(text.at(j)) || (j > i + 1 && isAsciiDigit(text.at(j)))))
            ++j;
        if (j == i + 1 || (j < n && text.at(j) == QLatin1Char(';'))) {
            i = j;
            continue;
        }
        const QString name = text.mid(i + 1, j - i - 1);
        if (knownNames.contains(name) || knownNames.contains(name.toLower()))
            found.append(text.mid(i, j - i));
        i = j - 1;
    }
    return found;
}

bool isMarkupText(const QString &text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QChar c = text.at(i);
        const QChar d = text.at(i + 1);
        if (c == QLatin1Char('<') && (isAsciiLetter(d) || d == QLatin1Char('/')))
            return true;
        if (c == QLatin1Char('&')) {
            qsizetype j = i + 1;
            if (text.at(j) == QLatin1Char('#'))
                ++j;
            const qsizetype start = j;
            while (j < n && (isAsciiLetter(text.at(j)) || isAsciiDigit(text.at(j))))
                ++j;
            if (j > start && j < n && text.at(j) == QLatin1Char(';'))
                return true;
        }
    }
    return false;
}

int wordsOfLetters(const QString &text, const QStringList &allowed)
{
    int words = 0;
    bool lowercase = false;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && text.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        bool letters = true;
        while (i < n && !text.at(i).isSpace()) {
            letters = letters && text.at(i).isLetter();
            ++i;
        }
        if (i == start || !letters)
            continue;
        const QString word = text.mid(start, i - start);
        if (word.size() >= 2 && !allowed.contains(word, Qt::CaseInsensitive)) {
            ++words;
            lowercase = lowercase || word == word.toLower();
        }
    }
    // Names and terms ("Rich Text", "UAE Dirham") are capitalised throughout and
    // often stay; a copied sentence holds a word in lower case.
    return lowercase ? words : std::min(words, 1);
}

QStringList allowListWords(const QString &list)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return list.split(separators, Qt::SkipEmptyParts);
}

// Strips the punctuation at both ends of each blank-separated word before
// counting it: "Empty the trash." has three words of letters.
QString withoutEndPunctuation(const QString &text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (text.at(i).isSpace()) {
            result += QLatin1Char(' ');
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && !text.at(end).isSpace())
            ++end;
        qsizetype a = i, b = end;
        while (a < b && text.at(a).isPunct())
            ++a;
        while (b > a && text.at(b - 1).isPunct())
            --b;
        result += text.mid(a, b - a);
        i = end;
    }
    return result;
}

bool hasGtkAccelerator(const QString &text)
{
    int count = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (text.at(i) != QLatin1Char('_'))
            continue;
        if (text.at(i + 1) == QLatin1Char('_'))
            return false; // "__": an identifier or a rule, not a mnemonic
        if (text.at(i + 1).isLetterOrNumber())
            ++count;
    }
    return count == 1;
}

void results::runPlaceholderChecks(MessageState &state)
{
    const QString &s = state.source;
    const QString &t = state.translation;
    const QChar lf = QLatin1Char('\n');
    const auto fail = [&](int index, const QString &text) {
        state.failed.set(index);
        if (findingAllowed(state, index))
            recordTranslationFinding(state, index, text + lf + state.texts);
    };

    // ST22.1: entries flagged c-format always; others when their source holds a
    // conversion, read without the blank flag ("50% off"). Entries flagged with
    // another format are left alone.
    if (formatFlag >= 0
        && (s.contains(QLatin1Char('%')) || (formatFlag > 0 && t.contains(QLatin1Char('%'))))) {
        const bool strict = formatFlag > 0;
        const PrintfConversions source = printfConversions(s, strict, !poFile);
        if (!source.spellings.isEmpty() || strict) {
            const PrintfConversions translation = printfConversions(t, strict, !poFile);
            if (source.arguments != translation.arguments
                || translation.invalid.size() > source.invalid.size()) {
                const auto listed = [](const PrintfConversions &conversions) {
                    QStringList texts = conversions.spellings;
                    texts += conversions.invalid;
                    return texts.isEmpty() ? QStringLiteral("-") : texts.join(QLatin1Char(' '));
                };
                fail(CheckST22_1, tr("Different printf conversions. Source: %1 Translation: %2")
                                      .arg(listed(source), listed(translation)));
            }
        }
    }

    // ST22.2
    if (s.contains(QLatin1Char('{')) || t.contains(QLatin1Char('{'))) {
        QStringList source = bracePlaceholders(s);
        QStringList translation = bracePlaceholders(t);
        source.removeDuplicates();
        translation.removeDuplicates();
        std::sort(source.begin(), source.end());
        std::sort(translation.begin(), translation.end());
        if (source != translation) {
            QStringList missing, extra;
            for (const QString &name : source)
                if (!translation.contains(name))
                    missing.append(name);
            for (const QString &name : translation)
                if (!source.contains(name))
                    extra.append(name);
            QString text;
            if (!missing.isEmpty())
                text += tr("Placeholders missing in the translation: %1")
                            .arg(missing.join(QLatin1Char(' ')));
            if (!extra.isEmpty())
                text
                    += (text.isEmpty() ? QString() : QStringLiteral(" "))
                       + tr("Placeholders not in the source: %1").arg(extra.join(QLatin1Char(' ')));
            fail(CheckST22_2, text);
        }
    }

    // ST22.3
    if (t.contains(QLatin1Char('&')) && isMarkupText(s)) {
        const QStringList broken = malformedEntities(t);
        if (!broken.isEmpty())
            fail(
                CheckST22_3,
                tr("Malformed entities in the translation: %1").arg(broken.join(QLatin1Char(' '))));
    }

    // ST22.5
    if (s == t && !state.unfinished && !catalogueLanguage.startsWith(QLatin1String("en"))
        && wordsOfLetters(withoutEndPunctuation(s), allowListWords(m_options.checkST22_5LineEdit))
               >= 2)
        fail(CheckST22_5, tr("The translation is a copy of the source:"));

    // ST22.6
    if (poFile && !t.contains(QLatin1Char('_')) && hasGtkAccelerator(s))
        fail(CheckST22_6, tr("The source has a \"_\" accelerator, the translation has none:"));
}

void results::checkPluralForms(const QString &source, const QString &context, bool unfinished,
                               int forms, int expected)
{
    if (diverting()) {
        ReaderCall call = ReaderCall::of(ReaderCall::PluralForms, source, forms);
        call.context = context;
        call.unfinished = unfinished;
        call.expected = expected;
        divertMessageCall(std::move(call));
        return;
    }
    noteInheritedOrigin();
    if (unfinished || expected <= 0 || expected == unknownNumerus || forms >= expected
        || silenced(CheckST22_4))
        return;
    // The entry as a whole, at its first msgstr line.
    m_currentRecord = -1;
    m_findings[CheckST22_4].insert(
        tr("The translation has %1 plural forms, the language has %2:").arg(forms).arg(expected)
            + QLatin1Char('\n') + source,
        context, 1, currentMessage(source, QString(), context, 1));
}
