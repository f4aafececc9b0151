#include "NoticeFileRules.h"

#include "FaultText.h"

#include <algorithm>
#include <limits>

using NoticeKeys::Key;
using NoticeKeys::Section;
using namespace NoticeFileLines;

namespace {

constexpr int kHeaderLineCount = 3;

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The key without which a section is incomplete, if any.
std::optional<Key> requiredKey(Section section)
{
    switch (section) {
    case Section::Head: return Key::Adm;
    case Section::Notice: return Key::NoticeNo;
    case Section::Tail: return Key::NumNotices;
    default: return std::nullopt;
    }
}

} // namespace

// ---- lines as they come

void NoticeFileRules::feed(QByteArrayView bytes)
{
    m_splitter.feed(bytes, [this](Line &&line) { arrive(std::move(line)); });
}

void NoticeFileRules::finish()
{
    m_splitter.finish([this](Line &&line) { arrive(std::move(line)); });
    if (m_waiting)
        read(*m_waiting, nullptr);
    m_waiting.reset();
    if (m_splitter.lineCount() == 0) {
        fault(1, FaultText::tr("the file is empty"));
    } else {
        const int endLine = m_splitter.lineCount() + 1;
        for (; m_headerLines < kHeaderLineCount; ++m_headerLines)
            fault(endLine,
                  FaultText::tr("header line %1 missing (%2...)")
                      .arg(m_headerLines + 1)
                      .arg(quoted(NoticeKeys::headerBeginnings()[m_headerLines])));
        if (!m_finished)
            reachEnd();
    }
    release(std::numeric_limits<int>::max());
}

void NoticeFileRules::arrive(Line &&line)
{
    if (m_waiting)
        read(*m_waiting, &line.text);
    m_waiting = std::move(line);
    // Every fault still to come lies on the waiting line or after it, but for
    // a key missing from the open section, said at its opening line.
    int below = m_waiting->number;
    if (m_top && m_top->kept && !m_top->hasRequiredKey && requiredKey(m_top->parsed.section))
        below = std::min(below, m_top->parsed.openLine);
    release(below);
}

void NoticeFileRules::read(const Line &line, const QString *next)
{
    for (const QString &message : line.faults)
        fault(line.number, message);
    if (m_finished) {
        if (!m_textAfterReported)
            fault(line.number, FaultText::tr("text after the final empty line"));
        m_textAfterReported = true;
        return;
    }
    if (line.tooLong || readHeaderLine(line))
        return;
    readLine(line, next);
}

// The header lines: up to three lines before the first tag. True when the
// line is one of them.
bool NoticeFileRules::readHeaderLine(const Line &line)
{
    const bool tagLine = line.text.startsWith(QLatin1Char('<'));
    for (; m_headerLines < kHeaderLineCount; ++m_headerLines) {
        const QString &beginning = NoticeKeys::headerBeginnings()[m_headerLines];
        if (!tagLine) {
            m_consumer.headerLine(line.text);
            if (!line.text.startsWith(beginning))
                fault(line.number,
                      FaultText::tr("header line %1 does not begin with %2")
                          .arg(m_headerLines + 1)
                          .arg(quoted(beginning)));
            ++m_headerLines;
            return true;
        }
        fault(line.number,
              FaultText::tr("header line %1 missing (%2...)").arg(m_headerLines + 1).arg(quoted(beginning)));
    }
    return false;
}

