#include "model/charactertables.h"

#include "model/assume.h"

const QList<QPair<QChar, QChar>> &mirroredPairs()
{
    static const QList<QPair<QChar, QChar>> pairs = [] {
        QList<QPair<QChar, QChar>> list;
        for (char32_t code = 0; code <= 0xFFFF; ++code) {
            const QChar c {char16_t(code)};
            const QChar::Category category = c.category();
            if (category != QChar::Punctuation_Open && category != QChar::Punctuation_InitialQuote)
                continue;
            const QChar mirror = c.mirroredChar();
            if (mirror != c)
                list.append({c, mirror});
        }
        return list;
    }();
    return pairs;
}

void assumeCharacterDatabase()
{
    // The checks treat these three characters specially.
    KVN_ASSUME(QChar(0x3000).isSpace());
    KVN_ASSUME(!QChar(0x200B).isSpace());
    KVN_ASSUME(!QChar(0x200D).isSpace());
    // The checks count the punctuation marks of the bracket and quote
    // categories as visible, non-blank text.
    for (char32_t code = 1; code <= 0xFFFF; ++code) {
        const QChar c {char16_t(code)};
        switch (c.category()) {
        case QChar::Punctuation_Open:
        case QChar::Punctuation_InitialQuote:
        case QChar::Punctuation_Close:
        case QChar::Punctuation_FinalQuote:
            KVN_ASSUME(c.isPrint() && !c.isSpace());
            break;
        default:
            break;
        }
    }
}
