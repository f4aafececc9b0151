#include "NoticeKeys.h"

#include <algorithm>

namespace NoticeKeys {

const std::array<QString, 3> &headerBeginnings()
{
    static const std::array<QString, 3> beginnings = {
        QStringLiteral("File captured on "),
        QStringLiteral("Processed by "),
        QStringLiteral("Program Id: "),
    };
    return beginnings;
}

QString tag(Section section)
{
    switch (section) {
    case Section::Head: return QStringLiteral("HEAD");
    case Section::Notice: return QStringLiteral("NOTICE");
    case Section::Coordination: return QStringLiteral("COORDINATION");
    case Section::AntHgt: return QStringLiteral("ANT_HGT");
    case Section::AntDiagrH: return QStringLiteral("ANT_DIAGR_H");
    case Section::AntDiagrV: return QStringLiteral("ANT_DIAGR_V");
    case Section::Tail: return QStringLiteral("TAIL");
    }
    Q_UNREACHABLE();
}

std::optional<Section> sectionForTag(const QString &text)
{
    for (Section section : {Section::Head, Section::Notice, Section::Coordination, Section::AntHgt, Section::AntDiagrH,
                            Section::AntDiagrV, Section::Tail}) {
        if (tag(section) == text)
            return section;
    }
    return std::nullopt;
}

bool isInsideNotice(Section section)
{
    return section == Section::Coordination || section == Section::AntHgt || section == Section::AntDiagrH
        || section == Section::AntDiagrV;
}

QString text(Key key)
{
    // Indexed by the enumerator, filled once from the layout.
    static const std::vector<QString> texts = [] {
        std::vector<QString> byKey;
        for (const Placement &placement : layout()) {
            const auto index = std::size_t(placement.key);
            byKey.resize(std::max(byKey.size(), index + 1));
            byKey[index] = QString::fromLatin1(placement.text);
        }
        return byKey;
    }();
    return texts[std::size_t(key)];
}

bool takesAzimuth(Key key)
{
    return key == Key::EffHgtAzm || key == Key::AttnAzm;
}

bool repeats(Section section, Key key)
{
    return (section == Section::Coordination && key == Key::Adm) || takesAzimuth(key);
}

const ValueShape &shapeOf(Key key)
{
    // Indexed by the enumerator, filled once from the layout.
    static const std::vector<const ValueShape *> shapes = [] {
        std::vector<const ValueShape *> byKey;
        for (const Placement &placement : layout()) {
            const auto index = std::size_t(placement.key);
            byKey.resize(std::max(byKey.size(), index + 1), nullptr);
            if (!byKey[index])
                byKey[index] = &placement.shape;
        }
        return byKey;
    }();
    return *shapes[std::size_t(key)];
}

} // namespace NoticeKeys
