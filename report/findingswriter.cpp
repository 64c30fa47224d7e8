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
#ifdef __SSE2__
#include <emmintrin.h>
#endif
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
    quint64 place = 0; // where it stands in the output (collect)
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

// How many code units from p on, at most eight, are printable ASCII and none of
// `specials`: they are copied as they stand.
template<size_t K>
inline int plainRun(const char16_t *p, const char16_t *end, const std::array<char16_t, K> &specials)
{
#ifdef __SSE2__
    if (end - p >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        // Signed: from 0x8000 on, a unit is below 0x20.
        __m128i stop = _mm_or_si128(_mm_cmplt_epi16(units, _mm_set1_epi16(0x20)),
                                    _mm_cmpgt_epi16(units, _mm_set1_epi16(0x7F)));
        for (const char16_t special : specials)
            stop = _mm_or_si128(stop, _mm_cmpeq_epi16(units, _mm_set1_epi16(short(special))));
        const unsigned mask = unsigned(_mm_movemask_epi8(stop));
        return mask == 0 ? 8 : __builtin_ctz(mask) / 2;
    }
#endif
    if (end - p >= 4) {
        quint64 block;
        std::memcpy(&block, p, sizeof block);
        bool plain = blockIsPrintableAscii(block);
        for (const char16_t special : specials)
            plain = plain && !blockHas(block, special);
        if (plain)
            return 4;
    }
    return 0;
}

