// The e-mail, URI and markup scanners. Each is written once and runs on the
// source (S20, S21) or on the translation (T20, T21); the side decides the
// options, the check indices and how a finding is recorded.

#include "checks/results.h"
#include "checks/textutil.h"
#include "model/appsettings.h"

#include <algorithm>

namespace {

bool isSquareOrRoundBracket(QChar c)
{
    return c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('[')
           || c == QLatin1Char(']');
}

bool endsUriToken(QChar c)
{
    return c.isSpace() || c == QLatin1Char('"') || c == QLatin1Char('<') || c == QLatin1Char('>')
           || (isBracketOrQuotePunctuation(c) && !isSquareOrRoundBracket(c));
}

// A full stop or colon followed by one of these does not look like part of a URI.
bool endsUriFeature(QChar next)
{
    return next.isSpace() || next == QLatin1Char('.') || next == QLatin1Char('<')
           || next == QLatin1Char('>') || isBracketOrQuotePunctuation(next);
}

const TwinChecks Email {CheckS20_1, CheckT20_1};
const TwinChecks Uri {CheckS20_2, CheckT20_2};
const TwinChecks TagBrace {CheckS21_1, CheckT21_1};
const TwinChecks TagName {CheckS21_2, CheckT21_2};
const TwinChecks TagAttribute {CheckS21_3, CheckT21_3};
const TwinChecks TagNesting {CheckS21_4, CheckT21_4};

struct TagOptions {
    bool arrowIsStray; // "Don't allow '->'"
    bool comparisonIsBrace; // "Don't allow ' < ', ' > ', ' <=' and ' >='"
    bool nameSubsetOnly;
    bool strictXml;
    bool attributeHtmlSubsetOnly;
    bool attributeCssSubsetOnly;
};

TagOptions tagOptions(const AppSettingsRecord &o, bool translationSide)
{
    if (translationSide)
        return {o.checkT21_1_1CheckBox, o.checkT21_1_2CheckBox, o.checkT21_2_1CheckBox,
                o.checkT21_2_2CheckBox, o.checkT21_3_1CheckBox, o.checkT21_3_2CheckBox};
    return {o.checkS21_1_1CheckBox, o.checkS21_1_2CheckBox, o.checkS21_2_1CheckBox,
            o.checkS21_2_2CheckBox, o.checkS21_3_1CheckBox, o.checkS21_3_2CheckBox};
}

struct TagScan;

class TextScanner
{
public:
    TextScanner(results &store, MessageState &state, bool translationSide,
                SourceCheckOutcome *capture)
        : m_store(store)
        , m_state(state)
        , m_translationSide(translationSide)
        , m_text(translationSide ? state.translation : state.source)
        , m_emails(translationSide ? state.translationEmails : state.sourceEmails)
        , m_uris(translationSide ? state.translationUris : state.sourceUris)
        , m_tags(translationSide ? state.translationTags : state.sourceTags)
        , m_capture(capture)
    { }

    void scanEmails();
    void scanUris();
    void scanTags();

private:
    bool skipped(int index) const
    {
        return m_translationSide && m_store.skippedByPartialRule(index, m_state);
    }
    void fail(TwinChecks checks, const QString &message);
    void failToken(TwinChecks checks, const QString &message, const QString &token);
    int openTag(TagScan &tag, int i);
    int angledText(int i) const;
    void readInTag(TagScan &tag, int i);
    void endTagToken(TagScan &tag, int i);
    void endTag(TagScan &tag, int i);
    bool isComparison(int i) const;

