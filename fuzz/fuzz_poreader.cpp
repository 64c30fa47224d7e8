// Arbitrary bytes as a .po file: the reader, every check and the whole report.

#include "fuzzsupport.h"
#include "store/readers.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::setUp();
    QByteArray bytes = fuzzsupport::bytesOf(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    results store;
    readPoDevice(true, QStringLiteral("fuzz.po"), &buffer, &store);
    store.runCatalogueChecks();
    fuzzsupport::reportEveryTab(store, fuzzsupport::defaultReportOptions());
    return 0;
}
