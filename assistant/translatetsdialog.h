#pragma once
// The translate assistant: exports the sources of a .ts file for an outside
// translation and merges the translations back into a copy of the file.

#include <QDialog>

class QCheckBox;
class QCloseEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TranslateTsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TranslateTsDialog(QWidget *parent = nullptr);

public slots:
    void selectFile();
    void exportTranslations();
    void mergeTranslation();

protected:
    // Every close runs the merge first.
    void closeEvent(QCloseEvent *event) override;
    // The path of the .ts file to export; empty when the user cancels.
    virtual QString askForTsFile();

private:
    void showMessages(const QString &messages);

    QPushButton *m_selectFileButton;
    QCheckBox *m_keepUnfinishedCheckBox;
    QPushButton *m_mergeButton;
    QLineEdit *m_fileLineEdit;
    QPlainTextEdit *m_messageBox;
    QPlainTextEdit *m_sourceBox;
    QPlainTextEdit *m_translationBox;
    QPushButton *m_closeButton;
};
