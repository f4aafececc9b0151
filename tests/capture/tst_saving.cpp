// Saving notices from a capture window into its output file: the window's
// set-up, Save/Next, Finish and the closing of the window, run through the
// real window as the operator would, with the clock, the login name and the
// program's folder fixed and every message box recorded. Files are compared
// byte for byte.

#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "platform/TextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <memory>

Q_DECLARE_METATYPE(FormKind)

using Entry = platform::RecordingAlerts::Entry;

namespace {

const QString FatalError = QStringLiteral("Fatal Error");
const QString MissingAdministration =
    QStringLiteral("The Notifying administration is missing, Cannot save the notice");

Entry message(const QString &title, const QString &text)
{
    return { Entry::Message, title, text };
}

// Lines joined as the file holds them: each followed by CR LF.
QByteArray fileText(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The start of a file written on 7 December 2005 at 14:03:27 by "operator",
// with a day.month.year short date.
QStringList fileStart(const QString &adm)
{
    return { "File captured on 07.12.2005-14:03:27", "Processed by operator",
             "Program Id:  Norvane Analog Version 1.61 / 12.12.2005", "<HEAD>", "t_adm = " + adm,
             "</HEAD>" };
}

QStringList tail(int count)
{
    return { "<TAIL>", QStringLiteral("t_num_notices = %1").arg(count), "</TAIL>", "" };
}

// What the operator does to one control.
struct Action
{
    enum How { Type, Click, Choose } how;
    QString control;
    QString text; // typed, or the list entry chosen
};
using Actions = QList<Action>;

Action type(const QString &box, const QString &text) { return { Action::Type, box, text }; }
Action click(const QString &control) { return { Action::Click, control, {} }; }
Action choose(const QString &list, const QString &entry) { return { Action::Choose, list, entry }; }

bool clickControl(QAbstractButton *button)
{
    // Option buttons and check boxes are clicked on their indicator.
    const bool indicator = qobject_cast<QRadioButton *>(button) || qobject_cast<QCheckBox *>(button);
    const QPoint where = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, where);
    return true;
}

// Chooses a list entry with the arrow keys, as the operator can.
bool chooseEntry(QComboBox *list, const QString &entry)
{
    for (int step = 0; step < list->count() && list->currentText() != entry; ++step)
        QTest::keyClick(list, Qt::Key_Down);
    return list->currentText() == entry;
}

bool perform(CaptureWindow &window, const Actions &actions)
{
    for (const Action &action : actions) {
        QWidget *control = window.control(action.control);
        bool done = false;
        if (action.how == Action::Type) {
            if (auto *box = qobject_cast<QLineEdit *>(control)) {
                QTest::keyClicks(box, action.text);
                done = box->text().endsWith(action.text);
            }
        } else if (action.how == Action::Click) {
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                done = clickControl(button);
        } else if (auto *list = qobject_cast<QComboBox *>(control)) {
            done = chooseEntry(list, action.text);
        }
        if (!done) {
            qWarning("Could not act on %s (%s)", qPrintable(action.control), qPrintable(action.text));
            return false;
        }
    }
    return true;
}

// A T01 notice that holds nothing but a frequency, under the date and
// fragment typed once for the file.
Actions frequencyOnly(const QString &frequency) { return { type("Txt_1A_FreqAssgn", frequency) }; }

QStringList frequencyOnlyNotice(int number, const QString &frequency)
{
    return { "<NOTICE>", QStringLiteral("Notice No = %1").arg(number), "t_notice_type = T01",
             "t_d_adm_ntc = 2005-12-07", "t_fragment = GE84", "t_freq_assgn = " + frequency, "",
             "</NOTICE>" };
}

const Actions AdministrationDateAndFragment = {
    type("Txt_B_Adm", "F"), type("Txt_Ntc_DD", "7"), type("Txt_Ntc_MM", "12"),
    type("Txt_Ntc_YY", "2005"), click("OptFrg_Ge84"),
};

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Actions)

