// The comparison checks ST1 to ST21: a source against its translation, and the
// consistency of translations across all files of a run.

#include "checks/occurrences.h"
#include "checks/results.h"
#include "checks/singletext.h"
#include "checks/textutil.h"
#include "model/appsettings.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace {

// More tokens than this are counted at once (see OccurrenceCounter).
const qsizetype ManyTokens = 16;

template<typename T>
QList<T> sorted(const QSet<T> &set)
{
    if (set.isEmpty()) // the common case, without the cost of copying nothing
        return {};
    QList<T> list = set.values();
    std::sort(list.begin(), list.end());
    return list;
}

// The elements of the sorted list a that the sorted list b lacks, sorted.
template<typename T>
QList<T> difference(const QList<T> &a, const QList<T> &b)
{
    QList<T> result;
    std::set_difference(a.cbegin(), a.cend(), b.cbegin(), b.cend(), std::back_inserter(result));
    return result;
}

// The characters ST7.2 counts, whatever the language.
const QString CountedCharacters = QStringLiteral("$%&/\\\u00A7+-|*#~=\t");

// What the comparison checks count in a text, gathered in one pass over it.
struct CharacterCounts {
    // Control characters other than the line feed: 0 to 31 and 127 (slot 32).
    std::array<int, 33> control {};
    int lineFeeds = 0;
    int colons = 0, exclamationMarks = 0, questionMarks = 0, fullStops = 0;
    int angleBrackets = 0, otherBrackets = 0;
    int ellipses = 0; // occurrences of "...", overlapping ones included
    std::array<int, 14> counted {}; // by slot of CountedCharacters
    bool hasNumber = false; // a character that the number extraction takes
};

CharacterCounts characterCounts(const QString &text, const LanguageRules &rules)
{
    // The slot of each counted character by code unit; all are below U+0100.
    static const std::array<qint8, 256> slotOf = [] {
        std::array<qint8, 256> table;
        table.fill(-1);
        for (int slot = 0; slot < CountedCharacters.size(); ++slot)
            table[CountedCharacters.at(slot).unicode()] = qint8(slot);
        return table;
    }();
    // The code units that count whatever the language: control characters, the
    // angle brackets and the counted characters (all below U+0100).
    static const std::array<bool, 256> fixed = [] {
        std::array<bool, 256> table {};
        for (int u = 0; u < 256; ++u)
            table[u] = u < 0x20 || u == 0x7F || u == u'<' || u == u'>' || slotOf[u] >= 0;
        return table;
    }();
    const Mark colon(rules.colon);
    const Mark exclamation(rules.exclamationMark);
    const Mark question(rules.questionMark);
    const Mark fullStop(rules.fullStop);
    CharacterCounts counts;
    int fullStopRun = 0; // ASCII full stops in a row
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        fullStopRun = u == u'.' ? fullStopRun + 1 : 0;
        if (fullStopRun >= 3)
            ++counts.ellipses;

        bool angle = false;
        if (u < fixed.size() && fixed[u]) {
            if (u == u'\n')
                ++counts.lineFeeds;
            else if (u < 0x20)
                ++counts.control[u];
            else if (u == 0x7F)
                ++counts.control[32];
            angle = u == u'<' || u == u'>';
            if (angle)
                ++counts.angleBrackets;
            if (slotOf[u] >= 0)
                ++counts.counted[slotOf[u]];
        }

        if (colon.matches(c))
            ++counts.colons;
        else if (exclamation.matches(c))
            ++counts.exclamationMarks;
        else if (question.matches(c))
            ++counts.questionMarks;
        else if (fullStop.matches(c))
            ++counts.fullStops;

        if (!angle && (rules.openingCharacters.contains(c) || rules.closingCharacters.contains(c)))
            ++counts.otherBrackets;
        counts.hasNumber = counts.hasNumber || c.isNumber();
    }
    return counts;
}

// Quotation marks and brackets, whatever their direction.
bool isQuoteOrBracket(QChar c)
{
    return isBracketOrQuotePunctuation(c) || c == QLatin1Char('"') || c == QLatin1Char('\'')
           || c == QChar(0x201E) || c == QChar(0x201A);
}

// Quotation marks that Unicode files as brackets: the low-9 quotes „ and ‚ and
// the CJK corner brackets 「」『』 (with their vertical and half-width forms).
bool isQuotationMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x201A || u == 0x201E || (u >= 0x300C && u <= 0x300F)
           || (u >= 0xFE41 && u <= 0xFE44) || u == 0xFF62 || u == 0xFF63;
}

