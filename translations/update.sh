#!/bin/sh
# Brings the interface translation files up to date with the sources: new texts
# are added as unfinished, existing translations are kept, texts that left the
# sources are marked vanished (pass -no-obsolete to drop them).
#
#   translations/update.sh [extra lupdate options]
#
# LUPDATE names another lupdate binary (default: Qt 6's lupdate on the PATH or
# /usr/lib/qt6/bin/lupdate).
set -e
cd "$(dirname "$0")/.."

if [ -z "$LUPDATE" ]; then
    if [ -x /usr/lib/qt6/bin/lupdate ]; then
        LUPDATE=/usr/lib/qt6/bin/lupdate
    else
        LUPDATE=lupdate
    fi
fi

# -I . resolves the project's includes ("checks/results.h"), so lupdate knows
# the classes behind results::tr() and MainWindow::tr().
"$LUPDATE" -I . -source-language en -locations absolute "$@" \
    model checks input report run app assistant cli \
    -ts translations/Korvane_ar.ts translations/Korvane_de.ts \
        translations/Korvane_en.ts translations/Korvane_ro.ts
