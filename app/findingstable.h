#pragma once
// The findings table: every occurrence of a finding of the last run, one row
// each, with where it stands (file and line) and what the message says. The
// rows are read from the store as the engine left it; the table computes none.

#include <QAbstractTableModel>
#include <QList>
#include <QSortFilterProxyModel>
#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableView;
class results;

// Spaces, tabs and line feeds made visible as Qt Linguist shows them: · → ⏎.
// Without `spaces`, only tabs and line feeds are shown (a finding's own text
// reads as prose).
QString visibleWhitespace(const QString &text, bool spaces = true);

class FindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        CheckColumn,
        SeverityColumn,
        FileColumn,
        LineColumn,
        ContextColumn,
        SourceColumn,
        TranslationColumn,
        FindingColumn,
        ColumnCount
    };
    // The text of a cell as stored, without visible whitespace.
    static constexpr int RawTextRole = Qt::UserRole;
    // The check index of the row (a number for the filters).
    static constexpr int CheckIndexRole = Qt::UserRole + 1;

    explicit FindingsModel(QObject *parent = nullptr);

    // Shows the findings of store, which must stay unchanged until the next
    // call; null empties the table (before the store is cleared for a run).
    void setStore(const results *store);
    const results *store() const { return m_store; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The stored text of one cell.
    QString rawText(int row, int column) const;
    // The file and line of a row ("" and 0 when it has none).
    QString filePath(int row) const;
    QString language(int row) const; // the language its file declares
    int line(int row) const;
    int check(int row) const; // the check index

private:
    struct Row {
        int check;
        int message; // into results::messages(), -1 for none
        int file; // into results::files(), -1 for none
        int line;
        QString finding;
    };
    const results *m_store = nullptr;
    QList<Row> m_rows;
    QString m_severityTexts[3]; // by Severity
};

// Narrows the table by check or group, file, severity and language, and by a text
// searched in every column.
class FindingsFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit FindingsFilter(QObject *parent = nullptr);

    // "T4" keeps T4.1 to T4.4, "T4.2" only that check; empty keeps all.
    void setCheck(const QString &check);
    void setFile(const QString &file); // empty keeps all
    void setSeverity(const QString &severity); // a severity's shown name; empty keeps all
    void setLanguage(const QString &language); // a file's declared language; empty keeps all
    void setSearch(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString m_check, m_file, m_severity, m_language, m_search;
};

// The table with its filters, the search field and the full texts of the
// selected row below.
class FindingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FindingsPanel(QWidget *parent = nullptr);

    void setStore(const results *store);
    FindingsModel *model() const { return m_model; }
    FindingsFilter *filter() const { return m_filter; }
    QTableView *table() const { return m_table; }
    QLineEdit *searchField() const { return m_search; }
    QComboBox *checkFilter() const { return m_check; }
    QComboBox *fileFilter() const { return m_file; }
    QComboBox *severityFilter() const { return m_severity; }
    QComboBox *languageFilter() const { return m_language; }
    QPlainTextEdit *details() const { return m_details; }

    // Selects the next (step 1) or previous (step -1) row, wrapping around.
    void step(int step);
    // The source row of the selected row, -1 for none.
    int currentRow() const;
    // The actions of the context menu of a row of the table: copy its
    // "file:line", its source or its translation, open it at its line.
    void fillContextMenu(QMenu &menu, int tableRow);

signals:
    // The user asked to open the file of a row at its line.
    void openRequested(const QString &file, int line);

private:
    void fillFilters();
    void showDetails();
    void showContextMenu(const QPoint &position);
    void activate(const QModelIndex &index);

    FindingsModel *m_model;
    FindingsFilter *m_filter;
    QTableView *m_table;
    QLineEdit *m_search;
    QComboBox *m_check;
    QComboBox *m_file;
    QComboBox *m_severity;
    QComboBox *m_language;
    QPlainTextEdit *m_details;
};
