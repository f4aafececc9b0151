#pragma once

// Test support for the notice core: a capture screen made of a map of control
// names, and a record flattened into "field name -> value" so that a test
// compares a whole record at once (every field not listed must be empty).

#include "notice/FormKind.h"
#include "notice/NoticeRecord.h"
#include "form/Screen.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

using Fields = QMap<QString, QString>;

// The controls that the screen collection may read, written out here from the
// forms' layout (not taken from the code under test), per form.
inline QSet<QString> formControls(FormKind kind)
{
    QSet<QString> names{
        "OptInt_Add", "OptInt_Mod", "OptInt_Sup", "OptInt_Wdraw", "OptFrg_St61", "OptFrg_A11",
        "Txt_B_Adm", "Txt_Ntc_YY", "Txt_Ntc_MM", "Txt_Ntc_DD", "Txt_notified_Rmks",
        "Txt_Internal_Rmks", "Txt_AdmRefID", "Txt_4B_GeoArea", "Txt_3A1_CallSign",
        "Txt_3A2_StationID", "Txt_1A_FreqAssgn", "Txt_9E_AntHgt", "Txt_9EB_Eff_hgtmax",
        "Txt_8BH_Erp_H", "Txt_8BV_Erp_V", "Combo_9D_Polariz", "Combo_9_AntDir", "Txt_4A_SiteName",
        "Txt_4C_Deg_Long", "Txt_4C_Min_Long", "Txt_4C_Sec_Long", "Txt_4C_EW", "Txt_4C_Deg_Lat",
        "Txt_4C_Min_Lat", "Txt_4C_Sec_Lat", "Txt_4C_NS", "Txt_9EA_SiteAlt", "Txt_12B_AddrCde",
        "Txt_12A_OpAgcy", "Txt_2C_YY", "Txt_2C_MM", "Txt_2C_DD", "Txt_10B_Ophhfr",
        "Txt_10B_Ophhto", "Txt_TrgAdmRefID", "Txt_01A_TrgFreq", "Txt_04C_Deg_Long",
        "Txt_04C_Min_Long", "Txt_04C_Sec_Long", "Txt_04C_EW", "Txt_04C_Deg_Lat", "Txt_04C_Min_Lat",
        "Txt_04C_Sec_Lat", "Txt_04C_NS",
    };
    for (int k = 1; k <= 12; ++k)
        names.insert(QString("Txt_11_Adm%1").arg(k));
    for (int azimuth = 0; azimuth <= 350; azimuth += 10) {
        const QString digits = QString("%1").arg(azimuth, 3, 10, QChar('0'));
        names.insert("Txt_9EC_azm" + digits);
        names.insert("Txt_9NHAzm" + digits);
        names.insert("Txt_9NVAzm" + digits);
    }
    if (kind == FormKind::T01) {
        names.unite({"OptFrg_Ge84", "Txt_70_BDWdth", "Txt_7D_TranSys"});
    } else {
        names.unite({"OptFrg_Ge89", "Combo_7A1_FreqStabl", "Txt_1E_Lf", "Txt_1E_kHz",
                     "Txt_7C1_TvSys", "Combo_7C2_Color_Sys", "Txt_8D_Pwr_Ratio"});
    }
    return names;
}

// A capture screen of one form: the texts of its boxes and lists, and its
// selected option buttons. Every name that the test gives or the code asks for
// and that the form does not have is noted in unknownNames.
class MapScreen : public ScreenReader
{
public:
    MapScreen(FormKind kind, const Fields &texts, const QStringList &selected)
        : m_controls(formControls(kind))
        , m_texts(texts)
        , m_selected(selected)
    {
        for (const QString &name : texts.keys() + selected)
            note(name);
    }

    QString text(const QString &controlName) const override
    {
        note(controlName);
        return m_texts.value(controlName);
    }

    bool isSelected(const QString &controlName) const override
    {
        note(controlName);
        return m_selected.contains(controlName);
    }

    QStringList unknownNames() const { return m_unknown; }

private:
    void note(const QString &name) const
    {
        if (!m_controls.contains(name) && !m_unknown.contains(name))
            m_unknown.append(name);
    }

