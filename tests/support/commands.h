// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Commands the tests run around the program (the real tools, mount), and
// what a file holds, by its hash.
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

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

inline QByteArray hashOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}