// Writes text at `to` in UTF-8, in one pass, between two `quote` characters
// unless it is zero, and returns the end. escape(c, to) is called for each
// code unit below `escapeBelow`: it writes the character's escape at `to` and
// returns its end, or returns null when the character stays. Printable ASCII
// code units skip escape unless they are among `specials`, the ones escape
// changes. A lone surrogate becomes `replacement`.
template<typename Escape, size_t K>
char *writeUtf8(char *to, QStringView text, char32_t replacement, const Escape &escape,
                const std::array<char16_t, K> &specials, char quote = 0,
                char32_t escapeBelow = 0x80)
{
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    if (quote)
        *to++ = quote;
    while (p < end) {
        if (const int plain = plainRun(p, end, specials)) {
#ifdef __SSE2__
            if (plain == 8) {
                const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
                _mm_storel_epi64(reinterpret_cast<__m128i *>(to), _mm_packus_epi16(units, units));
                to += 8;
                p += 8;
                continue;
            }
#endif
            for (int i = 0; i < plain; ++i)
                to[i] = char(p[i]);
            to += plain;
            p += plain;
            if (p >= end)
                break;
        }
        char32_t u = *p++;
        if (u < escapeBelow) {
            if (char *escaped = escape(char16_t(u), to)) {
                to = escaped;
                continue;
            }
        }
        if (u < 0x80) {
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
    if (quote)
        *to++ = quote;
    return to;
}

// The most bytes writeUtf8 writes for text whose escapes take at most maxEscape bytes.
constexpr qsizetype mostUtf8(qsizetype size, qsizetype maxEscape)
{
    return std::max<qsizetype>(maxEscape, 3) * size + 2;
}

// Room at the end of a byte buffer for a write of at most `most` bytes through
// a plain pointer; the buffer ends where the write ended when the room goes.
class Room
{
public:
    Room(QByteArray &out, qsizetype most)
        : m_out(out)
    {
        const qsizetype start = out.size();
        out.resize(start + most);
        to = out.data() + start;
    }
    ~Room()
    {
        Q_ASSERT(to <= m_out.constData() + m_out.size());
        m_out.truncate(to - m_out.constData());
    }
    Room(const Room &) = delete;
    Room &operator=(const Room &) = delete;

    template<size_t N>
    void literal(const char (&text)[N])
    {
        std::memcpy(to, text, N - 1);
        to += N - 1;
    }
    void bytes(const QByteArray &text)
    {
        std::memcpy(to, text.constData(), size_t(text.size()));
        to += text.size();
    }
    void number(int value) { to = std::to_chars(to, to + 12, value).ptr; }

    char *to;

private:
    QByteArray &m_out;
};

// Appends text to out in UTF-8 as writeUtf8 writes it.
template<typename Escape, size_t K>
void appendUtf8(QByteArray &out, QStringView text, qsizetype maxEscape, char32_t replacement,
                const Escape &escape, const std::array<char16_t, K> &specials, char quote = 0)
{
    Room room(out, mostUtf8(text.size(), maxEscape));
    room.to = writeUtf8(room.to, text, replacement, escape, specials, quote);
}

// JSON texts appended to a byte buffer, escaped as RFC 8259 asks. Every string
// holds whole characters: strict parsers reject a lone surrogate, which becomes
// U+FFFD.
constexpr qsizetype JsonEscapeSize = 6;

char *writeJsonString(char *out, QStringView text)
{
    return writeUtf8(
        out, text, 0xFFFD,
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
        std::array<char16_t, 2> {u'"', u'\\'}, '"');
}

void appendJsonString(QByteArray &out, QStringView text)
{
    Room room(out, mostUtf8(text.size(), JsonEscapeSize));
    room.to = writeJsonString(room.to, text);
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
        std::array<char16_t, 3> {u'%', u':', u','});
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
        std::array<char16_t, 0> {});
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

bool outputShowsListings(OutputFormat format)
{
    return format == OutputFormat::Report || format == OutputFormat::Json;
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
    struct Placement;
    Placement placement() const;
    // Appends the occurrences of check index, placed: its keys in the order they
    // came, the values of each in order.
    void listOccurrences(int index, const Placement &placement, QList<Occurrence> &list) const;
    // Has the finding map of each of `checks` order its keys, on the writer's threads.
    void orderFindingMaps(const QList<int> &checks);
    QString message(const Occurrence &occurrence) const;
    // Appends message(occurrence) in UTF-8 without making it.
    void appendMessage(QByteArray &buffer, const Occurrence &occurrence) const;
    // The occurrence at the related message of an occurrence.
    Occurrence related(const Occurrence &occurrence) const
    {
        const MessageRecord &record = store->messages().at(occurrence.related);
        return {record.file, findingLine(record, occurrence.check), occurrence.check,
                occurrence.text, occurrence.related};
    }
    void writeSarifLocation(Room &room, const Occurrence &occurrence) const;
    // The most bytes writeSarifLocation writes for an occurrence in the file of occurrence.
    qsizetype locationSize(const Occurrence &occurrence) const
    {
        return 100 + sarifUris.at(fileSlot(occurrence.file)).size();
    }
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
                prefetchOccurrences(i, format == OutputFormat::Csv);
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
    // Asks for what the occurrences after number i will read: their texts and,
    // with `records`, their messages' texts.
    void prefetchOccurrences(qsizetype i, bool records) const
    {
        if (i + 16 < occurrences.size()) {
            const Occurrence &ahead = occurrences.at(i + 16);
            __builtin_prefetch(ahead.text);
            if (records && ahead.message >= 0)
                __builtin_prefetch(&store->messages().at(ahead.message));
        }
        if (i + 8 < occurrences.size()) {
            const Occurrence &ahead = occurrences.at(i + 8);
            __builtin_prefetch(ahead.text->constData());
            if (records && ahead.message >= 0) {
                const MessageRecord &record = store->messages().at(ahead.message);
                __builtin_prefetch(record.source.constData());
                __builtin_prefetch(record.translation.constData());
                __builtin_prefetch(record.context.constData());
            }
        }
    }
    // Asks for what the entries after `it` (`left` of them, it included) will
    // read: the entries, their values, their messages' records and texts.
    void prefetchEntries(FindingEntries::const_iterator it, qsizetype left) const;
    void writeJsonOccurrences(QByteArray &buffer, const FindingValues &values, int index) const;
    void writeSarifRun();
    std::vector<QByteArray> writeSarifRules();
    // Writes the fingerprint of occurrence (32 bytes), its input made in `fields`.
    void writeFingerprint(Room &room, const Occurrence &occurrence, QByteArray &fields) const;

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
    std::array<QByteArray, CheckCount> shortDescriptionsUtf8;
    QString relatedNote; // relatedText(), translated once per run
    QByteArray relatedNoteUtf8;
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
        // Room for a piece as large as this thread's last one and a quarter, so
        // that a piece is seldom copied while it grows.
        qsizetype room = qsizetype(1) << 16;
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
            buffer.reserve(room);
            make(piece, buffer);
            room = std::max(qsizetype(1) << 16, buffer.size() + buffer.size() / 4);
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
        if (checkInfo(check).id && shortDescriptions.at(size_t(check)).isNull()) {
            shortDescriptions.at(size_t(check)) = shortDescription(check);
            shortDescriptionsUtf8.at(size_t(check)) = shortDescriptions.at(size_t(check)).toUtf8();
        }
    relatedNote = relatedText();
    relatedNoteUtf8 = relatedNote.toUtf8();
}

// The findings of the reported checks, one per message (a source finding of a
// message with several locations is one), sorted by file, line and check.
void FindingsWriter::Private::orderFindingMaps(const QList<int> &checks)
{
    writePieces(checks.size(), [&](qsizetype check, QByteArray &) {
        if (checkInfo(checks.at(check)).store != StoreKind::Items)
            store->findings(checks.at(check)).entries().size();
    });
}

// Where occurrences stand in the output: by file (ranked by path), line and
// check, as they came within these.
struct FindingsWriter::Private::Placement {
    QList<int> rank; // by file slot
    // The place packed into one number (rank, 31 bits of line, 8 of check),
    // when the files and checks fit.
    bool packs = false;

    int rankOf(int file) const
    {
        return file >= 0 && file < rank.size() - 1 ? rank.at(file) : rank.constLast();
    }
    Occurrence placed(Occurrence occurrence) const
    {
        if (packs)
            occurrence.place = quint64(rankOf(occurrence.file)) << 39
                               | quint64(std::max(occurrence.line, 0)) << 8
                               | quint64(occurrence.check);
        return occurrence;
    }
    // Negative, zero or positive as a stands before, at or after b's place.
    int compare(const Occurrence &a, const Occurrence &b) const
    {
        if (packs)
            return a.place < b.place ? -1 : a.place > b.place ? 1 : 0;
        const int ra = rankOf(a.file), rb = rankOf(b.file);
        if (ra != rb)
            return ra < rb ? -1 : 1;
        if (a.line != b.line)
            return a.line < b.line ? -1 : 1;
        return a.check - b.check;
    }
    // The output's order: by place, then the findings of one check at one
    // place by their texts; the same text and check "0" keep the order they
    // were listed in (a stable sort).
    bool before(const Occurrence &a, const Occurrence &b) const
    {
        const int order = compare(a, b);
        if (order != 0)
            return order < 0;
        return a.text != b.text && a.check != Check_0 && *a.text < *b.text;
    }
};

FindingsWriter::Private::Placement FindingsWriter::Private::placement() const
{
    // Rank the files once; the run's path has the last slot.
    QList<int> order(paths.size() + 1);
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [this](int a, int b) { return pathOf(a) < pathOf(b); });
    Placement placement;
    placement.rank.resize(order.size());
    for (int i = 0; i < order.size(); ++i)
        placement.rank[order.at(i)] = i;
    placement.packs = order.size() < (qsizetype(1) << 24) && CheckCount <= 256;
    return placement;
}

