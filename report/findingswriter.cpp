#include "report/findingswriter.h"

#include "checks/results.h"
#include "model/catalogue.h"
#include "model/textescape.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QIODevice>
#include <QUrl>
#include <algorithm>
#include <array>
#include <charconv>

namespace {

// The writer holds at most this much before it writes to the device.
const qsizetype FlushSize = 1 << 20;
// The detail of a one-line message is cut after this many characters.
const qsizetype LongestDetail = 300;

const char *const FormatNames[] = {"gcc", "report", "json", "sarif", "github", "csv"};

QString description(int index)
{
    return QCoreApplication::translate("MainWindow", checkInfo(index).description);
}

// The first line of the description without "Check ID ": "Warns if ...".
QString shortDescription(int index)
{
    QString text = description(index).section(QLatin1Char('\n'), 0, 0);
    const QString prefix
        = QLatin1String("Check ") + QLatin1String(checkInfo(index).id) + QLatin1Char(' ');
    if (text.startsWith(prefix)) {
        text.remove(0, prefix.size());
        if (!text.isEmpty())
            text[0] = text.at(0).toUpper();
    }
    return text;
}

// The note at the message a finding compares its message with.
QString relatedText()
{
    return QCoreApplication::translate("kvn", "the message it differs from");
}

Severity severityOf(int index)
{
    return checkInfo(index).severity;
}

// One place of a finding in a catalogue.
struct Occurrence {
    int file; // index into the store's files; the run's path when out of range
    int line;
    int check;
    const QString *text; // the finding text, or the item of check "0"
    int message; // index into the store's messages, -1 for none
    int related = -1; // the message the finding compares it with (ST10.1), -1 for none
};

// The JSON escape of an ASCII character that needs one, or null.
const char *jsonEscape(char16_t c)
{
    switch (c) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return nullptr;
    }
}

// JSON texts appended to a byte buffer, escaped as RFC 8259 asks, in one pass
// from UTF-16 to UTF-8. Every string holds whole characters: strict parsers
// reject a lone surrogate, which becomes U+FFFD.
void appendJsonString(QByteArray &out, const QString &text)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    const char16_t *const end = p + text.size();
    // At most six bytes per code unit (a control character as \u00XX), and the quotes.
    const qsizetype start = out.size();
    out.resize(start + 6 * text.size() + 2);
    char *to = out.data() + start;
    *to++ = '"';
    while (p < end) {
        char32_t u = *p++;
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            *to++ = char(u);
            continue;
        }
        if (u < 0x80) {
            if (const char *escaped = jsonEscape(char16_t(u))) {
                *to++ = escaped[0];
                *to++ = escaped[1];
            } else {
                static const char hex[] = "0123456789abcdef";
                for (const char c : {'\\', 'u', '0', '0', hex[u >> 4], hex[u & 15]})
                    *to++ = c;
            }
            continue;
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            if (u <= 0xDBFF && p < end && *p >= 0xDC00 && *p <= 0xDFFF)
                u = 0x10000 + ((u - 0xD800) << 10) + (*p++ - 0xDC00);
            else
                u = 0xFFFD;
        }
        if (u < 0x800) {
            *to++ = char(0xC0 | (u >> 6));
        } else {
            if (u < 0x10000) {
                *to++ = char(0xE0 | (u >> 12));
            } else {
                *to++ = char(0xF0 | (u >> 18));
                *to++ = char(0x80 | ((u >> 12) & 0x3F));
            }
            *to++ = char(0x80 | ((u >> 6) & 0x3F));
        }
        *to++ = char(0x80 | (u & 0x3F));
    }
    *to++ = '"';
    out.truncate(to - out.constData());
}

void appendJsonString(QByteArray &out, const char *text)
{
    appendJsonString(out, QString::fromLatin1(text));
}

} // namespace

bool outputFormatFromName(const QString &name, OutputFormat &format)
{
    if (name == QLatin1String("text")) {
        format = OutputFormat::Report;
        return true;
    }
    for (int i = 0; i < int(std::size(FormatNames)); ++i)
        if (name == QLatin1String(FormatNames[i])) {
            format = OutputFormat(i);
            return true;
        }
    return false;
}

