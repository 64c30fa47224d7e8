#pragma once
// The list of checks that `kvn checks` prints: every check with its tab,
// severity, description, whether it is on by default and in which built-in
// profiles it is on.

#include <QByteArray>

// One line per check, then the built-in profiles.
QByteArray checkListText();
// {"checks": [...], "profiles": [...]}.
QByteArray checkListJson();
