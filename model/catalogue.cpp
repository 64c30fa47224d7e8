#include "model/catalogue.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// clang-format off
const CheckInfo Catalogue[CheckCount] = {
    {0, "0", "ST0", StoreKind::Items, BoxKind::Fixed, nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Check 0 warns if the file is corrupt."), Severity::Error},
    {1, "S0", "ST0", StoreKind::Findings, BoxKind::Fixed, nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Check S0 warns if the source has a wrong numerus.")},
    {2, "S1.1", "S1", StoreKind::Findings, BoxKind::TwoState, "checkS1_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S1.1 warns if the source is empty.")},
    {3, "S1.2", "S1", StoreKind::Findings, BoxKind::TwoState, "checkS1_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S1.2 warns if the source has more than x characters.")},
    {4, "S1.3", "S1", StoreKind::Findings, BoxKind::TwoState, "checkS1_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S1.3 warns if the source has less than x letters or numbers.")},
    {5, "S2.1", "S2", StoreKind::Findings, BoxKind::TwoState, "checkS2_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S2.1 warns if the source contains non-ASCII characters.")},
    {6, "S2.2", "S2", StoreKind::Findings, BoxKind::TwoState, "checkS2_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S2.2 warns if the source contains control characters. (Exclusive of the warnings from Check S2.3.)")},
    {7, "S2.3", "S2", StoreKind::Findings, BoxKind::TwoState, "checkS2_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S2.3 warns if the source contains line feed characters.")},
    {8, "S3.1", "S3", StoreKind::Findings, BoxKind::TwoState, "checkS3_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S3.1 warns if the first character of the source is line feed.")},
    {9, "S3.2", "S3", StoreKind::Findings, BoxKind::TwoState, "checkS3_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S3.2 warns if the first character of the source is a space. (Exclusive of the warnings from Check S3.1.)")},
    {10, "S3.3", "S3", StoreKind::Findings, BoxKind::TwoState, "checkS3_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S3.3 warns if the first character of the source is Punctuation_Close or Punctuation_FinalQuote.")},
    {11, "S3.4", "S3", StoreKind::Findings, BoxKind::TwoState, "checkS3_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S3.4 warns if the first character of the source is not (LetterOrNumber or Punctuation_Open or Punctuation_InitialQuote or x).\nExcept the characters from Check S3.1 to S3.3 and characters you wrote into the right line edit.")},
    {12, "S4.1", "S4", StoreKind::Findings, BoxKind::TwoState, "checkS4_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S4.1 warns if the last character of the source is a line feed.")},
    {13, "S4.2", "S4", StoreKind::Findings, BoxKind::TwoState, "checkS4_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S4.2 warns if the last character of the source is a space. (Exclusive of the warnings from Check S4.1.)")},
    {14, "S4.3", "S4", StoreKind::Findings, BoxKind::TwoState, "checkS4_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S4.3 warns if the last character of the source is Punctuation_Open or Punctuation_InitialQuote.")},
    {15, "S4.4", "S4", StoreKind::Findings, BoxKind::TwoState, "checkS4_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S4.4 warns if the last character of the source is not (LetterOrNumber or Punctuation_Close or Punctuation_FinalQuote or x)\nExcept the characters from Check S4.1 to S4.3 and the characters you wrote into the right line edit.")},
    {16, "S5.1", "S5", StoreKind::Findings, BoxKind::TwoState, "checkS5_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S5.1 warns if the number of characters \" in the source is odd. (It's too difficult to add this in Check S5.3)")},
    {17, "S5.2", "S5", StoreKind::Findings, BoxKind::TwoState, "checkS5_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S5.2 warns if the number of characters ' in the source is odd. (It's too difficult to add this in Check S5.3)")},
    {18, "S5.3", "S5", StoreKind::Findings, BoxKind::TwoState, "checkS5_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S5.3 warns if the opening and the closing characters in the source are not well-formed. (Parenthesischeck)")},
    {19, "S6.1", "S6", StoreKind::Findings, BoxKind::TwoState, "checkS6_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S6.1 warns if there is no space after comma or semicolon in the source.")},
    {20, "S6.2", "S6", StoreKind::Findings, BoxKind::TwoState, "checkS6_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S6.2 warns if there is no space or closing character in the source after full stop.")},
    {21, "S6.3", "S6", StoreKind::Findings, BoxKind::TwoState, "checkS6_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S6.3 warns if there is no space or closing character in the source after exclamation mark or question mark.")},
    {22, "S6.4", "S6", StoreKind::Findings, BoxKind::TwoState, "checkS6_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S6.4 warns if there is no space in the source after colon.")},
    {23, "S7.1", "S7", StoreKind::Findings, BoxKind::TwoState, "checkS7_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S7.1 warns if there is a space before comma or semicolon in the source.")},
    {24, "S7.2", "S7", StoreKind::Findings, BoxKind::TwoState, "checkS7_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S7.2 warns if there is a space or an opening character in the source before full stop.")},
    {25, "S7.3", "S7", StoreKind::Findings, BoxKind::TwoState, "checkS7_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S7.3 warns if there is a space or an opening character in the source before exclamation mark or question mark.")},
    {26, "S7.4", "S7", StoreKind::Findings, BoxKind::TwoState, "checkS7_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S7.4 warns if there is a space or an opening character in the source before colon.")},
    {27, "S8.1", "S8", StoreKind::Findings, BoxKind::TwoState, "checkS8_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S8.1 warns if the source contains a double line feed.")},
    {28, "S8.2", "S8", StoreKind::Findings, BoxKind::TwoState, "checkS8_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S8.2 warns if the source contains a double space. (Exclusive of the warnings from Check S8.1.)")},
    {29, "S8.3", "S8", StoreKind::Findings, BoxKind::TwoState, "checkS8_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S8.3 warns if the source contains a double dot.")},
    {30, "S8.4", "S8", StoreKind::Findings, BoxKind::TwoState, "checkS8_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S8.4 warns if the source contains a double character.\nExcept the characters from Check S8.1 to S8.3, LetterOrNumber and the characters you wrote into the right line edit.")},
    {31, "S9.1", "S9", StoreKind::Findings, BoxKind::TwoState, "checkS9_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S9.1 warns if the source contains a double (Mark_Enclosing or Mark_NonSpacing or Mark_SpacingCombining).")},
    {32, "S9.2", "S9", StoreKind::Findings, BoxKind::TwoState, "checkS9_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S9.2 warns if the source contains a double (Punctuation_Connector or Punctuation_Dash).")},
    {33, "S9.3", "S9", StoreKind::Findings, BoxKind::TwoState, "checkS9_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S9.3 warns if the source contains a double (Symbol_Currency or Symbol_Modifier).")},
    {34, "S9.4", "S9", StoreKind::Findings, BoxKind::TwoState, "checkS9_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S9.4 warns if the source contains a double (Letter_Titlecase or Letter_Modifier).")},
    {35, "S10.1", "S10", StoreKind::Findings, BoxKind::TwoState, "checkS10_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S10.1 warns if a sentence in the source begins with a lowercase letter.")},
    {36, "S11.1", "S11", StoreKind::Items, BoxKind::TwoState, "checkS11_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S11.1 lists all the words in the source with double letters."), Severity::Info},
    {37, "S12.1", "S12", StoreKind::Items, BoxKind::TwoState, "checkS12_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S12.1 lists all the words in the source that are mixing uppercase or lowercase letters with letters that are not uppercase nor lowercase."), Severity::Info},
    {38, "S12.2", "S12", StoreKind::Items, BoxKind::TwoState, "checkS12_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S12.2 lists all the words in the source with an uppercase letter after a lowercase letter."), Severity::Info},
    {39, "S12.3", "S12", StoreKind::Items, BoxKind::TwoState, "checkS12_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S12.3 lists all the words in the source with uppercase letters only."), Severity::Info},
    {40, "S13.1", "S13", StoreKind::Items, BoxKind::TwoState, "checkS13_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S13.1 warns if a word is doubled in the source."), Severity::Info},
    {41, "S14.1", "S14", StoreKind::Findings, BoxKind::TwoState, "checkS14_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S14.1 warns if there is more than one QKeySequence in the source.")},
    {42, "S14.2", "S14", StoreKind::Findings, BoxKind::TwoState, "checkS14_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S14.2 warns if the QKeySequence is at the end of the source.")},
    {43, "S14.3", "S14", StoreKind::Findings, BoxKind::TwoState, "checkS14_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S14.3 lists all QKeySequence in the source sorted by keys."), Severity::Info},
    {44, "S14.4", "S14", StoreKind::Findings, BoxKind::TwoState, "checkS14_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S14.4 lists all QKeySequence in the source sorted by source."), Severity::Info},
    {45, "S15.1", "S15", StoreKind::Items, BoxKind::TwoState, "checkS15_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S15.1 lists all the words in the source. You can add more separator characters in the right line edit."), Severity::Info},
    {46, "S16.1", "S16", StoreKind::Items, BoxKind::TwoState, "checkS16_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S16.1 lists all the sources (sorted alphabetically without duplicates)."), Severity::Info},
    {47, "S20.1", "S20", StoreKind::Findings, BoxKind::TwoState, "checkS20_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S20.1 warns if an email in the source is not valid.")},
    {48, "S20.2", "S20", StoreKind::Findings, BoxKind::TwoState, "checkS20_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S20.2 warns if an URI in the source is not valid.")},
    {49, "S21.1", "S21", StoreKind::Findings, BoxKind::TwoState, "checkS21_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S21.1 warns if opening or closing brace of a xml tag is not found.")},
    {50, "S21.2", "S21", StoreKind::Findings, BoxKind::TwoState, "checkS21_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S21.2 warns if a xml tag name is not fine.")},
    {51, "S21.3", "S21", StoreKind::Findings, BoxKind::TwoState, "checkS21_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S21.3 warns if a xml tag attributes are not fine.")},
    {52, "S21.4", "S21", StoreKind::Findings, BoxKind::TwoState, "checkS21_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check S21.4 warns if the opening and the closing xml tags are not well-formed. (Parenthesischeck).")},
    {53, "T0", "ST0", StoreKind::Findings, BoxKind::Fixed, nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Check T0 warns if the translation has a wrong numerus.")},
    {54, "T1.1", "T1", StoreKind::Findings, BoxKind::TwoState, "checkT1_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T1.1 warns if the translation is empty.")},
    {55, "T1.1b", "T1", StoreKind::Findings, BoxKind::TwoState, "checkT1_1bCheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T1.1b warns if the translation is marked as unfinished even it is not empty.")},
    {56, "T1.2", "T1", StoreKind::Findings, BoxKind::TriState, "checkT1_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T1.2 warns if the translation has more than x characters.")},
    {57, "T1.3", "T1", StoreKind::Findings, BoxKind::TriState, "checkT1_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T1.3 warns if the translation has less than x letters or numbers.")},
    {58, "T2.1", "T2", StoreKind::Findings, BoxKind::TriState, "checkT2_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T2.1 warns if the translation contains non-ASCII characters.")},
    {59, "T2.2", "T2", StoreKind::Findings, BoxKind::TriState, "checkT2_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T2.2 warns if the translation contains control characters. (Exclusive of the warnings from Check T2.3.)")},
    {60, "T2.3", "T2", StoreKind::Findings, BoxKind::TriState, "checkT2_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T2.3 warns if the translation contains line feed characters.")},
    {61, nullptr, nullptr, StoreKind::None, BoxKind::None, nullptr, nullptr},
    {62, "T3.1", "T3", StoreKind::Findings, BoxKind::TriState, "checkT3_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T3.1 warns if first character of the translation is a line feed.")},
    {63, "T3.2", "T3", StoreKind::Findings, BoxKind::TriState, "checkT3_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T3.2 warns if first character of the translation is a space. (Exclusive of the warnings from Check T3.1.)")},
    {64, "T3.3", "T3", StoreKind::Findings, BoxKind::TriState, "checkT3_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T3.3 warns if first character of the translation is Punctuation_Close or Punctuation_FinalQuote.")},
    {65, "T3.4", "T3", StoreKind::Findings, BoxKind::TriState, "checkT3_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T3.4 warns if first character of the translation is not (LetterOrNumber or Punctuation_Open or Punctuation_InitialQuote or x).\nExcept the characters from Check T3.1 to T3.3 and the characters you wrote into the right line edit.")},
    {66, "T4.1", "T4", StoreKind::Findings, BoxKind::TriState, "checkT4_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T4.1 warns if the last character of the translation is a line feed.")},
    {67, "T4.2", "T4", StoreKind::Findings, BoxKind::TriState, "checkT4_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T4.2 warns if the last character of the translation is a space. (Exclusive of the warnings from Check T4.1.)")},
    {68, "T4.3", "T4", StoreKind::Findings, BoxKind::TriState, "checkT4_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T4.3 warns if the last character of the translation is Punctuation_Open or Punctuation_InitialQuote.")},
    {69, "T4.4", "T4", StoreKind::Findings, BoxKind::TriState, "checkT4_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T4.4 warns if the last character of the translation is not (LetterOrNumber or Punctuation_Close or Punctuation_FinalQuote or x).\nExcept the characters from Check T4.1 to T4.3 and the characters you wrote into the right line edit.")},
    {70, "T5.1", "T5", StoreKind::Findings, BoxKind::TriState, "checkT5_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T5.1 warns if the number of characters \" in the translation is odd. (It's too difficult to add this in Check T5.3)")},
    {71, "T5.2", "T5", StoreKind::Findings, BoxKind::TriState, "checkT5_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T5.2 warns if the number of characters ' in the translation is odd. (It's too difficult to add this in Check T5.3)")},
    {72, "T5.3", "T5", StoreKind::Findings, BoxKind::TriState, "checkT5_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T5.3 warns if the opening and the closing characters in the translation are not well-formed. (Parenthesischeck)")},
    {73, "T6.1", "T6", StoreKind::Findings, BoxKind::TriState, "checkT6_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T6.1 warns if there is no space after comma or semicolon in the translation.")},
    {74, "T6.2", "T6", StoreKind::Findings, BoxKind::TriState, "checkT6_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T6.2 warns if there is no space or closing character in the translation after full stop.")},
    {75, "T6.3", "T6", StoreKind::Findings, BoxKind::TriState, "checkT6_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T6.3 warns if there is no space or closing character in the translation after exclamation mark or question mark.")},
    {76, "T6.4", "T6", StoreKind::Findings, BoxKind::TriState, "checkT6_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T6.4 warns if there is no space in the translation after colon.")},
    {77, "T7.1", "T7", StoreKind::Findings, BoxKind::TriState, "checkT7_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T7.1 warns if there is a space before comma or semicolon in the translation.")},
    {78, "T7.2", "T7", StoreKind::Findings, BoxKind::TriState, "checkT7_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T7.2 warns if there is a space or an opening character in the translation before full stop.")},
    {79, "T7.3", "T7", StoreKind::Findings, BoxKind::TriState, "checkT7_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T7.3 warns if there is a space or an opening character in the translation before exclamation mark or question mark.")},
    {80, "T7.4", "T7", StoreKind::Findings, BoxKind::TriState, "checkT7_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T7.4 warns if there is a space or an opening character in the translation before colon.")},
    {81, "T8.1", "T8", StoreKind::Findings, BoxKind::TriState, "checkT8_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T8.1 warns if the translation contains a double line feed.")},
    {82, "T8.2", "T8", StoreKind::Findings, BoxKind::TriState, "checkT8_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T8.2 warns if the translation contains a double space. (Exclusive of the warnings from Check T8.1.)")},
    {83, "T8.3", "T8", StoreKind::Findings, BoxKind::TriState, "checkT8_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T8.3 warns if the translation contains a double dot.")},
    {84, "T8.4", "T8", StoreKind::Findings, BoxKind::TriState, "checkT8_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T8.4 warns if the translation contains a double character.\nExcept the characters from Check S8.1 to S8.3, LetterOrNumber and the characters you wrote into the right line edit.")},
    {85, "T9.1", "T9", StoreKind::Findings, BoxKind::TriState, "checkT9_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T9.1 warns if the translation contains a double (Mark_Enclosing or Mark_NonSpacing or Mark_SpacingCombining).")},
    {86, "T9.2", "T9", StoreKind::Findings, BoxKind::TriState, "checkT9_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T9.2 warns if the translation contains a double (Punctuation_Connector or Punctuation_Dash).")},
    {87, "T9.3", "T9", StoreKind::Findings, BoxKind::TriState, "checkT9_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T9.3 warns if the translation contains a double (Symbol_Currency or Symbol_Modifier).")},
    {88, "T9.4", "T9", StoreKind::Findings, BoxKind::TriState, "checkT9_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T9.4 warns if the translation contains a double (Letter_Titlecase or Letter_Modifier).")},
    {89, "T10.1", "T10", StoreKind::Findings, BoxKind::TriState, "checkT10_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T10.1 warns if a sentence in the translation begins with a lowercase letter.")},
    {90, "T11.1", "T11", StoreKind::Items, BoxKind::TwoState, "checkT11_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T11.1 lists all the words in the translation with double letters."), Severity::Info},
    {91, "T12.1", "T12", StoreKind::Items, BoxKind::TwoState, "checkT12_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T12.1 lists all the words in the translation that are mixing uppercase or lowercase letters with letters that are not uppercase nor lowercase."), Severity::Info},
    {92, "T12.2", "T12", StoreKind::Items, BoxKind::TwoState, "checkT12_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T12.2 lists all the words in the translation with an uppercase letter after a lowercase letter."), Severity::Info},
    {93, "T12.3", "T12", StoreKind::Items, BoxKind::TwoState, "checkT12_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T12.3 lists all the words in the translation with uppercase letters only."), Severity::Info},
    {94, "T13.1", "T13", StoreKind::Items, BoxKind::TwoState, "checkT13_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T13.1 warns if a word is doubled in the translation."), Severity::Info},
    {95, "T14.1", "T14", StoreKind::Findings, BoxKind::TwoState, "checkT14_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T14.1 warns if there is more than one QKeySequence in the translation.")},
    {96, "T14.2", "T14", StoreKind::Findings, BoxKind::TwoState, "checkT14_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T14.2 warns if the QKeySequence is at the end of the translation.")},
    {97, "T14.3", "T14", StoreKind::Findings, BoxKind::TwoState, "checkT14_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T14.3 lists all QKeySequence in the translation sorted by keys."), Severity::Info},
    {98, "T14.4", "T14", StoreKind::Findings, BoxKind::TwoState, "checkT14_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T14.4 lists all QKeySequence in the translation sorted by translation."), Severity::Info},
    {99, "T15.1", "T15", StoreKind::Items, BoxKind::TwoState, "checkT15_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T15.1 lists all the words in the translation. You can add more separator characters in the right line edit."), Severity::Info},
    {100, "T16.1", "T16", StoreKind::Items, BoxKind::TwoState, "checkT16_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T16.1 lists all translations (sorted alphabetically without duplicates)."), Severity::Info},
    {101, "T20.1", "T20", StoreKind::Findings, BoxKind::TriState, "checkT20_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T20.1 warns if an email in the translation is not valid.")},
    {102, "T20.2", "T20", StoreKind::Findings, BoxKind::TriState, "checkT20_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T20.2 warns if an URI in the translation is not valid.")},
    {103, "T21.1", "T21", StoreKind::Findings, BoxKind::TriState, "checkT21_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T21.1 warns if opening or closing brace of a xml tag is not found.")},
    {104, "T21.2", "T21", StoreKind::Findings, BoxKind::TriState, "checkT21_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T21.2 warns if a xml tag name is not fine.")},
    {105, "T21.3", "T21", StoreKind::Findings, BoxKind::TriState, "checkT21_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T21.3 warns if a xml tag attributes are not fine.")},
    {106, "T21.4", "T21", StoreKind::Findings, BoxKind::TriState, "checkT21_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check T21.4 warns if the opening and the closing xml tags are not well-formed. (Parenthesischeck).")},
    {107, "ST0", "ST0", StoreKind::Items, BoxKind::Fixed, nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Check ST0 lists all used characters in the source and the translation."), Severity::Info},
    {108, "ST1.1", "ST1", StoreKind::Findings, BoxKind::TwoState, "checkST1_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST1.1")},
    {109, "ST1.2", "ST1", StoreKind::Findings, BoxKind::TwoState, "checkST1_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST1.2")},
    {110, "ST2.1", "ST2", StoreKind::Findings, BoxKind::TwoState, "checkST2_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST2.1 warns if the control characters in the source are not used in the translation.")},
    {111, "ST2.2", "ST2", StoreKind::Findings, BoxKind::TwoState, "checkST2_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST2.2 warns if the number of tabulations in the source is different in the translation.")},
    {112, "ST2.3", "ST2", StoreKind::Findings, BoxKind::TwoState, "checkST2_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST2.3 warns if the number of line feed characters in the source is different in the translation.")},
    {113, "ST3.1", "ST3", StoreKind::Findings, BoxKind::TwoState, "checkST3_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST3.1 warns if source XOR translation begins with a line feed.")},
    {114, "ST3.2", "ST3", StoreKind::Findings, BoxKind::TwoState, "checkST3_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST3.2 warns if source XOR translation begins with a space. (Except ST3.1 warnings.)")},
    {115, "ST3.3", "ST3", StoreKind::Findings, BoxKind::TwoState, "checkST3_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST3.3 warns if source XOR translation begins with an opening character. (Except ST3.1 to ST3.2 warnings.)")},
    {116, "ST3.4", "ST3", StoreKind::Findings, BoxKind::TwoState, "checkST3_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST3.4 warns if source XOR translation begins with another character. (Except LetterOrNumber and ST3.1 to ST3.3 warnings.)")},
    {117, "ST4.1", "ST4", StoreKind::Findings, BoxKind::TwoState, "checkST4_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST4.1 warns if source XOR translation ends with a line feed.")},
    {118, "ST4.2", "ST4", StoreKind::Findings, BoxKind::TwoState, "checkST4_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST4.2 warns if source XOR translation ends with a space. (Except ST4.1 warnings.)")},
    {119, "ST4.3", "ST4", StoreKind::Findings, BoxKind::TwoState, "checkST4_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST4.3 warns if source XOR translation ends with a closing character. (Except ST4.1 to ST4.2 warnings.)")},
    {120, "ST4.4", "ST4", StoreKind::Findings, BoxKind::TwoState, "checkST4_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST4.4 warns if source XOR translation ends with another character. (Except LetterOrNumber and ST4.1 to ST4.3 warnings.)")},
    {121, "ST5.1", "ST5", StoreKind::Findings, BoxKind::TwoState, "checkST5_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST5.1 warns if source and translation contains a different number of < and >.")},
    {122, "ST5.2", "ST5", StoreKind::Findings, BoxKind::TwoState, "checkST5_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST5.2 warns if source and translation contains a different number of opening and closing characters.")},
    {123, "ST6.1", "ST6", StoreKind::Findings, BoxKind::TwoState, "checkST6_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST6.1 warns if source and translation contains a different number of colons.")},
    {124, "ST6.2", "ST6", StoreKind::Findings, BoxKind::TwoState, "checkST6_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST6.2 warns if source and translation contains a different number of exclamation marks.")},
    {125, "ST6.3", "ST6", StoreKind::Findings, BoxKind::TwoState, "checkST6_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST6.3 warns if source and translation contains a different number of question marks.")},
    {126, "ST6.4", "ST6", StoreKind::Findings, BoxKind::TwoState, "checkST6_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST6.4 warns if source and translation contains a different number of full stops.")},
    {127, "ST7.1", "ST7", StoreKind::Findings, BoxKind::TwoState, "checkST7_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST7.1 warns if source and translation contains a different number of ellipses.")},
    {128, "ST7.2", "ST7", StoreKind::Findings, BoxKind::TwoState, "checkST7_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST7.2 warns if source and translation contains a different number of other characters.")},
    {129, "ST8.1", "ST8", StoreKind::Findings, BoxKind::TwoState, "checkST8_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST8.1 warns if source and translation contains different numbers.")},
    {130, "ST8.2", "ST8", StoreKind::Findings, BoxKind::TwoState, "checkST8_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST8.2 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1.")},
    {131, "ST8.3", "ST8", StoreKind::Findings, BoxKind::TwoState, "checkST8_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST8.3 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1 to ST8.2.")},
    {132, "ST8.4", "ST8", StoreKind::Findings, BoxKind::TwoState, "checkST8_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST8.4 warns if source and translation contains different numbers. A stricter check, but except warnings from ST8.1 to ST8.3.")},
    {133, "ST9.1", "ST9", StoreKind::Findings, BoxKind::TwoState, "checkST9_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST9.1 warns if source and translation contains a different number of QKeySequence.")},
    {134, "ST9.2", "ST9", StoreKind::Findings, BoxKind::TwoState, "checkST9_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST9.2 warns if source and translation contains a different number of arguments.")},
    {135, "ST9.3", "ST9", StoreKind::Findings, BoxKind::TwoState, "checkST9_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST9.3 warns if the arguments are not increasing by 1.")},
    {136, "ST10.1", "ST10", StoreKind::Findings, BoxKind::TwoState, "checkST10_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST10.1 warns if the source is not translated always identically.")},
    {137, "ST11.1", "ST11", StoreKind::Findings, BoxKind::TwoState, "checkST11_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST11.1 warns if the same translation is used for different sources.")},
    {138, "ST20.1", "ST20", StoreKind::Findings, BoxKind::TwoState, "checkST20_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST20.1 if source and translation contains a different emails.")},
    {139, "ST20.2", "ST20", StoreKind::Findings, BoxKind::TwoState, "checkST20_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST20.2 if source and translation contains a different URIs.")},
    {140, "ST21.1", "ST21", StoreKind::Findings, BoxKind::TwoState, "checkST21_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST21.1 if source and translation contains a different number of tag.")},
    {141, "ST22.1", "ST22", StoreKind::Findings, BoxKind::TwoState, "checkST22_1CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST22.1 warns if the printf conversions (%d, %s, %1$s) of source and translation differ in number or type.")},
    {142, "ST22.2", "ST22", StoreKind::Findings, BoxKind::TwoState, "checkST22_2CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST22.2 warns if source and translation contain different placeholders in braces ({name}, {0}).")},
    {143, "ST22.3", "ST22", StoreKind::Findings, BoxKind::TwoState, "checkST22_3CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST22.3 warns if the translation of a text with markup contains a malformed entity, such as one without its closing semicolon.")},
    {144, "ST22.4", "ST22", StoreKind::Findings, BoxKind::TwoState, "checkST22_4CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST22.4 warns if a plural message has fewer translated forms than the language has.")},
    {145, "ST22.5", "ST22", StoreKind::Findings, BoxKind::TwoState, "checkST22_5CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST22.5 warns if the translation is a copy of a source with at least two words. Words that stay the same:")},
    {146, "ST22.6", "ST22", StoreKind::Findings, BoxKind::TwoState, "checkST22_6CheckBox",
     QT_TRANSLATE_NOOP("MainWindow", "Check ST22.6 warns if the source has a \"_\" accelerator and the translation has none (.po files).")},
};
// clang-format on

} // namespace

