// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one batch in a process of its own, as the program runs it: for the
// tests that kill a program in the middle of a row, or let two programs work
// in one folder. Arguments: the page's number, the folder to save into, the
// files. Prints each row's status and its reason's first sentence, one row
// a line, and "ended" when the batch has ended.
#include "support/testkit.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4)
        return 2;
    const auto kind = JobKind(arguments[1].toInt());
    tonquirl dialog;
    dialog.show();
    const JobPage &page = DialogProbe::page(dialog, kind);
    DialogProbe::listPicked(dialog, kind, arguments.mid(3));
    if (page.saveEdit)
        page.saveEdit->setText(arguments[2]);
    runBatch(dialog, kind, 600000);
    for (int row = 0; row < page.table->rowCount(); ++row) {
        const QTableWidgetItem *status = page.table->item(row, 1);
        std::printf("%s\t%s\n", status ? qPrintable(status->text()) : "-",
                    status ? qPrintable(status->data(Qt::AccessibleDescriptionRole).toString().section('\n', 0, 0)) : "");
    }
    std::printf("ended\n");
    return 0;
}
