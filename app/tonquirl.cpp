// SPDX-License-Identifier: GPL-3.0-or-later
#include "tonquirl.h"

#include "audiofiles.h"
#include "commandlines.h"
#include "filedrops.h"
#include "id3tags.h"
#include "infotext.h"
#include "jobtable.h"
#include "outputfiles.h"
#include "progress.h"
#include "screenreader.h"
#include "tagpreview.h"

#include <QApplication>
#include <QTextDocumentFragment>
#include <QTimer>

tonquirl::tonquirl(QWidget *parent)
    : QDialog(parent), cycle(*this, fileCount, currentRow, desktop, awake)
{
    setupUi(this);
    // Qt 6 no longer gives dialogs the title bar's What's This button by itself.
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    new InfoText(this);
    // A screen reader takes a tooltip for the control's description: plain text, not the legend's HTML.
    for (QWidget *widget : findChildren<QWidget *>()) {
        if (!widget->toolTip().isEmpty())
            widget->setAccessibleDescription(QTextDocumentFragment::fromHtml(widget->toolTip()).toPlainText());
    }
    settleCarets(this);

    QTimer::singleShot(0, this, SLOT(lametest()));
    QTimer::singleShot(0, this, SLOT(ffmpegtest()));
    QTimer::singleShot(0, this, SLOT(normtest()));

    wavIDFormatLineEdit->setText(QStringLiteral("N-A-T"));

    connect(flvOpenButton, SIGNAL(clicked()), this, SLOT(flvOpen()));
    connect(flvSaveButton, SIGNAL(clicked()), this, SLOT(flvSave()));
    connect(flvConvertButton, SIGNAL(clicked()), this, SLOT(flvConvert()));
    connect(normOpenButton, SIGNAL(clicked()), this, SLOT(normOpen()));
    connect(normConvertButton, SIGNAL(clicked()), this, SLOT(normConvert()));
    connect(wavOpenButton, SIGNAL(clicked()), this, SLOT(wavOpen()));
    connect(wavSaveButton, SIGNAL(clicked()), this, SLOT(wavSave()));
    connect(wavConvertButton, SIGNAL(clicked()), this, SLOT(wavConvert()));
    connect(mpOpenButton, SIGNAL(clicked()), this, SLOT(mpOpen()));
    connect(mpSaveButton, SIGNAL(clicked()), this, SLOT(mpSave()));
    connect(mpConvertButton, SIGNAL(clicked()), this, SLOT(mpConvert()));
    connect(&flvProc, SIGNAL(readyReadStandardError()), this, SLOT(flvFortschritt()));
    connect(&flvProc, SIGNAL(finished(int, QProcess::ExitStatus)), this,
            SLOT(flvProcBeendet(int, QProcess::ExitStatus)));
    connect(&normProc, SIGNAL(readyReadStandardError()), this, SLOT(normFortschritt()));
    connect(&normProc, SIGNAL(finished(int, QProcess::ExitStatus)), this,
            SLOT(normProcBeendet(int, QProcess::ExitStatus)));
    connect(&wavProc, SIGNAL(readyReadStandardError()), this, SLOT(wavFortschritt()));
    connect(&wavProc, SIGNAL(finished(int, QProcess::ExitStatus)), this,
            SLOT(wavProcBeendet(int, QProcess::ExitStatus)));
    connect(&mpProc, SIGNAL(readyReadStandardError()), this, SLOT(mpFortschritt()));
    connect(&mpProc, SIGNAL(finished(int, QProcess::ExitStatus)), this,
            SLOT(mpProcBeendet(int, QProcess::ExitStatus)));

    describePages();
    new TagPreview(wavTableWidget, wavTagsCheckBox, wavIDFormatLineEdit);
    for (QTableWidget *table : {flvTableWidget, normTableWidget, wavTableWidget, mpTableWidget}) {
        offerCopy(table);
        readCurrentRowOnEntry(table);
    }
    new FileDrops(this, openWithSuffixes(), [this](int page) { return tabWidget->isTabEnabled(page); },
                  [this] { return cycle.isRunning(); }, [this](const QByteArrayList &files) { listFilesNamed(files); });
    // The window closed, the session ended or the program was asked to
    // quit: no tool may go on, and nothing half written may stay.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { cycle.abandon(); });
}

tonquirl::~tonquirl()
{
    // The cycle, destroyed before the processes, ends a running tool and
    // removes what it wrote; that end must not come back through the slots.
    for (QProcess *process : {&flvProc, &normProc, &wavProc, &mpProc})
        process->disconnect(this);
}