class TstSaving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void setUpProposesTheFileAndCountsFromOne_data();
    void setUpProposesTheFileAndCountsFromOne();
    void saveWithoutAdministrationOnlyComplains_data();
    void saveWithoutAdministrationOnlyComplains();
    void firstSaveWithOnlyTheAdministrationStartsTheFile_data();
    void firstSaveWithOnlyTheAdministrationStartsTheFile();
    void noticesAreNumberedAndTheTailCountsThem_data();
    void noticesAreNumberedAndTheTailCountsThem();
    void clearFieldsDecidesWhatStaysAfterSaving_data();
    void clearFieldsDecidesWhatStaysAfterSaving();
    void finishWithoutAnyFileCreatesNone_data();
    void finishWithoutAnyFileCreatesNone();
    void finishOnAFileWithOnlyTheHead();
    void resetLeavesTheFileAlone();

    void montmartreFileByteForByte();
    void televisionRunWithPatternAndSuppression();
    void accentedLettersAreWrittenInEightBits();

    void fileThatCannotBeCreated_data();
    void fileThatCannotBeCreated();
    void writeFailureKeepsTheNotice_data();
    void writeFailureKeepsTheNotice();
    void everySavedNoticeIsInTheFileAtOnce();
    void finishKeepsANoticeWithoutAdministration_data();
    void finishKeepsANoticeWithoutAdministration();
    void noticeWithoutFrequencyOrCoordinatesIsKept_data();
    void noticeWithoutFrequencyOrCoordinatesIsKept();
    void screenWithoutTypedDataIsSavedSilently_data();
    void screenWithoutTypedDataIsSavedSilently();
    void characterTheFileCannotHoldRefusesTheSave_data();
    void characterTheFileCannotHoldRefusesTheSave();
    void tailThatCannotBeWrittenKeepsTheWindowOpen();
    void failedCloseIsReportedAndTheRunEnds();

private:
    CaptureWindow &open(FormKind kind);
    QString path(const QString &name) const { return m_folder->filePath(name); }
    QString defaultPath(FormKind kind) const;
    // The notice files of the folder; the lock beside a file being written is not one.
    QStringList files() const
    {
        QStringList names = QDir(m_folder->path()).entryList(QDir::Files);
        names.removeIf([](const QString &name) { return name.endsWith(".lock"); });
        return names;
    }
    QByteArray contents(const QString &fileName) const;
    QLineEdit *box(const char *name) const { return m_window->textBox(QLatin1String(name)); }
    void pressSaveNext() { clickControl(m_window->button("Button_Next")); }
    void pressFinish() { clickControl(m_window->button("Button_Finish")); }
    // Ends the run the way the row names: "Finish", "close" or "reject".
    void endRun(const QString &how);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<platform::SystemOverrides> m_system;
    std::unique_ptr<platform::ScopedRecordingAlerts> m_alerts;
    std::unique_ptr<CaptureWindow> m_window;
};

void TstSaving::initTestCase()
{
    // Header dates in the day.month.year short format.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstSaving::cleanupTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TstSaving::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_system = std::make_unique<platform::SystemOverrides>();
    m_system->setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
    m_system->setLoginName("operator");
    m_system->setProgramFolder(m_folder->path());
    m_alerts = std::make_unique<platform::ScopedRecordingAlerts>();
}

void TstSaving::cleanup()
{
    // Destroyed without closing, which would run Finish.
    m_window.reset();
    m_alerts.reset();
    m_system.reset();
    m_folder.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

CaptureWindow &TstSaving::open(FormKind kind)
{
    m_window = std::make_unique<CaptureWindow>(kind);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("capture window was not exposed");
    return *m_window;
}

QString TstSaving::defaultPath(FormKind kind) const
{
    return path(kind == FormKind::T01 ? "T01M-2005127-14327-operator.txt"
                                      : "T02M-2005127-14327-operator.txt");
}

QByteArray TstSaving::contents(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "(no file " + fileName.toLocal8Bit() + ")";
    return file.readAll();
}

void TstSaving::endRun(const QString &how)
{
    if (how == QLatin1String("Finish"))
        pressFinish();
    else if (how == QLatin1String("close"))
        m_window->close();
    else
        m_window->reject();
}

void TstSaving::setUpProposesTheFileAndCountsFromOne_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("caption");

    const QString t01 = "T01-m      VHF Sound Broadcasting Station - Data Capture - ";
    const QString t02 = "T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ";
    QTest::newRow("T01, no leading zeros")
        << FormKind::T01 << QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)) << "operator"
        << "T01M-2005127-14327-operator.txt" << t01;
    QTest::newRow("T02, two digits everywhere, long login cut to 8")
        << FormKind::T02 << QDateTime(QDate(2010, 11, 25), QTime(23, 59, 58)) << "administrator"
        << "T02M-20101125-235958-administ.txt" << t02;
    QTest::newRow("T01 at midnight, no login name")
        << FormKind::T01 << QDateTime(QDate(2006, 1, 1), QTime(0, 0, 0)) << ""
        << "T01M-200611-000-Unknown (NON Windows NT environment).txt" << t01;
}