void FindingsWriter::Private::listOccurrences(int index, const Placement &placement,
                                              QList<Occurrence> &list) const
{
    const QList<MessageRecord> &messages = store->messages();
    const FindingMap &map = store->findings(index);
    list.reserve(map.size());
    map.forEachEntry([&](const QString &key, const FindingValues &values) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            const int id = values.at(i).message;
            if (i > 0 && id >= 0 && id == values.at(i - 1).message)
                continue;
            if (id < 0) {
                list.append(placement.placed({-1, 0, index, &key, -1}));
                continue;
            }
            const MessageRecord &record = messages.at(id);
            list.append(placement.placed(
                {record.file, findingLine(record, index), index, &key, id, values.related}));
        }
    });
}

void FindingsWriter::Private::collect()
{
    const Placement placement = this->placement();
    // The occurrences of each check, in the order of its keys, made on the
    // writer's threads.
    QList<int> reported;
    for (int index = 1; index < CheckCount; ++index)
        if (isReportedCheck(index, options.report))
            reported.append(index);
    std::vector<QList<Occurrence>> byCheck(static_cast<size_t>(reported.size()));
    writePieces(reported.size(), [&](qsizetype at, QByteArray &) {
        listOccurrences(reported.at(at), placement, byCheck[size_t(at)]);
    });
    const ItemList &items = store->items(Check_0);
    const QList<ItemOrigin> &origins = store->itemOrigins();
    qsizetype count = items.size();
    for (const QList<Occurrence> &list : byCheck)
        count += list.size();
    occurrences.reserve(count);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ItemOrigin origin = i < origins.size() ? origins.at(i) : ItemOrigin();
        occurrences.append(placement.placed({origin.file, origin.line, Check_0, &items.at(i), -1}));
    }
    for (QList<Occurrence> &list : byCheck) {
        occurrences.append(list);
        list = QList<Occurrence>();
    }
    // A long list is sorted in two halves, the second on a thread of its own,
    // then merged; each step keeps equal places in their order.
    const auto before
        = [&placement](const Occurrence &a, const Occurrence &b) { return placement.before(a, b); };
    const qsizetype halfOnThread = qsizetype(1) << 14;
    const int threads = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    if (occurrences.size() < 2 * halfOnThread || threads < 2) {
        std::stable_sort(occurrences.begin(), occurrences.end(), before);
        return;
    }
    const auto middle = occurrences.begin() + occurrences.size() / 2;
    std::thread second([&] { std::stable_sort(middle, occurrences.end(), before); });
    std::stable_sort(occurrences.begin(), middle, before);
    second.join();
    std::inplace_merge(occurrences.begin(), middle, occurrences.end(), before);
}

