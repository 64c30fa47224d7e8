#pragma once
// The interface language of the whole application: the program's own
// translation, Qt's translation of its dialogs and buttons, and the layout
// direction of every window.

#include <QString>

// Installs the translations of `language` into the application (which must
// exist) and sets its layout direction. A missing file leaves those texts in
// English. Returns whether the program's own translation was found.
bool installInterfaceLanguage(const QString &language, bool rightToLeft);

// The folders searched for Qt's own translation "qtbase_<language>.qm": the
// system's Qt translations folder, then the "translations" folder beside the program.
QStringList qtTranslationFolders();