void TstSaving::setUpProposesTheFileAndCountsFromOne()
{
    QFETCH(FormKind, kind);
    QFETCH(QDateTime, moment);
    QFETCH(QString, login);
    QFETCH(QString, fileName);
    QFETCH(QString, caption);
    m_system->setDateTime(moment);
    m_system->setLoginName(login);

    open(kind);
    QCOMPARE(box("Txt_Filename")->text(), m_folder->path() + "/" + fileName);
    QCOMPARE(box("Txt_Ntc_Number")->text(), QString("1"));
    QCOMPARE(m_window->windowTitle(), caption + " Norvane Analog Version 1.61 / 12.12.2005");
    QVERIFY(!box("Txt_Filename")->isReadOnly());
    QVERIFY(box("Txt_B_Adm")->isEnabled());
    const CaptureFile &file = m_window->saving().captureFile();
    QVERIFY(!file.fileOpen && !file.finished && !file.store.isStarted());
    QCOMPARE(file.noticeNumber, 1);
    QVERIFY(m_window->checkBox("ChkClearFields")->isChecked());
    QVERIFY(files().isEmpty());
    QVERIFY(m_alerts->entries.isEmpty());
}

void TstSaving::saveWithoutAdministrationOnlyComplains_data()
{
    QTest::addColumn<Actions>("typed");
    QTest::newRow("empty screen") << Actions{};
    QTest::newRow("a whole notice") << Actions{ type("Txt_Ntc_DD", "7"), click("OptFrg_Ge84"),
                                                click("OptInt_Add"), type("Txt_1A_FreqAssgn", "98.5"),
                                                type("Txt_4A_SiteName", "MONTMARTRE") };
}

void TstSaving::saveWithoutAdministrationOnlyComplains()
{
    QFETCH(Actions, typed);
    open(FormKind::T01);
    QVERIFY(perform(*m_window, typed));

    pressSaveNext();
    QCOMPARE(m_alerts->entries, QList<Entry>{ message(FatalError, MissingAdministration) });
    QVERIFY(files().isEmpty());
    QCOMPARE(box("Txt_Ntc_Number")->text(), QString("1"));
    QVERIFY(!box("Txt_Filename")->isReadOnly());
    // Nothing was cleared.
    for (const Action &action : typed) {
        if (action.how == Action::Type)
            QCOMPARE(m_window->text(action.control), action.text);
        else
            QVERIFY(m_window->isSelected(action.control));
    }
}

void TstSaving::firstSaveWithOnlyTheAdministrationStartsTheFile_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::newRow("T01") << FormKind::T01;
    QTest::newRow("T02") << FormKind::T02;
}

void TstSaving::firstSaveWithOnlyTheAdministrationStartsTheFile()
{
    QFETCH(FormKind, kind);
    open(kind);
    QVERIFY(perform(*m_window, { type("Txt_B_Adm", "HOL") }));

    pressSaveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(files().size(), 1);
    QCOMPARE(contents(defaultPath(kind)), fileText(fileStart("HOL")));
    QCOMPARE(box("Txt_Ntc_Number")->text(), QString("1"));
    QVERIFY(box("Txt_Filename")->isReadOnly());
    QCOMPARE(box("Txt_Filename")->text(), defaultPath(kind));
    QVERIFY(!box("Txt_B_Adm")->isEnabled());
    QCOMPARE(box("Txt_B_Adm")->text(), QString("HOL"));
    QVERIFY(m_window->saving().captureFile().fileOpen);
}

void TstSaving::noticesAreNumberedAndTheTailCountsThem_data()
{
    QTest::addColumn<bool>("thirdOnScreen"); // the third notice is left for the end of the run
    QTest::addColumn<QString>("end");

    QTest::newRow("three saved, Finish") << false << "Finish";
    QTest::newRow("two saved, Finish saves the third") << true << "Finish";
    QTest::newRow("three saved, window closed") << false << "close";
    QTest::newRow("two saved, closing saves the third") << true << "close";
    QTest::newRow("two saved, reject() saves the third") << true << "reject";
}

void TstSaving::noticesAreNumberedAndTheTailCountsThem()
{
    QFETCH(bool, thirdOnScreen);
    QFETCH(QString, end);
    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment));

    const QStringList frequencies = { "98.5", "101.1", "104.7" };
    for (const QString &frequency : frequencies) {
        QVERIFY(perform(*m_window, frequencyOnly(frequency)));
        if (thirdOnScreen && frequency == frequencies.last())
            break;
        pressSaveNext();
    }
    if (!thirdOnScreen)
        QCOMPARE(box("Txt_Ntc_Number")->text(), QString("4"));

    endRun(end);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(files().size(), 1);
    QCOMPARE(contents(defaultPath(FormKind::T01)),
             fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + frequencyOnlyNotice(2, "101.1")
                      + frequencyOnlyNotice(3, "104.7") + tail(3)));
    const CaptureFile &file = m_window->saving().captureFile();
    QVERIFY(file.finished && !file.fileOpen && !file.store.isStarted());
}

void TstSaving::clearFieldsDecidesWhatStaysAfterSaving_data()
{
    QTest::addColumn<bool>("keep");
    QTest::newRow("ticked: date and fragment stay") << true;
    QTest::newRow("unticked: everything goes") << false;
}

