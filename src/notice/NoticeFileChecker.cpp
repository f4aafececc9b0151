#include "NoticeFileChecker.h"

#include "NoticeFileLines.h"
#include "NoticeRecord.h"

#include <algorithm>

using NoticeKeys::Key;
using NoticeKeys::Section;
using namespace NoticeFileLines;

namespace {

constexpr int kHeaderLineCount = 3;

const QString kKeyValueSeparator = QStringLiteral(" = ");

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString countOf(qsizetype count, const char *singular)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(singular)
        + (count == 1 ? QString() : QStringLiteral("s"));
}

// Reads the bytes of a notice file and finds every fault, line by line. The
// file is walked once: the three header lines, then section by section. A
// section out of place is still read (its keys are checked) but not kept in
// the parsed file, and a section left open is closed by the next tag that
// cannot stand inside it, so that one fault does not hide the rest.
class Checker
{
public:
    explicit Checker(const QByteArray &bytes)
        : m_lines(splitLines(bytes))
    {
        for (const Line &line : m_lines) {
            if (!line.lineEndFault.isEmpty())
                fault(line.number, line.lineEndFault);
        }
    }

    ParsedNoticeFile run()
    {
        if (m_lines.isEmpty()) {
            fault(1, QStringLiteral("the file is empty"));
            return take();
        }
        qsizetype index = readHeader();
        for (; index < m_lines.size() && !m_finished; ++index)
            readLine(index);
        if (m_finished && index < m_lines.size())
            fault(m_lines[index].number, QStringLiteral("text after the final empty line"));
        if (!m_finished)
            reachEnd();
        return take();
    }

private:
    struct OpenSection
    {
        ParsedNotice parsed;                    // a section other than NOTICE uses only its ParsedSection part
        bool kept = true;                       // false for a section out of place: checked, not kept
        std::size_t lastPosition = kNoPosition; // of the last key or sub-section
        int lastAzimuth = -1;
        int repeatCount = 0;
    };

    ParsedNoticeFile take()
    {
        std::stable_sort(m_file.faults.begin(), m_file.faults.end(),
                         [](const NoticeFileFault &a, const NoticeFileFault &b) { return a.line < b.line; });
        return std::move(m_file);
    }

    void fault(int line, const QString &message) { m_file.faults.append({line, message}); }

    int endLine() const { return int(m_lines.size()) + 1; }

    // The header lines: up to three lines before the first tag. Returns the
    // index of the first line after them.
    qsizetype readHeader()
    {
        qsizetype index = 0;
        for (int h = 0; h < kHeaderLineCount; ++h) {
            const QString &beginning = NoticeKeys::headerBeginnings()[h];
            if (index < m_lines.size() && !m_lines[index].text.startsWith(QLatin1Char('<'))) {
                const Line &line = m_lines[index++];
                m_file.headerLines.append(line.text);
                if (!line.text.startsWith(beginning))
                    fault(line.number,
                          QStringLiteral("header line %1 does not begin with %2").arg(h + 1).arg(quoted(beginning)));
            } else {
                const int at = index < m_lines.size() ? m_lines[index].number : endLine();
                fault(at, QStringLiteral("header line %1 missing (%2...)").arg(h + 1).arg(quoted(beginning)));
            }
        }
        return index;
    }

    void readLine(qsizetype index)
    {
        const Line &line = m_lines[index];
        if (line.text.isEmpty()) {
            readEmptyLine(index);
            return;
        }
        if (line.text.startsWith(QLatin1Char('<'))) {
            const std::optional<TagLine> tag = readTag(line.text);
            if (!tag)
                fault(line.number, QStringLiteral("unknown section tag %1").arg(quoted(line.text)));
            else if (tag->closing)
                closeSection(tag->section, line.number);
            else if (NoticeKeys::isInsideNotice(tag->section))
                openSubSection(tag->section, line.number);
            else
                openSection(tag->section, line.number);
            return;
        }
        readKeyLine(line);
    }

    // ---- sections

