// The start-up checks for lame, ffmpeg and normalize-audio.
#include "support/dialogprobe.h"
#include "support/modal.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString lameMissing = QString::fromUtf8(
    "<b>Fehler: lame nicht gefunden!</b><br><br>tonquirl benötigt ffmpeg und lame.<br>"
    "Bitte installieren Sie die Anwendungen.<br>Das Programm wird geschlossen.");
const QString ffmpegMissing = QString::fromUtf8(
    "<b>Fehler: ffmpeg nicht gefunden!</b><br><br>tonquirl benötigt ffmpeg zum extrahieren<br>"
    "der Audiospur aus Flash-Filmen.<br>Diese Funktion wird nicht zur Verfügung stehen.<br>"
    "Bitte installieren Sie das Paket ffmpeg.");
const QString normalizeMissing = QString::fromUtf8(
    "<b>Fehler: normalize-audio nicht gefunden!</b><br><br>tonquirl benötigt normalize-audio für die<br>"
    "automatische Anpassung (normalisieren) der Lautstärke.<br>Diese Funktion wird nicht zur Verfügung stehen.<br>"
    "Bitte installieren Sie das Paket normalize-audio.");

struct BoxSeen {
    QString text;
    QString title;
    int pointSize;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

std::function<void(QWidget *)> recordAndClose(QList<BoxSeen> *boxes)
{
    return [boxes](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        boxes->append({box->text(), box->windowTitle(), box->font().pointSize(), box->icon(),
                       box->standardButtons()});
        box->accept();
    };
}

} // namespace

class ToolChecksTest : public QObject
{
    Q_OBJECT

    QTemporaryDir tools;

    // Points each check at a file, a folder or nothing, as `kinds` says ("file", "dir", "none").
    void placeTools(const QStringList &kinds)
    {
        const DialogProbe::Tool order[] = {DialogProbe::Lame, DialogProbe::Ffmpeg, DialogProbe::NormalizeAudio};
        for (int i = 0; i < 3; ++i) {
            const QString path = tools.filePath(QStringLiteral("tool%1-%2").arg(i).arg(kinds[i]));
            if (kinds[i] == "file") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
            } else if (kinds[i] == "dir") {
                QVERIFY(QDir().mkpath(path));
            }
            DialogProbe::toolPath(order[i]) = path;
        }
    }

private slots:
    void initTestCase()
    {
        // Before any test moves them: the program looks only where Debian installs the tools.
        QCOMPARE(DialogProbe::toolPath(DialogProbe::Lame), QStringLiteral("/usr/bin/lame"));
        QCOMPARE(DialogProbe::toolPath(DialogProbe::Ffmpeg), QStringLiteral("/usr/bin/ffmpeg"));
        QCOMPARE(DialogProbe::toolPath(DialogProbe::NormalizeAudio), QStringLiteral("/usr/bin/normalize-audio"));
    }

    void checks_data()
    {
        QTest::addColumn<QStringList>("kinds");  // lame, ffmpeg, normalize-audio
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QList<bool>>("tabsEnabled");
        QTest::newRow("all installed") << QStringList{"file", "file", "file"} << QStringList{}
                                       << QList<bool>{true, true, true, true};
        QTest::newRow("folders count as installed") << QStringList{"dir", "dir", "dir"} << QStringList{}
                                                    << QList<bool>{true, true, true, true};
        QTest::newRow("ffmpeg missing") << QStringList{"file", "none", "file"} << QStringList{ffmpegMissing}
                                        << QList<bool>{false, true, true, true};
        QTest::newRow("normalize-audio missing") << QStringList{"file", "file", "none"}
                                                 << QStringList{normalizeMissing}
                                                 << QList<bool>{true, false, true, true};
        QTest::newRow("both missing") << QStringList{"file", "none", "none"}
                                      << QStringList{ffmpegMissing, normalizeMissing}
                                      << QList<bool>{false, false, true, true};
    }

    void checks()
    {
        QFETCH(QStringList, kinds);
        QFETCH(QStringList, messages);
        QFETCH(QList<bool>, tabsEnabled);
        placeTools(kinds);

        tonquirl dialog;
        QList<BoxSeen> boxes;
        ModalAnswer answer(recordAndClose(&boxes));
        answer.always();
        dialog.show();
        QTest::qWait(200);  // the checks are queued: they run in the event loop

        QStringList texts;
        for (const BoxSeen &box : boxes) {
            texts << box.text;
            QCOMPARE(box.title, QStringLiteral("tonquirl"));
            QCOMPARE(box.pointSize, 12);
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        std::sort(texts.begin(), texts.end());
        std::sort(messages.begin(), messages.end());
        QCOMPARE(texts, messages);
        for (int tab = 0; tab < 4; ++tab)
            QCOMPARE(dialog.tabWidget->isTabEnabled(tab), tabsEnabled[tab]);
    }

    void lameMissingEndsTheProgramWithTwo()
    {
        placeTools({"none", "file", "file"});
        tonquirl dialog;
        QList<BoxSeen> boxes;
        ModalAnswer answer(recordAndClose(&boxes));
        QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // never hang the suite
        dialog.show();
        const int status = QApplication::exec();  // the event loop main() runs
        QCOMPARE(status, 2);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, lameMissing);
        QCOMPARE(boxes.first().pointSize, 12);
        QVERIFY(boxes.first().text.contains(QString::fromUtf8("benötigt")));
    }
};

QTEST_MAIN(ToolChecksTest)
#include "tst_toolchecks.moc"
