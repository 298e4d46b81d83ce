// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog through its own buttons, with stub tools first on the PATH:
// the start-up checks for the tools, Open, and the four pages' batches.
#include "support/testkit.h"

#include "commandlines.h"
#include "quitsignals.h"

#include <QAccessible>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopeGuard>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

const QStringList suffixes{".flv", ".wav", ".wav", ".mp3"};
const QString alike = QString::fromUtf8("caf\xEF\xBF\xBD.wav");
const QString notUtf8 = "caf\\xE9.wav (Name ist kein UTF-8";

} // namespace

class DialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StubTools> stubs;
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<tonquirl> dialog;

    QString in(const QString &name = QString()) const { return work->filePath("in/" + name); }
    QString out(const QString &name = QString()) const { return work->filePath("out/" + name); }
    const JobPage &page(int kind) const { return DialogProbe::page(*dialog, JobKind(kind)); }
    int enabledTabs() const
    {
        const QTabWidget *tabs = dialog->tabWidget;
        return tabs->isTabEnabled(0) + tabs->isTabEnabled(1) + tabs->isTabEnabled(2) + tabs->isTabEnabled(3);
    }

    // Writes each input's script (a WAV's as its samples), opens the files on
    // the page and sends the output to out/.
    void open(int kind, const QList<QPair<QString, QByteArray>> &files)
    {
        QStringList names;
        for (const auto &[name, script] : files) {
            write(in(name), name.endsWith(".wav") ? wave('\n' + script + QByteArray(4, '\n')) : script);  // lame and normalize-audio get real WAVs
            names << name;
        }
        openFiles(*dialog, JobKind(kind), in(), names);
        if (page(kind).saveEdit)
            page(kind).saveEdit->setText(out());
    }
    // A new dialog whose start-up checks find all tools but those named.
    void restartWithout(const QStringList &missing)
    {
        const char *tools[] = {Tool::lame, Tool::ffmpeg, Tool::normalizeAudio};
        for (int tool = 0; tool < 3; ++tool)
            DialogProbe::toolPath(tool) = missing.contains(tools[tool]) ? "/no/such/tool" : "/";
        dialog = std::make_unique<tonquirl>();
        dialog->show();
    }
    // Clicks the start button and waits for the stub's `calls`-th call.
    void startAndWaitForCall(int kind, int calls)
    {
        dialog->tabWidget->setCurrentIndex(kind);
        {
            ModalAnswers replace([](QWidget *modal) { press(modal, "Ersetzen"); });  // an earlier result there
            QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
        }
        QVERIFY(QTest::qWaitFor([&] { return stubs->calls().size() == calls; }, patience));
    }

    // What a screen reader says of a status cell besides its text.
    static QString reasonOf(QTableWidget *table, int row)
    {
        return QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(row, 1)->text(QAccessible::Description);
    }

    // "café.wav" in Latin-1, and a file that Qt shows under the same name, "caf\uFFFD.wav".
    QByteArray latin1Name() const { return QFile::encodeName(in()) + "caf\xE9.wav"; }
    void writeNamesShownAlike()
    {
        QVERIFY(::close(::open(latin1Name().constData(), O_CREAT | O_WRONLY, 0644)) == 0);
        write(in(alike), "");
    }

    // Drags what a file manager carries onto a folder field and drops it
    // there, with Shift held, which asks for a move: what the drag was taken as.
    Qt::DropAction dragAndDrop(QMimeData &carried)
    {
        QDragEnterEvent enter({5, 5}, Qt::CopyAction | Qt::MoveAction, &carried, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(dialog->wavOpenLineEdit, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &carried, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(dialog->wavOpenLineEdit, &drop);
        QTest::qWait(100);
        return enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction;
    }

private slots:
    void init()
    {
        stubs = std::make_unique<StubTools>();
        work = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(work->path()).mkpath("in") && QDir(work->path()).mkpath("out"));
        restartWithout({});
    }
    void cleanup()
    {
        dialog.reset();
        work.reset();
        stubs.reset();
    }

    void toolChecks_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<int>("enabledTabs");  // 0: the program ends with exit code 2
        QTest::newRow("all installed") << QStringList() << 4;
        QTest::newRow("both missing") << QStringList{"ffmpeg", "normalize-audio"} << 2;
        QTest::newRow("lame missing") << QStringList{"lame"} << 0;
    }
    void toolChecks()
    {
        QFETCH(QStringList, missing);
        QFETCH(int, enabledTabs);
        QStringList boxes;
        {
            ModalAnswers answers(noteWindows(&boxes));
            restartWithout(missing);
            QTimer::singleShot(enabledTabs ? 200 : 10000, dialog.get(), [] { QCoreApplication::exit(99); });
            QCOMPARE(QApplication::exec(), enabledTabs ? 99 : 2);  // the checks run in the event loop main() runs
        }
        QCOMPARE(boxes.size(), missing.size());
        for (const QString &tool : missing) {
            QVERIFY(boxes.filter("Fehler: " + tool + " nicht gefunden!").size() == 1);
            QVERIFY(!enabledTabs || !dialog->tabWidget->isTabEnabled(tool == Tool::ffmpeg ? Extract : Normalize));
        }
        if (!enabledTabs)
            return;
        // A page without its tool stays off, also once a batch on another page has ended.
        open(Decode, {{"x.mp3", ""}});
        runBatch(*dialog, Decode);
        QCOMPARE(column(dialog->mpTableWidget, 1), QStringList{"OK."});
        QCOMPARE(this->enabledTabs(), enabledTabs);
    }

    void openListsThePickedFiles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("filter");  // the first filter the chooser offers
        QTest::newRow("flv -> wav") << int(Extract) << "*.flv";
        QTest::newRow("Normalize") << int(Normalize) << "*.wav";
        QTest::newRow("wav -> mp3") << int(Encode) << "*.wav";
        QTest::newRow("mp3 -> wav") << int(Decode) << "*.mp3";
    }
    void openListsThePickedFiles()
    {
        QFETCH(int, kind);
        QFETCH(QString, filter);
        for (const char *name : {"b.wav", "A.wav", "c.WAV", "x.mp3"})
            write(in(name), "");
        QVERIFY(!page(kind).startButton->isEnabled());
        page(kind).progressBar->setValue(40);
        QStringList filters;
        {
            ModalAnswers answers(pickFiles(in(), {"b.wav", "A.wav", "c.WAV"}, &filters));
            QTest::mouseClick(page(kind).openButton, Qt::LeftButton);
            QCOMPARE(answers.count(), 1);  // one chooser a click
        }
        QVERIFY(filters.first().contains(filter) && filters.contains("All Files(*.*)"));
        QCOMPARE(column(page(kind).table, 0) + column(page(kind).table, 1), QStringList({"A.wav", "b.wav", "c.WAV", "-", "-", "-"}));
        QCOMPARE(page(kind).openEdit->text(), in());
        if (page(kind).saveEdit)
            QCOMPARE(page(kind).saveEdit->text(), in());  // output next to the input until chosen otherwise
        QVERIFY(page(kind).startButton->isEnabled());
        QCOMPARE(page(kind).progressBar->value(), 0);

        // Cancelling changes nothing; another Open replaces the list but not a chosen Save folder.
        openFiles(*dialog, JobKind(kind), in(), {});
        QCOMPARE(page(kind).table->rowCount(), 3);
        if (page(kind).saveEdit)
            page(kind).saveEdit->setText("/tmp/chosen/");
        openFiles(*dialog, JobKind(kind), in(), {"x.mp3"});
        QCOMPARE(column(page(kind).table, 0), QStringList({"x.mp3"}));
        if (page(kind).saveEdit)
            QCOMPARE(page(kind).saveEdit->text(), QStringLiteral("/tmp/chosen/"));
    }

    // Named on the command line or dropped anywhere, even on a folder field:
    // each file on the page of its suffix, once, from the first one's folder.
    // A name that is not UTF-8 is never taken for the one Qt shows, which a
    // file chooser offers too: neither is listed, and the box names the one to rename.
    void namedFromOutside_data()
    {
        QTest::addColumn<QString>("route");      // "drop", "chooser", or "command line", with ffmpeg missing
        QTest::addColumn<QStringList>("named");  // in in/ ("" the folder, "./" relative, "LATIN1"), or web addresses
        QTest::addColumn<bool>("duringBatch");
        QTest::addColumn<QStringList>("listed");  // on flv -> wav, wav -> mp3 and mp3 -> wav
        QTest::addColumn<QStringList>("box");     // what it names as left out
        QTest::newRow("three kinds") << "drop" << QStringList{"v.flv", "y.wav", "c.mp3"} << false
                                     << QStringList{"v.flv", "y.wav", "c.mp3"} << QStringList();
        QTest::newRow("a folder") << "drop" << QStringList{""} << false << QStringList{"v.flv", alike, "x.WAV", "y.wav", "c.mp3"}
                                  << QStringList{notUtf8};
        QTest::newRow("unknown and remote") << "drop" << QStringList{"t.txt", "https://example.org/a.wav", "y.wav"} << false
                                            << QStringList{"y.wav"} << QStringList{"t.txt (keine"};
        QTest::newRow("remote only") << "drop" << QStringList{"https://example.org/a.wav"} << false << QStringList() << QStringList();
        QTest::newRow("during a batch") << "drop" << QStringList{"c.mp3"} << true << QStringList{"m.mp3"} << QStringList();
        QTest::newRow("command line") << "command line" << QStringList{"y.wav", "v.flv", "./c.mp3", "c.mp3", "sub/z.wav", "t.txt",
                                                              "../out/gone.mp3", "LATIN1"} << false << QStringList{"y.wav", "c.mp3"}
                                      << QStringList{"v.flv (Seite abgeschaltet)", "gone.mp3 (nicht gefunden)",
                                                     "z.wav (anderer Ordner", "t.txt (keine flv-", notUtf8};
        QTest::newRow("chooser") << "chooser" << QStringList{alike, "y.wav"} << false << QStringList{"y.wav"} << QStringList{notUtf8};
    }
    void namedFromOutside()
    {
        QFETCH(QString, route);
        QFETCH(QStringList, named);
        QFETCH(bool, duringBatch);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, box);
        for (const char *name : {"v.flv", "x.WAV", "y.wav", "c.mp3", "t.txt", ".unfinished.wav"})
            write(in(name), "");
        writeNamesShownAlike();
        QVERIFY(QDir(in()).mkpath("sub") && QFile::copy(in("y.wav"), in("sub/z.wav")));
        if (duringBatch) {
            open(Decode, {{"m.mp3", "sleep 20000\n"}});
            startAndWaitForCall(Decode, 1);
        }
        QStringList shown;
        const auto pick = pickFiles(in(), named), note = noteWindows(&shown);
        ModalAnswers answers([&](QWidget *modal) { qobject_cast<QFileDialog *>(modal) ? pick(modal) : note(modal); });
        if (route == "chooser") {
            QTest::mouseClick(dialog->wavOpenButton, Qt::LeftButton);
        } else if (route == "command line") {
            restartWithout({"ffmpeg"});
            QTest::qWait(200);
            QByteArrayList paths;
            for (const QString &item : named)
                paths << (item == "LATIN1" ? latin1Name()
                                           : QFile::encodeName(item.startsWith("./") ? QDir().relativeFilePath(in(item)) : in(item)));
            dialog->listFilesNamed(paths);
            QVERIFY(dialog->wavConvertButton->isEnabled() && dialog->mpSaveLineEdit->text() == in());
            QCOMPARE(dialog->tabWidget->currentIndex(), int(Decode));  // the last page filled
        } else {
            QList<QUrl> urls;
            for (const QString &item : named)
                urls << (item.startsWith("https:") ? QUrl(item) : QUrl::fromLocalFile(in(item)));
            QMimeData carried;  // as file managers carry files: as addresses, and as text a folder field would take
            carried.setUrls(urls);
            carried.setText(named.join(' '));
            // Taken as a copy, though Shift asks for a move, which could remove the source.
            QCOMPARE(dragAndDrop(carried) == Qt::CopyAction, !duringBatch && !listed.isEmpty());
        }
        QCOMPARE(column(dialog->flvTableWidget, 0) + column(dialog->wavTableWidget, 0) + column(dialog->mpTableWidget, 0), listed);
        QCOMPARE(shown.size(), int(route == "command line") + int(!box.isEmpty()));  // ffmpeg missing, and the files left out
        for (const QString &leftOut : box)
            QVERIFY2(shown.last().contains(leftOut), qPrintable(leftOut));
        QVERIFY(dialog->wavOpenLineEdit->text().isEmpty() || dialog->wavOpenLineEdit->text() == in());
    }

    void oneFileBatch_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("command");  // IN/ and OUT/ stand for the folders; the output
        QTest::addColumn<int>("bar");              // is written under a hidden name first
        QTest::newRow("flv -> wav") << 0 << "clip.flv"
            << QByteArray("err   Duration: 00:00:10.00, start: 0.0\nsleep 50\nerr size=  1kB time=00:00:05.00\n")
            << QStringList{"ffmpeg", "-y", "-i", "IN/clip.flv", "-vn", "-ar", "44100", "-ac", "2", "OUT/clip.wav"} << 50;
        QTest::newRow("Normalize") << 1 << "a b.wav" << QByteArray("err  a b.wav   37% done\n")
            << QStringList{"normalize-audio", "IN/a b.wav"} << 37;
        QTest::newRow("wav -> mp3") << 2 << "01-Artist-Title.wav" << QByteArray("err (50%)\nsleep 50\nerr (250%)\n")
            << QStringList{"lame", "--preset", "cbr", "256", "IN/01-Artist-Title.wav", "OUT/01-Artist-Title.mp3"} << 50;
        QTest::newRow("mp3 -> wav") << 3 << "live.2009.mp3" << QByteArray("err Frame#  1/4 \n")
            << QStringList{"lame", "--decode", "IN/live.2009.mp3", "OUT/live.2009.wav"} << 100;  // decoding ends full
    }
    void oneFileBatch()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, script);
        QFETCH(QStringList, command);
        QFETCH(int, bar);
        open(kind, {{name, script}});
        DialogProbe::currentRow(*dialog) = 7;  // left over from elsewhere: a click starts at the top
        const QString startLabel = page(kind).startButton->text();

        QCOMPARE(runBatch(*dialog, JobKind(kind)).size(), 1);
        QCOMPARE(column(page(kind).table, 1), QStringList{"OK."});
        command.replaceInStrings("IN/", in()).replaceInStrings("OUT/", out());
        const StubTools::Call call = stubs->calls().value(0);
        QStringList seen = call.command;
        if (page(kind).saveEdit) {
            const QFileInfo written(seen.takeLast());
            QVERIFY(written.fileName().startsWith('.') && written.absolutePath() + '/' == out());
            QCOMPARE(written.suffix(), QFileInfo(command.last()).suffix());
            QVERIFY(QFileInfo(command.takeLast()).size() > 0);
        }
        QCOMPARE(seen, command);
        QCOMPARE(filesIn(out(), {".*"}), QStringList());
        QCOMPARE(call.parentDeathSignal, int(SIGKILL));  // the tool dies with the program
        QCOMPARE(page(kind).progressBar->value(), bar);
        QCOMPARE(page(kind).startButton->text(), startLabel);
        QVERIFY(page(kind).openButton->isEnabled() && enabledTabs() == 4);
    }

    // Three files, the middle one special: it fails, or Stop is pressed while
    // it runs, or the tool cannot start at all. What the rows show, and what
    // is left on disk.
    void threeFiles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("middle");  // its script, or bytes that are no WAV, or what is on the PATH
        QTest::addColumn<int>("stops");          // presses of Stop while it runs
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<int>("calls");
        QTest::addColumn<QString>("reason");  // the first row not "OK." says why
        const auto row = [](const char *tag, int kind, const QByteArray &middle, int stops, const QStringList &statuses,
                            int calls, const char *reason) {
            QTest::newRow(tag) << kind << middle << stops << statuses << calls << QString::fromUtf8(reason);
        };
        const QStringList failed{"OK.", "FAIL!", "OK."}, stopped{"OK.", "STOP!", "N/A"}, notStarted{"FAIL!", "-", "-"};
        const QByteArray streamed = wave(QByteArray(8, '\0')).replace(4, 4, "\xff\xff\xff\xff").replace(40, 4, "\xff\xff\xff\xff");
        row("flv -> wav, exit code 1", 0, "exit 1\n", 0, failed, 3, "ffmpeg endete mit dem Fehlercode 1.");
        row("Normalize, exit code 3", 1, "err 80%\nexit 3\n", 0, failed, 3, "normalize-audio endete mit dem Fehlercode 3.");
        row("Normalize, error reading", 1, "err normalize-audio: error reading b.wav\n", 0, failed, 3,
            "normalize-audio meldete einen Fehler, obwohl es mit Code 0 endete.");
        // normalize-audio renames what it wrote over its file, whole or not, and exits with 0
        row("Normalize, rewritten whole", 1, "rewrite\n", 0, {"OK.", "OK.", "OK."}, 3, "");
        // "OK." with a warning: the file stays as it was
        row("Normalize, silent", 1, "err File b.wav has zero power, ignoring...\n", 0, {"OK.", "OK.", "OK."}, 3,
            "Die Datei ist stumm und bleibt, wie sie ist.");
        row("Normalize, cut short", 1, "rewrite 60\n", 0, failed, 3,
            "Die neu geschriebene Datei war unvollständig; das Original ist wiederhergestellt.");
        row("Normalize, fewer frames", 1, "shrink\n", 0, failed, 3,
            "Die neu geschriebene Datei war unvollständig; das Original ist wiederhergestellt.");
        // lengths it would never finish on: not given to it
        row("Normalize, streamed", 1, streamed, 0, failed, 2, "Die WAV-Datei hat keine Tondaten oder gibt ihre Länge nicht an");
        row("Normalize, no samples", 1, wave(""), 0, failed, 2, "Die WAV-Datei hat keine Tondaten");
        row("wav -> mp3, crash", 2, "crash\n", 0, failed, 3, "lame ist abgestürzt (SIGSEGV).");
        row("wav -> mp3, no WAV", 2, "NO WAV", 0, failed, 2, "Die Eingabedatei ist keine WAV- oder AIFF-Datei mit Tondaten");
        row("wav -> mp3, input gone", 2, "GONE", 0, failed, 2, "Die Eingabedatei wurde nicht gefunden.");
        row("mp3 -> wav, no output", 3, "nowrite\n", 0, failed, 3, "Die Ausgabe enthält keinen Ton.");
        row("mp3 -> wav, cut short", 3, "cut\n", 0, failed, 3, "Die Ausgabe ist unvollständig");
        row("Normalize, Stop", 1, "sleep 20000\n", 1, stopped, 2, "Mit „Stop“ angehalten.");
        row("mp3 -> wav, Stop twice", 3, "sleep 20000\n", 2, stopped, 2, "Mit „Stop“ angehalten.");
        row("flv -> wav, Stop, exits 255", 0, "term exit 255\nsleep 20000\n", 1, stopped, 2, "Mit „Stop“ angehalten.");
        // Stop met the tool's own end: its output is complete, but no further row starts.
        row("wav -> mp3, Stop, ends with 0", 2, "term exit 0\nsleep 20000\n", 1, {"OK.", "OK.", "N/A"}, 2, "Nicht bearbeitet");
        row("flv -> wav, Stop, ignored", 0, "term ignore\nsleep 20000\n", 1, stopped, 2,
            "Mit „Stop“ angehalten; ffmpeg lief nach 3 Sekunden noch und wurde beendet.");
        row("Normalize, not on the PATH", 1, "PATH: none", 0, notStarted, 0,
            "normalize-audio ist nicht installiert oder nicht im Suchpfad (PATH).");
        row("flv -> wav, not executable", 0, "PATH: ffmpeg", 0, notStarted, 0,
            "ffmpeg im Suchpfad (PATH) ist kein ausführbares Programm.");
    }
    void threeFiles()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, middle);
        QFETCH(int, stops);
        QFETCH(QStringList, statuses);
        QFETCH(int, calls);
        QFETCH(QString, reason);
        const QString suffix = suffixes[kind];
        // normalize-audio leaves its temporary file when stopped; an older one is not the program's to remove.
        write(in("_normOld456"), "someone else's");
        const QByteArray lastWords = "err  12% done\rthe tool's last words\n";
        open(kind, {{"a" + suffix, ""}, {"b" + suffix, lastWords + middle + "\nleave _normAbc123\n"}, {"c" + suffix, "exit 0\n"}});
        if (middle == "NO WAV" || middle.startsWith("RIFF"))
            write(in("b" + suffix), middle);
        if (middle == "GONE")
            QFile::remove(in("b" + suffix));
        const auto inputs = [&] { return contents(in("a" + suffix)) + contents(in("b" + suffix)) + contents(in("c" + suffix)); };
        const QByteArray inputsBefore = inputs();
        if (middle.startsWith("PATH: "))
            stubs->leaveOnlyOnPath(middle == "PATH: none" ? QString() : page(kind).program);
        const QString earlier = out(kind == Encode ? "b.mp3" : "b.wav");
        write(earlier, "an earlier result");
        QStringList boxes;
        ModalAnswers answers(noteWindows(&boxes));
        if (stops) {
            startAndWaitForCall(kind, 2);
            // While it runs only its own page can be used, and Open is off.
            QVERIFY(enabledTabs() == 1 && !page(kind).openButton->isEnabled());
            for (int press = 0; press < stops; ++press)
                QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
            // The first row's "OK." may still be on its way to the disk.
            QCOMPARE(column(page(kind).table, 1).mid(1), QStringList({"N/A", "N/A"}));
        } else {
            QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
        }

        QVERIFY(waitForEnd(page(kind)));
        QCOMPARE(column(page(kind).table, 1), statuses);
        QVERIFY(page(kind).table->viewport()->updatesEnabled());  // the table is not left unpainted
        // The reason of the first row that is not "OK.", also for a screen reader: the
        // tool's own last words, but no progress. "OK." says nothing more.
        const bool warned = statuses == QStringList{"OK.", "OK.", "OK."} && !reason.isEmpty();
        const int explained = warned ? 1 : int(statuses.indexOf(QRegularExpression("FAIL!|STOP!|N/A")));
        QVERIFY(page(kind).table->item(0, 1)->toolTip().isEmpty() || explained == 0);
        const QTableWidgetItem *second = page(kind).table->item(1, 1);
        QCOMPARE(second && !second->icon().isNull(), warned);  // the style's warning sign beside "OK."
        if (explained >= 0) {
            const QString said = reasonOf(page(kind).table, explained);
            QVERIFY2(said.startsWith(reason) && page(kind).table->item(explained, 1)->toolTip().contains(reason), qPrintable(said));
            QVERIFY(calls != 3 || (said.contains("the tool's last words") && !said.contains("12% done")));
        }
        // The completion box counts the failures and names them.
        const QString failures = statuses.contains("FAIL!") ? "\n1 von 3 Dateien ist fehlgeschlagen (FAIL!)\nb" + suffix
                                 : warned                 ? "\n1 Datei mit Warnung" : "";
        QCOMPARE(boxes, statuses.last() == "OK." ? QStringList{"tonquirl: " + QString(page(kind).completionMessage) + failures}
                                                 : QStringList());
        QCOMPARE(stubs->calls().size(), calls);
        QVERIFY(enabledTabs() == 4 && page(kind).openButton->isEnabled());
        // Nothing half written stays, and an earlier file of the output's name is kept unless the row succeeded.
        QCOMPARE(filesIn(out(), {".*"}) + filesIn(in(), {".*"}), QStringList());
        QCOMPARE(inputs(), inputsBefore);  // rewritten whole, or put back as they were
        if (kind == Normalize)
            QCOMPARE(QFileInfo::exists(in("_normAbc123")), statuses[1] == "OK.");
        else
            QCOMPARE(contents(earlier) == "an earlier result", statuses[1] != "OK.");
        QCOMPARE(contents(in("_normOld456")), QByteArray("someone else's"));
        if (kind == Extract && calls == 3)  // only what was written goes on
            QCOMPARE(column(dialog->normTableWidget, 0), QStringList({"a.wav", "c.wav"}));
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
        open(Encode, {{"a.wav", "sleep 20000\n"}});
        write(out("a.mp3"), "an earlier result");
        startAndWaitForCall(Encode, 1);
        const QString tool = "/proc/" + QString::number(stubs->calls().first().pid);
        QVERIFY(QFileInfo::exists(tool));

        QTimer::singleShot(0, dialog.get(), [&] { signalNumber ? void(raise(signalNumber)) : void(dialog->close()); });
        QCOMPARE(QApplication::exec(), signalNumber ? 128 + signalNumber : 0);
        QVERIFY(!QFileInfo::exists(tool));
        QCOMPARE(filesIn(out(), {".*"}), QStringList());
        QCOMPARE(contents(out("a.mp3")), QByteArray("an earlier result"));
    }

    void neverOverwriteAnInputOrAnEarlierResult_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");  // "@": listed on wav -> mp3, a source for every other page
        QTest::addColumn<QString>("saveFolder");  // under the work folder; "link" leads to "in"
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QString>("reason");  // of the first "FAIL!"
        const auto row = [](const char *tag, int kind, const QStringList &names, const char *saveFolder,
                            const QStringList &statuses, const char *reason) {
            QTest::newRow(tag) << kind << names << QString(saveFolder) << statuses << QString::fromUtf8(reason);
        };
        row("mp3 into its own folder", 2, {"x.mp3", "y.wav"}, "in", {"FAIL!", "OK."},
            "Die Ausgabe würde „x.mp3“ überschreiben, die auf der Seite „wav -> mp3“ aufgeführt ist.");
        row("wav picked for decoding", 3, {"x.wav", "y.mp3"}, "in", {"FAIL!", "OK."},
            "Die Ausgabe würde „x.wav“ überschreiben, die auf der Seite „mp3 -> wav“ aufgeführt ist.");
        row("through a linked folder", 3, {"x.wav", "y.mp3"}, "link", {"FAIL!", "OK."},
            "Die Ausgabe würde „x.wav“ überschreiben, die auf der Seite „mp3 -> wav“ aufgeführt ist.");
        row("a later row's input", 3, {"x.mp3", "x.wav"}, "in", {"FAIL!", "FAIL!"},
            "Die Ausgabe würde „x.wav“ überschreiben, die auf der Seite „mp3 -> wav“ aufgeführt ist.");
        row("wav picked for extraction", 0, {"a.flv", "x.wav"}, "in", {"OK.", "FAIL!"},
            "Die Ausgabe würde „x.wav“ überschreiben, die auf der Seite „flv -> wav“ aufgeführt ist.");
        row("two videos, one name", 0, {"a.flv", "a.mp4", "b.flv"}, "out", {"OK.", "FAIL!", "OK."},
            "Die Ausgabe würde „a.wav“ überschreiben, das Ergebnis einer früheren Datei.");
        row("a file listed on another page", 3, {"@song.wav", "song.mp3", "other.mp3"}, "in", {"OK.", "FAIL!"},
            "Die Ausgabe würde „song.wav“ überschreiben, die auf der Seite „wav -> mp3“ aufgeführt ist.");
    }
    void neverOverwriteAnInputOrAnEarlierResult()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QString, saveFolder);
        QFETCH(QStringList, statuses);
        QFETCH(QString, reason);
        QVERIFY(QFile::link(in(), work->filePath("link")));
        QList<QPair<QString, QByteArray>> files;
        for (const QString &name : names)
            name.startsWith('@') ? open(Encode, {{name.mid(1), ""}}) : files.append({name, "input " + name.toUtf8() + "\n"});
        open(kind, files);
        page(kind).saveEdit->setText(work->filePath(saveFolder) + '/');
        const auto inputs = [&] { QByteArray all; for (const QString &n : names) all += contents(in(n.mid(n.startsWith('@')))); return all; };
        const QByteArray before = inputs();

        const QStringList boxes = runBatch(*dialog, JobKind(kind));
        QCOMPARE(column(page(kind).table, 1), statuses);
        QCOMPARE(reasonOf(page(kind).table, int(statuses.indexOf("FAIL!"))), reason);
        const int failed = int(statuses.count("FAIL!"));
        QVERIFY(boxes.value(0).contains(QString("\n%1 von %2 Dateien %3 fehlgeschlagen (FAIL!)\n")
                                        .arg(failed).arg(statuses.size()).arg(failed == 1 ? "ist" : "sind")));
        QCOMPARE(stubs->calls().size(), statuses.count("OK."));  // a refused row does not run
        QCOMPARE(inputs(), before);
    }

    // A WAV listed through a link is normalized where it really is; Stop
    // after the rewrite puts its original back there, and the link stays.
    void normalizeThroughALink()
    {
        QVERIFY(QDir(work->path()).mkpath("music"));
        const QString real = work->filePath("music/real.wav");
        const QByteArray original = wave("\nshrink\nsleep 20000\n\n\n\n");
        write(real, original);
        QVERIFY(QFile::link(real, in("l.wav")));
        openFiles(*dialog, Normalize, in(), {"l.wav"});
        startAndWaitForCall(Normalize, 1);
        QVERIFY(QTest::qWaitFor([&] { return contents(real) != original; }, patience));
        QTest::mouseClick(dialog->normConvertButton, Qt::LeftButton);
        QVERIFY(waitForEnd(page(Normalize)));
        QCOMPARE(column(dialog->normTableWidget, 1), QStringList{"STOP!"});
        QCOMPARE(stubs->calls().first().command, QStringList({"normalize-audio", real}));
        QCOMPARE(contents(real), original);
        QVERIFY(QFileInfo(in("l.wav")).isSymLink());
        QCOMPARE(QDir(work->filePath("music")).entryList(QDir::Files | QDir::Hidden), QStringList{"real.wav"});
    }

    // Where the output cannot go, the row says why, as the system answered;
    // an output already there, listed on no page, is the user's to give up.
    void whereTheOutputGoes_data()
    {
        QTest::addColumn<QString>("disk");    // options of a small tmpfs as the folder, or "missing"; none: out/
        QTest::addColumn<QString>("answer");  // to the question about a.wav already there; none: nothing is there
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QString>("reason");  // of the first row
        const QStringList failed{"FAIL!", "FAIL!"}, done{"OK.", "OK."};
        QTest::newRow("folder missing") << "missing" << "" << failed << "Den Zielordner gibt es nicht.";
        QTest::newRow("folder read-only") << "ro" << "" << failed << "In den Zielordner kann nicht geschrieben werden.";
        QTest::newRow("disk full") << "nr_inodes=1" << "" << failed << QString::fromUtf8("Der Datenträger ist voll.");
        QTest::newRow("replaced") << "" << "Ersetzen" << done << "";
        QTest::newRow("skipped") << "" << QString::fromUtf8("Überspringen") << QStringList{"N/A", "OK."}
                                 << QString::fromUtf8("Übersprungen: „a.wav“ gibt es schon im Zielordner.");
        QTest::newRow("cancelled") << "" << "Abbrechen" << QStringList{"-", "-"} << "";
        QTest::newRow("nothing there") << "" << "" << done << "";
    }
    void whereTheOutputGoes()
    {
        QFETCH(QString, disk);
        QFETCH(QString, answer);
        QFETCH(QStringList, statuses);
        QFETCH(QString, reason);
        const QString folder = disk.isEmpty() ? out() : out("disk/");
        const bool mounted = !disk.isEmpty() && disk != "missing";
        const auto unmount = qScopeGuard([&] { mounted && QProcess::execute("umount", {folder}); });
        if (mounted && (getuid() != 0 || !QDir().mkpath(folder)
                        || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k," + disk, "tmpfs", folder})))
            QSKIP("mounting a small tmpfs needs root");
        open(Decode, {{"a.mp3", ""}, {"b.mp3", ""}});
        dialog->mpSaveLineEdit->setText(folder);
        if (!answer.isEmpty())
            write(out("a.wav"), "encoded earlier");
        QStringList questions;
        ModalAnswers answers([&](QWidget *modal) {
            questions << static_cast<QMessageBox *>(modal)->text();
            if (!press(modal, answer))
                modal->close();  // the completion box
        });
        QTest::mouseClick(page(Decode).startButton, Qt::LeftButton);  // the question comes before any tool runs
        if (answer != "Abbrechen")
            QVERIFY(waitForEnd(page(Decode)));
        QVERIFY(questions.first().startsWith(answer.isEmpty() ? QString("Dekodierung abgeschlossen!")
                                                              : QString::fromUtf8("„a.wav“ gibt es schon im Zielordner.")));
        QCOMPARE(column(dialog->mpTableWidget, 1), statuses);
        QCOMPARE(reasonOf(dialog->mpTableWidget, 0), reason);
        QCOMPARE(stubs->calls().size(), int(statuses.count("OK.")));
        QVERIFY(!disk.isEmpty() || contents(out("a.wav")).startsWith(answer == "Ersetzen" || answer.isEmpty() ? "RIFF" : "encoded earlier"));
    }

    void aFolderChangedMidBatchIsCheckedAgain()
    {
        open(Encode, {{"a.wav", "sleep 400\n"}, {"b.mp3", ""}});
        write(out("b.mp3"), "a result to keep");
        QStringList boxes;
        ModalAnswers answers(noteWindows(&boxes));
        startAndWaitForCall(Encode, 1);
        dialog->wavOpenLineEdit->setText(out());  // row 1 would now read and write out/b.mp3
        QVERIFY(waitForEnd(page(Encode)));
        QCOMPARE(column(dialog->wavTableWidget, 1), QStringList({"OK.", "FAIL!"}));
        QCOMPARE(contents(out("b.mp3")), QByteArray("a result to keep"));
    }

    void extractionHandsItsFilesOver_data()
    {
        QTest::addColumn<QString>("saveText");  // OUT and IN stand for the two folders
        QTest::addColumn<QString>("folder");
        QTest::newRow("chosen folder") << "OUT/" << "OUT/";
        QTest::newRow("typed without slash") << "OUT" << "OUT/";
        QTest::newRow("emptied") << "" << "IN/";
    }
    void extractionHandsItsFilesOver()
    {
        QFETCH(QString, saveText);
        QFETCH(QString, folder);
        const auto place = [this](QString text) { return text.replace("OUT", out().chopped(1)).replace("IN/", in()); };
        open(Normalize, {{"old.wav", ""}});
        dialog->normProgressBar->setValue(33);
        open(Extract, {{"b.flv", ""}, {"a.flv", ""}});
        dialog->flvSaveLineEdit->setText(place(saveText));

        QCOMPARE(runBatch(*dialog, Extract).size(), 1);
        const QString written = place(folder);
        for (QTableWidget *table : {dialog->normTableWidget, dialog->wavTableWidget})
            QCOMPARE(column(table, 0) + column(table, 1), QStringList({"a.wav", "b.wav", "-", "-"}));
        for (QLineEdit *edit : {dialog->wavOpenLineEdit, dialog->normOpenLineEdit, dialog->wavSaveLineEdit})
            QCOMPARE(edit->text(), written);
        QVERIFY(dialog->wavConvertButton->isEnabled() && !dialog->flvConvertButton->isEnabled());
        QCOMPARE(dialog->normProgressBar->value(), 33);

        // Ready to go: normalizing takes exactly the files just written.
        QCOMPARE(runBatch(*dialog, Normalize).size(), 1);
        QCOMPARE(stubs->calls().last().command, QStringList({"normalize-audio", written + "b.wav"}));
    }
};

QTEST_MAIN(DialogTest)
#include "tst_dialog.moc"
