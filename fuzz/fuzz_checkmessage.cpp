// Arbitrary source/translation pairs through every check, under several
// languages and option sets.

#include "store/appsettings.h"
#include "store/results.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstring>

namespace {

const char *const Languages[] = {"en", "de_DE", "ja", "zh_CN", "ar", "hi", "pl", "fr", "", "xx"};

// Turns the first bytes into options: tri-state boxes, option boxes, line edits.
void chooseOptions(const uint8_t *data, size_t size)
{
    AppSettings = AppSettingsRecord();
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i) {
        const uint8_t byte = size ? data[i % size] : 0;
        switch (infos[i].kind) {
        case SettingKind::Bool:
            setSettingValue(AppSettings, i, (byte >> (i % 8)) & 1);
            break;
        case SettingKind::State:
            setSettingValue(AppSettings, i, byte % 3);
            break;
        case SettingKind::Int:
        case SettingKind::Float:
            setSettingValue(AppSettings, i, infos[i].low + (byte % 8) * (infos[i].high - infos[i].low) / 7);
            break;
        case SettingKind::String:
            if (infos[i].high > 0 && (byte & 0x80))
                setSettingValue(AppSettings, i, QStringLiteral("-.&"));
            break;
        case SettingKind::Bytes:
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (size < 3)
        return 0;
    chooseOptions(data, 3);
    const char *language = Languages[data[0] % (sizeof(Languages) / sizeof(*Languages))];
    const int numerusForm = data[1] % 5;
    const bool unfinished = data[2] & 1;
    data += 3;
    size -= 3;
    const uint8_t *split = static_cast<const uint8_t *>(std::memchr(data, 0, size));
    const size_t sourceSize = split ? size_t(split - data) : size;
    const QString source = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(sourceSize));
    const QString translation = split ? QString::fromUtf8(reinterpret_cast<const char *>(split + 1),
                                                          qsizetype(size - sourceSize - 1))
                                      : QString();
    results store;
    store.setUpLanguage(QString::fromLatin1(language), true, QStringLiteral("fuzz.ts"));
    const QList<QString> locations{QStringLiteral("a.cpp   Line: 1")};
    store.checkMessage(source, translation, QStringLiteral("Context"), locations, unfinished, false,
                       numerusForm, QString(), QString());
    store.checkMessage(translation, source, QStringLiteral("Context"), locations, false, false, 0,
                       QString(), QString());
    store.runCatalogueChecks();
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (info.store == StoreKind::Findings)
            store.formatFindings(index, true, true, true, false, index % 2);
        else if (info.store == StoreKind::Items)
            store.formatItemList(index, true, true);
    }
    return 0;
}
