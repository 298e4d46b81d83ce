#pragma once

#include "choosers.h"
#include "pages.h"

#include <QMessageBox>
#include <QTest>

// Picks `names` in `folder` with the page's Open button.
inline void openFiles(tonquirl &dialog, int index, const QString &folder, const QStringList &names)
{
    ModalAnswer answer(pickFiles(folder, names));
    QTest::mouseClick(pageOf(dialog, index).openButton, Qt::LeftButton);
}

// Notes each box as "title: text", or "unexpected window" for anything but
// an information box over the dialog, and closes it.
inline std::function<void(QWidget *)> recordBoxes(tonquirl &dialog, QStringList *boxes)
{
    return [&dialog, boxes](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && box->parentWidget() == &dialog && box->icon() == QMessageBox::Information)
            *boxes << box->windowTitle() + ": " + box->text();
        else
            *boxes << QStringLiteral("unexpected window");
        if (auto *window = qobject_cast<QDialog *>(modal))
            window->accept();
    };
}

// Waits until the page's batch has ended: start label back on a disabled
// button, and no box open.
inline bool waitForEnd(const Page &page, int timeoutMs = 15000)
{
    const bool ended = QTest::qWaitFor([&] {
        return page.startButton->text() == page.startLabel && !page.startButton->isEnabled()
            && !QApplication::activeModalWidget();
    }, timeoutMs);
    if (!ended)
        qWarning("the batch did not end");
    return ended;
}

// Clicks the page's start button and waits for the batch to end; gives the boxes shown.
inline QStringList runBatch(tonquirl &dialog, int index, int timeoutMs = 15000)
{
    const Page page = pageOf(dialog, index);
    QStringList boxes;
    ModalAnswer answer(recordBoxes(dialog, &boxes));
    answer.always();
    dialog.tabWidget->setCurrentIndex(index);
    QTest::mouseClick(page.startButton, Qt::LeftButton);
    waitForEnd(page, timeoutMs);
    return boxes;
}
