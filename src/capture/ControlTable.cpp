#include "capture/ControlTable.h"

#include "notice/BoxFamilies.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace {

constexpr int BoxHeight = 285;        // text boxes unless a row says otherwise
constexpr int ListHeight = 315;       // drop-down lists unless a row says otherwise
constexpr int SmallLabelHeight = 195; // one line of 6.75 pt text
constexpr int NoFocus = -1;

// Tab indices from here on move 4 places on T02, whose row 4 holds four
// more controls than T01's.
constexpr int FirstTabAfterRow4 = 42;
constexpr int Row4ExtraControlsOnT02 = 4;

ControlSpec frame(const char *name, const char *parent, int left, int top, int width, int height,
                  const QString &caption = {}, Look look = Look::Default, Forms forms = Forms::Both)
{
    return {name, ControlKind::Frame, parent, left, top, width, height, 0, NoFocus, caption, look, forms, {}};
}

ControlSpec textBox(const char *name, const char *parent, int left, int top, int width, int maxLength,
                    int tabIndex, Forms forms = Forms::Both, int height = BoxHeight)
{
    return {name, ControlKind::TextBox, parent, left, top, width, height, maxLength, tabIndex, {},
            Look::Default, forms, {}};
}

ControlSpec list(const char *name, int left, int top, int width, int tabIndex, Forms forms = Forms::Both,
                 int height = ListHeight)
{
    return {name, ControlKind::DropDownList, "FrameNotice", left, top, width, height, 0, tabIndex, {},
            Look::Default, forms, {}};
}

ControlSpec option(const char *name, const char *parent, int left, int top, int width, int height,
                   int tabIndex, const char *caption, Forms forms = Forms::Both)
{
    return {name, ControlKind::OptionButton, parent, left, top, width, height, 0, tabIndex, caption,
            Look::OptionButton, forms, {}};
}

ControlSpec windowControl(const char *name, ControlKind kind, int left, int top, int width, int height,
                          int tabIndex, const char *caption = "")
{
    return {name, kind, {}, left, top, width, height, 0, tabIndex, caption, Look::Default, Forms::Both, {}};
}

QList<ControlSpec> frames()
{
    return {
        frame("FrameNotice", "", 0, -90, 11955, 4305),
        frame("FrameFrg", "FrameNotice", 2280, 120, 885, 825),
        frame("FrameIntent", "FrameNotice", 3360, 120, 960, 990),
        frame("FrameTrg", "FrameNotice", 0, 1200, 10350, 855,
              " Identification of the Assignment to be: Modified, Suppressed or Withdrawn ", Look::RedFrame),
        frame("Frame_A11_Only", "FrameNotice", 4035, 3390, 7920, 915, " RR Article 11 Only ", Look::RedFrame),
        frame("FrameCoord", "", 0, 4170, 11970, 810),
        // The item number stands in the top edge of the frame on T01 only.
        frame("Frame_9EC_EffAntHeight", "", 75, 4995, 4440, 4815, "9EC", Look::AzimuthFrame, Forms::T01Only),
        frame("Frame_9EC_EffAntHeight", "", 75, 4995, 4440, 4815, "", Look::AzimuthFrame, Forms::T02Only),
        frame("Frame_9NH_AttnH", "", 4605, 4995, 3615, 4815, "9NH", Look::AzimuthFrame),
        frame("Frame_9NV_AttnV", "", 8340, 4980, 3615, 4815, "9NV", Look::AzimuthFrame),
    };
}

