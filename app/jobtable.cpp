// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobtable.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QShortcut>
#include <QTableWidget>
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
    }
    if (!commandLine.isEmpty())
        item->setData(commandLineRole, commandLine);
    table->setItem(row, 1, item);
}

int rowsWithStatus(const QTableWidget *table, const QString &status)
{
    int count = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        count += textOf(table->item(row, 1)) == status;
    return count;
}

void offerCopy(QTableWidget *table)
{
    new QShortcut(QKeySequence::Copy, table, [table] {
        std::set<int> rows;
        for (const QModelIndex &index : table->selectionModel()->selectedIndexes())
            rows.insert(index.row());
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
    }, Qt::WidgetWithChildrenShortcut);
}