void TstSaving::clearFieldsDecidesWhatStaysAfterSaving()
{
    QFETCH(bool, keep);
    open(FormKind::T01);
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QVERIFY(perform(*m_window, AdministrationDateAndFragment));
    QVERIFY(perform(*m_window, { click("OptInt_Add"), type("Txt_1A_FreqAssgn", "98.5"),
                                 type("Txt_4A_SiteName", "MONTMARTRE") }));
    m_window->checkBox("ChkClearFields")->setChecked(keep);

    pressSaveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(box("Txt_Ntc_Number")->text(), QString("2"));
    QCOMPARE(box("Txt_Ntc_DD")->text(), keep ? QString("7") : QString());
    QCOMPARE(box("Txt_Ntc_MM")->text(), keep ? QString("12") : QString());
    QCOMPARE(box("Txt_Ntc_YY")->text(), keep ? QString("2005") : QString());
    QCOMPARE(m_window->isSelected("OptFrg_Ge84"), keep);
    QVERIFY(!m_window->isSelected("OptInt_Add"));
    QVERIFY(box("Txt_1A_FreqAssgn")->text().isEmpty());
    QVERIFY(box("Txt_4A_SiteName")->text().isEmpty());
    QCOMPARE(box("Txt_B_Adm")->text(), QString("F"));
    QCOMPARE(QApplication::focusWidget(), box("Txt_Ntc_DD"));
}

void TstSaving::finishWithoutAnyFileCreatesNone_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("Finish") << "Finish";
    QTest::newRow("close") << "close";
}

void TstSaving::finishWithoutAnyFileCreatesNone()
{
    QFETCH(QString, end);
    open(FormKind::T02);

    endRun(end);
    QCOMPARE(m_alerts->entries, QList<Entry>{ message(FatalError, MissingAdministration) });
    QVERIFY(!m_window->isVisible());
    QVERIFY(files().isEmpty());
}

void TstSaving::finishOnAFileWithOnlyTheHead()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, { type("Txt_B_Adm", "F") }));
    pressSaveNext();
    pressFinish();

    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(contents(defaultPath(FormKind::T01)), fileText(fileStart("F") + QStringList{ "" }));
}

void TstSaving::resetLeavesTheFileAlone()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    pressSaveNext();
    QVERIFY(perform(*m_window, frequencyOnly("101.1")));

    clickControl(m_window->button("Button_Reset"));
    QVERIFY(box("Txt_1A_FreqAssgn")->text().isEmpty());
    QCOMPARE(box("Txt_Ntc_Number")->text(), QString("2"));
    QCOMPARE(box("Txt_B_Adm")->text(), QString("F"));
    QVERIFY(!box("Txt_B_Adm")->isEnabled());
    QVERIFY(box("Txt_Filename")->isReadOnly());
    QVERIFY(m_window->saving().captureFile().fileOpen);
}

void TstSaving::montmartreFileByteForByte()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, {
        type("Txt_B_Adm", "F"), type("Txt_Ntc_DD", "7"), type("Txt_Ntc_MM", "12"),
        type("Txt_Ntc_YY", "2005"), click("OptFrg_Ge84"), click("OptInt_Add"),
        type("Txt_4A_SiteName", "MONTMARTRE"), type("Txt_4B_GeoArea", "F"),
        type("Txt_4C_Deg_Long", "2"), type("Txt_4C_Min_Long", "20"), type("Txt_4C_Sec_Long", "30"),
        type("Txt_4C_EW", "E"), type("Txt_4C_Deg_Lat", "48"), type("Txt_4C_Min_Lat", "53"),
        type("Txt_4C_Sec_Lat", "10"), type("Txt_4C_NS", "N"), type("Txt_1A_FreqAssgn", "98.5"),
        choose("Combo_9D_Polariz", "H"), type("Txt_8BH_Erp_H", "40"), type("Txt_7D_TranSys", "4"),
        type("Txt_70_BDWdth", "180"), type("Txt_9E_AntHgt", "150"),
        type("Txt_9EB_Eff_hgtmax", "320"), type("Txt_9EC_azm000", "300"),
        type("Txt_9EC_azm010", "310"),
    }));
    pressSaveNext();
    pressFinish();

    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_window->isVisible());
    const QByteArray expected =
        "File captured on 07.12.2005-14:03:27\r\n"
        "Processed by operator\r\n"
        "Program Id:  Norvane Analog Version 1.61 / 12.12.2005\r\n"
        "<HEAD>\r\n"
        "t_adm = F\r\n"
        "</HEAD>\r\n"
        "<NOTICE>\r\n"
        "Notice No = 1\r\n"
        "t_notice_type = T01\r\n"
        "t_d_adm_ntc = 2005-12-07\r\n"
        "t_fragment = GE84\r\n"
        "t_action = ADD\r\n"
        "t_site_name = MONTMARTRE\r\n"
        "t_ctry = F\r\n"
        "t_freq_assgn = 98.5\r\n"
        "t_long = +0022030\r\n"
        "t_lat = +485310\r\n"
        "t_polar = H\r\n"
        "t_erp_h_dbw = 40\r\n"
        "t_tran_sys = 4\r\n"
        "t_bdwdth = 180\r\n"
        "t_hgt_agl = 150\r\n"
        "t_eff_hgtmax = 320\r\n"
        "<ANT_HGT>\r\n"
        "t_eff_hgt@azm0 = 300\r\n"
        "t_eff_hgt@azm10 = 310\r\n"
        "</ANT_HGT>\r\n"
        "</NOTICE>\r\n"
        "<TAIL>\r\n"
        "t_num_notices = 1\r\n"
        "</TAIL>\r\n"
        "\r\n";
    QCOMPARE(contents(path("T01M-2005127-14327-operator.txt")), expected);
}

