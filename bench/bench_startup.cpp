// SPDX-License-Identifier: GPL-3.0-or-later
// How long from process start until the dialog is on screen, and how much
// memory the program holds at its peak. Runs itself as a child many times:
// the child does what main() does and reports once the window is shown.
#include "tonquirl.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Says "shown" when the window system first shows the dialog, then ends.
class ShownReporter : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            (void)!write(STDOUT_FILENO, "shown\n", 6);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

int child(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto *dialog = new tonquirl;
    ShownReporter reporter;
    dialog->winId();  // the window exists before show(), so its first expose is seen
    dialog->windowHandle()->installEventFilter(&reporter);
    dialog->show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    std::vector<double> millis;
    long peakKiB = 0;
    for (int run = 0; run < runs; ++run) {
        int out[2];
        if (pipe(out) != 0)
            return 1;
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            execl("/proc/self/exe", argv[0], "--child", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(out[1]);
        char line[16] = {};
        const bool shown = read(out[0], line, sizeof line - 1) > 0 && std::strncmp(line, "shown", 5) == 0;
        const auto end = std::chrono::steady_clock::now();
        close(out[0]);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "run %d: the dialog did not come up\n", run);
            return 1;
        }
        millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    std::sort(millis.begin(), millis.end());
    std::printf("start-up to dialog shown (offscreen), %d runs: median %.1f ms, fastest %.1f ms, slowest %.1f ms\n",
                runs, millis[millis.size() / 2], millis.front(), millis.back());
    std::printf("peak resident memory: %.1f MB\n", peakKiB / 1024.0);
    return 0;
}
