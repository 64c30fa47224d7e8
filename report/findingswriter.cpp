#include "report/findingswriter.h"
#include "report/sha256.h"

#include "checks/results.h"
#include "model/catalogue.h"
#include "model/textescape.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <array>
#include <charconv>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

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

// Appends a number in decimal digits.
void appendNumber(QByteArray &out, int number)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, end.ptr - digits);
}

// Appends text to out in UTF-8, in one pass. escape(c, to) is called for each
// ASCII code unit: it writes the character's escape (at most maxEscape bytes)
// at `to` and returns its end, or returns null when the character stays. A
// block of four printable ASCII code units skips escape unless special(block)
// says it may hold one that escape changes. A lone surrogate becomes
// `replacement`.
// Whether one of the four code units of a block is c.
constexpr bool blockHas(quint64 block, char16_t c)
{
    const quint64 ones = 0x0001000100010001ULL;
    const quint64 x = block ^ (ones * c);
    return ((x - ones) & ~x & 0x8000800080008000ULL) != 0;
}

// Whether the four code units of a block are printable ASCII (0x20 to 0x7F).
constexpr bool blockIsPrintableAscii(quint64 block)
{
    return (block & 0xFF80FF80FF80FF80ULL) == 0
           && ((block - 0x0020002000200020ULL) & 0x8000800080008000ULL) == 0;
}

template<typename Escape, typename Special>
void appendUtf8(QByteArray &out, QStringView text, qsizetype maxEscape, char32_t replacement,
                const Escape &escape, const Special &special)
{
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    const qsizetype start = out.size();
    out.resize(start + std::max<qsizetype>(maxEscape, 3) * text.size());
    char *to = out.data() + start;
    while (p < end) {
        // Four printable ASCII characters that need no escape at a time.
        if (end - p >= 4) {
            quint64 block;
            std::memcpy(&block, p, sizeof block);
            if (blockIsPrintableAscii(block) && !special(block)) {
                for (int i = 0; i < 4; ++i)
                    to[i] = char(p[i]);
                to += 4;
                p += 4;
                continue;
            }
        }
        char32_t u = *p++;
        if (u < 0x80) {
            if (char *escaped = escape(char16_t(u), to))
                to = escaped;
            else
                *to++ = char(u);
            continue;
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            if (u <= 0xDBFF && p < end && *p >= 0xDC00 && *p <= 0xDFFF)
                u = 0x10000 + ((u - 0xD800) << 10) + (*p++ - 0xDC00);
            else
                u = replacement;
        }
        if (u < 0x80) {
            *to++ = char(u);
        } else if (u < 0x800) {
            *to++ = char(0xC0 | (u >> 6));
            *to++ = char(0x80 | (u & 0x3F));
        } else {
            if (u < 0x10000) {
                *to++ = char(0xE0 | (u >> 12));
            } else {
                *to++ = char(0xF0 | (u >> 18));
                *to++ = char(0x80 | ((u >> 12) & 0x3F));
            }
            *to++ = char(0x80 | ((u >> 6) & 0x3F));
            *to++ = char(0x80 | (u & 0x3F));
        }
    }
    out.truncate(to - out.constData());
}

// JSON texts appended to a byte buffer, escaped as RFC 8259 asks. Every string
// holds whole characters: strict parsers reject a lone surrogate, which becomes
// U+FFFD.
void appendJsonString(QByteArray &out, QStringView text)
{
    out += '"';
    appendUtf8(
        out, text, 6, 0xFFFD,
        [](char16_t c, char *to) -> char * {
            if (c >= 0x20 && c != '"' && c != '\\')
                return nullptr;
            if (const char *escaped = jsonEscape(c)) {
                *to++ = escaped[0];
                *to++ = escaped[1];
                return to;
            }
            static const char hex[] = "0123456789abcdef";
            for (const char x : {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]})
                *to++ = x;
            return to;
        },
        [](quint64 block) { return blockHas(block, u'"') || blockHas(block, u'\\'); });
    out += '"';
}

