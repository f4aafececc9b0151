#include "report/ReportItems.h"

#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"

#include <QRegularExpression>

#include <initializer_list>

namespace {

using Key = NoticeKeys::Key;
using namespace Control;

// The box (or frame) that names each key of a notice: the first of those
// named that the form has.
struct KeyBoxes
{
    Key key;
    std::initializer_list<QLatin1String> boxes;
};

const KeyBoxes DescribingBoxes[] = {
    {Key::Remarks, {Txt_notified_Rmks}},
    {Key::IntRemarks, {Txt_Internal_Rmks}},
    {Key::NoticeNo, {Txt_Ntc_Number}},
    {Key::DAdmNtc, {Txt_Ntc_DD}},
    {Key::Fragment, {FrameFrg}},
    {Key::Action, {FrameIntent}},
    {Key::CallSign, {Txt_3A1_CallSign}},
    {Key::StationId, {Txt_3A2_StationID}},
    {Key::TrgAdmRefId, {Txt_TrgAdmRefID}},
    {Key::TrgFreqAssgn, {Txt_01A_TrgFreq}},
    {Key::TrgLong, {Txt_04C_Deg_Long}},
    {Key::TrgLat, {Txt_04C_Deg_Lat}},
    {Key::SiteName, {Txt_4A_SiteName}},
    {Key::Ctry, {Txt_4B_GeoArea}},
    {Key::AdmRefId, {Txt_AdmRefID}},
    {Key::FreqAssgn, {Txt_1A_FreqAssgn}},
    {Key::Long, {Txt_4C_Deg_Long}},
    {Key::Lat, {Txt_4C_Deg_Lat}},
    {Key::SiteAlt, {Txt_9EA_SiteAlt}},
    {Key::FreqStabl, {Combo_7A1_FreqStabl}},
    {Key::Polar, {Combo_9D_Polariz}},
    {Key::ErpHDbw, {Txt_8BH_Erp_H}},
    {Key::ErpVDbw, {Txt_8BV_Erp_V}},
    {Key::PwrRatio, {Txt_8D_Pwr_Ratio}},
    {Key::TranSys, {Txt_7D_TranSys, Txt_7C1_TvSys}},
    {Key::Color, {Combo_7C2_Color_Sys}},
    {Key::OsetV12, {Txt_1E_Lf}},
    {Key::OsetVKhz, {Txt_1E_kHz}},
    {Key::Bdwdth, {Txt_70_BDWdth}},
    {Key::HgtAgl, {Txt_9E_AntHgt}},
    {Key::EffHgtmax, {Txt_9EB_Eff_hgtmax}},
    {Key::OpAgcy, {Txt_12A_OpAgcy}},
    {Key::AddrCode, {Txt_12B_AddrCde}},
    {Key::OpHhFr, {Txt_10B_Ophhfr}},
    {Key::OpHhTo, {Txt_10B_Ophhto}},
    {Key::DInuse, {Txt_2C_DD}},
};

// The description of a box as a whole item: a date's or a coordinate's first
// box names the part it holds ("[Day]", "Degrees"), which the item as a
// whole does not.
QString itemDescription(FormKind kind, const ControlSpec &box, Language language)
{
    ControlSpec whole = box;
    whole.part = NamePart::None;
    QString text = accessibleName(kind, whole, language);
    if (box.binding.kind == BindingKind::DatePart)
        text.remove(QRegularExpression(QStringLiteral("\\s*\\[[^\\]]*\\]$")));
    return text;
}

// "+0022030" (sign, 3 digits of degrees, 2 of minutes, 2 of seconds) or
// "+485310" (2 digits of degrees).
QString degreesMinutesSeconds(const QString &value, int degreeDigits, QChar positive, QChar negative)
{
    static const QRegularExpression shape(QStringLiteral("^[+-]\\d+$"));
    if (value.size() != 1 + degreeDigits + 4 || !shape.match(value).hasMatch())
        return value;
    const int degrees = value.mid(1, degreeDigits).toInt();
    return QStringLiteral("%1°%2'%3\" %4")
        .arg(degrees)
        .arg(value.mid(1 + degreeDigits, 2), value.mid(3 + degreeDigits, 2))
        .arg(value.startsWith(QLatin1Char('-')) ? negative : positive);
}

} // namespace

FormKind ReportItems::formOf(const ParsedNotice &notice)
{
    return notice.value(Key::NoticeType) == QLatin1String("T02") ? FormKind::T02 : FormKind::T01;
}

QString ReportItems::description(Key key, FormKind kind, Language language)
{
    for (const KeyBoxes &row : DescribingBoxes) {
        if (row.key != key)
            continue;
        for (const QLatin1String name : row.boxes) {
            if (const ControlSpec *box = findControl(kind, name))
                return itemDescription(kind, *box, language);
        }
    }
    // The notice type has no box: the form and the intention decide it.
    return key == Key::NoticeType ? tr("Notice type") : NoticeKeys::text(key);
}

QString ReportItems::printedValue(Key key, const QString &value)
{
    switch (key) {
    case Key::Long:
    case Key::TrgLong: return degreesMinutesSeconds(value, 3, QLatin1Char('E'), QLatin1Char('W'));
    case Key::Lat:
    case Key::TrgLat: return degreesMinutesSeconds(value, 2, QLatin1Char('N'), QLatin1Char('S'));
    default: return value;
    }
}
