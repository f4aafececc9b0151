// A short run on a notice file (started over an older file, three notices
// saved, one corrected, finished), with its system calls failing, or the
// process killed, at each of them in turn. After each: every notice reported
// saved is in the file, the file opens and finishes as the writer writes it,
// the older file is replaced whole or not at all, and nothing is left beside.

#include "NoticeFileSamples.h"

#include "notice/NoticeFileStore.h"

#include <QDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::TextFileFaults;

enum Step { Start, Save1, Save2, Save3, Correct2, Finish, StepCount };

QByteArray readBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QList<NoticeRecord> m_records; // three saved, the second corrected, and two of the older file
    NoticeRecord m_corrected;
    QByteArray m_older;
    int m_callsOfARun = 0;

    QString name() const { return m_folder.filePath(QStringLiteral("notices.txt")); }

    QString placeOlderFile()
    {
        QFile file(name());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_older) != m_older.size())
            return {};
        return name();
    }

    bool doStep(NoticeFileStore &store, Step step, QString *error)
    {
        switch (step) {
        case Start: return store.create(name(), error) && store.writeStart(writtenHeaderLines(), "F", error);
        case Save1:
        case Save2:
        case Save3: {
            const int number = store.noticeCount() + 1;
            return store.append(makeNoticeSection(m_records.at(number - 1), number), error);
        }
        case Correct2: return store.replace(2, makeNoticeSection(m_corrected, 2), error);
        case Finish: return store.finish(error, nullptr);
        case StepCount: break;
        }
        return false;
    }

    // The file once the first done steps of the run have been done, finished.
    QByteArray fileAfter(int done) const
    {
        if (done == 0)
            return m_older;
        QList<NoticeRecord> saved = m_records.mid(0, std::min(done - 1, 3));
        if (done > Correct2)
            saved[1] = m_corrected;
        return writtenNoticeFile("F", saved);
    }

    QStringList filesInFolder() const
    {
        return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QRandomGenerator random(20051207);
        for (int i = 0; i < 5; ++i)
            m_records.append(sampleRecord(i, random));
        m_corrected = m_records.at(1);
        m_corrected.site_name = QStringLiteral("CORRECTED");
        m_older = writtenNoticeFile("F", m_records.mid(3));

        placeOlderFile();
        const qint64 before = platform::textFileCallCount();
        NoticeFileStore store;
        QString error;
        for (int step = Start; step < StepCount; ++step)
            QVERIFY2(doStep(store, Step(step), &error), qPrintable(error));
        m_callsOfARun = int(platform::textFileCallCount() - before);
        QCOMPARE(readBytes(name()), fileAfter(StepCount));
    }

    // One call fails, or two in a row (a write's sync, then the cut-off of
    // what it wrote); the operator tries each step again.
    void everyCallFailing_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("count");
        for (int call = 1; call <= m_callsOfARun; ++call) {
            QTest::addRow("call %d", call) << call << 1;
            QTest::addRow("calls %d and %d", call, call + 1) << call << 2;
        }
    }

    void everyCallFailing()
    {
        QFETCH(int, call);
        QFETCH(int, count);
        QVERIFY(!placeOlderFile().isEmpty());
        {
            TextFileFaults faults;
            faults.failCalls(call, count, call % 2 ? ENOSPC : EIO);
            NoticeFileStore store;
            QString error;
            for (int step = Start; step < StepCount; ++step) {
                bool done = false;
                for (int attempt = 0; attempt < 3 && !done; ++attempt) {
                    done = doStep(store, Step(step), &error);
                    // Until its start is on the disk, the older file is whole.
                    if (step == Start && !done)
                        QCOMPARE(readBytes(name()), m_older);
                }
                QVERIFY2(done, qPrintable(error));
            }
        }
        QCOMPARE(readBytes(name()), fileAfter(StepCount));
        QCOMPARE(filesInFolder(), QStringList{"notices.txt"});
    }

    // Killed at a call: the file holds what the steps reported done wrote,
    // and maybe the step under way; it opens and finishes without help.
    void killedAtEveryCall_data()
    {
        QTest::addColumn<int>("call");
        for (int call = 1; call <= m_callsOfARun; ++call)
            QTest::addRow("call %d", call) << call;
    }

    void killedAtEveryCall()
    {
        QFETCH(int, call);
        QVERIFY(!placeOlderFile().isEmpty());
        int steps[2];
        QVERIFY(::pipe(steps) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(steps[0]);
            TextFileFaults faults;
            faults.killAtCall(call);
            NoticeFileStore store;
            for (int step = Start; step < StepCount; ++step) {
                if (!doStep(store, Step(step), nullptr) || ::write(steps[1], "x", 1) != 1)
                    ::_exit(1);
            }
            ::_exit(0);
        }
        ::close(steps[1]);
        int done = 0;
        char byte;
        while (::read(steps[0], &byte, 1) == 1)
            ++done;
        ::close(steps[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        NoticeFileStore store;
        QString error;
        QVERIFY2(store.open(name(), &error), qPrintable(error));
        QVERIFY2(store.finish(&error, nullptr), qPrintable(error));
        const QByteArray finished = readBytes(name());
        QVERIFY2(finished == fileAfter(done) || finished == fileAfter(done + 1), qPrintable(QString::number(done)));
        QCOMPARE(filesInFolder(), QStringList{"notices.txt"});
    }

    // A notice written in part (the file size limit of the process stops
    // it) whose cut-off the system refuses leaves a fragment in the file:
    // Finish writes the file anew without it, or, when that fails too, says
    // the file must be opened again, which leaves the fragment out.
    void aFragmentThatCannotBeCutOff_data()
    {
        QTest::addColumn<bool>("finishFails");
        QTest::newRow("finished") << false;
        QTest::newRow("opened again") << true;
    }

    void aFragmentThatCannotBeCutOff()
    {
        QFETCH(bool, finishFails);
        QFile::remove(name());
        platform::ignoreFileSizeLimitSignal();
        rlimit unlimited;
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        {
            NoticeFileStore store;
            QString error;
            TextFileFaults faults;
            faults.failTruncate(EIO);
            QVERIFY(doStep(store, Start, &error));
            QVERIFY(doStep(store, Save1, &error));
            rlimit limited = unlimited;
            limited.rlim_cur = rlim_t(QFileInfo(name()).size() + 10);
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
            QVERIFY(!doStep(store, Save2, &error));
            QVERIFY2(error.endsWith("Part of the line remains at the end of the file."), qPrintable(error));
            if (!finishFails)
                QVERIFY(::setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
            QCOMPARE(doStep(store, Finish, &error), !finishFails);
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
            if (finishFails)
                QVERIFY2(error.endsWith("open the file again to finish it."), qPrintable(error));
        }
        if (finishFails) {
            NoticeFileStore store;
            QString error;
            QVERIFY2(store.open(name(), &error), qPrintable(error));
            QVERIFY(store.saved().leftOut);
            QVERIFY(store.finish(&error, nullptr));
        }
        QCOMPARE(readBytes(name()), writtenNoticeFile("F", m_records.mid(0, 1)));
    }
};

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
