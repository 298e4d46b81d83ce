// The four pages' batches through the real dialog, with stub tools on PATH.
#include "support/batches.h"
#include "support/dialogprobe.h"
#include "support/stubtools.h"

#include "quitsignals.h"

#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <memory>

namespace {

const QStringList messages{"Erstellung der wav-Dateien abgeschlossen!", "Normalisierung abgeschlossen!",
                           "Konvertierung beendet!", "Dekodierung abgeschlossen!"};
const QStringList suffixes{".flv", ".wav", ".wav", ".mp3"};
const QStringList tools{"ffmpeg", "normalize-audio", "lame", "lame"};

using Calls = QList<QPair<QString, QStringList>>;

} // namespace

class BatchCycleTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StubTools> stubs;
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<tonquirl> dialog;
    std::unique_ptr<ModalWatchdog> watchdog;

    QString in(const QString &name = QString()) const { return work->filePath("in/" + name); }
    QString out(const QString &name = QString()) const { return work->filePath("out/" + name); }

    static void write(const QString &path, const QByteArray &script)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(script);
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A WAV file whose samples are the stub's script: lame takes only real WAVs.
    static QByteArray wave(const QByteArray &script)
    {
        const QByteArray samples = '\n' + script;
        const auto le32 = [](qsizetype n) { return QByteArray(1, char(n)) + char(n >> 8) + char(n >> 16) + char(n >> 24); };
        return "RIFF" + le32(36 + samples.size()) + "WAVEfmt " + le32(16)
             + QByteArray("\1\0\2\0\x44\xac\0\0\x10\xb1\2\0\4\0\x10\0", 16) + "data" + le32(samples.size()) + samples;
    }

    // Writes each input's script into the input folder (a WAV's as its
    // samples) and opens them on the page.
    void open(int index, const QList<QPair<QString, QByteArray>> &files)
    {
        QStringList names;
        for (const auto &[name, script] : files) {
            write(in(name), name.endsWith(".wav") ? wave(script) : script);
            names << name;
        }
        openFiles(*dialog, index, in(), names);
    }

    // The hidden files in a folder: a tool's unfinished output.
    QStringList hiddenFiles(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
    }

    QStringList runBatch(int index) { return ::runBatch(*dialog, index); }

    QList<bool> tabsEnabled() const
    {
        QList<bool> enabled;
        for (int tab = 0; tab < 4; ++tab)
            enabled << dialog->tabWidget->isTabEnabled(tab);
        return enabled;
    }