// The controls written out one by one, with their T01 tab indices (and the
// form's own tab index where a control is on one form only).
QList<ControlSpec> entryControls()
{
    const Forms T01 = Forms::T01Only;
    const Forms T02 = Forms::T02Only;
    return {
        // Row 1: date of notification, fragment and intention, identification.
        textBox("Txt_Ntc_DD", "FrameNotice", 870, 240, 375, 2, 1),
        textBox("Txt_Ntc_MM", "FrameNotice", 1230, 240, 375, 2, 2),
        textBox("Txt_Ntc_YY", "FrameNotice", 1590, 240, 495, 4, 3),
        option("OptFrg_Ge84", "FrameFrg", 30, 135, 675, 195, 4, "GE84", T01),
        option("OptFrg_Ge89", "FrameFrg", 30, 135, 675, 195, 4, "GE89", T02),
        option("OptFrg_St61", "FrameFrg", 30, 285, 585, 255, 5, "ST61"),
        option("OptFrg_A11", "FrameFrg", 30, 525, 690, 195, 6, "Art. 11"),
        option("OptInt_Add", "FrameIntent", 45, 120, 615, 195, 7, "Add"),
        option("OptInt_Mod", "FrameIntent", 45, 315, 615, 180, 8, "Mod"),
        option("OptInt_Sup", "FrameIntent", 45, 510, 615, 180, 9, "Sup"),
        option("OptInt_Wdraw", "FrameIntent", 30, 735, 810, 150, 10, "Withdraw"),
        textBox("Txt_AdmRefID", "FrameNotice", 4440, 405, 2655, 20, 11),
        textBox("Txt_B_Adm", "FrameNotice", 7140, 405, 675, 3, 12),
        textBox("Txt_3A1_CallSign", "FrameNotice", 8520, 405, 1770, 10, 13),
        textBox("Txt_3A2_StationID", "FrameNotice", 7920, 840, 2460, 20, 14),

        // Target assignment.
        textBox("Txt_TrgAdmRefID", "FrameTrg", 120, 480, 2535, 20, 15),
        textBox("Txt_01A_TrgFreq", "FrameTrg", 3315, 480, 780, 6, 16),
        textBox("Txt_04C_Deg_Long", "FrameTrg", 4980, 480, 480, 3, 17),
        textBox("Txt_04C_Min_Long", "FrameTrg", 5460, 480, 375, 2, 18),
        textBox("Txt_04C_Sec_Long", "FrameTrg", 5835, 480, 375, 2, 19),
        textBox("Txt_04C_EW", "FrameTrg", 6225, 480, 255, 1, 20),
        textBox("Txt_04C_Deg_Lat", "FrameTrg", 6900, 480, 375, 2, 21),
        textBox("Txt_04C_Min_Lat", "FrameTrg", 7275, 480, 375, 2, 22),
        textBox("Txt_04C_Sec_Lat", "FrameTrg", 7635, 480, 375, 2, 23),
        textBox("Txt_04C_NS", "FrameTrg", 8010, 480, 225, 1, 24),

        // Row 3: the site.
        textBox("Txt_4A_SiteName", "FrameNotice", 150, 2340, 3930, 30, 25),
        textBox("Txt_4B_GeoArea", "FrameNotice", 4470, 2340, 555, 3, 26),
        textBox("Txt_4C_Deg_Long", "FrameNotice", 5835, 2340, 480, 3, 27),
        textBox("Txt_4C_Min_Long", "FrameNotice", 6330, 2340, 375, 2, 28),
        textBox("Txt_4C_Sec_Long", "FrameNotice", 6735, 2340, 375, 2, 29),
        textBox("Txt_4C_EW", "FrameNotice", 7110, 2340, 255, 1, 30),
        textBox("Txt_4C_Deg_Lat", "FrameNotice", 7560, 2340, 375, 2, 31),
        textBox("Txt_4C_Min_Lat", "FrameNotice", 7920, 2340, 375, 2, 32),
        textBox("Txt_4C_Sec_Lat", "FrameNotice", 8295, 2340, 375, 2, 33),
        textBox("Txt_4C_NS", "FrameNotice", 8685, 2340, 225, 1, 34),
        textBox("Txt_9EA_SiteAlt", "FrameNotice", 9450, 2340, 810, 5, 35),

        // Row 4: frequency and technical items, where the forms differ.
        // Positions are T01's; T02's are in t02Differences.
        textBox("Txt_1A_FreqAssgn", "FrameNotice", 150, 2940, 780, 6, 36),
        textBox("Txt_70_BDWdth", "FrameNotice", 1470, 2940, 615, 3, 37, T01),
        list("Combo_7A1_FreqStabl", 1170, 2940, 1050, 37, T02),
        list("Combo_9D_Polariz", 2880, 2910, 525, 38),
        textBox("Txt_8BH_Erp_H", "FrameNotice", 4065, 2940, 810, 5, 39),
        textBox("Txt_8BV_Erp_V", "FrameNotice", 5655, 2940, 810, 5, 40),
        textBox("Txt_7D_TranSys", "FrameNotice", 7275, 2940, 465, 2, 41, T01),
        textBox("Txt_8D_Pwr_Ratio", "FrameNotice", 5025, 2940, 390, 2, 41, T02),
        textBox("Txt_7C1_TvSys", "FrameNotice", 5550, 2940, 465, 2, 42, T02),
        list("Combo_7C2_Color_Sys", 6210, 2940, 810, 43, T02),
        textBox("Txt_1E_Lf", "FrameNotice", 7290, 2940, 645, 4, 44, T02),
        textBox("Txt_1E_kHz", "FrameNotice", 8748, 2940, 645, 4, 45, T02),

        // Row 5: the antenna, and the Article 11 items beside it.
        list("Combo_9_AntDir", 150, 3765, 615, 42, Forms::Both, 288),
        textBox("Txt_9E_AntHgt", "FrameNotice", 1065, 3765, 555, 3, 43),
        textBox("Txt_9EB_Eff_hgtmax", "FrameNotice", 2460, 3765, 810, 5, 44),
        textBox("Txt_12A_OpAgcy", "Frame_A11_Only", 405, 405, 630, 3, 45),
        textBox("Txt_12B_AddrCde", "Frame_A11_Only", 1455, 405, 495, 2, 46),
        textBox("Txt_10B_Ophhfr", "Frame_A11_Only", 2280, 405, 765, 4, 47),
        textBox("Txt_10B_Ophhto", "Frame_A11_Only", 3600, 405, 765, 4, 48),
        textBox("Txt_2C_DD", "Frame_A11_Only", 4725, 405, 375, 2, 49),
        textBox("Txt_2C_MM", "Frame_A11_Only", 5100, 405, 375, 2, 50),
        textBox("Txt_2C_YY", "Frame_A11_Only", 5460, 405, 495, 4, 51),

        // The right-hand column, outside every frame. The remarks and file
        // name boxes have no maximum; the two remarks boxes are one-line boxes
        // drawn tall.
        textBox("Txt_notified_Rmks", "", 12105, 5400, 2835, 0, 172, Forms::Both, 2025),
        textBox("Txt_Internal_Rmks", "", 12105, 7695, 2835, 0, 173, Forms::Both, 2025),
        windowControl("Button_Next", ControlKind::CommandButton, 12435, 1800, 1320, 390, 174, "Save/Next"),
        windowControl("Button_Finish", ControlKind::CommandButton, 12435, 2400, 1320, 390, 175, "Finish"),
        windowControl("Button_Reset", ControlKind::CommandButton, 12435, 3360, 1320, 390, 176, "Reset"),
        textBox("Txt_Filename", "", 12000, 375, 3165, 0, 195, Forms::Both, 525),
        textBox("Txt_Ntc_Number", "", 12930, 1215, 1185, 0, 225, Forms::Both, 300),
        windowControl("ChkValidate", ControlKind::CheckBox, 12120, 4680, 2895, 285, 230,
                      "Data validation (level 1)"),
        windowControl("ChkClearFields", ControlKind::CheckBox, 12120, 4200, 2925, 405, 231,
                      "Do NOT Clear ALL values "),
    };
}