const QStringList &outputFormatNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char *name : FormatNames)
            list.append(QString::fromLatin1(name));
        return list;
    }();
    return names;
}

bool isReportedCheck(int index, const ReportOptions &options)
{
    const CheckInfo &info = checkInfo(index);
    if (!info.id)
        return false;
    if (index == Check_0)
        return true;
    return isWarningCheck(index) && (info.box == BoxKind::Fixed || options.boxChecked(index));
}

QString totalsLine(const OutputTotals &totals)
{
    QString line = QCoreApplication::translate("kvn", "%1 findings (%2 errors, %3 warnings) in %4 "
                                                      "files")
                       .arg(totals.findings)
                       .arg(totals.errors)
                       .arg(totals.warnings)
                       .arg(totals.files);
    if (totals.silenced > 0)
        line += QCoreApplication::translate("kvn", "; %1 silenced by kvn-ignore comments")
                    .arg(totals.silenced);
    return line;
}

QString silencedLine(const OutputTotals &totals)
{
    return QCoreApplication::translate("kvn", "%1 findings silenced by kvn-ignore comments")
        .arg(totals.silenced);
}

QString oneLine(const QString &text)
{
    return textescape::escapeControlCharacters(text);
}

QString githubData(const QString &text)
{
    QString data = text;
    data.replace(QLatin1Char('%'), QLatin1String("%25"));
    data.replace(QLatin1Char('\r'), QLatin1String("%0D"));
    data.replace(QLatin1Char('\n'), QLatin1String("%0A"));
    return data;
}

QString githubProperty(const QString &text)
{
    QString property = githubData(text);
    property.replace(QLatin1Char(':'), QLatin1String("%3A"));
    property.replace(QLatin1Char(','), QLatin1String("%2C"));
    return property;
}

// A file's artifact URI as a JSON string: relative paths stay relative.
QByteArray sarifUri(const QString &displayedPath)
{
    const QString path = QDir::fromNativeSeparators(displayedPath);
    const QString uri = QDir::isAbsolutePath(path)
                            ? QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded())
                            : QString::fromUtf8(QUrl::toPercentEncoding(path, "/"));
    QByteArray json;
    appendJsonString(json, uri);
    return json;
}

