#include "NoticeTestSupport.h"

#include "form/ScreenBinding.h"

#include <QtTest>

namespace {

// Every box and list of the form holding its own control name, with the
// polarization "M" and the directivity "D" so that every rule could take its
// item: what stays empty in the record stays empty because of the intention.
Fields fullScreen(FormKind kind)
{
    Fields texts;
    for (const QString &name : formControls(kind)) {
        if (!name.startsWith("Opt"))
            texts.insert(name, name);
    }
    texts.insert("Combo_9D_Polariz", "M");
    texts.insert("Combo_9_AntDir", "D");
    return texts;
}

// The record that a full screen gives for a suppression or withdrawal with the
// ST61 fragment: the notice's own identification comes from the target boxes.
Fields removalOfFullScreen(const QString &action)
{
    return {
        {"action", action},
        {"notice_type", "TB5"},
        {"fragment", "ST61"},
        {"adm", "Txt_B_Adm"},
        {"d_adm_ntc", "Txt_Ntc_YY-Txt_Ntc_MM-Txt_Ntc_DD"},
        {"remarks", "Txt_notified_Rmks"},
        {"int_remarks", "Txt_Internal_Rmks"},
        {"trg.trg_given", "true"},
        {"trg.trg_adm_ref_id", "Txt_TrgAdmRefID"},
        {"trg.trg_freq_assgn", "Txt_01A_TrgFreq"},
        {"trg.trg_long_deg", "Txt_04C_Deg_Long"},
        {"trg.trg_long_min", "Txt_04C_Min_Long"},
        {"trg.trg_long_sec", "Txt_04C_Sec_Long"},
        {"trg.trg_long_ew", "Txt_04C_EW"},
        {"trg.trg_lat_deg", "Txt_04C_Deg_Lat"},
        {"trg.trg_lat_min", "Txt_04C_Min_Lat"},
        {"trg.trg_lat_sec", "Txt_04C_Sec_Lat"},
        {"trg.trg_lat_ns", "Txt_04C_NS"},
        {"adm_ref_id", "Txt_TrgAdmRefID"},
        {"freq_assgn", "Txt_01A_TrgFreq"},
        {"long_deg", "Txt_04C_Deg_Long"},
        {"long_min", "Txt_04C_Min_Long"},
        {"long_sec", "Txt_04C_Sec_Long"},
        {"long_ew", "Txt_04C_EW"},
        {"lat_deg", "Txt_04C_Deg_Lat"},
        {"lat_min", "Txt_04C_Min_Lat"},
        {"lat_sec", "Txt_04C_Sec_Lat"},
        {"lat_ns", "Txt_04C_NS"},
    };
}

const Fields kAdmF{{"Txt_B_Adm", "F"}};

} // namespace

class TestScreenCollection : public QObject
{
    Q_OBJECT

private:
    void columns()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Fields>("texts");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<Fields>("expected");
    }

    static void row(const char *name, FormKind kind, const Fields &texts, const QStringList &selected,
                    const Fields &expected)
    {
        QTest::newRow(name) << int(kind) << texts << selected << expected;
    }

    // Collects the row's screen into a fresh record and compares the whole record.
    void collectAndCompare()
    {
        QFETCH(int, kind);
        QFETCH(Fields, texts);
        QFETCH(QStringList, selected);
        QFETCH(Fields, expected);
        const MapScreen screen(FormKind(kind), texts, selected);
        NoticeRecord record;
        collectScreen(record, screen, FormKind(kind));
        QCOMPARE(screen.unknownNames(), QStringList());
        QCOMPARE(nonEmptyFields(record), expected);
    }

