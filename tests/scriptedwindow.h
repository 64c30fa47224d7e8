#pragma once
// The main window for the window tests: it answers every question from its
// fields, records the message boxes and keeps the dialogs it would run.

#include "app/mainwindow.h"

#include <QDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

inline QString fixture(const char *name)
{
    return QStringLiteral(KVN_TEST_DATA "/") + QLatin1String(name);
}

// The window's settings store (the test location, never the user's).
inline QSettings settingsStore()
{
    QStandardPaths::setTestModeEnabled(true);
    return QSettings(QStringLiteral("Oskerbay"), QStringLiteral("Korvane"));
}

class ScriptedWindow : public MainWindow
{
public:
    ScriptedWindow()
        : MainWindow(0, nullptr)
    { }

    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    QList<Message> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QString fileAnswer, directoryAnswer, itemAnswer, saveAnswer, filterAnswer;
    QString logDirectoryAnswer; // the batch's folder for the logs
    QString logDirectoryOffered;
    bool itemOk = true;
    QStringList offeredItems;
    int offeredCurrent = -1;
    QString dialogText; // the text of the last message box run as a dialog

    template<typename T>
    T *control(const char *key) const
    {
        return findChild<T *>(QLatin1String(key));
    }
    QString view(int tab) { return viewPlainText(resultsView(tab)); }

protected:
    QString askOpenFileName(const QString &, const QString &) override { return fileAnswer; }
    QString askExistingDirectory(const QString &caption, const QString &start) override
    {
        if (caption == QLatin1String("Folder for the Logs")) {
            logDirectoryOffered = start;
            return logDirectoryAnswer;
        }
        return directoryAnswer;
    }
    QString askItem(const QString &, const QString &, const QStringList &items, int current, bool,
                    bool *ok) override
    {
        offeredItems = items;
        offeredCurrent = current;
        if (ok)
            *ok = itemOk;
        // As QInputDialog::getItem: cancelled, it returns the current item.
        return itemOk ? itemAnswer : items.value(current);
    }
    QString askSaveFileName(const QString &, const QStringList &filters, QString *selected) override
    {
        for (const QString &filter : filters)
            if (filter.contains(filterAnswer))
                *selected = filter;
        return saveAnswer;
    }
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons) override
    {
        messages.append({icon, title, text});
        return answer;
    }
    int execDialog(QDialog &dialog) override
    {
        if (const auto *box = qobject_cast<QMessageBox *>(&dialog))
            dialogText = box->text();
        return 0;
    }
};