qsizetype quotesAndBrackets(const QString &text)
{
    return std::count_if(text.cbegin(), text.cend(), isQuoteOrBracket);
}

// The accelerator that CJK translations append, "(&F)" or "(_F)", in ASCII or
// full-width brackets; 0 when none starts at i, else its length.
qsizetype acceleratorSuffixAt(const QString &text, qsizetype i)
{
    const auto opening = [](QChar c) { return c == QLatin1Char('(') || c == QChar(0xFF08); };
    const auto closing = [](QChar c) { return c == QLatin1Char(')') || c == QChar(0xFF09); };
    if (i + 3 < text.size() && opening(text.at(i))
        && (text.at(i + 1) == QLatin1Char('&') || text.at(i + 1) == QLatin1Char('_'))
        && text.at(i + 2).isLetterOrNumber() && closing(text.at(i + 3)))
        return 4;
    return 0;
}

// Brackets only (no quotation marks), accelerator suffixes left out.
int bracketsOnly(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const qsizetype suffix = acceleratorSuffixAt(text, i)) {
            i += suffix - 1;
            continue;
        }
        const QChar c = text.at(i);
        const QChar::Category category = categoryOf(c);
        if ((category == QChar::Punctuation_Open || category == QChar::Punctuation_Close)
            && !isQuotationMark(c))
            ++count;
    }
    return count;
}

// Marks of one class whether written in ASCII, full width or the language's
// own form. Three or more full stops and "…" are an ellipsis, not full stops; a
// full stop or comma between digits belongs to the number.
struct MarkCounts {
    int colons = 0, exclamationMarks = 0, questionMarks = 0, fullStops = 0, ellipses = 0;
};

char markClass(QChar c, const LanguageRules &rules)
{
    switch (c.unicode()) {
    case u':':
    case 0xFF1A:
        return ':';
    case u'!':
    case 0xFF01:
        return '!';
    case u'?':
    case 0xFF1F:
    case 0x061F:
        return '?';
    case u'.':
    case 0x3002:
    case 0xFF0E:
    case 0x0964:
        return '.';
    case 0x2026:
        return 'e';
    default:
        break;
    }
    if (rules.colon.size() == 1 && c == rules.colon.front())
        return ':';
    if (rules.exclamationMark.size() == 1 && c == rules.exclamationMark.front())
        return '!';
    if (rules.questionMark.size() == 1 && c == rules.questionMark.front())
        return '?';
    if (rules.fullStop.size() == 1 && c == rules.fullStop.front())
        return '.';
    return 0;
}

MarkCounts markCounts(const QString &text, const LanguageRules &rules)
{
    MarkCounts counts;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const char mark = markClass(c, rules);
        if (!mark)
            continue;
        if (c == QLatin1Char('.')) {
            qsizetype end = i;
            while (end < n && text.at(end) == QLatin1Char('.'))
                ++end;
            if (end - i >= 3) {
                ++counts.ellipses;
                i = end - 1;
                continue;
            }
        }
        if ((mark == '.' || mark == ':') && i > 0 && i + 1 < n && text.at(i - 1).isDigit()
            && text.at(i + 1).isDigit())
            continue;
        switch (mark) {
        case ':':
            ++counts.colons;
            break;
        case '!':
            ++counts.exclamationMarks;
            break;
        case '?':
            ++counts.questionMarks;
            break;
        case '.':
            ++counts.fullStops;
            break;
        default:
            ++counts.ellipses;
        }
    }
    return counts;
}

// The class of the mark that ends a text (0: none), an accelerator suffix
// before it left out: "Find…", "検索(&F)..." and "検索(&F)…" all end with an ellipsis.
char markClassAtEnd(const QString &text)
{
    static const LanguageRules plain;
    qsizetype end = text.size();
    if (end >= 3 && QStringView(text).right(3) == QLatin1String("..."))
        return 'e';
    if (end == 0)
        return 0;
    return markClass(text.at(end - 1), plain);
}

