#pragma once
// The translate assistant's file work: exporting the sources and the finished
// translations of a .ts file into plain exchange texts, and merging translated
// exchange texts back into a copy of the .ts file. Every action returns the text
// the assistant shows in its message box; the dialog and kvn only display it.
//
// Exchange text: entries, each followed by a line feed, "*****" and a line feed.
// Files are written in UTF-8 with a byte order mark and line feeds, into the
// work directory $HOME/Korvane/<base name of the .ts file>.

#include <QString>

QString decodeEntities(const QString &text);
QString encodeEntities(const QString &text);

namespace exchange {

inline constexpr char separator[] = "\n*****\n";
inline constexpr char sourceFileName[] = "KVN_source_file_for_translation.txt";
inline constexpr char translationsInTsFileName[] = "KVN_translations_in_ts_file.txt";
inline constexpr char translationFileName[] = "KVN_translation.txt";
inline constexpr char mergedFileSuffix[] = "_KVN_TRANSLATION_PLEASE_DONATE.ts";

QString workDirectory(const QString &tsPath);
QString mergedFilePath(const QString &tsPath);

struct Outcome {
    QString messages; // the whole message-box text after the action
    bool succeeded = false; // false when the action ended on a failure message
    bool fileOpened = false; // exportSources: the .ts file was opened (show its path)
    bool boxesCleared = false; // exportSources: both boxes are emptied ...
    QString sourceBoxText; // ... and the left box receives this text
};

// "Select File" after the file was chosen: exports the sources, then runs
// exportTranslations.
Outcome exportSources(const QString &tsPath);
// Exports the finished translations; appends to (or replaces) priorMessages.
Outcome exportTranslations(const QString &tsPath, const QString &priorMessages);
// "Merge Translation": the exchange files are read when present, otherwise the
// box texts (the command line passes empty texts).
Outcome mergeTranslation(const QString &tsPath, const QString &sourceBox,
                         const QString &translationBox, bool keepUnfinished);

} // namespace exchange
