// Validators of e-mail addresses, URIs, markup tag names and tag attributes.
// Each appends one sentence to the caller's message when it finds a problem.

#include "checks/results.h"

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Printable ASCII except blank ( ) , : ; < > [ ] and backslash.
bool isEmailLocalCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x21 && u <= 0x27) || u == 0x2A || u == 0x2B || (u >= 0x2D && u <= 0x39)
           || u == 0x3D || (u >= 0x3F && u <= 0x5A) || (u >= 0x5E && u <= 0x7E);
}

// Printable ASCII except blank < > ^ ` { | }.
bool isUriCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x21 && u <= 0x3B) || u == 0x3D || (u >= 0x3F && u <= 0x5D) || u == 0x5F
           || (u >= 0x61 && u <= 0x7A) || u == 0x7E;
}

bool isNameCharacter(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('.')
           || c == QLatin1Char('_');
}

// Position of the first character that is not a name character, -1 when all are.
int firstNonNameCharacter(QStringView name)
{
    for (int i = 0; i < name.size(); ++i)
        if (!isNameCharacter(name.at(i)))
            return i;
    return -1;
}

// The value of a style attribute without its quotes: every declaration
// "property: value" must name a property of the Qt CSS subset.
bool styleInCssSubset(QStringView value, const QSet<QString> &cssProperties)
{
    if (value.size() >= 2
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    for (QStringView declaration : value.split(QLatin1Char(';'))) {
        if (declaration.trimmed().isEmpty())
            continue; // "color: red;" ends with an empty declaration
        const int colon = declaration.indexOf(QLatin1Char(':'));
        const QStringView property = (colon < 0 ? declaration : declaration.left(colon)).trimmed();
        if (!cssProperties.contains(property.toString()))
            return false;
    }
    return true;
}

} // namespace

bool results::checkEmail(const QString &address, QString &message) const
{
    const int n = address.size();
    const int at = address.indexOf(QLatin1Char('@'));
    if (at == 0) {
        message += tr("Missing local part.");
        return true;
    }
    if (at > n - 4) {
        message += tr("Incorrect domain name.");
        return true;
    }
    if (at >= 64) {
        message += tr("Too large local part.");
        return true;
    }
    if (address.contains(QLatin1String(".."))) {
        message += tr("Double dot is not allowed.");
        return true;
    }
    if (address.count(QLatin1Char('@')) >= 2) {
        message += tr("Too many @ characters.");
        return true;
    }
    if (address.startsWith(QLatin1Char('.'))) {
        message += tr("Email starts with character '.'.");
        return true;
    }
    const auto notAllowed = [&](QChar c) {
        message += tr("Not allowed character %1 in email %2.").arg(QString(c), address);
        return true;
    };
    for (int i = 0; i < at; ++i)
        if (!isEmailLocalCharacter(address.at(i)))
            return notAllowed(address.at(i));

    int labelLength = 0;
    bool allDigits = true;
    for (int i = at + 1; i < n; ++i) {
        const QChar c = address.at(i);
        if (isAsciiLetter(c)) {
            allDigits = false;
            ++labelLength;
        } else if (isAsciiDigit(c)) {
            ++labelLength;
        } else if (c == QLatin1Char('-')) {
            if (i == at + 1) {
                message += tr("Hyphen can't be the first character of a domain.");
                return true;
            }
            if (i == n - 1) {
                message += tr("Hyphen can't be the last character of a domain.");
                return true;
            }
            ++labelLength;
        } else if (c == QLatin1Char('.')) {
            // Only a label ended by a full stop is measured; the last one is free.
            if (labelLength >= 63) {
                message += tr("Domain lable is too large.");
                return true;
            }
            labelLength = 0;
        } else {
            return notAllowed(c);
        }
    }
    if (allDigits) {
        message += tr("Numeric only domain name is not allowed.");
        return true;
    }
    return false;
}

bool results::checkUri(const QString &uri, QString &message) const
{
    for (const QChar c : uri)
        if (!isUriCharacter(c)) {
            message += tr("Not allowed character %1 in URI %2.").arg(QString(c), uri);
            return true;
        }
    return false;
}

void results::trimToLettersOrNumbers(QString &text) const
{
    // For ASCII, QChar::isLetterOrNumber holds exactly for the letters and digits.
    int end = text.size();
    while (end > 0 && !text.at(end - 1).isLetterOrNumber())
        --end;
    int begin = 0;
    while (begin < end && !text.at(begin).isLetterOrNumber())
        ++begin;
    text = text.mid(begin, end - begin);
}

bool results::checkTagName(const QString &name, bool qtSubsetOnly, QString &message) const
{
    if (name.isEmpty()) {
        message += tr("Tag name is empty. There is maybe a space before the tag name.");
        return true;
    }
    if (htmlSubsetTags.contains(name))
        return false;
    if (qtSubsetOnly) {
        message += tr("%1 is not included in the Qt subset.").arg(name);
        return true;
    }
    if (emptyElements.contains(name))
        return false;
    const int bad = firstNonNameCharacter(name);
    if (bad >= 0) {
        message += tr("Not allowed character %1 in name %2.").arg(QString(name.at(bad)), name);
        return true;
    }
    return false;
}

bool results::checkTagAttribute(const QString &attribute, bool qtHtmlSubsetOnly,
                                bool qtCssSubsetOnly, QString &message) const
{
    if (attribute.isEmpty())
        return false;
    const int equal = attribute.indexOf(QLatin1Char('='));
    if (equal < 0) {
        message += tr("Missing equal signin attribute %1.").arg(attribute);
        return true;
    }
    const QStringView name = QStringView(attribute).left(equal);
    if (!qtHtmlSubsetOnly && !qtCssSubsetOnly) {
        const int bad = firstNonNameCharacter(name);
        if (bad < 0)
            return false;
        message += tr("Not allowed character %1 in attribute %2.")
                       .arg(QString(name.at(bad)), attribute);
        return true;
    }
    // Either option admits what either subset admits: an HTML attribute of the
    // subset, or a style whose properties all belong to the CSS subset.
    const bool inSubset
        = htmlSubsetAttributes.contains(name.toString())
          || (name == QLatin1String("style")
              && styleInCssSubset(QStringView(attribute).mid(equal + 1), cssSubsetProperties));
    if (inSubset)
        return false;
    message += tr("%1 is not included in the Qt subset.").arg(attribute);
    return true;
}
