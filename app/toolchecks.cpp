// SPDX-License-Identifier: GPL-3.0-or-later
// At start-up: are the three tools installed where Debian puts them?
#include "tonquirl.h"

#include "commandlines.h"

#include <QCoreApplication>
#include <QFont>
#include <QFileInfo>
#include <QMessageBox>

tonquirl::ToolCheck tonquirl::toolChecks[3] = {
    {installedPath(Tool::lame), -1,
     QT_TR_NOOP("<b>Fehler: lame nicht gefunden!</b><br><br>tonquirl benötigt ffmpeg und lame.<br>"
                "Bitte installieren Sie die Anwendungen.<br>Das Programm wird geschlossen.")},
    {installedPath(Tool::ffmpeg), Extract,
     QT_TR_NOOP("<b>Fehler: ffmpeg nicht gefunden!</b><br><br>tonquirl benötigt ffmpeg zum extrahieren<br>"
                "der Audiospur aus Flash-Filmen.<br>Diese Funktion wird nicht zur Verfügung stehen.<br>"
                "Bitte installieren Sie das Paket ffmpeg.")},
    {installedPath(Tool::normalizeAudio), Normalize,
     QT_TR_NOOP("<b>Fehler: normalize-audio nicht gefunden!</b><br><br>tonquirl benötigt normalize-audio für die<br>"
                "automatische Anpassung (normalisieren) der Lautstärke.<br>Diese Funktion wird nicht zur Verfügung stehen.<br>"
                "Bitte installieren Sie das Paket normalize-audio.")},
};

void tonquirl::lametest() { checkTool(toolChecks[0]); }
void tonquirl::ffmpegtest() { checkTool(toolChecks[1]); }
void tonquirl::normtest() { checkTool(toolChecks[2]); }

void tonquirl::checkTool(const ToolCheck &check)
{
    // Anything at the path counts; whether it runs shows when a job starts it.
    if (QFileInfo(check.path).exists())
        return;
    if (check.pageWithoutTool >= 0) {
        tabWidget->setTabEnabled(check.pageWithoutTool, false);
        cycle.keepTabDisabled(check.pageWithoutTool);
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("tonquirl"), tr(check.message),
                    QMessageBox::Ok);
    QFont font;
    font.setPointSize(12);
    box.setFont(font);
    box.exec();
    if (check.pageWithoutTool < 0)
        QCoreApplication::exit(2);
}
