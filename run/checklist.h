#pragma once
// The list of checks that `kvn checks` prints: every check with its tab,
// severity, description, help text, whether it is on by default and in which built-in
// profiles it is on.

#include <QByteArray>

// One line per check (withHelp: and its help text, indented, below it), then
// the built-in profiles.
QByteArray checkListText(bool withHelp = false);
// {"checks": [...], "profiles": [...]}; each check with its help text.
QByteArray checkListJson();
