#pragma once
// The catalogue of checks, declared once. The panel, the settings of the check
// boxes, the report blocks and their order are all derived from this table.

#include <QList>
#include <QString>
#include <QtGlobal>
#include <bitset>

enum class StoreKind { None, Findings, Items };
// How much a finding of a check matters to the formats that grade findings.
enum class Severity { Error, Warning, Info };
enum class BoxKind {
    None, // index without a check
    Fixed, // always checked, disabled, not persisted (tab ST0)
    TwoState, // bool key
    TriState // check state key: 0 unchecked, 1 partially checked, 2 checked
};

// CheckIndex: the integer that names a check to the formatters.
enum CheckIndex : int {
    Check_0 = 0,
    CheckS0 = 1,
    CheckS1_1 = 2,
    CheckS1_2 = 3,
    CheckS1_3 = 4,
    CheckS2_1 = 5,
    CheckS2_2 = 6,
    CheckS2_3 = 7,
    CheckS3_1 = 8,
    CheckS3_2 = 9,
    CheckS3_3 = 10,
    CheckS3_4 = 11,
    CheckS4_1 = 12,
    CheckS4_2 = 13,
    CheckS4_3 = 14,
    CheckS4_4 = 15,
    CheckS5_1 = 16,
    CheckS5_2 = 17,
    CheckS5_3 = 18,
    CheckS6_1 = 19,
    CheckS6_2 = 20,
    CheckS6_3 = 21,
    CheckS6_4 = 22,
    CheckS7_1 = 23,
    CheckS7_2 = 24,
    CheckS7_3 = 25,
    CheckS7_4 = 26,
    CheckS8_1 = 27,
    CheckS8_2 = 28,
    CheckS8_3 = 29,
    CheckS8_4 = 30,
    CheckS9_1 = 31,
    CheckS9_2 = 32,
    CheckS9_3 = 33,
    CheckS9_4 = 34,
    CheckS10_1 = 35,
    CheckS11_1 = 36,
    CheckS12_1 = 37,
    CheckS12_2 = 38,
    CheckS12_3 = 39,
    CheckS13_1 = 40,
    CheckS14_1 = 41,
    CheckS14_2 = 42,
    CheckS14_3 = 43,
    CheckS14_4 = 44,
    CheckS15_1 = 45,
    CheckS16_1 = 46,
    CheckS20_1 = 47,
    CheckS20_2 = 48,
    CheckS21_1 = 49,
    CheckS21_2 = 50,
    CheckS21_3 = 51,
    CheckS21_4 = 52,
    CheckT0 = 53,
    CheckT1_1 = 54,
    CheckT1_1b = 55,
    CheckT1_2 = 56,
    CheckT1_3 = 57,
    CheckT2_1 = 58,
    CheckT2_2 = 59,
    CheckT2_3 = 60,
    CheckUnused61 = 61,
    CheckT3_1 = 62,
    CheckT3_2 = 63,
    CheckT3_3 = 64,
    CheckT3_4 = 65,
    CheckT4_1 = 66,
    CheckT4_2 = 67,
    CheckT4_3 = 68,
    CheckT4_4 = 69,
    CheckT5_1 = 70,
    CheckT5_2 = 71,
    CheckT5_3 = 72,
    CheckT6_1 = 73,
    CheckT6_2 = 74,
    CheckT6_3 = 75,
    CheckT6_4 = 76,
    CheckT7_1 = 77,
    CheckT7_2 = 78,
    CheckT7_3 = 79,
    CheckT7_4 = 80,
    CheckT8_1 = 81,
    CheckT8_2 = 82,
    CheckT8_3 = 83,
    CheckT8_4 = 84,
    CheckT9_1 = 85,
    CheckT9_2 = 86,
    CheckT9_3 = 87,
    CheckT9_4 = 88,
    CheckT10_1 = 89,
    CheckT11_1 = 90,
    CheckT12_1 = 91,
    CheckT12_2 = 92,
    CheckT12_3 = 93,
    CheckT13_1 = 94,
    CheckT14_1 = 95,
    CheckT14_2 = 96,
    CheckT14_3 = 97,
    CheckT14_4 = 98,
    CheckT15_1 = 99,
    CheckT16_1 = 100,
    CheckT20_1 = 101,
    CheckT20_2 = 102,
    CheckT21_1 = 103,
    CheckT21_2 = 104,
    CheckT21_3 = 105,
    CheckT21_4 = 106,
    CheckST0 = 107,
    CheckST1_1 = 108,
    CheckST1_2 = 109,
    CheckST2_1 = 110,
    CheckST2_2 = 111,
    CheckST2_3 = 112,
    CheckST3_1 = 113,
    CheckST3_2 = 114,
    CheckST3_3 = 115,
    CheckST3_4 = 116,
    CheckST4_1 = 117,
    CheckST4_2 = 118,
    CheckST4_3 = 119,
    CheckST4_4 = 120,
    CheckST5_1 = 121,
    CheckST5_2 = 122,
    CheckST6_1 = 123,
    CheckST6_2 = 124,
    CheckST6_3 = 125,
    CheckST6_4 = 126,
    CheckST7_1 = 127,
    CheckST7_2 = 128,
    CheckST8_1 = 129,
    CheckST8_2 = 130,
    CheckST8_3 = 131,
    CheckST8_4 = 132,
    CheckST9_1 = 133,
    CheckST9_2 = 134,
    CheckST9_3 = 135,
    CheckST10_1 = 136,
    CheckST11_1 = 137,
    CheckST20_1 = 138,
    CheckST20_2 = 139,
    CheckST21_1 = 140,
    CheckST22_1 = 141,
    CheckST22_2 = 142,
    CheckST22_3 = 143,
    CheckST22_4 = 144,
    CheckST22_5 = 145,
    CheckST22_6 = 146,
    CheckCount = 147
};

struct CheckInfo {
    int index;
    const char *id; // CheckId, "0", "S1.1", "T1.1b", "ST21.1"; null for an unused index
    const char *tab; // the tab that shows the check
    StoreKind store;
    BoxKind box;
    const char *key; // settings key of the check's box; null for the fixed boxes
    const char *description; // text of the box, untranslated (context "MainWindow")
    // Check "0" (a damaged file) is an error, the listings are information.
    Severity severity = Severity::Warning;
};

// "error", "warning" or "note".
const char *severityName(Severity severity);

const CheckInfo &checkInfo(int index);
int checkIndexOf(const QString &checkId); // -1 when unknown
// Adds to `checks` the checks a selector names: an id ("T8.2"), a group ("T8":
// T8.1 to T8.4, not T80), a family ("S*", "T*", "ST*") or every check ("*"),
// ignoring case. False when it names no check.
bool selectChecks(QStringView selector, std::bitset<CheckCount> &checks);

// The 51 tabs in panel order.
const QList<QString> &tabNames();
// The checks of a tab, in index order.
QList<int> checksOfTab(const QString &tab);
