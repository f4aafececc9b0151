#pragma once

#include "NoticeKeys.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Reading and checking an electronic notice file: the bytes of a file (8-bit
// text in the text file encoding, CR LF line ends) become a parsed file and a
// list of faults, each with the line it was found on. A file is sound when it
// has no fault, that is when it has exactly the shape that the notice writer
// produces: three header lines, HEAD, one NOTICE per notice (numbered 1, 2,
// 3...), the TAIL with the number of notices, and one empty line. The keys,
// their sections and their order come from NoticeKeys, the table the writer
// follows.

struct NoticeFileFault
{
    int line = 0; // 1 for the first line of the file
    QString message;
    // A value not of its key's shape (a control character, blanks around a
    // worked-out value, a code or number of another form) in a line that is
    // otherwise in its place: the file's sections and keys are sound.
    bool aboutValue = false;
};

// One "key = value" line, the key as written ("t_eff_hgt@azm10").
struct NoticeKeyLine
{
    int line = 0;
    QString key;
    QString value;
};

struct ParsedSection
{
    NoticeKeys::Section section = NoticeKeys::Section::Head;
    int openLine = 0;
    int closeLine = 0; // 0 when the section is not closed
    QList<NoticeKeyLine> keyLines;

    // The value of the first line with this key (no azimuth), or empty.
    QString value(NoticeKeys::Key key) const;
};

// A NOTICE section: its own key lines and its sub-sections (COORDINATION,
// ANT_HGT, ANT_DIAGR_H, ANT_DIAGR_V), each in file order.
struct ParsedNotice : ParsedSection
{
    QList<ParsedSection> subSections;
};

struct ParsedNoticeFile
{
    QStringList headerLines;
    std::optional<ParsedSection> head;
    QList<ParsedNotice> notices;
    std::optional<ParsedSection> tail;
    QList<NoticeFileFault> faults; // by line number

    bool isSound() const { return faults.isEmpty(); }
};

// Parses and checks the bytes of a notice file. Never fails: whatever the
// bytes, the result says what could be read and what is wrong with it. The
// whole file and every notice are held: NoticeFileStream checks a file of any
// length a piece at a time (and is what this runs on).
ParsedNoticeFile checkNoticeFile(const QByteArray &bytes);

// One line about a notice, its items separated by tabs: the notice number,
// notice type, action, fragment, assigned frequency and site name (an item the
// notice does not carry is left empty). notice-check --list prints it, and a
// capture window lists its file's notices by it.
QString noticeSummary(const ParsedNotice &notice);
