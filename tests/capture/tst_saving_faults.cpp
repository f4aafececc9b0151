// The saves that a capture window refuses, and the faults of its output file:
// each message, and the screen and the file left as they were so that no
// typed notice is lost. Run through the real window as the operator would,
// with the clock, the login name and the program's folder fixed and every
// message box recorded.

#include "SavingFixture.h"

#include "platform/TextFile.h"

#include <cerrno>

using namespace Control;

// Asked when the window would close over typed data it could not save; No
// (the answer of a test that gives none) keeps the window.
const Entry DiscardQuestion = {Entry::Question, "Notice not saved", "Close and discard the notice on the screen?"};

class TstSavingFaults : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void saveWithoutAdministrationOnlyComplains_data();
    void saveWithoutAdministrationOnlyComplains();
    void finishWithoutAnyFileCreatesNone_data();
    void finishWithoutAnyFileCreatesNone();
    void finishKeepsANoticeWithoutAdministration_data();
    void finishKeepsANoticeWithoutAdministration();
    void noticeWithoutFrequencyOrCoordinatesIsKept_data();
    void noticeWithoutFrequencyOrCoordinatesIsKept();
    void closingAsksBeforeDiscarding_data();
    void closingAsksBeforeDiscarding();
    void finishOnAnExistingFile_data();
    void finishOnAnExistingFile();
    void characterTheFileCannotHoldRefusesTheSave_data();
    void characterTheFileCannotHoldRefusesTheSave();

    void fileThatCannotBeCreated_data();
    void fileThatCannotBeCreated();
    void writeFailureKeepsTheNotice_data();
    void writeFailureKeepsTheNotice();
    void tailThatCannotBeWrittenKeepsTheWindowOpen();
    void failedCloseIsReportedAndTheRunEnds();
};

void TstSavingFaults::saveWithoutAdministrationOnlyComplains_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::newRow("empty screen") << Steps{};
    QTest::newRow("a whole notice") << Steps{type(Txt_Ntc_DD, "7"), click(OptFrg_Ge84), click(OptInt_Add),
                                             type(Txt_1A_FreqAssgn, "98.5"), type(Txt_4A_SiteName, "MONTMARTRE")};
}

void TstSavingFaults::saveWithoutAdministrationOnlyComplains()
{
    QFETCH(Steps, typed);
    open(FormKind::T01);
    m_drive->perform(typed);

    m_drive->saveNext();
    QCOMPARE(m_alerts->entries, QList<Entry>{message(FatalError, MissingAdministration)});
    QVERIFY(files().isEmpty());
    QCOMPARE(box(Txt_Ntc_Number)->text(), QString("1"));
    QVERIFY(!box(Txt_Filename)->isReadOnly());
    // Nothing was cleared.
    for (const Step &step : typed) {
        if (step.how == Step::Type)
            QCOMPARE(m_window->text(step.control), step.text);
        else
            QVERIFY(m_window->isSelected(step.control));
    }
}

void TstSavingFaults::finishWithoutAnyFileCreatesNone_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("Finish") << "Finish";
    QTest::newRow("close") << "close";
}

void TstSavingFaults::finishWithoutAnyFileCreatesNone()
{
    QFETCH(QString, end);
    open(FormKind::T02);

    endRun(end);
    QCOMPARE(m_alerts->entries, QList<Entry>{message(FatalError, MissingAdministration)});
    QVERIFY(!m_window->isVisible());
    QVERIFY(files().isEmpty());
}

void TstSavingFaults::finishKeepsANoticeWithoutAdministration_data()
{
    finishWithoutAnyFileCreatesNone_data();
}

void TstSavingFaults::finishKeepsANoticeWithoutAdministration()
{
    QFETCH(QString, end);
    open(FormKind::T01);
    m_drive->perform({type(Txt_Ntc_DD, "7"), type(Txt_Ntc_MM, "12"), type(Txt_Ntc_YY, "2005"), click(OptFrg_Ge84)});
    m_drive->perform(frequencyOnly("98.5"));

    endRun(end);
    QCOMPARE(m_alerts->entries, (QList<Entry>{message(FatalError, MissingAdministration), DiscardQuestion}));
    QVERIFY(m_window->isVisible());
    QCOMPARE(box(Txt_1A_FreqAssgn)->text(), QString("98.5"));
    QVERIFY(files().isEmpty());

    m_alerts->clear();
    m_drive->type(Txt_B_Adm, "F");
    endRun(end);
    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(contents(defaultPath(FormKind::T01)), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + tail(1)));
}

