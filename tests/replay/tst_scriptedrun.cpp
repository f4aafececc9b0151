#include "ScriptedRunSupport.h"

#include "capture/CaptureApplication.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

// The whole-file example of a T01 notice: MONTMARTRE, typed as an operator
// would, small letters included (the code and name boxes make them capitals).
const QByteArray MontmartreScreen = R"({
    "Txt_B_Adm": "f", "Txt_Ntc_DD": "7", "Txt_Ntc_MM": "12", "Txt_Ntc_YY": "2005",
    "OptFrg_Ge84": true, "OptInt_Add": true,
    "Txt_4A_SiteName": "montmartre", "Txt_4B_GeoArea": "f",
    "Txt_4C_Deg_Long": "2", "Txt_4C_Min_Long": "20", "Txt_4C_Sec_Long": "30", "Txt_4C_EW": "e",
    "Txt_4C_Deg_Lat": "48", "Txt_4C_Min_Lat": "53", "Txt_4C_Sec_Lat": "10", "Txt_4C_NS": "n",
    "Txt_1A_FreqAssgn": "98.5", "Combo_9D_Polariz": "H", "Txt_8BH_Erp_H": "40",
    "Txt_7D_TranSys": "4", "Txt_70_BDWdth": "180", "Txt_9E_AntHgt": "150", "Txt_9EB_Eff_hgtmax": "320",
    "Txt_9EC_azm000": "300", "Txt_9EC_azm010": "310"})";

const QByteArray MontmartreFile = Header + head("F")
    + "<NOTICE>\r\n"
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
    + tail(1);

// A T02 station with a horizontal antenna pattern, then, as a list of pairs,
// the suppression of a target assignment: the site name is typed before Sup
// hides it, and the remarks after.
const QByteArray T02Screens = R"([
    {"Txt_B_Adm": "g", "Txt_Ntc_DD": "1", "Txt_Ntc_MM": "3", "Txt_Ntc_YY": "2005",
     "OptFrg_Ge89": true, "OptInt_Add": true,
     "Txt_4A_SiteName": "dover", "Txt_4B_GeoArea": "g",
     "Txt_4C_Deg_Long": "1", "Txt_4C_Min_Long": "19", "Txt_4C_EW": "e",
     "Txt_4C_Deg_Lat": "51", "Txt_4C_Min_Lat": "7", "Txt_4C_NS": "n",
     "Txt_1A_FreqAssgn": "543.25", "Combo_7A1_FreqStabl": "NORMAL", "Combo_9D_Polariz": "H",
     "Txt_8BH_Erp_H": "45", "Txt_8D_Pwr_Ratio": "10", "Txt_7C1_TvSys": "i",
     "Combo_7C2_Color_Sys": "PAL", "Txt_1E_Lf": "8", "Combo_9_AntDir": "D",
     "Txt_9E_AntHgt": "120", "Txt_9EB_Eff_hgtmax": "300",
     "Txt_9NHAzm000": "0", "Txt_9NHAzm010": "3", "Txt_9NHAzm020": "6"},
    [["Txt_4A_SiteName", "dover"], ["Txt_TrgAdmRefID", "DOV-1"], ["Txt_01A_TrgFreq", "543.25"],
     ["Txt_04C_Deg_Long", "1"], ["Txt_04C_Min_Long", "19"], ["Txt_04C_EW", "e"],
     ["Txt_04C_Deg_Lat", "51"], ["Txt_04C_Min_Lat", "7"], ["Txt_04C_NS", "n"],
     ["OptInt_Sup", true], ["Txt_notified_Rmks", "withdrawn 2005"]]
])";