void NoticeFileRules::readLine(const Line &line, const QString *next)
{
    if (line.text.isEmpty()) {
        readEmptyLine(line.number, next);
        return;
    }
    if (line.text.startsWith(QLatin1Char('<'))) {
        const std::optional<TagLine> tag = readTag(line.text);
        if (!tag)
            fault(line.number, FaultText::tr("unknown section tag %1").arg(quoted(line.text)));
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

// ---- faults

void NoticeFileRules::fault(int line, const QString &message, bool aboutValue)
{
    if (!m_held.isEmpty() && line < m_held.constLast().line)
        m_heldOutOfOrder = true;
    m_held.append({line, message, aboutValue});
    ++m_faultCount;
}

// Hands over the faults said at lines before below, in line order (in the
// order found within a line).
void NoticeFileRules::release(int below)
{
    if (m_held.isEmpty())
        return;
    if (m_held.size() > NoticeFileConsumer::kHeldFaults)
        below = std::numeric_limits<int>::max();
    if (m_heldOutOfOrder) {
        std::stable_sort(m_held.begin(), m_held.end(),
                         [](const NoticeFileFault &a, const NoticeFileFault &b) { return a.line < b.line; });
        m_heldOutOfOrder = false;
    }
    qsizetype count = 0;
    for (; count < m_held.size() && m_held[count].line < below; ++count)
        m_consumer.fault(m_held[count]);
    m_held.remove(0, count);
}

// ---- sections

void NoticeFileRules::openSection(Section section, int line)
{
    closeLeftOpen(line);
    if (section != Section::Head)
        reportMissingHead(line);
    QString misplaced;
    if (section == Section::Head && m_hasHead)
        misplaced = FaultText::tr("%1 repeated");
    else if (section == Section::Head && (m_noticeCount > 0 || m_hasTail))
        misplaced = FaultText::tr("%1 out of place");
    else if (section == Section::Notice && m_hasTail)
        misplaced = FaultText::tr("%1 out of place: it follows the TAIL");
    else if (section == Section::Tail && m_hasTail)
        misplaced = FaultText::tr("%1 repeated");
    else if (section == Section::Tail && m_noticeCount == 0)
        misplaced = FaultText::tr("%1 out of place: the file has no notice");
    if (!misplaced.isEmpty())
        fault(line, misplaced.arg(quoted(openTag(section))));
    m_top = OpenSection();
    m_top->parsed.section = section;
    m_top->parsed.openLine = line;
    m_top->kept = misplaced.isEmpty();
    m_antennaBlock = false;
}

void NoticeFileRules::openSubSection(Section section, int line)
{
    if (m_sub) {
        leftOpen(*m_sub, line);
        finishSubSection(0, false);
    }
    const QString tag = quoted(openTag(section));
    const bool inNotice = m_top && m_top->parsed.section == Section::Notice;
    bool kept = false;
    if (!inNotice) {
        fault(line, FaultText::tr("%1 out of place").arg(tag));
    } else {
        OpenSection &notice = *m_top;
        const std::size_t position = positionOfSection(section);
        if (position == notice.lastPosition)
            fault(line, FaultText::tr("%1 repeated").arg(tag));
        else if (notice.lastPosition != kNoPosition && position < notice.lastPosition)
            fault(line, FaultText::tr("%1 out of order").arg(tag));
        else
            notice.lastPosition = position;
        if (isAntennaSection(section)) {
            if (isRemovalNotice(notice))
                fault(line, FaultText::tr("%1 in a notice of type TB5").arg(tag));
            else if (section != Section::AntHgt && !m_antennaBlock)
                fault(line, FaultText::tr("empty line missing before %1").arg(tag));
            m_antennaBlock = true;
        }
        kept = notice.kept;
    }
    m_sub = OpenSection();
    m_sub->parsed.section = section;
    m_sub->parsed.openLine = line;
    m_sub->kept = kept;
}

void NoticeFileRules::closeSection(Section section, int line)
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
        fault(line, FaultText::tr("%1 without %2").arg(quoted(closeTag(section)), quoted(openTag(section))));
    }
}

void NoticeFileRules::leftOpen(const OpenSection &open, int line)
{
    fault(
        line,
        FaultText::tr("%1 of line %2 not closed").arg(quoted(openTag(open.parsed.section))).arg(open.parsed.openLine));
}

// Reports and ends the sections still open where a new section or the final
// empty line begins.
void NoticeFileRules::closeLeftOpen(int line)
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

// Ends the open sub-section: closed by its own closing tag at closeLine, or
// left open (closeLine 0). It joins its notice unless out of place.
void NoticeFileRules::finishSubSection(int closeLine, bool closed)
{
    ParsedSection &section = m_sub->parsed;
    section.closeLine = closeLine;
    if (closed && section.keyLines.isEmpty())
        fault(closeLine, FaultText::tr("%1 section is empty").arg(quoted(openTag(section.section))));
    if (m_sub->kept && m_top && m_top->parsed.subSections.size() < kMostSubSections)
        m_top->parsed.subSections.append(std::move(section));
    m_sub.reset();
}

