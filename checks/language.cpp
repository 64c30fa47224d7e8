// Language rules of both sides, the bracket tables and the markup subsets.

#include "checks/results.h"
#include "model/appsettings.h"

#include <QtDebug>
#include <iterator>

namespace {

struct QuotePair {
    char16_t opening;
    char16_t closing;
};

struct LanguageRow {
    const char16_t *code;
    int numerusForms;
    int script;
    const char16_t *decimalSeparator;
    const char16_t *questionMark;
    const char16_t *exclamationMark;
    const char16_t *fullStop;
    const char16_t *colon;
    QuotePair extraPairs[2]; // {0, 0} where a language has fewer
};

// Matched by two-letter prefix, in this order.
// clang-format off
const LanguageRow LanguageTable[] = {
    {u"af", 2, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ar", 6, 8, u".", u"\u061F", u"!", u".", u":", {{0x201C, 0x201E}, {0x2018, 0x201A}}},
    {u"az", 1, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"be", 3, 5, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"bg", 2, 5, u",", u"?", u"!", u".", u":", {{0x201E, 0x201C}, {0x201A, 0x2018}}},
    {u"bs", 3, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ca", 2, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"cs", 3, 3, u".", u"?", u"!", u".", u":", {{0x201E, 0x201C}, {0x201A, 0x2018}}},
    {u"cy", 1, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"da", 2, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"de", 2, 3, u",", u"?", u"!", u".", u":", {{0x201E, 0x201C}, {0x201A, 0x2018}}},
    {u"el", 2, 4, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0, 0}}},
    {u"en", 2, 3, u".", u"?", u"!", u".", u":", {{0x2018, 0x2019}, {0x201C, 0x201D}}},
    {u"eo", 2, 3, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0, 0}}},
    {u"es", 2, 3, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"eu", 2, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0, 0}}},
    {u"fa", 1, 8, u".", u"\u061F", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"fi", 2, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"fr", 2, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"ga", 5, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"gd", 4, 3, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"gl", 2, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0, 0}}},
    {u"he", 2, 7, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"hi", 2, 11, u".", u"?", u"!", u"\u0964", u":", {{0, 0}, {0, 0}}},
    {u"hr", 3, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ht", 2, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"hu", 1, 3, u",", u"?", u"!", u".", u":", {{0x201E, 0x201D}, {0, 0}}},
    {u"id", 1, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ig", 1, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"is", 1, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"it", 2, 3, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"ja", 1, 35, u".", u"\uFF1F", u"\uFF01", u"\u3002", u"\uFF1A", {{0, 0}, {0, 0}}},
    {u"ka", 1, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"kk", 1, 5, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ko", 2, 26, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"ku", 2, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"la", 2, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"lt", 3, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201E}, {0x201A, 0x2018}}},
    {u"lv", 3, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"mk", 3, 5, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"mr", 1, 11, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ms", 1, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"my", 1, 24, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"nl", 2, 3, u".", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    // Polish quotes open with U+201E and close with U+201D.
    {u"pl", 3, 3, u",", u"?", u"!", u".", u":", {{0x201E, 0x201D}, {0x201B, 0x2019}}},
    {u"pt", 2, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"ro", 3, 3, u".", u"?", u"!", u".", u":", {{0x201E, 0x201D}, {0, 0}}},
    {u"ru", 3, 5, u",", u"?", u"!", u".", u":", {{0x201E, 0x201C}, {0x2018, 0x2019}}},
    {u"si", 2, 20, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"sk", 3, 3, u",", u"?", u"!", u".", u":", {{0x201E, 0x201C}, {0x201A, 0x2018}}},
    {u"sl", 3, 3, u",", u"?", u"!", u".", u":", {{0x201E, 0x201C}, {0, 0}}},
    {u"sq", 2, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"sr", 3, 5, u",", u"?", u"!", u".", u":", {{0x201E, 0x201D}, {0x201A, 0x2019}}},
    {u"sv", 1, 3, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"ta", 2, 16, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"tg", 1, 5, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"th", 1, 21, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"tr", 1, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"ug", 1, 5, u",", u"\u061F", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"uk", 3, 5, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
    {u"uz", 2, 5, u",", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"vi", 1, 3, u",", u"?", u"!", u".", u":", {{0x201C, 0x201D}, {0, 0}}},
    {u"xh", 1, 3, u".", u"?", u"!", u".", u":", {{0, 0}, {0, 0}}},
    {u"zh", 1, 37, u".", u"?", u"\uFF01", u"\u3002", u"\uFF1A", {{0x201C, 0x201D}, {0x2018, 0x2019}}},
};
// clang-format on

const char *const EmptyElements[]
    = {"!DOCTYPE", "area",   "base", "br",   "col",   "command", "embed", "hr", "img",
       "input",    "keygen", "link", "meta", "param", "source",  "track", "wbr"};
const char *const HtmlSubsetTags[] = {
    "a",      "address", "b",   "big",   "blockquote", "body", "br",    "center", "cite",  "code",
    "dd",     "dfn",     "div", "dl",    "dt",         "em",   "font",  "h1",     "h2",    "h3",
    "h4",     "h5",      "h6",  "head",  "hr",         "html", "i",     "img",    "kbd",   "meta",
    "li",     "nobr",    "ol",  "p",     "pre",        "qt",   "s",     "samp",   "small", "span",
    "strong", "sub",     "sup", "table", "tbody",      "td",   "tfoot", "th",     "thead", "title",
    "tr",     "tt",      "u",   "ul",    "var"};
const char *const HtmlSubsetAttributes[]
    = {"align", "dir", "type", "width", "bgcolor", "colspan", "rowspan", "valign"};
const char *const CssSubsetProperties[] = {"background-color",
                                           "background-image",
                                           "color",
                                           "font-family",
                                           "font-size",
                                           "font-style",
                                           "font-weight",
                                           "text-decoration",
                                           "font",
                                           "text-indent",
                                           "white-space",
                                           "margin-top",
                                           "margin-bottom",
                                           "margin-left",
                                           "margin-right",
                                           "padding-top",
                                           "padding-bottom",
                                           "padding-left",
                                           "padding-right",
                                           "padding",
                                           "vertical-align",
                                           "border-collapse",
                                           "border-color",
                                           "border-top-color",
                                           "border-bottom-color",
                                           "border-left-color",
                                           "border-right-color",
                                           "border-style",
                                           "border-top-style",
                                           "border-bottom-style",
                                           "border-left-style",
                                           "border-right-style",
                                           "border-width",
                                           "border-top-width",
                                           "border-bottom-width",
                                           "border-left-width",
                                           "border-right-width",
                                           "border-top",
                                           "border-bottom",
                                           "border-left",
                                           "border-right",
                                           "border",
                                           "background",
                                           "page-break-before",
                                           "page-break-after",
                                           "float",
                                           "text-transform",
                                           "font-kerning",
                                           "font-variant",
                                           "word-spacing",
                                           "line-height"};

template<size_t N>
void insertAll(QSet<QString> &set, const char *const (&names)[N])
{
    for (const char *name : names)
        set.insert(QString::fromLatin1(name));
}

void addPair(LanguageRules &rules, QChar opening, QChar closing)
{
    rules.openingCharacters.insert(opening);
    rules.closingCharacters.insert(closing);
    rules.openToClose.insert(opening, closing);
    rules.closeToOpen.insert(closing, opening);
}

// German, Danish, Czech, Slovak, Slovene, Croatian and Hungarian quote »so« and
// ›so‹: there the guillemets pair the other way round.
bool reversesGuillemets(const QString &language)
{
    for (const char *code : {"de", "da", "cs", "sk", "sl", "hr", "hu"})
        if (language.startsWith(QLatin1String(code)))
            return true;
    return false;
}

// The mirrored pairs on both sides, and the English quotes on the source side.
void addBracketPairs(LanguageRules &source, LanguageRules &translation, bool reversedGuillemets)
{
    for (const auto &pair : mirroredPairs()) {
        addPair(source, pair.first, pair.second);
        if (reversedGuillemets && (pair.first == QChar(0x00AB) || pair.first == QChar(0x2039)))
            addPair(translation, pair.second, pair.first);
        else
            addPair(translation, pair.first, pair.second);
    }
    addPair(source, QChar(0x2018), QChar(0x2019));
    addPair(source, QChar(0x201C), QChar(0x201D));
}

// The rules of the first row of the language table that the language starts
// with; false when none does.
bool applyLanguageRow(LanguageRules &rules, const QString &language)
{
    for (const LanguageRow &row : LanguageTable) {
        if (!language.startsWith(QStringView(row.code)))
            continue;
        rules.maxNumerus = row.numerusForms;
        rules.script = row.script;
        rules.decimalSeparator = QString::fromUtf16(row.decimalSeparator);
        rules.questionMark = QString::fromUtf16(row.questionMark);
        rules.exclamationMark = QString::fromUtf16(row.exclamationMark);
        rules.fullStop = QString::fromUtf16(row.fullStop);
        rules.colon = QString::fromUtf16(row.colon);
        for (const QuotePair &pair : row.extraPairs)
            if (pair.opening)
                addPair(rules, QChar(pair.opening), QChar(pair.closing));
        return true;
    }
    return false;
}

// The angle brackets join the bracket tables only, not the character sets.
void addAngleBrackets(LanguageRules &rules)
{
    rules.openToClose.insert(QLatin1Char('<'), QLatin1Char('>'));
    rules.closeToOpen.insert(QLatin1Char('>'), QLatin1Char('<'));
}

} // namespace

void results::setUpLanguage(const QString &language, bool clearFirst, const QString &fileName)
{
    // The calls before the change are made with the rules they were made with.
    if (diverting())
        m_divert->finish();
    log(QtInfoMsg, QLatin1String("Init ") + fileName);
    if (m_currentFile >= 0 && m_fileLanguages.at(m_currentFile).isEmpty())
        m_fileLanguages[m_currentFile] = language;
    insertAll(emptyElements, EmptyElements);
    insertAll(htmlSubsetTags, HtmlSubsetTags);
    insertAll(htmlSubsetAttributes, HtmlSubsetAttributes);
    insertAll(cssSubsetProperties, CssSubsetProperties);

    // Problems of the file as a whole: items of check "0" that name no line.
    struct {
        results &store;
        void append(const QString &item)
        {
            store.m_items[Check_0].append(item);
            store.m_itemOrigins.append(ItemOrigin {store.m_currentFile, 0});
        }
    } problems {*this};
    // A template names no language; it takes the tables of the run, or those
    // of no language until a catalogue of the run names one.
    const bool templateWithoutLanguage = sourceOnly && language.isEmpty();
    // A later file of the run, or a second root element of one file: the tables
    // stay as the first call built them.
    if (!catalogueLanguage.isEmpty() && (!clearFirst || languageReady)) {
        if (language == catalogueLanguage || templateWithoutLanguage)
            return;
        if (language.isEmpty())
            problems.append(tr("Missing language in file %1.").arg(fileName));
        else
            problems.append(tr("Reading multible files with different languages. (%1 != %2). "
                               "File %3.")
                                .arg(language, catalogueLanguage, fileName));
        if (language.startsWith(catalogueLanguage) || catalogueLanguage.startsWith(language)
            || catalogueLanguage == unknownLanguage())
            return;
        problems.append(tr("Languarges are too different. Some checks will fail."));
        return;
    }

    if (language.isEmpty() && !templateWithoutLanguage) {
        problems.append(
            tr("Missing language in file %1. Set to '---KVN UNKNOWN---'.").arg(fileName));
        problems.append(
            tr("Some checks will fail, because the language in unknown in %1.").arg(fileName));
        catalogueLanguage = unknownLanguage();
    } else {
        catalogueLanguage = language;
    }
    log(QtInfoMsg, QLatin1String("Language ") + catalogueLanguage);
    for (auto &outcomes : m_sourceOutcomes)
        outcomes.clear();

    addBracketPairs(sourceRules, translationRules,
                    m_options.checkT5_3_3CheckBox && reversesGuillemets(catalogueLanguage));
    if (!applyLanguageRow(translationRules, catalogueLanguage) && !catalogueLanguage.isEmpty()
        && catalogueLanguage != unknownLanguage())
        problems.append(
            tr("Unknown rules for %1. Please contact Oskerbay.").arg(catalogueLanguage));
    if (m_options.checkS5_3_1CheckBox)
        addAngleBrackets(sourceRules);
    if (m_options.checkT5_3_1CheckBox)
        addAngleBrackets(translationRules);
    languageReady = true;
}
