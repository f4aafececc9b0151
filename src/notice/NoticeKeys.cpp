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

int longestValue(Key key)
{
    switch (key) {
    case Key::Remarks:
    case Key::IntRemarks: return kLongestRemarks;
    case Key::NoticeNo:
    case Key::NumNotices: return 10; // a 32-bit count
    case Key::DAdmNtc:
    case Key::DInuse: return 10;   // yyyy-mm-dd
    case Key::Fragment: return 7;  // NTFD_RR
    case Key::Action: return 8;    // SUPPRESS, WITHDRAW
    case Key::FreqStabl: return 9; // PRECISION
    case Key::Color: return 5;     // SECAM
    case Key::Polar: return 1;
    case Key::TrgLong:
    case Key::Long: return 8; // sign, DDDMMSS
    case Key::TrgLat:
    case Key::Lat: return 7; // sign, DDMMSS
    case Key::OpHhFr:
    case Key::OpHhTo: return 5; // hh:mm
    case Key::CallSign: return 10;
    case Key::StationId:
    case Key::TrgAdmRefId:
    case Key::AdmRefId: return 20;
    case Key::SiteName: return 30;
    case Key::TrgFreqAssgn:
    case Key::FreqAssgn: return 6;
    case Key::SiteAlt:
    case Key::ErpHDbw:
    case Key::ErpVDbw:
    case Key::EffHgtmax:
    case Key::EffHgtAzm: return 5;
    case Key::OsetV12:
    case Key::OsetVKhz:
    case Key::AttnAzm: return 4;
    case Key::Adm:
    case Key::NoticeType:
    case Key::Ctry:
    case Key::Bdwdth:
    case Key::HgtAgl:
    case Key::OpAgcy: return 3;
    case Key::PwrRatio:
    case Key::TranSys:
    case Key::AddrCode: return 2;
    }
    Q_UNREACHABLE();
}

bool isWorkedOut(Key key)
{
    switch (key) {
    case Key::NoticeNo:
    case Key::NumNotices:
    case Key::NoticeType:
    case Key::DAdmNtc:
    case Key::DInuse:
    case Key::Fragment:
    case Key::Action:
    case Key::FreqStabl:
    case Key::Color:
    case Key::Polar: return true;
    default: return false;
    }
}

} // namespace NoticeKeys
