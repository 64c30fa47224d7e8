#include "app/findingstable.h"

#include "checks/results.h"
#include "model/catalogue.h"
#include "report/report.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Long texts are cut in the cells; the details below show them whole.
const int CellLength = 300;

QString severityText(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return FindingsModel::tr("Error");
    case Severity::Warning:
        return FindingsModel::tr("Warning");
    case Severity::Info:
        break;
    }
    return FindingsModel::tr("Information");
}

} // namespace

QString visibleWhitespace(const QString &text, bool spaces)
{
    QString shown = text;
    if (spaces)
        shown.replace(QLatin1Char(' '), QChar(0x00B7));
    shown.replace(QLatin1Char('\t'), QChar(0x2192));
    shown.replace(QLatin1Char('\n'), QChar(0x23CE));
    return shown;
}

// ---- Model ------------------------------------------------------------------

FindingsModel::FindingsModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void FindingsModel::setStore(const results *store)
{
    beginResetModel();
    m_store = store;
    m_rows.clear();
    // Translated once: the filters and the sort ask for them row by row.
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Info})
        m_severityTexts[int(severity)] = severityText(severity);
    if (store) {
        const QList<MessageRecord> &messages = store->messages();
        const ItemList &problems = store->items(Check_0);
        for (int i = 0; i < problems.size(); ++i) {
            const ItemOrigin origin = store->itemOrigins().value(i);
            m_rows.append({Check_0, -1, origin.file, origin.line, problems[i]});
        }
        for (int index = 0; index < CheckCount; ++index) {
            if (!isWarningCheck(index))
                continue;
            const auto &entries = store->findings(index).entries();
            for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry) {
                for (const FindingValueRef value : entry.value()) {
                    const int message = value.message;
                    if (message >= 0 && message < messages.size()) {
                        const MessageRecord &record = messages[message];
                        m_rows.append(
                            {index, message, record.file, findingLine(record, index), entry.key()});
                    } else {
                        m_rows.append({index, -1, -1, 0, entry.key()});
                    }
                }
            }
        }
    }
    endResetModel();
}

int FindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FindingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FindingsModel::rawText(int row, int column) const
{
    const Row &r = m_rows.at(row);
    const MessageRecord *record = r.message >= 0 ? &m_store->messages().at(r.message) : nullptr;
    switch (column) {
    case CheckColumn:
        return QLatin1String(checkInfo(r.check).id);
    case SeverityColumn:
        return m_severityTexts[int(checkInfo(r.check).severity)];
    case FileColumn:
        return filePath(row);
    case LineColumn:
        return r.line > 0 ? QString::number(r.line) : QString();
    case ContextColumn:
        return record ? record->context : QString();
    case SourceColumn:
        return record ? record->source : QString();
    case TranslationColumn:
        return record ? record->translation : QString();
    case FindingColumn:
        return r.finding;
    }
    return QString();
}

QString FindingsModel::filePath(int row) const
{
    const int file = m_rows.at(row).file;
    return file >= 0 ? m_store->files().value(file) : QString();
}

QString FindingsModel::language(int row) const
{
    return m_store->fileLanguage(m_rows.at(row).file);
}

int FindingsModel::check(int row) const
{
    return m_rows.at(row).check;
}

int FindingsModel::line(int row) const
{
    return m_rows.at(row).line;
}

