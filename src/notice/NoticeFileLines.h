#pragma once

#include "NoticeKeys.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <limits>
#include <optional>

// The pieces that the notice-file checker reads a file into: its lines, the
// tag lines among them, and where a key or a section as written stands in the
// table of keys that the writer follows (NoticeKeys::layout()).
namespace NoticeFileLines {

struct Line
{
    int number = 0; // 1 for the first line of the file
    QString text;   // without its line end, and without any stray carriage return
    // What is wrong with the line itself, in this order: its end (not CR LF,
    // or a carriage return of its own), a byte that the text file encoding
    // leaves undefined, its length (a line longer than NoticeKeys::kLongestLine
    // is not held: its text is empty and tooLong is set).
    QStringList faults;
    bool tooLong = false;
};

// Cuts the bytes of a notice file into lines at each line feed, fed in pieces
// of any size, and decodes each line from the text file encoding. It holds
// no more than the line being read, and not even that past
// NoticeKeys::kLongestLine: the rest of such a line is skipped up to its line
// feed. Each whole line goes to the callback as soon as its line feed is read;
// finish() hands over the last line when the bytes do not end with a line feed.
class LineSplitter
{
public:
    template <typename OnLine> void feed(QByteArrayView bytes, OnLine onLine)
    {
        qsizetype start = 0;
        while (start < bytes.size()) {
            const qsizetype lineFeed = bytes.indexOf('\n', start);
            const qsizetype end = lineFeed < 0 ? bytes.size() : lineFeed;
            take(bytes.sliced(start, end - start));
            if (lineFeed < 0)
                return;
            onLine(cut(true));
            start = end + 1;
        }
    }

    template <typename OnLine> void finish(OnLine onLine)
    {
        if (m_started)
            onLine(cut(false));
    }

    int lineCount() const { return m_number; }

private:
    void take(QByteArrayView piece);
    Line cut(bool lineFeed);

    QByteArray m_bytes; // of the line being read
    bool m_started = false;
    bool m_tooLong = false;
    int m_number = 0;
};

// A tag line: "<TAG>" or "</TAG>" for a known tag.
struct TagLine
{
    NoticeKeys::Section section;
    bool closing;
};

std::optional<TagLine> readTag(const QString &text);

QString openTag(NoticeKeys::Section section);
QString closeTag(NoticeKeys::Section section);

// "No layout position yet", distinct from every index of NoticeKeys::layout().
constexpr std::size_t kNoPosition = std::numeric_limits<std::size_t>::max();

// The position of a key as written within a section, or kNoPosition; for an
// azimuth key ("t_attn@azm350"), the azimuth it names goes to azimuth.
std::size_t positionOfKey(NoticeKeys::Section section, const QString &written, int *azimuth);

// Whether a key as written is a key of any section.
bool isKnownKey(const QString &written);

// Where a sub-section stands among the keys and sub-sections of a notice: the
// position of its first key.
std::size_t positionOfSection(NoticeKeys::Section section);

bool isAntennaSection(NoticeKeys::Section section);

} // namespace NoticeFileLines
