#pragma once

#include "notice/NoticeRecord.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The object names of the controls of the two capture windows, each spelled
// once. Code names a control through these constants, so a misspelt name does
// not compile. The names are the contract of scripts and tests and keep the
// forms' own spelling, irregular case included (Txt_9NHAzm000 beside
// Txt_9EC_azm000).
namespace Control {

#define NOTICE_CONTROL(name) inline constexpr QLatin1String name(#name)

// The windows themselves.
NOTICE_CONTROL(FmFrmT01M);
NOTICE_CONTROL(TvFrmT02M);

// Frames.
NOTICE_CONTROL(FrameNotice);
NOTICE_CONTROL(FrameFrg);
NOTICE_CONTROL(FrameIntent);
NOTICE_CONTROL(FrameTrg);
NOTICE_CONTROL(Frame_A11_Only);
NOTICE_CONTROL(FrameCoord);
NOTICE_CONTROL(Frame_9EC_EffAntHeight);
NOTICE_CONTROL(Frame_9NH_AttnH);
NOTICE_CONTROL(Frame_9NV_AttnV);

// Date of notification, fragment, intention, identification.
NOTICE_CONTROL(Txt_Ntc_DD);
NOTICE_CONTROL(Txt_Ntc_MM);
NOTICE_CONTROL(Txt_Ntc_YY);
NOTICE_CONTROL(OptFrg_Ge84);
NOTICE_CONTROL(OptFrg_Ge89);
NOTICE_CONTROL(OptFrg_St61);
NOTICE_CONTROL(OptFrg_A11);
NOTICE_CONTROL(OptInt_Add);
NOTICE_CONTROL(OptInt_Mod);
NOTICE_CONTROL(OptInt_Sup);
NOTICE_CONTROL(OptInt_Wdraw);
NOTICE_CONTROL(Txt_AdmRefID);
NOTICE_CONTROL(Txt_B_Adm);
NOTICE_CONTROL(Txt_3A1_CallSign);
NOTICE_CONTROL(Txt_3A2_StationID);

// The target assignment.
NOTICE_CONTROL(Txt_TrgAdmRefID);
NOTICE_CONTROL(Txt_01A_TrgFreq);
NOTICE_CONTROL(Txt_04C_Deg_Long);
NOTICE_CONTROL(Txt_04C_Min_Long);
NOTICE_CONTROL(Txt_04C_Sec_Long);
NOTICE_CONTROL(Txt_04C_EW);
NOTICE_CONTROL(Txt_04C_Deg_Lat);
NOTICE_CONTROL(Txt_04C_Min_Lat);
NOTICE_CONTROL(Txt_04C_Sec_Lat);
NOTICE_CONTROL(Txt_04C_NS);

// The site.
NOTICE_CONTROL(Txt_4A_SiteName);
NOTICE_CONTROL(Txt_4B_GeoArea);
NOTICE_CONTROL(Txt_4C_Deg_Long);
NOTICE_CONTROL(Txt_4C_Min_Long);
NOTICE_CONTROL(Txt_4C_Sec_Long);
NOTICE_CONTROL(Txt_4C_EW);
NOTICE_CONTROL(Txt_4C_Deg_Lat);
NOTICE_CONTROL(Txt_4C_Min_Lat);
NOTICE_CONTROL(Txt_4C_Sec_Lat);
NOTICE_CONTROL(Txt_4C_NS);
NOTICE_CONTROL(Txt_9EA_SiteAlt);

// Frequency and technical items.
NOTICE_CONTROL(Txt_1A_FreqAssgn);
NOTICE_CONTROL(Txt_70_BDWdth);
NOTICE_CONTROL(Combo_7A1_FreqStabl);
NOTICE_CONTROL(Combo_9D_Polariz);
NOTICE_CONTROL(Txt_8BH_Erp_H);
NOTICE_CONTROL(Txt_8BV_Erp_V);
NOTICE_CONTROL(Txt_7D_TranSys);
NOTICE_CONTROL(Txt_8D_Pwr_Ratio);
NOTICE_CONTROL(Txt_7C1_TvSys);
NOTICE_CONTROL(Combo_7C2_Color_Sys);
NOTICE_CONTROL(Txt_1E_Lf);
NOTICE_CONTROL(Txt_1E_kHz);

// The antenna, and the Article 11 items.
NOTICE_CONTROL(Combo_9_AntDir);
NOTICE_CONTROL(Txt_9E_AntHgt);
NOTICE_CONTROL(Txt_9EB_Eff_hgtmax);
NOTICE_CONTROL(Txt_12A_OpAgcy);
NOTICE_CONTROL(Txt_12B_AddrCde);
NOTICE_CONTROL(Txt_10B_Ophhfr);
NOTICE_CONTROL(Txt_10B_Ophhto);
NOTICE_CONTROL(Txt_2C_DD);
NOTICE_CONTROL(Txt_2C_MM);
NOTICE_CONTROL(Txt_2C_YY);

// The right-hand column.
NOTICE_CONTROL(Txt_notified_Rmks);
NOTICE_CONTROL(Txt_Internal_Rmks);
NOTICE_CONTROL(Button_Next);
NOTICE_CONTROL(Button_Finish);
NOTICE_CONTROL(Button_Reset);
NOTICE_CONTROL(Txt_Filename);
NOTICE_CONTROL(Txt_Ntc_Number);
NOTICE_CONTROL(ChkValidate);
NOTICE_CONTROL(ChkClearFields);

// Labels.
NOTICE_CONTROL(Lbl_DNtc);
NOTICE_CONTROL(Lbl_AdmRefID);
NOTICE_CONTROL(Lbl_B_Adm);
NOTICE_CONTROL(Lbl_3A1_CallSign);
NOTICE_CONTROL(Lbl_3A2_StationID);
NOTICE_CONTROL(Lbl_TrgAdmRefID);
NOTICE_CONTROL(Lbl_01A_TrgFreq);
NOTICE_CONTROL(Lbl_FreqUnit);
NOTICE_CONTROL(Lbl_04C);
NOTICE_CONTROL(Lbl_04C_Long);
NOTICE_CONTROL(Lbl_04C_Lat);
NOTICE_CONTROL(Lbl_4A_Sitename);
NOTICE_CONTROL(Lbl_4B_GeoArea);
NOTICE_CONTROL(Lbl_4C);
NOTICE_CONTROL(Lbl_4C_Long);
NOTICE_CONTROL(Lbl_4C_Lat);
NOTICE_CONTROL(Lbl_9EA_SiteAlt);
NOTICE_CONTROL(Lbl_1A_FreqAssgn);
NOTICE_CONTROL(Lbl_7A0_Bdwdth);
NOTICE_CONTROL(Lbl_7A0_BDWdth_unit);
NOTICE_CONTROL(Lbl_7A1_FreqStabl);
NOTICE_CONTROL(Lbl_9D_Polariz);
NOTICE_CONTROL(Lbl_8BH_Erp_H);
NOTICE_CONTROL(Lbl_8BV_Erp_V);
NOTICE_CONTROL(Lbl_7D_TranSys);
NOTICE_CONTROL(Lbl_8D_PwrRatio);
NOTICE_CONTROL(Lbl_7C1_TvSys);
NOTICE_CONTROL(Lbl_7C2_ColorSys);
NOTICE_CONTROL(Lbl_1E);
NOTICE_CONTROL(Lbl_1E_LF);
NOTICE_CONTROL(Lbl_1E_kHz_Sign);
NOTICE_CONTROL(Lbl_1E_kHz);
NOTICE_CONTROL(Lbl_9_AntDir);
NOTICE_CONTROL(Lbl_9E_AntHgt);
NOTICE_CONTROL(Lbl_9E_unit);
NOTICE_CONTROL(Lbl_9EB_Eff_hgtmax);
NOTICE_CONTROL(Lbl_9EB_unit);
NOTICE_CONTROL(Lbl_12A_OpAgcy);
NOTICE_CONTROL(Lbl_12B_AddrCde);
NOTICE_CONTROL(Lbl_10B_Ophh);
NOTICE_CONTROL(Lbl_10B_OphhFr);
NOTICE_CONTROL(Lbl_10B_OphhTo);
NOTICE_CONTROL(Lbl_2C);
NOTICE_CONTROL(Lbl_11_CoordAdm);
NOTICE_CONTROL(Lbl_9EC_Azm0_350);
NOTICE_CONTROL(Lbl_9NH_Azm0_350);
NOTICE_CONTROL(Lbl_9NV_Azm0_350);
NOTICE_CONTROL(Lbl_Filename);
NOTICE_CONTROL(Lbl_Ntc_Number);
NOTICE_CONTROL(Lbl_Notified_Rmks);
NOTICE_CONTROL(Lbl_Internal_Rmks);

#undef NOTICE_CONTROL

// The families of boxes whose names follow a rule: the three azimuth tables
// (36 boxes each, one per 10 degrees) and the twelve coordinated
// administrations.
enum class AzimuthTableId { EffectiveHeight, HorizontalPattern, VerticalPattern };
constexpr AzimuthTableId AzimuthTables[]
    = {AzimuthTableId::EffectiveHeight, AzimuthTableId::HorizontalPattern, AzimuthTableId::VerticalPattern};

constexpr int AzimuthCount = int(kAzimuthCount); // 0 to 350 degrees in steps of 10
constexpr int CoordinationCount = CoordinationList::kCount;

// "Txt_9EC_azm", "Txt_9NHAzm", "Txt_9NVAzm": followed by the azimuth in three digits.
QLatin1String azimuthPrefix(AzimuthTableId table);

// The box of entry index (0 to 35) of an azimuth table: "Txt_9NHAzm010" for entry 1.
QString azimuthBox(AzimuthTableId table, int index);
// The 36 boxes of an azimuth table, 0 to 350 degrees.
QStringList azimuthBoxes(AzimuthTableId table);
// The frame that holds an azimuth table's boxes: "Frame_9NH_AttnH" for the
// horizontal pattern.
QLatin1String azimuthFrame(AzimuthTableId table);

// Coordinated administration n (1 to 12): "Txt_11_Adm1" ... "Txt_11_Adm12".
QString coordinationBox(int n);
QStringList coordinationBoxes();

} // namespace Control
