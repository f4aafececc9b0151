// Scripted runs on saved files: a file opened and finished without a screen
// stays as it was (or, unfinished, becomes the file the writer writes for the
// notices it keeps), a corrected notice changes its own line only, and no run
// writes over a file it was not told to, or one that another run holds or
// that changes under it.

#include "ScriptedRunSupport.h"

#include "../notice/NoticeFileSamples.h"

#include "capture/CaptureApplication.h"
#include "notice/NoticeFileStore.h"
#include "notice/SavedNoticeFile.h"

#include <QProcess>
#include <QtTest>

namespace {

QByteArray cutAfterNotice(const QByteArray &file, int count)
{
    qsizetype end = file.indexOf("</HEAD>\r\n") + 9;
    for (int i = 0; i < count; ++i)
        end = file.indexOf("</NOTICE>\r\n", end) + 11;
    return file.left(end);
}

QByteArray openScript(const QByteArray &form, const QByteArray &screens = "")
{
    return "{\"form\": \"" + form + "\", \"open\": \"F.txt\", \"notices\": [" + screens + "]}";
}

// Five notices typed through the window, each of its own kind: an addition
// with coordinates and a coordinated administration, a modification with a
// date, another fragment, an Article 11 notice and a directional antenna.
QByteArray fiveNoticesScript(const QByteArray &form)
{
    const QByteArray screens[] = {
        R"({"Txt_B_Adm": "F", "OptInt_Add": true, "Txt_1A_FreqAssgn": "98.5", "Txt_4A_SiteName": "SITE A",
            "Txt_4C_Deg_Long": "2", "Txt_4C_Min_Long": "20", "Txt_4C_EW": "E", "Txt_4C_Deg_Lat": "48",
            "Txt_4C_Min_Lat": "53", "Txt_4C_NS": "N", "Combo_9D_Polariz": "H", "Txt_11_Adm3": "D"})",
        R"({"OptInt_Mod": true, "Txt_01A_TrgFreq": "99", "Txt_1A_FreqAssgn": "99.5",
            "Txt_4A_SiteName": "SITE B", "Txt_Ntc_DD": "7", "Txt_Ntc_MM": "12", "Txt_Ntc_YY": "2005"})",
        R"({"OptInt_Add": true, "OptFrg_St61": true, "Txt_1A_FreqAssgn": "100", "Txt_4A_SiteName": "SITE C",
            "Combo_9D_Polariz": "V"})",
        R"({"OptInt_Add": true, "OptFrg_A11": true, "Txt_1A_FreqAssgn": "101", "Txt_4A_SiteName": "SITE D",
            "Txt_12A_OpAgcy": "12", "Txt_12B_AddrCde": "F"})",
        R"({"OptInt_Add": true, "Txt_1A_FreqAssgn": "102", "Txt_4A_SiteName": "SITE E",
            "Combo_9_AntDir": "D", "Txt_9E_AntHgt": "150", "Txt_9EC_azm000": "300", "Txt_9NHAzm010": "3"})",
    };
    QByteArray script = R"({"form": ")" + form + R"(", "output": "F.txt", "notices": [)";
    for (const QByteArray &screen : screens)
        script += (&screen == screens ? "" : ", ") + screen;
    return script + "]}";
}

QByteArray siteNameCorrection(int number)
{
    return R"({"notice": )" + QByteArray::number(number) + R"(, "Txt_4A_SiteName": "NEW SITE"})";
}

} // namespace

class TestReopenedFiles : public QObject
{
    Q_OBJECT

    ScriptRunner m_runner;
    QList<NoticeRecord> m_records;

    void place(const QByteArray &bytes, const QString &name = QStringLiteral("F.txt"))
    {
        QFile file(m_runner.path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_runner.fixMachine();
        QRandomGenerator random(20051207);
        for (int i = 0; i < 1000; ++i)
            m_records.append(sampleRecord(i, random));
    }

    void init() { QVERIFY(m_runner.startFolder()); }
    void cleanup() { QCOMPARE(ScriptRunner::openWindows(), QStringList()); }

    // {"open": F, "notices": []}: a finished file is left byte for byte; an
    // unfinished one is finished with every complete notice it holds.
    void openAndFinish_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray all = writtenNoticeFile("F", m_records);
        const QByteArray seven = writtenNoticeFile("F", m_records.mid(0, 7));
        QTest::newRow("1,000 notices") << all << all;
        QTest::newRow("no notice") << writtenNoticeFile("F", {}) << writtenNoticeFile("F", {});
        QTest::newRow("cut after notice 7") << cutAfterNotice(all, 7) << seven;
        QTest::newRow("cut inside notice 8") << cutAfterNotice(all, 8).chopped(30) << seven;
        QTest::newRow("cut inside the TAIL") << seven.chopped(10) << seven;
    }

