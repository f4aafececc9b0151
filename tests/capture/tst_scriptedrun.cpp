#include "capture/CaptureApplication.h"
#include "capture/ScriptedRun.h"
#include "platform/System.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

// Every file of these runs is captured on 7 December 2005 at 14:03:27 by
// "operator", with a day.month.year short date.
const QByteArray Header = "File captured on 07.12.2005-14:03:27\r\n"
                          "Processed by operator\r\n"
                          "Program Id:  Norvane Analog Version 1.61 / 12.12.2005\r\n";

QByteArray head(const QByteArray &adm)
{
    return "<HEAD>\r\nt_adm = " + adm + "\r\n</HEAD>\r\n";
}

QByteArray tail(int count)
{
    return "<TAIL>\r\nt_num_notices = " + QByteArray::number(count) + "\r\n</TAIL>\r\n\r\n";
}

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

// The first screen of the runs that stop: one plain T01 notice.
const QByteArray FirstScreen = R"({"Txt_B_Adm": "F", "OptInt_Add": true, "Txt_1A_FreqAssgn": "98.5"})";
const QByteArray FirstNotice = "<NOTICE>\r\n"
                               "Notice No = 1\r\n"
                               "t_notice_type = T01\r\n"
                               "t_action = ADD\r\n"
                               "t_freq_assgn = 98.5\r\n"
                               "\r\n"
                               "</NOTICE>\r\n";

struct RunResult
{
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestScriptedRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void completedRuns_data();
    void completedRuns();
    void stops_data();
    void stops();
    void badScripts_data();
    void badScripts();
    void runFromTheCommandLine();
    void manyNotices_data();
    void manyNotices();

private:
    RunResult run(const QByteArray &script, const QString &outputOverride = QString());
    RunResult runFile(const QByteArray &fileText);
    RunResult runScriptFile(const QByteArray &fileText, const QString &outputOverride = QString());
    QString path(const QString &name) const { return m_folder->filePath(name); }
    QByteArray contents(const QString &name) const;

    platform::SystemOverrides m_system;
    std::unique_ptr<QTemporaryDir> m_folder;
    QTemporaryDir m_scripts; // script files kept apart from the output files
};

void TestScriptedRun::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // dd.MM.yy
    m_system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
    m_system.setLoginName(QStringLiteral("operator"));
}

void TestScriptedRun::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_system.setProgramFolder(m_folder->path());
    // Relative output names land in the test's folder.
    QVERIFY(QDir::setCurrent(m_folder->path()));
}

void TestScriptedRun::cleanup()
{
    QCoreApplication::processEvents();
    for (const QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

RunResult TestScriptedRun::run(const QByteArray &script, const QString &outputOverride)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(script, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("test script: %s at %d", qPrintable(error.errorString()), error.offset);
    RunResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = ScriptedRun::run(document.object(), outputOverride, out, err);
    return result;
}

RunResult TestScriptedRun::runFile(const QByteArray &fileText)
{
    QFile script(path(QStringLiteral("script.json")));
    if (!script.open(QIODevice::WriteOnly) || script.write(fileText) != fileText.size())
        return {};
    script.close();
    RunResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = ScriptedRun::runFile(script.fileName(), QString(), out, err);
    return result;
}

// The script in a file outside the output folder, read by the program's own
// reading of script files.
RunResult TestScriptedRun::runScriptFile(const QByteArray &fileText, const QString &outputOverride)
{
    QFile script(m_scripts.filePath(QStringLiteral("script.json")));
    if (!script.open(QIODevice::WriteOnly) || script.write(fileText) != fileText.size())
        return {};
    script.close();
    RunResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = ScriptedRun::runFile(script.fileName(), outputOverride, out, err);
    return result;
}

QByteArray TestScriptedRun::contents(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return "(no file " + name.toUtf8() + ")";
    return file.readAll();
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
        const RunResult result = fromFile ? runScriptFile(script, outputOverride) : run(script, outputOverride);

        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, path(fileName) + ": " + notices + "\n");
        QCOMPARE(contents(fileName), expectedFile);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{fileName});
        QVERIFY(QFile::remove(path(fileName)));
    }
}