QVariant FindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        if (column == LineColumn)
            return line(index.row()) > 0 ? QVariant(line(index.row())) : QVariant();
        QString text = rawText(index.row(), column);
        if (column >= ContextColumn)
            text = visibleWhitespace(text.left(CellLength), column != FindingColumn);
        // In a right-to-left window a path or an English text keeps its own
        // direction (a first-strong isolate) instead of taking the window's.
        if (QGuiApplication::isRightToLeft())
            return QString(QChar(0x2068) + text + QChar(0x2069));
        return text;
    }
    case Qt::ToolTipRole:
        return column >= ContextColumn ? rawText(index.row(), column) : QVariant();
    case RawTextRole:
        if (column == LineColumn)
            return line(index.row());
        return rawText(index.row(), column);
    case CheckIndexRole:
        return check(index.row());
    case Qt::TextAlignmentRole:
        if (column == LineColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case CheckColumn:
        return tr("Check");
    case SeverityColumn:
        return tr("Severity");
    case FileColumn:
        return tr("File");
    case LineColumn:
        return tr("Line");
    case ContextColumn:
        return tr("Context");
    case SourceColumn:
        return tr("Source");
    case TranslationColumn:
        return tr("Translation");
    case FindingColumn:
        return tr("Finding");
    }
    return {};
}

// ---- Filter -----------------------------------------------------------------

FindingsFilter::FindingsFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(FindingsModel::RawTextRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void FindingsFilter::setCheck(const QString &check)
{
    m_check = check;
    invalidateFilter();
}

void FindingsFilter::setFile(const QString &file)
{
    m_file = file;
    invalidateFilter();
}

void FindingsFilter::setSeverity(const QString &severity)
{
    m_severity = severity;
    invalidateFilter();
}

void FindingsFilter::setLanguage(const QString &language)
{
    m_language = language;
    invalidateFilter();
}

void FindingsFilter::setSearch(const QString &text)
{
    m_search = text;
    invalidateFilter();
}

bool FindingsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *model = static_cast<const FindingsModel *>(sourceModel());
    if (!m_check.isEmpty()) {
        const CheckInfo &info = checkInfo(model->check(sourceRow));
        if (m_check != QLatin1String(info.id) && m_check != QLatin1String(info.tab))
            return false;
    }
    if (!m_file.isEmpty() && model->filePath(sourceRow) != m_file)
        return false;
    if (!m_severity.isEmpty()
        && model->rawText(sourceRow, FindingsModel::SeverityColumn) != m_severity)
        return false;
    if (!m_language.isEmpty() && model->language(sourceRow) != m_language)
        return false;
    if (m_search.isEmpty())
        return true;
    for (int column = 0; column < FindingsModel::ColumnCount; ++column)
        if (model->rawText(sourceRow, column).contains(m_search, Qt::CaseInsensitive))
            return true;
    return false;
}

bool FindingsFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // Straight from the rows: a sort of 100,000 rows asks this about two million times.
    const auto *model = static_cast<const FindingsModel *>(sourceModel());
    switch (left.column()) {
    case FindingsModel::CheckColumn:
        return model->check(left.row()) < model->check(right.row());
    case FindingsModel::LineColumn:
        return model->line(left.row()) < model->line(right.row());
    default:
        return model->rawText(left.row(), left.column())
                   .compare(model->rawText(right.row(), right.column()), Qt::CaseInsensitive)
               < 0;
    }
}

// ---- Panel ------------------------------------------------------------------