// Ends the top section: closed by its own closing tag at closeLine, or left
// open (closeLine 0), and hands it over.
void NoticeFileRules::finishSection(int closeLine, bool closed)
{
    OpenSection open = std::move(*m_top);
    m_top.reset();
    if (!open.kept)
        return;
    ParsedNotice &parsed = open.parsed;
    parsed.closeLine = closeLine;
    const std::optional<Key> required = requiredKey(parsed.section);
    if (required && !open.hasRequiredKey)
        fault(closed ? closeLine : parsed.openLine,
              FaultText::tr("%1 missing").arg(quoted(NoticeKeys::text(*required))));
    switch (parsed.section) {
    case Section::Head:
        m_hasHead = true;
        m_consumer.head(std::move(parsed));
        break;
    case Section::Notice:
        if (closed && !m_antennaBlock && !isRemovalNotice(open))
            fault(closeLine, FaultText::tr("empty line missing before %1").arg(quoted(closeTag(Section::Notice))));
        ++m_noticeCount;
        m_consumer.notice(std::move(parsed));
        break;
    case Section::Tail:
        m_hasTail = true;
        m_consumer.tail(std::move(parsed));
        break;
    default: break;
    }
}

// A suppression or withdrawal: no antenna sections, and no empty line
// standing for them.
bool NoticeFileRules::isRemovalNotice(const OpenSection &notice)
{
    return notice.parsed.value(Key::NoticeType) == QLatin1String(NoticeCodes::RemovalType);
}

void NoticeFileRules::reportMissingHead(int line)
{
    if (!m_hasHead && !m_headMissingReported)
        fault(line, FaultText::tr("%1 missing").arg(quoted(openTag(Section::Head))));
    m_headMissingReported = true;
}

// ---- empty lines and the end of the file

void NoticeFileRules::readEmptyLine(int line, const QString *next)
{
    if (!m_top && !m_sub) {
        reportMissingHead(line);
        reportMissingTail(line);
        m_finished = true;
        return;
    }
    if (m_sub || m_top->parsed.section != Section::Notice || !acceptsAntennaGap(next)) {
        fault(line, FaultText::tr("empty line out of place"));
        return;
    }
    m_top->lastPosition = positionOfSection(Section::AntHgt);
    m_antennaBlock = true;
}

// The writer leaves an empty line where the ANT_HGT section would stand when
// a station notice has no effective heights: before an antenna pattern
// section or before the end of the notice.
bool NoticeFileRules::acceptsAntennaGap(const QString *next) const
{
    const OpenSection &notice = *m_top;
    if (m_antennaBlock || isRemovalNotice(notice) || !next)
        return false;
    const std::size_t position = positionOfSection(Section::AntHgt);
    if (notice.lastPosition != kNoPosition && notice.lastPosition >= position)
        return false;
    return *next == openTag(Section::AntDiagrH) || *next == openTag(Section::AntDiagrV)
        || *next == closeTag(Section::Notice);
}

namespace {

// What a file without its end needs, said where the end is missing.
QString notFinished()
{
    return FaultText::tr("the file was not finished (open it with notice-capture, FILE on the command line "
                         "or \"Open a file...\" on the menu, and press Finish to finish it)");
}

} // namespace

// A file with notices and no TAIL was never finished. True when reported.
bool NoticeFileRules::reportMissingTail(int line)
{
    if (m_noticeCount == 0 || m_hasTail)
        return false;
    fault(line, FaultText::tr("%1 missing: %2").arg(quoted(openTag(Section::Tail)), notFinished()));
    return true;
}

void NoticeFileRules::reachEnd()
{
    const int line = m_splitter.lineCount() + 1;
    closeLeftOpen(line);
    reportMissingHead(line);
    if (!reportMissingTail(line))
        fault(line, FaultText::tr("final empty line missing: %1").arg(notFinished()));
}