// Item 11: twelve boxes in a row, 751 twips apart; the last one was placed
// by hand one twip further.
QList<ControlSpec> coordinationBoxes()
{
    constexpr int count = BoxFamilies::CoordinationCount;
    constexpr int firstTab = 52;
    QList<ControlSpec> boxes;
    for (int n = 1; n <= count; ++n) {
        const int left = n == count ? 8412 : 150 + 751 * (n - 1);
        boxes.append(textBox("", "FrameCoord", left, 345, 555, 3, firstTab + n - 1));
        boxes.last().name = BoxFamilies::coordinationBox(n);
    }
    return boxes;
}

struct AzimuthGrid
{
    const QString &namePrefix; // followed by the three-digit azimuth
    const char *frame;
    int columnLefts[4];
    int rowTops[9];
    int width;
    int maxLength;
    int firstTab;
};

const AzimuthGrid azimuthGrids[] = {
    {BoxFamilies::EffectiveHeightPrefix, "Frame_9EC_EffAntHeight", {165, 1205, 2245, 3285},
     {480, 965, 1450, 1935, 2420, 2905, 3390, 3875, 4350}, 780, 5, 64},
    {BoxFamilies::HorizontalPatternPrefix, "Frame_9NH_AttnH", {165, 1050, 1920, 2805},
     {435, 930, 1440, 1905, 2400, 2880, 3375, 3870, 4395}, 630, 4, 100},
    {BoxFamilies::VerticalPatternPrefix, "Frame_9NV_AttnV", {150, 1035, 1890, 2790},
     {435, 930, 1440, 1905, 2400, 2880, 3375, 3870, 4395}, 630, 4, 136},
};

