// The reader of Qt Linguist translation files (.ts, XML).

#include "checks/results.h"
#include "input/fileaccess.h"
#include "input/fileproblems.h"
#include "input/readers.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QtDebug>

QString openTranslationFile(QFile &file, const QString &path)
{
    const fileaccess::OpenStatus status = fileaccess::openRegularFile(file, path);
    if (status == fileaccess::OpenStatus::Opened)
        return QString();
    if (status == fileaccess::OpenStatus::NotOpened)
        return results::tr("Could not open file. It is not existing or in use.") + QLatin1Char('\n')
               + path;
    return fileaccess::openProblem(status, path);
}

int firstInvalidUtf8Line(QIODevice *device)
{
    if (device->isSequential() || !device->seek(0))
        return 0;
    const auto byteOrderMark = QStringConverter::encodingForData(device->peek(4));
    if (byteOrderMark && *byteOrderMark != QStringConverter::Utf8)
        return 0;
    // A line feed never stands inside a UTF-8 sequence, so lines decode alone.
    for (int line = 1; !device->atEnd(); ++line) {
        QStringDecoder decoder(QStringConverter::Utf8);
        const QString text = decoder.decode(device->readLine());
        if (decoder.hasError())
            return line;
    }
    return 0;
}

namespace {

// Context and text of the stream reader's message for bytes its decoder rejects,
// compared in the language Qt translates it into.
const char *const QtEncodingError[] = {"QXmlStream", "Encountered incorrectly encoded content."};

class TsReader
{
public:
    TsReader(bool clearFirst, const QString &path, results *store, QIODevice *device)
        : m_clearFirst(clearFirst)
        , m_path(path)
        , m_store(store)
        , m_problems(store, path)
        , m_xml(device)
    {
        store->poFile = false;
        store->formatFlag = 0;
    }

    void read();

private:
    struct Message {
        QString source;
        QString translation;
        QList<QString> locations;
        bool unfinished = false;
        bool vanished = false;
        bool numerus = false;
        bool variants = false;
        QString sourceNumerusWarnings;
        QString translationNumerusWarnings;
        MessageOrigin origin;
    };

    int line() const { return int(m_xml.lineNumber()); }
    // The text of the element, without the spare room the reader grew it with:
    // the texts of a catalogue stay until the end of the run.
    QString text()
    {
        QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        text.squeeze();
        return text;
    }
    bool isElement(const char *name) const { return m_xml.name() == QLatin1String(name); }
    bool isToolElement() const;
    void unknownTag();
    void setUpLanguage(const QString &language);
    void check(Message &message, int numerusForm, const QString &source);

    void readContext();
    void readMessage();
    void readLocation(Message &message);
    void readTranslation(Message &message);
    void readNumerusTranslation(Message &message);
    void readVariantsTranslation(Message &message);
    void checkOrdinaryTranslation(Message &message);
    QString readNumerusForm();