void TstSaving::televisionRunWithPatternAndSuppression()
{
    open(FormKind::T02);
    QVERIFY(perform(*m_window, {
        type("Txt_B_Adm", "D"), type("Txt_Ntc_DD", "7"), type("Txt_Ntc_MM", "12"),
        type("Txt_Ntc_YY", "2005"), click("OptFrg_Ge89"), click("OptInt_Add"),
        type("Txt_4A_SiteName", "ALEXANDERPLATZ"), type("Txt_4B_GeoArea", "D"),
        type("Txt_4C_Deg_Long", "13"), type("Txt_4C_Min_Long", "24"), type("Txt_4C_Sec_Long", "35"),
        type("Txt_4C_EW", "E"), type("Txt_4C_Deg_Lat", "52"), type("Txt_4C_Min_Lat", "31"),
        type("Txt_4C_Sec_Lat", "15"), type("Txt_4C_NS", "N"), type("Txt_1A_FreqAssgn", "175.25"),
        choose("Combo_7A1_FreqStabl", "NORMAL"), type("Txt_7C1_TvSys", "B"),
        choose("Combo_7C2_Color_Sys", "PAL"), choose("Combo_9_AntDir", "D"),
        choose("Combo_9D_Polariz", "H"), type("Txt_8BH_Erp_H", "45"), type("Txt_9E_AntHgt", "300"),
        type("Txt_9EB_Eff_hgtmax", "350"), type("Txt_9NHAzm000", "0"), type("Txt_9NHAzm010", "3"),
    }));
    pressSaveNext();
    QVERIFY(perform(*m_window, {
        click("OptInt_Sup"), type("Txt_TrgAdmRefID", "12345"), type("Txt_01A_TrgFreq", "175.25"),
        type("Txt_04C_Deg_Long", "13"), type("Txt_04C_Min_Long", "24"),
        type("Txt_04C_Sec_Long", "35"), type("Txt_04C_EW", "E"), type("Txt_04C_Deg_Lat", "52"),
        type("Txt_04C_Min_Lat", "31"), type("Txt_04C_Sec_Lat", "15"), type("Txt_04C_NS", "N"),
        type("Txt_notified_Rmks", "SITE CLOSED"),
    }));
    pressFinish();

    QVERIFY(m_alerts->entries.isEmpty());
    const QStringList added = {
        "<NOTICE>", "Notice No = 1", "t_notice_type = T02", "t_d_adm_ntc = 2005-12-07",
        "t_fragment = GE89", "t_action = ADD", "t_site_name = ALEXANDERPLATZ", "t_ctry = D",
        "t_freq_assgn = 175.25", "t_long = +0132435", "t_lat = +523115", "t_freq_stabl = NORMAL",
        "t_polar = H", "t_erp_h_dbw = 45", "t_tran_sys = B", "t_color = PAL", "t_hgt_agl = 300",
        "t_eff_hgtmax = 350", "", "<ANT_DIAGR_H>", "t_attn@azm0 = 0", "t_attn@azm10 = 3",
        "</ANT_DIAGR_H>", "</NOTICE>",
    };
    const QStringList suppressed = {
        "<NOTICE>", "t_remarks = SITE CLOSED", "Notice No = 2", "t_notice_type = TB5",
        "t_d_adm_ntc = 2005-12-07", "t_fragment = GE89", "t_action = SUPPRESS",
        "t_trg_adm_ref_id = 12345", "t_trg_freq_assgn = 175.25", "t_trg_long = +0132435",
        "t_trg_lat = +523115", "t_adm_ref_id = 12345", "</NOTICE>",
    };
    QCOMPARE(contents(path("T02M-2005127-14327-operator.txt")),
             fileText(fileStart("D") + added + suppressed + tail(2)));
}

