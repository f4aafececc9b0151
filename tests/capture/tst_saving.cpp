// Saving notices from a capture window into its output file: the window's
// set-up, Save/Next, Finish and the closing of the window, typed through the
// real window as the operator would. Files are compared byte for byte. The
// saves that are refused, and the faults of the file, are in
// tst_saving_faults.

#include "SavingFixture.h"

using namespace Control;

class TstSaving : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void setUpProposesTheFileAndCountsFromOne_data();
    void setUpProposesTheFileAndCountsFromOne();
    void firstSaveWithOnlyTheAdministrationStartsTheFile_data();
    void firstSaveWithOnlyTheAdministrationStartsTheFile();
    void noticesAreNumberedAndTheTailCountsThem_data();
    void noticesAreNumberedAndTheTailCountsThem();
    void clearFieldsDecidesWhatStaysAfterSaving_data();
    void clearFieldsDecidesWhatStaysAfterSaving();
    void finishOnAFileWithOnlyTheHead();
    void resetLeavesTheFileAlone();
    void everySavedNoticeIsInTheFileAtOnce();
    void screenWithoutTypedDataIsSavedSilently_data();
    void screenWithoutTypedDataIsSavedSilently();

    void montmartreFileByteForByte();
    void televisionRunWithPatternAndSuppression();
    void accentedLettersAreWrittenInEightBits();
};

void TstSaving::setUpProposesTheFileAndCountsFromOne_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("installed"); // the program's folder is not writable: the documents folder

    const QString t01 = "T01-m      VHF Sound Broadcasting Station - Data Capture - ";
    const QString t02 = "T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ";
    QTest::newRow("T01, no leading zeros")
        << FormKind::T01 << QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)) << "operator"
        << "T01M-2005127-14327-operator.txt" << t01 << false;
    QTest::newRow("T02, two digits everywhere, long login cut to 8")
        << FormKind::T02 << QDateTime(QDate(2010, 11, 25), QTime(23, 59, 58)) << "administrator"
        << "T02M-20101125-235958-administ.txt" << t02 << false;
    QTest::newRow("T01 at midnight, no login name")
        << FormKind::T01 << QDateTime(QDate(2006, 1, 1), QTime(0, 0, 0)) << ""
        << "T01M-200611-000-Unknown (NON Windows NT environment).txt" << t01 << false;
    QTest::newRow("T02 installed, in the documents folder")
        << FormKind::T02 << QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)) << "operator"
        << "T02M-2005127-14327-operator.txt" << t02 << true;
}