// The text with its numbers in one form: digits of every script as ASCII
// digits, a comma or full stop between digits as a full stop, and the digits of
// placeholders ("%1", "%L2", "%1$s", "%02x", "{0}") left out.
QString normalisedNumbers(const QString &text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < n) {
            qsizetype j = i + 1;
            while (j < n
                   && (text.at(j) == QLatin1Char('L') || text.at(j) == QLatin1Char('0')
                       || text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('.')
                       || text.at(j) == QLatin1Char('$') || text.at(j).isDigit()))
                ++j;
            if (j > i + 1) {
                result += QLatin1Char(' ');
                i = j - 1;
                continue;
            }
        }
        if (c == QLatin1Char('{')) {
            qsizetype j = i + 1;
            while (j < n && text.at(j).isDigit())
                ++j;
            if (j > i + 1 && j < n
                && (text.at(j) == QLatin1Char('}') || text.at(j) == QLatin1Char(':'))) {
                result += QLatin1Char(' ');
                i = j - 1;
                continue;
            }
        }
        if (c.isDigit()) {
            result += QChar(u'0' + c.digitValue());
            continue;
        }
        if ((c == QLatin1Char(',') || c == QLatin1Char('.') || c == QChar(0x066B)
             || c == QChar(0x066C))
            && i > 0 && i + 1 < n && text.at(i - 1).isDigit() && text.at(i + 1).isDigit()) {
            result += QLatin1Char('.');
            continue;
        }
        result += c;
    }
    return result;
}

struct KeysAndArguments {
    int accelerators = 0;
    QStringList arguments; // in text order, repeated ones included
    QSet<QString> distinctArguments;
};

// An argument is the argument marker followed by digits. The character that ends
// the digits is examined in turn, so "%1%2" holds two arguments and "%1&File" an
// accelerator.
KeysAndArguments keysAndArguments(const QString &text, const QString &acceleratorMarker,
                                  const QString &argumentMarker)
{
    KeysAndArguments found;
    const Mark accelerator(acceleratorMarker);
    const Mark argument(argumentMarker);
    const int n = text.size();
    int i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (accelerator.matches(c)) {
            ++found.accelerators;
            ++i;
        } else if (argument.matches(c)) {
            int end = i + 1;
            while (end < n && text.at(end).isNumber())
                ++end;
            if (end > i + 1) {
                const QString number = text.mid(i + 1, end - i - 1);
                found.arguments.append(number);
                found.distinctArguments.insert(number);
            }
            i = end;
        } else {
            ++i;
        }
    }
    return found;
}

// The same with the rule options: accelerators by file kind ("&&" is a literal
// ampersand, "&" before a blank too; in .po files "_" marks as well), and the
// arguments "%L1" (Qt's localized form) and "%1$s" (a printf position) read,
// printf widths ("%2d", "%02x", "%5.2f") not read as arguments.
KeysAndArguments keysAndArgumentsByKind(const QString &text, bool poFile, bool byKind, bool formats)
{
    KeysAndArguments found;
    const int n = text.size();
    const auto isConversion = [](QChar c) {
        return c.unicode() > 0 && c.unicode() < 128
               && std::strchr("diouxXeEfFgGcsp", char(c.unicode())) != nullptr;
    };
    int i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('&') || (byKind && poFile && c == QLatin1Char('_'))) {
            if (!byKind) {
                ++found.accelerators;
            } else if (i + 1 < n && text.at(i + 1) == c) {
                ++i; // doubled: a literal
            } else if (i + 1 < n && text.at(i + 1).isLetterOrNumber()) {
                ++found.accelerators;
            }
            ++i;
            continue;
        }
        if (c != QLatin1Char('%')) {
            ++i;
            continue;
        }
        int start = i + 1;
        const bool localized = formats && start < n && text.at(start) == QLatin1Char('L');
        if (localized)
            ++start;
        int end = start;
        while (end < n && text.at(end).isNumber())
            ++end;
        // "%1$s": a printf position, compared by ST22.1.
        if (formats && poFile && end > start && end < n && text.at(end) == QLatin1Char('$')) {
            i = end + 1;
            continue;
        }
        if (end > start && formats && poFile && end < n) {
            // "%5.2f" and "%2d" are widths; "%1$s" a position.
            int after = end;
            if (text.at(after) == QLatin1Char('.')) {
                ++after;
                while (after < n && text.at(after).isNumber())
                    ++after;
            }
            if (after < n && isConversion(text.at(after))) {
                i = after + 1;
                continue;
            }
        }
        if (end > start) {
            // "%L1" and "%1" are different arguments: one is formatted for the locale.
            const QString argument = text.mid(start, end - start);
            found.arguments.append(localized ? QLatin1Char('L') + argument : argument);
            found.distinctArguments.insert(localized ? QLatin1Char('L') + argument : argument);
        }
        i = end > start ? end : i + 1;
    }
    return found;
}

class Comparison
{
public:
    Comparison(results &store, MessageState &state)
        : m_store(store)
        , m_state(state)
        , s(state.source)
        , t(state.translation)
        , m_sourceCounts(characterCounts(s, store.sourceRules))
        , m_translationCounts(characterCounts(t, store.translationRules))
    { }

