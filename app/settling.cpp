// SPDX-License-Identifier: GPL-3.0-or-later
#include "settling.h"

#include <QMetaObject>

Settling::Settling() : receiver(std::make_unique<QObject>())
{
    flusher.setMaxThreadCount(1);  // in order, and one flush at a time per batch
    flusher.setExpiryTimeout(-1);
}

Settling::~Settling()
{
    finishQuietly();
}

void Settling::run(std::function<int()> work, std::function<void(int error)> done)
{
    ++pending;
    QObject *answerTo = receiver.get();
    flusher.start([this, answerTo, work = std::move(work), done = std::move(done)] {
        const int error = work();
        // Busy until the answer arrives, not only until the work ends: a
        // batch ends once every row's status is written.
        QMetaObject::invokeMethod(answerTo, [this, done, error] {
            --pending;
            done(error);
        }, Qt::QueuedConnection);
    });
}

void Settling::finishQuietly()
{
    flusher.waitForDone();
    // Answers still on their way go with their receiver.
    receiver = std::make_unique<QObject>();
    pending = 0;
}