QString csvField(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.at(0)))
        field.prepend(QLatin1Char('\''));
    if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
        || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
        field.replace(QLatin1Char('"'), QLatin1String("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QString displayPath(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    const QString relative = QDir::current().relativeFilePath(path);
    if (relative.startsWith(QLatin1String("../")) || relative == QLatin1String(".."))
        return QDir::cleanPath(path);
    return relative;
}

class FindingsWriter::Private
{
public:
    Private(OutputFormat outputFormat, QIODevice *output, const OutputOptions &outputOptions)
        : format(outputFormat)
        , device(output)
        , options(outputOptions)
    { }

    void flush(bool always = false)
    {
        if (always || out.size() >= FlushSize) {
            device->write(out);
            out.clear();
        }
    }

    // Per run.
    void startRun(const results &store, const QString &path);
    void collect();
    QString message(const Occurrence &occurrence) const;
    // The occurrence at the related message of an occurrence.
    Occurrence related(const Occurrence &occurrence) const
    {
        const MessageRecord &record = store->messages().at(occurrence.related);
        return {record.file, findingLine(record, occurrence.check), occurrence.check,
                occurrence.text, occurrence.related};
    }
    void appendSarifLocation(const Occurrence &occurrence);
    const QString &pathOf(int file) const
    {
        return file >= 0 && file < paths.size() ? paths.at(file) : runPath;
    }
    int lineOf(const Occurrence &occurrence) const { return occurrence.line; }
    void countTotals();

    // Calls write(occurrence, false) for each occurrence, then write(its related
    // occurrence, true) when it has one.
    template<typename Write>
    void eachLine(const Write &write)
    {
        for (const Occurrence &occurrence : occurrences) {
            write(occurrence, false);
            if (occurrence.related >= 0)
                write(related(occurrence), true);
            flush();
        }
    }
    void writeLines(bool github);
    void writeCsv();
    void writeJson(const QString &path, int fileCount);
    void writeJsonCheck(int index);
    void writeJsonItems(int index);
    void writeJsonFindings(int index);
    void writeJsonOccurrences(const QList<int> &ids, int index, int related);
    void writeSarifRun();
    QByteArray fingerprint(const Occurrence &occurrence);

    const OutputFormat format;
    QIODevice *const device;
    const OutputOptions options;
    QByteArray out;
    OutputTotals totals;
    int runs = 0;

    const results *store = nullptr;
    QString runPath;
    QStringList paths; // display paths of the store's files
    QList<Occurrence> occurrences;
    // Translated once per writer: a large run writes them on every line.
    mutable std::array<QString, CheckCount> shortDescriptions;
    const QString &shortDescriptionOf(int check) const
    {
        QString &text = shortDescriptions.at(size_t(check));
        if (text.isNull())
            text = shortDescription(check);
        return text;
    }
    // The index of a file into the lists by file: the run's path stands last,
    // for findings of no file.
    qsizetype fileSlot(int file) const
    {
        return file >= 0 && file < paths.size() ? file : paths.size();
    }
    QStringList githubPaths; // the one-line paths as GitHub properties
    QList<QByteArray> gccPaths; // the one-line paths in UTF-8
    QList<QByteArray> sarifUris; // artifact URIs as JSON strings
    QCryptographicHash fingerprintHash {QCryptographicHash::Sha256};
};

void FindingsWriter::Private::startRun(const results &runStore, const QString &path)
{
    store = &runStore;
    runPath = displayPath(path);
    paths.clear();
    githubPaths.clear();
    gccPaths.clear();
    sarifUris.clear();
    for (const QString &file : store->files())
        paths.append(displayPath(file));
    // By file slot: the run's path stands last, for findings of no file.
    for (qsizetype file = 0; file <= paths.size(); ++file) {
        const QString &shown = file < paths.size() ? paths.at(file) : runPath;
        if (format == OutputFormat::Github)
            githubPaths.append(githubProperty(oneLine(shown)));
        if (format == OutputFormat::Gcc)
            gccPaths.append(oneLine(shown).toUtf8());
        if (format == OutputFormat::Sarif)
            sarifUris.append(sarifUri(shown));
    }
    occurrences.clear();
}

// The findings of the reported checks, one per message (a source finding of a
// message with several locations is one), sorted by file, line and check.
void FindingsWriter::Private::collect()
{
    const ItemList &items = store->items(Check_0);
    const QList<ItemOrigin> &origins = store->itemOrigins();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ItemOrigin origin = i < origins.size() ? origins.at(i) : ItemOrigin();
        occurrences.append({origin.file, origin.line, Check_0, &items.at(i), -1});
    }
    const QList<MessageRecord> &messages = store->messages();
    for (int index = 1; index < CheckCount; ++index) {
        if (!isReportedCheck(index, options.report))
            continue;
        const auto &entries = store->findings(index).entries();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const QList<int> &ids = it->messages;
            for (qsizetype i = 0; i < ids.size(); ++i) {
                const int id = ids.at(i);
                if (i > 0 && id >= 0 && id == ids.at(i - 1))
                    continue;
                if (id < 0) {
                    occurrences.append({-1, 0, index, &it.key(), -1});
                    continue;
                }
                const MessageRecord &record = messages.at(id);
                occurrences.append(
                    {record.file, findingLine(record, index), index, &it.key(), id, it->related});
            }
        }
    }
    // File order by path: rank the files once.
    QList<int> order(paths.size() + 1);
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [this](int a, int b) { return pathOf(a) < pathOf(b); });
    QList<int> rank(order.size());
    for (int i = 0; i < order.size(); ++i)
        rank[order.at(i)] = i;
    const auto rankOf = [&](int file) {
        return file >= 0 && file < paths.size() ? rank.at(file) : rank.at(paths.size());
    };
    std::stable_sort(occurrences.begin(), occurrences.end(),
                     [&](const Occurrence &a, const Occurrence &b) {
                         const int ra = rankOf(a.file), rb = rankOf(b.file);
                         if (ra != rb)
                             return ra < rb;
                         if (a.line != b.line)
                             return a.line < b.line;
                         return a.check < b.check;
                     });
}