void TstSaving::accentedLettersAreWrittenInEightBits()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    box("Txt_4A_SiteName")->setText(QStringLiteral("CRÉTEIL"));
    pressSaveNext();
    pressFinish();

    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(contents(defaultPath(FormKind::T01)).contains("\r\nt_site_name = CR\xC9TEIL\r\n"));
}

void TstSaving::fileThatCannotBeCreated_data()
{
    QTest::addColumn<QString>("name"); // below the test folder, or absolute
    QTest::addColumn<int>("injectedError"); // 0: the system's own answer
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing folder") << "missing/T01.txt" << 0 << qt_error_string(ENOENT);
    QTest::newRow("a folder's name") << "." << 0 << qt_error_string(EISDIR);
    QTest::newRow("empty name") << "" << 0 << qt_error_string(ENOENT);
    QTest::newRow("no permission") << "T01.txt" << int(EACCES) << qt_error_string(EACCES);
}

void TstSaving::fileThatCannotBeCreated()
{
    QFETCH(QString, name);
    QFETCH(int, injectedError);
    QFETCH(QString, reason);
    const QString fileName = name.isEmpty() ? name : path(name);

    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    box("Txt_Filename")->setText(fileName);
    const Entry cannotCreate = message(FatalError, "Cannot create the file " + fileName + ": " + reason);
    {
        platform::TextFileFaults faults;
        if (injectedError)
            faults.failCreate(injectedError);
        pressSaveNext();
        QCOMPARE(m_alerts->entries, QList<Entry>{ cannotCreate });
        QVERIFY(files().isEmpty());
        QCOMPARE(box("Txt_1A_FreqAssgn")->text(), QString("98.5"));
        QCOMPARE(box("Txt_Ntc_Number")->text(), QString("1"));
        QVERIFY(!box("Txt_Filename")->isReadOnly());
        QVERIFY(box("Txt_B_Adm")->isEnabled());
        QVERIFY(!m_window->saving().captureFile().fileOpen);

        // Finish does not close the window on a notice it could not save.
        pressFinish();
        QCOMPARE(m_alerts->entries, (QList<Entry>{ cannotCreate, cannotCreate }));
        QVERIFY(m_window->isVisible());
    }

    // The operator corrects the name and saves again.
    m_alerts->clear();
    box("Txt_Filename")->setText(path("corrected.txt"));
    pressSaveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(contents(path("corrected.txt")), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5")));
}

void TstSaving::writeFailureKeepsTheNotice_data()
{
    QTest::addColumn<QString>("name"); // empty: the default name
    QTest::addColumn<QString>("fault"); // "write", "sync" or none
    QTest::addColumn<int>("failingSave");
    QTest::addColumn<QString>("expected"); // %1 the file name

    const QString notStarted = "Cannot write to the file \"%1\": " + qt_error_string(ENOSPC)
                               + ". The file was not started; the screen stays as it was.";
    const QString noticeKept = "Cannot write to the file \"%1\": " + qt_error_string(EIO)
                               + ". The notice was not saved; it stays on the screen.";
    QTest::newRow("/dev/full takes no header") << "/dev/full" << "" << 1 << notStarted;
    QTest::newRow("sync of the header fails")
        << "" << "sync" << 1
        << "Cannot write to the file \"%1\": " + qt_error_string(EIO)
               + ". The file was not started; the screen stays as it was.";
    QTest::newRow("write of the second notice fails") << "" << "write" << 2 << noticeKept;
    QTest::newRow("sync of the second notice fails") << "" << "sync" << 2 << noticeKept;
}

void TstSaving::writeFailureKeepsTheNotice()
{
    QFETCH(QString, name);
    QFETCH(QString, fault);
    QFETCH(int, failingSave);
    QFETCH(QString, expected);
    if (name == QLatin1String("/dev/full") && !QFile::exists(name))
        QSKIP("this system has no /dev/full");

    open(FormKind::T01);
    if (!name.isEmpty())
        box("Txt_Filename")->setText(name);
    const QString fileName = box("Txt_Filename")->text();
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    if (failingSave == 2) {
        pressSaveNext();
        QVERIFY(perform(*m_window, frequencyOnly("101.1")));
    }
    const QString counter = box("Txt_Ntc_Number")->text();
    {
        platform::TextFileFaults faults;
        if (fault == QLatin1String("write"))
            faults.failWrite(EIO);
        else if (fault == QLatin1String("sync"))
            faults.failSync(EIO);
        pressSaveNext();
    }
    QCOMPARE(m_alerts->entries, QList<Entry>{ message(FatalError, expected.arg(fileName)) });
    QCOMPARE(box("Txt_Ntc_Number")->text(), counter);
    QCOMPARE(box("Txt_1A_FreqAssgn")->text(), failingSave == 1 ? QString("98.5") : QString("101.1"));
    QVERIFY(m_window->isSelected("OptFrg_Ge84"));
    const bool started = failingSave == 2;
    QCOMPARE(m_window->saving().captureFile().fileOpen, started);
    QCOMPARE(box("Txt_Filename")->isReadOnly(), started);
    QCOMPARE(box("Txt_B_Adm")->isEnabled(), !started);
    // A file that could not be started is not left behind; a device is never removed.
    if (!started)
        QCOMPARE(QFileInfo::exists(fileName), name == QLatin1String("/dev/full"));
    if (name == QLatin1String("/dev/full"))
        return;

    // Once the fault is gone the same notice is saved, once, with its number.
    m_alerts->clear();
    pressSaveNext();
    pressFinish();
    QVERIFY(m_alerts->entries.isEmpty());
    QStringList notices = frequencyOnlyNotice(1, "98.5");
    if (started)
        notices += frequencyOnlyNotice(2, "101.1");
    QCOMPARE(contents(fileName), fileText(fileStart("F") + notices + tail(started ? 2 : 1)));
}

void TstSaving::everySavedNoticeIsInTheFileAtOnce()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    pressSaveNext();
    QVERIFY(perform(*m_window, frequencyOnly("101.1")));
    pressSaveNext();

    // Read while the window still holds the file open, as after a crash.
    QCOMPARE(contents(defaultPath(FormKind::T01)),
             fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + frequencyOnlyNotice(2, "101.1")));
}

