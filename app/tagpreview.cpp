// SPDX-License-Identifier: GPL-3.0-or-later
#include "tagpreview.h"

#include "id3tags.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>

TagPreview::TagPreview(QTableWidget *table, QCheckBox *tagsOn, QLineEdit *pattern)
    : QObject(table), table(table), tagsOn(tagsOn), pattern(pattern)
{
    connect(tagsOn, &QCheckBox::toggled, this, &TagPreview::update);
    connect(pattern, &QLineEdit::textChanged, this, &TagPreview::update);
    // Once the new rows have their names.
    connect(table->model(), &QAbstractItemModel::rowsInserted, this, &TagPreview::update, Qt::QueuedConnection);
}

void TagPreview::update()
{
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem *file = table->item(row, 0);
        const QTableWidgetItem *status = table->item(row, 1);
        if (!file)
            continue;
        const QString tag = tagsOn->isChecked() ? tagPreview(pattern->text(), file->text()) : QString();
        if (file->toolTip() == tag)
            continue;
        file->setToolTip(tag);
        // A row's reason, once it has one, is what a screen reader reads with it.
        if (!status || status->data(Qt::AccessibleDescriptionRole).toString().isEmpty())
            file->setData(Qt::AccessibleDescriptionRole, tag.isEmpty() ? QVariant() : QVariant(tag));
    }
}
