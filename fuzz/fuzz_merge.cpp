// The translate assistant's merge: a .ts text, a source list and a translation
// list, read from the exchange files of the work directory or from the boxes, or
// the sources exported from the .ts text first.
//
// Input: a flags byte, then the .ts text, a NUL byte, the sources, a NUL byte and
// the translations.

#include "assistant/exchange.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

namespace {

enum Flag { KeepUnfinished = 1, ExchangeFiles = 2, ExportFirst = 4 };

QByteArray nextPart(const uint8_t *&data, size_t &size)
{
    const auto *end = static_cast<const uint8_t *>(std::memchr(data, 0, size));
    const size_t length = end ? size_t(end - data) : size;
    const QByteArray part(reinterpret_cast<const char *>(data), qsizetype(length));
    data += end ? length + 1 : length;
    size -= end ? length + 1 : length;
    return part;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A private home directory, so that the work directory lies below it.
const QString &tsPath()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/kvn-fuzz-merge-XXXXXX"));
    static const QString path = [] {
        qputenv("HOME", home.path().toLocal8Bit());
        return home.path() + QStringLiteral("/fuzz.ts");
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::setUp();
    if (size < 1)
        return 0;
    const int flags = data[0];
    ++data;
    --size;
    const QByteArray ts = nextPart(data, size);
    const QByteArray sources = nextPart(data, size);
    const QByteArray translations = nextPart(data, size);

    const QString &path = tsPath();
    const QString work = exchange::workDirectory(path) + QLatin1Char('/');
    const QString sourcePath = work + QLatin1String(exchange::sourceFileName);
    const QString translationPath = work + QLatin1String(exchange::translationFileName);
    QDir().mkpath(work);
    QFile::remove(sourcePath);
    QFile::remove(translationPath);
    write(path, ts);

    QString sourceBox = QString::fromUtf8(sources);
    if (flags & ExportFirst) {
        sourceBox = exchange::exportSources(path).sourceBoxText;
    } else if (flags & ExchangeFiles) {
        write(sourcePath, sources);
        sourceBox.clear();
    }
    QString translationBox = QString::fromUtf8(translations);
    if (flags & (ExchangeFiles | ExportFirst)) {
        write(translationPath, translations);
        translationBox.clear();
    }
    exchange::mergeTranslation(path, sourceBox, translationBox, flags & KeepUnfinished);
    return 0;
}