void FindingsWriter::Private::appendMessage(QByteArray &buffer, const Occurrence &occurrence) const
{
    const QByteArray &description = shortDescriptionsUtf8.at(size_t(occurrence.check));
    const QString &text = *occurrence.text;
    const bool cut = text.size() > LongestDetail;
    const QStringView detail = cut ? QStringView(text).left(LongestDetail) : QStringView(text);
    // A control character is escaped as oneLine escapes it.
    const auto escape = [](char16_t c, char *to) -> char * {
        return textescape::isEscapedControl(c) ? textescape::writeControlEscape(c, to) : nullptr;
    };
    Room room(buffer, description.size() + 8 + mostUtf8(detail.size(), 4));
    room.bytes(description);
    room.literal(": ");
    room.to = writeUtf8(room.to, detail, U'?', escape, std::array<char16_t, 1> {u'\x7f'}, 0, 0xA0);
    if (cut)
        room.literal("...");
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
        if (!github) {
            // Straight into the output, the message too.
            buffer += gccPaths.at(fileSlot(occurrence.file));
            buffer += ':';
            if (occurrence.line > 0) {
                appendNumber(buffer, occurrence.line);
                buffer += ':';
            }
            buffer += ' ';
            buffer += severityName(severity);
            buffer += ": ";
            if (note)
                buffer += relatedNoteUtf8;
            else
                appendMessage(buffer, occurrence);
            buffer += " [";
            buffer += id;
            buffer += "]\n";
            return;
        }
        const QString text = note ? relatedNote : message(occurrence);
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
               note ? relatedNote : *occurrence.text};
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

void FindingsWriter::Private::prefetchEntries(FindingEntries::const_iterator it,
                                              qsizetype left) const
{
    // The entries stand in the order they came and the records in the order of
    // the messages, not in key order: each step asks for what the next one reads.
    const QList<MessageRecord> &records = store->messages();
    if (left > 16)
        __builtin_prefetch(&(it + 16).key());
    if (left > 8) {
        const auto ahead = it + 8;
        __builtin_prefetch(ahead.key().constData());
        ahead->prefetch();
    }
    if (left > 4) {
        for (const FindingValueRef value : (it + 4).value()) {
            if (value.message >= 0)
                __builtin_prefetch(&records.at(value.message));
            __builtin_prefetch(value.text.constData());
        }
    }
    if (left > 2) {
        for (const FindingValueRef value : (it + 2).value()) {
            const int id = value.message;
            if (id < 0)
                continue;
            const MessageRecord &record = records.at(id);
            for (const QString *text : {&record.source, &record.translation}) {
                __builtin_prefetch(text->constData());
                __builtin_prefetch(text->constData() + 32);
            }
            __builtin_prefetch(record.context.constData());
        }
    }
}

