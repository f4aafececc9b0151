// The controls inside the notice frame: the date of notification, fragment and
// intention, the identification, the target assignment, the site, the
// technical items, the antenna and the Article 11 items, with their labels.
// Positions are in twips relative to the frame that holds the control; tab
// indices and positions are T01's unless a row gives T02's too.
//
// The texts are stored exactly as the windows show them: leading, trailing and
// doubled blanks, the en dashes (–), the closing quote mark (”) and the odd
// spellings are all intended.

#include "form/FieldCatalogue.h"
#include "form/FieldRules.h"
#include "notice/NoticeCodes.h"

namespace catalogue {
namespace {

using namespace Control;
using R = NoticeRecord;
using T = TargetAssignment;

const Forms T01 = Forms::T01Only;
const Forms T02 = Forms::T02Only;
const Look Small = Look::SmallLabel;
const Look Item = Look::ItemNumberLabel;

// A list's entries: the empty one, then the codes the notice file takes.
QStringList entries(const QStringList &codes)
{
    return QStringList{QString()} + codes;
}

const QStringList FrequencyStabilityEntries = entries(NoticeCodes::frequencyStabilities());
const QStringList ColourSystemEntries = entries(NoticeCodes::colourSystems());
const QStringList DirectivityEntries = {"", "D", "ND"};
const QStringList PolarizationEntries = entries(NoticeCodes::polarizations());

// Widths that show the whole caption or entry ("Withdraw", "PRECISION",
// "SECAM") in the window's fonts; each stays clear of the next control, and
// the control keeps its place.
constexpr int WithdrawWidth = 870;            // 810 in the design
constexpr int FrequencyStabilityWidth = 1200; // 1050 in the design
constexpr int ColourSystemWidth = 960;        // 810 in the design
constexpr int DateLabelWidth = 750;           // 735 in the design: "Notificación"

// A box of the station that the partial clear empties and that is hidden with
// the station items.
Row stationBox(QLatin1String name, int left, int top, int width, int maxLength, Binding binding)
{
    return textBox(name, FrameNotice, left, top, width, maxLength)
        .clears(ClearGroup::NoticeItems)
        .hiddenWithStation()
        .binds(binding);
}

Row stationList(QLatin1String name, int left, int top, int width, const QStringList &entries, int height = ListHeight)
{
    return list(name, left, top, width, height).clears(ClearGroup::NoticeItems).hiddenWithStation().entries(entries);
}

Row targetBox(QLatin1String name, int left, int width, int maxLength, Binding binding)
{
    return textBox(name, FrameTrg, left, 480, width, maxLength).clears(ClearGroup::Target).binds(binding);
}

Row article11Box(QLatin1String name, int left, int width, int maxLength, Binding binding)
{
    return textBox(name, Frame_A11_Only, left, 405, width, maxLength).clears(ClearGroup::Article11).binds(binding);
}

Row fragmentOption(QLatin1String name, int top, int width, int height, const char *caption, const char *code)
{
    return option(name, FrameFrg, 30, top, width, height, caption).clears(ClearGroup::Fragment).binds(fragment(code));
}

Row intentionOption(QLatin1String name, int left, int top, int width, int height, const char *caption,
                    const char *action)
{
    return option(name, FrameIntent, left, top, width, height, caption)
        .clears(ClearGroup::Intention)
        .binds(intention(action));
}

} // namespace

// The rows read as a table, one control per line: kept as laid out by hand.
// clang-format off
QList<Row> noticeFrameRows()
{
    const Reading always = Reading::Always;
    const Reading station = Reading::ForStation;
    return {
        frame(FrameNotice, {}, 0, -90, 11955, 4305).atOnT02(Same, -105),
        frame(FrameFrg, FrameNotice, 2280, 120, 885, 825)
            .named(QT_TRANSLATE_NOOP("SpokenWords", "Fragment")),
        frame(FrameIntent, FrameNotice, 3360, 120, 960, 990)
            .named(QT_TRANSLATE_NOOP("SpokenWords", "Intention")),
        frame(FrameTrg, FrameNotice, 0, 1200, 10350, 855,
              " Identification of the Assignment to be: Modified, Suppressed or Withdrawn ", Look::RedFrame)
            .caption(u" Identification of the Assignment to be: Modified, Suppressed or Withdrawn ",
                     u" Identification de l'assignation à modifier, supprimer ou retirer",
                     u" Identificación de la asignación a : Modificar, Suprimir o Retirar "),
        frame(Frame_A11_Only, FrameNotice, 4035, 3390, 7920, 915, " RR Article 11 Only ", Look::RedFrame)
            .caption(u" RR Article 11 Only ", u" Article 11 (RR) uniquement", u" RR Artículo 11 únicamente "),

        // Row 1: date of notification, fragment and intention, identification.
        textBox(Txt_Ntc_DD, FrameNotice, 870, 240, 375, 2).tab(1).rule(Rule::NoticeDay)
            .clears(ClearGroup::NotificationDate).binds(datePart(&R::d_adm_ntc, DatePart::Day, always))
            .namedBy({Lbl_DNtc}),
        textBox(Txt_Ntc_MM, FrameNotice, 1230, 240, 375, 2).tab(2).rule(Rule::NoticeMonth)
            .clears(ClearGroup::NotificationDate).binds(datePart(&R::d_adm_ntc, DatePart::Month, always))
            .namedBy({Lbl_DNtc}),
        textBox(Txt_Ntc_YY, FrameNotice, 1590, 240, 495, 4).tab(3).rule(Rule::NoticeYear)
            .clears(ClearGroup::NotificationDate).binds(datePart(&R::d_adm_ntc, DatePart::Year, always))
            .namedBy({Lbl_DNtc}),
        fragmentOption(OptFrg_Ge84, 135, 675, 195, "GE84", NoticeCodes::Ge84).tab(4).on(T01),
        fragmentOption(OptFrg_Ge89, 135, 675, 195, "GE89", NoticeCodes::Ge89).tab(4).on(T02),
        fragmentOption(OptFrg_St61, 285, 585, 255, "ST61", NoticeCodes::St61).tab(5),
        fragmentOption(OptFrg_A11, 525, 690, 195, "Art. 11", NoticeCodes::NtfdRr).tab(6),
        intentionOption(OptInt_Add, 45, 120, 615, 195, "Add", NoticeCodes::Add).tab(7),
        intentionOption(OptInt_Mod, 45, 315, 615, 180, "Mod", NoticeCodes::Modify).tab(8),
        intentionOption(OptInt_Sup, 45, 510, 615, 180, "Sup", NoticeCodes::Suppress).tab(9),
        intentionOption(OptInt_Wdraw, 30, 735, WithdrawWidth, 150, "Withdraw", NoticeCodes::Withdraw).tab(10),
        stationBox(Txt_AdmRefID, 4440, 405, 2655, 20, text(&R::adm_ref_id)).tab(11)
            .namedBy({Lbl_AdmRefID}),
        textBox(Txt_B_Adm, FrameNotice, 7140, 405, 675, 3).tab(12).rule(Rule::NotifyingAdministration).capitals()
            .binds(text(&R::adm, always, Condition::EvenEmpty))
            .tip(u"Notifying Administration", u"Administration notificatrice", u"Administración notificante”"),
        stationBox(Txt_3A1_CallSign, 8520, 405, 1770, 10, text(&R::call_sign)).tab(13).capitals()
            .tip(u"Call sign", u"Indicatif d'appel", u"Distintivo de llamada"),
        stationBox(Txt_3A2_StationID, 7920, 840, 2460, 20, text(&R::station_id)).tab(14).capitals()
            .tip(u"Station identification", u"Identification de la station", u"Identificación de la estación")
            .namedBy({Lbl_3A2_StationID}),

        // The target assignment: a modification, suppression or withdrawal
        // names the recorded assignment it refers to.
        targetBox(Txt_TrgAdmRefID, 120, 2535, 20, target(&T::trg_adm_ref_id, &R::adm_ref_id)).tab(15),
        targetBox(Txt_01A_TrgFreq, 3315, 780, 6, target(&T::trg_freq_assgn, &R::freq_assgn)).tab(16)
            .rule(Rule::TargetFrequency)
            .tip(u"Assigned frequency of the target",
                 u"Fréquence assignée de l'assignation à modifier, supprimer ou retirer",
                 u"Frecuencia asignada de la asignación a modificar/suprimir"),
        targetBox(Txt_04C_Deg_Long, 4980, 480, 3, target(&T::trg_long_deg, &R::long_deg, 3)).tab(17)
            .rule(Rule::TargetLongitudeDegrees)
            .namedBy({Lbl_04C, Lbl_04C_Long}, NamePart::Degrees),
        targetBox(Txt_04C_Min_Long, 5460, 375, 2, target(&T::trg_long_min, &R::long_min, 2)).tab(18)
            .rule(Rule::TargetLongitudeMinutes)
            .namedBy({Lbl_04C, Lbl_04C_Long}, NamePart::Minutes),
        targetBox(Txt_04C_Sec_Long, 5835, 375, 2, target(&T::trg_long_sec, &R::long_sec, 2)).tab(19)
            .rule(Rule::TargetLongitudeMinutes)
            .namedBy({Lbl_04C, Lbl_04C_Long}, NamePart::Seconds),
        targetBox(Txt_04C_EW, 6225, 255, 1, target(&T::trg_long_ew, &R::long_ew)).tab(20)
            .rule(Rule::TargetEastWest).capitals()
            .namedBy({Lbl_04C, Lbl_04C_Long}, NamePart::Hemisphere),
        targetBox(Txt_04C_Deg_Lat, 6900, 375, 2, target(&T::trg_lat_deg, &R::lat_deg, 2)).tab(21)
            .rule(Rule::TargetLatitudeDegrees)
            .namedBy({Lbl_04C, Lbl_04C_Lat}, NamePart::Degrees),
        targetBox(Txt_04C_Min_Lat, 7275, 375, 2, target(&T::trg_lat_min, &R::lat_min, 2)).tab(22)
            .rule(Rule::TargetLatitudeMinutes)
            .namedBy({Lbl_04C, Lbl_04C_Lat}, NamePart::Minutes),
        targetBox(Txt_04C_Sec_Lat, 7635, 375, 2, target(&T::trg_lat_sec, &R::lat_sec, 2)).tab(23)
            .rule(Rule::TargetLatitudeMinutes)
            .namedBy({Lbl_04C, Lbl_04C_Lat}, NamePart::Seconds),
        targetBox(Txt_04C_NS, 8010, 225, 1, target(&T::trg_lat_ns, &R::lat_ns)).tab(24)
            .rule(Rule::TargetNorthSouth).capitals()
            .namedBy({Lbl_04C, Lbl_04C_Lat}, NamePart::Hemisphere),

        // Row 3: the site.
        stationBox(Txt_4A_SiteName, 150, 2340, 3930, 30, text(&R::site_name)).tab(25).capitals()
            .tip(u"Name of the location of the transmitting station",
                 u"Nom de l'emplacement de la station d'émission",
                 u"Nombre del emplazamiento de la estación transmisora"),
        stationBox(Txt_4B_GeoArea, 4470, 2340, 555, 3, text(&R::ctry, station, Condition::EvenEmpty)).tab(26)
            .rule(Rule::GeographicalArea).capitals()
            .tip(u"Country or geographical area", u"Pays ou zone géographique", u"País o zona geográfica"),
        stationBox(Txt_4C_Deg_Long, 5835, 2340, 480, 3, text(&R::long_deg, station, Condition::IfGiven, 3)).tab(27)
            .rule(Rule::SiteLongitudeDegrees)
            .namedBy({Lbl_4C, Lbl_4C_Long}, NamePart::Degrees),
        stationBox(Txt_4C_Min_Long, 6330, 2340, 375, 2, text(&R::long_min, station, Condition::IfGiven, 2)).tab(28)
            .rule(Rule::SiteLongitudeMinutes)
            .namedBy({Lbl_4C, Lbl_4C_Long}, NamePart::Minutes),
        stationBox(Txt_4C_Sec_Long, 6735, 2340, 375, 2, text(&R::long_sec, station, Condition::IfGiven, 2)).tab(29)
            .rule(Rule::SiteLongitudeMinutes)
            .namedBy({Lbl_4C, Lbl_4C_Long}, NamePart::Seconds),
        stationBox(Txt_4C_EW, 7110, 2340, 255, 1, text(&R::long_ew)).tab(30).rule(Rule::SiteEastWest).capitals()
            .namedBy({Lbl_4C, Lbl_4C_Long}, NamePart::Hemisphere),
        stationBox(Txt_4C_Deg_Lat, 7560, 2340, 375, 2, text(&R::lat_deg, station, Condition::IfGiven, 2)).tab(31)
            .rule(Rule::SiteLatitudeDegrees)
            .namedBy({Lbl_4C, Lbl_4C_Lat}, NamePart::Degrees),
        stationBox(Txt_4C_Min_Lat, 7920, 2340, 375, 2, text(&R::lat_min, station, Condition::IfGiven, 2)).tab(32)
            .rule(Rule::SiteLatitudeMinutes)
            .namedBy({Lbl_4C, Lbl_4C_Lat}, NamePart::Minutes),
        stationBox(Txt_4C_Sec_Lat, 8295, 2340, 375, 2, text(&R::lat_sec, station, Condition::IfGiven, 2)).tab(33)
            .rule(Rule::SiteLatitudeMinutes)
            .namedBy({Lbl_4C, Lbl_4C_Lat}, NamePart::Seconds),
        stationBox(Txt_4C_NS, 8685, 2340, 225, 1, text(&R::lat_ns)).tab(34).rule(Rule::SiteNorthSouth).capitals()
            .namedBy({Lbl_4C, Lbl_4C_Lat}, NamePart::Hemisphere),
        stationBox(Txt_9EA_SiteAlt, 9450, 2340, 810, 5, text(&R::site_alt)).tab(35).rule(Rule::SiteAltitude)
            .tip(u"Altitude of site above sea level [m]",
                 u"Altitude de l'emplacement par rapport au niveau de la mer [m]",
                 u"Altitud del emplazamiento sobre el nivel del mar [m]"),

        // Row 4: frequency and technical items, where the forms differ.
        stationBox(Txt_1A_FreqAssgn, 150, 2940, 780, 6, text(&R::freq_assgn)).tab(36).rule(Rule::AssignedFrequency)
            .tip(u"Assigned frequency [MHz]", u"Fréquence assignée [MHz]", u"Frecuencia asignada [MHz]"),
        stationBox(Txt_70_BDWdth, 1470, 2940, 615, 3, text(&R::bdwdth)).tab(37).on(T01).rule(Rule::Bandwidth)
            .tip(u"Necessary Bandwidth", u"Largeur de bande nécessaire", u"Anchura de banda necesaria"),
        stationList(Combo_7A1_FreqStabl, 1170, 2940, FrequencyStabilityWidth, FrequencyStabilityEntries).tab(37).on(T02)
            .binds(text(&R::freq_stabl))
            .tip(u"Frequency stability for analogue television (RELAXED, NORMAL or PRECISION).",
                 u"Stabilité de fréquence", u"Estabilidad de frecuencia"),
        stationList(Combo_9D_Polariz, 2880, 2910, 525, PolarizationEntries).tab(38).atOnT02(2445, Same)
            .binds(text(&R::polar))
            .tip(u"Polarization", u"Polarisation", u"Polarización"),
        stationBox(Txt_8BH_Erp_H, 4065, 2940, 810, 5, text(&R::erp_h_dbw, station, Condition::WithHorizontal))
            .tab(39).atOnT02(3105, Same).rule(Rule::RadiatedPower)
            .tip(u"Maximum effective radiated power (dBW) – Horizontal component",
                 u"Puissance apparente rayonnée maximale (dBW) – Composante horizontale",
                 u"Potencia radiada aparente máxima (dBW) (dBW) - Componente horizontal"),
        stationBox(Txt_8BV_Erp_V, 5655, 2940, 810, 5, text(&R::erp_v_dbw, station, Condition::WithVertical))
            .tab(40).atOnT02(4080, Same).rule(Rule::RadiatedPower)
            .tip(u"Maximum effective radiated power (dBW) – Vertical component",
                 u"Puissance apparente rayonnée maximale (dBW) – Composante verticale",
                 u"Potencia radiada aparente máxima (dBW) – Componente vertical"),
        stationBox(Txt_7D_TranSys, 7275, 2940, 465, 2, text(&R::tran_sys)).tab(41).on(T01)
            .rule(Rule::TransmissionSystem)
            .tip(u"Tranmission system", u"Système de transmission", u"Sistema de transmisión"),
        stationBox(Txt_8D_Pwr_Ratio, 5025, 2940, 390, 2, text(&R::pwr_ratio)).tab(41).on(T02).rule(Rule::PowerRatio)
            .tip(u"Vision/sound power ratio", u"Rapport de puissance porteuse image/porteuse son",
                 u"Relación de potencias imagen/sonido"),
        stationBox(Txt_7C1_TvSys, 5550, 2940, 465, 2, text(&R::tran_sys)).tab(42).on(T02).capitals()
            .tip(u"Television system", u"Système de télévision", u"Sistema de televisión"),
        stationList(Combo_7C2_Color_Sys, 6210, 2940, ColourSystemWidth, ColourSystemEntries).tab(43).on(T02)
            .binds(text(&R::color))
            .tip(u"Colour system", u"Système couleur", u"Sistema de color"),
        stationBox(Txt_1E_Lf, 7290, 2940, 645, 4, text(&R::oset_v_12)).tab(44).on(T02).rule(Rule::FrequencyOffset)
            .tip(u"Frequency offset, in terms of the line frequency",
                 u"Décalage de fréquence, en 1/12 de la fréquence de ligne",
                 u"Desplazamiento de frecuencia, en términos de la frecuencia de línea"),
        stationBox(Txt_1E_kHz, 8748, 2940, 645, 4, text(&R::oset_v_khz)).tab(45).on(T02).rule(Rule::FrequencyOffset)
            .tip(u"Frequency offset, in kHz", u"Décalage de fréquence, en kHz", u"Desplazamiento de frecuencia (kHz)")
            .namedBy({Lbl_1E}),

        // Row 5: the antenna, and the Article 11 items beside it. The
        // directivity feeds no field of its own: it decides whether the
        // attenuation tables are taken (see ScreenBinding).
        stationList(Combo_9_AntDir, 150, 3765, 615, DirectivityEntries, 288).tab(42, 46)
            .tip(u"Directivity of the antenna", u"Directivité de l'antenne", u"Directividad de la antena"),
        stationBox(Txt_9E_AntHgt, 1065, 3765, 555, 3, text(&R::hgt_agl)).tab(43, 47).rule(Rule::AntennaHeight)
            .tip(u"Height of antenna above ground level", u"Hauteur d'antenne au-dessus du sol[m]",
                 u"Altura de la antena"),
        stationBox(Txt_9EB_Eff_hgtmax, 2460, 3765, 810, 5, text(&R::eff_hgtmax)).tab(44, 48)
            .rule(Rule::MaxEffectiveHeight)
            .tip(u"Maximum effective antenna height", u"Hauteur d'antenne équivalente maximale [m]",
                 u"Altura efectiva máxima de la antena"),
        article11Box(Txt_12A_OpAgcy, 405, 630, 3, text(&R::op_agcy)).tab(45, 49).rule(Rule::OperatingAgency)
            .tip(u"Code (three digits) of Operating administration or agency",
                 u"Code (trois digits) de l'Administration ou la compagine exploitante",
                 u"Símbolo (tres números) de la administración o entidad explotadora."),
        article11Box(Txt_12B_AddrCde, 1455, 495, 2, text(&R::addr_code)).tab(46, 50)
            .rule(Rule::ResponsibleAdministration).capitals()
            .tip(u"Code (one character) of Postal and telegraphic addresses of the administration responsible "
                 u"for the station",
                 u"Adresses postale et télégraphique de l'administration dont relève la station (Symbole à un "
                 u"caractère)",
                 u"Símbolo (un carácter) de la Dirección postal y telegráfica de la administración responsable de "
                 u"la estación"),
        article11Box(Txt_10B_Ophhfr, 2280, 765, 4, hours(&OperatingHours::op_hh_fr)).tab(47, 51)
            .rule(Rule::OperatingHours)
            .tip(u"Regular hours (UTC) of operation [Start]", u"Horaire normal (UTC) de fonctionnement [Début]",
                 u"Horario normal de funcionamiento (UTC) de la asignación de frecuencia [desde las]")
            .namedBy({Lbl_10B_Ophh}),
        article11Box(Txt_10B_Ophhto, 3600, 765, 4, hours(&OperatingHours::op_hh_to)).tab(48, 52)
            .rule(Rule::OperatingHours)
            .tip(u"Regular hours (UTC) of operation [End]", u"Horaire normal (UTC) de fonctionnement [Fin]",
                 u"Horario normal de funcionamiento (UTC) de la asignación de frecuencia [a las]")
            .namedBy({Lbl_10B_Ophh}),
        article11Box(Txt_2C_DD, 4725, 375, 2, datePart(&R::d_inuse, DatePart::Day, station)).tab(49, 53)
            .rule(Rule::InUseDay)
            .tip(u"Date of bringing into use [Day]", u"Date de mise en service [Jour]",
                 u"Fecha de puesta en servicio [Día]"),
        article11Box(Txt_2C_MM, 5100, 375, 2, datePart(&R::d_inuse, DatePart::Month, station)).tab(50, 54)
            .rule(Rule::InUseMonth)
            .tip(u"Date of bringing into use [Month]", u"Date de mise en service [Mois]",
                 u"Fecha de puesta en servicio [Mes]")
            .namedBy({Lbl_2C}),
        article11Box(Txt_2C_YY, 5460, 495, 4, datePart(&R::d_inuse, DatePart::Year, station)).tab(51, 55)
            .rule(Rule::InUseYear)
            .tip(u"Date of bringing into use [Year]", u"Date de mise en service [Année]",
                 u"Fecha de puesta en servicio [Año]")
            .namedBy({Lbl_2C}),

        // Labels.
        labelAt(Lbl_DNtc, "Date of Notification", FrameNotice, Small, 120, 285, DateLabelWidth, 375)
            .caption(u"Date of Notification", u"Date de Notification", u"Fecha de Notificación"),
        labelAt(Lbl_AdmRefID, "Administration's unique ID of the notice", FrameNotice, Small, 4440, 210, 2655)
            .hiddenWithStation()
            .caption(u"Administration's unique ID of the notice", u"Id unique attribué par l'administration",
                     u"Identificador único de la notificación"),
        label(Lbl_B_Adm, "B").above(Txt_B_Adm),
        label(Lbl_3A1_CallSign, "3A1").above(Txt_3A1_CallSign).hiddenWithStation(),
        labelAt(Lbl_3A2_StationID, "3A2", FrameNotice, Item, 7485, 735, 420).hiddenWithStation(),
        label(Lbl_TrgAdmRefID, "Administration's unique ID of the target", Small).above(Txt_TrgAdmRefID)
            .caption(u"Administration's unique ID of the target", u"Id unique attribué par l'administration",
                     u"Id. único otorgado por la Administración"),
        label(Lbl_01A_TrgFreq, "0-1A").above(Txt_01A_TrgFreq),
        labelAt(Lbl_FreqUnit, "[MHz]", FrameTrg, Small, 4185, 510, 480),
        labelAt(Lbl_04C, "0-4C", FrameTrg, Item, 4800, 270, 330),
        labelAt(Lbl_04C_Long, "   Longitude       E/W", FrameTrg, Small, 5100, 270, 1500)
            .caption(u"   Longitude       E/W", u"   Longitude       E/W", u"   Longitud       E/W"),
        labelAt(Lbl_04C_Lat, "      Latitude            N/S", FrameTrg, Small, 6900, 270, 1800)
            .caption(u"      Latitude            N/S", u"      Latitude            N/S",
                     u"      Latitud            N/S"),
        label(Lbl_4A_Sitename, "4A").above(Txt_4A_SiteName).hiddenWithStation(),
        label(Lbl_4B_GeoArea, "4B").above(Txt_4B_GeoArea).hiddenWithStation(),
        labelAt(Lbl_4C, "4C", FrameNotice, Item, 5835, 2145, 300).hiddenWithStation(),
        labelAt(Lbl_4C_Long, "Longitude        E/W", FrameNotice, Small, 6135, 2145, 1395).hiddenWithStation()
            .caption(u"Longitude        E/W", u"Longitude        E/W", u"Longitud        E/W"),
        labelAt(Lbl_4C_Lat, "       Latitude             N/S", FrameNotice, Small, 7560, 2145, 1800)
            .hiddenWithStation()
            .caption(u"       Latitude             N/S", u"       Latitude             N/S",
                     u"       Latitud             N/S"),
        label(Lbl_9EA_SiteAlt, "9EA").above(Txt_9EA_SiteAlt).hiddenWithStation(),
        label(Lbl_1A_FreqAssgn, "1A").above(Txt_1A_FreqAssgn).hiddenWithStation(),
        label(Lbl_7A0_Bdwdth, "7A0").above(Txt_70_BDWdth).on(T01).hiddenWithStation(),
        label(Lbl_7A0_BDWdth_unit, "kHz", Small).rightOf(Txt_70_BDWdth).on(T01).hiddenWithStation(),
        label(Lbl_7A1_FreqStabl, "7A1").above(Combo_7A1_FreqStabl).on(T02).hiddenWithStation(),
        label(Lbl_9D_Polariz, "9D").above(Combo_9D_Polariz).hiddenWithStation(),
        label(Lbl_8BH_Erp_H, "8BH").above(Txt_8BH_Erp_H).hiddenWithStation(),
        label(Lbl_8BV_Erp_V, "8BV").above(Txt_8BV_Erp_V).hiddenWithStation(),
        label(Lbl_7D_TranSys, "7D").above(Txt_7D_TranSys).on(T01).hiddenWithStation(),
        label(Lbl_8D_PwrRatio, "8D").above(Txt_8D_Pwr_Ratio).on(T02).hiddenWithStation(),
        label(Lbl_7C1_TvSys, "7C1").above(Txt_7C1_TvSys).on(T02).hiddenWithStation(),
        label(Lbl_7C2_ColorSys, "7C2").above(Combo_7C2_Color_Sys).on(T02).hiddenWithStation(),
        label(Lbl_1E, "1E").above(Txt_1E_Lf).on(T02).hiddenWithStation(),
        label(Lbl_1E_LF, "1/12 LF", Small).rightOf(Txt_1E_Lf).on(T02).hiddenWithStation(),
        labelAt(Lbl_1E_kHz_Sign, "  or ", FrameNotice, Small, 8430, 2970, 315).on(T02).hiddenWithStation(),
        label(Lbl_1E_kHz, "kHz", Small).rightOf(Txt_1E_kHz).on(T02).hiddenWithStation(),
        label(Lbl_9_AntDir, "9").above(Combo_9_AntDir).hiddenWithStation(),
        label(Lbl_9E_AntHgt, "9E").above(Txt_9E_AntHgt).hiddenWithStation(),
        label(Lbl_9E_unit, "[m]", Small).rightOf(Txt_9E_AntHgt).hiddenWithStation(),
        label(Lbl_9EB_Eff_hgtmax, "9EB").above(Txt_9EB_Eff_hgtmax).hiddenWithStation(),
        label(Lbl_9EB_unit, "[m]", Small).rightOf(Txt_9EB_Eff_hgtmax).hiddenWithStation(),
        label(Lbl_12A_OpAgcy, "12A").above(Txt_12A_OpAgcy).hiddenWithStation(),
        label(Lbl_12B_AddrCde, "12B").above(Txt_12B_AddrCde).hiddenWithStation(),
        labelAt(Lbl_10B_Ophh, "10B", Frame_A11_Only, Item, 3150, 180, 390).hiddenWithStation(),
        label(Lbl_10B_OphhFr, "From (UTC)", Small).above(Txt_10B_Ophhfr).hiddenWithStation()
            .caption(u"From (UTC)", u"De (UTC)", u"desde"),
        label(Lbl_10B_OphhTo, "To (UTC)", Small).above(Txt_10B_Ophhto).hiddenWithStation()
            .caption(u"To (UTC)", u"A (UTC)", u"hasta"),
        label(Lbl_2C, "2C").above(Txt_2C_DD).hiddenWithStation(),
    };
}
// clang-format on

} // namespace catalogue
