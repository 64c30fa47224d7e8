// The reader of gettext catalogues (.po): a strict line-by-line reader that
// reports every deviation from the layout gettext tools write.

#include "checks/results.h"
#include "input/fileproblems.h"
#include "input/readers.h"

#include <QFile>
#include <QStringDecoder>
#include <QtDebug>
#include <optional>

namespace {

// The reports that quote the violated condition.
const char *const EndQuoteReport = QT_TRANSLATE_NOOP("results", "! line.back()==\"\"\"");
const char *const ContextStartQuoteReport = QT_TRANSLATE_NOOP("results", "! line.at(0)==\"\\\"\"");
const char *const StartQuoteReport = QT_TRANSLATE_NOOP("results", "! line.at(0)==(\"\\\"\")");
const char *const QuoteCountReport = QT_TRANSLATE_NOOP("results", "! line.count(\"\\\"\")>1");
const char *const TranslationStartQuoteReport
    = QT_TRANSLATE_NOOP("results", "! line.startsWith(\"\\\"\"");
const char *const IndexBracketReport = QT_TRANSLATE_NOOP("results", "! line.startsWith(\"]\")");

void removeLeadingSpace(QString &text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks).isSpace())
        ++blanks;
    text.remove(0, blanks);
}

class PoReader
{
public:
    static const int HeaderPeekSize = 64 * 1024;

    PoReader(bool clearFirst, const QString &path, results *store, QIODevice *file)
        : m_clearFirst(clearFirst)
        , m_path(path)
        , m_store(store)
        , m_problems(store, path)
        , m_file(file)
        , m_decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
    {
        store->poFile = true;
    }

    void read();

private:
    bool nextLine();
    // message: a text of the context "results", translated only when reported.
    void check(bool condition, const char *message, bool internalError = true)
    {
        m_problems.check(condition, message, m_lineNumber, internalError);
    }
    void report(const QString &message, bool internalError = true)
    {
        m_problems.report(message, m_lineNumber, internalError);
    }
    void checkCurrentStringEmpty();
    QString unescape(const QString &text);
    QString takeQuotedValue(const QString &keyword, const char *startQuoteReport);
    void setUpLanguage(const QString &language);
    void chooseCharset();
    void findHeader();

    void readLine();
    void readFlags();
    void readContextLine();
    void readIdLine();
    void readPluralIdLine();
    void readTranslationLine();
    void endEntry();
    void flushEntry(bool checkIdFound);
    void resetEntry();
    void readHeaderLine();
    void readHeaderField();
    void compareNumerus();
    void endOfFile();

    const bool m_clearFirst;
    const QString m_path;
    results *const m_store;
    FileProblems m_problems;
    QIODevice *const m_file;
    QByteArray m_data; // the whole file, read at once
    qsizetype m_position = 0; // of the next line in m_data
    QStringDecoder m_decoder;
    bool m_languageSetUp = false;
    QString m_language;
    bool m_secondLanguage = false;

    QString m_line;
    int m_lineNumber = 0;
    bool m_headerMode = true;
    QString m_wholeCurrentString;
    QString m_locationInLinguist;
    QString m_source;
    QString m_sourcePlural;
    QStringList m_translationList;
    QList<int> m_translationLines; // of the msgstr keywords, in order
    MessageOrigin m_origin; // of the entry being read
    QList<QString> m_locations;
    bool m_msgctxtFound = false;
    bool m_msgidFound = false;
    bool m_msgid_pluralFound = false;
    bool m_msgstrFound = false;
    bool m_keywordSeen = false;
    bool m_fuzzy = false;
    int m_formatFlag = 0; // see results::formatFlag
    bool m_obsolete = false;
    bool m_previousLineEmpty = false;
    bool m_qtContexts = false;
    int m_nplurals = -1;
};

