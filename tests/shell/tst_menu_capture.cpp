// The menu with the real capture windows behind Go: the window it shows, modal
// and in the chosen language, and the files that two runs write.

#include "WindowDriver.h"

#include "CaptureOpener.h"
#include "capture/CaptureWindow.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "shell/MainMenu.h"

#include <QPointer>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// What the test saw of the modal window while Go was running.
struct ModalRun
{
    bool seen = false;
    bool modal = false;
    QString name;
    QString title;
    qint16 language = -1;
    QPointer<QWidget> window;
};

// The menu with the real capture windows behind Go.
class TestMenuCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void goShowsTheChosenWindowModallyInTheChosenLanguage_data();
    void goShowsTheChosenWindowModallyInTheChosenLanguage();
    void goTwiceOpensTwoSeparateWindows();
    void goTwiceWritesTwoFiles();

private:
    void choose(const QString &optionName);
    ModalRun pressGoAndCloseTheModalWindow();
    void pressGoAndSaveOneNotice(const QString &frequency);

    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<WindowDriver> m_drive;
};

void TestMenuCapture::init()
{
    m_menu = std::make_unique<MainMenu>();
    m_menu->setFormOpener(captureWindowOpener(m_menu.get()));
    m_drive = std::make_unique<WindowDriver>(*m_menu);
    QVERIFY(m_drive->show());
}

void TestMenuCapture::cleanup()
{
    m_drive.reset();
    m_menu.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestMenuCapture::choose(const QString &optionName)
{
    m_drive->click(optionName);
    QVERIFY(m_drive->isChecked(optionName));
}

// Presses Go and, from inside the modal run, notes the modal window and hides
// it, which ends the run without the window's own closing steps.
ModalRun TestMenuCapture::pressGoAndCloseTheModalWindow()
{
    ModalRun run;
    bool goReturned = false;
    QTimer watcher;
    watcher.setInterval(10);
    connect(&watcher, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        watcher.stop();
        run.seen = true;
        run.modal = modal->isModal() && !goReturned;
        run.name = modal->objectName();
        run.title = modal->windowTitle();
        run.language = qint16(m_menu->language());
        run.window = modal;
        modal->hide();
    });
    watcher.start();

    m_drive->click("ButtonGo");
    goReturned = true;
    return run;
}

void TestMenuCapture::goShowsTheChosenWindowModallyInTheChosenLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("window");
    QTest::addColumn<qint16>("code");
    QTest::addColumn<QString>("title");

    QTest::newRow("T01 in French")
        << "Opt_french" << "Opt_FMFrmT01" << "FmFrmT01M" << qint16(1)
        << "T01-M      Station de Radiodiffusion Sonore en VHF - Saisie des données- ";
    QTest::newRow("T02 in Spanish")
        << "Opt_spanish" << "Opt_TvFrmT02" << "TvFrmT02M" << qint16(2)
        << "T02-m      VHF/UHF Estación de Radiodifusión de Televisión - Captura de datos - ";
    QTest::newRow("T01 in English")
        << "Opt_english" << "Opt_FMFrmT01" << "FmFrmT01M" << qint16(0)
        << "T01-m      VHF Sound Broadcasting Station - Data Capture - ";
}

void TestMenuCapture::goShowsTheChosenWindowModallyInTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, form);
    QFETCH(QString, window);
    QFETCH(qint16, code);
    QFETCH(QString, title);

    choose(language);
    choose(form);
    platform::ScopedRecordingAlerts alerts;

    const ModalRun run = pressGoAndCloseTheModalWindow();
    QVERIFY2(run.seen, "Go showed no modal window");
    QVERIFY2(run.modal, "the window was not modal, or Go returned while it was open");
    QCOMPARE(run.name, window);
    QCOMPARE(run.language, code);
    QVERIFY2(run.title.startsWith(title), qPrintable(run.title));
    QVERIFY(alerts.entries.isEmpty());

    // The window is gone once Go returns; the menu keeps its choices.
    QVERIFY(run.window.isNull());
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{m_menu.get()});
    QVERIFY(m_menu->findChild<QRadioButton *>(form)->isChecked());
}

void TestMenuCapture::goTwiceOpensTwoSeparateWindows()
{
    choose("Opt_FMFrmT01");
    platform::ScopedRecordingAlerts alerts;

    const ModalRun first = pressGoAndCloseTheModalWindow();
    QVERIFY(first.seen && first.modal);
    QVERIFY(first.window.isNull());

    const ModalRun second = pressGoAndCloseTheModalWindow();
    QVERIFY(second.seen && second.modal);
    QCOMPARE(second.name, QString("FmFrmT01M"));
    QVERIFY(second.window.isNull());
}

// Presses Go and, inside the modal run, types a notice into the capture window
// and presses Finish, which closes the window and ends the run.
void TestMenuCapture::pressGoAndSaveOneNotice(const QString &frequency)
{
    QTimer operatorAtWork;
    operatorAtWork.setInterval(10);
    connect(&operatorAtWork, &QTimer::timeout, this, [&] {
        auto *window = qobject_cast<CaptureWindow *>(QApplication::activeModalWidget());
        if (!window)
            return;
        operatorAtWork.stop();
        WindowDriver capture(*window);
        capture.type(Control::Txt_B_Adm, "F");
        capture.type(Control::Txt_1A_FreqAssgn, frequency);
        capture.finish();
    });
    operatorAtWork.start();
    m_drive->click("ButtonGo");
}

void TestMenuCapture::goTwiceWritesTwoFiles()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    platform::SystemOverrides system;
    system.setLoginName("operator");
    system.setProgramFolder(folder.path());
    platform::ScopedRecordingAlerts alerts;
    choose("Opt_FMFrmT01");

    system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
    pressGoAndSaveOneNotice("98.5");
    system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 5, 2)));
    pressGoAndSaveOneNotice("101.1");

    QVERIFY(alerts.entries.isEmpty());
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{m_menu.get()});
    const QStringList files = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{"T01M-2005127-14327-operator.txt", "T01M-2005127-1452-operator.txt"}));
    const struct
    {
        QString file;
        QByteArray frequencyLine;
    } runs[] = {{files.at(0), "t_freq_assgn = 98.5\r\n"}, {files.at(1), "t_freq_assgn = 101.1\r\n"}};
    for (const auto &run : runs) {
        QFile file(folder.filePath(run.file));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("\r\nNotice No = 1\r\n"), text.constData());
        QVERIFY2(text.contains(run.frequencyLine), text.constData());
        QVERIFY2(text.endsWith("\r\nt_num_notices = 1\r\n</TAIL>\r\n\r\n"), text.constData());
    }
}

QTEST_MAIN(TestMenuCapture)
#include "tst_menu_capture.moc"
