#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Closes a modal window as its Cancel or close button would.
inline void closeModal(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

// Answers the next modal window (file chooser, message box) from inside its
// own event loop: polls until one is shown and hands it to `answer`. Any
// modal window after that one is closed and counted as unexpected, and a
// window that stays open is closed after `patienceMs`: no test can hang on one.
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(std::function<void(QWidget *)> answer, int patienceMs = 10000)
        : answer(std::move(answer)), patienceMs(patienceMs)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start();
    }
    // Answer every modal window alike, not only the first.
    ModalAnswer &always() { answerAll = true; return *this; }
    int answeredCount() const { return answered; }
    int unexpectedCount() const { return unexpected; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            current = nullptr;
            return;
        }
        if (modal != current) {
            current = modal;
            openFor = 0;
            if (answered == 0 || answerAll) {
                ++answered;
                answer(modal);
            } else {
                ++unexpected;
                qWarning("an unexpected modal window: %s", qPrintable(modal->windowTitle()));
                closeModal(modal);
            }
        } else if ((openFor += timer.interval()) > patienceMs) {
            qWarning("a modal window stayed open: %s", qPrintable(modal->windowTitle()));
            ++unexpected;
            closeModal(modal);
        }
    }
    std::function<void(QWidget *)> answer;
    int patienceMs;
    QTimer timer;
    QPointer<QWidget> current;
    int openFor = 0;
    int answered = 0;
    int unexpected = 0;
    bool answerAll = false;
};

// Closes any modal window that stays open for `patienceMs`, for tests whose
// own answers missed one: such a test fails on closedCount() instead of hanging.
class ModalWatchdog : public QObject
{
public:
    explicit ModalWatchdog(int patienceMs = 8000)
    {
        timer.setInterval(100);
        QObject::connect(&timer, &QTimer::timeout, this, [this, patienceMs] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal != current) {
                current = modal;
                openFor = 0;
            } else if (modal && (openFor += timer.interval()) > patienceMs) {
                qWarning("closing a modal window nobody answered: %s", qPrintable(modal->windowTitle()));
                ++closed;
                closeModal(modal);
            }
        });
        timer.start();
    }
    int closedCount() const { return closed; }

private:
    QTimer timer;
    QPointer<QWidget> current;
    int openFor = 0;
    int closed = 0;
};
