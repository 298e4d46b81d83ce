// The dialog as it stands after start-up: pages, widgets, fonts, colours, focus.
#include "support/dialogprobe.h"

#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <memory>

class FormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<tonquirl> dialog;

    QWidget *widget(const QString &name) { return dialog->findChild<QWidget *>(name); }

private slots:
    void init()
    {
        DialogProbe::pretendToolsInstalled();
        dialog = std::make_unique<tonquirl>();
    }
    void cleanup() { dialog.reset(); }

    void pagesInOrder()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("tonquirl 1.5"));
        QCOMPARE(dialog->tabWidget->count(), 4);
        const QStringList titles{"flv -> wav", "Normalize", "wav -> mp3", "mp3 -> wav"};
        const QList<QWidget *> pages{dialog->tab1, dialog->tab2, dialog->tab3, dialog->tab4};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dialog->tabWidget->tabText(i), titles[i]);
            QCOMPARE(dialog->tabWidget->widget(i), pages[i]);
            QVERIFY(dialog->tabWidget->isTabEnabled(i));
        }
        QCOMPARE(dialog->tabWidget->currentIndex(), 0);
    }

    void startingState()
    {
        const QList<QPair<QPushButton *, QString>> startButtons{
            {dialog->flvConvertButton, "Get Wave"},
            {dialog->normConvertButton, "Normalize Audio"},
            {dialog->wavConvertButton, "Convert"},
            {dialog->mpConvertButton, "Back to Wave"}};
        for (const auto &[button, label] : startButtons) {
            QCOMPARE(button->text(), label);
            QVERIFY(!button->isEnabled());
        }
        for (QPushButton *button : {dialog->flvOpenButton, dialog->flvSaveButton, dialog->normOpenButton,
                                    dialog->wavOpenButton, dialog->wavSaveButton, dialog->mpOpenButton,
                                    dialog->mpSaveButton})
            QVERIFY(button->isEnabled());
        for (QProgressBar *bar : {dialog->flvProgressBar, dialog->normProgressBar,
                                  dialog->wavProgressBar, dialog->mpProgressBar}) {
            QCOMPARE(bar->value(), 0);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 100);
        }
        for (QTableWidget *table : {dialog->flvTableWidget, dialog->normTableWidget,
                                    dialog->wavTableWidget, dialog->mpTableWidget})
            QCOMPARE(table->rowCount(), 0);
        QCOMPARE(dialog->wavIDFormatLineEdit->text(), QStringLiteral("N-A-T"));
        QVERIFY(dialog->CDradioButton->isChecked());
        QVERIFY(!dialog->MQradioButton->isChecked());
        QVERIFY(!dialog->LQradioButton->isChecked());
        QVERIFY(!dialog->wavTagsCheckBox->isChecked());
        QCOMPARE(dialog->groupBox->title(), QStringLiteral("Quality"));
        QCOMPARE(dialog->FormatLabel->text(), QStringLiteral("File-Format"));
        QCOMPARE(dialog->wavTagsCheckBox->text(), QStringLiteral("ID3-Tags"));
        QCOMPARE(dialog->MQradioButton->text(), QStringLiteral("192k (Middle Quality)"));
        QCOMPARE(dialog->LQradioButton->text(), QStringLiteral("128k (Low Quality)"));
    }

    void widgetPlaces_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("pointSize");

        const auto row = [](const char *name, const char *cls, const char *parent, QRect rect, int pt) {
            QTest::newRow(name) << QString(cls) << QString(parent) << rect << pt;
        };
        row("tabWidget", "QTabWidget", "tonquirl", {10, 20, 581, 671}, 12);
        row("flvTableWidget", "QTableWidget", "tab1", {20, 80, 531, 401}, 10);
        row("flvOpenLineEdit", "QLineEdit", "tab1", {30, 30, 371, 24}, 10);
        row("flvOpenButton", "QPushButton", "tab1", {430, 30, 75, 28}, 10);
        row("flvSaveButton", "QPushButton", "tab1", {460, 580, 75, 28}, 10);
        row("flvSaveLineEdit", "QLineEdit", "tab1", {30, 580, 391, 24}, 10);
        row("flvConvertButton", "QPushButton", "tab1", {60, 520, 111, 31}, 12);
        row("flvProgressBar", "QProgressBar", "tab1", {240, 520, 271, 23}, 10);
        row("normTableWidget", "QTableWidget", "tab2", {20, 80, 531, 391}, 12);
        row("normOpenLineEdit", "QLineEdit", "tab2", {30, 30, 381, 23}, 10);
        row("normOpenButton", "QPushButton", "tab2", {440, 30, 75, 27}, 10);
        row("normConvertButton", "QPushButton", "tab2", {50, 510, 141, 41}, 12);
        row("normProgressBar", "QProgressBar", "tab2", {240, 520, 281, 23}, 10);
        row("wavTableWidget", "QTableWidget", "tab3", {20, 80, 531, 331}, 10);
        row("wavOpenLineEdit", "QLineEdit", "tab3", {30, 30, 391, 24}, 10);
        row("wavOpenButton", "QPushButton", "tab3", {440, 30, 75, 28}, 10);
        row("wavProgressBar", "QProgressBar", "tab3", {230, 540, 271, 23}, 10);
        row("groupBox", "QGroupBox", "tab3", {40, 420, 501, 101}, 10);
        row("CDradioButton", "QRadioButton", "groupBox", {20, 20, 141, 24}, 10);
        row("MQradioButton", "QRadioButton", "groupBox", {180, 20, 161, 24}, 10);
        row("LQradioButton", "QRadioButton", "groupBox", {350, 20, 141, 24}, 10);
        row("wavIDFormatLineEdit", "QLineEdit", "groupBox", {238, 61, 242, 24}, 10);
        row("FormatLabel", "QLabel", "groupBox", {171, 61, 62, 24}, 10);
        row("wavTagsCheckBox", "QCheckBox", "groupBox", {20, 60, 131, 22}, 10);
        row("wavConvertButton", "QPushButton", "tab3", {70, 530, 91, 31}, 12);
        row("wavSaveButton", "QPushButton", "tab3", {450, 580, 75, 28}, 10);
        row("wavSaveLineEdit", "QLineEdit", "tab3", {40, 580, 381, 24}, 10);
        row("mpTableWidget", "QTableWidget", "tab4", {20, 80, 531, 411}, 10);
        row("mpOpenLineEdit", "QLineEdit", "tab4", {30, 30, 401, 24}, 10);
        row("mpOpenButton", "QPushButton", "tab4", {450, 30, 75, 28}, 10);
        row("mpConvertButton", "QPushButton", "tab4", {60, 510, 131, 41}, 12);
        row("mpSaveButton", "QPushButton", "tab4", {450, 580, 75, 28}, 10);
        row("mpProgressBar", "QProgressBar", "tab4", {230, 520, 291, 23}, 10);
        row("mpSaveLineEdit", "QLineEdit", "tab4", {40, 580, 381, 24}, 10);
    }

    void widgetPlaces()
    {
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QRect, rect);
        QFETCH(int, pointSize);

        QWidget *w = widget(QTest::currentDataTag());
        QVERIFY(w);
        QCOMPARE(QString(w->metaObject()->className()), className);
        QCOMPARE(w->parentWidget()->objectName(), parentName);
        QCOMPARE(w->geometry(), rect);
        QCOMPARE(w->font().pointSize(), pointSize);

        // Absolute places: a bigger window moves and stretches nothing.
        dialog->show();
        dialog->resize(1000, 900);
        QCoreApplication::processEvents();
        QCOMPARE(w->geometry(), rect);
    }

    void palette()
    {
        const QColor black(0, 0, 0), grey(130, 130, 130);
        for (QWidget *w : {static_cast<QWidget *>(dialog->flvOpenLineEdit),
                           static_cast<QWidget *>(dialog->wavConvertButton),
                           static_cast<QWidget *>(dialog->mpTableWidget),
                           static_cast<QWidget *>(dialog->LQradioButton)}) {
            for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText}) {
                QCOMPARE(w->palette().color(QPalette::Active, role), black);
                QCOMPARE(w->palette().color(QPalette::Inactive, role), black);
                QCOMPARE(w->palette().color(QPalette::Disabled, role), grey);
            }
        }
    }

    void focus()
    {
        QCOMPARE(dialog->flvTableWidget->focusPolicy(), Qt::NoFocus);
        QCOMPARE(dialog->wavTableWidget->focusPolicy(), Qt::NoFocus);
        QCOMPARE(dialog->mpTableWidget->focusPolicy(), Qt::NoFocus);
        QCOMPARE(dialog->normTableWidget->focusPolicy(), QTableWidget().focusPolicy());
        QVERIFY(dialog->normTableWidget->focusPolicy() != Qt::NoFocus);
    }

    void tabOrder()
    {
        const QStringList chain{"tabWidget", "flvOpenLineEdit", "flvOpenButton", "flvConvertButton",
                                "flvSaveLineEdit", "flvSaveButton", "wavOpenLineEdit", "wavOpenButton",
                                "CDradioButton", "MQradioButton", "LQradioButton", "wavConvertButton",
                                "wavSaveLineEdit", "wavSaveButton", "mpOpenLineEdit", "mpOpenButton",
                                "mpConvertButton", "mpSaveLineEdit", "mpSaveButton"};
        // The order in which the listed widgets come up in the focus chain.
        QStringList seen;
        QWidget *w = widget(chain.first());
        do {
            if (chain.contains(w->objectName()) && !seen.contains(w->objectName()))
                seen << w->objectName();
            w = w->nextInFocusChain();
        } while (w != widget(chain.first()));
        QCOMPARE(seen, chain);
    }

    void tabKeyWalksThePage()
    {
        dialog->flvConvertButton->setEnabled(true);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->flvOpenLineEdit->setFocus();
        for (QWidget *next : {static_cast<QWidget *>(dialog->flvOpenButton),
                              static_cast<QWidget *>(dialog->flvConvertButton),
                              static_cast<QWidget *>(dialog->flvSaveLineEdit),
                              static_cast<QWidget *>(dialog->flvSaveButton)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void formatLegend()
    {
        const QString legend = dialog->wavIDFormatLineEdit->toolTip();
        QCOMPARE(dialog->FormatLabel->toolTip(), legend);
        QTextDocument document;
        document.setHtml(legend);
        QCOMPARE(document.toPlainText(),
                 QStringLiteral("N = Track-Nummer\nA = Artist\nT = Titel"));
        QCOMPARE(document.firstBlock().charFormat().fontPointSize(), 10.0);
    }

    void infoPicture()
    {
        const QImage picture(QStringLiteral(":/pics/zemblo.jpg"));
        QCOMPARE(picture.size(), QSize(150, 179));
        QVERIFY(QImage(QStringLiteral(":/pics/Zemblo.jpg")).isNull());  // paths are case-sensitive

        QTextDocument info;
        info.setHtml(dialog->whatsThis());
        QCOMPARE(info.blockCount(), 5);
        QCOMPARE(info.firstBlock().text(), QStringLiteral("tonquirl 1.5"));
        const QTextBlock last = info.lastBlock();
        QCOMPARE(last.blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(last.previous().text(), QString());  // an empty line above the picture
        const QTextImageFormat image = last.begin().fragment().charFormat().toImageFormat();
        QVERIFY(image.isValid());
        QCOMPARE(image.name(), QStringLiteral(":/pics/zemblo.jpg"));
    }

    void whatsThisHelp()
    {
        QVERIFY(dialog->windowFlags() & Qt::WindowContextHelpButtonHint);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QTest::keyClick(dialog->flvOpenLineEdit, Qt::Key_F1, Qt::ShiftModifier);
        QWidget *shown = nullptr;
        QTRY_VERIFY((shown = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && QString(w->metaObject()->className()) == "QWhatsThat")
                    return w;
            return static_cast<QWidget *>(nullptr);
        }()));
        shown->close();
    }
};

QTEST_MAIN(FormTest)
#include "tst_form.moc"