void TstSaving::setUpProposesTheFileAndCountsFromOne()
{
    QFETCH(FormKind, kind);
    QFETCH(QDateTime, moment);
    QFETCH(QString, login);
    QFETCH(QString, fileName);
    QFETCH(QString, caption);
    QFETCH(bool, installed);
    m_system->setDateTime(moment);
    m_system->setLoginName(login);
    if (installed) {
        m_system->setProgramFolder(path("no such folder"));
        m_system->setDocumentsFolder(m_folder->path());
    }

    open(kind);
    QCOMPARE(box(Txt_Filename)->text(), m_folder->path() + "/" + fileName);
    QCOMPARE(box(Txt_Ntc_Number)->text(), QString("1"));
    QCOMPARE(m_window->windowTitle(), caption + " Norvane Analog Version 1.61 / 12.12.2005");
    QVERIFY(!box(Txt_Filename)->isReadOnly());
    QVERIFY(box(Txt_B_Adm)->isEnabled());
    QVERIFY(!captureFile().fileOpen && !captureFile().finished && !captureFile().store.isStarted());
    QCOMPARE(captureFile().noticeNumber, 1);
    QVERIFY(m_drive->isChecked(ChkClearFields));
    QVERIFY(files().isEmpty());
    QVERIFY(m_alerts->entries.isEmpty());
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
    m_drive->type(Txt_B_Adm, "HOL");

    m_drive->saveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(files().size(), 1);
    QCOMPARE(contents(defaultPath(kind)), fileText(fileStart("HOL")));
    QCOMPARE(box(Txt_Ntc_Number)->text(), QString("1"));
    QVERIFY(box(Txt_Filename)->isReadOnly());
    QCOMPARE(box(Txt_Filename)->text(), defaultPath(kind));
    QVERIFY(!box(Txt_B_Adm)->isEnabled());
    QCOMPARE(box(Txt_B_Adm)->text(), QString("HOL"));
    QVERIFY(captureFile().fileOpen);
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
    m_drive->perform(AdministrationDateAndFragment);

    const QStringList frequencies = {"98.5", "101.1", "104.7"};
    for (const QString &frequency : frequencies) {
        m_drive->perform(frequencyOnly(frequency));
        if (thirdOnScreen && frequency == frequencies.last())
            break;
        m_drive->saveNext();
    }
    if (!thirdOnScreen)
        QCOMPARE(box(Txt_Ntc_Number)->text(), QString("4"));

    endRun(end);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(files().size(), 1);
    QCOMPARE(contents(defaultPath(FormKind::T01)),
             fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + frequencyOnlyNotice(2, "101.1")
                      + frequencyOnlyNotice(3, "104.7") + tail(3)));
    QVERIFY(captureFile().finished && !captureFile().fileOpen && !captureFile().store.isStarted());
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
    m_drive->perform(AdministrationDateAndFragment
                     + Steps{click(OptInt_Add), type(Txt_1A_FreqAssgn, "98.5"), type(Txt_4A_SiteName, "MONTMARTRE")});
    m_drive->check(ChkClearFields, keep);

    m_drive->saveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(box(Txt_Ntc_Number)->text(), QString("2"));
    QCOMPARE(box(Txt_Ntc_DD)->text(), keep ? QString("7") : QString());
    QCOMPARE(box(Txt_Ntc_MM)->text(), keep ? QString("12") : QString());
    QCOMPARE(box(Txt_Ntc_YY)->text(), keep ? QString("2005") : QString());
    QCOMPARE(m_window->isSelected(OptFrg_Ge84), keep);
    QVERIFY(!m_window->isSelected(OptInt_Add));
    QVERIFY(box(Txt_1A_FreqAssgn)->text().isEmpty());
    QVERIFY(box(Txt_4A_SiteName)->text().isEmpty());
    QCOMPARE(box(Txt_B_Adm)->text(), QString("F"));
    // The next notice starts in the first empty box.
    QVERIFY(m_drive->hasFocus(keep ? Txt_AdmRefID : Txt_Ntc_DD));
}

void TstSaving::finishOnAFileWithOnlyTheHead()
{
    open(FormKind::T01);
    m_drive->type(Txt_B_Adm, "F");
    m_drive->saveNext();
    m_drive->finish();

    QVERIFY(!m_window->isVisible());
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(contents(defaultPath(FormKind::T01)), fileText(fileStart("F") + QStringList{""}));
}

void TstSaving::resetLeavesTheFileAlone()
{
    open(FormKind::T01);
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->saveNext();
    m_drive->perform(frequencyOnly("101.1"));

    m_drive->reset();
    QVERIFY(box(Txt_1A_FreqAssgn)->text().isEmpty());
    QCOMPARE(box(Txt_Ntc_Number)->text(), QString("2"));
    QCOMPARE(box(Txt_B_Adm)->text(), QString("F"));
    QVERIFY(!box(Txt_B_Adm)->isEnabled());
    QVERIFY(box(Txt_Filename)->isReadOnly());
    QVERIFY(captureFile().fileOpen);
}

void TstSaving::everySavedNoticeIsInTheFileAtOnce()
{
    open(FormKind::T01);
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->saveNext();
    m_drive->perform(frequencyOnly("101.1"));
    m_drive->saveNext();

    // Read while the window still holds the file open, as after a crash.
    QCOMPARE(contents(defaultPath(FormKind::T01)),
             fileText(fileStart("F") + frequencyOnlyNotice(1, "98.5") + frequencyOnlyNotice(2, "101.1")));
}

void TstSaving::screenWithoutTypedDataIsSavedSilently_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::newRow("administration only") << Steps{type(Txt_B_Adm, "F")};
    QTest::newRow("date and fragment kept from the last notice") << AdministrationDateAndFragment;
    QTest::newRow("an intention alone") << Steps{type(Txt_B_Adm, "F"), click(OptInt_Add)};
}

void TstSaving::screenWithoutTypedDataIsSavedSilently()
{
    QFETCH(Steps, typed);
    open(FormKind::T01);
    m_drive->perform(typed);

    m_drive->saveNext();
    QVERIFY(m_alerts->entries.isEmpty());
    QCOMPARE(box(Txt_Ntc_Number)->text(), QString("1"));
    m_drive->finish();
    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(contents(defaultPath(FormKind::T01)), fileText(fileStart("F") + QStringList{""}));
}

