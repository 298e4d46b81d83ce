// Picking the files of a page and its output folder.
#include "tonquirl.h"

#include "jobtable.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

bool caseInsensitiveLessThan(const QString &s1, const QString &s2)
{
    return s1.toLower() > s2.toLower();
}

QStringList tonquirl::openDialog(QString initialDir, const char *Filter)
{
    QStringList files = QFileDialog::getOpenFileNames(this, QStringLiteral("Open File(s)"),
                                                      initialDir, QString::fromUtf8(Filter));
    sortForListing(files);
    return files;
}

// The order of caseInsensitiveLessThan, with each name lowered once rather
// than twice at every comparison: long lists come up at once.
void sortForListing(QStringList &files)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(files.size());
    for (const QString &file : std::as_const(files))
        keyed.emplace_back(file.toLower(), file);
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (qsizetype i = 0; i < files.size(); ++i)
        files[i] = keyed[i].second;
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
    if (paths.isEmpty())
        return;

    const QString first = paths.first();
    const QString folder = first.left(first.size() - QFileInfo(first).fileName().size());
    page.openEdit->setText(folder);
    if (page.saveEdit && page.saveEdit->text().isEmpty())
        page.saveEdit->setText(folder);

    // openDialog sorts descending; the table reads ascending from the top.
    QStringList names;
    names.reserve(paths.size());
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        names << path->mid(folder.size());
    listFiles(page.table, names);

    page.startButton->setEnabled(true);
    page.progressBar->setValue(0);
    currentRow = 0;
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