// A text appended in UTF-8 as the data of a GitHub workflow command ('%', CR
// and LF escaped) or, with `property`, as a property (':' and ',' too); a lone
// surrogate becomes '?', as QString::toUtf8 writes it.
void appendGithubText(QByteArray &out, QStringView text, bool property)
{
    appendUtf8(
        out, text, 3, U'?',
        [property](char16_t c, char *to) -> char * {
            const char *escaped = nullptr;
            switch (c) {
            case '%':
                escaped = "%25";
                break;
            case '\r':
                escaped = "%0D";
                break;
            case '\n':
                escaped = "%0A";
                break;
            case ':':
                escaped = property ? "%3A" : nullptr;
                break;
            case ',':
                escaped = property ? "%2C" : nullptr;
                break;
            default:
                break;
            }
            if (!escaped)
                return nullptr;
            std::memcpy(to, escaped, 3);
            return to + 3;
        },
        [](quint64 block) {
            return blockHas(block, u'%') || blockHas(block, u':') || blockHas(block, u',');
        });
}

void appendJsonString(QByteArray &out, const QString &text)
{
    appendJsonString(out, QStringView(text));
}

void appendJsonString(QByteArray &out, const char *text)
{
    // The names of the checks and severities: printable ASCII, as they stand.
    for (const char *c = text; *c; ++c)
        if (*c < 0x20 || *c == '"' || *c == '\\') // also every byte from 0x80
            return appendJsonString(out, QString::fromLatin1(text));
    out += '"';
    out += text;
    out += '"';
}

// A text appended in UTF-8 as QString::toUtf8 writes it (a lone surrogate as '?').
void appendUtf8(QByteArray &out, QStringView text)
{
    appendUtf8(
        out, text, 1, U'?', [](char16_t, char *) -> char * { return nullptr; },
        [](quint64) { return false; });
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
    QByteArray data;
    appendGithubText(data, text, false);
    return QString::fromUtf8(data);
}