// 36 boxes per table, one per 10 degrees: the four columns hold 0-80, 90-170,
// 180-260 and 270-350 degrees, each rising from top to bottom, and the tab
// order runs down each column in turn.
QList<ControlSpec> azimuthBoxes(const AzimuthGrid &table)
{
    QList<ControlSpec> boxes;
    for (int index = 0; index < BoxFamilies::AzimuthCount; ++index) {
        const int azimuth = index * 10;
        const int column = azimuth / 90;
        const int row = (azimuth % 90) / 10;
        ControlSpec box = textBox("", table.frame, table.columnLefts[column], table.rowTops[row], table.width,
                                  table.maxLength, table.firstTab + index);
        box.name = BoxFamilies::azimuthBox(table.namePrefix, index);
        box.toolTip = QString::number(azimuth) + QChar(0x00B0);
        boxes.append(box);
    }
    return boxes;
}

// Where T02 departs from T01 in a row that both forms share. Same keeps
// T01's value.
constexpr int Same = std::numeric_limits<int>::min();
struct T02Difference
{
    const char *name;
    int left;
    int top;
    int tabIndex;
};

const T02Difference t02Differences[] = {
    {"FrameNotice", Same, -105, Same},
    {"Combo_9D_Polariz", 2445, Same, Same},
    {"Txt_8BH_Erp_H", 3105, Same, Same},
    {"Txt_8BV_Erp_V", 4080, Same, Same},
    // T02 has more labels than T01, and labels hold tab indices too.
    {"Txt_Ntc_Number", Same, Same, 235},
    {"ChkValidate", Same, Same, 240},
    {"ChkClearFields", Same, Same, 241},
};

void applyT02Differences(QList<ControlSpec> &rows)
{
    for (ControlSpec &row : rows) {
        if (row.forms == Forms::Both && row.tabIndex >= FirstTabAfterRow4)
            row.tabIndex += Row4ExtraControlsOnT02;
    }
    for (const T02Difference &difference : t02Differences) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const ControlSpec &spec) {
            return spec.name == QLatin1String(difference.name);
        });
        Q_ASSERT(row != rows.end());
        if (difference.left != Same)
            row->left = difference.left;
        if (difference.top != Same)
            row->top = difference.top;
        if (difference.tabIndex != Same)
            row->tabIndex = difference.tabIndex;
    }
}

// Labels are placed against a control (just above it, or to its right) or at
// a position of their own inside a frame or the window.
enum class Place { Above, RightOf, At };

struct LabelRow
{
    const char *name;
    const char *text;
    Place place;
    const char *reference; // the control for Above and RightOf, the parent for At
    Look look = Look::ItemNumberLabel;
    Forms forms = Forms::Both;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = SmallLabelHeight;
};

const Look Small = Look::SmallLabel;
const Look Caption = Look::CaptionLabel;
const Look Item = Look::ItemNumberLabel;
const Forms Both = Forms::Both;
const Forms T01 = Forms::T01Only;
const Forms T02 = Forms::T02Only;

