// The check panel: the top row, the 50 tabs built from the check catalogue and
// the table of extra controls below, and the welcome text of tab ST0.

#include "app/mainwindow.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "model/charactertables.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The document of the HTML views loads nothing: an image or style sheet named in
// a report would otherwise be read from the file system (a device or a FIFO
// blocks the window) or fetched.
class InertDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl &) override { return QVariant(); }
};

// Where an extra control goes relative to the row of its check box.
enum class Place {
    OnRow, // on the check's own row, after the box
    RowBefore, // starts a row of its own above the check's row
    RowAfter, // starts a row of its own below the check's row
    Continue // continues the row the previous entry started
};

enum class Control { Spin, DoubleSpin, LineEdit, Option, Label, Spacing, Stretch };

struct PanelExtra {
    int check;
    Place place;
    Control control;
    const char *key; // settings key and object name; null for labels, spacings and stretches
    const char *text; // text of an option box or a label (context "MainWindow")
};

const int OptionSpacing = 25;

// clang-format off
const char *const FormatHtml = QT_TRANSLATE_NOOP("MainWindow", "Format the results with html.");
const char *const DontTrim = QT_TRANSLATE_NOOP("MainWindow", "Don't trim");
const char *const DisallowNumbers = QT_TRANSLATE_NOOP("MainWindow", "Disallow numbers");
const char *const DisallowTimes = QT_TRANSLATE_NOOP("MainWindow", "Disallow times");
const char *const DisallowEllipsis = QT_TRANSLATE_NOOP("MainWindow", "Disallow Ellipsis (...)");
const char *const SplitSentences = QT_TRANSLATE_NOOP("MainWindow", "Split into two sentences if there is a line feed");
const char *const CaseInsensitive = QT_TRANSLATE_NOOP("MainWindow", "Case-Insensitive");
const char *const CaseSensitive = QT_TRANSLATE_NOOP("MainWindow", "Case-Sensitive");
const char *const SkipNumbers = QT_TRANSLATE_NOOP("MainWindow", "Skip numbers");
const char *const NoArrow = QT_TRANSLATE_NOOP("MainWindow", "Don't allow '->'");
const char *const NoComparison = QT_TRANSLATE_NOOP("MainWindow", "Don't allow ' < ', ' > ', ' <=' and ' >='");
const char *const HtmlSubset = QT_TRANSLATE_NOOP("MainWindow", "Qt html subset only");
const char *const StrictXml = QT_TRANSLATE_NOOP("MainWindow", "Strict xml");
const char *const CssSubset = QT_TRANSLATE_NOOP("MainWindow", "Qt css subset only");
const char *const SpellChecker = QT_TRANSLATE_NOOP("MainWindow", "Maybe copy and paste this list into LibreOffice Writer, Microsoft Word, Google Docs, Apple Pages or another software with a grammar and spell checker.");
const char *const AffectedByS15 = QT_TRANSLATE_NOOP("MainWindow", "This check will be affected by settings from check S15.1. Add more separator characters and trim in check S15.1 to get less words there, but more hits here.");
const char *const AffectedByT15 = QT_TRANSLATE_NOOP("MainWindow", "This check will be affected by settings from check T15.1. Add more separator characters and trim in check T15.1 to get less words there, but more hits here.");
const char *const DisallowListings = QT_TRANSLATE_NOOP("MainWindow", "Disallow listings with a Punctuation_Close at the beginning");
const char *const LetMeKnow = QT_TRANSLATE_NOOP("MainWindow", "Please let me know if there are (too many) wrong warnings. I want to improve the test.");