private slots:
    void init()
    {
        stubs = std::make_unique<StubTools>();
        work = std::make_unique<QTemporaryDir>();
        QDir(work->path()).mkpath("in");
        QDir(work->path()).mkpath("out");
        DialogProbe::pretendToolsInstalled();
        dialog = std::make_unique<tonquirl>();
        dialog->show();
        watchdog = std::make_unique<ModalWatchdog>();
    }
    void cleanup()
    {
        QCOMPARE(watchdog->closedCount(), 0);
        watchdog.reset();
        dialog.reset();
        work.reset();
        stubs.reset();
    }

    void oneFileBatch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("arguments");  // "IN/" and "OUT/" stand for the two folders; the
                                                      // output is written under a hidden name first
        QTest::addColumn<int>("bar");
        QTest::newRow("flv -> wav") << 0 << "clip.flv"
            << QByteArray("err   Duration: 00:00:10.00, start: 0.000000\nsleep 50\nerr size=  1kB time=00:00:05.00 bitrate=1.0\n")
            << QStringList{"-y", "-i", "IN/clip.flv", "-vn", "-ar", "44100", "-ac", "2", "OUT/clip.wav"} << 50;
        QTest::newRow("Normalize") << 1 << "a b.wav" << QByteArray("err  a b.wav   37% done\n")
            << QStringList{"IN/a b.wav"} << 37;
        QTest::newRow("wav -> mp3") << 2 << "01-Artist-Title.wav" << QByteArray("err (50%)\n")
            << QStringList{"--preset", "cbr", "256", "IN/01-Artist-Title.wav", "OUT/01-Artist-Title.mp3"} << 50;
        QTest::newRow("mp3 -> wav") << 3 << "live.2009.mp3" << QByteArray("err Frame#  1/4 \n")
            << QStringList{"--decode", "IN/live.2009.mp3", "OUT/live.2009.wav"} << 100;
    }
    void oneFileBatch()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QByteArray, script);
        QFETCH(QStringList, arguments);
        QFETCH(int, bar);
        const Page page = pageOf(*dialog, index);
        open(index, {{name, script}});
        if (page.saveEdit)
            page.saveEdit->setText(out());
        DialogProbe::currentRow(*dialog) = 7;  // left over from elsewhere: a click starts at the top

        const QStringList boxes = runBatch(index);

        QCOMPARE(boxes, QStringList{"tonquirl: " + messages[index]});
        QCOMPARE(column(page.table, 1), QStringList{"OK."});
        arguments.replaceInStrings("IN/", in()).replaceInStrings("OUT/", out());
        Calls calls = stubs->calls();
        QCOMPARE(calls.size(), 1);
        if (page.saveEdit) {
            const QFileInfo written(calls[0].second.takeLast());
            QCOMPARE(written.absolutePath() + '/', out());
            QVERIFY(written.fileName().startsWith('.'));
            QCOMPARE(written.suffix(), QFileInfo(arguments.last()).suffix());
            QVERIFY(!written.exists());
            QVERIFY(contents(arguments.takeLast()).contains("output of " + in(name).toUtf8()));
            QCOMPARE(hiddenFiles(out()), QStringList());
        }
        QCOMPARE(calls, (Calls{{tools[index], arguments}}));
        QCOMPARE(stubs->records().first().value("pdeathsig").toInt(), int(SIGKILL));  // ends when the program dies
        QCOMPARE(page.bar->value(), bar);
        QCOMPARE(page.startButton->text(), page.startLabel);
        QVERIFY(!page.startButton->isEnabled());
        QVERIFY(page.openButton->isEnabled());
        QCOMPARE(DialogProbe::currentRow(*dialog), 0);
        QCOMPARE(tabsEnabled(), QList<bool>({true, true, true, true}));
    }

    void stopDuringTheSecondOfThree_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("onTerm");  // the stub's answer to SIGTERM
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("stoppedRow");
        QTest::newRow("Normalize, killed") << 1 << QByteArray() << 1 << "STOP!";
        QTest::newRow("wav -> mp3, killed") << 2 << QByteArray() << 1 << "STOP!";
        QTest::newRow("mp3 -> wav, pressed twice") << 3 << QByteArray() << 2 << "STOP!";
        QTest::newRow("flv -> wav, exits 255") << 0 << QByteArray("term exit 255\n") << 1 << "STOP!";
        QTest::newRow("flv -> wav, killed") << 0 << QByteArray() << 1 << "STOP!";
        // Stop met the tool's own end: its output is complete, but no further row starts.
        QTest::newRow("wav -> mp3, ends with 0") << 2 << QByteArray("term exit 0\n") << 1 << "OK.";
        QTest::newRow("mp3 -> wav, ignores SIGTERM") << 3 << QByteArray("term ignore\n") << 1 << "STOP!";
    }
    void stopDuringTheSecondOfThree()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, onTerm);
        QFETCH(int, presses);
        QFETCH(QString, stoppedRow);
        const Page page = pageOf(*dialog, index);
        const QString suffix = suffixes[index];
        // normalize-audio leaves its temporary file when stopped; an older one is not the program's to remove.
        const QByteArray leave = index == 1 ? "leave _normAbc123\n" : "";
        write(in("_normOld456"), "someone else's");
        open(index, {{"a" + suffix, ""}, {"b" + suffix, onTerm + leave + "sleep 20000\n"}, {"c" + suffix, ""}});
        const QString earlierResult = out("b" + QString(index == 2 ? ".mp3" : ".wav"));
        write(earlierResult, "an earlier result");
        if (page.saveEdit)
            page.saveEdit->setText(out());

        QStringList boxes;
        ModalAnswer answer(recordBoxes(*dialog, &boxes));
        answer.always();
        dialog->tabWidget->setCurrentIndex(index);
        QTest::mouseClick(page.startButton, Qt::LeftButton);
        QTRY_COMPARE(stubs->callCount(), 2);
        if (index == 1)
            QTRY_VERIFY(QFileInfo::exists(in("_normAbc123")));

        // While it runs: only its own page, no Open or Save, the button reads "Stop".
        QList<bool> onlyThisPage{false, false, false, false};
        onlyThisPage[index] = true;
        QCOMPARE(tabsEnabled(), onlyThisPage);
        QVERIFY(!page.openButton->isEnabled());
        if (page.saveButton)
            QVERIFY(!page.saveButton->isEnabled());
        QCOMPARE(page.startButton->text(), QStringLiteral("Stop"));
        QCOMPARE(column(page.table, 1), QStringList({"OK.", "<none>", "<none>"}));

        for (int press = 0; press < presses; ++press)
            QTest::mouseClick(page.startButton, Qt::LeftButton);
        QCOMPARE(column(page.table, 1), QStringList({"OK.", "N/A", "N/A"}));

        QVERIFY(waitForEnd(page));
        QCOMPARE(column(page.table, 1), QStringList({"OK.", stoppedRow, "N/A"}));
        QCOMPARE(boxes, QStringList());
        QCOMPARE(stubs->callCount(), 2);
        QCOMPARE(tabsEnabled(), QList<bool>({true, true, true, true}));
        QVERIFY(page.openButton->isEnabled());
        QCOMPARE(DialogProbe::currentRow(*dialog), 1);
        // Nothing half written stays, and an earlier file of the output's name is kept unless the row succeeded.
        QCOMPARE(hiddenFiles(out()), QStringList());
        if (page.saveEdit)
            QCOMPARE(contents(earlierResult).startsWith("an earlier"), stoppedRow != "OK.");
        QVERIFY(!QFileInfo::exists(in("_normAbc123")));
        QCOMPARE(contents(in("_normOld456")), QByteArray("someone else's"));
    }

    // Closing the window or a signal to the program ends the running tool at
    // once and removes what it wrote.
    void endingTheProgramMidBatch_data()
    {
        QTest::addColumn<int>("signalNumber");  // 0: the window is closed
        QTest::newRow("window closed") << 0;
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void endingTheProgramMidBatch()
    {
        QFETCH(int, signalNumber);
        quitOnTerminationSignals();
        open(2, {{"a.wav", "sleep 20000\n"}});
        dialog->wavSaveLineEdit->setText(out());
        write(out("a.mp3"), "an earlier result");
        dialog->tabWidget->setCurrentIndex(2);
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);
        QTRY_COMPARE(stubs->callCount(), 1);
        const QString tool = "/proc/" + QString::number(stubs->records().first().value("pid").toInt());
        QVERIFY(QFileInfo::exists(tool));

        QTimer::singleShot(0, dialog.get(), [&] {
            if (signalNumber)
                raise(signalNumber);
            else
                dialog->close();
        });
        QCOMPARE(QApplication::exec(), signalNumber ? 128 + signalNumber : 0);

        QVERIFY(!QFileInfo::exists(tool));
        QCOMPARE(hiddenFiles(out()), QStringList());
        QCOMPARE(contents(out("a.mp3")), QByteArray("an earlier result"));
    }

    void aClickAlwaysStartsAtTheTop()
    {
        open(3, {{"m1.mp3", ""}, {"m2.mp3", ""}});
        open(2, {{"w1.wav", ""}, {"w2.wav", "sleep 20000\n"}, {"w3.wav", ""}});
        dialog->tabWidget->setCurrentIndex(2);
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);
        QTRY_COMPARE(stubs->callCount(), 2);
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);
        QVERIFY(waitForEnd(pageOf(*dialog, 2)));
        QCOMPARE(DialogProbe::currentRow(*dialog), 1);  // where the stopped batch ended

        QCOMPARE(runBatch(3), QStringList{"tonquirl: " + messages[3]});
        const Calls calls = stubs->calls();
        QCOMPARE(calls.size(), 4);
        QCOMPARE(calls[2].second[1], in("m1.mp3"));
        QCOMPARE(calls[3].second[1], in("m2.mp3"));
        QCOMPARE(column(dialog->mpTableWidget, 1), QStringList({"OK.", "OK."}));
    }

    void qualityAndTagsAreReadForEveryRow()
    {
        open(2, {{"01-A-One.wav", "sleep 400\n"}, {"02-B-Two.wav", ""}, {"03-C-Three.wav", ""}});
        dialog->tabWidget->setCurrentIndex(2);
        QStringList boxes;
        ModalAnswer answer(recordBoxes(*dialog, &boxes));
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);
        QTRY_COMPARE(stubs->callCount(), 1);
        dialog->LQradioButton->setChecked(true);
        dialog->wavTagsCheckBox->setChecked(true);
        QVERIFY(waitForEnd(pageOf(*dialog, 2)));

        const Calls calls = stubs->calls();
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls[0].second.mid(0, 4), QStringList({"--preset", "cbr", "256", in("01-A-One.wav")}));
        QCOMPARE(calls[1].second, QStringList({"--preset", "cbr", "128", "--tn", "02", "--ta", "B", "--tt", "Two",
                                               "--add-id3v2", in("02-B-Two.wav"), calls[1].second.last()}));
        QVERIFY(QFileInfo::exists(in("02-B-Two.mp3")));
        QCOMPARE(calls[2].second.mid(2, 7), QStringList({"128", "--tn", "03", "--ta", "C", "--tt", "Three"}));
        QCOMPARE(boxes, QStringList{"tonquirl: " + messages[2]});
    }

    void barFollowsTheFirstPercentOfEachChunk()
    {
        open(2, {{"a.wav", "err 12% then 13%\nsleep 150\nerr 14%\nsleep 150\nerr (250%)\nsleep 150\nerr no number\n"}});
        runBatch(2);
        QCOMPARE(dialog->wavProgressBar->value(), 14);  // 250 is beyond the bar
        QCOMPARE(DialogProbe::wavPercent(*dialog), 250);

        open(3, {{"a.mp3", "err Frame# 1/3 \nsleep 150\nerr Frame# 5/0 \n"}});
        runBatch(3);
        QCOMPARE(DialogProbe::mpPercent(*dialog), 33);
        QCOMPARE(dialog->mpProgressBar->value(), 100);  // decoding ends full
    }

    void extractionHandsItsFilesOver_data()
    {
        QTest::addColumn<QString>("saveText");  // "OUT/" and "IN/" stand for the two folders
        QTest::addColumn<QString>("folder");
        QTest::newRow("chosen folder") << "OUT/" << "OUT/";
        QTest::newRow("typed without slash") << "OUT" << "OUT/";
        QTest::newRow("emptied") << "" << "IN/";
    }
    void extractionHandsItsFilesOver()
    {
        QFETCH(QString, saveText);
        QFETCH(QString, folder);
        const auto place = [this](QString text) {
            return text.replace("OUT/", out()).replace("OUT", out().chopped(1)).replace("IN/", in());
        };
        open(1, {{"old.wav", ""}});
        open(2, {{"old.wav", ""}});
        dialog->normProgressBar->setValue(33);
        dialog->wavProgressBar->setValue(44);
        open(0, {{"b.flv", ""}, {"a.flv", ""}});
        dialog->flvSaveLineEdit->setText(place(saveText));

        QCOMPARE(runBatch(0), QStringList{"tonquirl: " + messages[0]});

        const QString written = place(folder);
        QVERIFY(QFileInfo::exists(written + "a.wav") && QFileInfo::exists(written + "b.wav"));
        for (QTableWidget *table : {dialog->normTableWidget, dialog->wavTableWidget}) {
            QCOMPARE(column(table, 0), QStringList({"a.wav", "b.wav"}));
            QCOMPARE(column(table, 1), QStringList({"<none>", "<none>"}));
            QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Status"));
            QCOMPARE(table->columnWidth(0), 440);
        }
        QCOMPARE(dialog->wavOpenLineEdit->text(), written);
        QCOMPARE(dialog->normOpenLineEdit->text(), written);
        QCOMPARE(dialog->wavSaveLineEdit->text(), written);
        QVERIFY(dialog->normConvertButton->isEnabled());
        QVERIFY(dialog->wavConvertButton->isEnabled());
        QVERIFY(!dialog->flvConvertButton->isEnabled());
        QCOMPARE(dialog->normProgressBar->value(), 33);
        QCOMPARE(dialog->wavProgressBar->value(), 44);

        // Ready to go: normalizing takes exactly the files just written.
        QCOMPARE(runBatch(1), QStringList{"tonquirl: " + messages[1]});
        QCOMPARE(stubs->calls().last().second, QStringList{written + "b.wav"});
    }

    // The middle one of three files fails: it shows "FAIL!", nothing of it is
    // kept, and the other two are done.
    void aFailedFileDoesNotStopTheBatch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("failing");  // the failing file's script, or its bytes
        QTest::addColumn<int>("calls");
        QTest::newRow("flv -> wav, exit code 1") << 0 << QByteArray("exit 1\n") << 3;
        QTest::newRow("flv -> wav, crash") << 0 << QByteArray("crash\n") << 3;
        QTest::newRow("Normalize, exit code 3") << 1 << QByteArray("err 80%\nexit 3\n") << 3;
        QTest::newRow("Normalize, error reading") << 1 << QByteArray("err normalize-audio: error reading b.wav\n") << 3;
        QTest::newRow("wav -> mp3, crash") << 2 << QByteArray("crash\n") << 3;
        QTest::newRow("wav -> mp3, not a WAV") << 2 << QByteArray("RAW not a wave") << 2;
        QTest::newRow("mp3 -> wav, no output") << 3 << QByteArray("nowrite\n") << 3;
    }
    void aFailedFileDoesNotStopTheBatch()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, failing);
        QFETCH(int, calls);
        const Page page = pageOf(*dialog, index);
        const QString suffix = suffixes[index];
        open(index, {{"a" + suffix, ""}, {"b" + suffix, failing}, {"c" + suffix, "exit 0\n"}});
        if (failing.startsWith("RAW"))
            write(in("b" + suffix), failing);
        if (page.saveEdit)
            page.saveEdit->setText(out());
        const QString earlierResult = out("b" + QString(index == 2 ? ".mp3" : ".wav"));
        write(earlierResult, "an earlier result");

        QCOMPARE(runBatch(index), QStringList{"tonquirl: " + messages[index]});
        QCOMPARE(column(page.table, 1), QStringList({"OK.", "FAIL!", "OK."}));
        QCOMPARE(stubs->callCount(), calls);
        QCOMPARE(contents(earlierResult), QByteArray("an earlier result"));
        QCOMPARE(hiddenFiles(out()), QStringList());
        if (index == 0)  // only what was written goes on
            QCOMPARE(column(dialog->normTableWidget, 0), QStringList({"a.wav", "c.wav"}));
    }

    void aToolThatCannotStart_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("plainFile");
        for (int index : {0, 1, 2, 3}) {
            QTest::addRow("%s missing", qPrintable(tools[index] + " " + QString::number(index))) << index << false;
            QTest::addRow("%s not executable", qPrintable(tools[index] + " " + QString::number(index))) << index << true;
        }
    }
    void aToolThatCannotStart()
    {
        QFETCH(int, index);
        QFETCH(bool, plainFile);
        const Page page = pageOf(*dialog, index);
        const QString suffix = suffixes[index];
        open(index, {{"a" + suffix, ""}, {"b" + suffix, ""}});
        stubs->leaveOnlyOnPath(tools[index], plainFile);

        QCOMPARE(runBatch(index), QStringList());
        QCOMPARE(column(page.table, 1), QStringList({"FAIL!", "<none>"}));
        QCOMPARE(hiddenFiles(in()), QStringList());
        QCOMPARE(page.startButton->text(), page.startLabel);
        QVERIFY(!page.startButton->isEnabled());
        QVERIFY(page.openButton->isEnabled());
        if (page.saveButton)
            QVERIFY(page.saveButton->isEnabled());
        QCOMPARE(tabsEnabled(), QList<bool>({true, true, true, true}));
    }

    void neverOverwriteAnInputOrAnEarlierResult_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("saveFolder");  // under the work folder; "link" leads to "in"
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<int>("calls");
        QTest::newRow("mp3 into its own folder") << 2 << QStringList{"x.mp3", "y.wav"} << "in"
                                                 << QStringList{"FAIL!", "OK."} << 1;
        QTest::newRow("wav picked for decoding") << 3 << QStringList{"x.wav", "y.mp3"} << "in"
                                                 << QStringList{"FAIL!", "OK."} << 1;
        QTest::newRow("through a linked folder") << 3 << QStringList{"x.wav", "y.mp3"} << "link"
                                                 << QStringList{"FAIL!", "OK."} << 1;
        QTest::newRow("a later row's input") << 3 << QStringList{"x.mp3", "x.wav"} << "in"
                                             << QStringList{"FAIL!", "FAIL!"} << 0;
        QTest::newRow("wav picked for extraction") << 0 << QStringList{"a.flv", "x.wav"} << "in"
                                                   << QStringList{"OK.", "FAIL!"} << 1;
        QTest::newRow("two videos, one name") << 0 << QStringList{"a.flv", "a.mp4", "b.flv"} << "out"
                                              << QStringList{"OK.", "FAIL!", "OK."} << 2;
    }
    void neverOverwriteAnInputOrAnEarlierResult()
    {
        QFETCH(int, index);
        QFETCH(QStringList, names);
        QFETCH(QString, saveFolder);
        QFETCH(QStringList, statuses);
        QFETCH(int, calls);
        QVERIFY(QFile::link(in(), work->filePath("link")));
        QList<QPair<QString, QByteArray>> files;
        QStringList inputs;
        for (const QString &name : names)
            files.append({name, "input " + name.toUtf8() + "\n"});
        open(index, files);
        for (const QString &name : names)
            inputs << contents(in(name));
        pageOf(*dialog, index).saveEdit->setText(work->filePath(saveFolder) + '/');

        QCOMPARE(runBatch(index).size(), 1);

        QCOMPARE(column(pageOf(*dialog, index).table, 1), statuses);
        QCOMPARE(stubs->callCount(), calls);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(contents(in(names[i])), inputs[i]);
    }

    void aFolderChangedMidBatchIsCheckedAgain()
    {
        open(2, {{"a.wav", "sleep 400\n"}, {"b.mp3", ""}});
        dialog->wavSaveLineEdit->setText(out());
        write(out("b.mp3"), "a result to keep\n");
        QStringList boxes;
        ModalAnswer answer(recordBoxes(*dialog, &boxes));
        dialog->tabWidget->setCurrentIndex(2);
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);
        QTRY_COMPARE(stubs->callCount(), 1);
        dialog->wavOpenLineEdit->setText(out());  // row 1 would now read and write out/b.mp3
        QVERIFY(waitForEnd(pageOf(*dialog, 2)));
        QCOMPARE(column(dialog->wavTableWidget, 1), QStringList({"OK.", "FAIL!"}));
        QCOMPARE(stubs->callCount(), 1);
        QCOMPARE(contents(out("b.mp3")), QByteArray("a result to keep\n"));
    }

    void aPageWithoutItsToolStaysOff()
    {
        dialog.reset();
        DialogProbe::toolPath(DialogProbe::Ffmpeg) = work->filePath("no-ffmpeg");
        dialog = std::make_unique<tonquirl>();
        {
            QStringList boxes;
            ModalAnswer answer([&boxes](QWidget *w) { boxes << w->windowTitle(); static_cast<QDialog *>(w)->accept(); });
            dialog->show();
            QTRY_COMPARE(boxes.size(), 1);
        }
        QCOMPARE(tabsEnabled(), QList<bool>({false, true, true, true}));
        open(3, {{"a.mp3", ""}, {"b.mp3", "exit 1\n"}});
        runBatch(3);
        QCOMPARE(tabsEnabled(), QList<bool>({false, true, true, true}));
        open(2, {{"a.wav", "sleep 20000\n"}});
        dialog->tabWidget->setCurrentIndex(2);
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);
        QTRY_COMPARE(stubs->callCount(), 3);
        QTest::mouseClick(dialog->wavConvertButton, Qt::LeftButton);  // a stopped batch as well
        QVERIFY(waitForEnd(pageOf(*dialog, 2)));
        QCOMPARE(tabsEnabled(), QList<bool>({false, true, true, true}));
    }

    void decodingIntoATypedFolder_data()
    {
        QTest::addColumn<QString>("saveText");
        QTest::addColumn<QString>("output");
        QTest::newRow("without slash") << "OUT" << "OUT/song.wav";
        QTest::newRow("emptied") << "" << "IN/song.wav";
    }
    void decodingIntoATypedFolder()
    {
        QFETCH(QString, saveText);
        QFETCH(QString, output);
        open(3, {{"song.mp3", ""}});
        dialog->mpSaveLineEdit->setText(saveText.replace("OUT", out().chopped(1)));
        runBatch(3);
        QVERIFY(QFileInfo::exists(output.replace("OUT/", out()).replace("IN/", in())));
    }
};

QTEST_MAIN(BatchCycleTest)
#include "tst_batchcycle.moc"
