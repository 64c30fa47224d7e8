#include "input/fileaccess.h"

#include "checks/results.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileaccess {

OpenStatus openRegularFile(QFile &file, const QString &path, QIODevice::OpenMode mode)
{
    // O_NONBLOCK: opening a FIFO without a writer would wait for one.
    const int descriptor
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return OpenStatus::NotOpened;
    struct stat info;
    OpenStatus status = OpenStatus::Opened;
    if (::fstat(descriptor, &info) != 0)
        status = OpenStatus::NotOpened;
    else if (!S_ISREG(info.st_mode))
        status = OpenStatus::NotRegular;
    else if (info.st_size > MaximumReadSize)
        status = OpenStatus::TooLarge;
    if (status == OpenStatus::Opened) {
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        file.setFileName(path);
        if (!file.open(descriptor, mode, QFileDevice::AutoCloseHandle))
            status = OpenStatus::NotOpened;
        else
            return status;
    }
    ::close(descriptor);
    return status;
}

QString openProblem(OpenStatus status, const QString &path)
{
    switch (status) {
    case OpenStatus::NotRegular:
        return results::tr("%1 is not a regular file.").arg(path);
    case OpenStatus::TooLarge:
        return results::tr("%1 is larger than 2 GiB.").arg(path);
    case OpenStatus::Opened:
    case OpenStatus::NotOpened:
        break;
    }
    return QString();
}

WriteOutcome writeWholeFile(const QString &path, const QByteArray &bytes, bool text)
{
    WriteOutcome outcome;
    QSaveFile file(path);
    const auto fail = [&](WriteOutcome::Status status) {
        outcome.status = status;
        outcome.error
            = file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
        outcome.reason = file.errorString();
        return outcome;
    };
    if (!file.open(text ? QIODevice::WriteOnly | QIODevice::Text : QIODevice::WriteOnly))
        return fail(WriteOutcome::NotOpened);
    // A short write is a failure like any other; the file then stays as it was.
    // The buffer is flushed here: commit() does not report a failed flush.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        fail(WriteOutcome::Failed);
        file.cancelWriting();
        file.commit();
        return outcome;
    }
    if (!file.commit())
        return fail(WriteOutcome::Failed);
    return outcome;
}

bool sameFile(const QString &first, const QString &second)
{
    struct stat a, b;
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
           && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev
           && a.st_ino == b.st_ino;
}

} // namespace fileaccess
