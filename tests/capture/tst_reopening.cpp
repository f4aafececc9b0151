// A capture window and a saved file: the question before an existing file is
// replaced, the list of the file's notices, and a notice chosen in the list,
// corrected on the screen and saved in its place.

#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "capture/NoticeList.h"
#include "capture/StatusLine.h"
#include "platform/Alerts.h"
#include "platform/System.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

namespace {

const QByteArray Start = "File captured on 07.12.2005-14:03:27\r\nProcessed by operator\r\n"
                         "Program Id:  Norvane Analog Version 1.61 / 12.12.2005\r\n<HEAD>\r\nt_adm = F\r\n</HEAD>\r\n";

QByteArray notice(int number, const QByteArray &frequency, const QByteArray &site = QByteArray())
{
    return "<NOTICE>\r\nNotice No = " + QByteArray::number(number) + "\r\nt_notice_type = T01\r\nt_action = ADD\r\n"
           + (site.isEmpty() ? QByteArray() : "t_site_name = " + site + "\r\n") + "t_freq_assgn = " + frequency
           + "\r\n\r\n</NOTICE>\r\n";
}

QByteArray tail(int count)
{
    return "<TAIL>\r\nt_num_notices = " + QByteArray::number(count) + "\r\n</TAIL>\r\n\r\n";
}

} // namespace

