#include "NoticeFileSamples.h"

#include "notice/NoticeFileChecker.h"

#include <QtTest>

// Thousands of mutants of sound notice files (bytes flipped, the file cut,
// lines cut, dropped or repeated): the checker gives each one a verdict
// without crashing, puts every fault on a line of the file (or just after its
// end), and finds the faults that a mutation is sure to make. The program is
// also built with AddressSanitizer and UndefinedBehaviorSanitizer to run this
// test (see tests/notice/CMakeLists.txt).

namespace {

constexpr int kMutantsPerKind = 1000;
constexpr quint32 kSeed = 1612;

// A sound file as its lines, each with its line end.
struct SoundFile
{
    QByteArray bytes;
    QList<QByteArray> lines;
};

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

QByteArray textOf(const QByteArray &line)
{
    return line.endsWith("\r\n") ? line.chopped(2) : line;
}

struct Mutant
{
    QByteArray bytes;
    bool mustBeFaulty = false;
};

using Mutate = Mutant (*)(const SoundFile &, QRandomGenerator &);

Mutant flipByte(const SoundFile &file, QRandomGenerator &random)
{
    QByteArray bytes = file.bytes;
    const qsizetype at = random.bounded(int(bytes.size()));
    bytes[at] = char(bytes[at] ^ char(1 + random.bounded(255)));
    return {bytes, false};
}

// Every strict beginning of a sound file lacks at least its final empty line.
Mutant cutFile(const SoundFile &file, QRandomGenerator &random)
{
    return {file.bytes.left(random.bounded(int(file.bytes.size()))), true};
}

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line;
    return bytes;
}

// Lines without which no sound file can do: the header lines, tags, empty
// lines, the HEAD's administration (line 5), notice numbers and the count.
bool isNeeded(const QByteArray &text, qsizetype index)
{
    return index < 3 || index == 4 || text.isEmpty() || text.startsWith('<') || text.startsWith("Notice No = ")
           || text.startsWith("t_num_notices = ");
}

Mutant dropLine(const SoundFile &file, QRandomGenerator &random)
{
    QList<QByteArray> lines = file.lines;
    const qsizetype index = random.bounded(int(lines.size()));
    const bool needed = isNeeded(textOf(lines[index]), index);
    lines.remove(index);
    return {joined(lines), needed};
}

// Only a coordinated administration may stand twice in a row.
Mutant repeatLine(const SoundFile &file, QRandomGenerator &random)
{
    QList<QByteArray> lines = file.lines;
    const qsizetype index = random.bounded(int(lines.size()));
    const bool coordination = index != 4 && lines[index].startsWith("t_adm = ");
    lines.insert(index, lines[index]);
    return {joined(lines), !coordination};
}

// A line cut short (its line end kept) is a fault when the cut takes a piece
// of a tag, of a number, of a header line's fixed beginning, or the whole
// value of a key.
Mutant cutLine(const SoundFile &file, QRandomGenerator &random)
{
    QList<QByteArray> lines = file.lines;
    qsizetype index = random.bounded(int(lines.size()));
    while (textOf(lines[index]).isEmpty())
        index = (index + 1) % lines.size();
    const QByteArray text = textOf(lines[index]);
    const qsizetype keep = random.bounded(int(text.size()));
    static const QByteArray beginnings[] = {"File captured on ", "Processed by ", "Program Id: "};
    bool faulty = false;
    if (index < 3)
        faulty = keep < beginnings[index].size();
    else
        faulty = text.startsWith('<') || text.startsWith("Notice No = ") || text.startsWith("t_num_notices = ")
                 || keep <= text.indexOf(" = ") + 3;
    lines[index] = text.left(keep) + "\r\n";
    return {joined(lines), faulty};
}

int lineCount(const QByteArray &bytes)
{
    return int(bytes.count('\n')) + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
}

} // namespace

Q_DECLARE_METATYPE(Mutate)

class TestNoticeFileMutations : public QObject
{
    Q_OBJECT

private:
    QList<SoundFile> m_files;

private Q_SLOTS:
    void initTestCase()
    {
        // Sound files of 0 to 6 generated notices: small, so that mutations
        // often hit tags, numbers and empty lines.
        QRandomGenerator random(kSeed);
        for (int notices : {0, 1, 1, 2, 2, 3, 3, 4, 5, 6}) {
            QList<NoticeRecord> records;
            for (int i = 0; i < notices; ++i)
                records.append(sampleRecord(random.bounded(480), random));
            const QByteArray bytes = writtenNoticeFile("F", records);
            QVERIFY(!bytes.isEmpty());
            const ParsedNoticeFile parsed = checkNoticeFile(bytes);
            QVERIFY(parsed.isSound());
            QCOMPARE(parsed.notices.size(), notices);
            m_files.append({bytes, linesOf(bytes)});
        }
    }

    void mutants_data()
    {
        QTest::addColumn<Mutate>("mutate");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("bytes flipped") << Mutate(flipByte) << kSeed + 1;
        QTest::newRow("file cut") << Mutate(cutFile) << kSeed + 2;
        QTest::newRow("line dropped") << Mutate(dropLine) << kSeed + 3;
        QTest::newRow("line repeated") << Mutate(repeatLine) << kSeed + 4;
        QTest::newRow("line cut") << Mutate(cutLine) << kSeed + 5;
    }

    void mutants()
    {
        QFETCH(Mutate, mutate);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        for (int i = 0; i < kMutantsPerKind; ++i) {
            const SoundFile &original = m_files[i % m_files.size()];
            const Mutant mutant = mutate(original, random);
            const ParsedNoticeFile parsed = checkNoticeFile(mutant.bytes);
            const QByteArray context = "mutant " + QByteArray::number(i) + ":\n" + mutant.bytes;
            QVERIFY2(mutant.bytes != original.bytes, context.constData());
            if (mutant.mustBeFaulty)
                QVERIFY2(!parsed.isSound(), context.constData());
            const int lastLine = std::max(1, lineCount(mutant.bytes) + 1);
            int previous = 1;
            for (const NoticeFileFault &fault : parsed.faults) {
                QVERIFY2(fault.line >= previous && fault.line <= lastLine, context.constData());
                QVERIFY2(!fault.message.isEmpty(), context.constData());
                previous = fault.line;
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNoticeFileMutations)
#include "tst_noticefilemutations.moc"