private Q_SLOTS:
    void add_data()
    {
        columns();
        const QStringList add{"OptInt_Add"};
        const Fields t01{{"action", "ADD"}, {"notice_type", "T01"}, {"adm", "F"}};
        const Fields t02{{"action", "ADD"}, {"notice_type", "T02"}, {"adm", "F"}};

        row("target boxes are not read", FormKind::T01,
            merged(kAdmF, {{"Txt_TrgAdmRefID", "X1"}, {"Txt_01A_TrgFreq", "100"},
                           {"Txt_04C_Deg_Long", "5"}, {"Txt_04C_NS", "N"}}),
            add, t01);
        row("coordinates are padded", FormKind::T01,
            merged(kAdmF, {{"Txt_4C_Deg_Long", "5"}, {"Txt_4C_Min_Long", "123"},
                           {"Txt_4C_Sec_Long", "7"}, {"Txt_4C_EW", "E"}, {"Txt_4C_Deg_Lat", "5"},
                           {"Txt_4C_Min_Lat", "3"}, {"Txt_4C_NS", "N"}}),
            add,
            merged(t01, {{"long_deg", "005"}, {"long_min", "123"}, {"long_sec", "07"},
                         {"long_ew", "E"}, {"lat_deg", "05"}, {"lat_min", "03"}, {"lat_ns", "N"}}));
        row("operating hours 7 and 830", FormKind::T01,
            merged(kAdmF, {{"Txt_10B_Ophhfr", "7"}, {"Txt_10B_Ophhto", "830"}}), add,
            merged(t01, {{"op_hours.op_hours_given", "true"}, {"op_hours.op_hh_fr", "0007"},
                         {"op_hours.op_hh_to", "0830"}}));
        row("operating hours 1200 and 12345", FormKind::T02,
            merged(kAdmF, {{"Txt_10B_Ophhfr", "1200"}, {"Txt_10B_Ophhto", "12345"}}), add,
            merged(t02, {{"op_hours.op_hours_given", "true"}, {"op_hours.op_hh_fr", "1200"},
                         {"op_hours.op_hh_to", "12345"}}));
        row("only the end of the operating hours", FormKind::T01,
            merged(kAdmF, {{"Txt_10B_Ophhto", "2200"}}), add,
            merged(t01, {{"op_hours.op_hours_given", "true"}, {"op_hours.op_hh_to", "2200"}}));
        row("dates joined as typed", FormKind::T01,
            merged(kAdmF, {{"Txt_Ntc_YY", "2005"}, {"Txt_Ntc_MM", "12"}, {"Txt_Ntc_DD", "7"},
                           {"Txt_2C_YY", "2006"}, {"Txt_2C_MM", "01"}, {"Txt_2C_DD", "31"}}),
            add, merged(t01, {{"d_adm_ntc", "2005-12-7"}, {"d_inuse", "2006-01-31"}}));
        row("notification date without its day", FormKind::T01,
            merged(kAdmF, {{"Txt_Ntc_YY", "2005"}, {"Txt_Ntc_MM", "12"}}), add, t01);
        row("blanks count as filled", FormKind::T01,
            merged(kAdmF, {{"Txt_3A1_CallSign", "  "}, {"Txt_4A_SiteName", " PARIS "}}), add,
            merged(t01, {{"call_sign", "  "}, {"site_name", " PARIS "}}));
        row("no geographical area, the rest is read", FormKind::T01,
            merged(kAdmF, {{"Txt_4B_GeoArea", ""}, {"Txt_1A_FreqAssgn", "98.5"}}), add,
            merged(t01, {{"freq_assgn", "98.5"}}));
        row("effective height at azimuth 0", FormKind::T01,
            merged(kAdmF, {{"Txt_9EC_azm000", "300"}}), add, merged(t01, {{"eff_hgt[0]", "0=300"}}));
        row("effective height at azimuth 190 only", FormKind::T02,
            merged(kAdmF, {{"Txt_9EC_azm190", "75"}}), add, merged(t02, {{"eff_hgt[19]", "190=75"}}));
        row("coordination boxes 2 and 5", FormKind::T01,
            merged(kAdmF, {{"Txt_11_Adm2", "D"}, {"Txt_11_Adm5", "SUI"}}), add,
            merged(t01, {{"coord.coord_given", "true"}, {"coord.coord_adm(2)", "D"},
                         {"coord.coord_adm(5)", "SUI"}}));
        row("coordination box 12", FormKind::T02, merged(kAdmF, {{"Txt_11_Adm12", "I"}}), add,
            merged(t02, {{"coord.coord_given", "true"}, {"coord.coord_adm(12)", "I"}}));
        row("horizontal power with polarization V", FormKind::T01,
            merged(kAdmF, {{"Txt_8BH_Erp_H", "30"}, {"Combo_9D_Polariz", "V"}}), add,
            merged(t01, {{"polar", "V"}}));
        row("both powers with polarization M", FormKind::T01,
            merged(kAdmF, {{"Txt_8BH_Erp_H", "30"}, {"Txt_8BV_Erp_V", "27"}, {"Combo_9D_Polariz", "M"}}),
            add, merged(t01, {{"polar", "M"}, {"erp_h_dbw", "30"}, {"erp_v_dbw", "27"}}));
        row("powers without polarization", FormKind::T01,
            merged(kAdmF, {{"Txt_8BH_Erp_H", "30"}, {"Txt_8BV_Erp_V", "27"}}), add, t01);
        row("vertical power with polarization V", FormKind::T02,
            merged(kAdmF, {{"Txt_8BH_Erp_H", "30"}, {"Txt_8BV_Erp_V", "27"}, {"Combo_9D_Polariz", "V"}}),
            add, merged(t02, {{"polar", "V"}, {"erp_v_dbw", "27"}}));
        row("polarization codes are case-sensitive", FormKind::T01,
            merged(kAdmF, {{"Txt_8BH_Erp_H", "30"}, {"Combo_9D_Polariz", "h"}}), add,
            merged(t01, {{"polar", "h"}}));

        const Fields patterns{{"Txt_9NHAzm000", "1"}, {"Txt_9NHAzm350", "2"}, {"Txt_9NVAzm010", "3"}};
        row("directional, polarization H", FormKind::T01,
            merged(kAdmF, merged(patterns, {{"Combo_9_AntDir", "D"}, {"Combo_9D_Polariz", "H"}})), add,
            merged(t01, {{"polar", "H"}, {"attn_h[0]", "0=1"}, {"attn_h[35]", "350=2"}}));
        row("directional, polarization V", FormKind::T01,
            merged(kAdmF, merged(patterns, {{"Combo_9_AntDir", "D"}, {"Combo_9D_Polariz", "V"}})), add,
            merged(t01, {{"polar", "V"}, {"attn_v[1]", "10=3"}}));
        row("directional, polarization M", FormKind::T02,
            merged(kAdmF, merged(patterns, {{"Combo_9_AntDir", "D"}, {"Combo_9D_Polariz", "M"}})), add,
            merged(t02, {{"polar", "M"}, {"attn_h[0]", "0=1"}, {"attn_h[35]", "350=2"},
                         {"attn_v[1]", "10=3"}}));
        row("non-directional", FormKind::T01,
            merged(kAdmF, merged(patterns, {{"Combo_9_AntDir", "ND"}, {"Combo_9D_Polariz", "M"}})), add,
            merged(t01, {{"polar", "M"}}));
        row("directional without polarization", FormKind::T01,
            merged(kAdmF, merged(patterns, {{"Combo_9_AntDir", "D"}})), add, t01);
        row("no directivity chosen", FormKind::T01,
            merged(kAdmF, merged(patterns, {{"Combo_9D_Polariz", "H"}})), add,
            merged(t01, {{"polar", "H"}}));

        row("T01 items", FormKind::T01,
            merged(kAdmF, {{"Txt_70_BDWdth", "180"}, {"Txt_7D_TranSys", "4"}}), add,
            merged(t01, {{"bdwdth", "180"}, {"tran_sys", "4"}}));
        row("T02 items", FormKind::T02,
            merged(kAdmF, {{"Combo_7A1_FreqStabl", "NORMAL"}, {"Txt_1E_Lf", "8"}, {"Txt_1E_kHz", "10"},
                           {"Txt_7C1_TvSys", "B"}, {"Combo_7C2_Color_Sys", "PAL"},
                           {"Txt_8D_Pwr_Ratio", "10"}}),
            add,
            merged(t02, {{"freq_stabl", "NORMAL"}, {"oset_v_12", "8"}, {"oset_v_khz", "10"},
                         {"tran_sys", "B"}, {"color", "PAL"}, {"pwr_ratio", "10"}}));
        row("fragment GE84", FormKind::T01, kAdmF, {"OptInt_Add", "OptFrg_Ge84"},
            merged(t01, {{"fragment", "GE84"}}));
        row("fragment GE89", FormKind::T02, kAdmF, {"OptInt_Add", "OptFrg_Ge89"},
            merged(t02, {{"fragment", "GE89"}}));
        row("fragment ST61", FormKind::T02, kAdmF, {"OptInt_Add", "OptFrg_St61"},
            merged(t02, {{"fragment", "ST61"}}));
        row("fragment Article 11", FormKind::T01, kAdmF, {"OptInt_Add", "OptFrg_A11"},
            merged(t01, {{"fragment", "NTFD_RR"}}));
        row("station items as typed", FormKind::T01,
            merged(kAdmF, {{"Txt_AdmRefID", "F-001"}, {"Txt_4B_GeoArea", "F"}, {"Txt_3A1_CallSign", "FIP"},
                           {"Txt_3A2_StationID", "PARIS 1"}, {"Txt_9E_AntHgt", "150"},
                           {"Txt_9EB_Eff_hgtmax", "320"}, {"Txt_9EA_SiteAlt", "130"},
                           {"Txt_12B_AddrCde", "A"}, {"Txt_12A_OpAgcy", "012"},
                           {"Txt_notified_Rmks", "first"}, {"Txt_Internal_Rmks", "second"}}),
            add,
            merged(t01, {{"adm_ref_id", "F-001"}, {"ctry", "F"}, {"call_sign", "FIP"},
                         {"station_id", "PARIS 1"}, {"hgt_agl", "150"}, {"eff_hgtmax", "320"},
                         {"site_alt", "130"}, {"addr_code", "A"}, {"op_agcy", "012"},
                         {"remarks", "first"}, {"int_remarks", "second"}}));
    }
    void add() { collectAndCompare(); }

    void modify_data()
    {
        columns();
        const QStringList modify{"OptInt_Mod"};
        row("station and target both read", FormKind::T02,
            merged(kAdmF, {{"Txt_AdmRefID", "OWN"}, {"Txt_1A_FreqAssgn", "500"}, {"Txt_TrgAdmRefID", "TRG"},
                           {"Txt_01A_TrgFreq", "600"}, {"Txt_04C_Deg_Long", "5"},
                           {"Txt_04C_Min_Long", "3"}, {"Txt_04C_EW", "W"}, {"Txt_04C_Deg_Lat", "5"},
                           {"Txt_04C_Sec_Lat", "9"}, {"Txt_04C_NS", "S"}, {"Txt_4C_Deg_Long", "12"}}),
            modify,
            {{"action", "MODIFY"}, {"notice_type", "T02"}, {"adm", "F"}, {"adm_ref_id", "OWN"},
             {"freq_assgn", "500"}, {"long_deg", "012"}, {"trg.trg_given", "true"},
             {"trg.trg_adm_ref_id", "TRG"}, {"trg.trg_freq_assgn", "600"}, {"trg.trg_long_deg", "005"},
             {"trg.trg_long_min", "03"}, {"trg.trg_long_ew", "W"}, {"trg.trg_lat_deg", "05"},
             {"trg.trg_lat_sec", "09"}, {"trg.trg_lat_ns", "S"}});
        row("one target box sets the flag", FormKind::T01,
            merged(kAdmF, {{"Txt_04C_Sec_Long", "7"}}), modify,
            {{"action", "MODIFY"}, {"notice_type", "T01"}, {"adm", "F"}, {"trg.trg_given", "true"},
             {"trg.trg_long_sec", "07"}});
        row("no target box", FormKind::T01, kAdmF, modify,
            {{"action", "MODIFY"}, {"notice_type", "T01"}, {"adm", "F"}});
        row("tables are read", FormKind::T01,
            merged(kAdmF, {{"Txt_11_Adm1", "D"}, {"Txt_9EC_azm350", "10"}}), modify,
            {{"action", "MODIFY"}, {"notice_type", "T01"}, {"adm", "F"}, {"coord.coord_given", "true"},
             {"coord.coord_adm(1)", "D"}, {"eff_hgt[35]", "350=10"}});
    }
    void modify() { collectAndCompare(); }

    void suppress_data()
    {
        columns();
        row("T02 form, every box filled", FormKind::T02, fullScreen(FormKind::T02),
            {"OptInt_Sup", "OptFrg_St61"}, removalOfFullScreen("SUPPRESS"));
        row("T01 form, every box filled", FormKind::T01, fullScreen(FormKind::T01),
            {"OptInt_Sup", "OptFrg_St61"}, removalOfFullScreen("SUPPRESS"));
        row("own items are not read when the target box is empty", FormKind::T01,
            merged(kAdmF, {{"Txt_AdmRefID", "OWN"}, {"Txt_1A_FreqAssgn", "98.5"}, {"Txt_4C_Deg_Long", "2"},
                           {"Txt_01A_TrgFreq", "100"}, {"Txt_04C_Deg_Lat", "7"}}),
            {"OptInt_Sup"},
            {{"action", "SUPPRESS"}, {"notice_type", "TB5"}, {"adm", "F"}, {"trg.trg_given", "true"},
             {"trg.trg_freq_assgn", "100"}, {"trg.trg_lat_deg", "07"}, {"freq_assgn", "100"},
             {"lat_deg", "07"}});
    }
    void suppress() { collectAndCompare(); }

    void withdraw_data()
    {
        columns();
        row("T01 form, every box filled", FormKind::T01, fullScreen(FormKind::T01),
            {"OptInt_Wdraw", "OptFrg_St61"}, removalOfFullScreen("WITHDRAW"));
        row("T02 form, every box filled", FormKind::T02, fullScreen(FormKind::T02),
            {"OptInt_Wdraw", "OptFrg_St61"}, removalOfFullScreen("WITHDRAW"));
        row("no target box", FormKind::T02,
            merged(kAdmF, {{"Txt_AdmRefID", "OWN"}, {"Txt_Ntc_YY", "2005"}, {"Txt_Ntc_MM", "12"},
                           {"Txt_Ntc_DD", "7"}, {"Txt_2C_YY", "2004"}, {"Txt_2C_MM", "1"},
                           {"Txt_2C_DD", "1"}}),
            {"OptInt_Wdraw", "OptFrg_A11"},
            {{"action", "WITHDRAW"}, {"notice_type", "TB5"}, {"adm", "F"}, {"fragment", "NTFD_RR"},
             {"d_adm_ntc", "2005-12-7"}});
    }
    void withdraw() { collectAndCompare(); }

    void noIntention_data()
    {
        columns();
        row("T01: every step runs", FormKind::T01,
            merged(kAdmF, {{"Txt_AdmRefID", "OWN"}, {"Txt_1A_FreqAssgn", "98.5"}, {"Txt_4C_Deg_Long", "2"},
                           {"Txt_4C_EW", "E"}, {"Txt_TrgAdmRefID", "TRG"}, {"Txt_04C_Deg_Long", "3"},
                           {"Txt_11_Adm3", "D"}, {"Txt_9EC_azm010", "5"}}),
            {},
            {{"notice_type", "T01"}, {"adm", "F"}, {"adm_ref_id", "TRG"}, {"freq_assgn", "98.5"},
             {"long_deg", "003"}, {"long_ew", "E"}, {"trg.trg_given", "true"},
             {"trg.trg_adm_ref_id", "TRG"}, {"trg.trg_long_deg", "003"}, {"coord.coord_given", "true"},
             {"coord.coord_adm(3)", "D"}, {"eff_hgt[1]", "10=5"}});
        row("T02: own items stay without target", FormKind::T02,
            merged(kAdmF, {{"Txt_AdmRefID", "OWN"}, {"Txt_7C1_TvSys", "K"}}), {},
            {{"notice_type", "T02"}, {"adm", "F"}, {"adm_ref_id", "OWN"}, {"tran_sys", "K"}});
        row("T02: empty screen", FormKind::T02, {}, {}, {{"notice_type", "T02"}});
    }
    void noIntention() { collectAndCompare(); }

    void leavesTheRecordOfAnEmptyBoxAlone()
    {
        // Copying an empty box leaves the field as it was; setting does not.
        const MapScreen screen(FormKind::T01, {}, {"OptInt_Add"});
        NoticeRecord record;
        record.call_sign = "KEEP";
        record.ctry = "GONE";
        collectScreen(record, screen, FormKind::T01);
        QCOMPARE(record.call_sign, QString("KEEP"));
        QCOMPARE(record.ctry, QString());
    }
};

QTEST_GUILESS_MAIN(TestScreenCollection)
#include "tst_screencollection.moc"