// The controls of the panel besides the check boxes of the catalogue, in row order.
const PanelExtra Extras[] = {
    {CheckS1_2, Place::OnRow, Control::Spin, "checkS1_2SpinBox", nullptr},
    {CheckS1_3, Place::OnRow, Control::Spin, "checkS1_3SpinBox", nullptr},
    {CheckT1_2, Place::OnRow, Control::Spin, "checkT1_2SpinBox", nullptr},
    {CheckT1_3, Place::OnRow, Control::Spin, "checkT1_3SpinBox", nullptr},
    {CheckS3_4, Place::OnRow, Control::LineEdit, "checkS3_4LineEdit", nullptr},
    {CheckT3_4, Place::OnRow, Control::LineEdit, "checkT3_4LineEdit", nullptr},
    {CheckS4_4, Place::OnRow, Control::LineEdit, "checkS4_4LineEdit", nullptr},
    {CheckT4_4, Place::OnRow, Control::LineEdit, "checkT4_4LineEdit", nullptr},

    {CheckS5_3, Place::RowAfter, Control::Spacing, nullptr, nullptr},
    {CheckS5_3, Place::Continue, Control::Option, "checkS5_3_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Include the characters < and > in Check S5.3")},
    {CheckS5_3, Place::Continue, Control::Spacing, nullptr, nullptr},
    {CheckS5_3, Place::Continue, Control::Option, "checkS5_3_2CheckBox", DisallowListings},
    {CheckS5_3, Place::Continue, Control::Stretch, nullptr, nullptr},
    {CheckT5_3, Place::RowAfter, Control::Spacing, nullptr, nullptr},
    {CheckT5_3, Place::Continue, Control::Option, "checkT5_3_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Include the characters < and > in Check T5.3")},
    {CheckT5_3, Place::Continue, Control::Spacing, nullptr, nullptr},
    {CheckT5_3, Place::Continue, Control::Option, "checkT5_3_2CheckBox", DisallowListings},
    {CheckT5_3, Place::Continue, Control::Spacing, nullptr, nullptr},
    {CheckT5_3, Place::Continue, Control::Option, "checkT5_3_3CheckBox", QT_TRANSLATE_NOOP("MainWindow", "\u00BB and \u00AB as a pair where the language quotes \u00BBso\u00AB")},
    {CheckT5_3, Place::Continue, Control::Stretch, nullptr, nullptr},

    {CheckS6_1, Place::OnRow, Control::Option, "checkS6_1_1CheckBox", DisallowNumbers},
    {CheckS6_2, Place::OnRow, Control::Option, "checkS6_2_1CheckBox", DisallowNumbers},
    {CheckS6_4, Place::OnRow, Control::Option, "checkS6_4_1CheckBox", DisallowTimes},
    {CheckT6_1, Place::OnRow, Control::Option, "checkT6_1_1CheckBox", DisallowNumbers},
    {CheckT6_2, Place::OnRow, Control::Option, "checkT6_2_1CheckBox", DisallowNumbers},
    {CheckT6_4, Place::OnRow, Control::Option, "checkT6_4_1CheckBox", DisallowTimes},
    {CheckS7_2, Place::OnRow, Control::Option, "checkS7_2_1CheckBox", DisallowEllipsis},
    {CheckT7_2, Place::OnRow, Control::Option, "checkT7_2_1CheckBox", DisallowEllipsis},
    {CheckS8_3, Place::OnRow, Control::Option, "checkS8_3_1CheckBox", DisallowEllipsis},
    {CheckS8_4, Place::OnRow, Control::LineEdit, "checkS8_4LineEdit", nullptr},
    {CheckT8_3, Place::OnRow, Control::Option, "checkT8_3_1CheckBox", DisallowEllipsis},
    {CheckT8_4, Place::OnRow, Control::LineEdit, "checkT8_4LineEdit", nullptr},
    {CheckS10_1, Place::OnRow, Control::Option, "checkS10_1_1CheckBox", SplitSentences},
    {CheckT10_1, Place::OnRow, Control::Option, "checkT10_1_1CheckBox", SplitSentences},
    {CheckT10_1, Place::OnRow, Control::Option, "checkT10_1_2CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Skip placeholders, tags, abbreviations and letters without case")},

    {CheckS11_1, Place::RowAfter, Control::Label, nullptr, AffectedByS15},
    {CheckS11_1, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckT11_1, Place::RowAfter, Control::Label, nullptr, AffectedByT15},
    {CheckT11_1, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckS12_3, Place::RowAfter, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "These checks will be affected by settings from check S15.1. Add more separator characters and trim in check S15.1 to get less words there, but more hits here.")},
    {CheckS12_3, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckT12_3, Place::RowAfter, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "These checks will be affected by settings from check T15.1. Add more separator characters and trim in check T15.1 to get less words there, but more hits here.")},
    {CheckT12_3, Place::RowAfter, Control::Label, nullptr, SpellChecker},

    {CheckS13_1, Place::OnRow, Control::Option, "checkS13_1_1CheckBox", CaseInsensitive},
    {CheckS13_1, Place::OnRow, Control::Option, "checkS13_1_2CheckBox", SkipNumbers},
    {CheckS13_1, Place::RowAfter, Control::Label, nullptr, AffectedByS15},
    {CheckT13_1, Place::OnRow, Control::Option, "checkT13_1_1CheckBox", CaseInsensitive},
    {CheckT13_1, Place::OnRow, Control::Option, "checkT13_1_2CheckBox", SkipNumbers},
    {CheckT13_1, Place::RowAfter, Control::Label, nullptr, AffectedByT15},

    {CheckS14_1, Place::RowBefore, Control::Option, "checkS14CheckBox", FormatHtml},
    {CheckT14_1, Place::RowBefore, Control::Option, "checkT14CheckBox", FormatHtml},

    {CheckS15_1, Place::OnRow, Control::LineEdit, "checkS15_1LineEdit", nullptr},
    {CheckS15_1, Place::OnRow, Control::Option, "checkS15_1_1CheckBox", DontTrim},
    {CheckS15_1, Place::OnRow, Control::Stretch, nullptr, nullptr},
    {CheckS15_1, Place::RowAfter, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "This settings will also affect checks S11 to S13. Add more separator characters and trim to get less words there, but more hits in the other checks.")},
    {CheckS15_1, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckT15_1, Place::OnRow, Control::LineEdit, "checkT15_1LineEdit", nullptr},
    {CheckT15_1, Place::OnRow, Control::Option, "checkT15_1_1CheckBox", DontTrim},
    {CheckT15_1, Place::OnRow, Control::Stretch, nullptr, nullptr},
    {CheckT15_1, Place::RowAfter, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "This settings will also affect check T11 to T13. Add more separator characters and trim to get less words there, but more hits in the other checks.")},
    {CheckT15_1, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckS16_1, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckT16_1, Place::RowAfter, Control::Label, nullptr, SpellChecker},
    {CheckS20_2, Place::RowAfter, Control::Label, nullptr, LetMeKnow},
    {CheckT20_2, Place::RowAfter, Control::Label, nullptr, LetMeKnow},

    {CheckS21_1, Place::OnRow, Control::Option, "checkS21_1_1CheckBox", NoArrow},
    {CheckS21_1, Place::OnRow, Control::Option, "checkS21_1_2CheckBox", NoComparison},
    {CheckS21_2, Place::OnRow, Control::Option, "checkS21_2_1CheckBox", HtmlSubset},
    {CheckS21_2, Place::OnRow, Control::Option, "checkS21_2_2CheckBox", StrictXml},
    {CheckS21_3, Place::OnRow, Control::Option, "checkS21_3_1CheckBox", HtmlSubset},
    {CheckS21_3, Place::OnRow, Control::Option, "checkS21_3_2CheckBox", CssSubset},
    {CheckT21_1, Place::OnRow, Control::Option, "checkT21_1_1CheckBox", NoArrow},
    {CheckT21_1, Place::OnRow, Control::Option, "checkT21_1_2CheckBox", NoComparison},
    {CheckT21_2, Place::OnRow, Control::Option, "checkT21_2_1CheckBox", HtmlSubset},
    {CheckT21_2, Place::OnRow, Control::Option, "checkT21_2_2CheckBox", StrictXml},
    {CheckT21_3, Place::OnRow, Control::Option, "checkT21_3_1CheckBox", HtmlSubset},
    {CheckT21_3, Place::OnRow, Control::Option, "checkT21_3_2CheckBox", CssSubset},

    {CheckST1_1, Place::RowBefore, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Checks ST1 warn if the source length to translation length ratio is too small or too large.")},
    {CheckST1_1, Place::RowBefore, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "To reduce the number of false positive warnings the limits can be set 2 times. For source strings with less than x characters and for the other stings.")},
    {CheckST1_1, Place::RowBefore, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Set the number x for the number of source characters in this spin box:")},
    {CheckST1_1, Place::Continue, Control::Spin, "checkST1SpinBox", nullptr},
    {CheckST1_1, Place::Continue, Control::Stretch, nullptr, nullptr},
    {CheckST1_1, Place::OnRow, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Warn if the ratio (with source < x) is lower than:")},
    {CheckST1_1, Place::OnRow, Control::DoubleSpin, "checkST1_1LowDSpinBox", nullptr},
    {CheckST1_1, Place::OnRow, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Warn if the ratio (with source < x) is greater than:")},
    {CheckST1_1, Place::OnRow, Control::DoubleSpin, "checkST1_1HighSpinBox", nullptr},
    {CheckST1_1, Place::OnRow, Control::Stretch, nullptr, nullptr},
    {CheckST1_2, Place::OnRow, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Warn if the ratio (with source >= x) is lower than:")},
    {CheckST1_2, Place::OnRow, Control::DoubleSpin, "checkST1_2LowDSpinBox", nullptr},
    {CheckST1_2, Place::OnRow, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Warn if the ratio (with source >= x) is greater than:")},
    {CheckST1_2, Place::OnRow, Control::DoubleSpin, "checkST1_2HighSpinBox", nullptr},
    {CheckST1_2, Place::OnRow, Control::Stretch, nullptr, nullptr},
    {CheckST1_2, Place::RowAfter, Control::Option, "checkST1ScriptCheckBox", QT_TRANSLATE_NOOP("MainWindow", "Other limits for translations in Han, Hiragana, Katakana or Hangul, lower:")},
    {CheckST1_2, Place::Continue, Control::DoubleSpin, "checkST1ScriptLowDSpinBox", nullptr},
    {CheckST1_2, Place::Continue, Control::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "greater:")},
    {CheckST1_2, Place::Continue, Control::DoubleSpin, "checkST1ScriptHighSpinBox", nullptr},
    {CheckST1_2, Place::Continue, Control::Stretch, nullptr, nullptr},
    {CheckST3_3, Place::OnRow, Control::Option, "checkST3_3_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Quotes and brackets may move to the other end (also ST3.4, ST4.3, ST4.4)")},
    {CheckST5_2, Place::OnRow, Control::Option, "checkST5_2_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Brackets only, quotes and accelerator suffixes ignored")},
    {CheckST6_1, Place::RowBefore, Control::Option, "checkST6MarksCheckBox", QT_TRANSLATE_NOOP("MainWindow", "ASCII, full-width and native marks as one class (. \u3002, : \uFF1A, ? \uFF1F, ... \u2026), also in ST4.4, ST7.1 and T6.2")},
    {CheckST7_2, Place::OnRow, Control::LineEdit, "checkST7_2LineEdit", nullptr},
    {CheckST8_1, Place::OnRow, Control::Option, "checkST8_1_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Numbers normalised: digits of every script, both decimal separators, no placeholders, numbers only the translation adds not reported (also ST8.2 to ST8.4)")},
    {CheckST9_1, Place::OnRow, Control::Option, "checkST9_1_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Accelerators by file kind (\"_\" in .po files; a doubled ampersand is literal)")},

    {CheckST9_2, Place::OnRow, Control::Option, "checkST9_2_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Disallow duplicates")},
    {CheckST9_2, Place::OnRow, Control::Option, "checkST9_2_2CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Read %L1 and %1$s, not printf widths (also ST9.3)")},
    {CheckST10_1, Place::OnRow, Control::Option, "checkST10_1_1CheckBox", CaseSensitive},
    {CheckST10_1, Place::OnRow, Control::Option, "checkST10_1_2CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Compare like numerus forms only (also ST11.1)")},
    {CheckST11_1, Place::OnRow, Control::Option, "checkST11_1_1CheckBox", CaseSensitive},
    {CheckST20_2, Place::RowAfter, Control::Option, "checkST20_2_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Detect ~.")},
    {CheckST20_2, Place::Continue, Control::Option, "checkST20_2_2CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Detect :.")},
    {CheckST20_2, Place::Continue, Control::Option, "checkST20_2_3CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Detect [].")},
    {CheckST20_2, Place::Continue, Control::Option, "checkST20_2_4CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Detect also single dot.")},
    {CheckST20_2, Place::Continue, Control::Option, "checkST20_2_5CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Detect also single slash.")},
    {CheckST20_2, Place::Continue, Control::Option, "checkST20_2_6CheckBox", DontTrim},
    {CheckST20_1, Place::OnRow, Control::Option, "checkST20_1_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Skip translator credits and <user@host> contact lines")},
    {CheckST21_1, Place::OnRow, Control::Option, "checkST21_1_1CheckBox", QT_TRANSLATE_NOOP("MainWindow", "Only names of HTML elements make tags; <empty> and <%1> are text (also S21 and T21)")},
    {CheckST22_5, Place::OnRow, Control::LineEdit, "checkST22_5LineEdit", nullptr},
};
// clang-format on

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

