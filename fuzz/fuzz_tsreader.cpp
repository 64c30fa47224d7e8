// Arbitrary bytes as a .ts file: the reader, every check and the whole report,
// with and without replayed source checks.

#include "fuzzsupport.h"
#include "input/readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::setUp();
    fuzzsupport::readCheckAndReport(data, size, QStringLiteral("fuzz.ts"), readTsDevice);
    return 0;
}