// One row per way a run stops. Every run saves the plain notice of the first
// screen (unless it stops there) and is then finished: the file holds the
// notices saved before the stop and its TAIL.
void TestScriptedRun::stops_data()
{
    QTest::addColumn<QByteArray>("screens");
    QTest::addColumn<QString>("stopLine");
    QTest::addColumn<QByteArray>("expectedFile"); // empty: no file at all

    const QByteArray oneNotice = Header + head("F") + FirstNotice + tail(1);
    auto second = [](const QByteArray &screen) { return "[" + FirstScreen + ", " + screen + "]"; };

    QTest::newRow("unknown control")
        << second(R"({"Txt_1A_FreqAssgn": "99", "Txt_Frequency": "99"})")
        << "notice 2: Txt_Frequency: Replay: control not found" << oneNotice;
    QTest::newRow("hidden control: Sup comes first in tab order")
        << second(R"({"Txt_1A_FreqAssgn": "99", "OptInt_Sup": true})")
        << "notice 2: Txt_1A_FreqAssgn: Replay: control is hidden" << oneNotice;
    QTest::newRow("hidden attenuation table of a D/H antenna")
        << second(R"([["Combo_9_AntDir", "D"], ["Combo_9D_Polariz", "H"], ["Txt_9NVAzm000", "5"]])")
        << "notice 2: Txt_9NVAzm000: Replay: control is hidden" << oneNotice;
    QTest::newRow("disabled control: the administration once the file is open")
        << second(R"({"Txt_B_Adm": "G", "Txt_1A_FreqAssgn": "99"})")
        << "notice 2: Txt_B_Adm: Replay: control is disabled" << oneNotice;
    QTest::newRow("locked control: the file name once the file is open")
        << second(R"({"Txt_Filename": "other.txt"})")
        << "notice 2: Txt_Filename: Replay: control is locked" << oneNotice;
    QTest::newRow("text longer than its box")
        << second(R"({"Txt_4A_SiteName": "AAAAAAAAAABBBBBBBBBBCCCCCCCCCCD"})")
        << "notice 2: Txt_4A_SiteName: Replay: text of 31 characters is longer than the box (30 at most)"
        << oneNotice;
    QTest::newRow("character that cannot be typed")
        << second(R"({"Txt_4A_SiteName": "MONT\nMARTRE"})")
        << "notice 2: Txt_4A_SiteName: Replay: text holds a character that cannot be typed: U+000A"
        << oneNotice;
    QTest::newRow("entry that the list does not hold")
        << second(R"({"Combo_9D_Polariz": "h"})")
        << "notice 2: Combo_9D_Polariz: Replay: the list has no entry \"h\"" << oneNotice;
    QTest::newRow("value of the wrong kind")
        << second(R"({"ChkValidate": true})")
        << "notice 2: ChkValidate: Replay: a check box takes 0 or 1" << oneNotice;
    QTest::newRow("a label")
        << second(R"({"Lbl_B_Adm": "X"})")
        << "notice 2: Lbl_B_Adm: Replay: control takes no value (a label, frame or command button)"
        << oneNotice;
    // The half-typed notice with its refused latitude is not saved.
    QTest::newRow("failing rule")
        << second(R"({"Txt_4C_Deg_Long": "2", "Txt_4C_Deg_Lat": "91", "Txt_1A_FreqAssgn": "99"})")
        << "notice 2: Txt_4C_Deg_Lat: Prevalidation Error - Latitude: Value must be between [0,90]"
        << oneNotice;
    QTest::newRow("failing rule on the first screen: the file holds its HEAD")
        << QByteArray(R"([{"Txt_B_Adm": "F", "Txt_1A_FreqAssgn": "9x"}])")
        << "notice 1: Txt_1A_FreqAssgn: Prevalidation Error - 1a Assigned frequency: Value must be numerical"
        << Header + head("F") + "\r\n";
    // A refused administration reaches no file.
    QTest::newRow("failing administration")
        << QByteArray(R"([{"Txt_B_Adm": "f1", "Txt_1A_FreqAssgn": "98.5"}])")
        << "notice 1: Txt_B_Adm: Prevalidation Error - Notifying administration: Value must have only characters"
        << QByteArray();
    QTest::newRow("Fatal Error: no administration")
        << QByteArray(R"([{"Txt_1A_FreqAssgn": "98.5"}])")
        << "notice 1: Button_Next: Fatal Error: The Notifying administration is missing, Cannot save the notice"
        << QByteArray();
    QTest::newRow("Notice not saved: no frequency and no coordinates")
        << second(R"({"Txt_4A_SiteName": "NOWHERE"})")
        << "notice 2: Button_Next: Notice not saved: "
           "The notice has no frequency and no coordinates: it was not saved."
        << oneNotice;
    QTest::newRow("rules run again once validation is ticked again")
        << second(R"([["ChkValidate", 0], ["Txt_4C_Deg_Lat", "91"], ["Txt_4C_Deg_Long", "2"], ["ChkValidate", 1],
                      ["Txt_4C_Min_Lat", "60"]])")
        << "notice 2: Txt_4C_Min_Lat: Prevalidation Error - Latitude: Value must be between [0,59]"
        << oneNotice;
}