FindingsPanel::FindingsPanel(QWidget *parent)
    : QWidget(parent)
    , m_model(new FindingsModel(this))
    , m_filter(new FindingsFilter(this))
    , m_table(new QTableView(this))
    , m_search(new QLineEdit(this))
    , m_check(new QComboBox(this))
    , m_file(new QComboBox(this))
    , m_severity(new QComboBox(this))
    , m_language(new QComboBox(this))
    , m_details(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("findingsPanel"));
    m_table->setObjectName(QStringLiteral("findingsTable"));
    m_search->setObjectName(QStringLiteral("findingsSearch"));
    m_details->setObjectName(QStringLiteral("findingDetails"));
    m_filter->setSourceModel(m_model);
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder); // the engine's order until a header is clicked
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    // Rows of one height and no measuring of contents keep 100,000 rows smooth.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {60, 80, 200, 50, 120, 220, 220};
    for (int column = 0; column < int(std::size(widths)); ++column)
        m_table->setColumnWidth(column, widths[column]);
    m_details->setReadOnly(true);

    m_search->setPlaceholderText(tr("Search in all columns"));
    m_search->setClearButtonEnabled(true);
    m_check->setObjectName(QStringLiteral("findingsCheckFilter"));
    m_file->setObjectName(QStringLiteral("findingsFileFilter"));
    m_severity->setObjectName(QStringLiteral("findingsSeverityFilter"));
    m_language->setObjectName(QStringLiteral("findingsLanguageFilter"));
    m_language->setToolTip(tr("Filter by language"));
    m_file->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_file->setMinimumContentsLength(20);

    auto *filters = new QHBoxLayout;
    filters->addWidget(m_search, 2);
    filters->addWidget(m_check);
    filters->addWidget(m_severity);
    filters->addWidget(m_language);
    filters->addWidget(m_file, 1);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_table);
    splitter->addWidget(m_details);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    fillFilters();

    // The search waits for a pause in typing: each change filters every row.
    auto *searchDelay = new QTimer(this);
    searchDelay->setSingleShot(true);
    searchDelay->setInterval(200);
    connect(m_search, &QLineEdit::textChanged, searchDelay, qOverload<>(&QTimer::start));
    connect(searchDelay, &QTimer::timeout, this, [this] { m_filter->setSearch(m_search->text()); });
    connect(m_search, &QLineEdit::returnPressed, this, [this, searchDelay] {
        searchDelay->stop();
        m_filter->setSearch(m_search->text());
    });
    // One plain lambda per box: with GCC 12, AddressSanitizer reports a read below
    // the frame of a nested lambda that holds a member-function pointer.
    connect(m_check, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setCheck(m_check->currentData().toString()); });
    connect(m_file, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setFile(m_file->currentData().toString()); });
    connect(m_severity, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setSeverity(m_severity->currentData().toString()); });
    connect(m_language, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setLanguage(m_language->currentData().toString()); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FindingsPanel::showDetails);
    connect(m_table, &QTableView::activated, this, &FindingsPanel::activate);
    connect(m_table, &QWidget::customContextMenuRequested, this, &FindingsPanel::showContextMenu);
}

void FindingsPanel::setStore(const results *store)
{
    m_model->setStore(store);
    fillFilters();
    showDetails();
}

void FindingsPanel::fillFilters()
{
    // The choices are what the rows hold: their checks and groups, severities,
    // files and languages.
    QMap<int, QString> checks; // by check index, in catalogue order
    QStringList files;
    QSet<QString> severities;
    QStringList languages;
    QSet<QString> seenFiles;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const int check = m_model->check(row);
        checks.insert(check, QLatin1String(checkInfo(check).id));
        severities.insert(m_model->rawText(row, FindingsModel::SeverityColumn));
        const QString file = m_model->filePath(row);
        if (!file.isEmpty() && !seenFiles.contains(file)) {
            seenFiles.insert(file);
            files.append(file);
            languages.append(m_model->language(row));
        }
    }
    languages.removeAll(QString());
    languages.removeDuplicates();
    languages.sort();
    for (QComboBox *combo : {m_check, m_file, m_severity, m_language}) {
        combo->blockSignals(true);
        combo->clear();
    }
    m_check->addItem(tr("All checks"), QString());
    QString group;
    for (auto check = checks.cbegin(); check != checks.cend(); ++check) {
        const QString tab = QLatin1String(checkInfo(check.key()).tab);
        if (tab != group && QString(check.value()) != tab) {
            group = tab;
            m_check->addItem(tr("Group %1").arg(tab), tab);
        }
        m_check->addItem(check.value(), check.value());
    }
    m_severity->addItem(tr("All severities"), QString());
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Info})
        if (severities.contains(severityText(severity)))
            m_severity->addItem(severityText(severity), severityText(severity));
    m_file->addItem(tr("All files"), QString());
    for (const QString &file : qAsConst(files))
        m_file->addItem(file, file);
    m_language->addItem(tr("All languages"), QString());
    for (const QString &language : qAsConst(languages))
        m_language->addItem(language, language);
    // A run in one language has nothing to choose.
    m_language->setVisible(languages.size() > 1);
    for (QComboBox *combo : {m_check, m_file, m_severity, m_language})
        combo->blockSignals(false);
    m_filter->setCheck(QString());
    m_filter->setFile(QString());
    m_filter->setSeverity(QString());
    m_filter->setLanguage(QString());
}

