// SPDX-License-Identifier: GPL-3.0-or-later
// Picking the files of a page and its output folder.
#include "tonquirl.h"

#include "jobtable.h"
#include "listingorder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QStringList tonquirl::openDialog(QString initialDir, const char *Filter)
{
    QStringList files = QFileDialog::getOpenFileNames(this, QStringLiteral("Open File(s)"),
                                                      initialDir, QString::fromUtf8(Filter));
    sortForListing(files);
    return files;
}

QString tonquirl::saveDialog(QString initialDir)
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Save in Folder"), initialDir,
                                                             QFileDialog::DontConfirmOverwrite);
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

void tonquirl::openFiles(const JobPage &page)
{
    const QString startFolder = page.openEdit->text();
    const QStringList paths = openDialog(startFolder.isEmpty() ? QDir::homePath() : startFolder,
                                         page.fileFilter);
    if (!paths.isEmpty())
        listPicked(page, paths);
}

// Lists sorted paths of one folder on the page, as picked with Open: the
// folder goes into the Open field, and into an empty Save field, so that
// the output goes next to the input until the user chooses otherwise.
void tonquirl::listPicked(const JobPage &page, const QStringList &paths)
{
    const QString first = paths.first();
    const QString folder = first.left(first.size() - QFileInfo(first).fileName().size());
    page.openEdit->setText(folder);
    if (page.saveEdit && page.saveEdit->text().isEmpty())
        page.saveEdit->setText(folder);

    QStringList names;
    names.reserve(paths.size());
    for (const QString &path : paths)
        names << path.mid(folder.size());
    listFiles(page.table, names);

    page.startButton->setEnabled(true);
    page.progressBar->setValue(0);
}

// Each page's suffix of files named on the command line or dropped, by tab index.
QStringList tonquirl::openWithSuffixes() const
{
    QStringList suffixes;
    for (JobKind kind : {Extract, Normalize, Encode, Decode})
        suffixes << QString::fromLatin1(cycle.page(kind).openWithSuffix);
    return suffixes;
}

void tonquirl::listFilesNamed(const QStringList &paths)
{
    const FilesForPages sorted = sortOutFiles(paths, openWithSuffixes());

    QStringList leftOut;
    const auto leaveOut = [&leftOut](const QString &path, const QString &why) {
        leftOut << path.toHtmlEscaped() + QStringLiteral(" (") + why + QLatin1Char(')');
    };
    for (const FilesForPages::LeftOut &file : sorted.leftOut) {
        leaveOut(file.path, file.reason == FilesForPages::UnknownType ? tr("keine flv-, wav- oder mp3-Datei")
                            : file.reason == FilesForPages::Missing   ? tr("nicht gefunden")
                                                                      : tr("anderer Ordner als die übrigen"));
    }
    for (int kind = 0; kind < sorted.pages.size(); ++kind) {
        if (sorted.pages[kind].isEmpty())
            continue;
        if (tabWidget->isTabEnabled(kind))
            listPicked(cycle.page(JobKind(kind)), sorted.pages[kind]);
        else
            for (const QString &path : sorted.pages[kind])
                leaveOut(path, tr("Seite abgeschaltet"));
    }
    if (sorted.lastPage >= 0 && tabWidget->isTabEnabled(sorted.lastPage))
        tabWidget->setCurrentIndex(sorted.lastPage);
    if (!leftOut.isEmpty())
        QMessageBox::warning(this, QStringLiteral("tonquirl"),
                             tr("<b>Nicht aufgenommen:</b><br><br>") + leftOut.join(QStringLiteral("<br>")));
}

void tonquirl::chooseOutputFolder(QLineEdit *folderEdit)
{
    const QString startFolder = folderEdit->text();
    const QString folder = saveDialog(startFolder.isEmpty() ? QDir::homePath() : startFolder);
    if (!folder.isEmpty())
        folderEdit->setText(folder);
}

void tonquirl::flvOpen() { openFiles(cycle.page(Extract)); }
void tonquirl::normOpen() { openFiles(cycle.page(Normalize)); }
void tonquirl::wavOpen() { openFiles(cycle.page(Encode)); }
void tonquirl::mpOpen() { openFiles(cycle.page(Decode)); }

void tonquirl::flvSave() { chooseOutputFolder(flvSaveLineEdit); }
void tonquirl::wavSave() { chooseOutputFolder(wavSaveLineEdit); }
void tonquirl::mpSave() { chooseOutputFolder(mpSaveLineEdit); }
