// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui_tonquirl.h"

#include "batchcycle.h"
#include "desktopintegration.h"
#include "stayawake.h"

#include <QByteArrayList>
#include <QDialog>
#include <QProcess>
#include <QStringList>

// The program's one window: four pages, each running one tool over a list
// of files. The slots are the entry points; the file lists and the batch
// cycle do the work.
class tonquirl : public QDialog, public Ui::tonquirl
{
    Q_OBJECT

public:
    explicit tonquirl(QWidget *parent = nullptr);
    ~tonquirl() override;

    // Lists files named on the command line or dropped on the window, by
    // their names' own bytes, as if picked with Open, each on the page of
    // its suffix; names the files it leaves out in one box.
    void listFilesNamed(const QByteArrayList &paths);

private slots:
    void flvOpen();
    void flvSave();
    void flvConvert();
    void normOpen();
    void normConvert();
    void wavOpen();
    void wavSave();
    void wavConvert();
    void mpOpen();
    void mpSave();
    void mpConvert();
    void flvFortschritt();
    void normFortschritt();
    void wavFortschritt();
    void mpFortschritt();
    void flvProcBeendet(int exitCode, QProcess::ExitStatus exitStatus);
    void normProcBeendet(int exitCode, QProcess::ExitStatus exitStatus);
    void wavProcBeendet(int exitCode, QProcess::ExitStatus exitStatus);
    void mpProcBeendet(int exitCode, QProcess::ExitStatus exitStatus);
    void ffmpegtest();
    void lametest();
    void normtest();
    QStringList openDialog(QString initialDir, const char *Filter);
    QString saveDialog(QString initialDir);

private:
    QProcess flvProc;
    QProcess normProc;
    QProcess wavProc;
    QProcess mpProc;
    int flvDuration = 0;
    int flvPercent = 0;
    int normPercent = 0;
    int wavPercent = 0;
    int mpPercent = 0;
    int flvDurationSeen = 0;
    int fileCount = 0;
    int currentRow = 0;

    // before the cycle, which tells them of the batch
    DesktopIntegration desktop{*this};
    StayAwake awake{*this};
    BatchCycle cycle;

    // A tool looked for at start-up, at a fixed place.
    struct ToolCheck {
        QString path;
        int pageWithoutTool;  // -1: the program cannot run without it
        const char *message;
    };
    static ToolCheck toolChecks[3];
    void checkTool(const ToolCheck &check);

    void describePages();
    void openFiles(const JobPage &page);
    void listPicked(const JobPage &page, const QStringList &paths);
    void showLeftOut(const QStringList &lines);
    QStringList openWithSuffixes() const;
    void chooseOutputFolder(QLineEdit *folderEdit);

    friend struct DialogProbe;  // the tests' look inside
};
