#pragma once

#include "NoticeRecord.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The keys and section tags of the electronic notice file, each spelled here
// and nowhere else, and the place of every key: the order in which the notice
// writer puts them, section by section. The notice writer writes its lines in
// the order of layout(); the notice-file checker reads layout() to judge the
// order of a file.
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

// The longest value of a key that the capture forms let the writer put in a
// file: the longest box (or list entry, option code or worked-out text such as
// "+0023015" or "2006-01-02") that the key is written from. The remarks boxes
// take text of any length; a remark beyond kLongestRemarks characters is taken
// for damage rather than typing.
constexpr int kLongestRemarks = 1 << 20;
int longestValue(Key key);

// The longest line the writer can produce: a remarks line. A longer line is a
// fault, and the checker does not hold it.
constexpr int kLongestLine = kLongestRemarks + 64;

// Whether the writer works the value out itself (a number, a date, an option
// or list code) rather than copying it as typed: such a value never has a
// blank at either end. A typed value is copied with its blanks.
bool isWorkedOut(Key key);

struct Placement
{
    Section section;
    Key key;
    const char *text;                       // the key as written before " = "
    QString NoticeRecord::*field = nullptr; // a NOTICE key written as its field stands
};

// Every key in the order in which the writer puts it: the HEAD section, the
// NOTICE section with its sub-sections in the order they follow its own keys,
// then the TAIL. Each key may be left out; the keys of COORDINATION and of the
// azimuth sections repeat (one line per administration or azimuth).
//
// A NOTICE key with a field is written by the notice writer as that field
// stands, and left out when it is empty; the writer works out the others.
// A new key of the notice file is one enumerator above and one row here.
inline const std::vector<Placement> &layout()
{
    using S = Section;
    using K = Key;
    using R = NoticeRecord;
    static const std::vector<Placement> table{
        {S::Head, K::Adm, "t_adm"},
        {S::Notice, K::Remarks, "t_remarks", &R::remarks},
        {S::Notice, K::IntRemarks, "int_remarks", &R::int_remarks},
        {S::Notice, K::NoticeNo, "Notice No"},
        {S::Notice, K::NoticeType, "t_notice_type", &R::notice_type},
        {S::Notice, K::DAdmNtc, "t_d_adm_ntc"},
        {S::Notice, K::Fragment, "t_fragment", &R::fragment},
        {S::Notice, K::Action, "t_action", &R::action},
        {S::Notice, K::CallSign, "t_call_sign", &R::call_sign},
        {S::Notice, K::StationId, "t_station_id", &R::station_id},
        {S::Notice, K::TrgAdmRefId, "t_trg_adm_ref_id"},
        {S::Notice, K::TrgFreqAssgn, "t_trg_freq_assgn"},
        {S::Notice, K::TrgLong, "t_trg_long"},
        {S::Notice, K::TrgLat, "t_trg_lat"},
        {S::Notice, K::SiteName, "t_site_name", &R::site_name},
        {S::Notice, K::Ctry, "t_ctry", &R::ctry},
        {S::Notice, K::AdmRefId, "t_adm_ref_id", &R::adm_ref_id},
        {S::Notice, K::FreqAssgn, "t_freq_assgn"},
        {S::Notice, K::Long, "t_long"},
        {S::Notice, K::Lat, "t_lat"},
        {S::Notice, K::SiteAlt, "t_site_alt", &R::site_alt},
        {S::Notice, K::FreqStabl, "t_freq_stabl", &R::freq_stabl},
        {S::Notice, K::Polar, "t_polar", &R::polar},
        {S::Notice, K::ErpHDbw, "t_erp_h_dbw", &R::erp_h_dbw},
        {S::Notice, K::ErpVDbw, "t_erp_v_dbw", &R::erp_v_dbw},
        {S::Notice, K::PwrRatio, "t_pwr_ratio", &R::pwr_ratio},
        {S::Notice, K::TranSys, "t_tran_sys", &R::tran_sys},
        {S::Notice, K::Color, "t_color", &R::color},
        {S::Notice, K::OsetV12, "t_oset_v_12", &R::oset_v_12},
        {S::Notice, K::OsetVKhz, "t_oset_v_khz", &R::oset_v_khz},
        {S::Notice, K::Bdwdth, "t_bdwdth", &R::bdwdth},
        {S::Notice, K::HgtAgl, "t_hgt_agl", &R::hgt_agl},
        {S::Notice, K::EffHgtmax, "t_eff_hgtmax", &R::eff_hgtmax},
        {S::Notice, K::OpAgcy, "t_op_agcy"},
        {S::Notice, K::AddrCode, "t_addr_code"},
        {S::Notice, K::OpHhFr, "t_op_hh_fr"},
        {S::Notice, K::OpHhTo, "t_op_hh_to"},
        {S::Notice, K::DInuse, "t_d_inuse"},
        {S::Coordination, K::Adm, "t_adm"},
        {S::AntHgt, K::EffHgtAzm, "t_eff_hgt@azm"},
        {S::AntDiagrH, K::AttnAzm, "t_attn@azm"},
        {S::AntDiagrV, K::AttnAzm, "t_attn@azm"},
        {S::Tail, K::NumNotices, "t_num_notices"},
    };
    return table;
}

} // namespace NoticeKeys
