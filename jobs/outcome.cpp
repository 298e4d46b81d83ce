// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome.h"

#include "toolmessages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The texts are the dialog's, and are translated with its own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(tonquirl)
};

QString signalName(int number)
{
    const char *abbreviation = sigabbrev_np(number);
    return abbreviation ? QStringLiteral("SIG") + QLatin1String(abbreviation) : QString::number(number);
}

// Seconds as the sentence's language writes them: "1,5" in German, the
// messages' language unless English was asked for.
QString seconds(double value)
{
    QLocale language(QLocale().language() == QLocale::English ? QLocale::English : QLocale::German);
    language.setNumberOptions(QLocale::OmitGroupSeparator);
    return language.toString(value, 'f', 1);
}

QString sentenceFor(const RowEnd &end)
{
    switch (end.kind) {
    case RowEnd::Done:
        return QString();
    case RowEnd::InputMissing:
        return Texts::tr("Die Eingabedatei wurde nicht gefunden.");
    case RowEnd::InputUnreadable:
        return Texts::tr("Die Eingabedatei kann nicht gelesen werden.");
    case RowEnd::NotForLame:
        return Texts::tr("Die Eingabedatei ist keine WAV- oder AIFF-Datei mit Tondaten; lame würde sie als Rauschen kodieren.");
    case RowEnd::NotWholeWave:
        return Texts::tr("Die WAV-Datei hat keine Tondaten oder gibt ihre Länge nicht an; normalize-audio käme damit nie zu Ende.");
    case RowEnd::WouldOverwrite:
        return end.listedOn.isEmpty()
                   ? Texts::tr("Die Ausgabe würde „%1“ überschreiben, das Ergebnis einer früheren Datei.").arg(end.file)
                   : Texts::tr("Die Ausgabe würde „%1“ überschreiben, die auf der Seite „%2“ aufgeführt ist.")
                         .arg(end.file, end.listedOn);
    case RowEnd::FolderMissing:
        return Texts::tr("Den Zielordner gibt es nicht.");
    case RowEnd::FolderNotWritable:
        return Texts::tr("In den Zielordner kann nicht geschrieben werden.");
    case RowEnd::DiskFull:
        return Texts::tr("Der Datenträger ist voll.");
    case RowEnd::NotFound:
        return Texts::tr("%1 ist nicht installiert oder nicht im Suchpfad (PATH).").arg(end.tool);
    case RowEnd::NotExecutable:
        return Texts::tr("%1 im Suchpfad (PATH) ist kein ausführbares Programm.").arg(end.tool);
    case RowEnd::ExitCode:
        return Texts::tr("%1 endete mit dem Fehlercode %2.").arg(end.tool).arg(end.number);
    case RowEnd::Crashed:
        return Texts::tr("%1 ist abgestürzt (%2).").arg(end.tool, signalName(end.number));
    case RowEnd::ErrorReported:
        return Texts::tr("%1 meldete einen Fehler, obwohl es mit Code 0 endete.").arg(end.tool);
    case RowEnd::NoAudio:
        return Texts::tr("Die Ausgabe enthält keinen Ton.");
    case RowEnd::Incomplete:
        return Texts::tr("Die Ausgabe ist unvollständig: sie enthält weniger, als ihr Kopf angibt.");
    case RowEnd::RewriteIncomplete:
        return end.putBack ? Texts::tr("Die neu geschriebene Datei war unvollständig; das Original ist wiederhergestellt.")
                           : Texts::tr("Die neu geschriebene Datei ist unvollständig; der Ordner hält keine Kopie des Originals.");
    case RowEnd::NotSaved:
        return end.putBack ? Texts::tr("Der Datenträger meldete einen Fehler, als die Datei gesichert wurde; das Original ist wiederhergestellt.")
                           : Texts::tr("Der Datenträger meldete einen Fehler, als das Ergebnis gesichert wurde.");
    case RowEnd::Stopped:
        return Texts::tr("Mit „Stop“ angehalten.");
    case RowEnd::Killed:
        return Texts::tr("Mit „Stop“ angehalten; %1 lief nach 3 Sekunden noch und wurde beendet.").arg(end.tool);
    case RowEnd::NotReached:
        return Texts::tr("Nicht bearbeitet: der Durchgang wurde vorher angehalten.");
    case RowEnd::Damaged:
        if (end.secondsPromised <= 0)
            return Texts::tr("Die Eingabe ist beschädigt oder unvollständig.");
        return Texts::tr("Die Eingabe ist beschädigt oder unvollständig: %1 s von %2 s umgewandelt.")
            .arg(seconds(end.secondsDone), seconds(end.secondsPromised));
    case RowEnd::Silent:
        return Texts::tr("Die Datei ist stumm und bleibt, wie sie ist.");
    case RowEnd::AlreadyThere:
        return Texts::tr("Übersprungen: „%1“ gibt es schon im Zielordner.").arg(end.file);
    }
    return QString();
}

} // namespace

