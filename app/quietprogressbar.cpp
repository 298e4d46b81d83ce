// SPDX-License-Identifier: GPL-3.0-or-later
#include "quietprogressbar.h"

#include <QStyleOptionProgressBar>
#include <QStylePainter>

namespace {
constexpr int tellingIntervalMs = 250;
}

QuietProgressBar::QuietProgressBar(QWidget *parent)
    : QProgressBar(parent), telling(tellingIntervalMs, [this] { setValue(shown); })
{
    // A value set directly, such as the 0 of a new list, is shown and told at once.
    connect(this, &QProgressBar::valueChanged, this, [this](int value) {
        shown = value;
        telling.cancel();
    });
}

void QuietProgressBar::showPercent(int percent)
{
    if (percent == shown)
        return;
    shown = percent;
    update();
    telling.request();
}

void QuietProgressBar::tellNow()
{
    telling.flush();
}

void QuietProgressBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.progress = shown;
    option.text = format().replace(QLatin1String("%p"), locale().toString(shown));
    painter.drawControl(QStyle::CE_ProgressBar, option);
}