void TestScriptedRun::stops()
{
    QFETCH(QByteArray, screens);
    QFETCH(QString, stopLine);
    QFETCH(QByteArray, expectedFile);

    const QByteArray script = R"({"form": "T01", "output": "run.txt", "notices": )" + screens + "}";
    // The script held as an object, then read from a file screen by screen.
    for (const bool fromFile : { false, true }) {
        const RunResult result = fromFile ? runScriptFile(script) : run(script);

        QCOMPARE(result.err, stopLine + "\n");
        QCOMPARE(result.out, QString());
        QCOMPARE(result.status, 1);
        if (expectedFile.isEmpty()) {
            QVERIFY(!QFile::exists(path("run.txt")));
        } else {
            QCOMPARE(contents("run.txt"), expectedFile);
            QVERIFY(QFile::remove(path("run.txt")));
        }
    }
}

// A script that cannot be played runs nothing and creates no file.
void TestScriptedRun::badScripts_data()
{
    QTest::addColumn<QByteArray>("fileText");
    QTest::addColumn<QString>("reason");

    QTest::newRow("not JSON") << QByteArray(R"({"form": "T01", "notices": [)") << "is not valid JSON";
    QTest::newRow("not an object") << QByteArray(R"([{"Txt_B_Adm": "F"}])") << "must hold one JSON object";
    QTest::newRow("unknown form") << QByteArray(R"({"form": "T03", "output": "x.txt", "notices": [{}]})")
                                  << "\"form\" must be \"T01\" or \"T02\"";
    QTest::newRow("unknown language")
        << QByteArray(R"({"form": "T01", "language": "de", "output": "x.txt", "notices": [{}]})")
        << "\"language\" must be";
    QTest::newRow("misspelt key") << QByteArray(R"({"form": "T01", "output": "x.txt", "notice": [{}]})")
                                  << "unknown key \"notice\"";
    QTest::newRow("no screens") << QByteArray(R"({"form": "T01", "output": "x.txt", "notices": []})")
                                << "\"notices\" must be a list";
    QTest::newRow("screen of the wrong shape")
        << QByteArray(R"({"form": "T01", "output": "x.txt", "notices": [{"Txt_B_Adm": "F"}, "F"]})")
        << "notice 2 must be an object or a list";
    QTest::newRow("pair of the wrong shape")
        << QByteArray(R"({"form": "T01", "output": "x.txt", "notices": [[["Txt_B_Adm", "F", "G"]]]})")
        << "notice 1: entry 1 must be a pair";
    QTest::newRow("value of the wrong shape")
        << QByteArray(R"({"form": "T01", "output": "x.txt", "notices": [{"Txt_B_Adm": ["F"]}]})")
        << "the value of \"Txt_B_Adm\" must be";

    // The file is read one screen at a time, yet every fault is found before
    // the first screen is played, however far into the file it lies.
    QByteArray many = R"({"form": "T01", "output": "x.txt", "notices": [)" + FirstScreen;
    for (int notice = 2; notice <= 500; ++notice)
        many += R"(, {"OptInt_Add": true, "Txt_1A_FreqAssgn": ")" + QByteArray::number(notice) + R"("})";
    QTest::newRow("last of 501 screens of the wrong shape") << many + R"(, "F"]})"
                                                            << "notice 501 must be an object or a list";
    QTest::newRow("last of 501 screens with a value of the wrong shape")
        << many + R"(, {"Txt_1A_FreqAssgn": {"MHz": "99"}}]})" << "notice 501: the value of \"Txt_1A_FreqAssgn\"";
    QTest::newRow("not JSON at the last of 501 screens") << many + R"(, {"Txt_1A_FreqAssgn": tru}]})"
                                                         << "is not valid JSON";
    QTest::newRow("unterminated list of 500 screens") << many + "}" << "is not valid JSON";
    QTest::newRow("unterminated string in the last screen") << many + R"(, {"Txt_1A_FreqAssgn": "99}]})"
                                                            << "is not valid JSON";
    QTest::newRow("garbage after the object") << many + "]} x" << "is not valid JSON";
    QTest::newRow("unknown key after 500 screens") << many + R"(], "fragment": "GE84"})"
                                                   << "unknown key \"fragment\"";
    QTest::newRow("form after 500 screens, unknown")
        << QByteArray(R"({"output": "x.txt", "notices": [)" + FirstScreen + R"(], "form": "T9"})")
        << "\"form\" must be \"T01\" or \"T02\"";
    QTest::newRow("notices not a list") << QByteArray(R"({"form": "T01", "output": "x.txt", "notices": {}})")
                                        << "\"notices\" must be a list";
    QTest::newRow("no notices") << QByteArray(R"({"form": "T01", "output": "x.txt"})")
                                << "\"notices\" must be a list";
}

