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
    void openAFile_data();
    void openAFile();

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
    m_menu->setFileOpener(captureFileOpener(m_menu.get()));
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

    // The window is gone once Go returns; the menu keeps its choices. It
    // finished nothing, and the menu says nothing of it.
    QVERIFY(run.window.isNull());
    QCOMPARE(m_drive->text("LblSummary"), QString());
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

    // After each run the menu says what was written, with no message box.
    const auto summary = [this] { return m_drive->text("LblSummary"); };
    system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
    pressGoAndSaveOneNotice("98.5");
    QCOMPARE(summary(), "Finished: 1 notice written to " + folder.filePath("T01M-2005127-14327-operator.txt"));
    system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 5, 2)));
    pressGoAndSaveOneNotice("101.1");
    QCOMPARE(summary(), "Finished: 1 notice written to " + folder.filePath("T01M-2005127-1452-operator.txt"));

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

namespace {

QByteArray savedFile(const QByteArray &notices, int count)
{
    QByteArray file = "File captured on 07.12.2005-14:03:27\r\nProcessed by operator\r\n"
                      "Program Id:  Norvane Analog Version 1.61 / 12.12.2005\r\n<HEAD>\r\nt_adm = F\r\n</HEAD>\r\n";
    file += notices;
    if (count > 0)
        file += "<TAIL>\r\nt_num_notices = " + QByteArray::number(count) + "\r\n</TAIL>\r\n";
    return file + "\r\n";
}

QByteArray notice(const QByteArray &type)
{
    return "<NOTICE>\r\nNotice No = 1\r\nt_notice_type = " + type
           + "\r\nt_action = ADD\r\nt_freq_assgn = 98.5\r\n\r\n</NOTICE>\r\n";
}

} // namespace

// "Open a file...": the window of the file's form (or of the form chosen on
// the menu when the file does not tell it) opens on the file; a file that
// cannot be continued is explained and opens nothing.
void TestMenuCapture::openAFile_data()
{
    QTest::addColumn<QByteArray>("fileText");
    QTest::addColumn<QString>("menuForm");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("message");
    QTest::newRow("T01 notices") << savedFile(notice("T01"), 1) << "" << "FmFrmT01M" << "";
    QTest::newRow("T02 notices, T01 chosen") << savedFile(notice("T02"), 1) << "Opt_FMFrmT01" << "TvFrmT02M" << "";
    QTest::newRow("no notice, T02 chosen") << savedFile("", 0) << "Opt_TvFrmT02" << "TvFrmT02M" << "";
    QTest::newRow("no notice, no form chosen") << savedFile("", 0) << "" << ""
                                               << "holds no notice that tells its form";
    QTest::newRow("not a notice file") << QByteArray("hello\r\n") << "Opt_FMFrmT01" << ""
                                       << "is not a notice file that can be continued: line 1: ";
}

void TestMenuCapture::openAFile()
{
    QFETCH(QByteArray, fileText);
    QFETCH(QString, menuForm);
    QFETCH(QString, window);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = folder.filePath("saved.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(fileText) == fileText.size());
    file.close();
    if (!menuForm.isEmpty())
        choose(menuForm.toLatin1().constData());
    platform::ScopedRecordingAlerts alerts;
    m_menu->setFileChooser([path](QWidget *) { return path; });

    QString seen;
    QString fileNameBox;
    QTimer operatorAtWork;
    operatorAtWork.setInterval(10);
    connect(&operatorAtWork, &QTimer::timeout, this, [&] {
        auto *capture = qobject_cast<CaptureWindow *>(QApplication::activeModalWidget());
        if (!capture)
            return;
        operatorAtWork.stop();
        seen = capture->objectName();
        fileNameBox = capture->textBox("Txt_Filename")->isReadOnly() ? capture->text("Txt_Filename") : QString();
        QTest::mouseClick(capture->button("Button_Finish"), Qt::LeftButton);
    });
    operatorAtWork.start();
    QTest::mouseClick(m_menu->findChild<QPushButton *>(QStringLiteral("ButtonOpen")), Qt::LeftButton);
    operatorAtWork.stop();

    QCOMPARE(seen, window);
    QCOMPARE(fileNameBox, window.isEmpty() ? QString() : path);
    QCOMPARE(alerts.messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(alerts.messages().first().text.contains(message), qPrintable(alerts.messages().first().text));
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{m_menu.get()});
    // Opened and finished without a notice: the file is as it was.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), fileText);
}

QTEST_MAIN(TestMenuCapture)
#include "tst_menu_capture.moc"