    const bool m_clearFirst;
    const QString m_path;
    results *const m_store;
    FileProblems m_problems;
    QXmlStreamReader m_xml;
    QString m_context;
    bool m_languageSetUp = false;
    QString m_language; // of the TS element
    bool m_secondTsReported = false;
    bool m_lengthVariants = false;
};

// Elements Qt's own tools write into valid files that hold nothing to check:
// build dependencies, the previous source and comment, user data and extras.
bool TsReader::isToolElement() const
{
    return isElement("dependencies") || isElement("oldsource") || isElement("oldcomment")
           || isElement("userdata") || m_xml.name().startsWith(QLatin1String("extra-"));
}

void TsReader::unknownTag()
{
    if (isToolElement()) {
        m_xml.skipCurrentElement();
        return;
    }
    m_problems.report(results::tr("Unknown tag %1.").arg(m_xml.name()), line());
    m_xml.skipCurrentElement();
}

void TsReader::setUpLanguage(const QString &language)
{
    m_store->setUpLanguage(language, m_clearFirst, m_path);
    m_languageSetUp = true;
    m_language = language;
}

void TsReader::check(Message &message, int numerusForm, const QString &source)
{
    // A file whose contexts stand outside a TS element names no language: the
    // rules are set up as for a TS element without one.
    if (!m_languageSetUp)
        setUpLanguage(QString());
    m_store->setMessageOrigin(message.origin);
    m_store->checkMessage(source, message.translation, m_context, message.locations,
                          message.unfinished, message.vanished, numerusForm,
                          message.sourceNumerusWarnings, message.translationNumerusWarnings);
}

void TsReader::read()
{
    // Iterating token by token keeps the contexts of nested TS elements too.
    while (!m_xml.atEnd()) {
        if (m_xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (isElement("TS")) {
            if (!m_languageSetUp) {
                setUpLanguage(m_xml.attributes().value(QLatin1String("language")).toString());
            } else if (!m_secondTsReported) {
                // The rules stay as the first TS element set them up.
                m_secondTsReported = true;
                m_problems.report(results::tr("Second 'TS' found."), line());
            }
        } else if (isElement("context")) {
            readContext();
        } else {
            unknownTag();
        }
    }
    if (m_lengthVariants)
        m_problems.report(results::tr("There are length variants in this file. Import not "
                                      "complete, since this feature is not included yet."),
                          line());
    if (m_xml.hasError()) {
        // The stream reader decodes ahead of its tokens: for bytes that are not
        // UTF-8 it names an earlier line than theirs.
        int errorLine = 0;
        if (m_xml.errorString()
            == QCoreApplication::translate(QtEncodingError[0], QtEncodingError[1]))
            errorLine = firstInvalidUtf8Line(m_xml.device());
        m_problems.report(results::tr("Error while reading the file."),
                          errorLine > 0 ? errorLine : line());
    }
}

void TsReader::readContext()
{
    m_context.clear();
    while (m_xml.readNextStartElement()) {
        if (isElement("name"))
            m_context = text();
        else if (isElement("message"))
            readMessage();
        else
            unknownTag();
    }
}

void TsReader::readMessage()
{
    Message message;
    message.numerus = m_xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (m_xml.readNextStartElement()) {
        if (isElement("location")) {
            readLocation(message);
        } else if (isElement("source")) {
            m_problems.check(message.source.isEmpty(),
                             QT_TRANSLATE_NOOP("results", "Second 'source' found."), line());
            message.origin.sourceLine = line();
            message.source = text();
        } else if (isElement("extracomment") || isElement("translatorcomment")) {
            const int commentLine = line();
            readIgnoreComment(text(), commentLine, m_store, message.origin.silenced);
        } else if (isElement("comment")) {
            m_xml.skipCurrentElement();
        } else if (isElement("translation")) {
            readTranslation(message);
        } else {
            unknownTag();
        }
    }
}

void TsReader::readLocation(Message &message)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    bool ok = false;
    const int lineNumber = attributes.value(QLatin1String("line")).toInt(&ok, 10);
    if (!ok) {
        // Without a line number there is no location text: the location is dropped.
        m_problems.report(results::tr("Missing or invalid 'line' attribute."), line());
    } else {
        const QString location = attributes.value(QLatin1String("filename")).toString()
                                 + QLatin1String("   Line: ") + QString::number(lineNumber);
        if (!message.locations.contains(location))
            message.locations.append(location);
    }
    m_xml.skipCurrentElement();
}

void TsReader::readTranslation(Message &message)
{
    m_problems.check(message.translation.isEmpty(),
                     QT_TRANSLATE_NOOP("results", "Second 'translation' found."), line());
    message.origin.translationLine = line();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const auto type = attributes.value(QLatin1String("type"));
    if (type == QLatin1String("unfinished"))
        message.unfinished = true;
    else if (type == QLatin1String("vanished"))
        message.vanished = true;
    if (attributes.value(QLatin1String("variants")) == QLatin1String("yes"))
        message.variants = true;

    if (message.numerus) {
        // Length variants of a numerus message are not read: its forms are, and
        // the variants are reported with the others of the file.
        if (message.variants)
            m_lengthVariants = true;
        readNumerusTranslation(message);
    } else if (message.variants) {
        readVariantsTranslation(message);
    } else {
        message.translation = text();
        checkOrdinaryTranslation(message);
    }
}

void TsReader::checkOrdinaryTranslation(Message &message)
{
    if (message.translation.contains(QLatin1String("%n")))
        message.translationNumerusWarnings
            += results::tr("Numerus in the translation found, even the message is not a numerus.")
               + QLatin1Char('\n');
    check(message, 0, message.source);
}

void TsReader::readNumerusTranslation(Message &message)
{
    const QString &source = message.source;
    const QString lineNumber = QString::number(line());
    if (!source.contains(QLatin1String("%n")))
        message.sourceNumerusWarnings
            += results::tr("Numerus in the source not found, even the message is a numerus. "
                           "Line %1")
                   .arg(lineNumber)
               + QLatin1Char('\n');
    if (source.count(QLatin1Char('(')) != 1)
        message.sourceNumerusWarnings
            += results::tr("Location of the numerus in the source unclear, since there is not "
                           "exact one opening brace. Line %1")
                   .arg(lineNumber)
               + QLatin1Char('\n');
    if (source.count(QLatin1Char(')')) != 1)
        message.sourceNumerusWarnings
            += results::tr("Location of the numerus in the source unclear, since there is not "
                           "exact one closing brace. Line %1")
                   .arg(lineNumber)
               + QLatin1Char('\n');

    // "%n file(s) found": "%n file found" for the first form, "%n files found" after.
    QString singular = source;
    QString plural = source;
    plural.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    const qsizetype open = source.indexOf(QLatin1Char('('));
    const qsizetype close = source.indexOf(QLatin1Char(')'));
    if (open >= 0 && close > open)
        singular = source.left(open) + source.mid(close + 1);
    else
        singular = plural;

    int form = 0;
    while (m_xml.readNextStartElement()) {
        if (!isElement("numerusform")) {
            unknownTag();
            continue;
        }
        message.origin.translationLine = line();
        message.translation = readNumerusForm();
        ++form;
        if (message.translation.isEmpty()) {
            check(message, form, source);
            continue;
        }
        if (!message.translation.contains(QLatin1String("%n")))
            message.translationNumerusWarnings
                += results::tr("Numerus in translation not found, even the message is a numerus.")
                   + QLatin1Char('\n');
        if (!message.sourceNumerusWarnings.isEmpty())
            check(message, form, source);
        else
            check(message, form, form == 1 ? singular : plural);
    }
    // Forms beyond those of the language are checked under numbers it does not know.
    // The rules are those of the run's first file: a file in another language has
    // been reported already.
    const int forms = m_store->translationRules.maxNumerus;
    if (!message.vanished && forms != results::unknownNumerus && form > forms
        && m_language == m_store->catalogueLanguage)
        m_problems.report(wrongNumberOfPlurals(forms, form), line(), false);
    if (!message.vanished && m_languageSetUp && m_language == m_store->catalogueLanguage)
        m_store->checkPluralForms(source, m_context, message.unfinished, form, forms);
}

QString TsReader::readNumerusForm()
{
    if (m_xml.attributes().value(QLatin1String("variants")) != QLatin1String("yes"))
        return text();
    // A form with length variants: the first variant stands for the form.
    m_lengthVariants = true;
    QString form;
    bool first = true;
    while (m_xml.readNextStartElement()) {
        if (!isElement("lengthvariant")) {
            unknownTag();
            continue;
        }
        const QString variant = text();
        if (first)
            form = variant;
        first = false;
    }
    return form;
}

void TsReader::readVariantsTranslation(Message &message)
{
    bool first = true;
    while (m_xml.readNextStartElement()) {
        if (!isElement("lengthvariant")) {
            unknownTag();
            continue;
        }
        message.translation = text();
        if (first)
            checkOrdinaryTranslation(message);
        first = false;
    }
    m_lengthVariants = true;
}

} // namespace

void readTsDevice(bool clearFirst, const QString &path, QIODevice *device, results *store)
{
    store->log(QtInfoMsg, QLatin1String("Reading file ") + path);
    if (clearFirst)
        store->clear();
    store->beginFile(path);
    TsReader reader(clearFirst, path, store, device);
    reader.read();
}

QString readTsFile(bool clearFirst, const QString &path, results *store)
{
    QFile file;
    const QString problem = openTranslationFile(file, path);
    if (!problem.isEmpty())
        return problem;
    readTsDevice(clearFirst, path, &file, store);
    return QString();
}
