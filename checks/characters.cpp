// Names of characters and the report of the characters used in the catalogue
// (check ST0), grouped by script.

#include "checks/results.h"
#include "model/textescape.h"

#include <QtDebug>
#include <algorithm>
#include <vector>

namespace {

// One character a line reads as the table it is.
// clang-format off
const char *nameOfSpecialCharacter(char16_t u)
{
    switch (u) {
    case 0x0020: return "<space> ";
    case 0x00A0: return "<non-breaking space> ";
    case 0x1680: return "<ogham space mark> ";
    case 0x2009: return "<thin space> ";
    case 0x202F: return "<narrow no-break space> ";
    case 0x2028: return "<line separator> ";
    case 0x2029: return "<paragraph separator> ";
    case 0x3000: return "<ideographic space> ";
    case 0x0009: return "<tabulation> ";
    case 0x000A: return "<line feed> ";
    case 0x000B: return "<line tabulation> ";
    case 0x000C: return "<form feed> ";
    case 0x000D: return "<carriage return> ";
    case 0x0085: return "<next line> ";
    case 0x00AD: return "<soft hyphen> ";
    case 0x200B: return "<zero width space> ";
    case 0x200C: return "<zero width non-joiner> ";
    case 0x200D: return "<zero width joiner> ";
    default: return nullptr;
    }
}
// clang-format on

QString reportRequest()
{
    return results::tr("Please report it to me (%1), so i will improve the check.")
        .arg(QStringLiteral("Oskerbay"));
}

// The warning about a character that a check does not know yet.
QString unsupportedCharacter(QChar c, const QString &check)
{
    return results::tr("You are using character %1.").arg(QString(c)) + QLatin1Char(' ') + check
           + QLatin1Char(' ') + reportRequest() + QLatin1String("\n\n");
}

} // namespace

QString results::characterName(QChar ch, bool warn, QString &warnings) const
{
    if (const char *name = nameOfSpecialCharacter(ch.unicode()))
        return QLatin1String(name);
    if (ch.isPrint()) {
        if (ch.unicode() >= 0x80 && ch.isSpace()) {
            if (warn) {
                const QString sentence
                    = tr("You are using a non-supported printable character (unicode=%1).")
                          .arg(QString(ch));
                qWarning().noquote() << sentence;
                warnings += sentence + QLatin1Char(' ') + reportRequest() + QLatin1String("\n\n");
            }
            return QStringLiteral("<otherSpace> ");
        }
        return QString(ch) + QLatin1Char(' ');
    }
    if (warn) {
        const QString sentence
            = tr("You are using a non-supported unprintable character (unicode=%1).")
                  .arg(textescape::codePoint(ch.unicode())); // the character itself is invisible
        qWarning().noquote() << sentence;
        warnings += sentence + QLatin1Char(' ') + reportRequest() + QLatin1String("\n\n");
    }
    return QStringLiteral("<otherNotPrintable> ");
}

QString results::usedCharacterReport(int localScript, const QSet<QString> &characters,
                                     const CharacterMap &openToClose,
                                     const CharacterMap &closeToOpen) const
{
    QStringList sorted(characters.cbegin(), characters.cend());
    std::sort(sorted.begin(), sorted.end());

    QString report;
    QString local, latin, common, inherited, other;
    for (const QString &character : sorted) {
        if (character.isEmpty())
            continue;
        const QChar ch = character.at(0);
        const int script = ch.script();
        QString &bucket = script == localScript               ? local
                          : script == QChar::Script_Inherited ? inherited
                          : script == QChar::Script_Common    ? common
                          : script == QChar::Script_Latin     ? latin
                                                              : other;
        bucket += characterName(ch, true, report) + QLatin1Char(' ');

        const QChar::Category category = ch.category();
        if ((category == QChar::Punctuation_Open || category == QChar::Punctuation_Close
             || category == QChar::Punctuation_InitialQuote
             || category == QChar::Punctuation_FinalQuote)
            && !openToClose.contains(ch) && !closeToOpen.contains(ch))
            report += unsupportedCharacter(
                ch, tr("This character isn't supported in the parentheses check yet."));
        if (ch.unicode() >= 0x80 && (ch.isNumber() || category == QChar::Number_DecimalDigit))
            report += unsupportedCharacter(
                ch, tr("This character isn't supported in the compare numbers check yet."));
    }

    if (!local.isEmpty())
        report += tr("Local characters: %1").arg(local) + QLatin1String("\n\n");
    if (!latin.isEmpty())
        report += tr("Latin characters: %1").arg(latin) + QLatin1String("\n\n");
    if (!common.isEmpty())
        report += tr("Common characters: %1").arg(common) + QLatin1String("\n\n");
    if (!inherited.isEmpty())
        report += tr("Inherited characters: %1").arg(inherited) + QLatin1String("\n\n");
    if (!other.isEmpty()) {
        report += tr("Please report that you are using other characters! I want to improve the "
                     "check.")
                  + QLatin1Char('\n');
        report += tr("Other characters: %1").arg(other) + QLatin1String("\n\n");
    }
    return QLatin1Char('\n') + report;
}

void results::collectCharacters(const TextSet &texts, QSet<QString> &characters)
{
    // One string per character only for the first time it is met.
    std::vector<bool> seen(0x10000, false);
    for (const QString &character : characters)
        if (!character.isEmpty())
            seen[character.at(0).unicode()] = true;
    for (const QString &text : texts)
        for (const QChar c : text)
            if (!seen[c.unicode()]) {
                seen[c.unicode()] = true;
                characters.insert(QString(c));
            }
}

void results::reportUsedCharacters()
{
    ItemList &list = m_items[CheckST0];
    list.append(tr("Used characters in the source:"));
    list.append(usedCharacterReport(sourceRules.script, usedSourceCharacters,
                                    sourceRules.openToClose, sourceRules.closeToOpen));
    list.append(tr("Used characters in the translation:"));
    list.append(usedCharacterReport(translationRules.script, usedTranslationCharacters,
                                    translationRules.openToClose, translationRules.closeToOpen));
}
