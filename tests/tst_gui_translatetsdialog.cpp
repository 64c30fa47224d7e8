// The translate assistant dialog driven through its buttons and boxes.

#include "assistant/exchange.h"
#include "assistant/translatetsdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
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

template<typename T>
T *child(const QDialog &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("missing widget %s", name);
    return widget;
}

QString readMerged(const QString &tsPath)
{
    QFile file(exchange::mergedFilePath(tsPath));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString noBreak(QChar(0x00A0));

} // namespace

class TestGuiTranslateTsDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_ts;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        // Two unfinished messages: "Keep" and "together" joined by a no-break space, and "B & C".
        m_ts = QStringLiteral(KVN_TEST_DATA "/exchange/gui_de.ts");
    }

    // Each of the three boxes is named by a label of its own, and the dialog by its title.
    void labelledBoxes()
    {
        ScriptedDialog dialog;
        QSet<QWidget *> named;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->buddy() && !label->text().isEmpty())
                named.insert(label->buddy());
        for (const char *box : {"messageBox", "sourceBox", "translationBox"})
            QVERIFY2(named.contains(child<QPlainTextEdit>(dialog, box)), box);
        QVERIFY(dialog.windowTitle() != QLatin1String("KVN"));
    }

    void exportMergeAndClose()
    {
        ScriptedDialog dialog;
        dialog.answer = m_ts;
        dialog.show();
        auto *messageBox = child<QPlainTextEdit>(dialog, "messageBox");
        auto *translationBox = child<QPlainTextEdit>(dialog, "translationBox");
        auto *keepUnfinished = child<QCheckBox>(dialog, "keepUnfinishedCheckBox");
        QVERIFY(keepUnfinished->isChecked());
        child<QPushButton>(dialog, "selectFileButton")->click();
        QCOMPARE(child<QLineEdit>(dialog, "fileLineEdit")->text(), m_ts);
        QVERIFY(messageBox->toPlainText().endsWith(
            QStringLiteral("Maybe let an AI check the grammar KVN_translation.txt file.")));

        // Without the exchange files both boxes are read, no-break spaces included.
        QVERIFY(QFile::remove(exchange::workDirectory(m_ts) + QLatin1Char('/')
                              + QLatin1String(exchange::sourceFileName)));
        translationBox->setPlainText("Nicht" + noBreak + "trennen\n*****\nB & C de\n*****\n");
        keepUnfinished->setChecked(false);
        child<QPushButton>(dialog, "mergeButton")->click();
        const QString messages = messageBox->toPlainText();
        QVERIFY2(messages.contains(QStringLiteral("Reading the source from the left box now.\n"))
                     && messages.contains(QStringLiteral("Added 2 translations")),
                 qPrintable(messages));
        QVERIFY(
            readMerged(m_ts).contains("<translation>Nicht" + noBreak + "trennen</translation>"));
        QVERIFY(readMerged(m_ts).contains("<translation>B &amp; C de</translation>"));

        // Closing merges once more, here keeping the unfinished flag.
        translationBox->setPlainText("X\n*****\nY\n*****\n");
        keepUnfinished->setChecked(true);
        child<QPushButton>(dialog, "closeButton")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(readMerged(m_ts).contains("<translation type=\"unfinished\">Y</translation>"));
    }
};

QTEST_MAIN(TestGuiTranslateTsDialog)
#include "tst_gui_translatetsdialog.moc"
