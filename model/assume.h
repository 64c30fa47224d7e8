#pragma once
// Assumptions about the character database that the checks rely on. Unlike
// Q_ASSERT they hold in release builds too: a failure stops the process with a
// diagnostic that names the failed condition.

#include <QtGlobal>

#define KVN_ASSUME(condition) \
    ((condition) ? void()     \
                 : qFatal("ASSERT: \"%s\" in file %s, line %d", #condition, __FILE__, __LINE__))
