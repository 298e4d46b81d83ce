#pragma once

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

// Puts the stub tool first on PATH under the names lame, ffmpeg and
// normalize-audio for as long as it lives, and reads what the stubs logged.
class StubTools
{
public:
    StubTools() : savedPath(qgetenv("PATH"))
    {
        for (const char *tool : {"lame", "ffmpeg", "normalize-audio"})
            QFile::link(QStringLiteral(STUBTOOL_PATH), bin.filePath(tool));
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + savedPath);
        qputenv("STUB_LOG", logPath().toLocal8Bit());
    }
    ~StubTools()
    {
        qputenv("PATH", savedPath);
        qunsetenv("STUB_LOG");
    }

    // Only this folder on PATH, holding `tool` as given (or nothing): a tool that cannot start.
    void leaveOnlyOnPath(const QString &tool, bool asPlainFile)
    {
        QDir(bin.path()).removeRecursively();
        QDir().mkpath(bin.path());
        if (asPlainFile) {
            QFile file(bin.filePath(tool));
            file.open(QIODevice::WriteOnly);
            file.write("not a program\n");
        }
        qputenv("PATH", bin.path().toLocal8Bit());
    }

    QString logPath() const { return bin.filePath(QStringLiteral("calls.jsonl")); }

    // Each call as logged: "tool", "argv", "pid", "pdeathsig"; oldest first.
    QList<QJsonObject> records() const
    {
        QList<QJsonObject> result;
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray &line : log.readAll().split('\n')) {
            if (!line.isEmpty())
                result.append(QJsonDocument::fromJson(line).object());
        }
        return result;
    }

    // Each call's tool and arguments, oldest first.
    QList<QPair<QString, QStringList>> calls() const
    {
        QList<QPair<QString, QStringList>> result;
        for (const QJsonObject &call : records()) {
            QStringList args;
            for (const QJsonValue &arg : call.value("argv").toArray())
                args << arg.toString();
            result.append({call.value("tool").toString(), args});
        }
        return result;
    }
    int callCount() const { return int(calls().size()); }

private:
    QTemporaryDir bin;
    QByteArray savedPath;
};
