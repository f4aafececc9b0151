#include "TypedNoticeFiles.h"

#include "NoticeCheckReport.h"

#include <QProcess>
#include <QtTest>

namespace {

// The files that notice-check is given, in a folder of their own: sound ones
// with one, two and no notice, one with two faults, and a folder.
bool writeSampleFiles(const QTemporaryDir &folder)
{
    if (!folder.isValid() || !QDir(folder.path()).mkdir("folder"))
        return false;
    const QMap<QString, QByteArray> files{
        {"one.txt", fileOf(oneNotice())},
        {"two.txt", fileOf(withTail(oneNotice().mid(6, 22) + removalNotice(2), 2))},
        {"none.txt", fileOf(noNotice())},
        {"bad.txt", fileOf(replaced(replaced(oneNotice(), 8, {"Notice No = 2"}), 30, {"t_num_notices = 3"}))},
    };
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(folder.filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            return false;
    }
    return true;
}

} // namespace

// What notice-check prints about the files it is given, and its exit status:
// the report, then the program itself with its command line.
class TestNoticeCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noticeSummaries_data()
    {
        QTest::addColumn<QStringList>("notice");
        QTest::addColumn<QString>("expected");
        QTest::newRow("station") << oneNotice().mid(6, 22) << "1\tT01\tADD\tGE84\t98.5\tMONTMARTRE";
        QTest::newRow("removal") << removalNotice(1) << "1\tTB5\tSUPPRESS\t\t\t";
    }

    void noticeSummaries()
    {
        QFETCH(QStringList, notice);
        QFETCH(QString, expected);
        const ParsedNoticeFile parsed = checkNoticeFile(fileOf(withTail(notice, 1)));
        QCOMPARE(faultTexts(parsed), QStringList());
        QCOMPARE(noticeSummary(parsed.notices.first()), expected);
    }

    void checkFiles_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("list");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("status");

        QTest::newRow("sound") << QStringList{"one.txt"} << false << "one.txt: sound, 1 notice\n" << 0;
        QTest::newRow("sound, listed") << QStringList{"two.txt"} << true
                                       << "1\tT01\tADD\tGE84\t98.5\tMONTMARTRE\n"
                                          "2\tTB5\tSUPPRESS\t\t\t\n"
                                          "two.txt: sound, 2 notices\n"
                                       << 0;
        QTest::newRow("no notice") << QStringList{"none.txt"} << true << "none.txt: sound, 0 notices\n" << 0;
        QTest::newRow("faults") << QStringList{"bad.txt"} << false
                                << "bad.txt:8: \"Notice No\" is 2, expected 1\n"
                                   "bad.txt:30: \"t_num_notices\" is 3, the file has 1 notice\n"
                                   "bad.txt: not sound, 2 faults\n"
                                << 1;
        QTest::newRow("faults, listed") << QStringList{"bad.txt"} << true
                                        << "2\tT01\tADD\tGE84\t98.5\tMONTMARTRE\n"
                                           "bad.txt:8: \"Notice No\" is 2, expected 1\n"
                                           "bad.txt:30: \"t_num_notices\" is 3, the file has 1 notice\n"
                                           "bad.txt: not sound, 2 faults\n"
                                        << 1;
        QTest::newRow("missing file") << QStringList{"absent.txt"} << false
                                      << "absent.txt: cannot be read: No such file or directory\n" << 2;
        QTest::newRow("a folder") << QStringList{"folder"} << false
                                  << "folder: cannot be read: file to open is a directory\n" << 2;
        QTest::newRow("worst of several: faults")
            << QStringList{"one.txt", "bad.txt", "none.txt"} << false
            << "one.txt: sound, 1 notice\n"
               "bad.txt:8: \"Notice No\" is 2, expected 1\n"
               "bad.txt:30: \"t_num_notices\" is 3, the file has 1 notice\n"
               "bad.txt: not sound, 2 faults\n"
               "none.txt: sound, 0 notices\n"
            << 1;
        QTest::newRow("worst of several: unreadable")
            << QStringList{"absent.txt", "bad.txt"} << false
            << "absent.txt: cannot be read: No such file or directory\n"
               "bad.txt:8: \"Notice No\" is 2, expected 1\n"
               "bad.txt:30: \"t_num_notices\" is 3, the file has 1 notice\n"
               "bad.txt: not sound, 2 faults\n"
            << 2;
    }

    void checkFiles()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, list);
        QFETCH(QString, expected);
        QFETCH(int, status);

        QTemporaryDir folder;
        QVERIFY(writeSampleFiles(folder));

        // Paths relative to the folder, so that the output names them as given.
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        QString output;
        QTextStream out(&output);
        const CheckStatus result = checkNoticeFiles(names, list, out);
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(output, expected);
        QCOMPARE(int(result), status);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // what stdout holds; empty: nothing
        QTest::addColumn<QString>("err"); // what stderr holds; empty: nothing

        QTest::newRow("listed") << QStringList{"--list", "two.txt"} << 0
                                << "1\tT01\tADD\tGE84\t98.5\tMONTMARTRE\n"
                                   "2\tTB5\tSUPPRESS\t\t\t\n"
                                   "two.txt: sound, 2 notices\n"
                                << "";
        QTest::newRow("faults") << QStringList{"one.txt", "bad.txt"} << 1 << "bad.txt: not sound, 2 faults\n" << "";
        QTest::newRow("unreadable") << QStringList{"absent.txt"} << 2 << "absent.txt: cannot be read" << "";
        QTest::newRow("no file") << QStringList{} << 2 << "" << "FILE...";
        QTest::newRow("unknown option") << QStringList{"--verbose", "one.txt"} << 2 << "" << "verbose";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--list" << "";
        QTest::newRow("version") << QStringList{"-version"} << 0 << "notice-check Norvane Analog Version" << "";
        QTest::newRow("missing value") << QStringList{"--export"} << 2 << "" << "Missing value after '--export'";
        QTest::newRow("blank file name") << QStringList{"one.txt", " "} << 2 << ""
                                         << "FILE: the file name is empty or blank";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QTemporaryDir folder;
        QVERIFY(writeSampleFiles(folder));
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.start(QStringLiteral(NOTICE_CHECK_EXE), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString stdoutText = QString::fromUtf8(program.readAllStandardOutput());
        const QString stderrText = QString::fromUtf8(program.readAllStandardError());

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(out.isEmpty() ? stdoutText.isEmpty() : stdoutText.contains(out), qPrintable(stdoutText));
        QVERIFY2(err.isEmpty() ? stderrText.isEmpty() : stderrText.contains(err), qPrintable(stderrText));
    }
};

QTEST_GUILESS_MAIN(TestNoticeCheck)
#include "tst_noticecheck.moc"