QString FindingsWriter::Private::message(const Occurrence &occurrence) const
{
    QString detail = *occurrence.text;
    if (detail.size() > LongestDetail)
        detail = detail.left(LongestDetail) + QLatin1String("...");
    return shortDescriptionOf(occurrence.check) + QLatin1String(": ") + oneLine(detail);
}

void FindingsWriter::Private::countTotals()
{
    for (const Occurrence &occurrence : occurrences) {
        ++totals.findings;
        const Severity severity = severityOf(occurrence.check);
        if (severity == Severity::Error)
            ++totals.errors;
        else if (severity == Severity::Warning)
            ++totals.warnings;
        else
            ++totals.notes;
    }
    for (int index = 0; index < CheckCount; ++index)
        totals.silenced += store->silencedCount(index);
}

void FindingsWriter::Private::writeLines(bool github)
{
    // A comparison names the message it compares with after its own: a note
    // (gcc) or a notice (GitHub) with the same id.
    const auto write = [&](const Occurrence &occurrence, bool note) {
        const Severity severity = note ? Severity::Info : severityOf(occurrence.check);
        const char *id = checkInfo(occurrence.check).id;
        const QString text = note ? relatedText() : message(occurrence);
        if (!github) {
            // Straight into the output: only the message is converted per line.
            out += gccPaths.at(fileSlot(occurrence.file));
            out += ':';
            if (occurrence.line > 0) {
                char digits[16];
                const auto end = std::to_chars(digits, digits + sizeof digits, occurrence.line);
                out.append(digits, end.ptr - digits);
                out += ':';
            }
            out += ' ';
            out += severityName(severity);
            out += ": ";
            out += text.toUtf8();
            out += " [";
            out += id;
            out += "]\n";
            return;
        }
        const char *command = severity == Severity::Info ? "notice" : severityName(severity);
        QString line = QLatin1String("::") + QLatin1String(command) + QLatin1String(" file=")
                       + githubPaths.at(fileSlot(occurrence.file));
        if (occurrence.line > 0)
            line += QLatin1String(",line=") + QString::number(occurrence.line);
        line += QLatin1String(",title=") + githubProperty(QLatin1String(id)) + QLatin1String("::")
                + githubData(text) + QLatin1Char('\n');
        out += line.toUtf8();
    };
    eachLine(write);
}

// One row per finding and one per message it compares with, as the gcc lines.
void FindingsWriter::Private::writeCsv()
{
    const auto write = [&](const Occurrence &occurrence, bool note) {
        const MessageRecord *record
            = occurrence.message >= 0 ? &store->messages().at(occurrence.message) : nullptr;
        const QString fields[]
            = {QLatin1String(checkInfo(occurrence.check).id),
               QLatin1String(severityName(note ? Severity::Info : severityOf(occurrence.check))),
               pathOf(occurrence.file),
               occurrence.line > 0 ? QString::number(occurrence.line) : QString(),
               record ? record->context : QString(),
               record ? record->source : QString(),
               record ? record->translation : QString(),
               note ? relatedText() : *occurrence.text};
        QString row;
        for (const QString &field : fields)
            row += csvField(textescape::wholeCharacters(field)) + QLatin1Char(',');
        row.back() = QLatin1Char('\r');
        out += row.toUtf8() + '\n';
    };
    eachLine(write);
}

