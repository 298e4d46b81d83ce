// SPDX-License-Identifier: GPL-3.0-or-later
// Picking the files of a page and its output folder.
#include "tonquirl.h"

#include "filenames.h"
#include "jobtable.h"
#include "listingorder.h"
#include "turns.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QStringList tonquirl::openDialog(QString initialDir, const char *Filter)
{
    QStringList files = QFileDialog::getOpenFileNames(this, tr("Open File(s)"), initialDir, tr(Filter));
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

namespace {

const char *const notUtf8 = QT_TRANSLATE_NOOP("tonquirl", "Name ist kein UTF-8, bitte die Datei umbenennen");

// "name (why)" for the box that names the files left out.
QString leftOutLine(const QString &path, const QString &why)
{
    return path.toHtmlEscaped() + QStringLiteral(" (") + why + QLatin1Char(')');
}

} // namespace

void tonquirl::openFiles(const JobPage &page)
{
    if (cycle.isRunning())  // a screen reader can press a button on a page behind a locked tab
        return;
    const QString startFolder = page.openEdit->text();
    QStringList paths = openDialog(startFolder.isEmpty() ? QDir::homePath() : startFolder, page.fileFilter);
    // The chooser shows a name that is not UTF-8 as text, which may be another file's name.
    QStringList leftOut;
    paths.removeIf([&](const QString &path) {
        const QByteArrayList mistaken = namesMistakenFor(path);
        for (const QByteArray &name : mistaken)
            leftOut << leftOutLine(escapedName(name), tr(notUtf8));
        return !mistaken.isEmpty();
    });
    if (!paths.isEmpty())
        listPicked(page, paths);
    showLeftOut(leftOut);
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

void tonquirl::listFilesNamed(const QByteArrayList &paths)
{
    const FilesForPages sorted = sortOutFiles(paths, openWithSuffixes(), letTheWindowAnswer);

    const char *why[] = {QT_TR_NOOP("keine flv-, wav- oder mp3-Datei"), QT_TR_NOOP("nicht gefunden"),
                         QT_TR_NOOP("anderer Ordner als die übrigen"), notUtf8};  // by FilesForPages::Reason
    QStringList leftOut;
    for (const FilesForPages::LeftOut &file : sorted.leftOut)
        leftOut << leftOutLine(file.path, tr(why[file.reason]));
    for (int kind = 0; kind < sorted.pages.size(); ++kind) {
        if (sorted.pages[kind].isEmpty())
            continue;
        if (tabWidget->isTabEnabled(kind))
            listPicked(cycle.page(JobKind(kind)), sorted.pages[kind]);
        else
            for (const QString &path : sorted.pages[kind])
                leftOut << leftOutLine(path, tr("Seite abgeschaltet"));
    }
    if (sorted.lastPage >= 0 && tabWidget->isTabEnabled(sorted.lastPage))
        tabWidget->setCurrentIndex(sorted.lastPage);
    showLeftOut(leftOut);
}

void tonquirl::showLeftOut(const QStringList &lines)
{
    if (!lines.isEmpty())
        QMessageBox::warning(this, QStringLiteral("tonquirl"),
                             tr("<b>Nicht aufgenommen:</b><br><br>") + lines.join(QStringLiteral("<br>")));
}

void tonquirl::chooseOutputFolder(QLineEdit *folderEdit)
{
    if (cycle.isRunning())
        return;
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
