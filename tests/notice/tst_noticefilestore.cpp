// A notice file opened again: continued, corrected and finished without
// losing or changing a byte that was not meant to change, and never written
// by two programs at once or past a file that was changed under the program.

#include "NoticeFileSamples.h"

#include "notice/NoticeFileStore.h"

#include <QDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kNotices = 1000;
constexpr int kSmall = 12;

QByteArray readBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The offset just after the line end of the n-th "</NOTICE>" line (0: after
// the HEAD).
qsizetype afterNotice(const QByteArray &file, int n)
{
    const QByteArray closing = n == 0 ? QByteArray("</HEAD>\r\n") : QByteArray("</NOTICE>\r\n");
    qsizetype at = -1;
    for (int i = 0; i < std::max(n, 1); ++i)
        at = file.indexOf(closing, at + 1);
    return at + closing.size();
}

int differingLines(const QByteArray &a, const QByteArray &b)
{
    const QList<QByteArray> left = a.split('\n');
    const QList<QByteArray> right = b.split('\n');
    if (left.size() != right.size())
        return -1;
    int count = 0;
    for (qsizetype i = 0; i < left.size(); ++i)
        count += left[i] != right[i];
    return count;
}

} // namespace

class TestNoticeFileStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QList<NoticeRecord> m_records;
    QByteArray m_file;  // the writer's file of all the records
    QByteArray m_small; // the writer's file of the first kSmall

    QString placed(const QByteArray &bytes, const QString &name = QStringLiteral("notices.txt"))
    {
        const QString path = m_folder.filePath(name);
        QFile::remove(path);
        writeBytes(path, bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QRandomGenerator random(20051207);
        for (int i = 0; i < kNotices; ++i)
            m_records.append(sampleRecord(i, random));
        m_file = writtenNoticeFile("F", m_records);
        m_small = writtenNoticeFile("F", m_records.mid(0, kSmall));
        QVERIFY(!m_file.isEmpty() && !m_small.isEmpty());
    }

    // Every notice of a finished file comes back as a record that writes it
    // again, and finishing the file unchanged leaves it as it was, untouched.
    void openAndFinishUnchanged()
    {
        const QString name = placed(m_file);
        const auto before = platform::fileIdentity(name);
        NoticeFileStore store;
        QString error;
        QVERIFY2(store.open(name, &error), qPrintable(error));
        QCOMPARE(store.noticeCount(), kNotices);
        QVERIFY(store.saved().finished);
        QCOMPARE(store.saved().adm, QString("F"));
        const ParsedNoticeFile parsed = checkNoticeFile(m_file);
        for (int k = 1; k <= kNotices; ++k) {
            QCOMPARE(store.summary(k), noticeSummary(parsed.notices.at(k - 1)));
            const std::optional<NoticeRecord> record = store.record(k, &error);
            QVERIFY2(record, qPrintable(QString::number(k) + ": " + error));
            QCOMPARE(makeNoticeSection(*record, k), makeNoticeSection(m_records.at(k - 1), k));
        }
        QVERIFY(store.finish(&error, nullptr));
        QCOMPARE(readBytes(name), m_file);
        QVERIFY(platform::fileIdentity(name)->isSameFile(*before));
    }

    // A file cut anywhere after its HEAD, or damaged after its last complete
    // notice: every complete notice is kept, what follows is named and left
    // out, and Finish makes the file the writer writes for the notices kept.
    void finishCutFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("leftOutLine"); // 0: nothing left out
        QTest::addColumn<QString>("leftOut");
        const auto lineOf = [this](qsizetype offset) { return int(m_small.left(offset).count('\n')) + 1; };
        const QString cut = QStringLiteral("notice %1, from line");
        for (int k = 0; k <= kSmall; ++k) {
            const qsizetype end = afterNotice(m_small, k);
            QTest::addRow("after notice %d", k) << m_small.left(end) << k << 0 << QString();
            if (k < kSmall) {
                QTest::addRow("in the opening tag of notice %d", k + 1)
                    << m_small.left(end + 4) << k << lineOf(end) << cut.arg(k + 1);
                QTest::addRow("inside notice %d", k + 1) << m_small.left(end + 40) << k << lineOf(end) << cut.arg(k + 1);
                QTest::addRow("before the end tag of notice %d", k + 1)
                    << m_small.left(afterNotice(m_small, k + 1) - 3) << k << lineOf(end) << cut.arg(k + 1);
            }
        }
        QTest::addRow("inside the TAIL") << m_small.chopped(12) << kSmall << 0 << QString();
        QTest::addRow("without the final empty line") << m_small.chopped(2) << kSmall << 0 << QString();
        // What a failed write whose cut-off also failed leaves, then a TAIL.
        const qsizetype tail = afterNotice(m_small, kSmall);
        const QString damaged = QStringLiteral("the lines from line %1 on hold no complete notice");
        QTest::addRow("a fragment, then the TAIL")
            << m_small.left(afterNotice(m_small, 2)) + "<NOTICE>\r\nt_c" + m_small.mid(tail) << 2
            << lineOf(afterNotice(m_small, 2)) << damaged.arg(lineOf(afterNotice(m_small, 2)));
        QTest::addRow("text after the TAIL") << m_small + "x\r\n" << kSmall << lineOf(tail) << damaged.arg(lineOf(tail));
        QTest::addRow("wrong count") << QByteArray(m_small).replace("t_num_notices = 12", "t_num_notices = 11")
                                     << kSmall << lineOf(tail) << damaged.arg(lineOf(tail));
    }

    void finishCutFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kept);
        QFETCH(int, leftOutLine);
        QFETCH(QString, leftOut);
        const QString name = placed(bytes);
        NoticeFileStore store;
        QString error;
        QVERIFY2(store.open(name, &error), qPrintable(error));
        QCOMPARE(store.noticeCount(), kept);
        QCOMPARE(store.saved().finished, false);
        QCOMPARE(store.saved().leftOut ? store.saved().leftOut->line : 0, leftOutLine);
        if (leftOutLine)
            QVERIFY2(store.saved().leftOut->message.startsWith(leftOut), qPrintable(store.saved().leftOut->message));
        QVERIFY(!fileHoldsNoNotice(name) || kept == 0);
        QVERIFY2(store.finish(&error, nullptr), qPrintable(error));
        QCOMPARE(readBytes(name), writtenNoticeFile("F", m_records.mid(0, kept)));
    }

    // A file cut before its HEAD was whole holds nothing: it opens, and the
    // next save writes it anew. A file of another kind is never taken for one.
    void startAfreshWhatHoldsNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("holdsNothing");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("inside the first line") << m_small.left(9) << true;
        QTest::newRow("inside the HEAD") << m_small.left(m_small.indexOf("</HEAD>")) << true;
        QTest::newRow("after the HEAD") << m_small.left(afterNotice(m_small, 0)) << true;
        QTest::newRow("another kind of file") << QByteArray("Shopping list\r\n") << false;
        QTest::newRow("notices") << m_small << false;
    }

    void startAfreshWhatHoldsNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, holdsNothing);
        const QString name = placed(bytes);
        QCOMPARE(fileHoldsNoNotice(name), holdsNothing);
        NoticeFileStore store;
        QString error;
        if (!holdsNothing || bytes.contains("</HEAD>"))
            return;
        QVERIFY2(store.open(name, &error), qPrintable(error));
        QVERIFY(store.saved().startsAfresh && !store.isStarted());
        QVERIFY(store.saved().leftOut);
        QCOMPARE(readBytes(name), bytes);
        QVERIFY2(store.create(name, &error), qPrintable(error));
        QVERIFY2(store.writeStart(writtenHeaderLines(), "F", &error), qPrintable(error));
        QVERIFY2(store.append(makeNoticeSection(m_records.at(0), 1), &error), qPrintable(error));
        QVERIFY2(store.finish(&error, nullptr), qPrintable(error));
        QCOMPARE(readBytes(name), writtenNoticeFile("F", m_records.mid(0, 1)));
    }

    // Correcting one notice changes its lines only; later notices keep their
    // numbers, and a notice appended after a correction comes after them.
    void replaceOneNotice()
    {
        const QString name = placed(m_small);
        NoticeFileStore store;
        QString error;
        QVERIFY(store.open(name, &error));
        // The first, a middle and the last notice, each with a site name.
        QList<int> corrected;
        for (int k = 1; k <= kSmall; ++k) {
            if (!m_records.at(k - 1).site_name.isEmpty())
                corrected.append(k);
        }
        corrected = {corrected.first(), corrected.at(corrected.size() / 2), corrected.last()};
        for (int k : corrected) {
            std::optional<NoticeRecord> record = store.record(k, &error);
            QVERIFY(record);
            record->site_name = QStringLiteral("CORRECTED %1").arg(k);
            QVERIFY2(store.replace(k, makeNoticeSection(*record, k), &error), qPrintable(error));
            QVERIFY(store.summary(k).endsWith(QStringLiteral("\tCORRECTED %1").arg(k)));
        }
        QVERIFY(store.finish(&error, nullptr));
        QList<NoticeRecord> expected = m_records.mid(0, kSmall);
        QByteArray written = readBytes(name);
        for (int k : corrected)
            expected[k - 1].site_name = QStringLiteral("CORRECTED %1").arg(k);
        QCOMPARE(written, writtenNoticeFile("F", expected));
        QCOMPARE(differingLines(written, m_small), 3);

        QVERIFY(store.open(name, &error));
        QVERIFY(store.append(makeNoticeSection(m_records.at(kSmall), kSmall + 1), &error));
        QVERIFY(store.finish(&error, nullptr));
        expected.append(m_records.at(kSmall));
        QCOMPARE(readBytes(name), writtenNoticeFile("F", expected));
    }

    // What cannot be continued is refused, with the line of the first fault.
    void refuseWhatCannotBeContinued_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QByteArray misnumbered = m_small;
        misnumbered.replace("Notice No = 3\r\n", "Notice No = 4\r\n");
        QTest::newRow("no HEAD") << QByteArray("File captured on\r\nhello\r\n") << "line 1: ";
        QTest::newRow("misnumbered") << misnumbered << "line ";
    }

    void refuseWhatCannotBeContinued()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString name = placed(bytes);
        NoticeFileStore store;
        QString error;
        QVERIFY(!store.open(name, &error));
        QVERIFY2(error.startsWith("The file \"" + name + "\" is not a notice file that can be continued: " + message),
                 qPrintable(error));
        QCOMPARE(readBytes(name), bytes);
        QVERIFY(!QFile::exists(name + ".lock"));
    }

    // One writer per file: a second store is told who holds the file; a lock
    // left by a program that no longer runs is taken over.
    void oneWriterPerFile()
    {
        const QString name = placed(m_small);
        NoticeFileStore first;
        NoticeFileStore second;
        QString error;
        QVERIFY(first.open(name, &error));
        QVERIFY(!second.open(name, &error));
        QVERIFY2(error.contains(QString("is in use by %1 (process %2 on ")
                                    .arg(QCoreApplication::applicationName())
                                    .arg(QCoreApplication::applicationPid())),
                 qPrintable(error));
        QVERIFY(!second.create(name, &error));
        QVERIFY(first.finish(&error, nullptr));
        QVERIFY(second.open(name, &error));
        QVERIFY(second.finish(&error, nullptr));
        QCOMPARE(readBytes(name), m_small);

        // A child process takes the lock and ends without letting it go.
        const pid_t child = fork();
        if (child == 0) {
            platform::WriterLock lock;
            _exit(lock.acquire(name, nullptr) && lock.isHeld() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(name + ".lock"));
        QVERIFY2(first.open(name, &error), qPrintable(error));
        QVERIFY(first.finish(&error, nullptr));
        QVERIFY(!QFile::exists(name + ".lock"));
    }

    // A lock file with no readable holder (a program stopped between making
    // it and writing it, or a full disk) is taken over once it is a few
    // seconds old; a younger one may be a program starting to write.
    void unreadableLocks_data()
    {
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("an empty lock of a minute ago") << 60 << true;
        QTest::newRow("an empty lock just made") << 0 << false;
    }

    void unreadableLocks()
    {
        QFETCH(int, ageSeconds);
        QFETCH(bool, takenOver);
        const QString name = placed(m_small);
        QFile lock(name + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        lock.close();
        NoticeFileStore store;
        QString error;
        QCOMPARE(store.open(name, &error), takenOver);
        if (takenOver)
            QVERIFY(store.finish(&error, nullptr));
        else
            QVERIFY2(error.contains("which no program holds, and the lock cannot be taken over"), qPrintable(error));
        QCOMPARE(QFile::exists(name + ".lock"), !takenOver);
        QFile::remove(name + ".lock");
    }

    // Opening or creating a file removes the hidden files that runs stopped
    // midway left beside it: replacements, and the work files of imports
    // whose process has ended. An import still running, the files of another
    // name and the file's own lock stay.
    void leftoversRemoved_data()
    {
        QTest::addColumn<bool>("create");
        QTest::newRow("open") << false;
        QTest::newRow("create") << true;
    }

    void leftoversRemoved()
    {
        QFETCH(bool, create);
        const QString name = placed(m_small, "left.txt");
        const pid_t ended = fork();
        if (ended == 0)
            _exit(0);
        QCOMPARE(waitpid(ended, nullptr, 0), ended);
        const QString live = QString::number(QCoreApplication::applicationPid());
        const QStringList removed{".left.txt.Ab12Cd", ".left.txt.import-" + QString::number(ended) + "-0",
                                  ".left.txt.import-" + QString::number(ended) + "-0.lock"};
        const QStringList kept{".left.txt.import-" + live + "-0", ".left.txt.notes", ".other.txt.Ab12Cd",
                               ".left.txt.Ab12C", "left.txt"};
        for (const QString &file : removed + kept.mid(0, 4))
            writeBytes(m_folder.filePath(file), "x");
        NoticeFileStore store;
        QString error;
        QVERIFY2(create ? store.create(name, &error) : store.open(name, &error), qPrintable(error));
        QStringList expected;
        for (const QString &file : removed)
            expected << m_folder.filePath(file);
        QStringList got = store.leftoversRemoved();
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);
        store.abandon();
        QStringList left = QDir(m_folder.path()).entryList({"*left.txt*", ".other.txt*"}, QDir::Files | QDir::Hidden);
        QStringList wanted = kept;
        left.sort();
        wanted.sort();
        QCOMPARE(left, wanted);
        for (const QString &file : kept)
            QFile::remove(m_folder.filePath(file));
    }

    // A file deleted, replaced or cut short while it is written: the next
    // write fails and nothing is written to whatever the name leads to now.
    void stopWhenTheFileIsChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        QTest::newRow("deleted") << "delete" << "it was deleted or moved while it was being written";
        QTest::newRow("replaced") << "replace" << "another file took its name while it was being written";
        QTest::newRow("cut short") << "truncate" << "it was cut short while it was being written";
        QTest::newRow("written after") << "append" << "another program wrote to it while it was being written";
        QTest::newRow("cut and grown again")
            << "overwrite" << "another program wrote to it while it was being written";
    }

    void stopWhenTheFileIsChanged()
    {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        for (const bool opened : {false, true}) {
            const QString name = m_folder.filePath("changed.txt");
            QFile::remove(name);
            NoticeFileStore store;
            QString error;
            if (opened) {
                placed(m_small, "changed.txt");
                QVERIFY(store.open(name, &error));
                QVERIFY(store.append(makeNoticeSection(m_records.at(kSmall), kSmall + 1), &error));
            } else {
                QVERIFY(store.create(name, &error));
                QVERIFY(store.writeStart({"a", "b", "c"}, "F", &error));
            }
            QByteArray now = readBytes(name);
            if (change == "delete") {
                QVERIFY(QFile::remove(name));
                now.clear();
            } else if (change == "replace") {
                QVERIFY(QFile::remove(name));
                writeBytes(name, now);
            } else if (change == "truncate") {
                now.chop(5);
                QVERIFY(QFile::resize(name, now.size()));
            } else {
                // Another program's bytes after the end, or in place of the
                // last ones: the same file, of a length or end not written here.
                QFile file(name);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.seek(change == "append" ? now.size() : now.size() - 5));
                QCOMPARE(file.write("XXXXX"), 5);
                now = now.left(file.pos() - 5) + "XXXXX";
            }
            QVERIFY(!store.append(makeNoticeSection(m_records.at(0), store.noticeCount() + 1), &error));
            QCOMPARE(error, QString("Cannot write to the file \"%1\": %2.").arg(name, reason));
            QVERIFY(!store.finish(&error, nullptr));
            QCOMPARE(readBytes(name), now);
        }
    }

    // A replacement that fails at any step leaves the file as it was and no
    // new file beside it.
    void replacementIsAllOrNothing_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("new file") << 0;
        QTest::newRow("write") << 1;
        QTest::newRow("rename") << 2;
    }

    void replacementIsAllOrNothing()
    {
        QFETCH(int, step);
        const QString name = placed(m_small);
        NoticeFileStore store;
        QString error;
        QVERIFY(store.open(name, &error));
        const std::optional<NoticeRecord> record = store.record(2, &error);
        QVERIFY(record);
        {
            platform::TextFileFaults faults;
            if (step == 0)
                faults.failCreate(EACCES);
            else if (step == 1)
                faults.failWrite(ENOSPC);
            else
                faults.failRename(EIO);
            QVERIFY(!store.replace(2, makeNoticeSection(*record, 2), &error));
            QVERIFY2(error.endsWith(". The file is as it was.") || step == 0, qPrintable(error));
        }
        QCOMPARE(readBytes(name), m_small);
        QCOMPARE(QDir(m_folder.path()).entryList({"*notices.txt*"}, QDir::Files | QDir::Hidden),
                 QStringList({"notices.txt", "notices.txt.lock"}));
        QVERIFY(store.finish(&error, nullptr));
        QCOMPARE(readBytes(name), m_small);
    }
};

QTEST_GUILESS_MAIN(TestNoticeFileStore)
#include "tst_noticefilestore.moc"