    void lengthRatio();
    void controlCharacters();
    void firstCharacter();
    void lastCharacter();
    void brackets();
    void punctuation();
    void ellipsesAndCharacters();
    void numbers();
    // The steps of numbers() over the texts it compares; true when the step failed.
    bool missingNumbers(const QList<double> &sourceValues, const QList<double> &translationValues,
                        bool normalise);
    bool numberCounts(const QList<double> &sourceValues, const QString &sourceText,
                      const QString &translationText);
    bool missingNumberRuns(const QStringList &sourceRuns, const QStringList &translationRuns);
    void numberRunCounts(const QStringList &sourceRuns, const QString &sourceText,
                         const QString &translationText);
    void keysAndArgumentsCheck();
    void tokenCounts();

private:
    // Key: the finding text (if any), the source and the translation; value: the context.
    void fail(int index, const QString &text = QString())
    {
        m_state.failed.set(index);
        if (!m_store.findingAllowed(m_state, index))
            return;
        m_store.recordTranslationFinding(
            m_state, index, text.isEmpty() ? texts() : QString(text + QLatin1Char('\n') + texts()));
    }
    const QString &texts() const { return m_state.texts; }
    void failWithKey(int index, const QString &key)
    {
        m_state.failed.set(index);
        m_store.recordTranslationFinding(m_state, index, key);
    }
    bool endMarkLost() const;
    // Two different end characters, one of them a quote or bracket, in texts
    // with as many quotes and brackets: word order moved them.
    bool movedQuote(QChar a, QChar b) const
    {
        return (isQuoteOrBracket(a) || isQuoteOrBracket(b))
               && quotesAndBrackets(s) == quotesAndBrackets(t);
    }
    void compareCounts(int index, const QSet<QString> &sourceTokens,
                       const QSet<QString> &translationTokens, const char *text);
    // "Missing numbers in ...:" and each number, every one followed by a blank.
    static QString missingNumbersText(const char *heading, const QStringList &numbers)
    {
        QString text = results::tr(heading) + QLatin1Char(' ');
        for (const QString &number : numbers)
            text += number + QLatin1Char(' ');
        return text;
    }

    results &m_store;
    MessageState &m_state;
    const QString &s;
    const QString &t;
    const CharacterCounts m_sourceCounts;
    const CharacterCounts m_translationCounts;
};

// A translation with a letter of Han, Hiragana, Katakana or Hangul: such texts
// are shorter than their sources in characters.
bool writtenInIdeographs(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x1100)
            continue;
        switch (c.script()) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
            return true;
        default:
            break;
        }
    }
    return false;
}

void Comparison::lengthRatio()
{
    const float ratio = float(t.size()) / float(s.size());
    const auto text
        = [ratio] { return results::tr("Source to translation ratio is %1:").arg(double(ratio)); };
    const bool ideographs = m_store.options().checkST1ScriptCheckBox && writtenInIdeographs(t);
    const auto outside = [&](float low, float high) {
        if (ideographs) {
            low = m_store.options().checkST1ScriptLowDSpinBox;
            high = m_store.options().checkST1ScriptHighSpinBox;
        }
        return ratio > high || ratio < low;
    };
    if (s.size() < m_store.options().checkST1SpinBox) {
        if (outside(m_store.options().checkST1_1LowDSpinBox,
                    m_store.options().checkST1_1HighSpinBox))
            fail(CheckST1_1, text());
    } else if (outside(m_store.options().checkST1_2LowDSpinBox,
                       m_store.options().checkST1_2HighSpinBox)) {
        fail(CheckST1_2, text());
    }
}

void Comparison::controlCharacters()
{
    // Equal counts per character are the same as equal sorted lists of characters.
    if (m_sourceCounts.control != m_translationCounts.control)
        fail(CheckST2_1, results::tr("Different control keys included in source and translation:"));
    const int sourceTabs = m_sourceCounts.control[u'\t'];
    const int translationTabs = m_translationCounts.control[u'\t'];
    if (sourceTabs != translationTabs)
        fail(CheckST2_2, results::tr("There are %1 tabulations in the source but %2 tabulations "
                                     "in the translation:")
                             .arg(sourceTabs)
                             .arg(translationTabs));
    const int sourceLineFeeds = m_sourceCounts.lineFeeds;
    const int translationLineFeeds = m_translationCounts.lineFeeds;
    if (sourceLineFeeds != translationLineFeeds)
        fail(CheckST2_3, results::tr("There are %1 line feed characters in the source but %2 line "
                                     "feed characters in the translation:")
                             .arg(sourceLineFeeds)
                             .arg(translationLineFeeds));
}

