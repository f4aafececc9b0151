#include "ScriptedRunSupport.h"

#include "capture/CaptureApplication.h"

#include <QtTest>

// What a scripted run does not get past: whatever would stop an operator
// stops the run at its screen, and a script that cannot be read runs nothing.
class TestScriptFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void stops_data();
    void stops();
    void badScripts_data();
    void badScripts();

private:
    ScriptRunner m_runner;
};

void TestScriptFaults::initTestCase()
{
    m_runner.fixMachine();
}

void TestScriptFaults::init()
{
    QVERIFY(m_runner.startFolder());
}

void TestScriptFaults::cleanup()
{
    const QStringList open = ScriptRunner::openWindows();
    QVERIFY2(open.isEmpty(), qPrintable(open.join(", ")));
}

// One row per way a run stops. Every run saves the plain notice of the first
// screen (unless it stops there) and is then finished: the file holds the
// notices saved before the stop and its TAIL.
void TestScriptFaults::stops_data()
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
    // A name from the script is quoted in 80 characters at most.
    QTest::newRow("unknown control of 200 characters")
        << second("{\"" + QByteArray(200, 'X') + "\": \"1\"}")
        << "notice 2: " + QString(77, 'X') + "...: Replay: control not found" << oneNotice;
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

void TestScriptFaults::stops()
{
    QFETCH(QByteArray, screens);
    QFETCH(QString, stopLine);
    QFETCH(QByteArray, expectedFile);

    const QByteArray script = R"({"form": "T01", "output": "run.txt", "notices": )" + screens + "}";
    // The script held as an object, then read from a file screen by screen.
    for (const bool fromFile : { false, true }) {
        const RunResult result = fromFile ? m_runner.runScriptFile(script) : m_runner.run(script);

        QCOMPARE(result.err, stopLine + "\n");
        QCOMPARE(result.out, QString());
        QCOMPARE(result.status, 1);
        if (expectedFile.isEmpty()) {
            QVERIFY(!QFile::exists(m_runner.path("run.txt")));
        } else {
            QCOMPARE(m_runner.contents("run.txt"), expectedFile);
            QVERIFY(QFile::remove(m_runner.path("run.txt")));
        }
    }
}

// A script that cannot be played runs nothing and creates no file.
void TestScriptFaults::badScripts_data()
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
    QTest::newRow("output blank") << QByteArray(R"({"form": "T01", "output": "  ", "notices": [{}]})")
                                  << "\"output\": the file name is empty or blank";
    QTest::newRow("output longer than the system takes")
        << R"({"form": "T01", "output": ")" + QByteArray(4096, 'a') + R"(", "notices": [{}]})"
        << "\"output\": the file name \"" + QString(77, 'a') + "...\" is 4096 bytes long: the system takes at most 4095";
    QTest::newRow("open holding a name longer than the system takes")
        << R"({"form": "T01", "open": "x/)" + QByteArray(256, 'b') + R"(", "notices": []})"
        << "holds a name of 256 bytes: the system takes at most 255";
    QTest::newRow("output naming the script itself")
        << QByteArray(R"({"form": "T01", "output": "./script.json", "notices": [{}]})")
        << "Replay: the file ./script.json is the script itself";
    QTest::newRow("key given twice") << QByteArray(R"({"form": "T01", "form": "T02", "notices": [{}]})")
                                     << "Replay script: \"form\" is given twice";
    QTest::newRow("notices given twice") << QByteArray(R"({"form": "T01", "notices": [{}], "notices": [{}]})")
                                         << "Replay script: \"notices\" is given twice";
    QTest::newRow("key given twice in a screen")
        << QByteArray(R"({"form": "T01", "notices": [{}, {"Txt_B_Adm": "F", "Txt_B_A\u0064m": "G"}]})")
        << "Replay script: notice 2: \"Txt_B_Adm\" is given twice";
    QTest::newRow("notices not a list") << QByteArray(R"({"form": "T01", "output": "x.txt", "notices": {}})")
                                        << "\"notices\" must be a list";
    QTest::newRow("no notices") << QByteArray(R"({"form": "T01", "output": "x.txt"})")
                                << "\"notices\" must be a list";
}

void TestScriptFaults::badScripts()
{
    QFETCH(QByteArray, fileText);
    QFETCH(QString, reason);

    const RunResult result = m_runner.runFile(fileText);

    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QCOMPARE(result.out, QString());
    QCOMPARE(QDir(m_runner.folder()).entryList(QDir::Files), QStringList{"script.json"});
}

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestScriptFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scriptfaults.moc"
