#pragma once

#include "NoticeCodes.h"
#include "NoticeRecord.h"
#include "ValueShape.h"

#include <QString>

#include <array>
#include <optional>
#include <type_traits>
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

// The remarks boxes take text of any length; a remark beyond kLongestRemarks
// characters is taken for damage rather than typing.
constexpr int kLongestRemarks = 1 << 20;

// The longest line the writer can produce: a remarks line. A longer line is a
// fault, and the checker does not hold it.
constexpr int kLongestLine = kLongestRemarks + 64;

struct Placement
{
    Section section;
    Key key;
    const char *text; // the key as written before " = "
    // What the forms let the writer put in the value, and its longest: the
    // longest box (or list entry, option code, or worked-out text such as
    // "+0023015" or "2006-01-02") that the key is written from.
    ValueShape shape;
    QString NoticeRecord::*field = nullptr; // a NOTICE key written as its field stands
};
// Every row states its shape: there is none by default.
static_assert(!std::is_default_constructible_v<ValueShape>);

// Every key in the order in which the writer puts it: the HEAD section, the
// NOTICE section with its sub-sections in the order they follow its own keys,
// then the TAIL. Each key may be left out; the keys of COORDINATION and of the
// azimuth sections repeat (one line per administration or azimuth).
//
// A NOTICE key with a field is written by the notice writer as that field
// stands, and left out when it is empty; the writer works out the others.
// A new key of the notice file is one enumerator above and one row here, with
// the shape of its value.
inline const std::vector<Placement> &layout()
{
    using S = Section;
    using K = Key;
    using R = NoticeRecord;
    using V = ValueShape;
    static const std::vector<Placement> table{
        {S::Head, K::Adm, "t_adm", V::letters(3)},
        {S::Notice, K::Remarks, "t_remarks", V::text(kLongestRemarks), &R::remarks},
        {S::Notice, K::IntRemarks, "int_remarks", V::text(kLongestRemarks), &R::int_remarks},
        {S::Notice, K::NoticeNo, "Notice No", V::count()},
        {S::Notice, K::NoticeType, "t_notice_type", V::codes(NoticeCodes::noticeTypes()), &R::notice_type},
        {S::Notice, K::DAdmNtc, "t_d_adm_ntc", V::date()},
        {S::Notice, K::Fragment, "t_fragment", V::codes(NoticeCodes::fragments()), &R::fragment},
        {S::Notice, K::Action, "t_action", V::codes(NoticeCodes::actions()), &R::action},
        {S::Notice, K::CallSign, "t_call_sign", V::text(10), &R::call_sign},
        {S::Notice, K::StationId, "t_station_id", V::text(20), &R::station_id},
        {S::Notice, K::TrgAdmRefId, "t_trg_adm_ref_id", V::text(20)},
        {S::Notice, K::TrgFreqAssgn, "t_trg_freq_assgn", V::number(6)},
        {S::Notice, K::TrgLong, "t_trg_long", V::longitude()},
        {S::Notice, K::TrgLat, "t_trg_lat", V::latitude()},
        {S::Notice, K::SiteName, "t_site_name", V::text(30), &R::site_name},
        {S::Notice, K::Ctry, "t_ctry", V::letters(3), &R::ctry},
        {S::Notice, K::AdmRefId, "t_adm_ref_id", V::text(20), &R::adm_ref_id},
        {S::Notice, K::FreqAssgn, "t_freq_assgn", V::number(6)},
        {S::Notice, K::Long, "t_long", V::longitude()},
        {S::Notice, K::Lat, "t_lat", V::latitude()},
        {S::Notice, K::SiteAlt, "t_site_alt", V::number(5), &R::site_alt},
        {S::Notice, K::FreqStabl, "t_freq_stabl", V::codes(NoticeCodes::frequencyStabilities()), &R::freq_stabl},
        {S::Notice, K::Polar, "t_polar", V::codes(NoticeCodes::polarizations()), &R::polar},
        {S::Notice, K::ErpHDbw, "t_erp_h_dbw", V::number(5), &R::erp_h_dbw},
        {S::Notice, K::ErpVDbw, "t_erp_v_dbw", V::number(5), &R::erp_v_dbw},
        {S::Notice, K::PwrRatio, "t_pwr_ratio", V::number(2), &R::pwr_ratio},
        // A number typed on T01, a television system code on T02.
        {S::Notice, K::TranSys, "t_tran_sys", V::text(2), &R::tran_sys},
        {S::Notice, K::Color, "t_color", V::codes(NoticeCodes::colourSystems()), &R::color},
        {S::Notice, K::OsetV12, "t_oset_v_12", V::number(4), &R::oset_v_12},
        {S::Notice, K::OsetVKhz, "t_oset_v_khz", V::number(4), &R::oset_v_khz},
        {S::Notice, K::Bdwdth, "t_bdwdth", V::number(3), &R::bdwdth},
        {S::Notice, K::HgtAgl, "t_hgt_agl", V::number(3), &R::hgt_agl},
        {S::Notice, K::EffHgtmax, "t_eff_hgtmax", V::number(5), &R::eff_hgtmax},
        {S::Notice, K::OpAgcy, "t_op_agcy", V::number(3)},
        {S::Notice, K::AddrCode, "t_addr_code", V::notNumber(2)},
        {S::Notice, K::OpHhFr, "t_op_hh_fr", V::hour()},
        {S::Notice, K::OpHhTo, "t_op_hh_to", V::hour()},
        {S::Notice, K::DInuse, "t_d_inuse", V::date()},
        {S::Coordination, K::Adm, "t_adm", V::notNumber(3)},
        {S::AntHgt, K::EffHgtAzm, "t_eff_hgt@azm", V::number(5)},
        {S::AntDiagrH, K::AttnAzm, "t_attn@azm", V::number(4)},
        {S::AntDiagrV, K::AttnAzm, "t_attn@azm", V::number(4)},
        {S::Tail, K::NumNotices, "t_num_notices", V::count()},
    };
    return table;
}

// The shape of the key in its first row of layout(). t_adm is letters in the
// HEAD and a code that is not a number in COORDINATION; each is a text.
const ValueShape &shapeOf(Key key);

} // namespace NoticeKeys