// What sets each page apart; everything else is the same batch cycle.
void tonquirl::describePages()
{
    const auto bitRate = [this]() -> QString {
        if (CDradioButton->isChecked())
            return QStringLiteral("256");
        if (MQradioButton->isChecked())
            return QStringLiteral("192");
        if (LQradioButton->isChecked())
            return QStringLiteral("128");
        return QString();
    };
    const char *waveFiles = QT_TR_NOOP("Wave-Audio (*.wav);;All Files(*.*)");

    cycle.attach(tabWidget, {{
        {.kind = Extract, .process = &flvProc, .table = flvTableWidget, .openEdit = flvOpenLineEdit,
         .saveEdit = flvSaveLineEdit, .openButton = flvOpenButton, .saveButton = flvSaveButton,
         .startButton = flvConvertButton, .progressBar = flvProgressBar,
         .fileFilter = QT_TR_NOOP("flash-video (*.flv);;All Files(*.*)"), .openWithSuffix = ".flv", .program = Tool::ffmpeg,
         .outputSuffix = ".wav", .completionWork = CompletionWork::HandOverWavFiles,
         .completionMessage = QT_TR_NOOP("Erstellung der wav-Dateien abgeschlossen!"),
         .arguments = [](const RowFiles &files) { return extractArguments(files.input, files.output); },
         .progress = [this](const QString &chunk) {
             return playTimePercent(chunk, {flvDuration, flvDurationSeen});
         },
         .lastPercent = &flvPercent, .outputHoldsAudio = isCompleteWaveWithAudio,
         .admits = {.damage = {QStringLiteral("Packet corrupt"), QStringLiteral("Invalid data found"),
                               QStringLiteral("error while decoding")}}},
        {.kind = Normalize, .process = &normProc, .table = normTableWidget, .openEdit = normOpenLineEdit,
         .openButton = normOpenButton, .startButton = normConvertButton, .progressBar = normProgressBar,
         .fileFilter = waveFiles, .program = Tool::normalizeAudio,
         .completionMessage = QT_TR_NOOP("Normalisierung abgeschlossen!"),
         .arguments = [](const RowFiles &files) { return normalizeArguments(files.input); },
         .progress = percentInText, .lastPercent = &normPercent,
         // it never ends on a WAV that does not state its length
         .acceptsInput = isCompleteWaveWithAudio, .inputRefusedAs = RowEnd::NotWholeWave,
         // "normalize-audio: error reading x.wav", and still exit code 0; "x.wav has zero power, ignoring"
         .admits = {.failure = {QStringLiteral(": error ")}, .silence = {QStringLiteral("zero power")}},
         .toolTemporaries = normalizeTemporaries},
        {.kind = Encode, .process = &wavProc, .table = wavTableWidget, .openEdit = wavOpenLineEdit,
         .saveEdit = wavSaveLineEdit, .openButton = wavOpenButton, .saveButton = wavSaveButton,
         .startButton = wavConvertButton, .progressBar = wavProgressBar,
         .fileFilter = waveFiles, .openWithSuffix = ".wav", .program = Tool::lame,
         .outputSuffix = ".mp3", .completionMessage = QT_TR_NOOP("Konvertierung beendet!"),
         // read afresh for every row: a change during a batch applies from the next row on
         .arguments = [this, bitRate](const RowFiles &files) {
             const QStringList tags = wavTagsCheckBox->isChecked()
                                          ? id3Arguments(wavIDFormatLineEdit->text(), files.name)
                                          : QStringList();
             return encodeArguments(bitRate(), tags, files.input, files.output);
         },
         .progress = percentInText, .lastPercent = &wavPercent,
         // lame takes any other bytes for raw samples, silently
         .acceptsInput = lameCanEncode, .inputRefusedAs = RowEnd::NotForLame, .outputHoldsAudio = isMp3WithAudio},
        {.kind = Decode, .process = &mpProc, .table = mpTableWidget, .openEdit = mpOpenLineEdit,
         .saveEdit = mpSaveLineEdit, .openButton = mpOpenButton, .saveButton = mpSaveButton,
         .startButton = mpConvertButton, .progressBar = mpProgressBar,
         .fileFilter = QT_TR_NOOP("mp3-Files (*.mp3);;All Files(*.*)"), .openWithSuffix = ".mp3", .program = Tool::lame,
         .outputSuffix = ".wav", .completionWork = CompletionWork::FillProgressBar,
         .completionMessage = QT_TR_NOOP("Dekodierung abgeschlossen!"),
         .arguments = [](const RowFiles &files) { return decodeArguments(files.input, files.output); },
         .progress = frameCounterPercent, .lastPercent = &mpPercent,
         // a damaged MP3 decodes into an empty WAV, a full disk into a short one, with exit code 0;
         // lame's decoder reports a damaged frame as "hip: Can't rewind stream by 424 bits!"
         .outputHoldsAudio = isCompleteWaveWithAudio, .admits = {.damage = {QStringLiteral("hip: ")}}},
    }});
}

void tonquirl::flvConvert() { cycle.startOrStop(Extract); }
void tonquirl::normConvert() { cycle.startOrStop(Normalize); }
void tonquirl::wavConvert() { cycle.startOrStop(Encode); }
void tonquirl::mpConvert() { cycle.startOrStop(Decode); }

void tonquirl::flvFortschritt() { cycle.readProgress(Extract); }
void tonquirl::normFortschritt() { cycle.readProgress(Normalize); }
void tonquirl::wavFortschritt() { cycle.readProgress(Encode); }
void tonquirl::mpFortschritt() { cycle.readProgress(Decode); }

void tonquirl::flvProcBeendet(int exitCode, QProcess::ExitStatus exitStatus)
{
    cycle.toolEnded(Extract, exitCode, exitStatus);
}

void tonquirl::normProcBeendet(int exitCode, QProcess::ExitStatus exitStatus)
{
    cycle.toolEnded(Normalize, exitCode, exitStatus);
}

void tonquirl::wavProcBeendet(int exitCode, QProcess::ExitStatus exitStatus)
{
    cycle.toolEnded(Encode, exitCode, exitStatus);
}

void tonquirl::mpProcBeendet(int exitCode, QProcess::ExitStatus exitStatus)
{
    cycle.toolEnded(Decode, exitCode, exitStatus);
}
