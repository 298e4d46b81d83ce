// SPDX-License-Identifier: GPL-3.0-or-later
// One language at a time: German widgets with German messages, English
// messages with English widgets, and the source texts in any other language.
#include <QProcess>
#include <QTest>

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void oneLanguageAtATime_data()
    {
        QTest::addColumn<QStringList>("environment");
        // Open button, header, the table's Copy, the format legend, start-up message, completion message, a reason,
        // Qt's Cancel, window title, and the labels and buttons whose text does not fit (DejaVu Sans, as on Debian)
        QTest::addColumn<QStringList>("texts");
        const QStringList source{"Open", "Files", "Kopieren", "N = Track-Nummer",
                                 "<b>Fehler: ffmpeg nicht gefunden!</b>", "Konvertierung beendet!",
                                 "Der Datenträger ist voll.", "Cancel", "tonquirl 1.5", "cramped:"};
        const QStringList german{"Öffnen", "Dateien", "Kopieren", "N = Titelnummer",
                                 "<b>Fehler: ffmpeg nicht gefunden!</b>", "Konvertierung beendet!",
                                 "Der Datenträger ist voll.", "Abbrechen", "tonquirl 1.5", "cramped:"};
        const QStringList english{"Open", "Files", "Copy", "N = track number", "<b>Error: ffmpeg not found!</b>",
                                  "Conversion finished!", "The disk is full.", "Cancel", "tonquirl 1.5", "cramped:"};
        QTest::newRow("de_DE") << QStringList{"LANG=de_DE.UTF-8"} << german;
        QTest::newRow("de_DE at scale 2") << QStringList{"LANG=de_DE.UTF-8", "QT_SCALE_FACTOR=2"} << german;
        QTest::newRow("en_GB") << QStringList{"LANG=en_GB.UTF-8"} << english;
        QTest::newRow("fr_FR") << QStringList{"LANG=fr_FR.UTF-8"} << source;
        QTest::newRow("C at scale 2") << QStringList{"LANG=C", "QT_SCALE_FACTOR=2"} << source;
        QTest::newRow("C.UTF-8 in LC_ALL over German") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C.UTF-8"} << source;
        QTest::newRow("LANGUAGE before LANG") << QStringList{"LANG=en_GB.UTF-8", "LANGUAGE=de"} << german;
    }
    void oneLanguageAtATime()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, texts);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        for (const QString &setting : environment)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(TRANSLATIONPROBE_PATH, QStringList());
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).trimmed().split('\n'), texts);
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