const SettingInfo &infoOf(const char *key)
{
    const int index = settingIndex(QLatin1String(key));
    Q_ASSERT(index >= 0);
    return settingInfos().at(index);
}

QWidget *createControl(const PanelExtra &extra, QWidget *parent)
{
    QWidget *widget = nullptr;
    switch (extra.control) {
    case Control::Spin: {
        auto *spin = new QSpinBox(parent);
        const SettingInfo &info = infoOf(extra.key);
        spin->setRange(int(info.low), int(info.high));
        widget = spin;
        break;
    }
    case Control::DoubleSpin: {
        auto *spin = new QDoubleSpinBox(parent);
        const SettingInfo &info = infoOf(extra.key);
        spin->setDecimals(2);
        spin->setSingleStep(0.05);
        spin->setRange(info.low, info.high);
        widget = spin;
        break;
    }
    case Control::LineEdit: {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(int(infoOf(extra.key).high));
        widget = edit;
        break;
    }
    case Control::Option:
        widget = new QCheckBox(translated(extra.text), parent);
        break;
    case Control::Label: {
        // Notes wrap, so that longer translations do not widen the window.
        auto *label = new QLabel(translated(extra.text), parent);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case Control::Spacing:
    case Control::Stretch:
        return nullptr;
    }
    // Number and character fields keep their natural width; the descriptions
    // take the rest of the row, so the fields line up at the row's end.
    if (extra.control != Control::Option && extra.control != Control::Label)
        widget->setSizePolicy(QSizePolicy::Fixed, widget->sizePolicy().verticalPolicy());
    if (extra.key)
        widget->setObjectName(QLatin1String(extra.key));
    return widget;
}

// The control of an option the table above does not place: on the check's row,
// of the kind its setting asks for.
PanelExtra defaultExtra(int check, const QString &key)
{
    static const QByteArrayList keys = [] {
        QByteArrayList names;
        for (int i = 0; i < CheckCount; ++i)
            for (const QString &option : checkOptionKeys(i))
                names.append(option.toLatin1());
        return names;
    }();
    const QByteArray &name = keys.at(keys.indexOf(key.toLatin1()));
    Control control = Control::Option;
    switch (infoOf(name.constData()).kind) {
    case SettingKind::Int:
        control = Control::Spin;
        break;
    case SettingKind::Float:
        control = Control::DoubleSpin;
        break;
    case SettingKind::String:
        control = Control::LineEdit;
        break;
    default:
        break;
    }
    return {check, Place::OnRow, control, name.constData(), nullptr};
}

void addExtra(QHBoxLayout *row, const PanelExtra &extra, QWidget *parent)
{
    if (extra.control == Control::Spacing)
        row->addSpacing(OptionSpacing);
    else if (extra.control == Control::Stretch)
        row->addStretch();
    else
        row->addWidget(createControl(extra, parent));
}

// The widgets of a layout that take focus by Tab, in the order they are laid out.
void collectFocusable(const QLayout *layout, QList<QWidget *> &widgets)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (const QLayout *inner = item->layout())
            collectFocusable(inner, widgets);
        else if (QWidget *widget = item->widget(); widget && (widget->focusPolicy() & Qt::TabFocus))
            widgets.append(widget);
    }
}

