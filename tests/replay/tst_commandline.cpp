#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

// notice-capture's command line, run as the program itself: what it answers
// and refuses before it opens any window, with or without a window system.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();
    void fileSizeLimit();

private:
    QTemporaryDir m_folder;
};

namespace {

const QByteArray Script = R"({"form": "T01", "output": "out.txt", "notices": )"
                          R"([{"Txt_B_Adm": "F", "OptInt_Add": true, "Txt_1A_FreqAssgn": "98.5"}]})";

} // namespace

// The folder of every run: a script, a symbolic and a hard link to it, and a
// data file to import.
void TestCommandLine::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QFile script(m_folder.filePath("script.json"));
    QVERIFY(script.open(QIODevice::WriteOnly) && script.write(Script) == Script.size());
    script.close();
    QVERIFY(QFile::link("script.json", m_folder.filePath("symlink.json")));
    QCOMPARE(::link(QFile::encodeName(script.fileName()).constData(),
                    QFile::encodeName(m_folder.filePath("hardlink.json")).constData()),
             0);
    QFile data(m_folder.filePath("data.csv"));
    QVERIFY(data.open(QIODevice::WriteOnly) && data.write("t_adm,t_freq_assgn\r\nF,98.5\r\n") > 0);
}

void TestCommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input"); // written to the standard input, a pipe
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected"); // on stdout for status 0, on stderr otherwise

    const QStringList replay{"--replay", "script.json"};
    QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << "--replay <script>";
    QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << "notice-capture Norvane Analog Version";
    QTest::newRow("Qt's own options are taken")
        << QStringList{"-platform", "offscreen", "-style=fusion", "--version"} << QByteArray() << 0 << "notice-capture";
    QTest::newRow("unknown option") << QStringList{"--relpay", "x.json"} << QByteArray() << 2 << "Unknown option 'relpay'";
    QTest::newRow("missing value") << QStringList{"--replay"} << QByteArray() << 2 << "Missing value after '--replay'";
    QTest::newRow("empty value") << QStringList{"--replay", ""} << QByteArray() << 2
                                 << "--replay: the file name is empty or blank";
    QTest::newRow("blank output") << replay + QStringList{"--output", " "} << QByteArray() << 2
                                  << "--output: the file name is empty or blank";
    QTest::newRow("output longer than a path")
        << replay + QStringList{"--output", QString(5000, 'a')} << QByteArray() << 2
        << "--output: the file name \"" + QString(77, 'a') + "...\" is 5000 bytes long: the system takes at most 4095";
    QTest::newRow("output: the script through a symbolic link")
        << replay + QStringList{"--output", "symlink.json", "--replace"} << QByteArray() << 2
        << "the file symlink.json is the script itself";
    QTest::newRow("output: the script through a hard link")
        << replay + QStringList{"--output", "hardlink.json", "--replace"} << QByteArray() << 2
        << "the file hardlink.json is the script itself";
    QTest::newRow("import output: the data file")
        << QStringList{"--import", "data.csv", "--form", "T01", "--output", "./data.csv", "--replace"} << QByteArray() << 2
        << "the output file ./data.csv is the file to import";
    QTest::newRow("script from a pipe") << QStringList{"--replay", "/dev/stdin", "--replace"} << Script << 0
                                        << "out.txt: 1 notice";
    QTest::newRow("import of a device") << QStringList{"--import", "/dev/zero", "--form", "T01"} << QByteArray()
                                        << 2 << "the file to import must be a plain file";
    QTest::newRow("endless device") << QStringList{"--replay", "/dev/zero"} << QByteArray() << 2
                                    << "holds more than 64 MiB";
}

// Each command line twice: on the offscreen platform, and with no platform
// chosen and no display at all.
void TestCommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, expected);

    for (const bool offscreen : {true, false}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        if (offscreen)
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        else
            environment.remove("QT_QPA_PLATFORM");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(m_folder.path());
        program.start(QStringLiteral(NOTICE_CAPTURE_EXE), arguments);
        program.write(input);
        program.closeWriteChannel();
        if (!program.waitForFinished(30000)) {
            program.kill();
            QFAIL("the program did not end");
        }
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY2((status == 0 ? out : err).contains(expected), qPrintable(out + err));
        // No message repeats a long input whole.
        for (const QString &line : err.split('\n'))
            QVERIFY2(line.size() < 200, qPrintable(line.left(200)));
    }
}

// Under a limit on the size of its files (ulimit -f), a write beyond it fails
// like any failed write, with a message and exit 1, rather than the system
// killing the program; the output the import would replace stays as it was.
void TestCommandLine::fileSizeLimit()
{
    QFile old(m_folder.filePath("limited.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_folder.path());
    program.setChildProcessModifier([] {
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    program.start(QStringLiteral(NOTICE_CAPTURE_EXE),
                  {"--import", "data.csv", "--form", "T01", "--output", "limited.txt", "--replace"});
    QVERIFY(program.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(err.contains("Import: ") && err.contains("File too large"), qPrintable(err));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
