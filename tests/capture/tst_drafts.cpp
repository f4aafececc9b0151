// The draft of the screen: written a moment after typing, read back, offered
// and put back when the window that wrote it ended without saving (closed
// from outside, or killed), and removed once its notice is saved, reset or
// finished.

#include "SavingFixture.h"

#include "capture/DraftKeeper.h"
#include "capture/StatusLine.h"
#include "form/ScreenDraft.h"

#include <QCheckBox>
#include <QStandardPaths>

#include <QProcess>

using namespace Control;

namespace {

const Steps TypedNotice = {type(Txt_B_Adm, "F"),  type(Txt_Ntc_DD, "7"),   type(Txt_Ntc_MM, "12"),
                           type(Txt_Ntc_YY, "2005"), click(OptFrg_Ge84),    click(OptInt_Add),
                           type(Txt_4A_SiteName, "MONTMARTRE"), type(Txt_1A_FreqAssgn, "98.5")};

// Each timer-driven write comes within the longest delay; a busy machine gets more.
constexpr int DraftTimeoutMs = 4 * DraftKeeper::LongestDelayMs;

// The argument that makes this program the typing child of killedWhileTyping.
const QString TypeUntilKilled = QStringLiteral("--type-until-killed");

} // namespace

class TstDrafts : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        setUp();
        QDir(DraftFiles::folder()).removeRecursively();
    }
    void cleanup()
    {
        tearDown();
        QDir(DraftFiles::folder()).removeRecursively();
    }

    // Typing writes the draft; what ends the notice removes it.
    void draftFollowsTheNotice_data()
    {
        QTest::addColumn<QString>("end");
        for (const char *end : {"Save/Next", "Reset", "Finish", "close box, discard"})
            QTest::newRow(end) << QString(end);
    }
    void draftFollowsTheNotice()
    {
        QFETCH(QString, end);
        openKeeping(FormKind::T01);
        m_drive->perform(TypedNotice);
        const QString draftPath = DraftFiles::pathFor(defaultPath(FormKind::T01));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(draftPath), DraftTimeoutMs);
        QString error;
        const std::optional<ScreenDraft> draft = DraftFiles::read(draftPath, &error);
        QVERIFY2(draft, qPrintable(error));
        QCOMPARE(draft->outputFile, defaultPath(FormKind::T01));
        QCOMPARE(draft->written, QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        QCOMPARE(draft->controls.value(Txt_4A_SiteName).toObject().value("value").toString(), QString("MONTMARTRE"));
        QCOMPARE(draft->controls.value(OptInt_Add).toObject().value("checked").toBool(), true);
        QCOMPARE(draft->controls.value(Combo_9D_Polariz).toObject().value("selected").toArray(), QJsonArray{""});
        QCOMPARE(draft->checkBoxes, (QHash<QString, bool>{{ChkValidate, true}, {ChkClearFields, true}}));

        if (end == "Save/Next")
            m_drive->saveNext();
        else if (end == "Reset")
            m_drive->reset();
        else if (end == "Finish")
            m_drive->finish();
        else {
            m_drive->put(Txt_B_Adm, "");
            m_alerts->answers = {0}; // Yes: close and discard
            m_drive->closeBox();
            QVERIFY(!m_window->isVisible());
        }
        QVERIFY(!QFileInfo::exists(draftPath));
        // The clear that follows a save is no notice to keep.
        QTest::qWait(DraftKeeper::LongestDelayMs + 200);
        QVERIFY(QDir(DraftFiles::folder()).isEmpty());
    }

    // A window that ended without saving left its draft: the next window
    // offers it, and Restore puts it back as it was, under the file it was
    // typed for; Discard deletes it. A correction comes back as one.
    void leftDraftIsOffered_data()
    {
        QTest::addColumn<QString>("file"); // "new" or "opened"
        QTest::addColumn<int>("correcting");
        QTest::addColumn<int>("answer"); // 0 Restore, 1 Discard
        QTest::newRow("new file, restore") << "new" << 0 << 0;
        QTest::newRow("new file, discard") << "new" << 0 << 1;
        QTest::newRow("opened file, restore") << "opened" << 0 << 0;
        QTest::newRow("opened file, correction, restore") << "opened" << 1 << 0;
    }
    void leftDraftIsOffered()
    {
        QFETCH(QString, file);
        QFETCH(int, correcting);
        QFETCH(int, answer);
        const QString output = file == "new" ? defaultPath(FormKind::T01) : path("F.txt");
        const QByteArray saved = fileText(fileStart("F") + frequencyOnlyNotice(1, "90") + tail(1));
        if (file == "opened")
            writeFile(output, saved);
        openKeeping(FormKind::T01);
        if (file == "opened")
            QVERIFY(m_window->saving().openFile(output));
        if (correcting)
            QVERIFY(m_window->saving().correctNotice(correcting));
        else
            m_drive->perform(file == "new" ? TypedNotice : TypedNotice.mid(1)); // an opened file has its administration
        m_drive->put(Txt_4A_SiteName, "PARIS");
        m_drive->perform({click(ChkClearFields)});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(DraftFiles::pathFor(output)), DraftTimeoutMs);
        // The window goes without closing, as a killed program does.
        m_drive.reset();
        m_window.reset();

        m_system->setDateTime(QDateTime(QDate(2005, 12, 7), QTime(15, 0, 0)));
        m_alerts->answers = {answer};
        openKeeping(FormKind::T01);
        if (file == "new")
            m_window->offerNewFileDrafts();
        else
            QVERIFY(m_window->saving().openFile(output));
        QTRY_COMPARE(m_alerts->entries.size(), 1);
        QCOMPARE(m_alerts->entries.first().kind, Entry::Question);
        QVERIFY2(m_alerts->entries.first().text.startsWith("A notice typed on " + QLocale().toString(
                                                               QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)),
                                                               QLocale::ShortFormat)
                                                           + " was not saved"),
                 qPrintable(m_alerts->entries.first().text));
        if (answer == 1) {
            QCOMPARE(m_window->text(Txt_4A_SiteName), QString());
            QVERIFY(m_window->checkBox(ChkClearFields)->isChecked());
            QVERIFY(QDir(DraftFiles::folder()).isEmpty());
            return;
        }
        QCOMPARE(m_window->text(Txt_4A_SiteName), QString("PARIS"));
        QCOMPARE(m_window->text(Txt_1A_FreqAssgn), correcting ? QString("90") : QString("98.5"));
        QCOMPARE(m_window->saving().noticeBeingCorrected(), correcting);
        QVERIFY(!m_window->checkBox(ChkClearFields)->isChecked());
        QVERIFY(m_window->statusLine().wholeText().contains("is back on the screen"));
        m_drive->saveNext();
        m_drive->finish();
        QVERIFY(QDir(DraftFiles::folder()).isEmpty());
        const QByteArray written = contents(output);
        QVERIFY2(written.contains("t_site_name = PARIS\r\n"), written.constData());
        QCOMPARE(written.count("<NOTICE>"), file == "new" || correcting ? 1 : 2);
    }

    // A draft that cannot be read is discarded with a line, never offered.
    void damagedDraftIsDiscarded()
    {
        QVERIFY(QDir().mkpath(DraftFiles::folder()));
        const QString draftPath = DraftFiles::pathFor(path("lost.txt"));
        writeFile(draftPath, "{\"format\": 1, \"form\": \"T01\", \"output\": \"");
        openKeeping(FormKind::T01);
        m_window->offerNewFileDrafts();
        QVERIFY(m_alerts->entries.isEmpty());
        QVERIFY(!QFileInfo::exists(draftPath));
        QVERIFY(m_window->statusLine().wholeText().startsWith("A damaged draft of a notice was discarded"));
    }

    // A child process typing without a pause, killed at some moment: its
    // draft is whole and holds what was typed up to a second or two before.
    void killedWhileTyping()
    {
        const QString draftPath = DraftFiles::pathFor(defaultPath(FormKind::T01));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {TypeUntilKilled, m_folder->path()});
        QVERIFY(child.waitForStarted());
        // The typing never pauses: the draft is written all the same.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(draftPath), 3 * DraftTimeoutMs);
        const auto remarksIn = [&draftPath] {
            const std::optional<ScreenDraft> draft = DraftFiles::read(draftPath, nullptr);
            return draft ? draft->controls.value(Txt_Internal_Rmks).toObject().value("value").toString() : QString();
        };
        const qsizetype firstWritten = remarksIn().size();
        QVERIFY(firstWritten > 0);
        QTest::qWait(DraftKeeper::LongestDelayMs + 300);
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // Whole, and written again while the typing went on.
        const QString typed = remarksIn();
        QVERIFY2(typed.size() > firstWritten, qPrintable(typed));
        openKeeping(FormKind::T01);
        m_alerts->answers = {0};
        m_window->offerNewFileDrafts();
        QCOMPARE(m_window->text(Txt_Internal_Rmks), typed);
        QCOMPARE(m_window->text(Txt_B_Adm), QString("F"));
    }

private:
    using Entry = platform::RecordingAlerts::Entry;

    void openKeeping(FormKind kind)
    {
        open(kind);
        m_window->keepDrafts();
    }
    static void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

// The child of killedWhileTyping: a window on a new file in the folder given,
// its administration typed, then a letter into the internal remarks every
// few milliseconds until the process is killed.
int typeUntilKilled(const QString &folder)
{
    platform::SystemOverrides system;
    system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
    system.setLoginName("operator");
    system.setProgramFolder(folder);
    platform::ScopedRecordingAlerts alerts;
    CaptureWindow window(FormKind::T01);
    window.keepDrafts();
    window.show();
    window.textBox(Txt_B_Adm)->setText("F");
    for (int i = 0;; ++i) {
        window.textBox(Txt_Internal_Rmks)->insert(QString(QChar('A' + i % 26)));
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 3 && TypeUntilKilled == QLatin1String(argv[1]))
        return typeUntilKilled(QString::fromLocal8Bit(argv[2]));
    TstDrafts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drafts.moc"