// Reads, decodes and trims the next line. Invalid bytes and NUL bytes (which end
// a text for most tools) are reported and read as replacement characters, so that
// the structure of the entry survives.
bool PoReader::nextLine()
{
    if (m_position >= m_data.size())
        return false;
    const qsizetype lineFeed = m_data.indexOf('\n', m_position);
    const qsizetype end = lineFeed < 0 ? m_data.size() : lineFeed + 1;
    const QByteArrayView bytes(m_data.constData() + m_position, end - m_position);
    m_position = end;
    ++m_lineNumber;
    m_line = m_decoder.decode(bytes);
    if (m_decoder.hasError()) {
        report(results::tr("Invalid characters for the encoding %1 found. They are replaced.")
                   .arg(QString::fromLatin1(m_decoder.name())),
               false);
        m_decoder.resetState();
    }
    if (bytes.contains('\0')) {
        report(results::tr("NUL characters found. They are replaced."), false);
        m_line.replace(QChar(0), QChar(QChar::ReplacementCharacter));
    }
    m_line = std::move(m_line).trimmed();
    return true;
}

void PoReader::checkCurrentStringEmpty()
{
    check(m_wholeCurrentString.isEmpty(),
          QT_TRANSLATE_NOOP("results", "!wholeCurrentString.isEmpty()"));
}

QString PoReader::takeQuotedValue(const QString &keyword, const char *startQuoteReport)
{
    QString value = m_line;
    check(value.endsWith(QLatin1Char('"')), EndQuoteReport);
    value.chop(1);
    value.remove(0, keyword.size());
    removeLeadingSpace(value);
    check(value.startsWith(QLatin1Char('"')), startQuoteReport);
    value.remove(0, 1);
    return value;
}

void PoReader::setUpLanguage(const QString &language)
{
    m_store->setUpLanguage(language, m_clearFirst, m_path);
    m_languageSetUp = true;
}

void PoReader::read()
{
    chooseCharset();
    m_data = m_file->readAll();
    findHeader();
    while (nextLine())
        readLine();
    endOfFile();
}

void PoReader::readLine()
{
    if (!m_line.isEmpty())
        m_previousLineEmpty = false;
    if (m_headerMode) {
        readHeaderLine();
        return;
    }
    const QString &line = m_line;
    // Most lines are continued strings: the first character rules out the
    // comments and keywords at once.
    const bool comment = line.startsWith(QLatin1Char('#'));
    const bool keyword = line.startsWith(QLatin1Char('m'));
    if (comment && line.startsWith(QLatin1String("#."))) {
        readIgnoreComment(line, m_lineNumber, m_store, m_origin.silenced);
        return;
    } else if (comment && line.startsWith(QLatin1String("#:"))) {
        checkCurrentStringEmpty();
        QString location = line.mid(2);
        removeLeadingSpace(location);
        m_locations.append(location);
    } else if (comment && line.startsWith(QLatin1String("#,"))) {
        checkCurrentStringEmpty();
        readFlags();
    } else if (comment && line.startsWith(QLatin1String("#~"))) {
        checkCurrentStringEmpty();
        m_obsolete = true;
    } else if (comment && line.startsWith(QLatin1String("#|"))) {
        checkCurrentStringEmpty();
    } else if (comment) {
        // "# " and "#": translator comments
        readIgnoreComment(line, m_lineNumber, m_store, m_origin.silenced);
        return;
    } else if (keyword && line.startsWith(QLatin1String("msgctxt"))) {
        readContextLine();
    } else if (keyword && line.startsWith(QLatin1String("msgid_plural"))) {
        readPluralIdLine();
    } else if (keyword && line.startsWith(QLatin1String("msgid"))) {
        readIdLine();
    } else if (keyword && line.startsWith(QLatin1String("msgstr"))) {
        readTranslationLine();
    } else if (line.isEmpty()) {
        endEntry();
    } else if (!m_keywordSeen) {
        report(results::tr("Unknown line."));
    } else {
        m_wholeCurrentString += takeQuotedValue(QString(), StartQuoteReport);
    }
}

void PoReader::readFlags()
{
    QString flags = m_line.mid(2);
    if (flags.contains(QLatin1String(" fuzzy"))) {
        m_fuzzy = true;
        flags.remove(QLatin1String(" fuzzy"));
    }
    if (flags.contains(QLatin1String(" no-c-format")) || flags.contains(QLatin1String(" qt-format"))
        || flags.contains(QLatin1String(" lua-format")))
        m_formatFlag = -1;
    else if (flags.contains(QLatin1String(" c-format")))
        m_formatFlag = 1;
    for (const char *known : {" no-wrap", " qt-format", " lua-format", " no-c-format", " c-format"})
        flags.remove(QLatin1String(known));
    flags.remove(QLatin1Char(','));
    flags = flags.simplified();
    if (!flags.isEmpty())
        report(results::tr("Unknown flag '%1'.").arg(flags));
}