    void openSection(Section section, int line)
    {
        closeLeftOpen(line);
        if (section != Section::Head)
            reportMissingHead(line);
        QString misplaced;
        if (section == Section::Head && m_file.head)
            misplaced = QStringLiteral("%1 repeated");
        else if (section == Section::Head && (!m_file.notices.isEmpty() || m_file.tail))
            misplaced = QStringLiteral("%1 out of place");
        else if (section == Section::Notice && m_file.tail)
            misplaced = QStringLiteral("%1 out of place: it follows the TAIL");
        else if (section == Section::Tail && m_file.tail)
            misplaced = QStringLiteral("%1 repeated");
        else if (section == Section::Tail && m_file.notices.isEmpty())
            misplaced = QStringLiteral("%1 out of place: the file has no notice");
        if (!misplaced.isEmpty())
            fault(line, misplaced.arg(quoted(openTag(section))));
        m_top = opened(section, line, misplaced.isEmpty());
        m_antennaBlock = false;
    }

    void openSubSection(Section section, int line)
    {
        if (m_sub) {
            leftOpen(*m_sub, line);
            finishSubSection(0, false);
        }
        const QString tag = quoted(openTag(section));
        const bool inNotice = m_top && m_top->parsed.section == Section::Notice;
        if (!inNotice) {
            fault(line, QStringLiteral("%1 out of place").arg(tag));
            m_sub = opened(section, line, false);
            return;
        }
        OpenSection &notice = *m_top;
        const std::size_t position = positionOfSection(section);
        if (position == notice.lastPosition)
            fault(line, QStringLiteral("%1 repeated").arg(tag));
        else if (notice.lastPosition != kNoPosition && position < notice.lastPosition)
            fault(line, QStringLiteral("%1 out of order").arg(tag));
        else
            notice.lastPosition = position;
        if (isAntennaSection(section)) {
            if (isRemovalNotice(notice))
                fault(line, QStringLiteral("%1 in a notice of type TB5").arg(tag));
            else if (section != Section::AntHgt && !m_antennaBlock)
                fault(line, QStringLiteral("empty line missing before %1").arg(tag));
            m_antennaBlock = true;
        }
        m_sub = opened(section, line, notice.kept);
    }

    static OpenSection opened(Section section, int line, bool kept)
    {
        OpenSection open;
        open.parsed.section = section;
        open.parsed.openLine = line;
        open.kept = kept;
        return open;
    }

    void closeSection(Section section, int line)
    {
        if (m_sub && m_sub->parsed.section == section) {
            finishSubSection(line, true);
        } else if (m_top && m_top->parsed.section == section) {
            if (m_sub) {
                leftOpen(*m_sub, line);
                finishSubSection(0, false);
            }
            finishSection(line, true);
        } else {
            fault(line, QStringLiteral("%1 without %2").arg(quoted(closeTag(section)), quoted(openTag(section))));
        }
    }

    void leftOpen(const OpenSection &open, int line)
    {
        fault(line,
              QStringLiteral("%1 of line %2 not closed")
                  .arg(quoted(openTag(open.parsed.section)))
                  .arg(open.parsed.openLine));
    }

    // Reports and ends the sections still open where a new section or the
    // final empty line begins.
    void closeLeftOpen(int line)
    {
        if (m_sub) {
            leftOpen(*m_sub, line);
            finishSubSection(0, false);
        }
        if (m_top) {
            leftOpen(*m_top, line);
            finishSection(0, false);
        }
    }

    // Ends the open sub-section: closed by its own closing tag at closeLine,
    // or left open (closeLine 0). It joins its notice unless out of place.
    void finishSubSection(int closeLine, bool closed)
    {
        ParsedSection &section = m_sub->parsed;
        section.closeLine = closeLine;
        if (closed && section.keyLines.isEmpty())
            fault(closeLine, QStringLiteral("%1 section is empty").arg(quoted(openTag(section.section))));
        if (m_sub->kept && m_top)
            m_top->parsed.subSections.append(section);
        m_sub.reset();
    }