// Tab follows the rows as they are seen, each row from its check box on, and
// ends at `last`; the creation order would put a row's own controls before its box.
void chainTabOrder(const QLayout *layout, QWidget *last)
{
    QList<QWidget *> widgets;
    collectFocusable(layout, widgets);
    widgets.append(last);
    for (int i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

// The controls of a tab: as tall as they need, and scrolled sideways when the
// window is narrower than their longest row, so that a small screen still
// reaches every control.
class PanelArea : public QScrollArea
{
public:
    explicit PanelArea(QWidget *parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        // The tab's own background shows through.
        viewport()->setAutoFillBackground(false);
    }

    QSize sizeHint() const override
    {
        return QSize(widget() ? widget()->sizeHint().width() : 0, neededHeight());
    }
    QSize minimumSizeHint() const override { return QSize(0, neededHeight()); }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        // The sideways scroll bar comes and goes with the width.
        if (neededHeight() != height())
            updateGeometry();
    }

private:
    int neededHeight() const
    {
        if (!widget())
            return 0;
        int height = widget()->sizeHint().height() + 2 * frameWidth();
        if (widget()->minimumSizeHint().width() > width())
            height += horizontalScrollBar()->sizeHint().height();
        return height;
    }
};

} // namespace

QWidget *MainWindow::createTopRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_openFileButton = new QPushButton(tr("Open File"), row);
    m_openFilteredButton = new QPushButton(tr("Open Directory (Filtered by file name)"), row);
    m_openAllButton = new QPushButton(tr("Open Directory (All files)"), row);
    m_runButton = new QPushButton(tr("Run Checks"), row);
    m_textWrapBox = new QCheckBox(tr("Text Wrap Mode"), row);
    m_textWrapBox->setObjectName(QStringLiteral("textWrapModeCheckBox"));
    m_printLocationBox = new QCheckBox(tr("Print Location"), row);
    m_printLocationBox->setObjectName(QStringLiteral("printLocationCheckBox"));
    layout->addWidget(m_openFileButton);
    layout->addWidget(m_openFilteredButton);
    layout->addWidget(m_openAllButton);
    layout->addStretch();
    layout->addWidget(m_runButton);
    layout->addStretch();
    layout->addWidget(m_textWrapBox);
    layout->addWidget(m_printLocationBox);
    return row;
}

