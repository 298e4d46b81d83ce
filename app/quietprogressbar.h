// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "throttle.h"

#include <QProgressBar>

// A progress bar that moves as smoothly as the eye likes while a screen
// reader hears of its value only as often as it can use it. Every value
// shown is painted at once; the bar's own value, which is what the
// accessibility bus is told of, follows at most four times a second.
// A screen reader speaks a progress bar every few seconds at most; each
// value sent is still a round trip for every listener.
class QuietProgressBar : public QProgressBar
{
public:
    explicit QuietProgressBar(QWidget *parent = nullptr);

    void showPercent(int percent);
    // The value shown is told now, not at the end of the interval.
    void tellNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int shown = 0;
    Throttle telling;
};