const QByteArray T02File = Header + head("G")
    + "<NOTICE>\r\n"
      "Notice No = 1\r\n"
      "t_notice_type = T02\r\n"
      "t_d_adm_ntc = 2005-03-01\r\n"
      "t_fragment = GE89\r\n"
      "t_action = ADD\r\n"
      "t_site_name = DOVER\r\n"
      "t_ctry = G\r\n"
      "t_freq_assgn = 543.25\r\n"
      "t_long = +0011900\r\n"
      "t_lat = +510700\r\n"
      "t_freq_stabl = NORMAL\r\n"
      "t_polar = H\r\n"
      "t_erp_h_dbw = 45\r\n"
      "t_pwr_ratio = 10\r\n"
      "t_tran_sys = I\r\n"
      "t_color = PAL\r\n"
      "t_oset_v_12 = 8\r\n"
      "t_hgt_agl = 120\r\n"
      "t_eff_hgtmax = 300\r\n"
      "\r\n"
      "<ANT_DIAGR_H>\r\n"
      "t_attn@azm0 = 0\r\n"
      "t_attn@azm10 = 3\r\n"
      "t_attn@azm20 = 6\r\n"
      "</ANT_DIAGR_H>\r\n"
      "</NOTICE>\r\n"
      "<NOTICE>\r\n"
      "t_remarks = withdrawn 2005\r\n"
      "Notice No = 2\r\n"
      "t_notice_type = TB5\r\n"
      "t_d_adm_ntc = 2005-03-01\r\n"
      "t_fragment = GE89\r\n"
      "t_action = SUPPRESS\r\n"
      "t_trg_adm_ref_id = DOV-1\r\n"
      "t_trg_freq_assgn = 543.25\r\n"
      "t_trg_long = +0011900\r\n"
      "t_trg_lat = +510700\r\n"
      "t_adm_ref_id = DOV-1\r\n"
      "</NOTICE>\r\n"
    + tail(2);

} // namespace

// Scripted runs that go through: the files they write, a long script read
// from its file screen by screen, and the program run with a script.
class TestScriptedRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void completedRuns_data();
    void completedRuns();
    void runFromTheCommandLine();
    void manyNotices_data();
    void manyNotices();

private:
    ScriptRunner m_runner;
};

void TestScriptedRun::initTestCase()
{
    m_runner.fixMachine();
}

void TestScriptedRun::init()
{
    QVERIFY(m_runner.startFolder());
}

void TestScriptedRun::cleanup()
{
    const QStringList open = ScriptRunner::openWindows();
    QVERIFY2(open.isEmpty(), qPrintable(open.join(", ")));
}

void TestScriptedRun::completedRuns_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("outputOverride");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("expectedFile");
    QTest::addColumn<QString>("notices");

    QTest::newRow("T01 under the proposed file name")
        << R"({"form": "T01", "notices": [)" + MontmartreScreen + "]}" << QString()
        << "T01M-2005127-14327-operator.txt" << MontmartreFile << "1 notice";
    QTest::newRow("T02, pattern and a Sup notice given as pairs")
        << R"({"form": "T02", "output": "t02.txt", "notices": )" + T02Screens + "}" << QString()
        << "t02.txt" << T02File << "2 notices";
    QTest::newRow("French window, --output wins over the script's output")
        << R"({"form": "T01", "language": "fr", "output": "script.txt", "notices": [)" + MontmartreScreen + "]}"
        << "fr.txt" << "fr.txt" << MontmartreFile << "1 notice";
    // A first screen with the administration alone starts the file; the
    // following screens are the notices.
    QTest::newRow("administration alone, then the notice")
        << QByteArray(R"({"form": "T01", "output": "two.txt", "notices": [{"Txt_B_Adm": "F"},
                          {"OptInt_Add": true, "Txt_1A_FreqAssgn": "98.5"}]})")
        << QString() << "two.txt" << Header + head("F") + FirstNotice + tail(1) << "1 notice";
}

void TestScriptedRun::completedRuns()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, outputOverride);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, expectedFile);
    QFETCH(QString, notices);

    // The script held as an object, then read from a file screen by screen.
    for (const bool fromFile : { false, true }) {
        const RunResult result =
            fromFile ? m_runner.runScriptFile(script, outputOverride) : m_runner.run(script, outputOverride);

        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, m_runner.path(fileName) + ": " + notices + "\n");
        QCOMPARE(m_runner.contents(fileName), expectedFile);
        QCOMPARE(QDir(m_runner.folder()).entryList(QDir::Files), QStringList{fileName});
        QVERIFY(QFile::remove(m_runner.path(fileName)));
    }
}