void MainWindow::createPanel()
{
    m_tabs = new QTabWidget;
    m_tabs->setUsesScrollButtons(true);
    for (const QString &tab : tabNames())
        m_tabs->addTab(createTab(tab), tr(tab.toUtf8().constData()));
}

QWidget *MainWindow::createTab(const QString &tab)
{
    auto *page = new QWidget;
    auto *pageLayout = new QVBoxLayout(page);
    auto *area = new PanelArea(page);
    auto *controls = new QWidget(area);
    auto *layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);

    for (const int check : checksOfTab(tab)) {
        const CheckInfo &info = checkInfo(check);
        QList<QHBoxLayout *> rowsBefore, rowsAfter;
        auto *checkRow = new QHBoxLayout;
        QHBoxLayout *current = nullptr;
        QStringList unplaced = checkOptionKeys(check);
        for (const PanelExtra &extra : Extras) {
            if (extra.check != check)
                continue;
            // Every option control of the table belongs to its check's catalogue row.
            Q_ASSERT(!extra.key || unplaced.contains(QLatin1String(extra.key)));
            if (extra.key)
                unplaced.removeOne(QLatin1String(extra.key));
            switch (extra.place) {
            case Place::OnRow:
                current = checkRow;
                break;
            case Place::RowBefore:
                current = new QHBoxLayout;
                rowsBefore.append(current);
                break;
            case Place::RowAfter:
                current = new QHBoxLayout;
                rowsAfter.append(current);
                break;
            case Place::Continue:
                Q_ASSERT(current);
                break;
            }
            addExtra(current, extra, controls);
        }
        for (const QString &key : std::as_const(unplaced))
            addExtra(checkRow, defaultExtra(check, key), controls);

        auto *box = new QCheckBox(translated(info.description), controls);
        box->setToolTip(checkHelp(check));
        if (info.box == BoxKind::Fixed) {
            box->setChecked(true);
            box->setEnabled(false);
        } else {
            box->setObjectName(QLatin1String(info.key));
            box->setTristate(info.box == BoxKind::TriState);
            m_checkBoxes.insert(check, box);
        }
        checkRow->insertWidget(0, box);

        for (QHBoxLayout *row : rowsBefore)
            layout->addLayout(row);
        layout->addLayout(checkRow);
        for (QHBoxLayout *row : rowsAfter)
            layout->addLayout(row);
    }

    QWidget *view;
    if (tab == QLatin1String("S14") || tab == QLatin1String("T14")) {
        auto *edit = new QTextEdit(page);
        edit->setDocument(new InertDocument(edit));
        edit->setReadOnly(true);
        view = edit;
    } else {
        auto *edit = new QPlainTextEdit(page);
        edit->setReadOnly(true);
        view = edit;
    }
    view->setObjectName(QLatin1String("resultsView") + tab);
    area->setWidget(controls);
    controls->setAutoFillBackground(false);
    pageLayout->addWidget(area);
    pageLayout->addWidget(view, 1);
    m_views.append(view);
    chainTabOrder(layout, view);
    return page;
}

