// The rules of the notice-file checker for "key = value" lines.

#include "NoticeFileRules.h"

#include "FaultText.h"

#include <algorithm>

using NoticeKeys::Key;
using NoticeKeys::Section;
using namespace NoticeFileLines;

namespace {

const QString kKeyValueSeparator = QStringLiteral(" = ");

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool hasBlankAtAnEnd(const QString &text)
{
    return !text.isEmpty() && (text.front() == QLatin1Char(' ') || text.back() == QLatin1Char(' '));
}

// The key without which the section is incomplete.
bool isRequiredKey(Section section, Key key)
{
    return (section == Section::Head && key == Key::Adm) || (section == Section::Notice && key == Key::NoticeNo)
        || (section == Section::Tail && key == Key::NumNotices);
}

// The first control character of the value (a tab aside: it has a fault of
// its own), or none.
std::optional<QChar> controlCharacterIn(const QString &value)
{
    const auto found = std::find_if(value.begin(), value.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F;
    });
    return found == value.end() ? std::nullopt : std::optional<QChar>(*found);
}

} // namespace

void NoticeFileRules::readKeyLine(const Line &line)
{
    const qsizetype separator = line.text.indexOf(kKeyValueSeparator);
    // The writer puts the key at the start of the line and one blank on each
    // side of "=": more blanks are reported, and the key read without them.
    const QString writtenKey = line.text.left(std::max<qsizetype>(separator, 0));
    const QString bareKey = writtenKey.trimmed();
    if (separator <= 0 || bareKey.isEmpty()) {
        fault(line.number, FaultText::tr("line is not \"key = value\""));
        return;
    }
    const NoticeKeyLine keyLine{line.number, bareKey, line.text.mid(separator + kKeyValueSeparator.size())};
    const QString key = quoted(keyLine.key);
    if (bareKey.size() != writtenKey.size())
        fault(line.number, FaultText::tr("blank around the key %1").arg(key));
    OpenSection *open = m_sub ? &*m_sub : m_top ? &*m_top : nullptr;
    if (!open) {
        fault(line.number, FaultText::tr("key %1 outside a section").arg(key));
        return;
    }
    const Section section = open->parsed.section;
    int azimuth = -1;
    const std::size_t position = positionOfKey(section, keyLine.key, &azimuth);
    if (position == kNoPosition) {
        fault(line.number,
              isKnownKey(keyLine.key) ? FaultText::tr("key %1 out of place in %2").arg(key, quoted(openTag(section)))
                                      : FaultText::tr("unknown key %1").arg(key));
        return;
    }
    const NoticeKeys::Placement &placement = NoticeKeys::layout()[position];
    const Key placedKey = placement.key;
    const bool hasItsShape = checkValue(keyLine, placement);
    checkOrder(*open, position, azimuth, keyLine);
    if (hasItsShape)
        checkNumbers(*open, keyLine);
    if (!m_sub && isRequiredKey(section, placedKey))
        open->hasRequiredKey = true;
    if (open->parsed.keyLines.size() < kMostKeyLines)
        open->parsed.keyLines.append(keyLine);
}

// What the writer never puts in a value: nothing at all, a tab or another
// control character, more characters than the boxes it comes from take,
// blanks around a value it works out itself, a value of another shape than
// its key's. True when the value has its key's shape.
bool NoticeFileRules::checkValue(const NoticeKeyLine &keyLine, const NoticeKeys::Placement &placement)
{
    const QString name = quoted(keyLine.key);
    const ValueShape &shape = placement.shape;
    if (keyLine.value.isEmpty()) {
        fault(keyLine.line, FaultText::tr("empty value for %1").arg(name));
        return false;
    }
    if (keyLine.value.contains(QLatin1Char('\t')))
        fault(keyLine.line, FaultText::tr("tab in the value for %1").arg(name));
    if (const std::optional<QChar> control = controlCharacterIn(keyLine.value)) {
        fault(keyLine.line,
              FaultText::tr("control character 0x%1 in the value for %2")
                  .arg(QString::number(control->unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper(), name),
              true);
        return false;
    }
    if (shape.isWorkedOut() && hasBlankAtAnEnd(keyLine.value)) {
        fault(keyLine.line, FaultText::tr("blank around the value for %1").arg(name), true);
        return false;
    }
    if (const int longest = shape.longest(); keyLine.value.size() > longest) {
        // One English source for one character, one for more (see FaultText).
        fault(keyLine.line,
              (longest == 1 ? FaultText::tr("value for %1 longer than %n character", nullptr, longest)
                            : FaultText::tr("value for %1 longer than %n characters", nullptr, longest))
                  .arg(name));
    }
    if (!shape.fits(keyLine.value)) {
        fault(keyLine.line, FaultText::tr("%1 is %2, expected %3").arg(name, quoted(keyLine.value), shape.expected()),
              true);
        return false;
    }
    return true;
}

void NoticeFileRules::checkOrder(OpenSection &open, std::size_t position, int azimuth, const NoticeKeyLine &keyLine)
{
    const QString key = quoted(keyLine.key);
    const NoticeKeys::Placement &placement = NoticeKeys::layout()[position];
    if (open.lastPosition != kNoPosition && position < open.lastPosition) {
        fault(keyLine.line, FaultText::tr("key %1 out of order").arg(key));
        return;
    }
    if (position != open.lastPosition) {
        open.lastPosition = position;
        open.lastAzimuth = azimuth;
        open.repeatCount = 1;
        return;
    }
    if (!NoticeKeys::repeats(placement.section, placement.key)) {
        fault(keyLine.line, FaultText::tr("key %1 repeated").arg(key));
    } else if (NoticeKeys::takesAzimuth(placement.key)) {
        if (azimuth <= open.lastAzimuth)
            fault(
                keyLine.line,
                (azimuth == open.lastAzimuth ? FaultText::tr("key %1 repeated") : FaultText::tr("key %1 out of order"))
                    .arg(key));
        else
            open.lastAzimuth = azimuth;
    } else if (++open.repeatCount == CoordinationList::kCount + 1) {
        fault(keyLine.line, FaultText::tr("more than %1 %2 lines").arg(CoordinationList::kCount).arg(key));
    }
}

// The running notice number and the count in the TAIL.
void NoticeFileRules::checkNumbers(const OpenSection &open, const NoticeKeyLine &keyLine)
{
    if (!open.kept)
        return;
    const Section section = open.parsed.section;
    if (section == Section::Notice && keyLine.key == NoticeKeys::text(Key::NoticeNo)) {
        const QString expected = QString::number(m_noticeCount + 1);
        if (keyLine.value != expected)
            fault(keyLine.line,
                  FaultText::tr("%1 is %2, expected %3").arg(quoted(keyLine.key), keyLine.value, expected));
    } else if (section == Section::Tail && keyLine.key == NoticeKeys::text(Key::NumNotices)) {
        const int count = int(m_noticeCount);
        if (keyLine.value != QString::number(count))
            fault(keyLine.line,
                  (count == 1 ? FaultText::tr("%1 is %2, the file has %n notice", nullptr, count)
                              : FaultText::tr("%1 is %2, the file has %n notices", nullptr, count))
                      .arg(quoted(keyLine.key), keyLine.value));
    }
}