bool isWarning(const RowEnd &end)
{
    return end.kind == RowEnd::Damaged || end.kind == RowEnd::Silent;
}

QString statusOf(const RowEnd &end)
{
    switch (end.kind) {
    case RowEnd::Done:
    case RowEnd::Damaged:
    case RowEnd::Silent:
        return RowStatus::ok;
    case RowEnd::Stopped:
    case RowEnd::Killed:
        return RowStatus::stop;
    case RowEnd::NotReached:
    case RowEnd::AlreadyThere:
        return RowStatus::notRun;
    default:
        return RowStatus::fail;
    }
}

RowEnd::Kind kindOfFileError(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return RowEnd::DiskFull;
    return error == ENOENT || error == ENOTDIR ? RowEnd::FolderMissing : RowEnd::FolderNotWritable;
}

RowEnd::Kind kindOfFlushError(int error)
{
    return kindOfFileError(error) == RowEnd::DiskFull ? RowEnd::DiskFull : RowEnd::NotSaved;
}

QString reasonFor(const RowEnd &end, const QStringList &toolLines)
{
    const QString sentence = sentenceFor(end);
    return toolLines.isEmpty() || sentence.isEmpty() ? sentence : sentence + QLatin1Char('\n') + toolLines.join(QLatin1Char('\n'));
}

QString failureCount(int failed, int total)
{
    if (failed == 0)
        return QString();
    return (failed == 1 ? Texts::tr("%1 von %2 Dateien ist fehlgeschlagen (FAIL!)")
                        : Texts::tr("%1 von %2 Dateien sind fehlgeschlagen (FAIL!)")).arg(failed).arg(total);
}

QString someNames(const QStringList &names)
{
    constexpr qsizetype shown = 5;
    QStringList lines = names.first(std::min(shown, names.size()));
    if (names.size() > shown)
        lines << Texts::tr("und %1 weitere").arg(names.size() - shown);
    return lines.join(QLatin1Char('\n'));
}

QString warningCount(int warned)
{
    if (warned == 0)
        return QString();
    return warned == 1 ? Texts::tr("1 Datei mit Warnung") : Texts::tr("%1 Dateien mit Warnung").arg(warned);
}

QString outcomeCounts(int ok, int failed, int warned)
{
    QStringList parts;
    if (ok > 0 || failed == 0)
        parts << QString::number(ok) + QLatin1Char(' ') + RowStatus::ok;
    if (failed > 0)
        parts << QString::number(failed) + QLatin1Char(' ') + RowStatus::fail;
    if (warned > 0)
        parts << Texts::tr("%1 mit Warnung").arg(warned);
    return parts.join(QStringLiteral(", "));
}

QStringList withRealName(QStringList lines, const QString &temporaryPath, const QString &realPath)
{
    if (temporaryPath.isEmpty())
        return lines;
    const QString temporaryName = QFileInfo(temporaryPath).fileName(), realName = QFileInfo(realPath).fileName();
    // A line cut at its length can end in the first part of the name.
    for (QString &line : lines) {
        if (line.size() < toolLineLength)
            continue;
        for (qsizetype part = temporaryName.size() - 1; part >= 2; --part) {
            if (line.endsWith(QStringView(temporaryName).left(part))) {
                line.replace(line.size() - part, part, realName);
                break;
            }
        }
    }
    lines.replaceInStrings(temporaryPath, realPath);
    return lines.replaceInStrings(temporaryName, realName);
}