void TstSaving::finishKeepsANoticeWithoutAdministration_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("Finish") << "Finish";
    QTest::newRow("close") << "close";
}

void TstSaving::finishKeepsANoticeWithoutAdministration()
{
    QFETCH(QString, end);
    open(FormKind::T01);
    QVERIFY(perform(*m_window, { type("Txt_Ntc_DD", "7"), type("Txt_Ntc_MM", "12"),
                                 type("Txt_Ntc_YY", "2005"), click("OptFrg_Ge84") }));
    QVERIFY(perform(*m_window, frequencyOnly("98.5")));

    endRun(end);
    QCOMPARE(m_alerts->entries, QList<Entry>{ message(FatalError, MissingAdministration) });
    QVERIFY(m_window->isVisible());
    QCOMPARE(box("Txt_1A_FreqAssgn")->text(), QString("98.5"));
    QVERIFY(files().isEmpty());

    m_alerts->clear();
    QVERIFY(perform(*m_window, { type("Txt_B_Adm", "F") }));
    endRun(end);
    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(contents(defaultPath(FormKind::T01)),
             fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + tail(1)));
}

void TstSaving::noticeWithoutFrequencyOrCoordinatesIsKept_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<Action>("typed");
    QTest::addColumn<QString>("end"); // the action that meets the incomplete notice

    const struct
    {
        const char *row;
        FormKind kind;
        Action typed;
    } cases[] = {
        { "site name", FormKind::T01, type("Txt_4A_SiteName", "MONTMARTRE") },
        { "internal remarks", FormKind::T01, type("Txt_Internal_Rmks", "TO CHECK") },
        { "coordinated administration 12", FormKind::T01, type("Txt_11_Adm12", "SUI") },
        { "Article 11 operating agency", FormKind::T01, type("Txt_12A_OpAgcy", "12") },
        { "vertical attenuation at 350", FormKind::T01, type("Txt_9NVAzm350", "20") },
        { "T01 transmission system", FormKind::T01, type("Txt_7D_TranSys", "4") },
        { "directivity chosen", FormKind::T01, choose("Combo_9_AntDir", "ND") },
        { "T02 offset in kHz", FormKind::T02, type("Txt_1E_kHz", "5") },
        { "T02 colour system chosen", FormKind::T02, choose("Combo_7C2_Color_Sys", "PAL") },
        { "target identifier", FormKind::T02, type("Txt_TrgAdmRefID", "12345") },
    };
    for (const auto &c : cases) {
        for (const char *end : { "Save/Next", "Finish", "close" }) {
            QTest::addRow("%s, %s", c.row, end) << c.kind << c.typed << QString(end);
        }
    }
}

void TstSaving::noticeWithoutFrequencyOrCoordinatesIsKept()
{
    QFETCH(FormKind, kind);
    QFETCH(Action, typed);
    QFETCH(QString, end);
    open(kind);
    QVERIFY(perform(*m_window, { type("Txt_B_Adm", "F"), typed }));

    if (end == QLatin1String("Save/Next"))
        pressSaveNext();
    else
        endRun(end);
    QCOMPARE(m_alerts->entries,
             QList<Entry>{ message("Notice not saved",
                                   "The notice has no frequency and no coordinates: it was not saved.") });
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->text(typed.control), typed.text);
    QVERIFY(files().isEmpty());
    QVERIFY(!m_window->saving().captureFile().finished);

    // Reset empties the screen; the run can then end.
    m_alerts->clear();
    clickControl(m_window->button("Button_Reset"));
    pressFinish();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
}