// The program itself, with the script in a file: the clock and the login name
// are the machine's, so the header lines are left out of the comparison.
void TestScriptedRun::runFromTheCommandLine()
{
    QFile script(m_runner.path("script.json"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(R"({"form": "T01", "output": "ignored.txt", "notices": [)" + FirstScreen
                 + R"(, {"Txt_4C_Deg_Lat": "95"}]})");
    script.close();

    QProcess program;
    program.setWorkingDirectory(m_runner.folder());
    // Run as from cron or a bare ssh login, with no runtime folder: stderr
    // still holds the run's report and nothing else.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(NOTICE_CAPTURE_EXE),
                  {"--replay", script.fileName(), "--output", m_runner.path("cli.txt")});
    QVERIFY(program.waitForFinished(60000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             QString("notice 2: Txt_4C_Deg_Lat: Prevalidation Error - Latitude: Value must be between [0,90]\n"));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFile::exists(m_runner.path("ignored.txt")));
    const QByteArray file = m_runner.contents("cli.txt");
    const QList<QByteArray> lines = file.split('\n');
    QVERIFY(lines.size() > 3);
    QVERIFY(lines.at(0).startsWith("File captured on "));
    QCOMPARE(file.sliced(file.indexOf("<HEAD>")), head("F") + FirstNotice + tail(1));

    // A script the program cannot read.
    program.start(QStringLiteral(NOTICE_CAPTURE_EXE), {"--replay", m_runner.path("missing.json")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 2);
    QVERIFY(program.readAllStandardError().contains("Cannot read the script"));
}

// A long script, generated, read from a file one screen at a time: every
// screen is played in its order and written as its own notice. Screens
// alternate between the two shapes, and their remarks hold what could
// mislead the cutting of the file into screens: brackets, braces, commas and
// escaped quotes and backslashes.
void TestScriptedRun::manyNotices_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("2000 notices") << 2000;
}

void TestScriptedRun::manyNotices()
{
    QFETCH(int, count);

    auto remark = [](int notice) { return QStringLiteral("N%1 [a], {\"b\": \\c}").arg(notice); };
    QByteArray script = R"({"form": "T01", "output": "many.txt", "notices": [)";
    QByteArray expected = Header + head("F");
    for (int notice = 1; notice <= count; ++notice) {
        const QByteArray frequency = QByteArray::number(100 + notice % 900) + "." + QByteArray::number(notice % 10);
        QJsonArray pairs;
        if (notice == 1)
            pairs.append(QJsonArray{ "Txt_B_Adm", "F" });
        pairs.append(QJsonArray{ "OptInt_Add", true });
        pairs.append(QJsonArray{ "Txt_1A_FreqAssgn", QString::fromLatin1(frequency) });
        pairs.append(QJsonArray{ "Txt_notified_Rmks", remark(notice) });
        QJsonObject screen;
        for (const QJsonValue &pair : std::as_const(pairs))
            screen.insert(pair.toArray().at(0).toString(), pair.toArray().at(1));
        const QJsonDocument document = notice % 2 ? QJsonDocument(screen) : QJsonDocument(pairs);
        script += (notice == 1 ? "\n  " : ",\n  ") + document.toJson(QJsonDocument::Compact);

        expected += "<NOTICE>\r\n"
                    "t_remarks = " + remark(notice).toLatin1() + "\r\n"
                    "Notice No = " + QByteArray::number(notice) + "\r\n"
                    "t_notice_type = T01\r\n"
                    "t_action = ADD\r\n"
                    "t_freq_assgn = " + frequency + "\r\n"
                    "\r\n"
                    "</NOTICE>\r\n";
    }
    script += "\n]}\n";
    expected += tail(count);

    const RunResult result = m_runner.runScriptFile(script);

    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, m_runner.path("many.txt") + ": " + QString::number(count) + " notices\n");
    const QByteArray file = m_runner.contents("many.txt");
    if (file != expected) {
        // The first line that differs, rather than two files of some 300 kB.
        const QList<QByteArray> got = file.split('\n');
        const QList<QByteArray> want = expected.split('\n');
        for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
            QCOMPARE(got.at(i), want.at(i));
        QCOMPARE(got.size(), want.size());
    }
}

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestScriptedRun test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scriptedrun.moc"