namespace {

// Records the answers each question offered, beside what RecordingAlerts keeps.
class OfferedAnswers : public platform::ScopedRecordingAlerts
{
public:
    int question(QWidget *parent, const QString &title, const QString &text, const QStringList &offered,
                 int defaultAnswer, int cancelAnswer) override
    {
        answerLists << offered;
        defaults << defaultAnswer;
        return ScopedRecordingAlerts::question(parent, title, text, offered, defaultAnswer, cancelAnswer);
    }
    QList<QStringList> answerLists;
    QList<int> defaults;
};

} // namespace

// Typed data that cannot be saved (no administration here) is lost only when
// the operator says so, after the message that says why.
void TstSavingFaults::closingAsksBeforeDiscarding_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("answer"); // 0 Yes, 1 No
    QTest::newRow("close box, No") << "close box" << 1;
    QTest::newRow("close box, Yes") << "close box" << 0;
    QTest::newRow("Finish, No") << "Finish" << 1;
}

void TstSavingFaults::closingAsksBeforeDiscarding()
{
    QFETCH(QString, end);
    QFETCH(int, answer);
    open(FormKind::T01);
    OfferedAnswers alerts;
    alerts.answers = {answer};
    m_drive->perform({type(Txt_4A_SiteName, "MONTMARTRE")});

    if (end == "Finish")
        m_drive->finish();
    else
        m_drive->closeBox();
    QCOMPARE(alerts.entries, (QList<Entry>{message(FatalError, MissingAdministration), DiscardQuestion}));
    QCOMPARE(alerts.answerLists.first(), (QStringList{"Yes", "No"}));
    QCOMPARE(alerts.defaults.first(), 1);
    QCOMPARE(m_window->isVisible(), answer == 1);
    QCOMPARE(m_window->text(Txt_4A_SiteName), QString("MONTMARTRE"));
    QVERIFY(files().isEmpty());
}

// Finish on the name of a file that holds notices: with nothing to write it
// cannot be replaced; a replacement that loses notices is asked once more.
void TstSavingFaults::finishOnAnExistingFile_data()
{
    QTest::addColumn<bool>("noticeOnScreen");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<QStringList>>("offered");
    QTest::addColumn<int>("notices"); // in the file after
    const QStringList all = {"Replace", "Continue", "Cancel"};
    const QStringList yesNo = {"Yes", "No"};
    QTest::newRow("nothing to write: Continue") << false << QList<int>{0} << QList<QStringList>{all.mid(1)} << 2;
    QTest::newRow("nothing to write: Cancel") << false << QList<int>{1} << QList<QStringList>{all.mid(1)} << 2;
    QTest::newRow("Replace, then No") << true << QList<int>{0, 1} << QList<QStringList>{all, yesNo, yesNo} << 2;
    QTest::newRow("Replace, then Yes") << true << QList<int>{0, 0} << QList<QStringList>{all, yesNo} << 1;
}

void TstSavingFaults::finishOnAnExistingFile()
{
    QFETCH(bool, noticeOnScreen);
    QFETCH(QList<int>, answers);
    QFETCH(QList<QStringList>, offered);
    QFETCH(int, notices);
    const QString name = path("F.txt");
    const QByteArray saved
        = fileText(fileStart("F") + frequencyOnlyNotice(1, "90") + frequencyOnlyNotice(2, "91") + tail(2));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size());
    file.close();
    open(FormKind::T01);
    OfferedAnswers alerts;
    alerts.answers = answers;
    m_drive->perform(AdministrationDateAndFragment);
    m_drive->put(Txt_Filename, name);
    if (noticeOnScreen)
        m_drive->perform(frequencyOnly("98.5"));

    m_drive->finish();
    QCOMPARE(alerts.answerLists, offered);
    if (offered.size() >= 2) {
        QCOMPARE(alerts.entries.at(1).text, "The file " + name + " holds 2 notices: replace it and lose them?");
        QCOMPARE(alerts.defaults.at(1), 1);
    }
    const QByteArray written = contents(name);
    QCOMPARE(written.count("<NOTICE>"), notices);
    if (notices == 2)
        QVERIFY(written.startsWith(saved.left(saved.indexOf("<TAIL>"))));
}

