// SPDX-License-Identifier: GPL-3.0-or-later
#include "quitsignals.h"
#include "tonquirl.h"
#include "translations.h"
#include "windowsystem.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    startWindowSystem(argc, argv);
    QApplication app(argc, argv);
    windowSystemStarted();
    // One app for the desktop: the menu entry's name is the Wayland app id, and
    // the X11 window class, which the entry's StartupWMClass names, is the program's.
    QApplication::setApplicationName(QStringLiteral("tonquirl"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tonquirl"));
    installTranslations(app);
    quitOnTerminationSignals();
    // Lives as long as the program; the event loop's end is the program's end.
    auto *dialog = new tonquirl;
    dialog->show();
    // Qt has taken its own options out of argv; what is left names files to
    // list, by their own bytes. Queued after the start-up checks, which may
    // switch a page off.
    QByteArrayList files;
    for (int i = 1; i < argc; ++i)
        files << QByteArray(argv[i]);
    if (!files.isEmpty())
        QTimer::singleShot(0, dialog, [dialog, files] { dialog->listFilesNamed(files); });
    return app.exec();
}
