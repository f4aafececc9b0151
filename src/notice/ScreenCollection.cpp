#include "ScreenCollection.h"

#include "BoxFamilies.h"
#include "Formatting.h"
#include "platform/TextFile.h"

#include <initializer_list>

using Formatting::joinDateYMD;
using Formatting::zeroPad;
using Formatting::zeroPadFour;

namespace {

// How a box reaches its field.
enum class Rule {
    Copy,            // only when the box is not empty
    Set,             // even when the box is empty
    WithHorizontal,  // only when not empty and the polarization is "H" or "M"
    WithVertical,    // only when not empty and the polarization is "V" or "M"
};

// A box that fills one text field of the record, zero-padded to padWidth
// characters when padWidth is not 0.
struct Item
{
    const char *control;
    QString NoticeRecord::*field;
    Rule rule = Rule::Copy;
    Forms forms = Forms::Both;
    qint16 padWidth = 0;
};

// Read for every intention.
const Item kNoticeItems[] = {
    {"Txt_B_Adm", &NoticeRecord::adm, Rule::Set},
    {"Txt_notified_Rmks", &NoticeRecord::remarks},
    {"Txt_Internal_Rmks", &NoticeRecord::int_remarks},
};

// The items of the station itself, in the order they are read; not read for a
// suppression or withdrawal.
const Item kStationItems[] = {
    {"Txt_AdmRefID", &NoticeRecord::adm_ref_id},
    {"Txt_4B_GeoArea", &NoticeRecord::ctry, Rule::Set},
    {"Txt_3A1_CallSign", &NoticeRecord::call_sign},
    {"Txt_3A2_StationID", &NoticeRecord::station_id},
    {"Txt_1A_FreqAssgn", &NoticeRecord::freq_assgn},
    {"Combo_7A1_FreqStabl", &NoticeRecord::freq_stabl, Rule::Copy, Forms::T02Only},
    {"Txt_1E_Lf", &NoticeRecord::oset_v_12, Rule::Copy, Forms::T02Only},
    {"Txt_1E_kHz", &NoticeRecord::oset_v_khz, Rule::Copy, Forms::T02Only},
    {"Txt_7C1_TvSys", &NoticeRecord::tran_sys, Rule::Copy, Forms::T02Only},
    {"Combo_7C2_Color_Sys", &NoticeRecord::color, Rule::Copy, Forms::T02Only},
    {"Txt_8D_Pwr_Ratio", &NoticeRecord::pwr_ratio, Rule::Copy, Forms::T02Only},
    {"Txt_70_BDWdth", &NoticeRecord::bdwdth, Rule::Copy, Forms::T01Only},
    {"Txt_7D_TranSys", &NoticeRecord::tran_sys, Rule::Copy, Forms::T01Only},
    {"Txt_9E_AntHgt", &NoticeRecord::hgt_agl},
    {"Txt_9EB_Eff_hgtmax", &NoticeRecord::eff_hgtmax},
    {"Txt_8BH_Erp_H", &NoticeRecord::erp_h_dbw, Rule::WithHorizontal},
    {"Txt_8BV_Erp_V", &NoticeRecord::erp_v_dbw, Rule::WithVertical},
    {"Combo_9D_Polariz", &NoticeRecord::polar},
    {"Txt_4A_SiteName", &NoticeRecord::site_name},
    {"Txt_4C_Deg_Long", &NoticeRecord::long_deg, Rule::Copy, Forms::Both, 3},
    {"Txt_4C_EW", &NoticeRecord::long_ew},
    {"Txt_4C_Min_Long", &NoticeRecord::long_min, Rule::Copy, Forms::Both, 2},
    {"Txt_4C_Sec_Long", &NoticeRecord::long_sec, Rule::Copy, Forms::Both, 2},
    {"Txt_4C_Deg_Lat", &NoticeRecord::lat_deg, Rule::Copy, Forms::Both, 2},
    {"Txt_4C_NS", &NoticeRecord::lat_ns},
    {"Txt_4C_Min_Lat", &NoticeRecord::lat_min, Rule::Copy, Forms::Both, 2},
    {"Txt_4C_Sec_Lat", &NoticeRecord::lat_sec, Rule::Copy, Forms::Both, 2},
    {"Txt_9EA_SiteAlt", &NoticeRecord::site_alt},
    {"Txt_12B_AddrCde", &NoticeRecord::addr_code},
    {"Txt_12A_OpAgcy", &NoticeRecord::op_agcy},
};

// A date made of three boxes, joined as year "-" month "-" day.
struct DateItem
{
    QString NoticeRecord::*field;
    const char *year;
    const char *month;
    const char *day;
};

const DateItem kNotificationDate{&NoticeRecord::d_adm_ntc, "Txt_Ntc_YY", "Txt_Ntc_MM", "Txt_Ntc_DD"};
const DateItem kInUseDate{&NoticeRecord::d_inuse, "Txt_2C_YY", "Txt_2C_MM", "Txt_2C_DD"};

struct HoursItem
{
    const char *control;
    QString OperatingHours::*field;
};

const HoursItem kHoursItems[] = {
    {"Txt_10B_Ophhfr", &OperatingHours::op_hh_fr},
    {"Txt_10B_Ophhto", &OperatingHours::op_hh_to},
};

// A target box, and the item of the notice that it identifies when the notice
// suppresses or withdraws the target.
struct TargetItem
{
    const char *control;
    QString TargetAssignment::*field;
    QString NoticeRecord::*own;
    qint16 padWidth = 0;
};

const TargetItem kTargetItems[] = {
    {"Txt_TrgAdmRefID", &TargetAssignment::trg_adm_ref_id, &NoticeRecord::adm_ref_id},
    {"Txt_01A_TrgFreq", &TargetAssignment::trg_freq_assgn, &NoticeRecord::freq_assgn},
    {"Txt_04C_Deg_Long", &TargetAssignment::trg_long_deg, &NoticeRecord::long_deg, 3},
    {"Txt_04C_Min_Long", &TargetAssignment::trg_long_min, &NoticeRecord::long_min, 2},
    {"Txt_04C_Sec_Long", &TargetAssignment::trg_long_sec, &NoticeRecord::long_sec, 2},
    {"Txt_04C_EW", &TargetAssignment::trg_long_ew, &NoticeRecord::long_ew},
    {"Txt_04C_Deg_Lat", &TargetAssignment::trg_lat_deg, &NoticeRecord::lat_deg, 2},
    {"Txt_04C_Min_Lat", &TargetAssignment::trg_lat_min, &NoticeRecord::lat_min, 2},
    {"Txt_04C_Sec_Lat", &TargetAssignment::trg_lat_sec, &NoticeRecord::lat_sec, 2},
    {"Txt_04C_NS", &TargetAssignment::trg_lat_ns, &NoticeRecord::lat_ns},
};

struct AzimuthItem
{
    const QString &prefix;
    AzimuthTable NoticeRecord::*table;
};

const AzimuthItem kEffectiveHeights{BoxFamilies::EffectiveHeightPrefix, &NoticeRecord::eff_hgt};
const AzimuthItem kHorizontalPattern{BoxFamilies::HorizontalPatternPrefix, &NoticeRecord::attn_h};
const AzimuthItem kVerticalPattern{BoxFamilies::VerticalPatternPrefix, &NoticeRecord::attn_v};

QString name(const char *control)
{
    return QString::fromLatin1(control);
}

using BoxFamilies::coordinationBox;

QString azimuthBox(const AzimuthItem &item, std::size_t entry)
{
    return BoxFamilies::azimuthBox(item.prefix, int(entry));
}

QString padded(const QString &text, qint16 width)
{
    return width == 0 ? text : zeroPad(text, width);
}

bool isOneOf(const QString &text, std::initializer_list<const char *> codes)
{
    for (const char *code : codes) {
        if (text == QLatin1String(code))
            return true;
    }
    return false;
}

// Whether a polarization has a horizontal ("H", "M") or a vertical ("V", "M")
// component: it decides both the radiated powers and the antenna patterns taken.
bool hasHorizontalComponent(const QString &polarization)
{
    return isOneOf(polarization, {"H", "M"});
}

bool hasVerticalComponent(const QString &polarization)
{
    return isOneOf(polarization, {"V", "M"});
}

void collect(NoticeRecord &record, const ScreenReader &screen, FormKind kind, const Item &item,
             const QString &polarization)
{
    if (!isOnForm(item.forms, kind))
        return;
    const QString text = screen.text(name(item.control));
    switch (item.rule) {
    case Rule::Set:
        record.*item.field = text;
        return;
    case Rule::WithHorizontal:
        if (!hasHorizontalComponent(polarization))
            return;
        break;
    case Rule::WithVertical:
        if (!hasVerticalComponent(polarization))
            return;
        break;
    case Rule::Copy:
        break;
    }
    if (!text.isEmpty())
        record.*item.field = padded(text, item.padWidth);
}

QString joinedDate(const ScreenReader &screen, const DateItem &date)
{
    return joinDateYMD(screen.text(name(date.year)), screen.text(name(date.month)),
                       screen.text(name(date.day)));
}

void collectAzimuths(AzimuthTable &table, const ScreenReader &screen, const AzimuthItem &item)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QString text = screen.text(azimuthBox(item, i));
        if (!text.isEmpty())
            table[i] = {QString::number(int(i) * kAzimuthStep), text};
    }
}

