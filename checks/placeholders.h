#pragma once
// The text scanners of group ST22, shared by its checks and their tests.

#include <QMap>
#include <QString>
#include <QStringList>

struct PrintfConversions {
    // Argument position (from 1) -> length modifier and type letter ("d", "ld",
    // "f", "s", "c", "p", "n"); a "*" width or precision takes an "d" argument.
    QMap<int, QString> arguments;
    QStringList spellings; // the conversions as written, in text order
    QStringList invalid; // "%" that starts no conversion (read strictly only)
};

// strict: the full syntax of printf, as for entries flagged c-format; otherwise
// a blank is no flag. qtText: "%1", "%L1" and "%n" are Qt's, not printf's.
PrintfConversions printfConversions(const QString &text, bool strict, bool qtText);
// "{name}", "{0}", "{}", "{0:.2f}" -> "{name}", "{0}", "{}", "{0}"; "{{" is a literal.
QStringList bracePlaceholders(const QString &text);
// Entity references without their ";" or with a bad number ("&quot", "&#x;").
QStringList malformedEntities(const QString &text);
// A text with a tag or a well-formed entity.
bool isMarkupText(const QString &text);
// Blank-separated words of two or more letters, the allowed words left out; at
// most 1 when none of them is in lower case.
int wordsOfLetters(const QString &text, const QStringList &allowed);
QString withoutEndPunctuation(const QString &text);
QStringList allowListWords(const QString &list);
// Exactly one "_" before a letter or digit, and no "__".
bool hasGtkAccelerator(const QString &text);