    results &m_store;
    MessageState &m_state;
    const bool m_translationSide;
    const QString &m_text;
    QSet<QString> &m_emails;
    QSet<QString> &m_uris;
    QSet<QString> &m_tags;
    SourceCheckOutcome *m_capture; // on the source side, where the findings go instead
};

// S21/T21: the message (or nothing) before the source, and the translation.
void TextScanner::fail(TwinChecks checks, const QString &message)
{
    const int index = checks.on(m_translationSide);
    m_state.failed.set(index);
    const QChar lf = QLatin1Char('\n');
    if (m_capture) {
        m_capture->findings.append(
            {index, message.isEmpty() ? m_state.source : QString(message + lf + m_state.source), 1,
             QString(), false});
        return;
    }
    if (skipped(index) || !m_store.findingAllowed(m_state, index))
        return;
    if (m_translationSide) {
        const QString &texts = m_state.texts;
        m_store.recordTranslationFinding(m_state, index,
                                         message.isEmpty() ? texts : QString(message + lf + texts));
    } else {
        m_store.recordSourceFinding(m_state, index,
                                    message.isEmpty() ? m_state.source
                                                      : QString(message + lf + m_state.source));
    }
}

// S20/T20: the message and the token; a source finding names the source
// beside each location.
void TextScanner::failToken(TwinChecks checks, const QString &message, const QString &token)
{
    const int index = checks.on(m_translationSide);
    m_state.failed.set(index);
    const QChar lf = QLatin1Char('\n');
    if (m_capture) {
        m_capture->findings.append({index, message + lf + token, 1, m_state.source + lf, true});
        return;
    }
    if (skipped(index) || !m_store.findingAllowed(m_state, index))
        return;
    if (m_translationSide)
        m_store.recordTranslationFinding(m_state, index,
                                         message + QLatin1Char(' ') + token + lf + m_state.source
                                             + lf + m_state.translation);
    else if (!m_state.locations.isEmpty()) // the source is copied into every value
        m_store.recordSourceFinding(m_state, index, message + lf + token, m_state.source + lf);
}

void TextScanner::scanEmails()
{
    if (!m_text.contains(QLatin1Char('@')))
        return;
    // A token is the text between two separators.
    int start = 0;
    const auto endToken = [&](int end) {
        const QStringView view = QStringView(m_text).mid(start, end - start);
        start = end + 1;
        if (!view.contains(QLatin1Char('@')))
            return;
        const QString token = view.toString();
        m_emails.insert(token);
        QString message;
        if (m_store.checkEmail(token, message))
            failToken(Email, message, token);
    };
    const int n = m_text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = m_text.at(i);
        if (c.isSpace() || c == QLatin1Char('<') || c == QLatin1Char('>'))
            endToken(i);
    }
    endToken(n);
}

void TextScanner::scanUris()
{
    const bool detectTilde = m_store.options().checkST20_2_1CheckBox;
    const bool detectColon = m_store.options().checkST20_2_2CheckBox;
    const bool detectBrackets = m_store.options().checkST20_2_3CheckBox;
    const int dotsNeeded = m_store.options().checkST20_2_4CheckBox ? 1 : 2;
    const int slashesNeeded = m_store.options().checkST20_2_5CheckBox ? 1 : 2;
    const bool dontTrim = m_store.options().checkST20_2_6CheckBox;

    // A token is the text between two characters that end one.
    int start = 0;
    bool bracket = false, colon = false, tilde = false;
    int dots = 0, slashes = 0;
    const auto endToken = [&](int end) {
        if (bracket || colon || tilde || dots >= dotsNeeded || slashes >= slashesNeeded) {
            QString token = m_text.mid(start, end - start);
            QString message;
            if (m_store.checkUri(token, message))
                failToken(Uri, message, token);
            if (!dontTrim)
                m_store.trimToLettersOrNumbers(token);
            if (!token.isEmpty())
                m_uris.insert(token);
        }
        start = end + 1;
        bracket = colon = tilde = false;
        dots = slashes = 0;
    };

    const int n = m_text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = m_text.at(i);
        if (endsUriToken(c)) {
            endToken(i);
            continue;
        }
        const QChar previous = i > 0 ? m_text.at(i - 1) : QChar();
        const QChar next = i + 1 < n ? m_text.at(i + 1) : QChar();
        if (c == QLatin1Char('[') || c == QLatin1Char(']')) {
            bracket = bracket || detectBrackets;
        } else if (c == QLatin1Char('.')) {
            if (i + 1 < n && previous != QLatin1Char('.') && !endsUriFeature(next))
                ++dots;
        } else if (c == QLatin1Char('/')) {
            if (previous != QLatin1Char('<'))
                ++slashes;
        } else if (c == QLatin1Char(':')) {
            if (detectColon && i + 1 < n && !endsUriFeature(next) && !next.isNumber()
                && (i == 0 || !previous.isNumber()))
                colon = true;
        } else if (c == QLatin1Char('~')) {
            tilde = tilde || detectTilde;
        }
    }
    endToken(n);
}

