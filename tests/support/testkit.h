// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests share: a look inside the dialog, answers to its modal
// windows as a user would give them, stand-in tools first on the PATH, the
// commands run around the program and what a folder and its files hold.
#include "tonquirl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// How long a test waits for what must come: long enough for the sanitizer
// build on a loaded machine, since a test waits on what happens, never on
// how fast the machine is.
constexpr int patience = 60000;

struct DialogProbe {
    static const JobPage &page(tonquirl &dialog, JobKind kind) { return dialog.cycle.page(kind); }
    static int &currentRow(tonquirl &dialog) { return dialog.currentRow; }
    static void listPicked(tonquirl &dialog, JobKind kind, const QStringList &paths)
    {
        dialog.listPicked(dialog.cycle.page(kind), paths);
    }
    // Where the start-up checks look for lame, ffmpeg and normalize-audio; a folder counts.
    static QString &toolPath(int tool) { return tonquirl::toolChecks[tool].path; }
    static void pretendToolsInstalled() { toolPath(0) = toolPath(1) = toolPath(2) = "/"; }
    static const char *toolMessage(int tool) { return tonquirl::toolChecks[tool].message; }
};

inline QByteArray le32(quint32 n)
{
    return QByteArray(1, char(n)) + char(n >> 8) + char(n >> 16) + char(n >> 24);
}

// A WAV file of 16-bit stereo samples at 44100 Hz, as the stub tool writes
// them too, with a header that states its sizes.
inline QByteArray wave(const QByteArray &samples)
{
    return "RIFF" + le32(36 + samples.size()) + "WAVEfmt " + le32(16)
         + QByteArray("\1\0\2\0\x44\xac\0\0\x10\xb1\2\0\4\0\x10\0", 16) + "data" + le32(samples.size()) + samples;
}

// Paths as the system gives them, the way the command line names files.
inline QByteArrayList bytesOf(const QStringList &paths)
{
    QByteArrayList bytes;
    for (const QString &path : paths)
        bytes << QFile::encodeName(path);
    return bytes;
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file in the folder that matches, hidden ones too.
inline QStringList filesIn(const QString &folder, const QStringList &patterns = {})
{
    return QDir(folder).entryList(patterns, QDir::Files | QDir::Hidden | QDir::System);
}

inline QByteArray hashOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}

// Runs a command to its end: whether it succeeded, and what it printed.
inline bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool succeeded = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
                        && process.exitCode() == 0;
    if (!succeeded)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput().trimmed());
    return succeeded;
}

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Answers every modal window (chooser, message box) that comes up while it
// lives, from inside the window's own event loop.
class ModalAnswers : public QObject
{
public:
    explicit ModalAnswers(std::function<void(QWidget *)> answer)
    {
        connect(&timer, &QTimer::timeout, this, [this, answer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && modal != last) {
                last = modal;
                ++answered;
                answer(modal);
            }
        });
        timer.start(5);
    }
    int count() const { return answered; }

private:
    QTimer timer;
    QPointer<QWidget> last;
    int answered = 0;
};

// Picks `names` in `folder` in a file chooser, typed into its name field;
// no names: the user cancels. Any other window is closed.
inline std::function<void(QWidget *)> pickFiles(const QString &folder, const QStringList &names,
                                               QStringList *filtersSeen = nullptr)
{
    return [=](QWidget *modal) {
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        if (!chooser || names.isEmpty())
            return void(modal->close());
        if (filtersSeen)
            *filtersSeen = chooser->nameFilters();
        chooser->setDirectory(folder);
        chooser->findChild<QLineEdit *>("fileNameEdit")->setText('"' + names.join("\" \"") + '"');
        static_cast<QDialog *>(chooser)->accept();
    };
}