// The example notice of the README, typed key by key.
void TstSaving::montmartreFileByteForByte()
{
    open(FormKind::T01);
    m_drive->perform({
        type(Txt_B_Adm, "F"), type(Txt_Ntc_DD, "7"), type(Txt_Ntc_MM, "12"), type(Txt_Ntc_YY, "2005"),
        click(OptFrg_Ge84), click(OptInt_Add), type(Txt_4A_SiteName, "MONTMARTRE"), type(Txt_4B_GeoArea, "F"),
        type(Txt_4C_Deg_Long, "2"), type(Txt_4C_Min_Long, "20"), type(Txt_4C_Sec_Long, "30"),
        type(Txt_4C_EW, "E"), type(Txt_4C_Deg_Lat, "48"), type(Txt_4C_Min_Lat, "53"),
        type(Txt_4C_Sec_Lat, "10"), type(Txt_4C_NS, "N"), type(Txt_1A_FreqAssgn, "98.5"),
        choose(Combo_9D_Polariz, "H"), type(Txt_8BH_Erp_H, "40"), type(Txt_7D_TranSys, "4"),
        type(Txt_70_BDWdth, "180"), type(Txt_9E_AntHgt, "150"), type(Txt_9EB_Eff_hgtmax, "320"),
        type("Txt_9EC_azm000", "300"), type("Txt_9EC_azm010", "310"),
    });
    m_drive->saveNext();
    m_drive->finish();

    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_window->isVisible());
    const QString expected = QFINDTESTDATA("../notice/data/montmartre-T01.txt");
    QVERIFY(!expected.isEmpty());
    QCOMPARE(contents(path("T01M-2005127-14327-operator.txt")), contents(expected));
}

void TstSaving::televisionRunWithPatternAndSuppression()
{
    open(FormKind::T02);
    m_drive->perform({
        type(Txt_B_Adm, "D"), type(Txt_Ntc_DD, "7"), type(Txt_Ntc_MM, "12"), type(Txt_Ntc_YY, "2005"),
        click(OptFrg_Ge89), click(OptInt_Add), type(Txt_4A_SiteName, "ALEXANDERPLATZ"),
        type(Txt_4B_GeoArea, "D"), type(Txt_4C_Deg_Long, "13"), type(Txt_4C_Min_Long, "24"),
        type(Txt_4C_Sec_Long, "35"), type(Txt_4C_EW, "E"), type(Txt_4C_Deg_Lat, "52"),
        type(Txt_4C_Min_Lat, "31"), type(Txt_4C_Sec_Lat, "15"), type(Txt_4C_NS, "N"),
        type(Txt_1A_FreqAssgn, "175.25"), choose(Combo_7A1_FreqStabl, "NORMAL"), type(Txt_7C1_TvSys, "B"),
        choose(Combo_7C2_Color_Sys, "PAL"), choose(Combo_9_AntDir, "D"), choose(Combo_9D_Polariz, "H"),
        type(Txt_8BH_Erp_H, "45"), type(Txt_9E_AntHgt, "300"), type(Txt_9EB_Eff_hgtmax, "350"),
        type("Txt_9NHAzm000", "0"), type("Txt_9NHAzm010", "3"),
    });
    m_drive->saveNext();
    m_drive->perform({
        click(OptInt_Sup), type(Txt_TrgAdmRefID, "12345"), type(Txt_01A_TrgFreq, "175.25"),
        type(Txt_04C_Deg_Long, "13"), type(Txt_04C_Min_Long, "24"), type(Txt_04C_Sec_Long, "35"),
        type(Txt_04C_EW, "E"), type(Txt_04C_Deg_Lat, "52"), type(Txt_04C_Min_Lat, "31"),
        type(Txt_04C_Sec_Lat, "15"), type(Txt_04C_NS, "N"), type(Txt_notified_Rmks, "SITE CLOSED"),
    });
    m_drive->finish();

    QVERIFY(m_alerts->entries.isEmpty());
    const QString expected = QFINDTESTDATA("data/alexanderplatz-T02.txt");
    QVERIFY(!expected.isEmpty());
    QCOMPARE(contents(path("T02M-2005127-14327-operator.txt")), contents(expected));
}

void TstSaving::accentedLettersAreWrittenInEightBits()
{
    open(FormKind::T01);
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->put(Txt_4A_SiteName, QStringLiteral("CRÉTEIL"));
    m_drive->saveNext();
    m_drive->finish();

    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(contents(defaultPath(FormKind::T01)).contains("\r\nt_site_name = CR\xC9TEIL\r\n"));
}

QTEST_MAIN(TstSaving)
#include "tst_saving.moc"