void TstSavingFaults::noticeWithoutFrequencyOrCoordinatesIsKept_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<Step>("typed");
    QTest::addColumn<QString>("end"); // the action that meets the incomplete notice

    const struct
    {
        const char *row;
        FormKind kind;
        Step typed;
    } cases[] = {
        {"site name", FormKind::T01, type(Txt_4A_SiteName, "MONTMARTRE")},
        {"internal remarks", FormKind::T01, type(Txt_Internal_Rmks, "TO CHECK")},
        {"coordinated administration 12", FormKind::T01, type("Txt_11_Adm12", "SUI")},
        {"Article 11 operating agency", FormKind::T01, type(Txt_12A_OpAgcy, "12")},
        {"vertical attenuation at 350", FormKind::T01, type("Txt_9NVAzm350", "20")},
        {"T01 transmission system", FormKind::T01, type(Txt_7D_TranSys, "4")},
        {"directivity chosen", FormKind::T01, choose(Combo_9_AntDir, "ND")},
        {"T02 offset in kHz", FormKind::T02, type(Txt_1E_kHz, "5")},
        {"T02 colour system chosen", FormKind::T02, choose(Combo_7C2_Color_Sys, "PAL")},
        {"target identifier", FormKind::T02, type(Txt_TrgAdmRefID, "12345")},
    };
    for (const auto &c : cases) {
        for (const char *end : {"Save/Next", "Finish", "close"})
            QTest::addRow("%s, %s", c.row, end) << c.kind << c.typed << QString(end);
    }
}

void TstSavingFaults::noticeWithoutFrequencyOrCoordinatesIsKept()
{
    QFETCH(FormKind, kind);
    QFETCH(Step, typed);
    QFETCH(QString, end);
    open(kind);
    m_drive->perform({type(Txt_B_Adm, "F"), typed});

    if (end == QLatin1String("Save/Next"))
        m_drive->saveNext();
    else
        endRun(end);
    QList<Entry> expected{message("Notice not saved", "The notice has no frequency and no coordinates: it was not saved.")};
    if (end != QLatin1String("Save/Next"))
        expected << DiscardQuestion;
    QCOMPARE(m_alerts->entries, expected);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->text(typed.control), typed.text);
    QVERIFY(files().isEmpty());
    QVERIFY(!captureFile().finished);

    // Reset, once the operator has said yes, empties the screen; the run can then end.
    m_alerts->clear();
    m_drive->reset();
    m_drive->finish();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->messages().isEmpty());
}

void TstSavingFaults::characterTheFileCannotHoldRefusesTheSave_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<bool>("fileStarted"); // by an earlier notice
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("label"); // the box as the window names it

    QTest::newRow("site name, first notice")
        << FormKind::T01 << false << "Txt_4A_SiteName" << QStringLiteral("MOSKVA Ж") << "\"Ж\" (U+0416)"
        << "4A Name of the location of the transmitting station";
    QTest::newRow("administration, first notice")
        << FormKind::T02 << false << "Txt_B_Adm" << QStringLiteral("Ж") << "\"Ж\" (U+0416)"
        << "B Notifying Administration";
    QTest::newRow("remarks, file open")
        << FormKind::T02 << true << "Txt_notified_Rmks" << QStringLiteral("50 Ω LOAD") << "\"Ω\" (U+03A9)"
        << "Notified remarks Remarks indicated in this textbox will be loaded to the database";
    QTest::newRow("effective height, file open")
        << FormKind::T01 << true << "Txt_9EC_azm090" << QStringLiteral("3→0") << "\"→\" (U+2192)"
        << "9EC Effective antenna height at different azimuths 90°";
}