void Comparison::firstCharacter()
{
    const QChar cs = m_state.firstSource;
    const QChar ct = m_state.firstTranslation;
    if (cs.isLetterOrNumber() && ct.isLetterOrNumber())
        return;
    const QChar a = s.front();
    const QChar b = t.front();
    const QChar lf = QLatin1Char('\n');
    const bool mayMove = m_store.options().checkST3_3_1CheckBox;
    if ((a == lf) != (b == lf))
        fail(CheckST3_1);
    else if (a.isSpace() != b.isSpace())
        fail(CheckST3_2);
    else if (m_store.sourceRules.openingCharacters.contains(cs)
             != m_store.translationRules.openingCharacters.contains(ct)) {
        if (!mayMove || quotesAndBrackets(s) != quotesAndBrackets(t))
            fail(CheckST3_3);
    } else if (a != b && !(mayMove && movedQuote(a, b)))
        fail(CheckST3_4);
}

void Comparison::lastCharacter()
{
    const QChar a = s.back();
    const QChar b = t.back();
    if (a.isLetterOrNumber() && b.isLetterOrNumber())
        return;
    const QChar lf = QLatin1Char('\n');
    const bool mayMove = m_store.options().checkST3_3_1CheckBox;
    if ((a == lf) != (b == lf))
        fail(CheckST4_1);
    else if (a.isSpace() != b.isSpace())
        fail(CheckST4_2);
    else if (m_store.sourceRules.closingCharacters.contains(a)
             != m_store.translationRules.closingCharacters.contains(b)) {
        if (!mayMove || quotesAndBrackets(s) != quotesAndBrackets(t))
            fail(CheckST4_3);
    } else if (a != b && !(mayMove && movedQuote(a, b))
               && !(m_store.options().checkST6MarksCheckBox && !endMarkLost()))
        fail(CheckST4_4);
}

// The source ends with a mark (a full stop, colon, question or exclamation mark
// in any of its forms, or an ellipsis) that the end of the translation lacks.
// A mark the translation adds is its language's habit.
bool Comparison::endMarkLost() const
{
    const char sourceMark = markClassAtEnd(s);
    return sourceMark && sourceMark != markClassAtEnd(t);
}

void Comparison::brackets()
{
    const CharacterCounts &source = m_sourceCounts;
    const CharacterCounts &translation = m_translationCounts;
    if (source.angleBrackets != translation.angleBrackets)
        fail(CheckST5_1);
    if (m_store.options().checkST5_2_1CheckBox) {
        if (bracketsOnly(s) != bracketsOnly(t))
            fail(CheckST5_2);
    } else if (source.otherBrackets != translation.otherBrackets) {
        fail(CheckST5_2);
    }
}

void Comparison::punctuation()
{
    // Both count records name their marks alike.
    const auto compare = [this](const auto &source, const auto &translation) {
        if (source.colons != translation.colons)
            fail(CheckST6_1);
        if (source.exclamationMarks != translation.exclamationMarks)
            fail(CheckST6_2);
        if (source.questionMarks != translation.questionMarks)
            fail(CheckST6_3);
        if (source.fullStops != translation.fullStops)
            fail(CheckST6_4);
    };
    if (m_store.options().checkST6MarksCheckBox)
        compare(markCounts(s, m_store.sourceRules), markCounts(t, m_store.translationRules));
    else
        compare(m_sourceCounts, m_translationCounts);
}

void Comparison::ellipsesAndCharacters()
{
    if (m_store.options().checkST6MarksCheckBox) {
        if (markCounts(s, m_store.sourceRules).ellipses
            != markCounts(t, m_store.translationRules).ellipses)
            fail(CheckST7_1);
    } else if (m_sourceCounts.ellipses != m_translationCounts.ellipses) {
        fail(CheckST7_1);
    }
    const QString &list = m_store.options().checkST7_2LineEdit;
    const auto failCount = [this](QChar c, qsizetype inSource, qsizetype inTranslation) {
        fail(CheckST7_2,
             results::tr("Counting character %1. It is %2 times in the source but "
                         "%3 times in the translation.")
                 .arg(QString(c), QString::number(inSource), QString::number(inTranslation)));
    };
    if (list == CountedCharacters) {
        const std::array<int, 14> &source = m_sourceCounts.counted;
        const std::array<int, 14> &translation = m_translationCounts.counted;
        for (int slot = 0; slot < int(source.size()); ++slot)
            if (source[slot] != translation[slot])
                failCount(CountedCharacters.at(slot), source[slot], translation[slot]);
        return;
    }
    // Another list: each character counted on its own, in the order of the list.
    QString seen;
    for (const QChar c : list) {
        if (seen.contains(c))
            continue;
        seen += c;
        const qsizetype inSource = s.count(c);
        const qsizetype inTranslation = t.count(c);
        if (inSource != inTranslation)
            failCount(c, inSource, inTranslation);
    }
}

