// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, one a line, texts of the dialog as the program shows them in the
// language its environment asks for, and the labels and buttons too narrow
// for their text in it: for tst_translations, which runs it under each
// language, since a process reads its language only once.
#include "support/testkit.h"

#include "jobtable.h"
#include "translations.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStyle>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    DialogProbe::pretendToolsInstalled();
    tonquirl dialog;
    dialog.show();
    // Labels and buttons whose text is wider than the room the form gives it.
    QStringList cramped;
    for (QWidget *widget : dialog.findChildren<QWidget *>()) {
        int needed = 0;
        if (auto *label = qobject_cast<QLabel *>(widget))
            needed = label->sizeHint().width();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->text().isEmpty()) {
            // The text is cut once it runs into the frame or over the indicator.
            const int around = button->style()->pixelMetric(button->inherits("QPushButton") ? QStyle::PM_ButtonMargin
                                                                                  : QStyle::PM_ExclusiveIndicatorWidth,
                                                  nullptr, button);
            needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + around;
        }
        if (needed > widget->width())
            cramped << widget->objectName() + QString("(%1>%2)").arg(needed).arg(widget->width());
    }
    listFiles(dialog.wavTableWidget, {"a.wav"});
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    const QStringList texts{
        dialog.wavOpenButton->text(),
        dialog.wavTableWidget->horizontalHeaderItem(0)->text(),
        dialog.wavTableWidget->actions().value(0)->text(),  // its context menu
        dialog.FormatLabel->accessibleDescription().section('\n', 0, 0),  // the format legend
        QCoreApplication::translate("tonquirl", DialogProbe::toolMessage(1)).section("<br>", 0, 0),
        QCoreApplication::translate("tonquirl", DialogProbe::page(dialog, Encode).completionMessage),
        reasonFor({RowEnd::DiskFull}),
        buttons.button(QDialogButtonBox::Cancel)->text(),
        dialog.windowTitle(),
        QStringLiteral("cramped:") + cramped.join(' '),
    };
    std::printf("%s\n", qPrintable(texts.join('\n')));
    return 0;
}