void TstSavingFaults::characterTheFileCannotHoldRefusesTheSave()
{
    QFETCH(FormKind, kind);
    QFETCH(bool, fileStarted);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, character);
    QFETCH(QString, label);
    open(kind);
    m_drive->type(Txt_1A_FreqAssgn, "98.5");
    if (control != Txt_B_Adm)
        m_drive->put(Txt_B_Adm, "F");
    if (fileStarted)
        m_drive->saveNext();
    const QByteArray before = contents(defaultPath(kind));
    const QString counter = box(Txt_Ntc_Number)->text();

    if (fileStarted)
        m_drive->type(Txt_1A_FreqAssgn, "98.5");
    m_drive->put(control, text);
    m_drive->saveNext();
    const QString refusal = "The box \"" + label + "\" holds the character " + character
                            + ", which the notice file cannot hold: the notice was not saved.";
    QCOMPARE(m_alerts->entries, QList<Entry>{message(NoticeNotSaved, refusal)});
    QCOMPARE(m_window->text(control), text);
    QCOMPARE(box(Txt_1A_FreqAssgn)->text(), QString("98.5"));
    QCOMPARE(box(Txt_Ntc_Number)->text(), counter);
    QCOMPARE(contents(defaultPath(kind)), before);
    QCOMPARE(files().size(), fileStarted ? 1 : 0);
}

void TstSavingFaults::fileThatCannotBeCreated_data()
{
    QTest::addColumn<QString>("name"); // below the test folder, or absolute
    QTest::addColumn<int>("injectedError"); // 0: the system's own answer
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing folder") << "missing/T01.txt" << 0 << qt_error_string(ENOENT);
    QTest::newRow("a folder's name") << "." << 0 << qt_error_string(EISDIR);
    QTest::newRow("empty name") << "" << 0 << qt_error_string(ENOENT);
    QTest::newRow("no permission") << "T01.txt" << int(EACCES) << qt_error_string(EACCES);
}

