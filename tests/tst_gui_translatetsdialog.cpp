// The translate assistant dialog driven through its buttons and boxes.

#include "assistant/exchange.h"
#include "assistant/translatetsdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers the file question without a native dialog.
class ScriptedDialog : public TranslateTsDialog
{
public:
    QString answer;

protected:
    QString askForTsFile() override { return answer; }
};

const QString noBreak(QChar(0x00A0));

} // namespace

class TestGuiTranslateTsDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_ts;

    template<typename T> static T *child(const QDialog &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("missing widget %s", name);
        return widget;
    }

    static QString readMerged(const QString &tsPath)
    {
        QFile file(exchange::mergedFilePath(tsPath));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        m_ts = m_home.path() + QStringLiteral("/gui_de.ts");
        QFile ts(m_ts);
        QVERIFY(ts.open(QIODevice::WriteOnly));
        const QString text = "<TS>\n    <message>\n        <source>Keep" + noBreak
                + "together</source>\n"
                  "        <translation type=\"unfinished\"></translation>\n"
                  "    </message>\n    <message>\n"
                  "        <source>B &amp; C</source>\n"
                  "        <translation type=\"unfinished\"></translation>\n"
                  "    </message>\n</TS>\n";
        ts.write(text.toUtf8());
    }

    void startState()
    {
        ScriptedDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("KVN"));
        QVERIFY(child<QCheckBox>(dialog, "keepUnfinishedCheckBox")->isChecked());
        QVERIFY(!child<QLineEdit>(dialog, "fileLineEdit")->isEnabled());
        // A cancelled file question names no file.
        child<QPushButton>(dialog, "selectFileButton")->click();
        QCOMPARE(child<QPlainTextEdit>(dialog, "messageBox")->toPlainText(),
                 QStringLiteral("Reading  failed.\n"));
    }

    void exportAndMergeWithBoxes()
    {
        ScriptedDialog dialog;
        dialog.answer = m_ts;
        child<QPushButton>(dialog, "selectFileButton")->click();
        QCOMPARE(child<QLineEdit>(dialog, "fileLineEdit")->text(), m_ts);
        auto *sourceBox = child<QPlainTextEdit>(dialog, "sourceBox");
        QCOMPARE(sourceBox->document()->toRawText().replace(QChar::ParagraphSeparator, '\n'),
                 "Keep" + noBreak + "together\n*****\nB & C\n*****\n");
        auto *messageBox = child<QPlainTextEdit>(dialog, "messageBox");
        QVERIFY(messageBox->toPlainText().endsWith(
                QStringLiteral("Maybe let an AI check the grammar KVN_translation.txt file.")));

        // Without the exchange files both boxes are read, no-break spaces included.
        QVERIFY(QFile::remove(exchange::workDirectory(m_ts) + QLatin1Char('/')
                              + QLatin1String(exchange::sourceFileName)));
        child<QPlainTextEdit>(dialog, "translationBox")
                ->setPlainText("Nicht" + noBreak + "trennen\n*****\nB & C de\n*****\n");
        child<QCheckBox>(dialog, "keepUnfinishedCheckBox")->setChecked(false);
        child<QPushButton>(dialog, "mergeButton")->click();
        const QString messages = messageBox->toPlainText();
        QVERIFY2(messages.contains(QStringLiteral("Reading the source from the left box now.\n"))
                         && messages.contains(QStringLiteral(
                                 "Reading the translation from the right box now.\n"))
                         && messages.contains(
                                 QStringLiteral("Added 2 translations and skiped 0 translations.")),
                 qPrintable(messages));
        const QString merged = readMerged(m_ts);
        QVERIFY(merged.contains("<translation>Nicht" + noBreak + "trennen</translation>"));
        QVERIFY(merged.contains(QStringLiteral("<translation>B &amp; C de</translation>")));
    }

    void mergeOnClose()
    {
        ScriptedDialog dialog;
        dialog.answer = m_ts;
        dialog.show();
        child<QPushButton>(dialog, "selectFileButton")->click();
        child<QPlainTextEdit>(dialog, "translationBox")->setPlainText("X\n*****\nY\n*****\n");
        QFile::remove(exchange::mergedFilePath(m_ts));

        child<QPushButton>(dialog, "closeButton")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(readMerged(m_ts).contains(
                QStringLiteral("<translation type=\"unfinished\">Y</translation>")));

        // The window's own close runs the merge as well.
        QFile::remove(exchange::mergedFilePath(m_ts));
        dialog.show();
        QVERIFY(dialog.close());
        QVERIFY(!readMerged(m_ts).isEmpty());
    }
};

QTEST_MAIN(TestGuiTranslateTsDialog)
#include "tst_gui_translatetsdialog.moc"
