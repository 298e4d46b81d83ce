// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

// Runs an action at most once an interval: at once when it last ran long
// enough ago, otherwise once at the end of the interval, so the last
// request is never lost. For what a person watches, which need not change
// faster than a person can look.
class Throttle
{
public:
    Throttle(int intervalMs, std::function<void()> action) : intervalMs(intervalMs), action(std::move(action))
    {
        later.setSingleShot(true);
        later.callOnTimeout([this] { run(); });
    }

    // True: the action ran at once; false: it runs later.
    bool request()
    {
        if (!sinceRun.isValid() || sinceRun.elapsed() >= intervalMs) {
            run();
            return true;
        }
        if (!later.isActive())
            later.start(intervalMs - int(sinceRun.elapsed()));
        return false;
    }
    // Runs a pending request now.
    void flush()
    {
        if (later.isActive())
            run();
    }
    void cancel() { later.stop(); }
    // Runs the action now, whenever it last ran.
    void run()
    {
        later.stop();
        sinceRun.start();
        action();
    }

private:
    const int intervalMs;
    const std::function<void()> action;
    QElapsedTimer sinceRun;
    QTimer later;
};