    QSet<QString> m_controls;
    Fields m_texts;
    QStringList m_selected;
    mutable QStringList m_unknown;
};

// Every non-empty text and every true flag of the record, by field name:
// "trg.trg_lat_ns", "op_hours.op_hours_given" = "true", "coord.coord_adm(5)"
// (boxes 1 to 12), "eff_hgt[19]" = azm + "=" + value.
inline Fields nonEmptyFields(const NoticeRecord &r)
{
    Fields f;
    const auto put = [&f](const QString &name, const QString &value) {
        if (!value.isEmpty())
            f.insert(name, value);
    };
    const auto flag = [&f](const QString &name, bool value) {
        if (value)
            f.insert(name, "true");
    };
    const auto table = [&f](const QString &name, const AzimuthTable &entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].azm.isEmpty() || !entries[i].value.isEmpty())
                f.insert(QString("%1[%2]").arg(name).arg(i), entries[i].azm + "=" + entries[i].value);
        }
    };
    put("action", r.action);
    put("fragment", r.fragment);
    put("adm_ref_id", r.adm_ref_id);
    put("notice_type", r.notice_type);
    put("adm", r.adm);
    put("ctry", r.ctry);
    put("call_sign", r.call_sign);
    put("station_id", r.station_id);
    put("addr_code", r.addr_code);
    put("op_agcy", r.op_agcy);
    put("d_adm_ntc", r.d_adm_ntc);
    put("d_inuse", r.d_inuse);
    put("freq_assgn", r.freq_assgn);
    put("freq_stabl", r.freq_stabl);
    put("oset_v_12", r.oset_v_12);
    put("oset_v_khz", r.oset_v_khz);
    put("tran_sys", r.tran_sys);
    put("color", r.color);
    put("bdwdth", r.bdwdth);
    put("hgt_agl", r.hgt_agl);
    put("eff_hgtmax", r.eff_hgtmax);
    put("erp_h_dbw", r.erp_h_dbw);
    put("erp_v_dbw", r.erp_v_dbw);
    put("polar", r.polar);
    put("pwr_ratio", r.pwr_ratio);
    put("site_name", r.site_name);
    put("long_deg", r.long_deg);
    put("long_ew", r.long_ew);
    put("long_min", r.long_min);
    put("long_sec", r.long_sec);
    put("lat_deg", r.lat_deg);
    put("lat_ns", r.lat_ns);
    put("lat_min", r.lat_min);
    put("lat_sec", r.lat_sec);
    put("site_alt", r.site_alt);
    flag("op_hours.op_hours_given", r.op_hours.op_hours_given);
    put("op_hours.op_hh_fr", r.op_hours.op_hh_fr);
    put("op_hours.op_hh_to", r.op_hours.op_hh_to);
    flag("trg.trg_given", r.trg.trg_given);
    put("trg.trg_freq_assgn", r.trg.trg_freq_assgn);
    put("trg.trg_long_deg", r.trg.trg_long_deg);
    put("trg.trg_long_min", r.trg.trg_long_min);
    put("trg.trg_long_sec", r.trg.trg_long_sec);
    put("trg.trg_long_ew", r.trg.trg_long_ew);
    put("trg.trg_lat_deg", r.trg.trg_lat_deg);
    put("trg.trg_lat_min", r.trg.trg_lat_min);
    put("trg.trg_lat_sec", r.trg.trg_lat_sec);
    put("trg.trg_lat_ns", r.trg.trg_lat_ns);
    put("trg.trg_adm_ref_id", r.trg.trg_adm_ref_id);
    table("attn_v", r.attn_v);
    table("attn_h", r.attn_h);
    table("eff_hgt", r.eff_hgt);
    flag("coord.coord_given", r.coord.coord_given);
    for (int box = 1; box <= 12; ++box)
        put(QString("coord.coord_adm(%1)").arg(box), r.coord.adm(box));
    put("remarks", r.remarks);
    put("int_remarks", r.int_remarks);
    return f;
}

// The union of two field maps; the second wins on a shared name.
inline Fields merged(Fields base, const Fields &more)
{
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        base.insert(it.key(), it.value());
    return base;
}