const LabelRow labelRows[] = {
    {"Lbl_DNtc", "Date of Notification", Place::At, "FrameNotice", Small, Both, 120, 285, 735, 375},
    {"Lbl_AdmRefID", "Administration's unique ID of the notice", Place::At, "FrameNotice", Small, Both,
     4440, 210, 2655},
    {"Lbl_B_Adm", "B", Place::Above, "Txt_B_Adm"},
    {"Lbl_3A1_CallSign", "3A1", Place::Above, "Txt_3A1_CallSign"},
    {"Lbl_3A2_StationID", "3A2", Place::At, "FrameNotice", Item, Both, 7485, 735, 420},
    {"Lbl_TrgAdmRefID", "Administration's unique ID of the target", Place::Above, "Txt_TrgAdmRefID", Small},
    {"Lbl_01A_TrgFreq", "0-1A", Place::Above, "Txt_01A_TrgFreq"},
    {"Lbl_FreqUnit", "[MHz]", Place::At, "FrameTrg", Small, Both, 4185, 510, 480},
    {"Lbl_04C", "0-4C", Place::At, "FrameTrg", Item, Both, 4800, 270, 330},
    {"Lbl_04C_Long", "   Longitude       E/W", Place::At, "FrameTrg", Small, Both, 5100, 270, 1500},
    {"Lbl_04C_Lat", "      Latitude            N/S", Place::At, "FrameTrg", Small, Both, 6900, 270, 1800},
    {"Lbl_4A_Sitename", "4A", Place::Above, "Txt_4A_SiteName"},
    {"Lbl_4B_GeoArea", "4B", Place::Above, "Txt_4B_GeoArea"},
    {"Lbl_4C", "4C", Place::At, "FrameNotice", Item, Both, 5835, 2145, 300},
    {"Lbl_4C_Long", "Longitude        E/W", Place::At, "FrameNotice", Small, Both, 6135, 2145, 1395},
    {"Lbl_4C_Lat", "       Latitude             N/S", Place::At, "FrameNotice", Small, Both, 7560, 2145, 1800},
    {"Lbl_9EA_SiteAlt", "9EA", Place::Above, "Txt_9EA_SiteAlt"},
    {"Lbl_1A_FreqAssgn", "1A", Place::Above, "Txt_1A_FreqAssgn"},
    {"Lbl_7A0_Bdwdth", "7A0", Place::Above, "Txt_70_BDWdth", Item, T01},
    {"Lbl_7A0_BDWdth_unit", "kHz", Place::RightOf, "Txt_70_BDWdth", Small, T01},
    {"Lbl_7A1_FreqStabl", "7A1", Place::Above, "Combo_7A1_FreqStabl", Item, T02},
    {"Lbl_9D_Polariz", "9D", Place::Above, "Combo_9D_Polariz"},
    {"Lbl_8BH_Erp_H", "8BH", Place::Above, "Txt_8BH_Erp_H"},
    {"Lbl_8BV_Erp_V", "8BV", Place::Above, "Txt_8BV_Erp_V"},
    {"Lbl_7D_TranSys", "7D", Place::Above, "Txt_7D_TranSys", Item, T01},
    {"Lbl_8D_PwrRatio", "8D", Place::Above, "Txt_8D_Pwr_Ratio", Item, T02},
    {"Lbl_7C1_TvSys", "7C1", Place::Above, "Txt_7C1_TvSys", Item, T02},
    {"Lbl_7C2_ColorSys", "7C2", Place::Above, "Combo_7C2_Color_Sys", Item, T02},
    {"Lbl_1E", "1E", Place::Above, "Txt_1E_Lf", Item, T02},
    {"Lbl_1E_LF", "1/12 LF", Place::RightOf, "Txt_1E_Lf", Small, T02},
    {"Lbl_1E_kHz_Sign", "  or ", Place::At, "FrameNotice", Small, T02, 8430, 2970, 315},
    {"Lbl_1E_kHz", "kHz", Place::RightOf, "Txt_1E_kHz", Small, T02},
    {"Lbl_9_AntDir", "9", Place::Above, "Combo_9_AntDir"},
    {"Lbl_9E_AntHgt", "9E", Place::Above, "Txt_9E_AntHgt"},
    {"Lbl_9E_unit", "[m]", Place::RightOf, "Txt_9E_AntHgt", Small},
    {"Lbl_9EB_Eff_hgtmax", "9EB", Place::Above, "Txt_9EB_Eff_hgtmax"},
    {"Lbl_9EB_unit", "[m]", Place::RightOf, "Txt_9EB_Eff_hgtmax", Small},
    {"Lbl_12A_OpAgcy", "12A", Place::Above, "Txt_12A_OpAgcy"},
    {"Lbl_12B_AddrCde", "12B", Place::Above, "Txt_12B_AddrCde"},
    {"Lbl_10B_Ophh", "10B", Place::At, "Frame_A11_Only", Item, Both, 3150, 180, 390},
    {"Lbl_10B_OphhFr", "From (UTC)", Place::Above, "Txt_10B_Ophhfr", Small},
    {"Lbl_10B_OphhTo", "To (UTC)", Place::Above, "Txt_10B_Ophhto", Small},
    {"Lbl_2C", "2C", Place::Above, "Txt_2C_DD"},
    {"Lbl_11_CoordAdm", "11 - Coordination successfully completed with the following administrations",
     Place::At, "FrameCoord", Look::BlueCaptionLabel, Both, 132, 120, 7800, 168},
    {"Lbl_9EC_Azm0_350", "0° - 80°       90° - 170°      180° - 260°      270° - 350°", Place::At,
     "Frame_9EC_EffAntHeight", Caption, Both, 165, 240, 4200, 210},
    {"Lbl_9NH_Azm0_350", "0° - 80°    90° - 170°  180° - 260°  270° - 350°", Place::At, "Frame_9NH_AttnH",
     Caption, Both, 90, 210, 3480, 210},
    {"Lbl_9NV_Azm0_350", "0° - 80°    90° - 170°  180° - 260°  270° - 350°", Place::At, "Frame_9NV_AttnV",
     Caption, Both, 75, 210, 3480, 210},
    {"Lbl_Filename", "File name", Place::At, "", Look::DarkRedBoldLabel, Both, 12825, 120, 1515, 240},
    {"Lbl_Ntc_Number", "Notice Number", Place::At, "", Look::DarkRedBoldLabel, Both, 12300, 1005, 2445, 210},
    {"Lbl_Notified_Rmks", "Notified remarks", Place::At, "", Caption, Both, 12105, 5190, 2835, 210},
    {"Lbl_Internal_Rmks", "Internal remarks", Place::At, "", Caption, Both, 12105, 7515, 2835, 180},
};