const char MissingInTranslation[]
    = QT_TRANSLATE_NOOP("results", "Missing numbers in the translation:");
const char MissingInSource[] = QT_TRANSLATE_NOOP("results", "Missing numbers in the source:");

QString numberText(double x)
{
    return QString::number(x, 'g', 6);
}

QStringList numberTexts(const QList<double> &values)
{
    QStringList texts;
    for (const double x : values)
        texts.append(numberText(x));
    return texts;
}

// A cascade: each check runs only when the ones before it found nothing.
void Comparison::numbers()
{
    // Without a number on either side every step below finds nothing.
    if (!m_sourceCounts.hasNumber && !m_translationCounts.hasNumber)
        return;

    const bool normalise = m_store.options().checkST8_1_1CheckBox;
    const QString sourceText = normalise ? normalisedNumbers(this->s) : this->s;
    const QString translationText = normalise ? normalisedNumbers(this->t) : this->t;
    const QString dot = QStringLiteral(".");
    // Sorted, so that a finding text is the same on every run.
    const QList<double> sourceValues = m_store.extractNumbers(
        sourceText, normalise ? dot : m_store.sourceRules.decimalSeparator);
    const QList<double> translationValues = m_store.extractNumbers(
        translationText, normalise ? dot : m_store.translationRules.decimalSeparator);
    if (missingNumbers(sourceValues, translationValues, normalise)
        || numberCounts(sourceValues, sourceText, translationText))
        return;

    const QStringList sourceRuns = m_store.extractNumberRuns(sourceText);
    if (!missingNumberRuns(sourceRuns, m_store.extractNumberRuns(translationText)))
        numberRunCounts(sourceRuns, sourceText, translationText);
}

// ST8.1: the numbers of one side that the other lacks.
bool Comparison::missingNumbers(const QList<double> &sourceValues,
                                const QList<double> &translationValues, bool normalise)
{
    const QList<double> missingInTranslation = difference(sourceValues, translationValues);
    const QList<double> missingInSource = difference(translationValues, sourceValues);
    if (!missingInTranslation.isEmpty())
        fail(CheckST8_1,
             missingNumbersText(MissingInTranslation, numberTexts(missingInTranslation)));
    // Normalised, numbers that only the translation has are its way of writing
    // number words ("Square root" -> "Căn bậc 2"): reported only beside a lost one.
    if (!missingInSource.isEmpty() && (!normalise || !missingInTranslation.isEmpty()))
        fail(CheckST8_1, missingNumbersText(MissingInSource, numberTexts(missingInSource)));
    return !missingInTranslation.isEmpty() || !missingInSource.isEmpty();
}

// ST8.2: both sides hold the same numbers, but not as many times.
bool Comparison::numberCounts(const QList<double> &sourceValues, const QString &sourceText,
                              const QString &translationText)
{
    bool counted = false;
    for (const double x : sourceValues) {
        const QString text = numberText(x);
        const int inSource = sourceText.count(text);
        const int inTranslation = translationText.count(text);
        if (inSource != inTranslation) {
            fail(CheckST8_2, results::tr("Counting number %1. It is %2 times in source but %3 "
                                         "times in translation.")
                                 .arg(x)
                                 .arg(inSource)
                                 .arg(inTranslation));
            counted = true;
        }
    }
    return counted;
}

// ST8.3: the runs of digits of one side that the other lacks.
bool Comparison::missingNumberRuns(const QStringList &sourceRuns,
                                   const QStringList &translationRuns)
{
    const QStringList missingInTranslation = difference(sourceRuns, translationRuns);
    const QStringList missingInSource = difference(translationRuns, sourceRuns);
    if (!missingInTranslation.isEmpty())
        fail(CheckST8_3, missingNumbersText(MissingInTranslation, missingInTranslation));
    if (!missingInSource.isEmpty())
        fail(CheckST8_3, missingNumbersText(MissingInSource, missingInSource));
    return !missingInTranslation.isEmpty() || !missingInSource.isEmpty();
}

