// SPDX-License-Identifier: GPL-3.0-or-later
#include "infotext.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QWhatsThis>
#include <QWidget>

namespace {

// Qt's bubble counts as a popup, which a screen reader finds only through
// the event of its showing: as a notification it is read out then.
QAccessibleInterface *accessibleBubble(const QString &className, QObject *object)
{
    if (className != QLatin1String("QWhatsThat") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

bool showsHelp(const QKeyEvent *key)
{
    return key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier
               ? key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space
               : false;
}

} // namespace

InfoText::InfoText(QWidget *window) : QObject(window), window(window)
{
    QAccessible::installFactory(accessibleBubble);
    auto *whatsThis = new QShortcut(QKeySequence::WhatsThis, window);
    whatsThis->setContext(Qt::WindowShortcut);
    connect(whatsThis, &QShortcut::activated, this, [] { QWhatsThis::enterWhatsThisMode(); });
    window->installEventFilter(this);
}

bool InfoText::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // While in the mode, keys reach this filter before Qt's own, which ends
    // the mode on any key and lets the key go on to the control.
    case QEvent::EnterWhatsThisMode:
        if (watched == window)
            qApp->installEventFilter(this);
        return false;
    case QEvent::LeaveWhatsThisMode:
        if (watched == window)
            qApp->removeEventFilter(this);
        return false;
    case QEvent::KeyPress:
        if (!QWhatsThis::inWhatsThisMode() || !showsHelp(static_cast<QKeyEvent *>(event)))
            return false;
        QWhatsThis::leaveWhatsThisMode();
        if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == window) {
            const QPoint centre = focus->rect().center();
            QHelpEvent help(QEvent::WhatsThis, centre, focus->mapToGlobal(centre));
            QCoreApplication::sendEvent(focus, &help);  // and on to the window, whose help it is
        }
        return true;
    case QEvent::WhatsThis:
        if (watched != window)
            return false;
        show(static_cast<QHelpEvent *>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

void InfoText::show(const QPoint &where)
{
    QWhatsThis::showText(where, window->whatsThis(), window);
    // A screen reader asks for the name once the event loop runs again.
    QString text = QTextDocumentFragment::fromHtml(window->whatsThis()).toPlainText();
    text = text.remove(QChar::ObjectReplacementCharacter).simplified();  // the picture
    for (QWidget *bubble : QApplication::topLevelWidgets()) {
        if (bubble->inherits("QWhatsThat"))
            bubble->setAccessibleName(text);
    }
}
