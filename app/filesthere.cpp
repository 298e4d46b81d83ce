// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesthere.h"

#include "outcome.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The texts are the dialog's, and are translated with its own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(tonquirl)
};

} // namespace

FilesThere askAboutFilesThere(QWidget *parent, const QStringList &names)
{
    const bool one = names.size() == 1;
    const QString text = one ? Texts::tr("„%1“ gibt es schon im Zielordner.").arg(names.first())
                             : Texts::tr("%1 Dateien gibt es schon im Zielordner:").arg(names.size()) + QLatin1Char('\n')
                                   + someNames(names);
    QMessageBox box(QMessageBox::Question, QStringLiteral("tonquirl"), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);  // a file's name is no markup
    box.setInformativeText(one ? Texts::tr("Soll sie ersetzt werden?") : Texts::tr("Sollen sie ersetzt werden?"));
    QPushButton *replace = box.addButton(Texts::tr("Ersetzen"), QMessageBox::DestructiveRole);
    QPushButton *skip = box.addButton(Texts::tr("Überspringen"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(Texts::tr("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(skip);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == replace)
        return FilesThere::Replace;
    return box.clickedButton() == skip ? FilesThere::Skip : FilesThere::Cancel;
}
