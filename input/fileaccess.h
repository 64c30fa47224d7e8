#pragma once
// Reading and writing whole files safely. A file is read only when it is a
// regular file of bounded size, so that a FIFO, a device or a huge file never
// blocks or exhausts the program; a file is written through QSaveFile, so that it
// is either replaced completely or left as it was.

#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QString>

class QFile;

namespace fileaccess {

// The largest file read: 2 GiB.
inline constexpr qint64 MaximumReadSize = qint64(2) * 1024 * 1024 * 1024;

enum class OpenStatus { Opened, NotOpened, NotRegular, TooLarge };

// Opens path for reading (mode: ReadOnly, optionally Text) when it names a
// regular file, a link to one included, of at most MaximumReadSize bytes. Opening
// never blocks, whatever kind of file path names.
OpenStatus openRegularFile(QFile &file, const QString &path,
                           QIODevice::OpenMode mode = QIODevice::ReadOnly);
// The message for a file that openRegularFile did not open (context "results"):
// "%1 is not a regular file." or "%1 is larger than 2 GiB."; empty for the other
// statuses, whose messages the callers have.
QString openProblem(OpenStatus status, const QString &path);

struct WriteOutcome {
    enum Status { Written, NotOpened, Failed } status = Written;
    QFileDevice::FileError error = QFileDevice::NoError;
    QString reason; // the system's words for a failure
    bool written() const { return status == Written; }
};
// Replaces the file at path by bytes (text: with the platform's line ends). On
// failure, a short write included, the file is as it was before.
WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes, bool text = false);

// Whether both paths name one file (the same device and inode, links followed).
bool sameFile(const QString &first, const QString &second);

} // namespace fileaccess
