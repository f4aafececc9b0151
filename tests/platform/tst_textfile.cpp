#include "platform/System.h"
#include "platform/TextFile.h"
#include "platform/WriterLock.h"

#include <QStringDecoder>
#include <QtTest>

#include <cerrno>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

using platform::TextFile;
using platform::TextFileFaults;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

// The bytes that Windows-1252 leaves undefined: the system's table reads them
// as control characters, but no character is written as one of them.
bool isUndefinedByte(int byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void writesEachLineWithCrLf()
    {
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("lines.txt"), &error), qPrintable(error));
        QVERIFY(file.isOpen());
        QCOMPARE(file.fileName(), path("lines.txt"));
        QVERIFY2(file.writeLine("<HEAD>\r\nt_adm = F\r\n</HEAD>", &error), qPrintable(error));
        QVERIFY2(file.writeLine("", &error), qPrintable(error));
        QVERIFY2(file.writeLine("last", &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
        QVERIFY(!file.isOpen());
        QCOMPARE(contents(path("lines.txt")), QByteArray("<HEAD>\r\nt_adm = F\r\n</HEAD>\r\n\r\nlast\r\n"));
    }

    void writesWindows1252Bytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "MONTMARTRE" << QByteArray("MONTMARTRE\r\n");
        QTest::newRow("accented letters") << QString::fromUtf8("Évry-Sénart Ñ ü")
                                          << QByteArray("\xC9vry-S\xE9nart \xD1 \xFC\r\n");
        QTest::newRow("euro and ligature") << QString::fromUtf8("€ Œ “x”")
                                           << QByteArray("\x80 \x8C \x93x\x94\r\n");
        // The file's own encoder against the system's conversion table: every
        // byte but NUL and the undefined ones, read back by the system as
        // Windows-1252, is written back as the same byte.
        QByteArray codePage;
        for (int byte = 1; byte <= 0xFF; ++byte) {
            if (!isUndefinedByte(byte))
                codePage += char(byte);
        }
        QStringDecoder decoder("windows-1252");
        QVERIFY(decoder.isValid());
        const QString everyCharacter = decoder.decode(codePage);
        QVERIFY(!decoder.hasError());
        QTest::newRow("every character of the code page") << everyCharacter << codePage + "\r\n";
        // A long text is encoded in blocks: characters that go through the
        // table at the edges of blocks and in the last, short one.
        QString longText(200, QLatin1Char('a'));
        QByteArray longBytes(200, 'a');
        for (int position : {0, 63, 64, 127, 128, 150, 199}) {
            longText[position] = QChar(0x20AC);
            longBytes[position] = '\x80';
        }
        longText[100] = QChar(0xE9);
        longBytes[100] = '\xE9';
        QTest::newRow("long text") << longText << longBytes + "\r\n";
    }

    void writesWindows1252Bytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("encoding.txt"), &error), qPrintable(error));
        QVERIFY2(file.writeLine(text, &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
        QCOMPARE(contents(path("encoding.txt")), bytes);
    }

    void eachLineReachesTheSystemBeforeClose()
    {
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("open.txt"), &error), qPrintable(error));
        QVERIFY2(file.writeLine("first", &error), qPrintable(error));
        QCOMPARE(contents(path("open.txt")), QByteArray("first\r\n"));
        QVERIFY2(file.close(&error), qPrintable(error));
    }

    void replacesAnExistingFile()
    {
        {
            QFile old(path("existing.txt"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("a much longer old content that must disappear entirely\r\n");
        }
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("existing.txt"), &error), qPrintable(error));
        QVERIFY2(file.writeLine("new", &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
        QCOMPARE(contents(path("existing.txt")), QByteArray("new\r\n"));
    }

    void refusesUnencodableText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("described");
        QTest::newRow("cyrillic") << QString::fromUtf8("Москва") << QString::fromUtf8("\"М\" (U+041C)");
        QTest::newRow("double acute") << QString::fromUtf8("Győr") << QString::fromUtf8("\"ő\" (U+0151)");
        QTest::newRow("outside the basic plane")
            << QString::fromUtf8("ok \U0001F4E1") << QString::fromUtf8("\"\U0001F4E1\" (U+1F4E1)");
        QTest::newRow("C1 control with a byte of its own in Latin-1 only")
            << QString(QChar(0x80)) << QString::fromUtf8("\"\u0080\" (U+0080)");
        QTest::newRow("control of a byte undefined in the code page")
            << QString(QChar(0x9D)) << QString::fromUtf8("\"\u009D\" (U+009D)");
        // A byte order mark has no byte either, also at the very start.
        QTest::newRow("byte order mark") << QString(QChar(0xFEFF)) + "F"
                                         << QString::fromUtf8("\"\uFEFF\" (U+FEFF)");
        // Far into a long text, the first of two is named.
        QTest::newRow("first of two in a long text")
            << QString(70, QLatin1Char('a')) + QString::fromUtf8("€ő") + QString(70, QLatin1Char('b'))
                   + QString::fromUtf8("М")
            << QString::fromUtf8("\"ő\" (U+0151)");
    }

    void refusesUnencodableText()
    {
        QFETCH(QString, text);
        QFETCH(QString, described);
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("refused.txt"), &error), qPrintable(error));
        QVERIFY(!file.writeLine(text, &error));
        QVERIFY2(error.contains(described), qPrintable(error));
        QVERIFY2(error.contains("Windows-1252"), qPrintable(error));
        QVERIFY2(error.contains(path("refused.txt")), qPrintable(error));
        // Nothing was written, and the file stays usable.
        QCOMPARE(contents(path("refused.txt")), QByteArray());
        QVERIFY(file.isOpen());
        QVERIFY2(file.writeLine("after", &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
        QCOMPARE(contents(path("refused.txt")), QByteArray("after\r\n"));
    }

    // Every UTF-16 unit, in the middle of a text long enough to be encoded in
    // blocks, is written as its byte of the system's Windows-1252 table, or
    // refused when it has none; findUnencodable agrees.
    void writesEveryUnitThatHasAByte()
    {
        QStringDecoder decoder("windows-1252");
        QVERIFY(decoder.isValid());
        QHash<char16_t, char> byteOf;
        for (int byte = 0; byte <= 0xFF; ++byte) {
            const QString character = decoder.decode(QByteArray(1, char(byte)));
            QCOMPARE(character.size(), qsizetype(1));
            if (!isUndefinedByte(byte))
                byteOf.insert(character.at(0).unicode(), char(byte));
        }
        platform::setTextFileSync(platform::TextFileSync::Off);
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("units.txt"), &error), qPrintable(error));
        QByteArray expected;
        QString mismatch;
        for (int unit = 0; unit <= 0xFFFF && mismatch.isEmpty(); ++unit) {
            const QString text = QString(90, QLatin1Char('x')) + QChar(char16_t(unit)) + QLatin1Char('y');
            const bool hasByte = byteOf.contains(char16_t(unit));
            if (file.writeLine(text, &error) != hasByte || (platform::findUnencodable(text) < 0) != hasByte)
                mismatch = QStringLiteral("U+%1: %2").arg(unit, 4, 16, QLatin1Char('0')).arg(error);
            if (hasByte)
                expected += QByteArray(90, 'x') + byteOf.value(char16_t(unit)) + "y\r\n";
        }
        platform::setTextFileSync(platform::TextFileSync::EveryLine);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QVERIFY2(file.close(&error), qPrintable(error));
        QCOMPARE(contents(path("units.txt")), expected);
    }

    void findsTheFirstUnencodableCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("all encodable") << QString::fromUtf8("Åland € ÿ\r\n") << -1;
        QTest::newRow("second of two") << QString::fromUtf8("aЖbЖ") << 1;
        QTest::newRow("after a pair") << QString::fromUtf8("\U0001F600x") << 0;
        QTest::newRow("lone surrogate") << (QString("ab") + QChar(0xD800)) << 2;
    }

    void findsTheFirstUnencodableCharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(platform::findUnencodable(text), qsizetype(position));
    }

    void reportsACreateFailureWithTheSystemReason()
    {
        TextFile file;
        QString error;
        const QString name = path("no-such-folder/notice.txt");
        QVERIFY(!file.create(name, &error));
        QVERIFY(!file.isOpen());
        QCOMPARE(error, QString("Cannot create the file \"%1\": %2.").arg(name, qt_error_string(ENOENT)));
        QVERIFY(!QFileInfo::exists(name));
    }

    void reportsAWriteFailureWithTheSystemReason()
    {
        if (!QFileInfo(QStringLiteral("/dev/full")).isWritable())
            QSKIP("/dev/full is not writable here");
        TextFile file;
        QString error;
        QVERIFY2(file.create("/dev/full", &error), qPrintable(error));
        QVERIFY(!file.writeLine("t_adm = F", &error));
        QCOMPARE(error, QString("Cannot write to the file \"/dev/full\": %1.").arg(qt_error_string(ENOSPC)));
        QVERIFY(file.isOpen());
        QVERIFY2(file.close(&error), qPrintable(error));
    }

    void reportsInjectedFailures_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<QString>("expected");
        QTest::newRow("create") << "create" << int(EACCES) << "Cannot create the file \"%1\": %2.";
        QTest::newRow("write") << "write" << int(EIO) << "Cannot write to the file \"%1\": %2.";
        QTest::newRow("sync") << "sync" << int(EIO) << "Cannot write to the file \"%1\": %2.";
        QTest::newRow("close") << "close" << int(EIO) << "Cannot close the file \"%1\": %2.";
    }

    void reportsInjectedFailures()
    {
        QFETCH(QString, step);
        QFETCH(int, errorNumber);
        QFETCH(QString, expected);
        const QString name = path("faults.txt");
        TextFileFaults faults;
        if (step == "create")
            faults.failCreate(errorNumber);
        TextFile file;
        QString error;
        const bool created = file.create(name, &error);
        if (step == "create") {
            QVERIFY(!created);
        } else {
            QVERIFY2(created, qPrintable(error));
            if (step == "write")
                faults.failWrite(errorNumber);
            if (step == "sync")
                faults.failSync(errorNumber);
            if (step == "close")
                faults.failClose(errorNumber);
            const bool written = file.writeLine("line", &error);
            QCOMPARE(written, step == "close");
            if (written) {
                QVERIFY(!file.close(&error));
                QVERIFY(!file.isOpen());
            }
        }
        QCOMPARE(error, expected.arg(name, qt_error_string(errorNumber)));
    }

    // A line whose sync fails has reached the file; it is cut off again, so a
    // second try writes it once, and the failure names the system's reason.
    void aFailedLineLeavesTheFileAsItWas()
    {
        const QString name = path("undo.txt");
        TextFile file;
        QString error;
        QVERIFY2(file.create(name, &error), qPrintable(error));
        QVERIFY2(file.writeLine("first", &error), qPrintable(error));
        {
            TextFileFaults faults;
            faults.failSync(EIO);
            QVERIFY(!file.writeLine("second", &error));
        }
        QCOMPARE(file.lastReason(), qt_error_string(EIO));
        QCOMPARE(contents(name), QByteArray("first\r\n"));
        QVERIFY2(file.writeLine("second", &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
        QCOMPARE(contents(name), QByteArray("first\r\nsecond\r\n"));
    }

    void faultsEndWithTheirScope()
    {
        {
            TextFileFaults faults;
            faults.failCreate(EACCES);
        }
        TextFile file;
        QString error;
        QVERIFY2(file.create(path("after-faults.txt"), &error), qPrintable(error));
        QVERIFY2(file.close(&error), qPrintable(error));
    }

    void misuseIsReported()
    {
        TextFile file;
        QString error;
        QVERIFY(!file.writeLine("x", &error));
        QCOMPARE(error, QString("Cannot write: no file is open."));
        QVERIFY(!file.close(&error));
        QCOMPARE(error, QString("Cannot close: no file is open."));
        QVERIFY2(file.create(path("first.txt"), &error), qPrintable(error));
        QVERIFY(!file.create(path("second.txt"), &error));
        QVERIFY2(error.contains("is still open"), qPrintable(error));
        QVERIFY(!QFileInfo::exists(path("second.txt")));
        QVERIFY(file.writeLine("x", nullptr));
        QVERIFY(file.close(nullptr));
    }

    // Out of memory, by operator new or by a Qt container that cannot grow:
    // a line on the error output, the locks held removed, exit status 3.
    void outOfMemoryStopsCleanly_data()
    {
        QTest::addColumn<bool>("container");
        QTest::newRow("operator new") << false;
        QTest::newRow("Qt container") << true;
    }

    void outOfMemoryStopsCleanly()
    {
        QFETCH(bool, container);
        const QString name = path(container ? "memory-container.txt" : "memory-new.txt");
        int output[2];
        QVERIFY(::pipe(output) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(output[1], STDERR_FILENO);
            platform::stopCleanlyWhenOutOfMemory("test");
            platform::WriterLock lock;
            if (!lock.acquire(name, nullptr) || !lock.isHeld())
                ::_exit(1);
            if (container) {
                // Nothing catches the exception, as in the program's event loop.
                [&]() noexcept {
                    QByteArray bytes;
                    bytes.resize(std::numeric_limits<qsizetype>::max() / 2);
                }();
            } else {
                volatile char *bytes = new char[std::numeric_limits<std::ptrdiff_t>::max() / 2];
                bytes[0] = 0;
            }
            ::_exit(0);
        }
        ::close(output[1]);
        QByteArray said;
        char buffer[256];
        for (ssize_t count; (count = ::read(output[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, count);
        ::close(output[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 3);
        QVERIFY2(said.startsWith("test: out of memory;"), said.constData());
        QVERIFY(!QFile::exists(name + ".lock"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
