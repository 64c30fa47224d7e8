#pragma once
// The readers of translation files and the directory walks that feed them.
// A reader returns an empty text when the file could be opened, otherwise the
// message for the user; problems inside the file become items of check "0".

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class QFile;
class QIODevice;
class results;

QString readTsFile(bool clearFirst, const QString &path, results *store);
QString readPoFile(bool clearFirst, const QString &path, results *store);
// The same readers over a device opened for reading; path only names the file in
// the reports. For callers that hold the bytes already.
void readTsDevice(bool clearFirst, const QString &path, QIODevice *device, results *store);
void readPoDevice(bool clearFirst, const QString &path, QIODevice *device, results *store);
// Decodes the escapes of a quoted .po string as gettext does. An unknown escape
// stays as it stands; the first one is stored in unknown when it is given.
QString unescapePoString(const QString &text, QString *unknown = nullptr);
// Opens a translation file for reading; an empty text when it is open, otherwise
// the reader's message: it cannot be opened, is no regular file or is too large.
QString openTranslationFile(QFile &file, const QString &path);
// The first line of a device opened for reading whose bytes are not UTF-8; 0 when
// there is none, when a byte order mark names another encoding, or when the
// device cannot be read again from its start. Moves the device's position.
int firstInvalidUtf8Line(QIODevice *device);

// Progress of the directory walks; the window passes its progress dialog behind
// this, the command line passes none (null).
class WalkProgress
{
public:
    virtual ~WalkProgress() = default;
    virtual bool wasCanceled() const = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setValue(int value) = 0;
};

// The translation files below a directory, found by one walk.
struct TranslationFiles {
    // The paths of the files of each name, in the order of the walks; the map
    // orders the names case-sensitively.
    QMap<QString, QStringList> byName;
    // Items of check "0" for what the walk could not read.
    QStringList problems;
};
TranslationFiles collectTranslationFiles(const QString &directory);

// One step of a run's reading, in the order of the walks: a problem of the walk
// (an item of check "0"), a skipped file (a warning), or a file to read: one a
// walk found (a problem opening it becomes an item) or one named by the caller
// (a problem opening it ends the run).
struct ReadStep {
    enum Kind { Problem, Skipped, File, NamedFile };
    Kind kind;
    QString text; // the problem, the warning or the path
};
// The steps of a walk below directory (fileName empty: all files), of a list of
// paths a walk found.
QList<ReadStep> directorySteps(const QString &directory, const QString &fileName,
                               WalkProgress *progress);
QList<ReadStep> fileSteps(const QStringList &paths);
// Reads the file of a step into the store (".ts" Qt Linguist, any other gettext);
// the reader's text when the file could not be opened.
QString readStepFile(const ReadStep &step, results *store);
// What follows a step in the store: its item, its warning, or the problem of its
// file; counts the files read. False when the run ends (readerMessage is set).
bool finishStep(const ReadStep &step, const QString &problem, results *store, int &counter,
                WalkProgress *progress, QString *readerMessage = nullptr);
// The steps in turn; false when one ended the run.
bool readSteps(const QList<ReadStep> &steps, int &counter, WalkProgress *progress, results *store,
               QString *readerMessage = nullptr);
void collectFileNames(const QString &directory, QSet<QString> &names);
// Reads the given files into the store, as a walk would; returns how many.
int readTranslationFiles(const QStringList &paths, WalkProgress *progress, results *store);
// The translation files (.ts, .po, .pot) below a directory in the order of the
// walks; with a fileName, only the files of that name.
QStringList listTranslationFiles(const QString &directory, const QString &fileName = QString());
// False for a file that is no Qt Linguist file: its root element is not TS, or
// it does not begin with markup (a TypeScript source).
bool isLinguistFile(const QString &path);
// The language a catalogue declares: the language attribute of a .ts file,
// the Language header field of a .po file; empty when it names none.
QString declaredLanguage(const QString &path);
// Filtered mode: only files named fileName.
void readDirectory(const QString &directory, const QString &fileName, int &counter, bool countOnly,
                   WalkProgress *progress, results *store);
// All-files mode.
void readDirectory(const QString &directory, int &counter, bool countOnly, WalkProgress *progress,
                   results *store);