QString MainWindow::welcomeText() const
{
    QString text;
    text += tr("Welcome to Korvane (KVN)") + QLatin1String("\n\n");
    text += tr("This software is designed to locate bugs in the source and the translation.")
            + QLatin1Char('\n');
    text += tr("It supports .ts files from Qt and .po files.") + QLatin1String("\n\n");
    text += tr("KVN checks the sources (S) and the translations (T). Some checks compare the "
               "source with the translation (ST).")
            + QLatin1Char('\n');
    text += tr("The ST checks are not only useful for translators. Some of them are also useful "
               "for the source code developer.")
            + QLatin1Char('\n');
    text += tr("There might be a lot of false positive warnings.") + QLatin1Char('\n');
    text += tr("Some checks have optional check boxes or spin boxes to reduce the number of false "
               "positive warnings.")
            + QLatin1Char('\n');
    text += tr("Checked check boxes will always do more checks.") + QLatin1Char(' ')
            + tr("Several check boxes for the translation checks (T) are tristated. If a checkbox "
                 "is "
                 "partially checked (on most systems this is a full square), then the translation "
                 "won't be checked if the source failed the same check number.")
            + QLatin1Char('\n');
    text += tr("So if check T5.3 is partially checked then it skip the warning if S5.3 failed. "
               "Note that S5.3 uses its own optional check boxes, not the optional check boxes "
               "from T5.3.")
            + QLatin1Char('\n');
    text += tr("Using the optional check boxes and spin boxes from the source checks can also "
               "reduce false positives from the translation checks.")
            + QLatin1String("\n\n\n");
    text += tr("Please let me know if the are too many false positives or missing checks.")
            + QLatin1String("\n\n\n");

    const struct {
        QChar::Category category;
        const char *heading;
    } listings[] = {
        {QChar::Punctuation_Open,
         QT_TRANSLATE_NOOP("MainWindow", "Which characters are 'Punctuation_Open'?")},
        {QChar::Punctuation_InitialQuote,
         QT_TRANSLATE_NOOP("MainWindow", "Which characters are 'Punctuation_InitialQuote'?")},
        {QChar::Punctuation_Close,
         QT_TRANSLATE_NOOP("MainWindow", "Which characters are 'Punctuation_Close'?")},
        {QChar::Punctuation_FinalQuote,
         QT_TRANSLATE_NOOP("MainWindow", "Which characters are 'Punctuation_FinalQuote'?")},
    };
    for (const auto &listing : listings) {
        text += translated(listing.heading) + QLatin1Char('\n');
        for (int code = 0x0001; code <= 0xFFFF; ++code) {
            const QChar c {char16_t(code)};
            if (c.category() != listing.category)
                continue;
            text += c;
            text += QLatin1Char(' ');
        }
        text += QLatin1String("\n\n");
    }

    text += tr("Which characters are 'opening character'?") + QLatin1Char('\n')
            + tr("All Punctuation_Open and Punctuation_InitialQuote characters.")
            + QLatin1String("\n\n\n");
    text += tr("Which characters are 'closing character'?") + QLatin1Char('\n')
            + tr("All Punctuation_Close and Punctuation_FinalQuote characters.")
            + QLatin1String("\n\n\n");
    text += tr("Which characters are used for the 'Parenthesischeck'?") + QLatin1Char('\n')
            + tr("All opening characters and closing characters that have a 'mirroredChar'.")
            + QLatin1Char('\n')
            + tr("Some of them can't be mirrored, since they are mirrored differently in other "
                 "languages.")
            + QLatin1Char('\n') + tr("I will try to improve the check by adding localized rules.")
            + QLatin1Char('\n');
    for (const auto &pair : mirroredPairs()) {
        text += pair.first;
        text += QLatin1Char(' ');
        text += pair.second;
        text += QLatin1String("  ");
    }
    return text;
}
