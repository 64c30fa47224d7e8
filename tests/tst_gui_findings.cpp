// The findings table of the window: its rows, filters, search, sort, the
// selected row's texts, the jump to a line and the copies of the context menu.

#include "app/findingstable.h"
#include "app/mainwindow.h"
#include "checks/results.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/report.h"
#include "run/run.h"
#include "scriptedwindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The texts of one column over the rows the table shows.
QStringList shownColumn(const FindingsPanel &panel, int column)
{
    QStringList texts;
    const QAbstractItemModel *model = panel.table()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data(FindingsModel::RawTextRole).toString());
    return texts;
}

void choose(QComboBox *combo, const QString &data)
{
    const int index = combo->findData(data);
    QVERIFY2(index >= 0, qPrintable(data));
    combo->setCurrentIndex(index);
}

} // namespace

class TestGuiFindings : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedWindow> m_window;
    FindingsPanel *m_panel = nullptr;

private slots:
    void initTestCase()
    {
        settingsStore().clear();
        loadAppSettings();
        m_window = std::make_unique<ScriptedWindow>();
        m_window->fileAnswer = fixture("gui_sample.ts");
        m_window->openFile();
        m_panel = m_window->findingsPanel();
    }
    void init()
    {
        m_panel->checkFilter()->setCurrentIndex(0);
        m_panel->severityFilter()->setCurrentIndex(0);
        m_panel->fileFilter()->setCurrentIndex(0);
        m_panel->searchField()->clear();
        emit m_panel->searchField()->returnPressed();
        m_panel->table()->sortByColumn(-1, Qt::AscendingOrder);
    }

    void visibleWhitespace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("space") << "a b " << QString::fromUtf8("a·b·");
        QTest::newRow("tab and line feed") << "a\tb\n" << QString::fromUtf8("a→b⏎");
        QTest::newRow("no-break space stays")
            << QString::fromUtf8("a\u00a0b") << QString::fromUtf8("a\u00a0b");
    }
    void visibleWhitespace()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::visibleWhitespace(text), shown);
    }

    // One row per occurrence of a finding, each with its file and line.
    void rows()
    {
        const results &store = *m_window->store();
        QCOMPARE(m_panel->model()->rowCount(), reportFindingCount(store));
        QVERIFY(m_panel->model()->rowCount() > 3);
        const QStringList files = shownColumn(*m_panel, FindingsModel::FileColumn);
        QCOMPARE(QSet<QString>(files.cbegin(), files.cend()),
                 QSet<QString>({fixture("gui_sample.ts")}));
        for (const QString &line : shownColumn(*m_panel, FindingsModel::LineColumn))
            QVERIFY(line.toInt() > 0);
    }

    void filters()
    {
        const int all = m_panel->table()->model()->rowCount();
        const QString group = QLatin1String(
            checkInfo(checkIndexOf(shownColumn(*m_panel, FindingsModel::CheckColumn).constLast()))
                .tab);
        choose(m_panel->checkFilter(), group);
        const QStringList checks = shownColumn(*m_panel, FindingsModel::CheckColumn);
        QVERIFY(!checks.isEmpty() && checks.size() < all);
        for (const QString &check : checks)
            QCOMPARE(QLatin1String(checkInfo(checkIndexOf(check)).tab), group);
        choose(m_panel->checkFilter(), checks.first());
        for (const QString &check : shownColumn(*m_panel, FindingsModel::CheckColumn))
            QCOMPARE(check, checks.first());

        m_panel->checkFilter()->setCurrentIndex(0);
        QComboBox *severity = m_panel->severityFilter();
        QVERIFY(severity->count() > 1);
        severity->setCurrentIndex(1);
        for (const QString &shown : shownColumn(*m_panel, FindingsModel::SeverityColumn))
            QCOMPARE(shown, severity->currentText());
        severity->setCurrentIndex(0);
        choose(m_panel->fileFilter(), fixture("gui_sample.ts"));
        QCOMPARE(m_panel->table()->model()->rowCount(), all);
        QVERIFY(m_panel->languageFilter()->isHidden()); // one language, nothing to choose
    }

    // The languages the files declare: each keeps the rows of its file.
    void languageFilter_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow(".po header") << "fr"
                                    << "corpus/po/fr.po";
        QTest::newRow(".ts attribute") << "de_DE"
                                       << "corpus/ts/editor_de.ts";
    }
    void languageFilter()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        results store;
        AppSettingsRecord options = defaultOptions();
        selectDirectory(options, fixture("corpus"));
        runSelection(store, options, nullptr);
        FindingsPanel panel;
        panel.setStore(&store);
        QVERIFY(!panel.languageFilter()->isHidden());
        choose(panel.languageFilter(), language);
        const QStringList files = shownColumn(panel, FindingsModel::FileColumn);
        QVERIFY(!files.isEmpty());
        QCOMPARE(QSet<QString>(files.cbegin(), files.cend()),
                 QSet<QString> {fixture(qPrintable(file))});
    }

    // The search looks at every column, in the texts as stored.
    void search()
    {
        const QString source = shownColumn(*m_panel, FindingsModel::SourceColumn).constFirst();
        const QString word = source.section(QLatin1Char(' '), 0, 1); // with its blank
        m_panel->searchField()->setText(word.toUpper());
        emit m_panel->searchField()->returnPressed();
        const int found = m_panel->table()->model()->rowCount();
        QVERIFY(found > 0);
        for (int row = 0; row < found; ++row) {
            QStringList texts;
            for (int column = 0; column < FindingsModel::ColumnCount; ++column)
                texts.append(shownColumn(*m_panel, column).at(row));
            QVERIFY(texts.join(QLatin1Char('\n')).contains(word, Qt::CaseInsensitive));
        }
        // Ctrl+F goes to the search field.
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keySequence(m_window.get(), QKeySequence::Find);
        QCOMPARE(QApplication::focusWidget(), m_panel->searchField());
    }

    void sortByLine()
    {
        m_panel->table()->sortByColumn(FindingsModel::LineColumn, Qt::DescendingOrder);
        QList<int> lines;
        for (const QString &line : shownColumn(*m_panel, FindingsModel::LineColumn))
            lines.append(line.toInt());
        QVERIFY(lines.first() > lines.last());
        QVERIFY(std::is_sorted(lines.crbegin(), lines.crend()));
    }

    // F3 and Shift+F3 walk the rows; the selected row's texts show below, whitespace visible.
    void stepAndDetails()
    {
        QAction *next = nullptr, *previous = nullptr;
        for (QAction *action : m_window->findChildren<QAction *>()) {
            if (action->shortcut() == QKeySequence(Qt::Key_F3))
                next = action;
            if (action->shortcut() == QKeySequence(Qt::SHIFT | Qt::Key_F3))
                previous = action;
        }
        QVERIFY(next && previous);
        next->trigger();
        next->trigger();
        QCOMPARE(m_panel->table()->currentIndex().row(), 1);
        previous->trigger();
        QCOMPARE(m_panel->table()->currentIndex().row(), 0);
        previous->trigger(); // wraps around
        QCOMPARE(m_panel->table()->currentIndex().row(), m_panel->table()->model()->rowCount() - 1);
        const int row = m_panel->currentRow();
        const QString details = m_panel->details()->toPlainText();
        QVERIFY(details.contains(
            ::visibleWhitespace(m_panel->model()->rawText(row, FindingsModel::SourceColumn))));
        // The finding's own text reads as prose: its spaces stay spaces.
        QVERIFY(details.contains(m_panel->model()
                                     ->rawText(row, FindingsModel::FindingColumn)
                                     .section(QLatin1Char('\n'), 0, 0)));
    }

    // Enter on a row starts the editor command with the file and the line.
    void jumpToLine()
    {
        QTemporaryDir work;
        const QString out = work.filePath(QStringLiteral("opened"));
        QFile script(work.filePath(QStringLiteral("editor.sh")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("printf '%s:%s' \"$1\" \"$2\" > \"$(dirname \"$0\")/opened\"\n");
        script.close();
        m_window->setEditorCommand(QStringLiteral("sh \"%1\" %f %l").arg(script.fileName()));
        m_panel->table()->setCurrentIndex(m_panel->table()->model()->index(0, 0));
        m_panel->table()->setFocus();
        QTest::keyClick(m_panel->table(), Qt::Key_Return);
        const int row = m_panel->currentRow();
        const QString expected = m_panel->model()->filePath(row) + QLatin1Char(':')
                                 + QString::number(m_panel->model()->line(row));
        QFile opened(out);
        QTRY_VERIFY(opened.exists() && opened.size() > 0);
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(opened.readAll()), expected);
    }

    void contextMenuCopies()
    {
        QMenu menu;
        m_panel->fillContextMenu(menu, 0);
        const int row = m_panel->filter()->mapToSource(m_panel->filter()->index(0, 0)).row();
        const QList<QAction *> actions = menu.actions();
        actions.at(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 m_panel->model()->filePath(row) + QLatin1Char(':')
                     + QString::number(m_panel->model()->line(row)));
        actions.at(1)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 m_panel->model()->rawText(row, FindingsModel::SourceColumn));
    }

    // File > Save Report As... writes the last run in the chosen format.
    void exportFormats_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected"); // a pattern the whole output matches
        const auto add = [](const char *name, const char *filter, const char *expected) {
            QTest::newRow(name) << filter << expected;
        };
        add("report", "txt", "^=== ST0 ===\nLast checks were done at \\d\\d:\\d\\d:\\d\\d\n");
        add("gcc", "log", "gui_sample.ts:\\d+:(\\d+:)? (warning|error|note): ");
        add("json", "json", "^\\{.*\"occurrences\"");
        add("sarif", "sarif", "^\\{.*\"version\": ?\"2.1.0\"");
        add("csv", "csv",
            "^check,severity,file,line,context,source,translation,finding\r\n"
            "[^,]+,(warning|error|note),[^,]*gui_sample.ts,");
    }
    void exportFormats()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QTemporaryDir work;
        m_window->saveAnswer = work.filePath(QStringLiteral("report.") + filter);
        m_window->filterAnswer = QStringLiteral("*.") + filter;
        m_window->messages.clear();
        m_window->saveReportAs();
        QVERIFY(m_window->messages.isEmpty());
        QFile saved(m_window->saveAnswer);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(saved.readAll());
        QVERIFY2(QRegularExpression(expected, QRegularExpression::DotMatchesEverythingOption)
                     .match(text)
                     .hasMatch(),
                 qPrintable(text.left(300)));
        if (filter == QLatin1String("json") || filter == QLatin1String("sarif"))
            QVERIFY(!QJsonDocument::fromJson(text.toUtf8()).isNull());
    }

    void exportToUnwritableFolder()
    {
        m_window->saveAnswer = QStringLiteral("/nonexistent/folder/report.txt");
        m_window->filterAnswer = QStringLiteral("txt");
        m_window->messages.clear();
        m_window->saveReportAs();
        QCOMPARE(m_window->messages.size(), 1);
        QCOMPARE(m_window->messages[0].text,
                 QStringLiteral("Could not write %1.").arg(m_window->saveAnswer));
    }

    void cleanupTestCase() { m_window.reset(); }
};

QTEST_MAIN(TestGuiFindings)
#include "tst_gui_findings.moc"