const CheckInfo &checkInfo(int index)
{
    Q_ASSERT(index >= 0 && index < CheckCount);
    return Catalogue[index];
}

int checkIndexOf(const QString &checkId)
{
    static const QHash<QString, int> byId = [] {
        QHash<QString, int> ids;
        for (const CheckInfo &info : Catalogue)
            if (info.id)
                ids.insert(QString::fromLatin1(info.id), info.index);
        return ids;
    }();
    return byId.value(checkId, -1);
}

bool selectChecks(QStringView selector, std::bitset<CheckCount> &checks)
{
    selector = selector.trimmed();
    if (selector.isEmpty())
        return false;
    bool found = false;
    for (const CheckInfo &info : Catalogue) {
        if (!info.id)
            continue;
        const QLatin1String id(info.id);
        bool named = false;
        if (selector == QLatin1String("*")) {
            named = true;
        } else if (selector.endsWith(QLatin1Char('*'))) {
            // The family is the letters before the first digit.
            qsizetype letters = 0;
            while (letters < id.size() && !QChar(id.at(letters)).isDigit())
                ++letters;
            named = letters > 0
                    && selector.chopped(1).compare(id.left(letters), Qt::CaseInsensitive) == 0;
        } else {
            named = selector.compare(id, Qt::CaseInsensitive) == 0
                    || (id.startsWith(selector, Qt::CaseInsensitive) && id.size() > selector.size()
                        && id.at(selector.size()) == QLatin1Char('.'));
        }
        if (named) {
            checks.set(size_t(info.index));
            found = true;
        }
    }
    return found;
}

const char *severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Info:
        break;
    }
    return "note";
}

const QList<QString> &tabNames()
{
    static const QList<QString> names = [] {
        QList<QString> tabs {QStringLiteral("ST0")};
        const int groups[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 21};
        for (int group : groups) {
            tabs.append(QStringLiteral("S%1").arg(group));
            tabs.append(QStringLiteral("T%1").arg(group));
        }
        const int comparisons[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 21, 22};
        for (int group : comparisons)
            tabs.append(QStringLiteral("ST%1").arg(group));
        return tabs;
    }();
    return names;
}

QList<int> checksOfTab(const QString &tab)
{
    QList<int> checks;
    for (const CheckInfo &info : Catalogue)
        if (info.tab && tab == QLatin1String(info.tab))
            checks.append(info.index);
    return checks;
}