QString githubProperty(const QString &text)
{
    QByteArray property;
    appendGithubText(property, text, true);
    return QString::fromUtf8(property);
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
        if ((always && !out.isEmpty()) || out.size() >= FlushSize) {
            device->write(out);
            out.resize(0); // the buffer stays for what follows
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
    void appendSarifLocation(QByteArray &out, const Occurrence &occurrence) const;
    const QString &pathOf(int file) const
    {
        return file >= 0 && file < paths.size() ? paths.at(file) : runPath;
    }
    int lineOf(const Occurrence &occurrence) const { return occurrence.line; }
    void countTotals();

    // Makes `count` pieces of the output with make(piece, buffer), which
    // appends piece number `piece` to buffer, and writes them in order. The
    // pieces are made on the threads of options.jobs, a few ahead of the
    // writing at most: make reads only what stays while they are made.
    template<typename Make>
    void writePieces(qsizetype count, const Make &make);

    // Calls make(buffer, first, last) for the occurrences of each piece of the
    // line formats and SARIF, first to last (not included).
    template<typename Make>
    void eachOccurrencePiece(const Make &make)
    {
        const qsizetype perPiece = 2048;
        writePieces((occurrences.size() + perPiece - 1) / perPiece,
                    [&](qsizetype piece, QByteArray &buffer) {
                        const qsizetype first = piece * perPiece;
                        make(buffer, first, std::min(occurrences.size(), first + perPiece));
                    });
    }
    // Calls write(buffer, occurrence, false) for each occurrence, then
    // write(buffer, its related occurrence, true) when it has one.
    template<typename Write>
    void eachLine(const Write &write)
    {
        eachOccurrencePiece([&](QByteArray &buffer, qsizetype first, qsizetype last) {
            for (qsizetype i = first; i < last; ++i) {
                const Occurrence &occurrence = occurrences.at(i);
                write(buffer, occurrence, false);
                if (occurrence.related >= 0)
                    write(buffer, related(occurrence), true);
            }
        });
    }
    void writeLines(bool github);
    void writeCsv();
    void writeJson(const QString &path, int fileCount);
    void writeJsonChecks();
    void writeJsonCheckHead(QByteArray &buffer, int index) const;
    void writeJsonItems(QByteArray &buffer, int index) const;
    void writeJsonEntries(QByteArray &buffer, int index, qsizetype first, qsizetype last) const;
    void writeJsonOccurrences(QByteArray &buffer, const QList<int> &ids, int index,
                              int related) const;
    void writeSarifRun();
    void appendFingerprint(QByteArray &buffer, const Occurrence &occurrence) const;

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
    // Translated once per run (startRun): a large run writes them on every line.
    std::array<QString, CheckCount> shortDescriptions;
    const QString &shortDescriptionOf(int check) const
    {
        return shortDescriptions.at(size_t(check));
    }
    // The index of a file into the lists by file: the run's path stands last,
    // for findings of no file.
    qsizetype fileSlot(int file) const
    {
        return file >= 0 && file < paths.size() ? file : paths.size();
    }
    QList<QByteArray> githubPaths; // the one-line paths as GitHub properties, in UTF-8
    QList<QByteArray> gccPaths; // the one-line paths in UTF-8
    QList<QByteArray> sarifUris; // artifact URIs as JSON strings
    QList<QByteArray> jsonPaths; // the paths as JSON strings
};

template<typename Make>
void FindingsWriter::Private::writePieces(qsizetype count, const Make &make)
{
    const int threads = options.jobs > 0 ? options.jobs : std::max(1, QThread::idealThreadCount());
    if (threads == 1 || count <= 1) {
        for (qsizetype piece = 0; piece < count; ++piece) {
            make(piece, out);
            flush();
        }
        return;
    }
    // Piece p is made into slot p % window once the piece before it in that
    // slot is written.
    const qsizetype window = 8 * qsizetype(threads);
    std::vector<QByteArray> made(static_cast<size_t>(window));
    std::vector<bool> ready(size_t(window), false);
    std::mutex mutex;
    std::condition_variable changed;
    qsizetype next = 0, written = 0;
    const auto work = [&] {
        for (;;) {
            qsizetype piece = 0;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return next >= count || next < written + window; });
                if (next >= count)
                    return;
                piece = next++;
            }
            QByteArray buffer;
            buffer.reserve(1 << 16);
            make(piece, buffer);
            {
                const std::lock_guard<std::mutex> lock(mutex);
                made[size_t(piece % window)] = std::move(buffer);
                ready[size_t(piece % window)] = true;
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    for (int i = 0; i < threads; ++i)
        pool.emplace_back(work);
    for (qsizetype piece = 0; piece < count; ++piece) {
        QByteArray buffer;
        {
            std::unique_lock<std::mutex> lock(mutex);
            const size_t slot = size_t(piece % window);
            changed.wait(lock, [&] { return bool(ready[slot]); });
            buffer = std::move(made[slot]);
            ready[slot] = false;
            ++written;
        }
        changed.notify_all();
        // A whole piece goes to the device as it is, after what waits before it.
        if (!buffer.isEmpty()) {
            flush(true);
            device->write(buffer);
        }
    }
    for (std::thread &thread : pool)
        thread.join();
}

void FindingsWriter::Private::startRun(const results &runStore, const QString &path)
{
    store = &runStore;
    runPath = displayPath(path);
    paths.clear();
    githubPaths.clear();
    gccPaths.clear();
    sarifUris.clear();
    jsonPaths.clear();
    for (const QString &file : store->files())
        paths.append(displayPath(file));
    // By file slot: the run's path stands last, for findings of no file.
    for (qsizetype file = 0; file <= paths.size(); ++file) {
        const QString &shown = file < paths.size() ? paths.at(file) : runPath;
        if (format == OutputFormat::Github) {
            QByteArray property;
            appendGithubText(property, oneLine(shown), true);
            githubPaths.append(property);
        }
        if (format == OutputFormat::Gcc)
            gccPaths.append(oneLine(shown).toUtf8());
        if (format == OutputFormat::Sarif)
            sarifUris.append(sarifUri(shown));
        if (format == OutputFormat::Json) {
            QByteArray json;
            appendJsonString(json, shown);
            jsonPaths.append(json);
        }
    }
    occurrences.clear();
    // The pieces of the output are made on several threads, which only read these.
    for (int check = 0; check < CheckCount; ++check)
        if (checkInfo(check).id && shortDescriptions.at(size_t(check)).isNull())
            shortDescriptions.at(size_t(check)) = shortDescription(check);
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
    const auto write = [&](QByteArray &buffer, const Occurrence &occurrence, bool note) {
        const Severity severity = note ? Severity::Info : severityOf(occurrence.check);
        const char *id = checkInfo(occurrence.check).id;
        const QString text = note ? relatedText() : message(occurrence);
        if (!github) {
            // Straight into the output: only the message is converted per line.
            buffer += gccPaths.at(fileSlot(occurrence.file));
            buffer += ':';
            if (occurrence.line > 0) {
                appendNumber(buffer, occurrence.line);
                buffer += ':';
            }
            buffer += ' ';
            buffer += severityName(severity);
            buffer += ": ";
            buffer += text.toUtf8();
            buffer += " [";
            buffer += id;
            buffer += "]\n";
            return;
        }
        buffer += "::";
        buffer += severity == Severity::Info ? "notice" : severityName(severity);
        buffer += " file=";
        buffer += githubPaths.at(fileSlot(occurrence.file));
        if (occurrence.line > 0) {
            buffer += ",line=";
            appendNumber(buffer, occurrence.line);
        }
        buffer += ",title=";
        appendGithubText(buffer, QString::fromLatin1(id), true);
        buffer += "::";
        appendGithubText(buffer, text, false);
        buffer += '\n';
    };
    eachLine(write);
}

// One row per finding and one per message it compares with, as the gcc lines.
void FindingsWriter::Private::writeCsv()
{
    const auto write = [&](QByteArray &buffer, const Occurrence &occurrence, bool note) {
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
        buffer += row.toUtf8() + '\n';
    };
    eachLine(write);
}

// A check's fields before its items or findings; the items of a check with an
// item list, or the start of the list of findings.
void FindingsWriter::Private::writeJsonCheckHead(QByteArray &buffer, int index) const
{
    const CheckInfo &info = checkInfo(index);
    const ReportOptions &report = options.report;
    const bool boxOn
        = info.box == BoxKind::Fixed || (report.boxChecked && report.boxChecked(index));
    buffer += "        {\n            \"id\": ";
    appendJsonString(buffer, info.id);
    buffer += ",\n            \"index\": " + QByteArray::number(index);
    buffer += ",\n            \"tab\": ";
    appendJsonString(buffer, info.tab);
    buffer += ",\n            \"severity\": ";
    appendJsonString(buffer, severityName(info.severity));
    buffer += ",\n            \"description\": ";
    appendJsonString(buffer, description(index));
    buffer += ",\n            \"boxOn\": ";
    buffer += boxOn ? "true" : "false";
    buffer += ",\n            \"warning\": ";
    buffer += isWarningCheck(index) ? "true" : "false";
    buffer
        += ",\n            \"silencedCount\": " + QByteArray::number(store->silencedCount(index));
    if (info.store == StoreKind::Items) {
        writeJsonItems(buffer, index);
        return;
    }
    const FindingMap &map = store->findings(index);
    buffer += ",\n            \"count\": " + QByteArray::number(map.size());
    buffer += ",\n            \"findings\": [";
}

// The items of a check with an item list, and where the items of check "0" stand.
void FindingsWriter::Private::writeJsonItems(QByteArray &buffer, int index) const
{
    const ItemList &items = store->items(index);
    buffer += ",\n            \"count\": " + QByteArray::number(items.size());
    buffer += ",\n            \"items\": [";
    for (qsizetype i = 0; i < items.size(); ++i) {
        buffer += i == 0 ? "\n                " : ",\n                ";
        appendJsonString(buffer, items.at(i));
    }
    buffer += items.isEmpty() ? "]" : "\n            ]";
    if (index == Check_0) {
        // Where each item stands, in item order.
        const QList<ItemOrigin> &origins = store->itemOrigins();
        buffer += ",\n            \"itemLocations\": [";
        for (qsizetype i = 0; i < origins.size(); ++i) {
            buffer += i == 0 ? "\n                {\"file\": " : ",\n                {\"file\": ";
            buffer += jsonPaths.at(fileSlot(origins.at(i).file));
            buffer += ", \"line\": " + QByteArray::number(origins.at(i).line) + "}";
        }
        buffer += origins.isEmpty() ? "]" : "\n            ]";
    }
    buffer += "\n        }";
}

// Findings first to last (in key order) of a check with a finding map: text,
// values, occurrences.
void FindingsWriter::Private::writeJsonEntries(QByteArray &buffer, int index, qsizetype first,
                                               qsizetype last) const
{
    auto it = store->findings(index).entries().cbegin() + first;
    for (qsizetype i = first; i < last; ++i, ++it) {
        buffer += i == 0 ? "\n                {\n                    \"text\": "
                         : ",\n                {\n                    \"text\": ";
        appendJsonString(buffer, it.key());
        buffer += ",\n                    \"values\": [";
        // Newest first, as the report lists them.
        const QStringList &values = it->values;
        for (qsizetype v = values.size() - 1; v >= 0; --v) {
            buffer += v == values.size() - 1 ? "\n                        "
                                             : ",\n                        ";
            appendJsonString(buffer, values.at(v));
        }
        buffer += values.isEmpty() ? "]" : "\n                    ]";
        writeJsonOccurrences(buffer, it->messages, index, it->related);
        buffer += "\n                }";
    }
}

// The checks of the run: each check's head, its findings in pieces of a few
// hundred, and its end are the pieces of the output.
void FindingsWriter::Private::writeJsonChecks()
{
    QList<int> checks;
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (info.id && (options.tabs.isEmpty() || options.tabs.contains(QLatin1String(info.tab))))
            checks.append(index);
    }
    // Each finding map orders its keys once, before the pieces read them.
    writePieces(checks.size(), [&](qsizetype check, QByteArray &) {
        if (checkInfo(checks.at(check)).store != StoreKind::Items)
            store->findings(checks.at(check)).entries().size();
    });
    enum Part { Head, Entries, End };
    struct Piece {
        int index;
        Part part;
        qsizetype first = 0, last = 0; // the findings of Entries
    };
    const qsizetype perPiece = 256;
    std::vector<Piece> pieces;
    for (const int index : std::as_const(checks)) {
        pieces.push_back({index, Head});
        if (checkInfo(index).store == StoreKind::Items)
            continue;
        const qsizetype count = store->findings(index).entries().size();
        for (qsizetype first = 0; first < count; first += perPiece)
            pieces.push_back({index, Entries, first, std::min(count, first + perPiece)});
        pieces.push_back({index, End, count});
    }
    writePieces(qsizetype(pieces.size()), [&](qsizetype at, QByteArray &buffer) {
        const Piece &piece = pieces.at(size_t(at));
        switch (piece.part) {
        case Head:
            buffer += piece.index == checks.constFirst() ? "\n" : ",\n";
            writeJsonCheckHead(buffer, piece.index);
            break;
        case Entries:
            writeJsonEntries(buffer, piece.index, piece.first, piece.last);
            break;
        case End:
            buffer += piece.first == 0 ? "]" : "\n            ]";
            buffer += "\n        }";
            break;
        }
    });
    out += checks.isEmpty() ? "]\n}" : "\n    ]\n}";
}