// Findings first to last (in key order) of a check with a finding map: text,
// values, occurrences.
void FindingsWriter::Private::writeJsonEntries(QByteArray &buffer, int index, qsizetype first,
                                               qsizetype last) const
{
    auto it = store->findings(index).entries().cbegin() + first;
    for (qsizetype i = first; i < last; ++i, ++it) {
        prefetchEntries(it, last - i);
        buffer += i == 0 ? "\n                {\n                    \"text\": "
                         : ",\n                {\n                    \"text\": ";
        appendJsonString(buffer, it.key());
        buffer += ",\n                    \"values\": [";
        // Newest first, as the report lists them.
        const FindingValues values = it.value();
        for (qsizetype v = values.size() - 1; v >= 0; --v) {
            buffer += v == values.size() - 1 ? "\n                        "
                                             : ",\n                        ";
            appendJsonString(buffer, values.at(v).text);
        }
        buffer += values.isEmpty() ? "]" : "\n                    ]";
        writeJsonOccurrences(buffer, values, index);
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
    orderFindingMaps(checks);
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
void FindingsWriter::Private::writeJsonOccurrences(QByteArray &buffer, const FindingValues &values,
                                                   int index) const
{
    const QList<MessageRecord> &messages = store->messages();
    buffer += ",\n                    \"occurrences\": [";
    bool firstOccurrence = true;
    for (qsizetype i = values.size() - 1; i >= -1; --i) {
        const int id = i >= 0 ? values.at(i).message : values.related;
        if (id < 0 || (i >= 0 && i + 1 < values.size() && values.at(i + 1).message == id))
            continue;
        const MessageRecord &record = messages.at(id);
        const QByteArray &path = jsonPaths.at(fileSlot(record.file));
        Room room(buffer, 160 + path.size()
                              + mostUtf8(record.context.size() + record.source.size()
                                             + record.translation.size(),
                                         JsonEscapeSize));
        if (firstOccurrence)
            room.literal("\n                        {\"file\": ");
        else
            room.literal(",\n                        {\"file\": ");
        firstOccurrence = false;
        room.bytes(path);
        room.literal(", \"line\": ");
        room.number(findingLine(record, index));
        room.literal(", \"context\": ");
        room.to = writeJsonString(room.to, record.context);
        room.literal(", \"source\": ");
        room.to = writeJsonString(room.to, record.source);
        room.literal(", \"translation\": ");
        room.to = writeJsonString(room.to, record.translation);
        room.literal(", \"form\": ");
        room.number(record.numerusForm);
        room.literal("}");
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

void FindingsWriter::Private::writeSarifLocation(Room &room, const Occurrence &occurrence) const
{
    room.literal("\"physicalLocation\": {\"artifactLocation\": {\"uri\": ");
    room.bytes(sarifUris.at(fileSlot(occurrence.file)));
    room.literal("}");
    if (occurrence.line > 0) {
        room.literal(", \"region\": {\"startLine\": ");
        room.number(occurrence.line);
        room.literal("}");
    }
    room.literal("}");
}

void FindingsWriter::Private::writeFingerprint(Room &room, const Occurrence &occurrence,
                                               QByteArray &fields) const
{
    // The fields in UTF-8, each ended by a zero byte, hashed at once.
    fields.resize(0);
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
        *room.to++ = hex[digest[i] >> 4];
        *room.to++ = hex[digest[i] & 15];
    }
}

// Writes the rule of each check and returns what a result of each check starts
// with, from its rule to its message's text.
std::vector<QByteArray> FindingsWriter::Private::writeSarifRules()
{
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
    std::vector<QByteArray> resultHeads(static_cast<size_t>(CheckCount));
    for (int index = 0; index < CheckCount; ++index) {
        if (ruleIndex.at(index) < 0)
            continue;
        QByteArray &head = resultHeads[size_t(index)];
        head += "{\"ruleId\": ";
        appendJsonString(head, checkInfo(index).id);
        head += ", \"ruleIndex\": ";
        appendNumber(head, ruleIndex.at(index));
        head += ", \"level\": ";
        appendJsonString(head, severityName(severityOf(index)));
        head += ", \"message\": {\"text\": ";
    }
    return resultHeads;
}

void FindingsWriter::Private::writeSarifRun()
{
    out += runs == 0 ? "\n" : ",\n";
    out += "    {\n      \"tool\": {\n        \"driver\": {\n          \"name\": \"kvn\",\n"
           "          \"version\": ";
    appendJsonString(out, options.toolVersion);
    out += ",\n          \"rules\": [";
    const std::vector<QByteArray> resultHeads = writeSarifRules();
    out += "\n          ]\n        }\n      },\n      \"results\": [";
    QByteArray relatedMessage;
    appendJsonString(relatedMessage, relatedNote);
    eachOccurrencePiece([&](QByteArray &buffer, qsizetype first, qsizetype last) {
        QByteArray fields; // a fingerprint's input
        fields.reserve(1024);
        for (qsizetype i = first; i < last; ++i) {
            prefetchOccurrences(i, true);
            const Occurrence &occurrence = occurrences.at(i);
            const QString text = message(occurrence);
            const QByteArray &head = resultHeads.at(size_t(occurrence.check));
            const bool hasRelated = occurrence.related >= 0;
            const Occurrence other = hasRelated ? related(occurrence) : occurrence;
            Room room(buffer, 300 + head.size() + locationSize(occurrence) + locationSize(other)
                                  + relatedMessage.size() + mostUtf8(text.size(), JsonEscapeSize));
            if (i == 0)
                room.literal("\n        ");
            else
                room.literal(",\n        ");
            room.bytes(head);
            room.to = writeJsonString(room.to, text);
            room.literal("}, \"locations\": [{");
            writeSarifLocation(room, occurrence);
            room.literal("}]");
            if (hasRelated) {
                room.literal(", \"relatedLocations\": [{\"id\": 1, ");
                writeSarifLocation(room, other);
                room.literal(", \"message\": {\"text\": ");
                room.bytes(relatedMessage);
                room.literal("}}]");
            }
            room.literal(", \"partialFingerprints\": {\"kvnFinding/v1\": \"");
            writeFingerprint(room, occurrence, fields);
            room.literal("\"}}");
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