void FindingsWriter::Private::writeJsonCheck(int index)
{
    const CheckInfo &info = checkInfo(index);
    const ReportOptions &report = options.report;
    const bool boxOn
        = info.box == BoxKind::Fixed || (report.boxChecked && report.boxChecked(index));
    out += "        {\n            \"id\": ";
    appendJsonString(out, info.id);
    out += ",\n            \"index\": " + QByteArray::number(index);
    out += ",\n            \"tab\": ";
    appendJsonString(out, info.tab);
    out += ",\n            \"severity\": ";
    appendJsonString(out, severityName(info.severity));
    out += ",\n            \"description\": ";
    appendJsonString(out, description(index));
    out += ",\n            \"boxOn\": ";
    out += boxOn ? "true" : "false";
    out += ",\n            \"warning\": ";
    out += isWarningCheck(index) ? "true" : "false";
    out += ",\n            \"silencedCount\": " + QByteArray::number(store->silencedCount(index));
    if (info.store == StoreKind::Items)
        writeJsonItems(index);
    else
        writeJsonFindings(index);
}

// The items of a check with an item list, and where the items of check "0" stand.
void FindingsWriter::Private::writeJsonItems(int index)
{
    const ItemList &items = store->items(index);
    out += ",\n            \"count\": " + QByteArray::number(items.size());
    out += ",\n            \"items\": [";
    for (qsizetype i = 0; i < items.size(); ++i) {
        out += i == 0 ? "\n                " : ",\n                ";
        appendJsonString(out, items.at(i));
        flush();
    }
    out += items.isEmpty() ? "]" : "\n            ]";
    if (index == Check_0) {
        // Where each item stands, in item order.
        const QList<ItemOrigin> &origins = store->itemOrigins();
        out += ",\n            \"itemLocations\": [";
        for (qsizetype i = 0; i < origins.size(); ++i) {
            out += i == 0 ? "\n                {\"file\": " : ",\n                {\"file\": ";
            appendJsonString(out, pathOf(origins.at(i).file));
            out += ", \"line\": " + QByteArray::number(origins.at(i).line) + "}";
        }
        out += origins.isEmpty() ? "]" : "\n            ]";
    }
    out += "\n        }";
}

// The findings of a check with a finding map: text, values, occurrences.
void FindingsWriter::Private::writeJsonFindings(int index)
{
    const FindingMap &map = store->findings(index);
    out += ",\n            \"count\": " + QByteArray::number(map.size());
    out += ",\n            \"findings\": [";
    const auto &entries = map.entries();
    bool firstFinding = true;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        out += firstFinding ? "\n                {\n                    \"text\": "
                            : ",\n                {\n                    \"text\": ";
        firstFinding = false;
        appendJsonString(out, it.key());
        out += ",\n                    \"values\": [";
        // Newest first, as the report lists them.
        const QStringList &values = it->values;
        for (qsizetype i = values.size() - 1; i >= 0; --i) {
            out += i == values.size() - 1 ? "\n                        "
                                          : ",\n                        ";
            appendJsonString(out, values.at(i));
        }
        out += values.isEmpty() ? "]" : "\n                    ]";
        writeJsonOccurrences(it->messages, index, it->related);
        out += "\n                }";
        flush();
    }
    out += firstFinding ? "]" : "\n            ]";
    out += "\n        }";
}

// One occurrence per message, in the order of the values, then the message a
// comparison compares them with (`related`, -1 for none).
void FindingsWriter::Private::writeJsonOccurrences(const QList<int> &ids, int index, int related)
{
    const QList<MessageRecord> &messages = store->messages();
    out += ",\n                    \"occurrences\": [";
    bool firstOccurrence = true;
    for (qsizetype i = ids.size() - 1; i >= -1; --i) {
        const int id = i >= 0 ? ids.at(i) : related;
        if (id < 0 || (i >= 0 && i + 1 < ids.size() && ids.at(i + 1) == id))
            continue;
        const MessageRecord &record = messages.at(id);
        out += firstOccurrence ? "\n                        {\"file\": "
                               : ",\n                        {\"file\": ";
        firstOccurrence = false;
        appendJsonString(out, pathOf(record.file));
        out += ", \"line\": " + QByteArray::number(findingLine(record, index));
        out += ", \"context\": ";
        appendJsonString(out, record.context);
        out += ", \"source\": ";
        appendJsonString(out, record.source);
        out += ", \"translation\": ";
        appendJsonString(out, record.translation);
        out += ", \"form\": " + QByteArray::number(record.numerusForm) + "}";
    }
    out += firstOccurrence ? "]" : "\n                    ]";
}