// ST8.4: both sides hold the same runs, but not as many times.
void Comparison::numberRunCounts(const QStringList &sourceRuns, const QString &sourceText,
                                 const QString &translationText)
{
    for (const QString &run : sourceRuns) {
        const int inSource = sourceText.count(run);
        const int inTranslation = translationText.count(run);
        if (inSource != inTranslation)
            fail(CheckST8_4,
                 results::tr("Counting number %1. It is %2 times in source but %3 "
                             "times in translation")
                     .arg(run, QString::number(inSource), QString::number(inTranslation)));
    }
}

void Comparison::keysAndArgumentsCheck()
{
    const bool byKind = m_store.options().checkST9_1_1CheckBox;
    const bool formats = m_store.options().checkST9_2_2CheckBox;
    const bool poFile = m_store.poFile && m_store.formatFlag >= 0;
    const auto read = [&](const QString &text) {
        return byKind || formats
                   ? keysAndArgumentsByKind(text, poFile, byKind, formats)
                   : keysAndArguments(text, m_store.acceleratorMarker, m_store.argumentMarker);
    };
    const KeysAndArguments source = read(s);
    const KeysAndArguments translation = read(t);
    if (source.accelerators != translation.accelerators)
        fail(CheckST9_1);

    const QStringList sourceDistinct = sorted(source.distinctArguments);
    const QStringList translationDistinct = sorted(translation.distinctArguments);
    if (m_store.options().checkST9_2_1CheckBox) {
        QStringList sourceAll = source.arguments;
        QStringList translationAll = translation.arguments;
        std::sort(sourceAll.begin(), sourceAll.end());
        std::sort(translationAll.begin(), translationAll.end());
        if (sourceAll != translationAll)
            fail(CheckST9_2);
    } else if (sourceDistinct != translationDistinct) {
        fail(CheckST9_2);
    }

    // The arguments should be %1, %2, ... without a gap. The order is a text
    // order, so %10 takes the second place.
    // "%L1" takes the place of "%1".
    const auto numbered = [](QStringList arguments) {
        if (!std::any_of(arguments.cbegin(), arguments.cend(),
                         [](const QString &a) { return a.startsWith(QLatin1Char('L')); }))
            return arguments;
        for (QString &argument : arguments)
            if (argument.startsWith(QLatin1Char('L')))
                argument.remove(0, 1);
        return distinctSorted(std::move(arguments));
    };
    for (const QStringList &arguments : {numbered(sourceDistinct), numbered(translationDistinct)})
        for (int k = 1; k <= arguments.size(); ++k)
            if (arguments.at(k - 1) != QString::number(k))
                fail(CheckST9_3);
}

void Comparison::compareCounts(int index, const QSet<QString> &sourceTokens,
                               const QSet<QString> &translationTokens, const char *text)
{
    if (sourceTokens.isEmpty() && translationTokens.isEmpty())
        return;
    const QStringList tokens = sorted(QSet<QString>(sourceTokens).unite(translationTokens));
    // One by one for the few tokens of an ordinary message; all at once for the
    // many of a huge text, which one by one would take their number times its length.
    const bool many = tokens.size() > ManyTokens;
    QList<qsizetype> sourceCounts, translationCounts;
    if (many) {
        const OccurrenceCounter counter(tokens);
        sourceCounts = counter.count(s);
        translationCounts = counter.count(t);
    }
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &token = tokens.at(i);
        const qsizetype inSource = many ? sourceCounts.at(i) : s.count(token);
        const qsizetype inTranslation = many ? translationCounts.at(i) : t.count(token);
        if (inSource != inTranslation)
            fail(index, results::tr(text).arg(token, QString::number(inSource),
                                              QString::number(inTranslation)));
    }
}

void Comparison::tokenCounts()
{
    compareCounts(CheckST20_1, m_state.sourceEmails, m_state.translationEmails,
                  QT_TRANSLATE_NOOP("results", "Counting email %1. It is %2 times in source but "
                                               "%3 times in translation."));
    compareCounts(CheckST20_2, m_state.sourceUris, m_state.translationUris,
                  QT_TRANSLATE_NOOP("results", "Counting URI %1. It is %2 times in source but %3 "
                                               "times in translation."));
    compareCounts(CheckST21_1, m_state.sourceTags, m_state.translationTags,
                  QT_TRANSLATE_NOOP("results", "Counting tag %1. It is %2 times in source but %3 "
                                               "times in translation."));
}

} // namespace