// Presses the button of that text in a message box; false when it has none.
inline bool press(QWidget *modal, const QString &button)
{
    const auto *box = qobject_cast<QMessageBox *>(modal);
    for (QAbstractButton *each : box ? box->buttons() : QList<QAbstractButton *>()) {
        if (each->text() == button) {
            each->click();
            return true;
        }
    }
    return false;
}

// Closes each window, noting it as "title: text" (a message box) or its
// title. The question about outputs already there is answered "Ersetzen",
// unnoted, as the batches went before it was asked.
inline std::function<void(QWidget *)> noteWindows(QStringList *seen)
{
    return [seen](QWidget *modal) {
        if (press(modal, QStringLiteral("Ersetzen")))
            return;
        const auto *box = qobject_cast<QMessageBox *>(modal);
        *seen << (box ? box->windowTitle() + ": " + box->text() : modal->windowTitle());
        modal->close();
    };
}

inline void openFiles(tonquirl &dialog, JobKind kind, const QString &folder, const QStringList &names)
{
    ModalAnswers answers(pickFiles(folder, names));
    QTest::mouseClick(DialogProbe::page(dialog, kind).openButton, Qt::LeftButton);
}

// The texts of one column, "-" where a cell has no item.
inline QStringList column(QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, col) ? table->item(row, col)->text() : QStringLiteral("-"));
    return texts;
}

// Why a row did not end "OK.", or what its "OK." warns of: the first sentence.
inline QString firstReason(QTableWidget *table, int row = 0)
{
    const QTableWidgetItem *status = table->item(row, 1);
    return status ? status->data(Qt::AccessibleDescriptionRole).toString().section('\n', 0, 0) : QString();
}

// Waits until the page's batch has ended: its start button is off and no box is open.
inline bool waitForEnd(const JobPage &page, int timeoutMs = patience)
{
    return QTest::qWaitFor([&] { return !page.startButton->isEnabled() && !QApplication::activeModalWidget(); },
                           timeoutMs);
}

// Clicks the page's start button and waits for the batch to end; gives the boxes shown.
inline QStringList runBatch(tonquirl &dialog, JobKind kind, int timeoutMs = patience)
{
    QStringList boxes;
    ModalAnswers answers(noteWindows(&boxes));
    dialog.tabWidget->setCurrentIndex(kind);
    QTest::mouseClick(DialogProbe::page(dialog, kind).startButton, Qt::LeftButton);
    if (!waitForEnd(DialogProbe::page(dialog, kind), timeoutMs))
        qWarning("the batch did not end");
    return boxes;
}

// The stub tool first on the PATH as lame, ffmpeg and normalize-audio while it lives.
class StubTools
{
public:
    struct Call {
        qint64 pid;
        int parentDeathSignal;
        QStringList command;  // the tool and its arguments
    };
    StubTools() : savedPath(qgetenv("PATH"))
    {
        for (const char *tool : {"lame", "ffmpeg", "normalize-audio"})
            QFile::link(STUBTOOL_PATH, bin.filePath(tool));
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + savedPath);
        qputenv("STUB_LOG", bin.filePath("calls").toLocal8Bit());
    }
    ~StubTools() { qputenv("PATH", savedPath); }
    // Nothing on the PATH but `tool` as a plain file, or nothing at all: a tool that cannot start.
    void leaveOnlyOnPath(const QString &tool)
    {
        QDir(bin.path()).removeRecursively();
        QDir().mkpath(bin.path());
        if (!tool.isEmpty())
            write(bin.filePath(tool), "not a program");
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    QList<Call> calls() const
    {
        QList<Call> result;
        for (const QString &line : QString::fromUtf8(contents(bin.filePath("calls"))).split('\n', Qt::SkipEmptyParts)) {
            const QStringList head = line.section('\x1f', 0, 0).split(' ');
            result.append({head.value(0).toLongLong(), head.value(1).toInt(), line.split('\x1f')});
            result.last().command[0] = head.value(2);
        }
        return result;
    }

private:
    QTemporaryDir bin;
    QByteArray savedPath;
};
