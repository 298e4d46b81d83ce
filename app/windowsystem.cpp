// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsystem.h"

#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QtMessageHandler qtsOwn = nullptr;
QList<QPair<QtMsgType, QString>> heldBack;

[[noreturn]] void cannotShowTheWindow(const QString &why)
{
    std::fprintf(stderr, "tonquirl: %s\n", qPrintable(why));
    std::fflush(stderr);
    _exit(1);
}

// Qt's fatal message is a paragraph on plugins; what it said before it names the cause.
void holdBack(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        cannotShowTheWindow(heldBack.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : heldBack.first().second);
    heldBack.append({type, message});
}

bool hasWaylandPlugin()
{
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString &folder : folders) {
        if (!QDir(folder + QStringLiteral("/platforms")).entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

void startWindowSystem(int argc, char **argv)
{
    bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i)
        platformChosen |= std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0;
    if (!platformChosen && qEnvironmentVariableIsEmpty("DISPLAY")) {
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            cannotShowTheWindow(QStringLiteral("no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)"));
        if (!hasWaylandPlugin())
            cannotShowTheWindow(QStringLiteral("Wayland without X11 needs Qt's Wayland plugin: install the package qt6-wayland"));
    }
    qtsOwn = qInstallMessageHandler(holdBack);
}

void windowSystemStarted()
{
    qInstallMessageHandler(qtsOwn);
    for (const auto &[type, message] : std::as_const(heldBack))
        qtsOwn(type, QMessageLogContext(), message);
    heldBack.clear();
}