// Gap between a control and a unit label on its right, and the drop that
// lines the label's text up with the box's.
constexpr int UnitLabelGap = 60;
constexpr int UnitLabelDrop = 30;
constexpr int UnitLabelWidth = 480;

ControlSpec labelSpec(const LabelRow &row, const QHash<QString, const ControlSpec *> &controls)
{
    ControlSpec label{row.name, ControlKind::Label, row.reference, row.left, row.top, row.width, row.height,
                      0, NoFocus, QString::fromUtf8(row.text), row.look, row.forms, {}};
    if (row.place == Place::At)
        return label;

    const ControlSpec *control = controls.value(QLatin1String(row.reference));
    Q_ASSERT(control);
    label.parent = control->parent;
    if (row.place == Place::Above) {
        label.left = control->left;
        label.top = control->top - SmallLabelHeight;
        label.width = control->width;
    } else {
        label.left = control->left + control->width + UnitLabelGap;
        label.top = control->top + UnitLabelDrop;
        label.width = UnitLabelWidth;
    }
    return label;
}

} // namespace

QRect ControlSpec::pixelRect() const
{
    return twipsRect(left, top, width, height);
}

QList<ControlSpec> controlTable(FormKind kind)
{
    QList<ControlSpec> rows = frames() + entryControls() + coordinationBoxes();
    for (const AzimuthGrid &table : azimuthGrids)
        rows += azimuthBoxes(table);
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [kind](const ControlSpec &spec) { return !isOnForm(spec.forms, kind); }),
               rows.end());
    if (kind == FormKind::T02)
        applyT02Differences(rows);
    // Frames first (they take no focus), then the controls in tab order.
    std::stable_sort(rows.begin(), rows.end(), [](const ControlSpec &a, const ControlSpec &b) {
        return a.tabIndex < b.tabIndex;
    });

    QHash<QString, const ControlSpec *> byName;
    for (const ControlSpec &row : rows)
        byName.insert(row.name, &row);
    QList<ControlSpec> labels;
    for (const LabelRow &labelRow : labelRows) {
        if (isOnForm(labelRow.forms, kind))
            labels.append(labelSpec(labelRow, byName));
    }
    return rows + labels;
}

QString windowObjectName(FormKind kind)
{
    return kind == FormKind::T01 ? QStringLiteral("FmFrmT01M") : QStringLiteral("TvFrmT02M");
}

QString designTimeTitle(FormKind kind)
{
    return kind == FormKind::T01
               ? QStringLiteral("T01-m      VHF Sound Broadcasting Station - Data Capture - ")
               : QStringLiteral("T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ");
}