// The tag being read by scanTags, and the elements still open.
struct TagScan {
    TagOptions options;
    bool inTag = false;
    QString tagText, token, name;
    bool nameKnown = false; // a tag with a blank after "<" has a known, empty name
    bool closing = false, selfClosing = false;
    QChar quote; // the quote that opened the current attribute value, null when none
    QStringList openElements;

    void reset()
    {
        inTag = nameKnown = closing = selfClosing = false;
        tagText.clear();
        token.clear();
        name.clear();
        quote = QChar();
    }
};

// The first token of a tag is its name; the others are attributes.
void TextScanner::endTagToken(TagScan &tag, int i)
{
    const QChar c = m_text.at(i);
    tag.tagText += c;
    if (c == QLatin1Char('>') && i > 0 && m_text.at(i - 1) == QLatin1Char('/')) {
        tag.selfClosing = true;
        if (tag.token.endsWith(QLatin1Char('/')))
            tag.token.chop(1);
    }
    QString message;
    if (!tag.nameKnown) {
        tag.nameKnown = true;
        tag.name = tag.token;
        if (tag.closing) {
            if (tag.name.startsWith(QLatin1Char('/')))
                tag.name.remove(0, 1);
            else
                fail(TagName, results::tr("Missing tag name diretly after character /."));
        }
        if (m_store.emptyElements.contains(tag.name)) {
            if (!tag.options.strictXml)
                tag.selfClosing = true;
            if (tag.closing)
                fail(TagNesting, results::tr("%1 is an empty element and can't start "
                                             "with /. It can only end with /.")
                                     .arg(tag.name));
        }
        if (m_store.checkTagName(tag.name, tag.options.nameSubsetOnly, message))
            fail(TagName, message);
    } else if (tag.name != QLatin1String("!DOCTYPE")) {
        if (m_store.checkTagAttribute(tag.token, tag.options.attributeHtmlSubsetOnly,
                                      tag.options.attributeCssSubsetOnly, message))
            fail(TagAttribute, message);
    }
    tag.token.clear();
}

void TextScanner::endTag(TagScan &tag, int i)
{
    if (!tag.tagText.isEmpty())
        m_tags.insert(tag.tagText);
    if (!tag.selfClosing) {
        if (!tag.closing)
            tag.openElements.append(tag.name);
        else if (tag.openElements.isEmpty())
            fail(TagNesting, results::tr("<%1> is not opened before position %2.")
                                 .arg(tag.name, QString::number(i)));
        else if (tag.openElements.last() == tag.name)
            tag.openElements.removeLast();
        else
            fail(TagNesting, results::tr("Missing <%1> at position %2.")
                                 .arg(tag.openElements.last(), QString::number(i)));
    }
    tag.reset();
}

// " < ", " <=", " > " and " >=" read as comparisons.
bool TextScanner::isComparison(int i) const
{
    const int n = m_text.size();
    return i > 0 && i + 1 < n && m_text.at(i - 1).isSpace()
           && (m_text.at(i + 1).isSpace() || m_text.at(i + 1) == QLatin1Char('='));
}

