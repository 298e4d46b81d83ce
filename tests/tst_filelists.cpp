// Open and Save on every page, through the real file and folder choosers.
#include "support/choosers.h"
#include "support/dialogprobe.h"
#include "support/pages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

} // namespace

class FileListsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tonquirl> dialog;
    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString &name = QString()) const
    {
        return name.isEmpty() ? folder->path() + '/' : folder->filePath(name);
    }

    // Clicks Open and answers the chooser; gives what the chooser was opened with.
    ChooserSeen open(const Page &page, const QString &where, const QStringList &names)
    {
        ChooserSeen seen;
        ModalAnswer answer(pickFiles(where, names, &seen));
        QTest::mouseClick(page.openButton, Qt::LeftButton);
        if (answer.answeredCount() != 1 || answer.unexpectedCount() != 0)
            qWarning("the file chooser did not come up once, or did not close");
        return seen;
    }

private slots:
    void init()
    {
        DialogProbe::pretendToolsInstalled();
        dialog = std::make_unique<tonquirl>();
        folder = std::make_unique<QTemporaryDir>();
        for (const char *name : {"b.wav", "A.wav", "c.WAV", "x.mp3", "y.flv"})
            touch(path(name));
    }
    void cleanup()
    {
        dialog.reset();
        folder.reset();
    }

    void pages_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("flv -> wav") << 0;
        QTest::newRow("Normalize") << 1;
        QTest::newRow("wav -> mp3") << 2;
        QTest::newRow("mp3 -> wav") << 3;
    }

    void openListsSortedWithFolder_data() { pages_data(); }
    void openListsSortedWithFolder()
    {
        QFETCH(int, index);
        const Page page = pageOf(*dialog, index);
        DialogProbe::currentRow(*dialog) = 5;
        page.bar->setValue(40);

        const ChooserSeen seen = open(page, path(), {"b.wav", "A.wav", "c.WAV"});

        QCOMPARE(seen.startFolder, QDir::homePath());
        QCOMPARE(seen.nameFilters, page.filters);
        QCOMPARE(seen.fileMode, QFileDialog::ExistingFiles);
        QCOMPARE(seen.caption, QStringLiteral("Open File(s)"));
        QCOMPARE(column(page.table, 0), QStringList({"A.wav", "b.wav", "c.WAV"}));
        QCOMPARE(page.table->columnCount(), 2);
        QCOMPARE(page.table->horizontalHeaderItem(0)->text(), QStringLiteral("Files"));
        QCOMPARE(page.table->horizontalHeaderItem(1)->text(), QStringLiteral("Status"));
        QCOMPARE(page.table->columnWidth(0), 440);
        QCOMPARE(page.table->columnWidth(1), 60);
        for (int row = 0; row < 3; ++row)
            QVERIFY(!page.table->item(row, 1));
        QCOMPARE(page.openEdit->text(), path());
        if (page.saveEdit)
            QCOMPARE(page.saveEdit->text(), path());
        QVERIFY(page.startButton->isEnabled());
        QCOMPARE(page.bar->value(), 0);
        QCOMPARE(DialogProbe::currentRow(*dialog), 0);

        // The next chooser starts where the files came from.
        const ChooserSeen again = open(page, path(), {});
        QCOMPARE(again.startFolder + '/', path());
    }

    void sortingFollowsCaseInsensitiveOrder()
    {
        QVERIFY(caseInsensitiveLessThan("b", "A"));  // "less than" answers greater: descending
        QVERIFY(!caseInsensitiveLessThan("A", "b"));
        QVERIFY(!caseInsensitiveLessThan("a", "A"));

        QStringList names{"b.wav", "A.wav", "c.WAV", "Zebra", "ärger", "_x", "10", "9", "Äpfel", "apfel2"};
        QStringList reference = names;
        std::sort(reference.begin(), reference.end(), caseInsensitiveLessThan);
        sortForListing(names);
        QCOMPARE(names, reference);
        QCOMPARE(names.first(), QStringLiteral("ärger"));
        QCOMPARE(names.last(), QStringLiteral("10"));  // by UTF-16 code units: digits before '_' and letters
    }

    void singleFile()
    {
        const Page page = pageOf(*dialog, 3);
        open(page, path(), {"x.mp3"});
        QCOMPARE(column(page.table, 0), QStringList({"x.mp3"}));
    }

    void cancelChangesNothing_data() { pages_data(); }
    void cancelChangesNothing()
    {
        QFETCH(int, index);
        const Page page = pageOf(*dialog, index);

        open(page, path(), {});  // a page never opened stays empty
        QCOMPARE(page.table->rowCount(), 0);
        QVERIFY(!page.startButton->isEnabled());
        QCOMPARE(page.openEdit->text(), QString());

        open(page, path(), {"A.wav"});
        page.bar->setValue(70);
        DialogProbe::currentRow(*dialog) = 3;
        open(page, path(), {});
        QCOMPARE(column(page.table, 0), QStringList({"A.wav"}));
        QCOMPARE(page.bar->value(), 70);
        QCOMPARE(DialogProbe::currentRow(*dialog), 3);
        QCOMPARE(page.openEdit->text(), path());
    }

    void secondOpenReplacesTheList()
    {
        const Page page = pageOf(*dialog, 2);
        page.saveEdit->setText(QStringLiteral("/tmp/chosen/"));
        open(page, path(), {"A.wav", "b.wav", "c.WAV"});
        QCOMPARE(page.saveEdit->text(), QStringLiteral("/tmp/chosen/"));  // a chosen folder stays

        QTemporaryDir other;
        touch(other.filePath("z.wav"));
        page.bar->setValue(55);
        DialogProbe::currentRow(*dialog) = 2;
        open(page, other.path(), {"z.wav"});
        QCOMPARE(column(page.table, 0), QStringList({"z.wav"}));
        QCOMPARE(page.openEdit->text(), other.path() + '/');
        QCOMPARE(page.saveEdit->text(), QStringLiteral("/tmp/chosen/"));
        QCOMPARE(page.bar->value(), 0);
        QCOMPARE(DialogProbe::currentRow(*dialog), 0);
    }

    void filesInTheRootFolder()
    {
        const QString name = QStringLiteral("tonquirl-test-%1.wav").arg(QCoreApplication::applicationPid());
        QFile file('/' + name);
        if (!file.open(QIODevice::WriteOnly))
            QSKIP("the root folder is not writable here");
        file.close();
        const Page page = pageOf(*dialog, 1);
        open(page, QStringLiteral("/"), {name});
        QFile::remove('/' + name);
        QCOMPARE(page.openEdit->text(), QStringLiteral("/"));
        QCOMPARE(column(page.table, 0), QStringList({name}));
    }

    void namesAppearAsTheyAre()
    {
        const QStringList names{"with space.wav", "quote\"d 'name'.wav", "-leading dash.wav",
                                "Größe Ärger ß.wav", QString(251, 'n') + ".wav"};
        for (const QString &name : names)
            touch(path(name));
        const Page page = pageOf(*dialog, 2);
        open(page, path(), names);
        QStringList expected = names;
        std::sort(expected.begin(), expected.end(),
                  [](const QString &a, const QString &b) { return a.toLower() < b.toLower(); });
        QCOMPARE(column(page.table, 0), expected);
        QCOMPARE(QFile::encodeName(names.last()).size(), 255);  // the longest name a file may have
    }

    void saveChoosesAFolderEndingInSlash_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("flv -> wav") << 0;
        QTest::newRow("wav -> mp3") << 2;
        QTest::newRow("mp3 -> wav") << 3;
    }
    void saveChoosesAFolderEndingInSlash()
    {
        QFETCH(int, index);
        const Page page = pageOf(*dialog, index);
        QVERIFY(QDir(folder->path()).mkdir("out"));

        ChooserSeen seen;
        ModalAnswer answer(pickFolder(path("out"), &seen));
        QTest::mouseClick(page.saveButton, Qt::LeftButton);
        QCOMPARE(answer.answeredCount(), 1);
        QCOMPARE(seen.startFolder, QDir::homePath());
        QCOMPARE(seen.fileMode, QFileDialog::Directory);
        QCOMPARE(seen.caption, QStringLiteral("Save in Folder"));
        QCOMPARE(page.saveEdit->text(), path("out") + '/');
    }

    void saveOnTheRootFolderAndCancel()
    {
        {
            ModalAnswer root(pickFolder(QStringLiteral("/")));
            QTest::mouseClick(dialog->mpSaveButton, Qt::LeftButton);
            QCOMPARE(dialog->mpSaveLineEdit->text(), QStringLiteral("/"));
        }

        ChooserSeen seen;
        ModalAnswer cancel(pickFolder(QString(), &seen));
        QTest::mouseClick(dialog->mpSaveButton, Qt::LeftButton);
        QCOMPARE(cancel.answeredCount(), 1);
        QCOMPARE(seen.startFolder, QStringLiteral("/"));
        QCOMPARE(dialog->mpSaveLineEdit->text(), QStringLiteral("/"));
    }

    void oneChooserPerClick()
    {
        for (QPushButton *button : {dialog->flvOpenButton, dialog->flvSaveButton, dialog->normOpenButton,
                                    dialog->wavOpenButton, dialog->wavSaveButton, dialog->mpOpenButton,
                                    dialog->mpSaveButton}) {
            ModalAnswer cancelAll(pickFiles(QString(), {}));
            cancelAll.always();
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(30);  // a second chooser, if any, would come up by now
            QVERIFY2(cancelAll.answeredCount() == 1, qPrintable(button->objectName()));
        }
    }

    void typedStartFoldersNeverHang_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("missing folder") << "/no/such/folder/";
        QTest::newRow("a file") << "/etc/hostname";
        QTest::newRow("empty") << "";
        QTest::newRow("garbage") << "\t:://\x01<>|*?";
        QTest::newRow("relative") << "some/where";
    }
    void typedStartFoldersNeverHang()
    {
        QFETCH(QString, typed);
        for (auto [edit, button] : {std::pair{dialog->wavOpenLineEdit, dialog->wavOpenButton},
                                    std::pair{dialog->wavSaveLineEdit, dialog->wavSaveButton}}) {
            edit->setText(typed);
            ModalAnswer cancel(pickFiles(QString(), {}));
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(cancel.answeredCount(), 1);
            QCOMPARE(edit->text(), typed);
        }
        QCOMPARE(dialog->wavTableWidget->rowCount(), 0);
    }
};

QTEST_MAIN(FileListsTest)
#include "tst_filelists.moc"