QString intention(const ScreenReader &screen)
{
    if (screen.isSelected(QStringLiteral("OptInt_Add")))
        return QStringLiteral("ADD");
    if (screen.isSelected(QStringLiteral("OptInt_Mod")))
        return QStringLiteral("MODIFY");
    if (screen.isSelected(QStringLiteral("OptInt_Sup")))
        return QStringLiteral("SUPPRESS");
    if (screen.isSelected(QStringLiteral("OptInt_Wdraw")))
        return QStringLiteral("WITHDRAW");
    return {};
}

QString fragment(const ScreenReader &screen, FormKind kind)
{
    if (screen.isSelected(QStringLiteral("OptFrg_A11")))
        return QStringLiteral("NTFD_RR");
    if (screen.isSelected(QStringLiteral("OptFrg_St61")))
        return QStringLiteral("ST61");
    if (kind == FormKind::T01 && screen.isSelected(QStringLiteral("OptFrg_Ge84")))
        return QStringLiteral("GE84");
    if (kind == FormKind::T02 && screen.isSelected(QStringLiteral("OptFrg_Ge89")))
        return QStringLiteral("GE89");
    return {};
}

} // namespace

void collectScreen(NoticeRecord &record, const ScreenReader &screen, FormKind kind)
{
    record.action = intention(screen);
    const bool add = record.action == QLatin1String("ADD");
    const bool modify = record.action == QLatin1String("MODIFY");
    const bool removal = isOneOf(record.action, {"SUPPRESS", "WITHDRAW"});

    const bool removalSelected = screen.isSelected(QStringLiteral("OptInt_Sup"))
                                 || screen.isSelected(QStringLiteral("OptInt_Wdraw"));
    record.notice_type = removalSelected ? QStringLiteral("TB5")
                         : kind == FormKind::T01 ? QStringLiteral("T01")
                                                 : QStringLiteral("T02");
    record.d_adm_ntc = joinedDate(screen, kNotificationDate);
    const QString chosenFragment = fragment(screen, kind);
    if (!chosenFragment.isEmpty())
        record.fragment = chosenFragment;
    for (const Item &item : kNoticeItems)
        collect(record, screen, kind, item, {});

    const QString polarization = screen.text(QStringLiteral("Combo_9D_Polariz"));
    if (!removal) {
        for (const Item &item : kStationItems)
            collect(record, screen, kind, item, polarization);
        record.d_inuse = joinedDate(screen, kInUseDate);
        for (const HoursItem &item : kHoursItems) {
            const QString text = screen.text(name(item.control));
            if (!text.isEmpty()) {
                record.op_hours.op_hours_given = true;
                record.op_hours.*item.field = zeroPadFour(text);
            }
        }
    }

    if (!add) {
        for (const TargetItem &item : kTargetItems) {
            const QString text = screen.text(name(item.control));
            if (!text.isEmpty()) {
                record.trg.trg_given = true;
                record.trg.*item.field = padded(text, item.padWidth);
            }
        }
    }

    // A suppression or withdrawal (or a notice without intention) identifies
    // the assignment by its target.
    if (!add && !modify && record.trg.trg_given) {
        for (const TargetItem &item : kTargetItems) {
            const QString &target = record.trg.*item.field;
            if (!target.isEmpty())
                record.*item.own = padded(target, item.padWidth);
        }
    }

    if (!removal) {
        for (int box = 1; box <= CoordinationList::kCount; ++box) {
            const QString text = screen.text(coordinationBox(box));
            if (!text.isEmpty()) {
                record.coord.coord_given = true;
                record.coord.adm(box) = text;
            }
        }
        collectAzimuths(record.eff_hgt, screen, kEffectiveHeights);
        if (screen.text(QStringLiteral("Combo_9_AntDir")) == QLatin1String("D")) {
            if (hasHorizontalComponent(polarization))
                collectAzimuths(record.attn_h, screen, kHorizontalPattern);
            if (hasVerticalComponent(polarization))
                collectAzimuths(record.attn_v, screen, kVerticalPattern);
        }
    }
}

