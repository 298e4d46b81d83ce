// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// The info text, the window's What's This help, within reach of the
// keyboard and of a screen reader. Shift+F1 enters What's This mode from
// anywhere in the window, as the title bar's button does where the window
// manager draws one; then a click shows the help of the control under the
// pointer, and Return, Enter or Space that of the control with the focus:
// the info text, no control having help of its own. The bubble that shows
// it is on the accessibility bus as a notification named by its text.
class InfoText : public QObject
{
public:
    explicit InfoText(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QPoint &where);

    QWidget *window;
};