    // Ends the top section: closed by its own closing tag at closeLine, or
    // left open (closeLine 0).
    void finishSection(int closeLine, bool closed)
    {
        OpenSection open = std::move(*m_top);
        m_top.reset();
        if (!open.kept)
            return;
        ParsedNotice &parsed = open.parsed;
        parsed.closeLine = closeLine;
        const int at = closed ? closeLine : parsed.openLine;
        const auto requireKey = [&](Key key) {
            if (!hasKey(parsed, key))
                fault(at, QStringLiteral("%1 missing").arg(quoted(NoticeKeys::text(key))));
        };
        switch (parsed.section) {
        case Section::Head:
            requireKey(Key::Adm);
            m_file.head = parsed;
            break;
        case Section::Notice:
            requireKey(Key::NoticeNo);
            if (closed && !m_antennaBlock && !isRemovalNotice(open))
                fault(closeLine, QStringLiteral("empty line missing before %1").arg(quoted(closeTag(Section::Notice))));
            m_file.notices.append(parsed);
            break;
        case Section::Tail:
            requireKey(Key::NumNotices);
            m_file.tail = parsed;
            break;
        default: break;
        }
    }

    static bool hasKey(const ParsedSection &section, Key key)
    {
        const QString text = NoticeKeys::text(key);
        return std::any_of(section.keyLines.cbegin(), section.keyLines.cend(),
                           [&text](const NoticeKeyLine &line) { return line.key == text; });
    }

    // A suppression or withdrawal: no antenna sections, and no empty line
    // standing for them.
    static bool isRemovalNotice(const OpenSection &notice)
    {
        return notice.parsed.value(Key::NoticeType) == QLatin1String("TB5");
    }

    void reportMissingHead(int line)
    {
        if (!m_file.head && !m_headMissingReported)
            fault(line, QStringLiteral("%1 missing").arg(quoted(openTag(Section::Head))));
        m_headMissingReported = true;
    }

    // ---- empty lines and the end of the file

    void readEmptyLine(qsizetype index)
    {
        const int line = m_lines[index].number;
        if (!m_top && !m_sub) {
            readFinalEmptyLine(line);
            return;
        }
        if (m_sub || m_top->parsed.section != Section::Notice || !acceptsAntennaGap(index)) {
            fault(line, QStringLiteral("empty line out of place"));
            return;
        }
        m_top->lastPosition = positionOfSection(Section::AntHgt);
        m_antennaBlock = true;
    }

    // The writer leaves an empty line where the ANT_HGT section would stand
    // when a station notice has no effective heights: before an antenna
    // pattern section or before the end of the notice.
    bool acceptsAntennaGap(qsizetype index) const
    {
        const OpenSection &notice = *m_top;
        if (m_antennaBlock || isRemovalNotice(notice))
            return false;
        const std::size_t position = positionOfSection(Section::AntHgt);
        if (notice.lastPosition != kNoPosition && notice.lastPosition >= position)
            return false;
        if (index + 1 >= m_lines.size())
            return false;
        const QString &next = m_lines[index + 1].text;
        return next == openTag(Section::AntDiagrH) || next == openTag(Section::AntDiagrV)
            || next == closeTag(Section::Notice);
    }

    void readFinalEmptyLine(int line)
    {
        reportMissingHead(line);
        reportMissingTail(line);
        m_finished = true;
    }

    // What a file without its end needs, said where the end is missing.
    static QString notFinished()
    {
        return QStringLiteral("the file was not finished (open it with notice-capture, FILE on the command line "
                              "or \"Open a file...\" on the menu, and press Finish to finish it)");
    }

    // A file with notices and no TAIL was never finished. True when reported.
    bool reportMissingTail(int line)
    {
        if (m_file.notices.isEmpty() || m_file.tail)
            return false;
        fault(line, QStringLiteral("%1 missing: %2").arg(quoted(openTag(Section::Tail)), notFinished()));
        return true;
    }

    void reachEnd()
    {
        const int line = endLine();
        closeLeftOpen(line);
        reportMissingHead(line);
        if (!reportMissingTail(line))
            fault(line, QStringLiteral("final empty line missing: ") + notFinished());
    }

    // ---- key lines

