#include "assistant/translatetsdialog.h"

#include "assistant/exchange.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The box text as typed. toPlainText() would turn no-break spaces into blanks,
// and then such a source would no longer match its .ts text.
QString boxText(const QPlainTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

TranslateTsDialog::TranslateTsDialog(QWidget *parent)
    : QDialog(parent)
    , m_selectFileButton(new QPushButton(tr("Select File"), this))
    , m_keepUnfinishedCheckBox(new QCheckBox(tr("Keep Unfinished flag"), this))
    , m_mergeButton(new QPushButton(tr("Merge Translation"), this))
    , m_fileLineEdit(new QLineEdit(this))
    , m_messageBox(new QPlainTextEdit(this))
    , m_sourceBox(new QPlainTextEdit(this))
    , m_translationBox(new QPlainTextEdit(this))
    , m_closeButton(new QPushButton(tr("Close"), this))
{
    setWindowTitle(tr("KVN - Translate ts"));
    m_selectFileButton->setObjectName(QStringLiteral("selectFileButton"));
    m_keepUnfinishedCheckBox->setObjectName(QStringLiteral("keepUnfinishedCheckBox"));
    m_mergeButton->setObjectName(QStringLiteral("mergeButton"));
    m_fileLineEdit->setObjectName(QStringLiteral("fileLineEdit"));
    m_messageBox->setObjectName(QStringLiteral("messageBox"));
    m_sourceBox->setObjectName(QStringLiteral("sourceBox"));
    m_translationBox->setObjectName(QStringLiteral("translationBox"));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));

    m_keepUnfinishedCheckBox->setChecked(true);
    m_fileLineEdit->setEnabled(false);

    auto *topRow = new QHBoxLayout;
    topRow->addWidget(m_selectFileButton);
    topRow->addStretch();
    topRow->addWidget(m_keepUnfinishedCheckBox);
    topRow->addStretch();
    topRow->addWidget(m_mergeButton);
    // Each box under its label, which names it for the keyboard and screen readers too.
    const auto labelled = [this](QPlainTextEdit *box, const QString &text) {
        auto *label = new QLabel(text, this);
        label->setBuddy(box);
        auto *column = new QVBoxLayout;
        column->addWidget(label);
        column->addWidget(box);
        return column;
    };
    auto *boxRow = new QHBoxLayout;
    boxRow->addLayout(labelled(m_sourceBox, tr("&Sources for translation:")), 1);
    boxRow->addLayout(labelled(m_translationBox, tr("&Translations to merge:")), 1);
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addStretch();
    bottomRow->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(m_fileLineEdit);
    layout->addLayout(labelled(m_messageBox, tr("&Messages:")));
    layout->addLayout(boxRow);
    layout->addLayout(bottomRow);
    // At most most of the screen.
    resize(QSize(900, 700).boundedTo(screen()->availableGeometry().size() * 0.9));

    connect(m_selectFileButton, &QPushButton::clicked, this, &TranslateTsDialog::selectFile);
    connect(m_mergeButton, &QPushButton::clicked, this, &TranslateTsDialog::mergeTranslation);
    connect(m_closeButton, &QPushButton::clicked, this, &TranslateTsDialog::close);
}

void TranslateTsDialog::selectFile()
{
    m_messageBox->clear();
    const QString path = askForTsFile();
    const exchange::Outcome outcome = exchange::exportSources(path);
    if (outcome.fileOpened)
        m_fileLineEdit->setText(path);
    if (outcome.boxesCleared) {
        m_sourceBox->setPlainText(outcome.sourceBoxText);
        m_translationBox->clear();
    }
    showMessages(outcome.messages);
}

void TranslateTsDialog::exportTranslations()
{
    showMessages(
        exchange::exportTranslations(m_fileLineEdit->text(), boxText(m_messageBox)).messages);
}

void TranslateTsDialog::mergeTranslation()
{
    m_messageBox->clear();
    showMessages(exchange::mergeTranslation(m_fileLineEdit->text(), boxText(m_sourceBox),
                                            boxText(m_translationBox),
                                            m_keepUnfinishedCheckBox->isChecked())
                     .messages);
}

void TranslateTsDialog::closeEvent(QCloseEvent *event)
{
    mergeTranslation();
    QDialog::closeEvent(event);
}

QString TranslateTsDialog::askForTsFile()
{
    return QFileDialog::getOpenFileName(this, tr("Open File"), QString(), QStringLiteral("*.ts"));
}

void TranslateTsDialog::showMessages(const QString &messages)
{
    m_messageBox->setPlainText(messages);
    m_messageBox->moveCursor(QTextCursor::End);
}