// One occurrence per message, in the order of the values, then the message a
// comparison compares them with (`related`, -1 for none).
void FindingsWriter::Private::writeJsonOccurrences(QByteArray &buffer, const QList<int> &ids,
                                                   int index, int related) const
{
    const QList<MessageRecord> &messages = store->messages();
    buffer += ",\n                    \"occurrences\": [";
    bool firstOccurrence = true;
    for (qsizetype i = ids.size() - 1; i >= -1; --i) {
        const int id = i >= 0 ? ids.at(i) : related;
        if (id < 0 || (i >= 0 && i + 1 < ids.size() && ids.at(i + 1) == id))
            continue;
        const MessageRecord &record = messages.at(id);
        buffer += firstOccurrence ? "\n                        {\"file\": "
                                  : ",\n                        {\"file\": ";
        firstOccurrence = false;
        buffer += jsonPaths.at(fileSlot(record.file));
        buffer += ", \"line\": ";
        appendNumber(buffer, findingLine(record, index));
        buffer += ", \"context\": ";
        appendJsonString(buffer, record.context);
        buffer += ", \"source\": ";
        appendJsonString(buffer, record.source);
        buffer += ", \"translation\": ";
        appendJsonString(buffer, record.translation);
        buffer += ", \"form\": ";
        appendNumber(buffer, record.numerusForm);
        buffer += '}';
    }
    buffer += firstOccurrence ? "]" : "\n                    ]";
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
    writeJsonChecks();
}