// Where "<" at i starts text in angle brackets that makes no tag: with the option,
// "<empty>", "<%1>" and "<http://...>" (only the names of HTML elements make tags),
// and "<user@host>", a contact address. The position to go on from, or -1.
int TextScanner::angledText(int i) const
{
    const int n = m_text.size();
    if (m_store.options().checkST21_1_1CheckBox) {
        int end = i + 1;
        if (end < n && m_text.at(end) == QLatin1Char('/'))
            ++end;
        const int nameStart = end;
        while (end < n && m_text.at(end).isLetterOrNumber() && m_text.at(end).unicode() < 128)
            ++end;
        const QString tagName = m_text.mid(nameStart, end - nameStart).toLower();
        const bool nameEnds = end < n
                              && (m_text.at(end) == QLatin1Char('>') || m_text.at(end).isSpace()
                                  || m_text.at(end) == QLatin1Char('/'));
        if (!nameEnds
            || !(m_store.htmlSubsetTags.contains(tagName)
                 || m_store.emptyElements.contains(tagName))) {
            const int close = m_text.indexOf(QLatin1Char('>'), i + 1);
            const int next = m_text.indexOf(QLatin1Char('<'), i + 1);
            return close > i && (next < 0 || close < next) ? close : i;
        }
    }
    if (m_store.options().checkST20_1_1CheckBox) {
        const int close = m_text.indexOf(QLatin1Char('>'), i + 1);
        if (close > i + 1) {
            const QStringView inside = QStringView(m_text).mid(i + 1, close - i - 1);
            if (inside.contains(QLatin1Char('@'))
                && std::none_of(inside.begin(), inside.end(), [](QChar d) { return d.isSpace(); }))
                return close;
        }
    }
    return -1;
}

// A "<": a second one before the tag closed is a fault; a comparison or text in angle
// brackets is no tag. The position to go on from.
int TextScanner::openTag(TagScan &tag, int i)
{
    if (tag.inTag || tag.closing || tag.selfClosing || !tag.tagText.isEmpty() || !tag.name.isEmpty()
        || !tag.token.isEmpty()) {
        fail(TagBrace,
             tag.name.isEmpty()
                 ? results::tr("Second opening brace found, but the previous isn't closed.")
                 : results::tr("Second opening brace found, but tag <%1> is't closed.")
                       .arg(tag.name));
        tag.reset();
    }
    if (!tag.options.comparisonIsBrace && isComparison(i))
        return i;
    const int skipTo = angledText(i);
    if (skipTo >= 0)
        return skipTo;
    tag.inTag = true;
    tag.tagText = m_text.at(i);
    tag.closing = i + 1 < m_text.size() && m_text.at(i + 1) == QLatin1Char('/');
    return i;
}

// One character inside a tag.
void TextScanner::readInTag(TagScan &tag, int i)
{
    const QChar c = m_text.at(i);
    if (!tag.quote.isNull()) {
        tag.tagText += c;
        tag.token += c;
        if (c == tag.quote)
            tag.quote = QChar();
        return;
    }
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        if (!tag.nameKnown)
            return; // dropped before the name
        tag.quote = c;
        tag.tagText += c;
        tag.token += c;
    } else if (c.isSpace()) {
        endTagToken(tag, i);
    } else if (c == QLatin1Char('>')) {
        endTagToken(tag, i);
        endTag(tag, i);
    } else {
        tag.tagText += c;
        tag.token += c;
    }
}

void TextScanner::scanTags()
{
    if (!m_text.contains(QLatin1Char('<')) && !m_text.contains(QLatin1Char('>')))
        return;
    TagScan tag;
    tag.options = tagOptions(m_store.options(), m_translationSide);
    const int n = m_text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = m_text.at(i);
        if (c == QLatin1Char('<')) {
            i = openTag(tag, i);
        } else if (tag.inTag) {
            readInTag(tag, i);
        } else if (c == QLatin1Char('>')) {
            const bool arrow
                = !tag.options.arrowIsStray && i > 0 && m_text.at(i - 1) == QLatin1Char('-');
            const bool comparison = !tag.options.comparisonIsBrace && isComparison(i);
            if (!arrow && !comparison)
                fail(TagBrace, QString());
        }
    }

    if (tag.inTag || !tag.token.isEmpty())
        fail(TagBrace, results::tr("<%1> is not closed.").arg(tag.name));
    if (!tag.openElements.isEmpty())
        fail(TagNesting, results::tr("<%1> is not closed.").arg(tag.openElements.last()));
    if (!tag.quote.isNull())
        fail(TagAttribute, results::tr("Attributevalue in <%1> is not closed.").arg(tag.name));
}

} // namespace

void results::scanEmailsUrisTags(MessageState &state, bool translationSide,
                                 SourceCheckOutcome *capture)
{
    TextScanner scanner(*this, state, translationSide, capture);
    scanner.scanEmails();
    scanner.scanUris();
    scanner.scanTags();
}
