#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The keys and section tags of the electronic notice file, each spelled here
// and nowhere else, and the place of every key: the order in which the notice
// writer puts them, section by section. The notice writer spells its keys
// through here and its rows follow layout() (a test holds the two together);
// the notice-file checker reads layout() to judge the order of a file.
namespace NoticeKeys {

enum class Section {
    Head,
    Notice,
    Coordination, // inside Notice
    AntHgt,       // inside Notice
    AntDiagrH,    // inside Notice
    AntDiagrV,    // inside Notice
    Tail,
};

enum class Key {
    Adm,
    Remarks,
    IntRemarks,
    NoticeNo,
    NoticeType,
    DAdmNtc,
    Fragment,
    Action,
    CallSign,
    StationId,
    TrgAdmRefId,
    TrgFreqAssgn,
    TrgLong,
    TrgLat,
    SiteName,
    Ctry,
    AdmRefId,
    FreqAssgn,
    Long,
    Lat,
    SiteAlt,
    FreqStabl,
    Polar,
    ErpHDbw,
    ErpVDbw,
    PwrRatio,
    TranSys,
    Color,
    OsetV12,
    OsetVKhz,
    Bdwdth,
    HgtAgl,
    EffHgtmax,
    OpAgcy,
    AddrCode,
    OpHhFr,
    OpHhTo,
    DInuse,
    EffHgtAzm, // followed by the azimuth: "t_eff_hgt@azm10"
    AttnAzm,   // followed by the azimuth: "t_attn@azm10"
    NumNotices,
};

// The tag as written between angle brackets: "HEAD", "ANT_DIAGR_H".
QString tag(Section section);

// The fixed beginnings of the three header lines that open a file: "File
// captured on " (then the date and time), "Processed by " (then the login
// name) and "Program Id: " (then the version label).
const std::array<QString, 3> &headerBeginnings();

// The section written with the given tag ("ANT_HGT"), or none.
std::optional<Section> sectionForTag(const QString &tag);

// Whether the section stands inside a NOTICE section.
bool isInsideNotice(Section section);

// The key as written before " = ": "t_adm", "Notice No", "int_remarks",
// "t_eff_hgt@azm" (to which the azimuth is appended).
QString text(Key key);

// Whether the key is written with an azimuth appended ("t_attn@azm" + "350").
bool takesAzimuth(Key key);

// Whether the key may stand on several lines of the section: one line per
// coordinated administration, or one per azimuth (each azimuth once, rising).
bool repeats(Section section, Key key);

struct Placement
{
    Section section;
    Key key;
};

// Every key in the order in which the writer puts it: the HEAD section, the
// NOTICE section with its sub-sections in the order they follow its own keys,
// then the TAIL. Each key may be left out; the keys of COORDINATION and of the
// azimuth sections repeat (one line per administration or azimuth).
const std::vector<Placement> &layout();

} // namespace NoticeKeys
