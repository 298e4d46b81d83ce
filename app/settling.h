// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>

// Puts rows' results on the disk one after the other, off the window's
// thread: a flush waits for the disk, which on a USB stick or a network
// folder can take seconds, and meanwhile the next row's tool runs and the
// window answers. What the work gives (0 or an errno) is handed to `done`
// on the window's thread, in the order the work came.
class Settling
{
public:
    Settling();
    ~Settling();  // waits for what is under way

    void run(std::function<int()> work, std::function<void(int error)> done);
    bool busy() const { return pending > 0; }
    // Waits until every work has run, and drops what `done` would have been told.
    void finishQuietly();

private:
    QThreadPool flusher;
    std::unique_ptr<QObject> receiver;
    int pending = 0;
};
