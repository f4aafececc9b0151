#include "sheet/NoticeColumns.h"

#include "notice/NoticeKeys.h"

#include <QMap>

using NoticeKeys::Key;
using NoticeKeys::Section;

namespace NoticeColumns {
namespace {

const QLatin1Char Slash('/');

// The sub-sections in the order the writer puts them, with the key their
// lines carry.
struct SubSection
{
    Section section;
    Key key;
};
constexpr SubSection SubSections[] = {
    {Section::Coordination, Key::Adm},
    {Section::AntHgt, Key::EffHgtAzm},
    {Section::AntDiagrH, Key::AttnAzm},
    {Section::AntDiagrV, Key::AttnAzm},
};

// Ranks: the administration first, then the NOTICE keys by their place in the
// layout, then each sub-section's columns in a block of its own.
constexpr int BlockSize = 1000;

// The place of a NOTICE key in the layout, or -1.
int noticeKeyIndex(const QString &key)
{
    const std::vector<NoticeKeys::Placement> &layout = NoticeKeys::layout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i].section == Section::Notice && key == QLatin1String(layout[i].text))
            return int(i);
    }
    return -1;
}

int noticeKeyRank(const QString &key)
{
    const int index = noticeKeyIndex(key);
    return index < 0 ? -1 : index + 1;
}

// The number that follows a sub-section key: the box (1 to 12) or the
// azimuth (0 to 350); -1 when it is none of them.
int suffixNumber(const SubSection &sub, const QString &suffix)
{
    bool ok = false;
    const int number = suffix.toInt(&ok);
    if (!ok || QString::number(number) != suffix)
        return -1;
    if (sub.section == Section::Coordination)
        return number >= 1 && number <= 12 ? number : -1;
    return number >= 0 && number < 360 && number % 10 == 0 ? number : -1;
}

QString subSectionPrefix(const SubSection &sub)
{
    const QString key = NoticeKeys::text(sub.key);
    return NoticeKeys::tag(sub.section) + Slash + key
        + (sub.section == Section::Coordination ? QString(Slash) : QString());
}

// The sub-section of a column and the number it names, or none.
std::optional<QPair<int, int>> subSectionOf(const QString &column)
{
    for (int i = 0; i < int(std::size(SubSections)); ++i) {
        const QString prefix = subSectionPrefix(SubSections[i]);
        if (!column.startsWith(prefix))
            continue;
        const int number = suffixNumber(SubSections[i], column.mid(prefix.size()));
        if (number >= 0)
            return qMakePair(i, number);
    }
    return std::nullopt;
}

} // namespace

const QString AdministrationColumn = QStringLiteral("t_adm");

Cells cellsOf(const ParsedNotice &notice, const QString &adm)
{
    Cells cells{{AdministrationColumn, adm}};
    for (const NoticeKeyLine &line : notice.keyLines)
        cells.append({line.key, line.value});
    for (const ParsedSection &section : notice.subSections) {
        int box = 0;
        for (const NoticeKeyLine &line : section.keyLines) {
            const QString column = section.section == Section::Coordination
                ? NoticeKeys::tag(section.section) + Slash + line.key + Slash + QString::number(++box)
                : NoticeKeys::tag(section.section) + Slash + line.key;
            cells.append({column, line.value});
        }
    }
    return cells;
}

std::optional<int> rankOf(const QString &column)
{
    if (column == AdministrationColumn)
        return 0;
    if (const int rank = noticeKeyRank(column); rank > 0)
        return rank;
    if (const auto sub = subSectionOf(column))
        return (sub->first + 1) * BlockSize + sub->second;
    return std::nullopt;
}

std::optional<Key> keyOf(const QString &column)
{
    if (column == AdministrationColumn)
        return Key::Adm;
    if (const int index = noticeKeyIndex(column); index >= 0)
        return NoticeKeys::layout()[std::size_t(index)].key;
    if (const auto sub = subSectionOf(column))
        return SubSections[sub->first].key;
    return std::nullopt;
}

bool isDerived(const QString &column)
{
    return column == NoticeKeys::text(Key::NoticeNo) || column == NoticeKeys::text(Key::NoticeType);
}

std::optional<Notice> noticeOf(const Cells &cells, QString *fault)
{
    Notice result;
    result.notice.section = Section::Notice;
    QList<ParsedSection> subSections(std::size(SubSections));
    for (int i = 0; i < int(std::size(SubSections)); ++i)
        subSections[i].section = SubSections[i].section;
    // The coordination boxes by number, so that they keep their order.
    QMap<int, QString> coordination;
    for (const Cell &cell : cells) {
        const auto &[column, value] = cell;
        if (!rankOf(column)) {
            if (fault)
                *fault = QStringLiteral("\"%1\" is no key of the notice file").arg(column);
            return std::nullopt;
        }
        if (value.isEmpty() || isDerived(column))
            continue;
        if (column == AdministrationColumn) {
            result.adm = value;
        } else if (const auto sub = subSectionOf(column)) {
            const SubSection &which = SubSections[sub->first];
            if (which.section == Section::Coordination)
                coordination.insert(sub->second, value);
            else
                subSections[sub->first].keyLines.append({0, column.section(Slash, 1), value});
        } else {
            result.notice.keyLines.append({0, column, value});
        }
    }
    for (const QString &adm : std::as_const(coordination))
        subSections[0].keyLines.append({0, NoticeKeys::text(Key::Adm), adm});
    for (const ParsedSection &section : std::as_const(subSections)) {
        if (!section.keyLines.isEmpty())
            result.notice.subSections.append(section);
    }
    return result;
}

} // namespace NoticeColumns
