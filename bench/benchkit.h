// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: a batch run on the program's own dialog under
// a real event loop, and the same command lines run without it.
#include "../tests/support/testkit.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Lists the files on the page as Open does and runs the batch to its end
// under a real event loop, as the program runs (QTest's waiting sleeps
// between rounds): milliseconds from the click to the completion box.
// `started` is called just before the click, `ended` as the box opens.
inline double runBatch(tonquirl &dialog, JobKind kind, const QStringList &paths,
                       const std::function<void()> &started = [] {}, const std::function<void()> &ended = [] {})
{
    DialogProbe::listPicked(dialog, kind, paths);
    QEventLoop loop;
    QElapsedTimer timer;
    double millis = -1;
    ModalAnswers box([&](QWidget *modal) {
        millis = timer.nsecsElapsed() / 1e6;
        ended();
        modal->close();
        loop.quit();
    });
    started();
    timer.start();
    QPushButton *start = DialogProbe::page(dialog, kind).startButton;
    start->setFocus(Qt::MouseFocusReason);  // as a click on it gives it
    start->click();
    if (millis < 0)  // a batch refused at once has answered its box already
        loop.exec();
    return millis;
}

// QProcess alone starting the tool on each argument list in turn, from the event loop.
inline double runProcessesAlone(const QString &program, const QList<QStringList> &argumentLists)
{
    QProcess process;
    QEventLoop loop;
    qsizetype next = 0;
    const auto startNext = [&] {
        if (next == argumentLists.size())
            loop.quit();
        else
            process.start(program, argumentLists[next++]);
    };
    QObject::connect(&process, &QProcess::finished, &loop, startNext);
    QElapsedTimer timer;
    timer.start();
    startNext();
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

// The same command lines, one after the other, from a shell.
inline double runShellLoop(const QString &program, const QList<QStringList> &argumentLists)
{
    QString script;
    for (const QStringList &arguments : argumentLists) {
        script += program;
        for (const QString &argument : arguments)
            script += " '" + QString(argument).replace("'", "'\\''") + "'";
        script += '\n';
    }
    QProcess shell;
    QElapsedTimer timer;
    timer.start();
    shell.start("bash", {"-c", script});
    shell.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e6;
}