void results::runComparisonChecks(MessageState &state)
{
    Q_ASSERT(!state.source.isEmpty() && !state.translation.isEmpty());
    if (state.source.isEmpty() || state.translation.isEmpty())
        return;
    Comparison comparison(*this, state);
    comparison.lengthRatio();
    comparison.controlCharacters();
    comparison.firstCharacter();
    comparison.lastCharacter();
    comparison.brackets();
    comparison.punctuation();
    comparison.ellipsesAndCharacters();
    comparison.numbers();
    comparison.keysAndArgumentsCheck();
    checkConsistency(state);
    comparison.tokenCounts();
}

// Only the first numerus forms enter the tables; each differing later message
// is reported against the first one seen.
void results::checkConsistency(MessageState &state)
{
    // Like forms: a translation is compared only with translations of the same
    // numerus form (an ordinary message counts as the first form), every form
    // taken; the tables then key the texts by form.
    const bool likeForms = m_options.checkST10_1_2CheckBox;
    if (state.numerusForm > 2 && !likeForms)
        return;
    const auto keyed = [&](const QString &text) {
        return likeForms ? text + QChar(0) + QString::number(std::max(state.numerusForm, 1)) : text;
    };
    ConsistencyEntry entry {HashedText(keyed(state.source)),
                            HashedText(keyed(state.translation)),
                            state.texts,
                            MessageRecord {m_currentFile, m_origin.sourceLine,
                                           m_origin.translationLine, state.numerusForm,
                                           state.context, state.source, state.translation},
                            -1,
                            m_origin.silenced.test(CheckST10_1),
                            m_origin.silenced.test(CheckST11_1)};
    if (m_worker) {
        m_consistencyEntries.append(std::move(entry));
        m_consistencyPending = true;
        return;
    }
    consultConsistencyTables(entry, [&](int index, const QString &key) {
        state.failed.set(index);
        return recordTranslationFinding(state, index, key);
    });
}

void results::replayConsistency(ConsistencyEntry &entry, int record)
{
    consultConsistencyTables(entry, [&](int index, const QString &key) {
        if (honourSuppressions
            && (index == CheckST10_1 ? entry.silencedSource : entry.silencedTranslation)) {
            ++m_silencedCounts[index];
            return static_cast<int *>(nullptr);
        }
        // The message's record: the worker's, or made at its first finding here.
        if (record < 0) {
            m_messages.append(entry.record);
            record = int(m_messages.size()) - 1;
        }
        return m_findings[index].insert(key, entry.record.context, 1, record);
    });
}

template<typename Record>
void results::consultConsistencyTables(ConsistencyEntry &entry, Record record)
{
    using Tables = FirstMessageTables;
    const QString &s = entry.record.source;
    const QString &t = entry.record.translation;
    const QChar lf = QLatin1Char('\n');
    const auto differ = [](QStringView a, QStringView b, bool caseSensitive) {
        return a != b && (caseSensitive || differIgnoringCase(a, b));
    };
    // The message as a later one will name it: one entry for both tables.
    qsizetype added = -1;
    const auto addFirst = [&](Tables::Side side, const HashedText &key) {
        if (added < 0) {
            const MessageRecord &here = entry.record;
            added = firstMessages.append(FirstMessage {entry.texts,
                                                       here.context,
                                                       s.size(),
                                                       here.file,
                                                       here.sourceLine,
                                                       here.translationLine,
                                                       here.numerusForm,
                                                       {-1, -1},
                                                       {}});
        }
        FirstMessage &first = firstMessages.at(added);
        if (key.text.size() != first.key(side).size())
            first.keys.make().at(size_t(side)) = key.text;
        firstMessages.insert(side, key, added);
    };
    if (FirstMessage *first = firstMessages.find(Tables::BySource, entry.sourceKey)) {
        const QStringView firstTranslation = first->translation();
        if (differ(firstTranslation, t, m_options.checkST10_1_1CheckBox)) {
            const QString key = entry.texts + lf + firstTranslation;
            if (int *related = record(CheckST10_1, key))
                relateFinding(*related, *first, Tables::BySource, s, first->translationPart());
        }
    } else {
        addFirst(Tables::BySource, entry.sourceKey);
    }

    if (FirstMessage *first = firstMessages.find(Tables::ByTranslation, entry.translationKey)) {
        const QStringView firstSource = first->source();
        if (differ(firstSource, s, m_options.checkST11_1_1CheckBox)) {
            const QString key = t + lf + s + lf + firstSource;
            if (int *related = record(CheckST11_1, key))
                relateFinding(*related, *first, Tables::ByTranslation, first->sourcePart(), t);
        }
    } else {
        addFirst(Tables::ByTranslation, entry.translationKey);
    }
}