class TestReopening : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<platform::SystemOverrides> m_system;
    std::unique_ptr<platform::ScopedRecordingAlerts> m_alerts;
    std::unique_ptr<CaptureWindow> m_window;

    QString path() const { return m_folder->filePath("F.txt"); }

    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    void place(const QByteArray &bytes)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    CaptureWindow &openWindow()
    {
        m_window = std::make_unique<CaptureWindow>(FormKind::T01);
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("capture window not active");
        return *m_window;
    }

    void type(const char *box, const QString &text)
    {
        QLineEdit *edit = m_window->textBox(QLatin1String(box));
        edit->setText(QString());
        QTest::keyClicks(edit, text);
    }

    // A new notice: intention "add" and a frequency.
    void typeNotice(const QString &frequency)
    {
        m_window->option("OptInt_Add")->click();
        type("Txt_1A_FreqAssgn", frequency);
    }

    void press(const char *button) { QTest::mouseClick(m_window->button(QLatin1String(button)), Qt::LeftButton); }

    // Chooses a row of the notice list as an operator does: the row, then Enter.
    void chooseInList(int number)
    {
        NoticeList &list = m_window->noticeList();
        list.setFocus();
        list.setCurrentNotice(number);
        QTest::keyClick(&list, Qt::Key_Return);
    }

    QStringList listRows() const
    {
        QStringList rows;
        const NoticeListModel &list = m_window->noticeList().rows();
        const auto text = [&](int row, int column) { return list.index(row, column).data().toString(); };
        for (int i = 0; i < list.rowCount(); ++i)
            rows.append(text(i, NoticeListModel::Number) + " " + text(i, NoticeListModel::Frequency) + " "
                        + text(i, NoticeListModel::SiteName));
        return rows;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_system = std::make_unique<platform::SystemOverrides>();
        m_system->setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        m_system->setLoginName("operator");
        m_system->setProgramFolder(m_folder->path());
        m_alerts = std::make_unique<platform::ScopedRecordingAlerts>();
    }

    void cleanup()
    {
        m_window.reset();
        m_alerts.reset();
        m_system.reset();
        m_folder.reset();
    }

    // Save/Next on a new file name that exists asks first; each answer does
    // what it says, and Cancel keeps the screen.
    void existingFileQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("adm");
        QTest::addColumn<QByteArray>("expected"); // after Finish
        QTest::addColumn<QString>("message");
        const QByteArray saved = Start + notice(1, "90") + tail(1);
        QTest::newRow("replace") << 0 << "F" << Start + notice(1, "98.5") + tail(1) << "";
        QTest::newRow("continue") << 1 << "F" << Start + notice(1, "90") + notice(2, "98.5") + tail(2) << "";
        QTest::newRow("continue, another administration")
            << 1 << "D" << saved << "The file holds the notices of the administration F";
        QTest::newRow("cancel") << 2 << "F" << saved << "";
    }

    void existingFileQuestion()
    {
        QFETCH(int, answer);
        QFETCH(QString, adm);
        QFETCH(QByteArray, expected);
        QFETCH(QString, message);
        place(Start + notice(1, "90") + tail(1));
        // A replacement a run stopped midway left beside the file.
        const QString leftover = m_folder->filePath(".F.txt.Ab12Cd");
        QFile(leftover).open(QIODevice::WriteOnly);
        openWindow();
        type("Txt_Filename", path());
        type("Txt_B_Adm", adm);
        typeNotice("98.5");
        // Replace asks once more, naming the notices lost: Yes.
        m_alerts->answers = answer == 0 ? QList<int>{0, 0} : QList<int>{answer};
        press("Button_Next");
        // Whoever takes the file removes it, and the status line says so.
        QCOMPARE(QFile::exists(leftover), answer == 2);
        QCOMPARE(m_window->statusLine().wholeText().contains(
                     "1 hidden file left beside the file by a run stopped midway was removed"),
                 answer != 2);
        QCOMPARE(m_alerts->entries.size(), message.isEmpty() && answer != 0 ? 1 : 2);
        QCOMPARE(m_alerts->entries.first().kind, platform::RecordingAlerts::Entry::Question);
        QVERIFY(m_alerts->entries.first().text.startsWith("The file " + path() + " exists already."));
        if (!message.isEmpty())
            QVERIFY(m_alerts->entries.last().text.startsWith(message));
        // Cancel, or a refusal, keeps the notice on the screen.
        const bool saved = answer != 2 && message.isEmpty();
        QCOMPARE(m_window->text("Txt_1A_FreqAssgn"), saved ? QString() : QString("98.5"));
        if (!saved) {
            m_alerts->answers = {0}; // Yes: Reset clears the notice
            press("Button_Reset");
        }
        m_alerts->clear();
        press("Button_Finish");
        QCOMPARE(contents(), expected);
    }

    // The list shows the file's notices and those saved since; a notice
    // chosen in it comes back, and Save/Next puts the correction in its place.
    void correctFromTheList()
    {
        place(Start + notice(1, "90", "ALPHA") + notice(2, "91", "BETA") + notice(3, "92", "GAMMA") + tail(3));
        openWindow();
        // The rows as a model: inserted, changed and read back as views expect.
        QAbstractItemModelTester tester(&m_window->noticeList().rows(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(m_window->saving().openFile(path()));
        QCOMPARE(m_window->text("Txt_Ntc_Number"), QString("4"));
        QCOMPARE(m_window->text("Txt_B_Adm"), QString("F"));
        QVERIFY(m_window->textBox("Txt_Filename")->isReadOnly());
        QCOMPARE(listRows(), (QStringList{"1 90 ALPHA", "2 91 BETA", "3 92 GAMMA"}));

        typeNotice("93");
        press("Button_Next");
        QCOMPARE(listRows().last(), QString("4 93 "));

        chooseInList(2);
        QCOMPARE(m_window->saving().noticeBeingCorrected(), 2);
        QCOMPARE(m_window->focusWidget()->objectName(), QString("Txt_Ntc_DD"));
        QCOMPARE(m_window->text("Txt_Ntc_Number"), QString("2"));
        QCOMPARE(m_window->text("Txt_1A_FreqAssgn"), QString("91"));
        QCOMPARE(m_window->text("Txt_4A_SiteName"), QString("BETA"));
        QVERIFY(m_window->isSelected("OptInt_Add"));

        // Another notice cannot be chosen over a changed one.
        type("Txt_4A_SiteName", "BETA NEW");
        chooseInList(3);
        QCOMPARE(m_alerts->messages().size(), 1);
        QVERIFY(m_alerts->messages().first().text.startsWith("The screen holds a notice that is not saved"));
        QCOMPARE(m_window->saving().noticeBeingCorrected(), 2);

        press("Button_Next");
        QCOMPARE(m_window->saving().noticeBeingCorrected(), 0);
        QCOMPARE(m_window->text("Txt_Ntc_Number"), QString("5"));
        QCOMPARE(m_window->text("Txt_4A_SiteName"), QString());
        QCOMPARE(listRows().at(1), QString("2 91 BETA NEW"));
        press("Button_Finish");
        QCOMPARE(contents(), Start + notice(1, "90", "ALPHA") + notice(2, "91", "BETA NEW") + notice(3, "92", "GAMMA")
                                 + notice(4, "93") + tail(4));
        QCOMPARE(m_alerts->messages().size(), 1);
    }

    // The filter box keeps the notices whose frequency or site name holds
    // its text; a notice chosen among them is the one corrected.
    void filterTheList()
    {
        place(Start + notice(1, "90", "ALPHA") + notice(2, "91", "BETA") + notice(3, "92", "ALPINE") + tail(3));
        openWindow();
        QVERIFY(m_window->saving().openFile(path()));
        auto *filter = m_window->findChild<QLineEdit *>("noticeFilter");
        QVERIFY(filter);
        const QAbstractItemModel *shown = m_window->noticeList().model();
        for (const auto &[text, rows] : {std::pair{"alp", 2}, {"92", 1}, {"", 3}, {"none", 0}}) {
            filter->setText(text);
            QCOMPARE(m_window->noticeList().model()->rowCount(), rows);
        }
        filter->setText("ALPI");
        NoticeList &list = m_window->noticeList();
        list.setFocus();
        list.setCurrentIndex(list.model()->index(0, 0));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(m_window->saving().noticeBeingCorrected(), 3);
        filter->clear();
        QCOMPARE(m_window->noticeList().model(), shown);
    }

    // Reset gives a correction up: the file keeps the notice as it was.
    void resetGivesTheCorrectionUp()
    {
        const QByteArray saved = Start + notice(1, "90", "ALPHA") + tail(1);
        place(saved);
        openWindow();
        QVERIFY(m_window->saving().openFile(path()));
        chooseInList(1);
        type("Txt_4A_SiteName", "OTHER");
        m_alerts->answers = {0}; // Yes: Reset clears the changed notice
        press("Button_Reset");
        QCOMPARE(m_window->saving().noticeBeingCorrected(), 0);
        QCOMPARE(m_window->text("Txt_Ntc_Number"), QString("2"));
        press("Button_Finish");
        QCOMPARE(contents(), saved);
        QVERIFY(m_alerts->messages().isEmpty());
    }
};

QTEST_MAIN(TestReopening)
#include "tst_reopening.moc"
