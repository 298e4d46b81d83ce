// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

// Work on tens of thousands of files or rows is done in turns: between two,
// the window answers the desktop (paints itself, answers its pings), but not
// the user, who cannot cut in.
inline void letTheWindowAnswer()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// At the end of every `turn` items, counting `done` from 0.
inline void letTheWindowAnswerEvery(qsizetype turn, qsizetype done)
{
    if (done % turn == turn - 1)
        letTheWindowAnswer();
}