void TstSaving::screenWithoutTypedDataIsSavedSilently_data()
{
    QTest::addColumn<Actions>("typed");
    QTest::newRow("administration only") << Actions{ type("Txt_B_Adm", "F") };
    QTest::newRow("date and fragment kept from the last notice") << AdministrationDateAndFragment;
    QTest::newRow("an intention alone") << Actions{ type("Txt_B_Adm", "F"), click("OptInt_Add") };
}

void TstSaving::screenWithoutTypedDataIsSavedSilently()
{
    QFETCH(Actions, typed);
    open(FormKind::T01);
    QVERIFY(perform(*m_window, typed));

    pressSaveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(box("Txt_Ntc_Number")->text(), QString("1"));
    pressFinish();
    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(contents(defaultPath(FormKind::T01)), fileText(fileStart("F") + QStringList{ "" }));
}

void TstSaving::characterTheFileCannotHoldRefusesTheSave_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<bool>("fileStarted"); // by an earlier notice
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("character");

    QTest::newRow("site name, first notice")
        << FormKind::T01 << false << "Txt_4A_SiteName" << QStringLiteral("MOSKVA Ж") << "\"Ж\" (U+0416)";
    QTest::newRow("administration, first notice")
        << FormKind::T02 << false << "Txt_B_Adm" << QStringLiteral("Ж") << "\"Ж\" (U+0416)";
    QTest::newRow("remarks, file open")
        << FormKind::T02 << true << "Txt_notified_Rmks" << QStringLiteral("50 Ω LOAD") << "\"Ω\" (U+03A9)";
    QTest::newRow("effective height, file open")
        << FormKind::T01 << true << "Txt_9EC_azm090" << QStringLiteral("3→0") << "\"→\" (U+2192)";
}

void TstSaving::characterTheFileCannotHoldRefusesTheSave()
{
    QFETCH(FormKind, kind);
    QFETCH(bool, fileStarted);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, character);
    open(kind);
    QVERIFY(perform(*m_window, { type("Txt_1A_FreqAssgn", "98.5") }));
    if (control != QLatin1String("Txt_B_Adm"))
        box("Txt_B_Adm")->setText("F");
    if (fileStarted)
        pressSaveNext();
    const QByteArray before = contents(defaultPath(kind));
    const QString counter = box("Txt_Ntc_Number")->text();

    if (fileStarted)
        QVERIFY(perform(*m_window, { type("Txt_1A_FreqAssgn", "98.5") }));
    m_window->textBox(control)->setText(text);
    pressSaveNext();
    const QString refusal = "The box " + control + " holds the character " + character
                            + ", which the notice file cannot hold, Cannot save the notice";
    QCOMPARE(m_alerts->entries, QList<Entry>{ message(FatalError, refusal) });
    QCOMPARE(m_window->text(control), text);
    QCOMPARE(box("Txt_1A_FreqAssgn")->text(), QString("98.5"));
    QCOMPARE(box("Txt_Ntc_Number")->text(), counter);
    QCOMPARE(contents(defaultPath(kind)), before);
    QCOMPARE(files().size(), fileStarted ? 1 : 0);
}

void TstSaving::tailThatCannotBeWrittenKeepsTheWindowOpen()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    pressSaveNext();
    {
        platform::TextFileFaults faults;
        faults.failWrite(ENOSPC);
        pressFinish();
    }
    const QString fileName = defaultPath(FormKind::T01);
    QCOMPARE(m_alerts->entries,
             QList<Entry>{ message(FatalError, "Cannot write to the file \"" + fileName + "\": "
                                                   + qt_error_string(ENOSPC)
                                                   + ". The file is not finished: mend the fault, then "
                                                     "press Finish again.") });
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->saving().captureFile().fileOpen);

    m_alerts->clear();
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(contents(fileName), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + tail(1)));
}

void TstSaving::failedCloseIsReportedAndTheRunEnds()
{
    open(FormKind::T01);
    QVERIFY(perform(*m_window, AdministrationDateAndFragment + frequencyOnly("98.5")));
    pressSaveNext();
    {
        platform::TextFileFaults faults;
        faults.failClose(EIO);
        pressFinish();
    }
    const QString fileName = defaultPath(FormKind::T01);
    QCOMPARE(m_alerts->entries,
             QList<Entry>{ message(FatalError, "Cannot close the file \"" + fileName + "\": "
                                                   + qt_error_string(EIO)
                                                   + ". Every line had been written to the disk before; "
                                                     "check the file.") });
    QVERIFY(!m_window->isVisible());
    QCOMPARE(contents(fileName), fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + tail(1)));
}

QTEST_MAIN(TstSaving)
#include "tst_saving.moc"
