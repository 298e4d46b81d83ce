// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobtable.h"

#include "outcome.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <functional>
#include <set>

namespace {

constexpr int commandLineRole = Qt::UserRole;

QString textOf(const QTableWidgetItem *item, int role = Qt::DisplayRole)
{
    return item ? item->data(role).toString() : QString();
}

} // namespace

void listFiles(QTableWidget *table, const QStringList &names)
{
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(2);
    table->horizontalHeader()->resizeSection(0, 440);
    table->horizontalHeader()->resizeSection(1, 60);
    table->setHorizontalHeaderItem(0, new QTableWidgetItem(QCoreApplication::translate("tonquirl", "Files")));
    table->setHorizontalHeaderItem(1, new QTableWidgetItem(QCoreApplication::translate("tonquirl", "Status")));
    // All rows at once: inserting one by one costs quadratic time on long lists.
    table->setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row)
        table->setItem(row, 0, new QTableWidgetItem(names.at(row)));
}

void setStatus(QTableWidget *table, int row, const QString &status, const QString &reason, const QString &commandLine)
{
    auto *item = new QTableWidgetItem(status);
    if (!reason.isEmpty()) {
        const qsizetype sentenceEnd = reason.indexOf(QLatin1Char('\n'));
        const QString toolLines = sentenceEnd < 0 ? QString() : reason.mid(sentenceEnd + 1);
        item->setToolTip(QStringLiteral("<p>") + reason.left(sentenceEnd).toHtmlEscaped() + QStringLiteral("</p>")
                         + (toolLines.isEmpty() ? QString() : QStringLiteral("<pre>") + toolLines.toHtmlEscaped() + QStringLiteral("</pre>")));
        item->setData(Qt::AccessibleDescriptionRole, reason);
        if (status == RowStatus::ok)
            item->setIcon(table->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    if (!commandLine.isEmpty())
        item->setData(commandLineRole, commandLine);
    table->setItem(row, 1, item);
    // A screen reader moving through the rows lands on the file's cell: it says why there too.
    QTableWidgetItem *file = table->item(row, 0);
    if (file && file->data(Qt::AccessibleDescriptionRole) != item->data(Qt::AccessibleDescriptionRole))
        file->setData(Qt::AccessibleDescriptionRole, item->data(Qt::AccessibleDescriptionRole));
}

QString statusText(const QTableWidget *table, int row)
{
    return textOf(table->item(row, 1));
}

int rowsWithStatus(const QTableWidget *table, const QString &status)
{
    int count = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        count += statusText(table, row) == status;
    return count;
}

int rowsWithWarning(const QTableWidget *table)
{
    int count = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        count += statusText(table, row) == RowStatus::ok && !textOf(table->item(row, 1), Qt::AccessibleDescriptionRole).isEmpty();
    return count;
}

int firstRowWithout(const QTableWidget *table, const QString &status)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (statusText(table, row) != status)
            return row;
    }
    return -1;
}

namespace {

// The selected rows, or the current one when none is, one line each.
void copyRows(const QTableWidget *table)
{
    std::set<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && table->currentRow() >= 0)
        rows.insert(table->currentRow());
    QStringList lines;
    for (int row : rows) {
        const QTableWidgetItem *status = table->item(row, 1);
        QStringList fields{textOf(table->item(row, 0)), textOf(status),
                           textOf(status, Qt::AccessibleDescriptionRole), textOf(status, commandLineRole)};
        fields.replaceInStrings(QLatin1String("\t"), QLatin1String(" "));
        fields[2].replace(QLatin1Char('\n'), QLatin1String(" | "));
        lines << fields.join(QLatin1Char('\t'));
    }
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void addAction(QTableWidget *table, const char *text, QKeySequence::StandardKey keys, const std::function<void()> &act)
{
    auto *action = new QAction(QCoreApplication::translate("tonquirl", text), table);
    action->setShortcuts(keys);  // all the platform's keys for it, such as Ctrl+C and Ctrl+Insert
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, table, act);
    table->addAction(action);
}

// The table's one context menu, built once: a menu made afresh at each
// opening left a screen reader with the first one's items, gone by then.
// Opened from the keys, its first item is current, so that a screen reader
// says it at once.
class ContextMenu : public QObject
{
public:
    explicit ContextMenu(QTableWidget *table) : QObject(table), menu(new QMenu(table))
    {
        menu->addActions(table->actions());
        table->installEventFilter(this);
        table->viewport()->installEventFilter(this);  // a right click arrives there
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        const auto *request = static_cast<QContextMenuEvent *>(event);
        menu->popup(request->globalPos());
        if (request->reason() == QContextMenuEvent::Keyboard)
            menu->setActiveAction(menu->actions().value(0));
        return true;
    }

private:
    QMenu *menu;
};

} // namespace

void offerCopy(QTableWidget *table)
{
    addAction(table, QT_TRANSLATE_NOOP("tonquirl", "Kopieren"), QKeySequence::Copy, [table] { copyRows(table); });
    addAction(table, QT_TRANSLATE_NOOP("tonquirl", "Alles auswählen"), QKeySequence::SelectAll,
              [table] { table->selectAll(); });
    new ContextMenu(table);
    // Shift+F10 opens it too, at the current row, as the menu key does.
    new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), table, table, [table] {
        const QPoint cell = table->visualRect(table->currentIndex()).center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, cell, table->viewport()->mapToGlobal(cell));
        QCoreApplication::sendEvent(table, &menu);
    }, Qt::WidgetShortcut);
}
