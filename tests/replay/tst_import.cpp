// Spreadsheets in and out: every file exported and imported again is the same
// file from its fourth line on (the three header lines are the new run's);
// what a cell says is what the file holds, or the cell is named among every
// fault of the file, and then no file is written.

#include "../capture/SampleOnWindow.h"

#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "replay/NoticeImport.h"
#include "replay/ScriptedRun.h"
#include "sheet/NoticeExport.h"
#include "sheet/SheetFormat.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest>

namespace {

constexpr int kNotices = 1000;

// Two lines "key = value" whose values are the same number written two ways.
bool sameNumber(const QByteArray &line, const QByteArray &other)
{
    const qsizetype equals = line.indexOf(" = ");
    if (equals < 0 || line.left(equals) != other.left(equals))
        return false;
    bool ok = false;
    bool otherOk = false;
    const double value = line.mid(equals + 3).trimmed().toDouble(&ok);
    const double otherValue = other.mid(equals + 3).trimmed().toDouble(&otherOk);
    return ok && otherOk && value == otherValue;
}

QByteArray fromFourthLine(const QByteArray &file)
{
    qsizetype at = 0;
    for (int line = 0; line < 3 && at >= 0; ++line)
        at = file.indexOf('\n', at) + 1;
    return file.mid(at);
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    platform::SystemOverrides m_system;
    QMap<FormKind, QByteArray> m_files; // the writer's file of each form's generated notices

    QString path(const QString &name) const { return m_folder.filePath(name); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    struct Result
    {
        int status = -1;
        QString out;
        QString err;
    };

    QByteArray exportedNotices(FormKind kind, SheetFormat format)
    {
        QBuffer exported;
        exported.open(QIODevice::WriteOnly);
        writeNotices(checkNoticeFile(m_files[kind]), format, exported);
        return exported.data();
    }

    // The file saved again by LibreOffice Calc, run headless with a profile
    // of its own in the settings of the locale.
    bool saveWithCalc(const QString &soffice, const QString &locale, const QString &name, const QString &saveAs,
                      QByteArray *saved)
    {
        const QString profile = path("calc-" + locale);
        QDir().mkpath(profile + "/user");
        QFile settings(profile + "/user/registrymodifications.xcu");
        if (!settings.exists() && settings.open(QIODevice::WriteOnly)) {
            settings.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
                           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
                           "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop oor:name=\"ooSetupSystemLocale\" "
                           "oor:op=\"fuse\"><value>"
                           + locale.toLatin1() + "</value></prop></item>\n</oor:items>\n");
            settings.close();
        }
        const QString outFolder = path("calc-out");
        QDir(outFolder).removeRecursively();
        QProcess calc;
        QStringList arguments{"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(), "--headless"};
        // Calc reads the export as it is: a UTF-8 CSV with commas.
        if (name.endsWith(".csv"))
            arguments << "--infilter=CSV:44,34,76,1";
        arguments << "--convert-to" << saveAs << "--outdir" << outFolder << path(name);
        calc.start(soffice, arguments);
        if (!calc.waitForFinished(240000))
            return false;
        QFile result(outFolder + "/" + name);
        if (!result.open(QIODevice::ReadOnly))
            return false;
        *saved = result.readAll();
        return true;
    }

    Result import(const QByteArray &data, FormKind kind, bool replace = false)
    {
        write("data", data);
        Result result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = NoticeImport::importFile(path("data"), kind, path("out.txt"), replace, out, err);
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The checks of the date of notification accept the years around 2005.
        m_system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        m_system.setLoginName("operator");
        m_system.setProgramFolder(m_folder.path());
        platform::ScopedRecordingAlerts alerts;
        QMap<FormKind, QList<NoticeRecord>> records;
        std::map<FormKind, std::unique_ptr<CaptureWindow>> windows;
        for (FormKind kind : {FormKind::T01, FormKind::T02})
            windows[kind] = std::make_unique<CaptureWindow>(kind);
        QRandomGenerator random(20051207);
        for (int i = 0; i < kNotices; ++i) {
            const SampleScreen screen = sampleScreen(i, random);
            CaptureWindow &window = *windows[screen.kind];
            putOnWindow(screen, window.controls(), Typing::AsOperator);
            NoticeRecord record;
            collectScreen(record, window.controls(), screen.kind);
            // Save/Next writes a notice only with a frequency or a coordinate
            // on the screen; a removal whose only frequency was typed in a
            // hidden station box writes none, and could not be typed back.
            static const QRegularExpression located("\r\nt_(trg_)?(freq_assgn|long|lat) = ");
            if (window.saving().isNewNotice() && makeNoticeSection(record, 1).contains(located))
                records[screen.kind].append(record);
        }
        for (FormKind kind : {FormKind::T01, FormKind::T02})
            m_files[kind] = writtenNoticeFile("F", records[kind]);
    }

    void cleanup() { QFile::remove(path("out.txt")); }

    // Export, import: the same notices, byte for byte.
    void roundTrip_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<SheetFormat>("format");
        QTest::newRow("T01, CSV") << FormKind::T01 << SheetFormat::Csv;
        QTest::newRow("T01, JSON") << FormKind::T01 << SheetFormat::Json;
        QTest::newRow("T02, CSV") << FormKind::T02 << SheetFormat::Csv;
        QTest::newRow("T02, JSON") << FormKind::T02 << SheetFormat::Json;
        QTest::newRow("T01, xlsx") << FormKind::T01 << SheetFormat::Xlsx;
        QTest::newRow("T02, ods") << FormKind::T02 << SheetFormat::Ods;
    }

    void roundTrip()
    {
        QFETCH(FormKind, kind);
        QFETCH(SheetFormat, format);
        const ParsedNoticeFile parsed = checkNoticeFile(m_files[kind]);
        QVERIFY(parsed.isSound());
        QVERIFY(parsed.notices.size() > kNotices / 3);
        QBuffer exported;
        exported.open(QIODevice::WriteOnly);
        writeNotices(parsed, format, exported);
        const Result result = import(exported.data(), kind);
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err));
        // Line by line, so that a failure names the first line that differs.
        QCOMPARE(fromFourthLine(read("out.txt")).split('\n'), fromFourthLine(m_files[kind]).split('\n'));
    }

    // An export saved again by LibreOffice Calc with its defaults, in the
    // settings of each language, imports to the same notices: byte for byte
    // through a workbook, equal but for numbers written another way through
    // CSV (Calc reads "+0022030" as the number 22030 and writes "98.50" as
    // 98.5). Skipped where LibreOffice is not installed.
    void savedByCalc_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<SheetFormat>("format");
        QTest::addColumn<QString>("saveAs"); // Calc's filter and its options
        QTest::newRow("xlsx, English") << "en-US" << SheetFormat::Xlsx << "xlsx";
        QTest::newRow("ods, French") << "fr-FR" << SheetFormat::Ods << "ods";
        QTest::newRow("xlsx, Spanish") << "es-ES" << SheetFormat::Xlsx << "xlsx";
        QTest::newRow("CSV, English") << "en-US" << SheetFormat::Csv << "csv";
        QTest::newRow("CSV, French: semicolons, Windows-1252")
            << "fr-FR" << SheetFormat::Csv << "csv:Text - txt - csv (StarCalc):59,34,1";
        QTest::newRow("CSV, Spanish: semicolons, Windows-1252")
            << "es-ES" << SheetFormat::Csv << "csv:Text - txt - csv (StarCalc):59,34,1";
    }

    void savedByCalc()
    {
        QFETCH(QString, locale);
        QFETCH(SheetFormat, format);
        QFETCH(QString, saveAs);
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        const QByteArray exported = exportedNotices(FormKind::T01, format);
        const QString name = "exported." + sheetFormatName(format);
        write(name, exported);
        QByteArray saved;
        QVERIFY(saveWithCalc(soffice, locale, name, saveAs, &saved));
        const Result result = import(saved, FormKind::T01);
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err.left(2000)));
        const QList<QByteArray> lines = fromFourthLine(read("out.txt")).split('\n');
        const QList<QByteArray> wanted = fromFourthLine(m_files[FormKind::T01]).split('\n');
        QCOMPARE(lines.size(), wanted.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (format != SheetFormat::Csv || !sameNumber(lines.at(i), wanted.at(i)))
                QCOMPARE(lines.at(i), wanted.at(i));
        }
    }

    // What cannot be imported runs nothing and writes no file.
    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("fault");
        QTest::newRow("empty") << QByteArray() << "the file has no header row";
        QTest::newRow("unknown column") << QByteArray("t_adm,t_colour\r\nF,red\r\n")
                                        << "line 1, column 2: \"t_colour\" is no key of the notice file";
        QTest::newRow("column twice") << QByteArray("t_adm,t_adm\r\nF,F\r\n") << "line 1, column 2: \"t_adm\" is named twice";
        QTest::newRow("text after a quote") << QByteArray("t_adm,t_site_name\r\nF,\"AB\"C\r\n")
                                            << "line 2: text after the closing quote of a field";
        QTest::newRow("quote not closed") << QByteArray("t_adm,t_site_name\r\nF,\"AB\r\n") << "line 2: a quoted field is not closed";
        QTest::newRow("value under no column") << QByteArray("t_adm,t_action,t_freq_assgn\r\nF,ADD,98.5,x\r\n")
                                               << "line 2, column 4: \"x\" stands in a column with no name";
        QTest::newRow("too long for its box") << QByteArray("t_adm,t_action,t_freq_assgn,t_site_name\r\nF,ADD,98.5,") + QByteArray(31, 'A') + "\r\n"
                                              << "line 2, column t_site_name: \"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\" is longer than its box (30 characters at most)";
        QTest::newRow("not a list entry") << QByteArray("t_adm,t_action,t_freq_assgn,t_polar\r\nF,ADD,98.5,X\r\n")
                                          << "line 2, column t_polar: \"X\" is not one of H, V, M";
        QTest::newRow("a key of the other form") << QByteArray("t_adm,t_action,t_freq_assgn,t_color\r\nF,ADD,98.5,PAL\r\n")
                                                 << "line 2, column t_color: \"PAL\" is not written: the T01 form has no box for this column";
        QTest::newRow("a notice of the other form") << QByteArray("t_adm,t_notice_type,t_action,t_freq_assgn\r\nF,T02,ADD,98.5\r\n")
                                                    << "line 2, column t_notice_type: \"T02\" is written \"T01\" by the T01 form";
        QTest::newRow("a check that fails") << QByteArray("t_adm,t_action,t_lat\r\nF,ADD,+910000\r\n")
                                            << "line 2, column t_lat: \"+910000\": Prevalidation Error - Latitude: Value must be between [0,90]";
        QTest::newRow("JSON, not an object") << QByteArray("[1]") << "notice 1: not a JSON object";
        QTest::newRow("JSON, not a text") << QByteArray(R"([{"t_adm": 5}])") << "notice 1: the value of \"t_adm\" is not a text";
        QTest::newRow("JSON, unknown key") << QByteArray("\xEF\xBB\xBF" R"([{"t_adm": "F", "colour": "red"}])")
                                           << "notice 1: \"colour\" is no key of the notice file";
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, fault);
        const Result result = import(data, FormKind::T01);
        QCOMPARE(result.status, int(ScriptedRun::BadScript));
        QCOMPARE(result.err.section('\n', 0, 0), path("data") + ": " + fault);
        QVERIFY(!QFile::exists(path("out.txt")));
    }

    // Every fault of every row, in one run, in the user's words; an existing
    // output is left as it was, and nothing is left beside it.
    void faultList()
    {
        QFile data(QFINDTESTDATA("data/faults.csv"));
        QFile expected(QFINDTESTDATA("data/faults.expected"));
        QVERIFY(data.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        write("out.txt", "old");
        const Result result = import(data.readAll(), FormKind::T01, true);
        QCOMPARE(result.status, int(ScriptedRun::BadScript));
        QCOMPARE(QString(result.err).replace(path("data"), "FILE").split('\n'),
                 QString::fromUtf8(expected.readAll()).split('\n'));
        QCOMPARE(read("out.txt"), QByteArray("old"));
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Hidden | QDir::Files).filter(".out.txt"), QStringList());
    }

    // Past the first hundred, the faults are counted.
    void manyFaults()
    {
        QByteArray data = "t_adm,t_action,t_long\r\n";
        for (int i = 0; i < 150; ++i)
            data += "F,ADD,12.5\r\n";
        const Result result = import(data, FormKind::T01);
        const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines.at(100), path("data") + ": and 50 more faults");
    }

    // What a cell says is what the file holds: cells read as spreadsheets
    // write them, in any CSV dialect.
    void writtenValues_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("coordinates without sign and zeros")
            << QByteArray("t_adm,t_action,t_long,t_lat\r\nF,ADD,113456,385430\r\n")
            << QStringList{"t_long = +0113456", "t_lat = +385430"};
        QTest::newRow("semicolons, Windows-1252, decimal comma")
            << QByteArray("t_adm;t_action;t_site_name;t_freq_assgn\r\nF;ADD;C\xD4TE;98,5\r\n")
            << QStringList{"t_site_name = CÔTE", "t_freq_assgn = 98.5"};
        QTest::newRow("Excel's separator line, hours with seconds")
            << QByteArray("sep=;\r\nt_adm;t_fragment;t_action;t_freq_assgn;t_op_hh_fr;t_op_hh_to\r\n"
                          "F;NTFD_RR;ADD;98.5;8:30:00;22:00:00\r\n")
            << QStringList{"t_op_hh_fr = 08:30", "t_op_hh_to = 22:00"};
    }

    void writtenValues()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, lines);
        const Result result = import(data, FormKind::T01);
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err));
        const QByteArray file = read("out.txt");
        for (const QString &line : lines)
            QVERIFY2(file.contains("\r\n" + line.toLatin1() + "\r\n"), qPrintable(line));
    }

    // A file that cannot be written: nothing is left, the old file stays.
    void failedWrite_data()
    {
        QTest::addColumn<bool>("failWrite");
        QTest::newRow("write") << true;
        QTest::newRow("rename") << false;
    }

    void failedWrite()
    {
        QFETCH(bool, failWrite);
        write("out.txt", "old");
        platform::TextFileFaults faults;
        if (failWrite)
            faults.failWrite(ENOSPC);
        else
            faults.failRename(EIO);
        const Result result = import("t_adm,t_action,t_freq_assgn\r\nF,ADD,98.5\r\n", FormKind::T01, true);
        QCOMPARE(result.status, int(ScriptedRun::Stopped));
        QVERIFY2(result.err.startsWith("Import: "), qPrintable(result.err));
        QCOMPARE(read("out.txt"), QByteArray("old"));
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Hidden | QDir::Files).filter(".out.txt"), QStringList());
    }

    // A header alone imports nothing; an existing output file is replaced
    // only when the command line says so.
    void headerOnlyAndExistingOutput()
    {
        Result result = import("t_adm,t_site_name\r\n", FormKind::T01);
        QCOMPARE(result.status, int(ScriptedRun::Completed));
        QVERIFY(!QFile::exists(path("out.txt")));

        write("out.txt", "old");
        const QByteArray one = "t_adm,t_action,t_freq_assgn\r\nF,ADD,98.5\r\n";
        result = import(one, FormKind::T01);
        QCOMPARE(result.status, int(ScriptedRun::BadScript));
        QVERIFY2(result.err.contains("exists: give --replace to replace it"), qPrintable(result.err));
        QCOMPARE(read("out.txt"), QByteArray("old"));
        result = import(one, FormKind::T01, true);
        QVERIFY2(result.status == ScriptedRun::Completed, qPrintable(result.err));
        QCOMPARE(checkNoticeFile(read("out.txt")).notices.size(), 1);
    }
};

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_import.moc"