    void openAndFinish()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        place(file);
        const std::optional<FormKind> kind = readSavedNoticeFile(file).formKind;
        const RunResult result = m_runner.run(openScript(kind == FormKind::T02 ? "T02" : "T01"));
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err));
        QCOMPARE(m_runner.contents("F.txt"), expected);
        QVERIFY(!QFile::exists(m_runner.path("F.txt.lock")));
    }

    // A screen with "notice": K brings notice K back; the site name typed over
    // it changes that one line of the file, on either form, whatever the
    // notice's intention and items.
    void correctOneNotice_data()
    {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<int>("number");
        for (const char *form : {"T01", "T02"}) {
            for (int number : {1, 3, 5})
                QTest::addRow("%s notice %d", form, number) << QByteArray(form) << number;
        }
    }

    void correctOneNotice()
    {
        QFETCH(QByteArray, form);
        QFETCH(int, number);
        const RunResult typed = m_runner.run(fiveNoticesScript(form));
        QVERIFY2(typed.status == ScriptedRun::Completed, qPrintable(typed.err));
        const QByteArray file = m_runner.contents("F.txt");

        const RunResult result = m_runner.run(openScript(form, siteNameCorrection(number)));
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err));
        QByteArray expected = file;
        const QByteArray old = "t_site_name = SITE " + QByteArray(1, char('A' + number - 1)) + "\r\n";
        QVERIFY(expected.contains(old));
        expected.replace(old, "t_site_name = NEW SITE\r\n");
        QCOMPARE(m_runner.contents("F.txt"), expected);
    }

    // What a run may not do is refused, and the files are left as they were.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("holdLock"); // a file another writer holds: "open" or "create"
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such notice") << openScript("T01", R"({"notice": 99})") << false << "" << 1
                                        << "notice 1: notice: Replay: the file has no notice 99 (it has 12)";
        QTest::newRow("existing output")
            << R"({"form": "T01", "output": "F.txt", "notices": [)" + FirstScreen + "]}" << false << "" << 2
            << "Replay: the output file F.txt exists: give --replace to replace it, or name it in \"open\" to "
               "continue it";
        QTest::newRow("open and output") << QByteArray(R"({"form": "T01", "open": "F.txt", "output": "G.txt", "notices": []})")
                                         << false << "" << 2 << "\"output\" cannot name another";
        QTest::newRow("opened elsewhere") << openScript("T01") << false << "open" << 2 << "is in use by";
        QTest::newRow("written elsewhere, --replace")
            << R"({"form": "T01", "output": "F.txt", "notices": [)" + FirstScreen + "]}" << true << "create" << 1
            << "is in use by";
    }

    void refusals()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, replace);
        QFETCH(QString, holdLock);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QByteArray file = writtenNoticeFile("F", m_records.mid(0, 12));
        place(file);
        NoticeFileStore other;
        QString error;
        if (holdLock == "open")
            QVERIFY(other.open(m_runner.path("F.txt"), &error));
        if (holdLock == "create")
            QVERIFY(other.create(m_runner.path("F.txt"), &error)
                    && other.writeStart(makeHeaderLines(QDateTime::currentDateTime(), "other", "x", QLocale()), "F",
                                        &error));
        const RunResult result = m_runner.run(script, QString(), replace);
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        if (holdLock == "create") {
            // The other writer carries on and finishes a sound file.
            QVERIFY(other.append(makeNoticeSection(m_records.at(0), 1), &error) && other.finish(&error, nullptr));
            QVERIFY(checkNoticeFile(m_runner.contents("F.txt")).isSound());
        } else {
            QCOMPARE(m_runner.contents("F.txt"), file);
        }
    }

    // --replace replaces an existing file without a word.
    void replaceGiven()
    {
        place("old");
        const RunResult result =
            m_runner.run(R"({"form": "T01", "output": "F.txt", "notices": [)" + FirstScreen + "]}", QString(), true);
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err));
        QCOMPARE(m_runner.contents("F.txt"), Header + head("F") + FirstNotice + tail(1));
    }

    // The output file deleted while the program writes it: the run stops and
    // says so, and does not exit 0.
    void fileDeletedDuringRun()
    {
        // Plain strings: moc misreads a raw string that ends in a quote inside a class.
        QByteArray script = "{\"form\": \"T01\", \"notices\": [" + FirstScreen;
        for (int i = 2; i <= 400; ++i)
            script += ", {\"OptInt_Add\": true, \"Txt_1A_FreqAssgn\": \"" + QByteArray::number(i) + "\"}";
        place(script + "]}", "script.json");
        QProcess program;
        program.start(QStringLiteral(NOTICE_CAPTURE_EXE),
                      {"--replay", m_runner.path("script.json"), "--output", m_runner.path("out.txt")});
        QVERIFY(program.waitForStarted());
        QDeadlineTimer deadline(30000);
        while (!QFile::exists(m_runner.path("out.txt")) && !deadline.hasExpired())
            QThread::msleep(5);
        QVERIFY(QFile::remove(m_runner.path("out.txt")));
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.contains("it was deleted or moved while it was being written"), qPrintable(err));
    }
};

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestReopenedFiles test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_reopenedfiles.moc"