int FindingsPanel::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_filter->mapToSource(current).row() : -1;
}

void FindingsPanel::step(int step)
{
    const int rows = m_filter->rowCount();
    if (rows == 0)
        return;
    const QModelIndex current = m_table->currentIndex();
    const int row
        = current.isValid() ? (current.row() + step + rows) % rows : (step > 0 ? 0 : rows - 1);
    m_table->setCurrentIndex(m_filter->index(row, 0));
    m_table->scrollTo(m_table->currentIndex());
}

void FindingsPanel::showDetails()
{
    const int row = currentRow();
    if (row < 0) {
        m_details->clear();
        return;
    }
    const auto text = [this, row](int column) { return m_model->rawText(row, column); };
    QString location = text(FindingsModel::FileColumn);
    if (!text(FindingsModel::LineColumn).isEmpty())
        location += QLatin1Char(':') + text(FindingsModel::LineColumn);
    QString details
        = tr("Check %1 (%2)")
              .arg(text(FindingsModel::CheckColumn), text(FindingsModel::SeverityColumn))
          + QLatin1Char('\n') + location + QLatin1Char('\n');
    const struct {
        const char *label;
        int column;
    } parts[] = {
        {QT_TR_NOOP("Context:"), FindingsModel::ContextColumn},
        {QT_TR_NOOP("Source:"), FindingsModel::SourceColumn},
        {QT_TR_NOOP("Translation:"), FindingsModel::TranslationColumn},
        {QT_TR_NOOP("Finding:"), FindingsModel::FindingColumn},
    };
    for (const auto &part : parts)
        details
            += QLatin1Char('\n') + tr(part.label) + QLatin1Char('\n')
               + visibleWhitespace(text(part.column), part.column != FindingsModel::FindingColumn)
               + QLatin1Char('\n');
    m_details->setPlainText(details);
}

void FindingsPanel::activate(const QModelIndex &index)
{
    const int row = m_filter->mapToSource(index).row();
    const QString file = m_model->filePath(row);
    if (!file.isEmpty())
        emit openRequested(file, m_model->line(row));
}

void FindingsPanel::showContextMenu(const QPoint &position)
{
    const QModelIndex index = m_table->indexAt(position);
    if (!index.isValid())
        return;
    QMenu menu(this);
    fillContextMenu(menu, index.row());
    menu.exec(m_table->viewport()->mapToGlobal(position));
}

void FindingsPanel::fillContextMenu(QMenu &menu, int tableRow)
{
    const QModelIndex index = m_filter->index(tableRow, 0);
    const int row = m_filter->mapToSource(index).row();
    QString location = m_model->filePath(row);
    if (m_model->line(row) > 0)
        location += QLatin1Char(':') + QString::number(m_model->line(row));
    const auto copy = [&menu](const QString &label, const QString &text) {
        QAction *action = menu.addAction(label);
        action->setEnabled(!text.isEmpty());
        connect(action, &QAction::triggered, [text] { QApplication::clipboard()->setText(text); });
    };
    copy(tr("Copy File and Line"), location);
    copy(tr("Copy Source"), m_model->rawText(row, FindingsModel::SourceColumn));
    copy(tr("Copy Translation"), m_model->rawText(row, FindingsModel::TranslationColumn));
    menu.addSeparator();
    QAction *open = menu.addAction(tr("Open at Line"));
    open->setEnabled(!m_model->filePath(row).isEmpty());
    connect(open, &QAction::triggered, this, [this, index] { activate(index); });
}