void TestScriptedRun::badScripts()
{
    QFETCH(QByteArray, fileText);
    QFETCH(QString, reason);

    const RunResult result = runFile(fileText);

    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QCOMPARE(result.out, QString());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{"script.json"});
}

// The program itself, with the script in a file: the clock and the login name
// are the machine's, so the header lines are left out of the comparison.
void TestScriptedRun::runFromTheCommandLine()
{
    QFile script(path("script.json"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(R"({"form": "T01", "output": "ignored.txt", "notices": [)" + FirstScreen
                 + R"(, {"Txt_4C_Deg_Lat": "95"}]})");
    script.close();

    QProcess program;
    program.setWorkingDirectory(m_folder->path());
    program.start(QStringLiteral(NOTICE_CAPTURE_EXE),
                  {"--replay", script.fileName(), "--output", path("cli.txt")});
    QVERIFY(program.waitForFinished(60000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QStringList errLines = QString::fromUtf8(program.readAllStandardError()).split('\n');
    QVERIFY2(errLines.contains("notice 2: Txt_4C_Deg_Lat: Prevalidation Error - Latitude: Value must be between [0,90]"),
             qPrintable(errLines.join('\n')));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFile::exists(path("ignored.txt")));
    const QByteArray file = contents("cli.txt");
    const QList<QByteArray> lines = file.split('\n');
    QVERIFY(lines.size() > 3);
    QVERIFY(lines.at(0).startsWith("File captured on "));
    QCOMPARE(file.sliced(file.indexOf("<HEAD>")), head("F") + FirstNotice + tail(1));

    // A script the program cannot read.
    program.start(QStringLiteral(NOTICE_CAPTURE_EXE), {"--replay", path("missing.json")});
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

    const RunResult result = runScriptFile(script);

    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, path("many.txt") + ": " + QString::number(count) + " notices\n");
    const QByteArray file = contents("many.txt");
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