void FindingsWriter::Private::appendSarifLocation(QByteArray &buffer,
                                                  const Occurrence &occurrence) const
{
    buffer += "\"physicalLocation\": {\"artifactLocation\": {\"uri\": ";
    buffer += sarifUris.at(fileSlot(occurrence.file));
    buffer += "}";
    if (occurrence.line > 0) {
        buffer += ", \"region\": {\"startLine\": ";
        appendNumber(buffer, occurrence.line);
        buffer += '}';
    }
    buffer += "}";
}

void FindingsWriter::Private::appendFingerprint(QByteArray &buffer,
                                                const Occurrence &occurrence) const
{
    // The fields in UTF-8, each ended by a zero byte, hashed at once.
    QByteArray fields;
    fields.reserve(1024);
    const auto add = [&fields](QStringView text) {
        appendUtf8(fields, text);
        fields += '\0';
    };
    add(pathOf(occurrence.file));
    add(QString::fromLatin1(checkInfo(occurrence.check).id));
    if (occurrence.message >= 0) {
        const MessageRecord &record = store->messages().at(occurrence.message);
        add(record.context);
        add(record.source);
        add(record.translation);
        add(*occurrence.text);
    } else {
        // An item of check "0" names its line in its second line: only the first counts.
        add(QStringView(*occurrence.text).left(occurrence.text->indexOf(QLatin1Char('\n'))));
    }
    // The first half of the digest in hexadecimal.
    const sha256::Digest digest = sha256::of(fields);
    static const char hex[] = "0123456789abcdef";
    for (size_t i = 0; i < 16; ++i) {
        buffer += hex[digest[i] >> 4];
        buffer += hex[digest[i] & 15];
    }
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
    eachOccurrencePiece([&](QByteArray &buffer, qsizetype first, qsizetype last) {
        for (qsizetype i = first; i < last; ++i) {
            const Occurrence &occurrence = occurrences.at(i);
            buffer += i == 0 ? "\n        {\"ruleId\": " : ",\n        {\"ruleId\": ";
            appendJsonString(buffer, checkInfo(occurrence.check).id);
            buffer += ", \"ruleIndex\": ";
            appendNumber(buffer, ruleIndex.at(occurrence.check));
            buffer += ", \"level\": ";
            appendJsonString(buffer, severityName(severityOf(occurrence.check)));
            buffer += ", \"message\": {\"text\": ";
            appendJsonString(buffer, message(occurrence));
            buffer += "}, \"locations\": [{";
            appendSarifLocation(buffer, occurrence);
            buffer += "}]";
            if (occurrence.related >= 0) {
                buffer += ", \"relatedLocations\": [{\"id\": 1, ";
                appendSarifLocation(buffer, related(occurrence));
                buffer += ", \"message\": {\"text\": ";
                appendJsonString(buffer, relatedText());
                buffer += "}}]";
            }
            buffer += ", \"partialFingerprints\": {\"kvnFinding/v1\": \"";
            appendFingerprint(buffer, occurrence);
            buffer += "\"}}";
        }
    });
    const bool first = occurrences.isEmpty();
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
