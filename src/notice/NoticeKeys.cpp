#include "NoticeKeys.h"

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
    for (Section section : {Section::Head, Section::Notice, Section::Coordination, Section::AntHgt,
                            Section::AntDiagrH, Section::AntDiagrV, Section::Tail}) {
        if (tag(section) == text)
            return section;
    }
    return std::nullopt;
}

bool isInsideNotice(Section section)
{
    return section == Section::Coordination || section == Section::AntHgt
           || section == Section::AntDiagrH || section == Section::AntDiagrV;
}

QString text(Key key)
{
    switch (key) {
    case Key::Adm: return QStringLiteral("t_adm");
    case Key::Remarks: return QStringLiteral("t_remarks");
    case Key::IntRemarks: return QStringLiteral("int_remarks");
    case Key::NoticeNo: return QStringLiteral("Notice No");
    case Key::NoticeType: return QStringLiteral("t_notice_type");
    case Key::DAdmNtc: return QStringLiteral("t_d_adm_ntc");
    case Key::Fragment: return QStringLiteral("t_fragment");
    case Key::Action: return QStringLiteral("t_action");
    case Key::CallSign: return QStringLiteral("t_call_sign");
    case Key::StationId: return QStringLiteral("t_station_id");
    case Key::TrgAdmRefId: return QStringLiteral("t_trg_adm_ref_id");
    case Key::TrgFreqAssgn: return QStringLiteral("t_trg_freq_assgn");
    case Key::TrgLong: return QStringLiteral("t_trg_long");
    case Key::TrgLat: return QStringLiteral("t_trg_lat");
    case Key::SiteName: return QStringLiteral("t_site_name");
    case Key::Ctry: return QStringLiteral("t_ctry");
    case Key::AdmRefId: return QStringLiteral("t_adm_ref_id");
    case Key::FreqAssgn: return QStringLiteral("t_freq_assgn");
    case Key::Long: return QStringLiteral("t_long");
    case Key::Lat: return QStringLiteral("t_lat");
    case Key::SiteAlt: return QStringLiteral("t_site_alt");
    case Key::FreqStabl: return QStringLiteral("t_freq_stabl");
    case Key::Polar: return QStringLiteral("t_polar");
    case Key::ErpHDbw: return QStringLiteral("t_erp_h_dbw");
    case Key::ErpVDbw: return QStringLiteral("t_erp_v_dbw");
    case Key::PwrRatio: return QStringLiteral("t_pwr_ratio");
    case Key::TranSys: return QStringLiteral("t_tran_sys");
    case Key::Color: return QStringLiteral("t_color");
    case Key::OsetV12: return QStringLiteral("t_oset_v_12");
    case Key::OsetVKhz: return QStringLiteral("t_oset_v_khz");
    case Key::Bdwdth: return QStringLiteral("t_bdwdth");
    case Key::HgtAgl: return QStringLiteral("t_hgt_agl");
    case Key::EffHgtmax: return QStringLiteral("t_eff_hgtmax");
    case Key::OpAgcy: return QStringLiteral("t_op_agcy");
    case Key::AddrCode: return QStringLiteral("t_addr_code");
    case Key::OpHhFr: return QStringLiteral("t_op_hh_fr");
    case Key::OpHhTo: return QStringLiteral("t_op_hh_to");
    case Key::DInuse: return QStringLiteral("t_d_inuse");
    case Key::EffHgtAzm: return QStringLiteral("t_eff_hgt@azm");
    case Key::AttnAzm: return QStringLiteral("t_attn@azm");
    case Key::NumNotices: return QStringLiteral("t_num_notices");
    }
    Q_UNREACHABLE();
}

bool takesAzimuth(Key key)
{
    return key == Key::EffHgtAzm || key == Key::AttnAzm;
}

bool repeats(Section section, Key key)
{
    return (section == Section::Coordination && key == Key::Adm) || takesAzimuth(key);
}

const std::vector<Placement> &layout()
{
    using S = Section;
    using K = Key;
    static const std::vector<Placement> table{
        {S::Head, K::Adm},
        {S::Notice, K::Remarks},
        {S::Notice, K::IntRemarks},
        {S::Notice, K::NoticeNo},
        {S::Notice, K::NoticeType},
        {S::Notice, K::DAdmNtc},
        {S::Notice, K::Fragment},
        {S::Notice, K::Action},
        {S::Notice, K::CallSign},
        {S::Notice, K::StationId},
        {S::Notice, K::TrgAdmRefId},
        {S::Notice, K::TrgFreqAssgn},
        {S::Notice, K::TrgLong},
        {S::Notice, K::TrgLat},
        {S::Notice, K::SiteName},
        {S::Notice, K::Ctry},
        {S::Notice, K::AdmRefId},
        {S::Notice, K::FreqAssgn},
        {S::Notice, K::Long},
        {S::Notice, K::Lat},
        {S::Notice, K::SiteAlt},
        {S::Notice, K::FreqStabl},
        {S::Notice, K::Polar},
        {S::Notice, K::ErpHDbw},
        {S::Notice, K::ErpVDbw},
        {S::Notice, K::PwrRatio},
        {S::Notice, K::TranSys},
        {S::Notice, K::Color},
        {S::Notice, K::OsetV12},
        {S::Notice, K::OsetVKhz},
        {S::Notice, K::Bdwdth},
        {S::Notice, K::HgtAgl},
        {S::Notice, K::EffHgtmax},
        {S::Notice, K::OpAgcy},
        {S::Notice, K::AddrCode},
        {S::Notice, K::OpHhFr},
        {S::Notice, K::OpHhTo},
        {S::Notice, K::DInuse},
        {S::Coordination, K::Adm},
        {S::AntHgt, K::EffHgtAzm},
        {S::AntDiagrH, K::AttnAzm},
        {S::AntDiagrV, K::AttnAzm},
        {S::Tail, K::NumNotices},
    };
    return table;
}

} // namespace NoticeKeys