void TstSavingFaults::fileThatCannotBeCreated()
{
    QFETCH(QString, name);
    QFETCH(int, injectedError);
    QFETCH(QString, reason);
    const QString fileName = name.isEmpty() ? name : path(name);

    open(FormKind::T01);
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->put(Txt_Filename, fileName);
    const Entry cannotCreate = message(NoticeNotSaved, "Cannot create the file " + fileName + ": " + reason);
    {
        platform::TextFileFaults faults;
        if (injectedError)
            faults.failCreate(injectedError);
        m_drive->saveNext();
        QCOMPARE(m_alerts->entries, QList<Entry>{cannotCreate});
        QVERIFY(files().isEmpty());
        QCOMPARE(box(Txt_1A_FreqAssgn)->text(), QString("98.5"));
        QCOMPARE(box(Txt_Ntc_Number)->text(), QString("1"));
        QVERIFY(!box(Txt_Filename)->isReadOnly());
        QVERIFY(box(Txt_B_Adm)->isEnabled());
        QVERIFY(!captureFile().fileOpen);

        // Finish does not close the window on a notice it could not save
        // unless the operator lets the notice go.
        m_drive->finish();
        QCOMPARE(m_alerts->entries, (QList<Entry>{cannotCreate, cannotCreate, DiscardQuestion}));
        QVERIFY(m_window->isVisible());
    }

    // The operator corrects the name and saves again.
    m_alerts->clear();
    m_drive->put(Txt_Filename, path("corrected.txt"));
    m_drive->saveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(contents(path("corrected.txt")), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5")));
}

void TstSavingFaults::writeFailureKeepsTheNotice_data()
{
    QTest::addColumn<QString>("name"); // empty: the default name
    QTest::addColumn<QString>("fault"); // "write", "sync" or none
    QTest::addColumn<int>("failingSave");
    QTest::addColumn<QString>("expected"); // %1 the file name

    const QString notStarted = "Cannot write to the file \"%1\": %2. The file was not started; the screen stays as it was.";
    const QString noticeKept = "Cannot write to the file \"%1\": " + qt_error_string(EIO)
                               + ". The notice was not saved; it stays on the screen.";
    QTest::newRow("/dev/full takes no header") << "/dev/full" << "" << 1 << notStarted.arg("%1", qt_error_string(ENOSPC));
    QTest::newRow("sync of the header fails") << "" << "sync" << 1 << notStarted.arg("%1", qt_error_string(EIO));
    QTest::newRow("write of the second notice fails") << "" << "write" << 2 << noticeKept;
    QTest::newRow("sync of the second notice fails") << "" << "sync" << 2 << noticeKept;
}

void TstSavingFaults::writeFailureKeepsTheNotice()
{
    QFETCH(QString, name);
    QFETCH(QString, fault);
    QFETCH(int, failingSave);
    QFETCH(QString, expected);
    if (name == QLatin1String("/dev/full") && !QFile::exists(name))
        QSKIP("this system has no /dev/full");

    open(FormKind::T01);
    if (!name.isEmpty())
        m_drive->put(Txt_Filename, name);
    const QString fileName = box(Txt_Filename)->text();
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    if (failingSave == 2) {
        m_drive->saveNext();
        m_drive->perform(frequencyOnly("101.1"));
    }
    const QString counter = box(Txt_Ntc_Number)->text();
    {
        platform::TextFileFaults faults;
        if (fault == QLatin1String("write"))
            faults.failWrite(EIO);
        else if (fault == QLatin1String("sync"))
            faults.failSync(EIO);
        m_drive->saveNext();
    }
    QCOMPARE(m_alerts->entries, QList<Entry>{message(NoticeNotSaved, expected.arg(fileName))});
    QCOMPARE(box(Txt_Ntc_Number)->text(), counter);
    QCOMPARE(box(Txt_1A_FreqAssgn)->text(), failingSave == 1 ? QString("98.5") : QString("101.1"));
    QVERIFY(m_window->isSelected(OptFrg_Ge84));
    const bool started = failingSave == 2;
    QCOMPARE(captureFile().fileOpen, started);
    QCOMPARE(box(Txt_Filename)->isReadOnly(), started);
    QCOMPARE(box(Txt_B_Adm)->isEnabled(), !started);
    // A file that could not be started is not left behind; a device is never removed.
    if (!started)
        QCOMPARE(QFileInfo::exists(fileName), name == QLatin1String("/dev/full"));
    if (name == QLatin1String("/dev/full"))
        return;

    // Once the fault is gone the same notice is saved, once, with its number.
    m_alerts->clear();
    m_drive->saveNext();
    m_drive->finish();
    QVERIFY(m_alerts->entries.isEmpty());
    QStringList notices = frequencyOnlyNotice(1, "98.5");
    if (started)
        notices += frequencyOnlyNotice(2, "101.1");
    QCOMPARE(contents(fileName), fileText(fileStart("F") + notices + tail(started ? 2 : 1)));
}

void TstSavingFaults::tailThatCannotBeWrittenKeepsTheWindowOpen()
{
    open(FormKind::T01);
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->saveNext();
    {
        platform::TextFileFaults faults;
        faults.failWrite(ENOSPC);
        m_drive->finish();
    }
    const QString fileName = defaultPath(FormKind::T01);
    QCOMPARE(m_alerts->entries,
             QList<Entry>{message(FileNotFinished, "Cannot write to the file \"" + fileName + "\": " + qt_error_string(ENOSPC)
                                                  + ". The file is not finished: mend the fault, then "
                                                    "press Finish again.")});
    QVERIFY(m_window->isVisible());
    QVERIFY(captureFile().fileOpen);

    m_alerts->clear();
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(contents(fileName), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + tail(1)));
}

void TstSavingFaults::failedCloseIsReportedAndTheRunEnds()
{
    open(FormKind::T01);
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->saveNext();
    {
        platform::TextFileFaults faults;
        faults.failClose(EIO);
        m_drive->finish();
    }
    const QString fileName = defaultPath(FormKind::T01);
    QCOMPARE(m_alerts->entries,
             QList<Entry>{message(FileNotClosed, "Cannot close the file \"" + fileName + "\": " + qt_error_string(EIO)
                                                  + ". Every line had been written to the disk before; "
                                                    "check the file.")});
    QVERIFY(!m_window->isVisible());
    QCOMPARE(contents(fileName), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + tail(1)));
}

QTEST_MAIN(TstSavingFaults)
#include "tst_saving_faults.moc"
