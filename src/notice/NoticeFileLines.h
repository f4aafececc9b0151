#pragma once

#include "NoticeKeys.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <limits>
#include <optional>

// The pieces that the notice-file checker reads a file into: its lines, the
// tag lines among them, and where a key or a section as written stands in the
// table of keys that the writer follows (NoticeKeys::layout()).
namespace NoticeFileLines {

struct Line
{
    int number = 0;       // 1 for the first line of the file
    QString text;         // without its line end, and without any stray carriage return
    QString lineEndFault; // what is wrong with the line end, or empty
};

// Decodes the bytes in the text file encoding and cuts them into lines at
// each line feed. A line whose end is not CR LF, or that holds a carriage
// return of its own, carries the fault.
QList<Line> splitLines(const QByteArray &bytes);

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