namespace {

std::optional<UnencodableField> unencodable(const QString &text, const QString &control)
{
    const qsizetype position = platform::findUnencodable(text);
    if (position < 0)
        return std::nullopt;
    return UnencodableField{control, platform::characterAt(text, position),
                            platform::describeCharacter(text, position)};
}

// The box of a joined date that holds the character at position: the dashes
// before it tell the part.
std::optional<UnencodableField> unencodableDate(const QString &joined, const DateItem &date)
{
    const qsizetype position = platform::findUnencodable(joined);
    if (position < 0)
        return std::nullopt;
    const qsizetype dashes = joined.left(position).count(QLatin1Char('-'));
    const char *box = dashes == 0 ? date.year : dashes == 1 ? date.month : date.day;
    return unencodable(joined, name(box));
}

} // namespace

std::optional<UnencodableField> findUnencodableField(const NoticeRecord &record)
{
    const FormKind kind = record.notice_type == QLatin1String("T02") ? FormKind::T02 : FormKind::T01;
    for (const TargetItem &item : kTargetItems) {
        if (auto found = unencodable(record.trg.*item.field, name(item.control)))
            return found;
    }
    for (const Item &item : kNoticeItems) {
        if (auto found = unencodable(record.*item.field, name(item.control)))
            return found;
    }
    for (const Item &item : kStationItems) {
        if (!isOnForm(item.forms, kind))
            continue;
        if (auto found = unencodable(record.*item.field, name(item.control)))
            return found;
    }
    for (const DateItem &date : {kNotificationDate, kInUseDate}) {
        if (auto found = unencodableDate(record.*date.field, date))
            return found;
    }
    for (const HoursItem &item : kHoursItems) {
        if (auto found = unencodable(record.op_hours.*item.field, name(item.control)))
            return found;
    }
    for (int box = 1; box <= CoordinationList::kCount; ++box) {
        if (auto found = unencodable(record.coord.adm(box), coordinationBox(box)))
            return found;
    }
    for (const AzimuthItem &item : {kEffectiveHeights, kHorizontalPattern, kVerticalPattern}) {
        const AzimuthTable &table = record.*item.table;
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (auto found = unencodable(table[i].value, azimuthBox(item, i)))
                return found;
        }
    }
    return std::nullopt;
}