void FindingsWriter::Private::writeJson(const QString &path, int fileCount)
{
    if (runs == 0 && options.severalRuns)
        out += "[\n";
    if (runs > 0)
        out += ",\n";
    out += "{\n    \"schemaVersion\": 2,\n    \"summary\": {";
    const auto field = [this](const char *name, const QByteArray &value, bool last = false) {
        out += "\n        \"";
        out += name;
        out += "\": " + value + (last ? "" : ",");
    };
    QByteArray text;
    field("path", (appendJsonString(text, path), text));
    field("fileCount", QByteArray::number(fileCount));
    text.clear();
    field("language", (appendJsonString(text, store->catalogueLanguage), text));
    field("sourceCount", QByteArray::number(store->sourceCount));
    field("translationCount", QByteArray::number(store->translationCount));
    field("unfinishedCount", QByteArray::number(store->unfinishedCount));
    field("vanishedCount", QByteArray::number(store->vanishedCount));
    field("emptySourceCount", QByteArray::number(store->findings(CheckS1_1).size()));
    field("emptyTranslationCount", QByteArray::number(store->findings(CheckT1_1).size()));
    field("maxNumerusSource", QByteArray::number(store->sourceRules.maxNumerus));
    field("maxNumerusTranslation", QByteArray::number(store->translationRules.maxNumerus));
    int silenced = 0;
    for (int index = 0; index < CheckCount; ++index)
        silenced += store->silencedCount(index);
    field("silencedCount", QByteArray::number(silenced), true);
    out += "\n    },\n    \"checks\": [";
    bool first = true;
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (!info.id
            || (!options.tabs.isEmpty() && !options.tabs.contains(QLatin1String(info.tab))))
            continue;
        out += first ? "\n" : ",\n";
        first = false;
        writeJsonCheck(index);
        flush();
    }
    out += first ? "]\n}" : "\n    ]\n}";
}

void FindingsWriter::Private::appendSarifLocation(const Occurrence &occurrence)
{
    out += "\"physicalLocation\": {\"artifactLocation\": {\"uri\": ";
    out += sarifUris.at(fileSlot(occurrence.file));
    out += "}";
    if (occurrence.line > 0)
        out += ", \"region\": {\"startLine\": " + QByteArray::number(occurrence.line) + "}";
    out += "}";
}

QByteArray FindingsWriter::Private::fingerprint(const Occurrence &occurrence)
{
    QCryptographicHash &hash = fingerprintHash;
    hash.reset();
    const auto add = [&hash](const QString &text) {
        hash.addData(text.toUtf8());
        hash.addData(QByteArrayView("\0", 1));
    };
    add(pathOf(occurrence.file));
    add(QLatin1String(checkInfo(occurrence.check).id));
    if (occurrence.message >= 0) {
        const MessageRecord &record = store->messages().at(occurrence.message);
        add(record.context);
        add(record.source);
        add(record.translation);
        add(*occurrence.text);
    } else {
        // An item of check "0" names its line in its second line: only the first counts.
        add(occurrence.text->section(QLatin1Char('\n'), 0, 0));
    }
    return hash.result().toHex().left(32);
}