void PoReader::readContextLine()
{
    checkCurrentStringEmpty();
    check(m_line.count(QLatin1Char('"')) > 1, QuoteCountReport);
    check(m_locationInLinguist.isEmpty(),
          QT_TRANSLATE_NOOP("results", "!locationInLinguist.isEmpty()"));
    m_wholeCurrentString = takeQuotedValue(QStringLiteral("msgctxt"), ContextStartQuoteReport);
    m_msgctxtFound = true;
    m_keywordSeen = true;
}

void PoReader::readIdLine()
{
    if (!m_msgctxtFound) {
        check(m_locationInLinguist.isEmpty(),
              QT_TRANSLATE_NOOP("results", "!locationInLinguist.isEmpty()"));
        m_locationInLinguist = m_path;
    } else {
        check(!m_wholeCurrentString.isEmpty(),
              QT_TRANSLATE_NOOP("results", "wholeCurrentString.isEmpty()"));
        check(m_locationInLinguist.isEmpty(),
              QT_TRANSLATE_NOOP("results", "!locationInLinguist.isEmpty()"));
        if (m_qtContexts) {
            const qsizetype bar = m_wholeCurrentString.indexOf(QLatin1Char('|'));
            check(bar >= 0, QT_TRANSLATE_NOOP("results", "! index>1"));
            m_wholeCurrentString.truncate(qMax<qsizetype>(bar, 0));
        }
        m_locationInLinguist = m_wholeCurrentString;
        m_wholeCurrentString.clear();
    }
    check(!m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' found"));
    check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
    check(!m_msgid_pluralFound, QT_TRANSLATE_NOOP("results", "'msgid_pluralFound' found"));
    m_wholeCurrentString = takeQuotedValue(QStringLiteral("msgid"), StartQuoteReport);
    m_origin.sourceLine = m_lineNumber;
    m_msgidFound = true;
    m_keywordSeen = true;
}

QString PoReader::unescape(const QString &text)
{
    QString unknown;
    const QString result = unescapePoString(text, &unknown);
    if (!unknown.isEmpty())
        report(results::tr("Unknown escape sequence %1.").arg(unknown), false);
    return result;
}

void PoReader::readPluralIdLine()
{
    check(!m_wholeCurrentString.isEmpty(),
          QT_TRANSLATE_NOOP("results", "wholeCurrentString.isEmpty()"));
    check(m_source.isEmpty(), QT_TRANSLATE_NOOP("results", "!source.isEmpty()"));
    m_source = unescape(m_wholeCurrentString);
    m_wholeCurrentString.clear();
    check(!m_source.isEmpty(), QT_TRANSLATE_NOOP("results", "source.isEmpty()"));
    check(m_sourcePlural.isEmpty(), QT_TRANSLATE_NOOP("results", "!sourcePlural.isEmpty()"));
    check(m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' not found"));
    check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
    check(!m_msgid_pluralFound, QT_TRANSLATE_NOOP("results", "'msgid_pluralFound' found"));
    m_wholeCurrentString = takeQuotedValue(QStringLiteral("msgid_plural"), StartQuoteReport);
    m_msgid_pluralFound = true;
    m_keywordSeen = true;
}

void PoReader::readTranslationLine()
{
    QString rest = m_line;
    check(rest.endsWith(QLatin1Char('"')), EndQuoteReport);
    rest.chop(1);
    rest.remove(0, 6); // "msgstr"
    int index = 0;
    if (rest.startsWith(QLatin1Char('['))) {
        rest.remove(0, 1);
        qsizetype digits = 0;
        while (digits < rest.size() && rest.at(digits).isDigit() && rest.at(digits).unicode() < 128)
            ++digits;
        bool ok = false;
        index = QStringView(rest).left(digits).toInt(&ok, 10);
        check(ok, QT_TRANSLATE_NOOP("results", "!ok"));
        rest.remove(0, digits);
        check(rest.startsWith(QLatin1Char(']')), IndexBracketReport);
        if (rest.startsWith(QLatin1Char(']')))
            rest.remove(0, 1);
    }
    if (index > 0) {
        check(!m_source.isEmpty(), QT_TRANSLATE_NOOP("results", "source.isEmpty()"));
        check(!m_sourcePlural.isEmpty(), QT_TRANSLATE_NOOP("results", "sourcePlural.isEmpty()"));
        m_translationList.append(unescape(m_wholeCurrentString));
    } else {
        check(!m_wholeCurrentString.isEmpty(),
              QT_TRANSLATE_NOOP("results", "wholeCurrentString.isEmpty()"));
        check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
        if (!m_msgid_pluralFound) {
            check(m_source.isEmpty(), QT_TRANSLATE_NOOP("results", "!source.isEmpty()"));
            m_source = unescape(m_wholeCurrentString);
        } else {
            check(!m_source.isEmpty(), QT_TRANSLATE_NOOP("results", "source.isEmpty()"));
            check(m_sourcePlural.isEmpty(),
                  QT_TRANSLATE_NOOP("results", "!sourcePlural.isEmpty()"));
            m_sourcePlural = unescape(m_wholeCurrentString);
        }
    }
    m_wholeCurrentString.clear();
    removeLeadingSpace(rest);
    check(rest.startsWith(QLatin1Char('"')), TranslationStartQuoteReport);
    rest.remove(0, 1);
    m_wholeCurrentString = rest;
    check(m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' not found"));
    check(!m_locationInLinguist.isEmpty(),
          QT_TRANSLATE_NOOP("results", "locationInLinguist.isEmpty()"));
    m_translationLines.append(m_lineNumber);
    m_msgstrFound = true;
    m_keywordSeen = true;
}

void PoReader::endEntry()
{
    if (m_obsolete) {
        check(!m_msgctxtFound, QT_TRANSLATE_NOOP("results", "'msgctxtFound' found"));
        check(!m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' found"));
        check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
        checkCurrentStringEmpty();
    } else if (m_locationInLinguist.isEmpty() && !m_msgidFound && !m_msgstrFound
               && !m_msgid_pluralFound) {
        if (m_previousLineEmpty)
            m_store->log(QtInfoMsg, results::tr("Second empty line found.") + QLatin1Char(' ')
                                        + QString::number(m_lineNumber) + QLatin1String(" : ")
                                        + m_path);
    } else {
        flushEntry(true);
    }
    resetEntry();
}

void PoReader::flushEntry(bool checkIdFound)
{
    check(!m_locationInLinguist.isEmpty(),
          QT_TRANSLATE_NOOP("results", "locationInLinguist.isEmpty()"));
    if (checkIdFound)
        check(m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' not found"));
    check(m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' not found"));
    m_translationList.append(unescape(m_wholeCurrentString));
    // A header without a language field: the rules are set up as for an empty
    // language before the first entry is checked.
    if (!m_languageSetUp)
        setUpLanguage(QString());
    m_store->formatFlag = m_formatFlag;
    // Each form points at its own msgstr line (the last one read for a malformed
    // entry with more texts than lines).
    const auto setOrigin = [this](int form) {
        m_origin.translationLine
            = m_translationLines.isEmpty()
                  ? 0
                  : m_translationLines.at(qMin<qsizetype>(form - 1, m_translationLines.size() - 1));
        m_store->setMessageOrigin(m_origin);
    };
    if (m_translationList.size() == 1) {
        setOrigin(1);
        m_store->checkMessage(m_source, m_translationList.first(), m_locationInLinguist,
                              m_locations, m_fuzzy, false, 1, QString(), QString());
        return;
    }
    check(m_msgid_pluralFound, QT_TRANSLATE_NOOP("results", "'msgid_pluralFound' not found"));
    // A template's plural forms are the two of the source: its header has no
    // number of forms yet.
    if (m_translationList.size() != m_nplurals && !m_store->sourceOnly)
        report(wrongNumberOfPlurals(m_nplurals, int(m_translationList.size())), false);
    setOrigin(1);
    m_store->checkPluralForms(m_source, m_locationInLinguist, m_fuzzy,
                              int(m_translationList.size()), m_nplurals);
    for (int form = 2; form <= m_translationList.size(); ++form) {
        setOrigin(form);
        m_store->checkMessage(m_sourcePlural, m_translationList.at(form - 1), m_locationInLinguist,
                              m_locations, m_fuzzy, false, form, QString(), QString());
    }
}

void PoReader::resetEntry()
{
    m_wholeCurrentString.clear();
    m_locations.clear();
    m_locationInLinguist.clear();
    m_source.clear();
    m_sourcePlural.clear();
    m_translationList.clear();
    m_translationLines.clear();
    m_origin = MessageOrigin();
    m_headerMode = false;
    m_msgctxtFound = false;
    m_msgidFound = false;
    m_msgid_pluralFound = false;
    m_msgstrFound = false;
    m_keywordSeen = false;
    m_fuzzy = false;
    m_formatFlag = 0;
    m_obsolete = false;
    m_previousLineEmpty = true;
}

void PoReader::readHeaderLine()
{
    const QString &line = m_line;
    if (line.startsWith(QLatin1String("# ")) || line == QLatin1String("#")) {
        return;
    } else if (line.startsWith(QLatin1String("#,"))) {
        if (!line.contains(QLatin1String("fuzzy")))
            report(results::tr("#, is not supported yet"));
        // A template's header is fuzzy until a translator fills it in.
        else if (!m_store->sourceOnly)
            report(results::tr("Information: This .po file has not been translated earlier"),
                   false);
    } else if (line.startsWith(QLatin1String("msgctxt"))) {
        checkCurrentStringEmpty();
        report(results::tr("'msgctxt' found"));
    } else if (line.startsWith(QLatin1String("msgid"))) {
        check(!m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' found"));
        check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
        check(!m_msgid_pluralFound, QT_TRANSLATE_NOOP("results", "'msgid_pluralFound' found"));
        checkCurrentStringEmpty();
        m_msgidFound = true;
        m_keywordSeen = true;
    } else if (line.startsWith(QLatin1String("msgstr"))) {
        check(m_msgidFound, QT_TRANSLATE_NOOP("results", "'msgidFound' not found"));
        check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
        check(!m_msgid_pluralFound, QT_TRANSLATE_NOOP("results", "'msgid_pluralFound' found"));
        checkCurrentStringEmpty();
        m_msgstrFound = true;
        m_keywordSeen = true;
    } else if (line.isEmpty()) {
        check(m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' not found"));
        m_headerMode = false;
        m_msgidFound = false;
        m_msgstrFound = false;
        m_keywordSeen = false;
    } else if (!m_keywordSeen) {
        if (line.startsWith(QLatin1Char('#')))
            report(results::tr("Space after comment character # not found"), false);
        else
            report(results::tr("'Unknown line"));
    } else {
        readHeaderField();
    }
}

void PoReader::readHeaderField()
{
    const QString &line = m_line;
    if (line.contains(QLatin1String("X-Source-Language"))
        || line.contains(QLatin1String("Language-Team"))) {
        return;
    }
    // Only the fields named exactly "Language" or "X-Language" name the language;
    // "X-Poedit-Language: Greek" and the like do not.
    QStringView field = QStringView(line).left(qMax<qsizetype>(line.indexOf(QLatin1Char(':')), 0));
    if (field.startsWith(QLatin1Char('"')))
        field = field.mid(1);
    field = field.trimmed();
    if (field == QLatin1String("X-Language") || field == QLatin1String("Language")) {
        const QLatin1String word = field == QLatin1String("X-Language")
                                       ? QLatin1String("X-Language")
                                       : QLatin1String("Language");
        QString language = line;
        language.remove(word).remove(QLatin1Char(':')).remove(QLatin1Char('"'));
        language = language.simplified();
        if (language.endsWith(QLatin1String("\\n")))
            language.chop(2);
        // A header that repeats the field sets the language up once more at most,
        // when it names another language, so that the difference is reported.
        if (!m_languageSetUp) {
            m_language = language;
            setUpLanguage(language);
        } else if (language != m_language && !m_secondLanguage) {
            m_secondLanguage = true;
            setUpLanguage(language);
        }
        if (m_nplurals != -1)
            compareNumerus();
    } else if (line.contains(QLatin1String("Plural-Forms")) && m_store->sourceOnly) {
        return; // "nplurals=INTEGER" until the template becomes a catalogue
    } else if (line.contains(QLatin1String("Plural-Forms"))) {
        const qsizetype at = line.indexOf(QLatin1String("nplurals"));
        if (at < 0) {
            report(results::tr("'nplurals' not found"));
            return;
        }
        qsizetype start = at;
        while (start < line.size() && !(line.at(start).isDigit() && line.at(start).unicode() < 128))
            ++start;
        qsizetype end = start;
        while (end < line.size() && line.at(end).isDigit() && line.at(end).unicode() < 128)
            ++end;
        bool ok = false;
        m_nplurals = QStringView(line).mid(start, end - start).toInt(&ok, 10);
        if (!ok) {
            report(results::tr("'nplurals' is mot a number."));
            m_nplurals = 9;
        }
        compareNumerus();
    } else if (line.contains(QLatin1String("X-Qt-Contexts: true"))) {
        m_qtContexts = true;
    }
}

void PoReader::compareNumerus()
{
    const int maxNumerus = m_store->translationRules.maxNumerus;
    if (!m_store->languageReady || maxNumerus == m_nplurals)
        return;
    if (maxNumerus == results::unknownNumerus)
        report(results::tr("'nplurals' is %1 while 'maxNumerusTranslation' is %2. Language not "
                           "supported?")
                   .arg(QString::number(m_nplurals), QString::number(maxNumerus)),
               false);
    else
        report(results::tr("'nplurals' is %1 while 'maxNumerusTranslation' is %2. Looks like an "
                           "incorrect .po file.")
                   .arg(QString::number(m_nplurals), QString::number(maxNumerus)),
               false);
}

// "Content-Type: text/plain; charset=ISO-8859-1\n" in the header: the file is
// decoded with the declared charset where Qt knows it. The header is looked up
// before the first line is read, since the fields before it may use the charset.
void PoReader::chooseCharset()
{
    const QByteArray head = m_file->peek(HeaderPeekSize);
    const auto reportUnsupported = [&](const QString &charset, int line) {
        m_problems.report(results::tr("The charset %1 is not supported. The file was read as "
                                      "UTF-8.")
                              .arg(charset),
                          line, false);
    };
    // Lines are split at line-feed bytes, so a charset that spends more than one
    // byte on an ASCII character (UTF-16, UTF-32) cannot be read line by line.
    const auto isWide = [](std::optional<QStringConverter::Encoding> encoding) {
        return encoding && *encoding != QStringConverter::Utf8
               && *encoding != QStringConverter::Latin1 && *encoding != QStringConverter::System;
    };
    const auto byteOrderMark = QStringConverter::encodingForData(head);
    if (isWide(byteOrderMark)) {
        reportUnsupported(QString::fromLatin1(QStringConverter::nameForEncoding(*byteOrderMark)),
                          1);
        return;
    }
    const QByteArray marker = "charset=";
    const qsizetype at = head.indexOf(marker);
    if (at < 0)
        return;
    qsizetype end = at + marker.size();
    while (end < head.size()
           && (QChar::isLetterOrNumber(uchar(head.at(end))) || head.at(end) == '-'
               || head.at(end) == '_' || head.at(end) == '.' || head.at(end) == ':'))
        ++end;
    const QByteArray charset = head.mid(at + marker.size(), end - at - marker.size());
    const QByteArray upper = charset.toUpper();
    if (charset.isEmpty() || upper == "UTF-8" || upper == "UTF8" || charset == "CHARSET")
        return;
    QStringDecoder decoder(charset.constData(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid() || isWide(QStringConverter::encodingForName(charset.constData()))) {
        reportUnsupported(QString::fromLatin1(charset), int(head.left(at).count('\n')) + 1);
        return;
    }
    m_decoder = std::move(decoder);
}

// The header is an entry with an empty msgid. A file whose first entry has a
// message id has none: that entry is an ordinary one and is read as such, and
// the missing header is reported.
void PoReader::findHeader()
{
    int lineNumber = 0;
    qsizetype position = 0;
    int idLine = 0; // the line of the first msgid or msgctxt
    bool emptyId = true;
    const auto isEmptyString = [](QByteArrayView value) { return value.trimmed() == "\"\""; };
    while (position < m_data.size()) {
        const qsizetype lineFeed = m_data.indexOf('\n', position);
        const qsizetype end = lineFeed < 0 ? m_data.size() : lineFeed + 1;
        const QByteArrayView line
            = QByteArrayView(m_data).sliced(position, end - position).trimmed();
        position = end;
        ++lineNumber;
        if (idLine > 0) { // continuation lines of the first msgid
            if (!line.startsWith('"'))
                break;
            emptyId = emptyId && isEmptyString(line);
            continue;
        }
        // Comments, and a context with its continuation lines, come before the id.
        if (line.isEmpty() || line.startsWith('#') || line.startsWith("msgctxt")
            || line.startsWith('"'))
            continue;
        if (!line.startsWith("msgid") || line.startsWith("msgid_plural"))
            return; // left to the checks of the header
        idLine = lineNumber;
        emptyId = isEmptyString(line.sliced(5));
    }
    if (idLine == 0 || emptyId)
        return;
    m_headerMode = false;
    m_problems.report(results::tr("The file has no header: its first entry has a message id. "
                                  "The entry is checked as a message."),
                      idLine, false);
}

void PoReader::endOfFile()
{
    if (m_lineNumber == 0) {
        report(results::tr("The file is empty."), false);
        return;
    }
    if (m_headerMode) {
        // A file that holds only its header: the header ends with the file.
        if (m_msgidFound)
            check(m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' not found"));
        return;
    }
    if (!m_msgidFound) {
        check(m_locationInLinguist.isEmpty(),
              QT_TRANSLATE_NOOP("results", "!locationInLinguist.isEmpty()"));
        check(!m_msgstrFound, QT_TRANSLATE_NOOP("results", "'msgstrFound' found"));
        checkCurrentStringEmpty();
        check(!m_msgid_pluralFound, QT_TRANSLATE_NOOP("results", "'msgid_pluralFound' found"));
        check(m_translationList.isEmpty(),
              QT_TRANSLATE_NOOP("results", "!translationList.isEmpty()"));
        return;
    }
    flushEntry(false);
}

} // namespace

QString unescapePoString(const QString &text, QString *unknown)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString result;
    result.reserve(text.size());
    // Octal and hexadecimal escapes give bytes; a run of them is decoded as UTF-8
    // together, so that an escaped multi-byte character stays one character.
    QByteArray bytes;
    const auto flushBytes = [&] {
        if (!bytes.isEmpty()) {
            result += QString::fromUtf8(bytes);
            bytes.clear();
        }
    };
    const auto isOctal = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('7'); };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == size) {
            flushBytes();
            result += c;
            continue;
        }
        const QChar next = text.at(i + 1);
        if (isOctal(next)) {
            int value = 0;
            qsizetype j = i + 1;
            for (; j < size && j < i + 4 && isOctal(text.at(j)); ++j)
                value = value * 8 + (text.at(j).unicode() - '0');
            bytes += char(value & 0xff);
            i = j - 1;
            continue;
        }
        const auto hexValue = [](QChar h) {
            const ushort u = h.unicode();
            return u >= '0' && u <= '9'   ? u - '0'
                   : u >= 'a' && u <= 'f' ? u - 'a' + 10
                   : u >= 'A' && u <= 'F' ? u - 'A' + 10
                                          : -1;
        };
        if (next == QLatin1Char('x') && i + 2 < size && hexValue(text.at(i + 2)) >= 0) {
            int value = 0;
            qsizetype j = i + 2;
            for (; j < size && hexValue(text.at(j)) >= 0; ++j)
                value = (value * 16 + hexValue(text.at(j))) & 0xff;
            bytes += char(value);
            i = j - 1;
            continue;
        }
        flushBytes();
        static const char escapes[] = "n\nt\tr\ra\ab\bf\fv\v\\\\\"\"";
        bool known = false;
        for (const char *e = escapes; *e; e += 2) {
            if (next == QLatin1Char(e[0])) {
                result += QLatin1Char(e[1]);
                known = true;
                break;
            }
        }
        if (!known) {
            // Kept as it stands, and named for the caller.
            result += c;
            result += next;
            if (unknown && unknown->isEmpty())
                *unknown = QString(c) + next;
        }
        ++i;
    }
    flushBytes();
    return result;
}

void readPoDevice(bool clearFirst, const QString &path, QIODevice *device, results *store)
{
    store->log(QtInfoMsg, QLatin1String("Reading file ") + path);
    if (clearFirst)
        store->clear();
    store->beginFile(path);
    PoReader reader(clearFirst, path, store, device);
    store->sourceOnly = path.endsWith(QLatin1String(".pot"));
    reader.read();
    store->sourceOnly = false;
}

QString readPoFile(bool clearFirst, const QString &path, results *store)
{
    QFile file;
    const QString problem = openTranslationFile(file, path);
    if (!problem.isEmpty())
        return problem;
    readPoDevice(clearFirst, path, &file, store);
    return QString();
}
