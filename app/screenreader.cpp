// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEvent>
#include <QLineEdit>
#include <QTableWidget>

void announceNewName(QWidget *control)
{
    // Qt's own connection to the accessibility bus, there only while a screen reader listens.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!QAccessible::isActive() || !bus.isConnected())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return;
    // The AT-SPI object event as Qt sends it, with the name where Qt 6.4 puts the object.
    const QString objects = QStringLiteral("/org/a11y/atspi/accessible/");
    QDBusMessage event = QDBusMessage::createSignal(objects + QString::number(QAccessible::uniqueId(accessible)),
                                                    QStringLiteral("org.a11y.atspi.Event.Object"),
                                                    QStringLiteral("PropertyChange"));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(objects + QStringLiteral("root"));
    application.endStructure();
    event << QStringLiteral("accessible-name") << 0 << 0
          << QVariant::fromValue(QDBusVariant(accessible->text(QAccessible::Name))) << QVariant::fromValue(application);
    bus.send(event);
}

void settleCarets(QWidget *window)
{
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        field->setCursorPosition(field->cursorPosition());
}

namespace {

// Names the table's current cell as the one with the focus.
void announceCurrentCell(QTableWidget *table)
{
    if (!QAccessible::isActive() || !table->hasFocus() || !table->currentIndex().isValid())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface *cell = accessible->tableInterface()->cellAt(table->currentRow(), table->currentColumn());
    QAccessibleEvent focus(table, QAccessible::Focus);
    focus.setChild(accessible->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

class RowOnEntry : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *table = static_cast<QTableWidget *>(watched);
            // After the table's own focus event, which comes once this one is handled.
            QMetaObject::invokeMethod(table, [table] {
                if (!table->currentIndex().isValid() && table->rowCount() > 0)
                    table->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);  // which names the cell
                else
                    announceCurrentCell(table);
            }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void readCurrentRowOnEntry(QTableWidget *table)
{
    table->installEventFilter(new RowOnEntry(table));
}
