// What the program remembers of the operator's choices from one run to the
// next: the menu's language and form, the output folder of the proposed file
// name, and each capture window's place and size, kept on the screen.

#include "SavingFixture.h"

#include "platform/Settings.h"
#include "shell/MainMenu.h"

#include <QRadioButton>
#include <QScreen>

Q_DECLARE_METATYPE(Language)

class TstRemembered : public QObject, SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QFile::remove(platform::settingsFileName());
        platform::setRemembering(true);
        setUp();
    }
    void cleanup()
    {
        tearDown();
        platform::setRemembering(false);
        QFile::remove(platform::settingsFileName());
    }

    void menuStartsWithTheLastChoices_data()
    {
        QTest::addColumn<QString>("languageOption");
        QTest::addColumn<QString>("formOption");
        QTest::addColumn<Language>("language");
        QTest::newRow("French, T02") << "Opt_french" << "Opt_TvFrmT02" << Language::French;
        QTest::newRow("Spanish, T01") << "Opt_spanish" << "Opt_FMFrmT01" << Language::Spanish;
        QTest::newRow("English, T01") << "Opt_english" << "Opt_FMFrmT01" << Language::English;
    }
    void menuStartsWithTheLastChoices()
    {
        QFETCH(QString, languageOption);
        QFETCH(QString, formOption);
        QFETCH(Language, language);
        {
            MainMenu first;
            first.findChild<QRadioButton *>("Opt_spanish")->click();
            first.findChild<QRadioButton *>(languageOption)->click();
            first.findChild<QRadioButton *>(formOption)->click();
        }
        MainMenu next;
        QCOMPARE(next.language(), language);
        QVERIFY(next.findChild<QRadioButton *>(languageOption)->isChecked());
        QVERIFY(next.findChild<QRadioButton *>(formOption)->isChecked());
    }

    // Scripted runs, imports and screenshots turn nothing on: the menu then
    // starts as designed and writes no settings.
    void nothingRememberedWhenOff()
    {
        platform::setRemembering(false);
        {
            MainMenu first;
            first.findChild<QRadioButton *>("Opt_french")->click();
        }
        MainMenu next;
        QCOMPARE(next.language(), Language::English);
        QVERIFY(!next.findChild<QRadioButton *>("Opt_FMFrmT01")->isChecked());
        QVERIFY(!QFile::exists(platform::settingsFileName()));
    }

    // The next file is proposed in the folder of the last one written.
    void outputFolderOfTheLastFile()
    {
        QTemporaryDir elsewhere;
        const QString name = QDir(elsewhere.path()).filePath("mine.txt");
        open(FormKind::T01);
        m_drive->put(Control::Txt_Filename, name);
        m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
        QVERIFY(m_drive->saveNext());
        m_window->close();
        open(FormKind::T02);
        QCOMPARE(QFileInfo(box(Control::Txt_Filename)->text()).absolutePath(), QFileInfo(name).absolutePath());
    }

    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("kept");
        const QRect screen(0, 0, 1366, 768);
        QTest::newRow("inside") << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
        QTest::newRow("right of it") << QRect(3000, 50, 800, 600) << QRect(566, 50, 800, 600);
        QTest::newRow("above and left") << QRect(-500, -40, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("larger") << QRect(200, 100, 1920, 1080) << screen;
    }
    void keptOnScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, kept);
        QCOMPARE(platform::keptOnScreen(window, QRect(0, 0, 1366, 768)), kept);
    }

    // A window comes back where it closed, whole on the screen.
    void windowComesBackWhereItClosed()
    {
        open(FormKind::T01);
        const QRect available = m_window->screen()->availableGeometry();
        const QRect left(available.topLeft() + QPoint(40, 30), QSize(500, 400));
        m_window->setGeometry(left);
        m_window->close();
        open(FormKind::T01);
        QCOMPARE(m_window->geometry(), platform::keptOnScreen(left, available));
        // Moved off the screen, it comes back on it.
        m_window->setGeometry(QRect(available.right() + 300, available.top() + 10, 500, 400));
        m_window->close();
        open(FormKind::T01);
        QVERIFY(available.contains(m_window->geometry()));
    }
};

QTEST_MAIN(TstRemembered)
#include "tst_remembered.moc"
