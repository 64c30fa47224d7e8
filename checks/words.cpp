// Words of all sources and all translations: the doubled-word finder, the word
// lists of the catalogue-wide pass and the sorted lists of texts.

#include "checks/results.h"
#include "checks/textutil.h"
#include "model/appsettings.h"

#include <algorithm>

namespace {

bool isWordSeparator(QChar c, const QString &extraSeparators)
{
    switch (categoryOf(c)) {
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
        return true;
    default:
        break;
    }
    switch (c.unicode()) {
    case 0x0009:
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0020:
    case 0x0085:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x3000:
        return true;
    default:
        return !extraSeparators.isEmpty() && extraSeparators.contains(c);
    }
}

const TwinChecks DoubledWords {CheckS13_1, CheckT13_1};
const TwinChecks AllWords {CheckS15_1, CheckT15_1};
const TwinChecks DoubledCharacters {CheckS11_1, CheckT11_1};
const TwinChecks MixedLetters {CheckS12_1, CheckT12_1};
const TwinChecks UpperAfterLower {CheckS12_2, CheckT12_2};
const TwinChecks UpperCaseOnly {CheckS12_3, CheckT12_3};
const TwinChecks AllTexts {CheckS16_1, CheckT16_1};

bool hasDoubledCodeUnit(const QString &word)
{
    for (int i = 1; i < word.size(); ++i)
        if (word.at(i) == word.at(i - 1))
            return true;
    return false;
}

// A lower-case letter followed, after other letters only, by an upper-case one.
bool hasUpperAfterLower(const QString &word)
{
    bool afterLowerCase = false;
    for (const QChar c : word) {
        if (!c.isLetter())
            afterLowerCase = false;
        else if (categoryOf(c) == QChar::Letter_Lowercase)
            afterLowerCase = true;
        else if (categoryOf(c) == QChar::Letter_Uppercase && afterLowerCase)
            return true;
    }
    return false;
}

} // namespace

void results::splitWords(const QString &text, TextSet &words, bool isTranslation,
                         QStringList &problems)
{
    const QString &extraSeparators
        = isTranslation ? m_options.checkT15_1LineEdit : m_options.checkS15_1LineEdit;
    ItemList &doubledWords = m_items[DoubledWords.on(isTranslation)];
    const bool hasAccelerator = acceleratorMarker.size() == 1;

    // The current word is the text from start to the next separator without the
    // accelerator markers; it is copied out only when it ends.
    int start = 0;
    int kept = 0; // characters of the current word that are not markers
    bool markers = false;
    QStringView previousWord; // a text that words keeps
    bool hasLetter = false;
    qsizetype recordedSize = 0;
    const auto endWord = [&](int end, int position) {
        QStringView word = QStringView(text).mid(start, end - start);
        QString withoutMarkers;
        if (markers) {
            withoutMarkers = word.toString().remove(acceleratorMarker.at(0));
            word = withoutMarkers;
        }
        bool duplicate = false;
        processWord(word, hasLetter, words, previousWord, duplicate, isTranslation);
        if (duplicate
            && itemAllowed(recordedSize, DoubledWords.on(isTranslation), text, &problems)) {
            recordedSize += text.size();
            doubledWords.append(tr("Found duplicate word '%1' at position %2.")
                                    .arg(previousWord, QString::number(position))
                                + QLatin1Char('\n') + text + QLatin1String("\n\n"));
        }
        hasLetter = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isWordSeparator(c, extraSeparators)) {
            if (kept > 0)
                endWord(i, i);
            start = i + 1;
            kept = 0;
            markers = false;
            continue;
        }
        if (c.isLetter())
            hasLetter = true;
        if (hasAccelerator && c == acceleratorMarker.at(0))
            markers = true;
        else
            ++kept;
    }
    if (kept > 0)
        endWord(text.size(), text.size() - 1);
}

void results::processWord(QStringView word, bool hasLetter, TextSet &words,
                          QStringView &previousWord, bool &duplicate, bool isTranslation)
{
    duplicate = false;
    if (!hasLetter) {
        const bool skipNumbers
            = isTranslation ? m_options.checkT13_1_2CheckBox : m_options.checkS13_1_2CheckBox;
        if (!skipNumbers)
            previousWord = QStringView();
        return;
    }
    const bool dontTrim
        = isTranslation ? m_options.checkT15_1_1CheckBox : m_options.checkS15_1_1CheckBox;
    if (!dontTrim) {
        // A letter stops both loops, so the word never becomes empty.
        int end = word.size();
        while (end > 0 && !word.at(end - 1).isLetterOrNumber())
            --end;
        int begin = 0;
        while (begin < end && !word.at(begin).isLetterOrNumber()
               && !(argumentMarker.size() == 1 && word.at(begin) == argumentMarker.at(0)))
            ++begin;
        word = word.mid(begin, end - begin);
    }
    const bool caseInsensitive
        = isTranslation ? m_options.checkT13_1_1CheckBox : m_options.checkS13_1_1CheckBox;
    if (caseInsensitive ? !differIgnoringCase(word, previousWord) : word == previousWord)
        duplicate = true;
    previousWord = words.insert(word);
}

QStringList results::splitTexts(bool translationSide, TextSet &words, QStringList &problems)
{
    // The texts are split in sorted order, so the doubled-word items come in
    // the same order on every run.
    QStringList texts = (translationSide ? translationTexts : sourceTexts).values();
    sortByCodeUnits(texts);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        // In sorted order the texts stand anywhere in memory.
        if (i + 4 < texts.size())
            __builtin_prefetch(texts.at(i + 4).constData());
        splitWords(texts.at(i), words, translationSide, problems);
    }
    return texts;
}

void results::listWordsAndTexts(bool translationSide, QStringList &problems)
{
    const auto items = [this, translationSide](TwinChecks checks) -> ItemList & {
        return m_items[checks.on(translationSide)];
    };
    TextSet collected;
    const QStringList texts = splitTexts(translationSide, collected, problems);
    QStringList words = collected.values();
    sortByCodeUnits(words);

    items(AllWords) += words;
    for (const QString &word : std::as_const(words)) {
        if (word.size() >= 2 && hasDoubledCodeUnit(word))
            items(DoubledCharacters).append(word);
        bool lower = false, upper = false, other = false;
        for (const QChar c : word) {
            if (!c.isLetter())
                continue;
            const QChar::Category category = categoryOf(c);
            if (category == QChar::Letter_Lowercase)
                lower = true;
            else if (category == QChar::Letter_Uppercase)
                upper = true;
            else
                other = true;
        }
        if (upper && !lower && !other)
            items(UpperCaseOnly).append(word);
        if ((upper || lower) && other)
            items(MixedLetters).append(word);
        if (hasUpperAfterLower(word))
            items(UpperAfterLower).append(word);
    }
    items(AllTexts) = texts;
}
