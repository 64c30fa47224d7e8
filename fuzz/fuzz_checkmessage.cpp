// Arbitrary source/translation pairs through every check and the report of
// every tab, under several languages and option sets.
//
// Input: a language byte, a flags byte, OptionBytes bytes of options, then the
// source, a NUL byte and the translation (UTF-8).

#include "fuzzsupport.h"

#include <QHash>
#include <cstring>
#include <memory>

namespace {

const char *const Languages[] = {"en", "de_DE", "ja", "zh_CN", "ar", "hi", "pl", "fr", "", "xx"};
const int LanguageCount = int(sizeof(Languages) / sizeof(*Languages));
const size_t OptionBytes = 16;
const char *const LineEditTexts[] = {"-.&", ".", "%", "&", "ab", ":;"};

// Boxes, spin boxes and line edits from the option bytes; each byte feeds
// several options, one bit (or pair of bits) each.
void chooseOptions(AppSettingsRecord &record, const uint8_t *options)
{
    record = defaultOptions();
    const QList<SettingInfo> &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i) {
        const int byte = options[size_t(i) % OptionBytes];
        const int bits = byte >> ((i / int(OptionBytes)) % 7);
        switch (infos.at(i).kind) {
        case SettingKind::Bool:
            setSettingValue(record, i, bool(bits & 1));
            break;
        case SettingKind::State:
            setSettingValue(record, i, (bits & 3) % 3);
            break;
        case SettingKind::Int:
        case SettingKind::Float: {
            const double low = infos.at(i).low;
            const double high = infos.at(i).high;
            setSettingValue(record, i, low + (byte % 8) * (high - low) / 7);
            break;
        }
        case SettingKind::String:
            if (infos.at(i).high > 0)
                setSettingValue(
                    record, i, QString::fromLatin1(LineEditTexts[byte % std::size(LineEditTexts)]));
            break;
        case SettingKind::Bytes:
            break;
        }
    }
    applyControlLimits(record);
}

// Building the language rules costs more than checking a message, so a store is
// set up once for each language and each state of the two options the set-up
// reads, and every input starts from a copy of it (the containers are shared
// until written).
const results &preparedStore(int language, const AppSettingsRecord &options)
{
    static QHash<int, std::shared_ptr<results>> stores;
    const int key = language * 4 + (options.checkS5_3_1CheckBox ? 1 : 0)
                    + (options.checkT5_3_1CheckBox ? 2 : 0);
    std::shared_ptr<results> &store = stores[key];
    if (!store) {
        store = std::make_shared<results>(options);
        store->setUpLanguage(QString::fromLatin1(Languages[language]), true,
                             QStringLiteral("fuzz.ts"));
    }
    return *store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzsupport::setUp();
    if (size < 2 + OptionBytes)
        return 0;
    const int language = data[0] % LanguageCount;
    const int flags = data[1];
    static AppSettingsRecord options;
    if (flags & 0x80)
        options = defaultOptions();
    else
        chooseOptions(options, data + 2);
    const uint8_t *const optionBytes = data + 2;
    const int numerusForm = flags % 5;
    const bool unfinished = flags & 0x08;
    const bool vanished = (flags & 0x70) == 0x70;
    const QString warning = (flags & 0x20) ? QStringLiteral("Numerus warning\n") : QString();
    data += 2 + OptionBytes;
    size -= 2 + OptionBytes;

    const auto *split = static_cast<const uint8_t *>(std::memchr(data, 0, size));
    const size_t sourceSize = split ? size_t(split - data) : size;
    const QString source
        = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(sourceSize));
    const QString translation = split ? QString::fromUtf8(reinterpret_cast<const char *>(split + 1),
                                                          qsizetype(size - sourceSize - 1))
                                      : QString();

    results store = preparedStore(language, options);
    store.setOptions(options);
    const QList<QString> locations {QStringLiteral("a.cpp   Line: 1")};
    store.checkMessage(source, translation, QStringLiteral("Context"), locations, unfinished,
                       vanished, numerusForm, warning, warning);
    // The pair the other way round meets the first one in the catalogue checks.
    store.checkMessage(translation, source, QStringLiteral("Context"), locations, false, false, 0,
                       QString(), QString());
    store.runCatalogueChecks();

    // The boxes that show details, and the report switches, from the same bytes
    // (reportOptions looks every box up by name: too slow per input).
    ReportOptions report = fuzzsupport::defaultReportOptions();
    if (!(flags & 0x80)) {
        QByteArray boxes(reinterpret_cast<const char *>(optionBytes), OptionBytes);
        report.boxChecked = [boxes](int index) {
            return (uchar(boxes.at(index % OptionBytes)) >> (index / OptionBytes % 8)) & 1;
        };
        report.printLocation = boxes.at(0) & 1;
        report.htmlS14 = boxes.at(1) & 1;
        report.htmlT14 = boxes.at(2) & 1;
    }
    fuzzsupport::reportEveryTab(store, report);
    return 0;
}