    void readKeyLine(const Line &line)
    {
        const qsizetype separator = line.text.indexOf(kKeyValueSeparator);
        if (separator <= 0) {
            fault(line.number, QStringLiteral("line is not \"key = value\""));
            return;
        }
        const NoticeKeyLine keyLine{line.number, line.text.left(separator),
                                    line.text.mid(separator + kKeyValueSeparator.size())};
        const QString key = quoted(keyLine.key);
        OpenSection *open = m_sub ? &*m_sub : m_top ? &*m_top : nullptr;
        if (!open) {
            fault(line.number, QStringLiteral("key %1 outside a section").arg(key));
            return;
        }
        const Section section = open->parsed.section;
        int azimuth = -1;
        const std::size_t position = positionOfKey(section, keyLine.key, &azimuth);
        if (position == kNoPosition) {
            fault(line.number,
                  isKnownKey(keyLine.key)
                      ? QStringLiteral("key %1 out of place in %2").arg(key, quoted(openTag(section)))
                      : QStringLiteral("unknown key %1").arg(key));
            return;
        }
        if (keyLine.value.isEmpty())
            fault(line.number, QStringLiteral("empty value for %1").arg(key));
        checkOrder(*open, position, azimuth, keyLine);
        checkNumbers(*open, keyLine);
        open->parsed.keyLines.append(keyLine);
    }

    void checkOrder(OpenSection &open, std::size_t position, int azimuth, const NoticeKeyLine &keyLine)
    {
        const QString key = quoted(keyLine.key);
        const NoticeKeys::Placement &placement = NoticeKeys::layout()[position];
        if (open.lastPosition != kNoPosition && position < open.lastPosition) {
            fault(keyLine.line, QStringLiteral("key %1 out of order").arg(key));
            return;
        }
        if (position != open.lastPosition) {
            open.lastPosition = position;
            open.lastAzimuth = azimuth;
            open.repeatCount = 1;
            return;
        }
        if (!NoticeKeys::repeats(placement.section, placement.key)) {
            fault(keyLine.line, QStringLiteral("key %1 repeated").arg(key));
        } else if (NoticeKeys::takesAzimuth(placement.key)) {
            if (azimuth <= open.lastAzimuth)
                fault(keyLine.line,
                      QStringLiteral("key %1 %2")
                          .arg(key,
                               azimuth == open.lastAzimuth ? QStringLiteral("repeated")
                                                           : QStringLiteral("out of order")));
            else
                open.lastAzimuth = azimuth;
        } else if (++open.repeatCount == CoordinationList::kCount + 1) {
            fault(keyLine.line, QStringLiteral("more than %1 %2 lines").arg(CoordinationList::kCount).arg(key));
        }
    }

    // The running notice number and the count in the TAIL.
    void checkNumbers(const OpenSection &open, const NoticeKeyLine &keyLine)
    {
        if (!open.kept)
            return;
        const Section section = open.parsed.section;
        if (section == Section::Notice && keyLine.key == NoticeKeys::text(Key::NoticeNo)) {
            const QString expected = QString::number(m_file.notices.size() + 1);
            if (keyLine.value != expected)
                fault(keyLine.line,
                      QStringLiteral("%1 is %2, expected %3").arg(quoted(keyLine.key), keyLine.value, expected));
        } else if (section == Section::Tail && keyLine.key == NoticeKeys::text(Key::NumNotices)) {
            const qsizetype count = m_file.notices.size();
            if (keyLine.value != QString::number(count))
                fault(keyLine.line,
                      QStringLiteral("%1 is %2, the file has %3")
                          .arg(quoted(keyLine.key), keyLine.value, countOf(count, "notice")));
        }
    }

    QList<Line> m_lines;
    ParsedNoticeFile m_file;
    std::optional<OpenSection> m_top; // HEAD, NOTICE or TAIL, or a section out of place
    std::optional<OpenSection> m_sub; // a sub-section of the notice, or one out of place
    bool m_antennaBlock = false;      // the notice has its ANT_HGT section or the empty line for it
    bool m_headMissingReported = false;
    bool m_finished = false; // the final empty line has been read
};

} // namespace

QString ParsedSection::value(Key key) const
{
    const QString text = NoticeKeys::text(key);
    for (const NoticeKeyLine &line : keyLines) {
        if (line.key == text)
            return line.value;
    }
    return {};
}

ParsedNoticeFile checkNoticeFile(const QByteArray &bytes)
{
    return Checker(bytes).run();
}

QString noticeSummary(const ParsedNotice &notice)
{
    QStringList items;
    for (Key key : {Key::NoticeNo, Key::NoticeType, Key::Action, Key::Fragment, Key::FreqAssgn, Key::SiteName})
        items.append(notice.value(key));
    return items.join(QLatin1Char('\t'));
}
