// SPDX-License-Identifier: GPL-3.0-or-later
#include "completion.h"

#include "desktopintegration.h"
#include "jobtable.h"
#include "outcome.h"

#include <QApplication>
#include <QMessageBox>
#include <QTableWidget>

void tellHowItEnded(QWidget *window, DesktopIntegration &desktop, const QTableWidget *table, const QString &message)
{
    const int failed = rowsWithStatus(table, RowStatus::fail), warned = rowsWithWarning(table);
    desktop.batchCompleted(message, outcomeCounts(rowsWithStatus(table, RowStatus::ok), failed, warned));
    QApplication::beep();
    QStringList lines{message};
    if (failed > 0) {
        QStringList names;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (statusText(table, row) == RowStatus::fail)
                names << table->item(row, 0)->text();
        }
        lines << failureCount(failed, table->rowCount()) << someNames(names);
    }
    if (warned > 0)
        lines << warningCount(warned);
    QMessageBox box(QMessageBox::Information, QStringLiteral("tonquirl"), lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);  // a file's name is no markup
    box.exec();
}

void focusRowToLookAt(QTableWidget *table)
{
    const int first = firstRowWithout(table, RowStatus::ok);
    table->setFocus(Qt::OtherFocusReason);
    table->setCurrentCell(first < 0 ? 0 : first, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