void FindingsWriter::Private::writeSarifRun()
{
    out += runs == 0 ? "\n" : ",\n";
    out += "    {\n      \"tool\": {\n        \"driver\": {\n          \"name\": \"kvn\",\n"
           "          \"version\": ";
    appendJsonString(out, options.toolVersion);
    out += ",\n          \"rules\": [";
    QList<int> ruleIndex(CheckCount, -1);
    int rules = 0;
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (!info.id)
            continue;
        ruleIndex[index] = rules;
        out += rules++ == 0 ? "\n            {\"id\": " : ",\n            {\"id\": ";
        appendJsonString(out, info.id);
        out += ", \"name\": ";
        appendJsonString(
            out, QLatin1String("Check")
                     + QString::fromLatin1(info.id).replace(QLatin1Char('.'), QLatin1Char('_')));
        out += ", \"shortDescription\": {\"text\": ";
        appendJsonString(out, shortDescription(index));
        out += "}, \"fullDescription\": {\"text\": ";
        appendJsonString(out, description(index));
        out += "}, \"help\": {\"text\": ";
        appendJsonString(out, description(index));
        out += "}, \"defaultConfiguration\": {\"level\": ";
        appendJsonString(out, severityName(info.severity));
        out += "}}";
    }
    out += "\n          ]\n        }\n      },\n      \"results\": [";
    bool first = true;
    for (const Occurrence &occurrence : occurrences) {
        out += first ? "\n        {\"ruleId\": " : ",\n        {\"ruleId\": ";
        first = false;
        appendJsonString(out, checkInfo(occurrence.check).id);
        out += ", \"ruleIndex\": " + QByteArray::number(ruleIndex.at(occurrence.check));
        out += ", \"level\": ";
        appendJsonString(out, severityName(severityOf(occurrence.check)));
        out += ", \"message\": {\"text\": ";
        appendJsonString(out, message(occurrence));
        out += "}, \"locations\": [{";
        appendSarifLocation(occurrence);
        out += "}]";
        if (occurrence.related >= 0) {
            out += ", \"relatedLocations\": [{\"id\": 1, ";
            appendSarifLocation(related(occurrence));
            out += ", \"message\": {\"text\": ";
            appendJsonString(out, relatedText());
            out += "}}]";
        }
        out += ", \"partialFingerprints\": {\"kvnFinding/v1\": \"" + fingerprint(occurrence)
               + "\"}}";
        flush();
    }
    out += first ? "]\n    }" : "\n      ]\n    }";
}

FindingsWriter::FindingsWriter(OutputFormat format, QIODevice *device, const OutputOptions &options)
    : d(new Private(format, device, options))
{
    if (format == OutputFormat::Sarif)
        d->out += "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
                  "  \"version\": \"2.1.0\",\n  \"runs\": [";
    else if (format == OutputFormat::Csv)
        d->out += "check,severity,file,line,context,source,translation,finding\r\n";
}

FindingsWriter::~FindingsWriter() = default;

void FindingsWriter::writeRun(const results &store, const QString &path, int fileCount)
{
    d->startRun(store, path);
    d->totals.files += fileCount;
    switch (d->format) {
    case OutputFormat::Report: {
        const QString header = reportHeader(d->options.time);
        const QString summary = reportSummary(store, path, fileCount);
        for (const QString &tab : tabNames()) {
            if (!d->options.tabs.isEmpty() && !d->options.tabs.contains(tab))
                continue;
            // Control characters of the input never reach the terminal as such.
            d->out += textescape::escapeControlCharacters(
                          QLatin1String("=== ") + tab + QLatin1String(" ===\n")
                              + tabReport(store, tab, header, summary, d->options.report)
                              + QLatin1Char('\n'),
                          true)
                          .toUtf8();
            d->flush();
        }
        break;
    }
    case OutputFormat::Json:
        d->writeJson(path, fileCount);
        break;
    case OutputFormat::Gcc:
    case OutputFormat::Github:
        d->collect();
        d->writeLines(d->format == OutputFormat::Github);
        break;
    case OutputFormat::Sarif:
        d->collect();
        d->writeSarifRun();
        break;
    case OutputFormat::Csv:
        d->collect();
        d->writeCsv();
        break;
    }
    d->countTotals();
    ++d->runs;
    d->flush();
}

void FindingsWriter::finish()
{
    if (d->format == OutputFormat::Json)
        d->out += d->options.severalRuns ? "\n]\n" : "\n";
    else if (d->format == OutputFormat::Sarif)
        d->out += "\n  ]\n}\n";
    d->flush(true);
}

const OutputTotals &FindingsWriter::totals() const
{
    return d->totals;
}
