#pragma once

#include "modal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

// What a chooser was opened with, as the user would have seen it.
struct ChooserSeen {
    QString startFolder;
    QStringList nameFilters;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QString caption;
};

// The chooser behind a modal window, with what it showed noted in `seen`;
// null (and the window closed) when the window is no chooser.
inline QFileDialog *chooserShown(QWidget *modal, ChooserSeen *seen)
{
    auto *chooser = qobject_cast<QFileDialog *>(modal);
    if (!chooser)
        modal->close();
    else if (seen)
        *seen = {chooser->directory().absolutePath(), chooser->nameFilters(), chooser->fileMode(),
                 chooser->windowTitle()};
    return chooser;
}

// Picks `names` in `folder` in the next file chooser, the way a user selects
// them in its list (names with quotes cannot be typed as a list); no names:
// the user cancels.
inline std::function<void(QWidget *)> pickFiles(const QString &folder, const QStringList &names,
                                               ChooserSeen *seen = nullptr)
{
    return [folder, names, seen](QWidget *modal) {
        QFileDialog *chooser = chooserShown(modal, seen);
        if (!chooser)
            return;
        if (names.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->setDirectory(folder);
        auto *model = chooser->findChild<QFileSystemModel *>();
        auto *list = chooser->findChild<QListView *>(QStringLiteral("listView"));
        model->setNameFilters({});  // every file selectable, whatever the filter
        // As after clicks in the list: the name field must not re-read the selection
        // from its own text, which cannot quote a name holding '"'.
        const QSignalBlocker quietNameField(chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")));
        list->selectionModel()->clear();
        for (const QString &name : names) {
            const QModelIndex file = model->index(QDir(folder).filePath(name));
            if (!file.isValid())
                qWarning("the chooser does not list %s", qPrintable(name));
            list->selectionModel()->select(file, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        static_cast<QDialog *>(chooser)->accept();  // the chooser's own accept, public in QDialog
    };
}

// Chooses `folder` in the next folder chooser; an empty folder: the user cancels.
inline std::function<void(QWidget *)> pickFolder(const QString &folder, ChooserSeen *seen = nullptr)
{
    return [folder, seen](QWidget *modal) {
        QFileDialog *chooser = chooserShown(modal, seen);
        if (!chooser)
            return;
        if (folder.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->setDirectory(folder);
        static_cast<QDialog *>(chooser)->accept();  // the chooser's own accept, public in QDialog
    };
}
