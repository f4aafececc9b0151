#include "capture/MakeVisible.h"

#include "capture/CaptureWindow.h"
#include "notice/BoxFamilies.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using namespace BoxFamilies;

const QStringList FrequencyStabilityEntries = { "", "RELAXED", "NORMAL", "PRECISION" };
const QStringList ColourSystemEntries = { "", "NTSC", "PAL", "SECAM" };
const QStringList DirectivityEntries = { "", "D", "ND" };
const QStringList PolarizationEntries = { "", "H", "V", "M" };

// Station items common to both forms, besides the three frames with
// operations of their own and the row-4 items of each form.
const QStringList CommonStationFrames = { "Frame_9EC_EffAntHeight", "FrameCoord" };

QStringList commonStationEntryControls()
{
    return QStringList{ "Txt_AdmRefID", "Txt_3A1_CallSign", "Txt_3A2_StationID",
                        "Txt_4A_SiteName", "Txt_4B_GeoArea" }
        + coordinateBoxes(SiteCoordinatePrefix)
        + QStringList{ "Txt_9EA_SiteAlt", "Txt_1A_FreqAssgn", "Combo_9D_Polariz",
                       "Txt_8BH_Erp_H", "Txt_8BV_Erp_V", "Combo_9_AntDir", "Txt_9E_AntHgt",
                       "Txt_9EB_Eff_hgtmax" };
}

// Every label directly in FrameNotice except those of the date of
// notification and of the notifying administration, which stay visible.
const QStringList CommonStationLabels = {
    "Lbl_AdmRefID",    "Lbl_3A1_CallSign", "Lbl_3A2_StationID", "Lbl_4A_Sitename",
    "Lbl_4B_GeoArea",  "Lbl_4C",           "Lbl_4C_Long",       "Lbl_4C_Lat",
    "Lbl_9EA_SiteAlt", "Lbl_1A_FreqAssgn", "Lbl_9D_Polariz",    "Lbl_8BH_Erp_H",
    "Lbl_8BV_Erp_V",   "Lbl_9_AntDir",     "Lbl_9E_AntHgt",     "Lbl_9E_unit",
    "Lbl_9EB_Eff_hgtmax", "Lbl_9EB_unit"
};

// The labels inside Frame_A11_Only.
const QStringList Article11Labels = { "Lbl_12A_OpAgcy", "Lbl_12B_AddrCde", "Lbl_10B_Ophh",
                                      "Lbl_10B_OphhFr", "Lbl_10B_OphhTo",  "Lbl_2C" };

// Text boxes of the station emptied between notices (the lists are reset apart).
QStringList stationBoxesToEmpty()
{
    return QStringList{ "Txt_AdmRefID", "Txt_3A1_CallSign", "Txt_3A2_StationID",
                        "Txt_4A_SiteName", "Txt_4B_GeoArea" }
        + coordinateBoxes(SiteCoordinatePrefix)
        + QStringList{ "Txt_9EA_SiteAlt", "Txt_1A_FreqAssgn", "Txt_8BH_Erp_H",
                       "Txt_8BV_Erp_V", "Txt_9E_AntHgt", "Txt_9EB_Eff_hgtmax" }
        + coordinationBoxes()
        + QStringList{ "Txt_notified_Rmks", "Txt_Internal_Rmks" };
}

const QStringList StationListsToReset = { "Combo_9D_Polariz", "Combo_9_AntDir" };

const QStringList IntentionOptions = { "OptInt_Add", "OptInt_Mod", "OptInt_Sup", "OptInt_Wdraw" };

const QStringList Article11Boxes = { "Txt_12A_OpAgcy", "Txt_12B_AddrCde", "Txt_10B_Ophhfr",
                                     "Txt_10B_Ophhto", "Txt_2C_DD", "Txt_2C_MM", "Txt_2C_YY" };

const QStringList NotificationDateBoxes = { "Txt_Ntc_DD", "Txt_Ntc_MM", "Txt_Ntc_YY" };

// The boxes of the target assignment.
QStringList targetBoxes()
{
    return QStringList{ "Txt_01A_TrgFreq" } + coordinateBoxes(TargetCoordinatePrefix)
        + QStringList{ "Txt_TrgAdmRefID" };
}

bool isEmptyBox(const QWidget *box)
{
    auto *line = qobject_cast<const QLineEdit *>(box);
    return !line || line->text().isEmpty();
}

} // namespace

const MakeVisibleForm MakeVisibleT01M = {
    FormKind::T01,
    "OptFrg_Ge84",
    { "Txt_70_BDWdth", "Txt_7D_TranSys" },
    { "Lbl_7A0_Bdwdth", "Lbl_7A0_BDWdth_unit", "Lbl_7D_TranSys" },
    { "Txt_70_BDWdth", "Txt_7D_TranSys" },
    {},
    { { "Combo_9_AntDir", DirectivityEntries }, { "Combo_9D_Polariz", PolarizationEntries } },
};

const MakeVisibleForm MakeVisibleT02M = {
    FormKind::T02,
    "OptFrg_Ge89",
    { "Combo_7A1_FreqStabl", "Txt_8D_Pwr_Ratio", "Txt_7C1_TvSys", "Combo_7C2_Color_Sys",
      "Txt_1E_Lf", "Txt_1E_kHz" },
    { "Lbl_7A1_FreqStabl", "Lbl_8D_PwrRatio", "Lbl_7C1_TvSys", "Lbl_7C2_ColorSys", "Lbl_1E",
      "Lbl_1E_LF", "Lbl_1E_kHz_Sign", "Lbl_1E_kHz" },
    { "Txt_8D_Pwr_Ratio", "Txt_7C1_TvSys", "Txt_1E_Lf", "Txt_1E_kHz" },
    { "Combo_7A1_FreqStabl", "Combo_7C2_Color_Sys" },
    { { "Combo_7A1_FreqStabl", FrequencyStabilityEntries },
      { "Combo_7C2_Color_Sys", ColourSystemEntries },
      { "Combo_9_AntDir", DirectivityEntries },
      { "Combo_9D_Polariz", PolarizationEntries } },
};

const MakeVisibleForm &makeVisibleFormFor(FormKind kind)
{
    return kind == FormKind::T02 ? MakeVisibleT02M : MakeVisibleT01M;
}

MakeVisible::MakeVisible(CaptureWindow &window, const MakeVisibleForm &form)
    : QObject(&window), m_window(window), m_form(form)
{
    m_otherStationItems = CommonStationFrames + commonStationEntryControls()
        + m_form.row4EntryControls + CommonStationLabels + m_form.row4Labels + Article11Labels;
    connectHandlers();
}

void MakeVisible::connectHandlers()
{
    // Options: toggled(true) runs the handler when the operator selects the
    // option by mouse, key or mnemonic, and when the program selects it.
    // Unselecting (toggled(false)) runs nothing.
    const struct
    {
        QString option;
        void (MakeVisible::*handler)();
    } optionHandlers[] = {
        { "OptInt_Add", &MakeVisible::OptInt_Add_Click },
        { "OptInt_Mod", &MakeVisible::OptInt_Mod_Click },
        { "OptInt_Sup", &MakeVisible::OptInt_Sup_Click },
        { "OptInt_Wdraw", &MakeVisible::OptInt_Wdraw_Click },
        { m_form.firstFragmentOption, &MakeVisible::OptFrg_First_Click },
        { "OptFrg_St61", &MakeVisible::OptFrg_St61_Click },
        { "OptFrg_A11", &MakeVisible::OptFrg_A11_Click },
    };
    for (const auto &row : optionHandlers) {
        auto *option = qobject_cast<QRadioButton *>(widget(row.option));
        if (!option)
            continue;
        const auto handler = row.handler;
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                (this->*handler)();
        });
    }

    // Lists: activated() is the operator's choice; setting the index from code
    // (the clears) runs nothing, and every clear ends by showing all anyway.
    const struct
    {
        const char *list;
        void (MakeVisible::*handler)();
    } listHandlers[] = {
        { "Combo_9_AntDir", &MakeVisible::Combo_9_AntDir_Click },
        { "Combo_9D_Polariz", &MakeVisible::Combo_9D_Polariz_Click },
    };
    for (const auto &row : listHandlers) {
        auto *list = qobject_cast<QComboBox *>(widget(row.list));
        if (!list)
            continue;
        const auto handler = row.handler;
        connect(list, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
    }

    if (auto *resetButton = qobject_cast<QAbstractButton *>(widget("Button_Reset")))
        connect(resetButton, &QAbstractButton::clicked, this, &MakeVisible::Reset);
}

QWidget *MakeVisible::widget(const QString &name) const
{
    QWidget *control = m_window.control(name);
    if (!control) {
        qWarning("Capture window %s has no control named %s",
                 qPrintable(m_window.objectName()), qPrintable(name));
        Q_ASSERT_X(false, "MakeVisible", "a control that the visibility rules name is missing");
    }
    return control;
}

bool MakeVisible::isSelected(const QString &option) const
{
    auto *button = qobject_cast<QAbstractButton *>(widget(option));
    return button && button->isChecked();
}

void MakeVisible::setShown(const QString &name, bool shown)
{
    if (QWidget *control = widget(name))
        control->setVisible(shown);
}

void MakeVisible::setShown(const QStringList &names, bool shown)
{
    for (const QString &name : names)
        setShown(name, shown);
}

void MakeVisible::emptyBoxes(const QStringList &names)
{
    for (const QString &name : names) {
        QWidget *box = widget(name);
        // setText rather than clear(): clear() is an edit that the box keeps
        // in its undo history, which would then grow with every notice of a
        // long run; setText empties the history, and the previous notice's
        // text is no longer there to undo back into the new one.
        if (auto *line = qobject_cast<QLineEdit *>(box))
            line->setText(QString());
        else if (box)
            qWarning("Control %s is not a text box", qPrintable(name));
    }
}

void MakeVisible::resetLists(const QStringList &names)
{
    for (const QString &name : names) {
        if (auto *list = qobject_cast<QComboBox *>(widget(name)))
            list->setCurrentIndex(0);
    }
}

bool MakeVisible::isNonArticle11FragmentSelected() const
{
    return isSelected(m_form.firstFragmentOption) || isSelected("OptFrg_St61");
}

void MakeVisible::HideFrameA11() { setShown("Frame_A11_Only", false); }
void MakeVisible::ShowFrameA11() { setShown("Frame_A11_Only", true); }
void MakeVisible::HideFrameTrg() { setShown("FrameTrg", false); }
void MakeVisible::ShowFrameTrg() { setShown("FrameTrg", true); }
void MakeVisible::HideFrame9NH() { setShown("Frame_9NH_AttnH", false); }
void MakeVisible::ShowFrame9NH() { setShown("Frame_9NH_AttnH", true); }
void MakeVisible::HideFrame9NV() { setShown("Frame_9NV_AttnV", false); }
void MakeVisible::ShowFrame9NV() { setShown("Frame_9NV_AttnV", true); }

void MakeVisible::HideNtcItems()
{
    HideFrameA11();
    HideFrame9NH();
    HideFrame9NV();
    setShown(m_otherStationItems, false);
}

void MakeVisible::ShowNtcItems()
{
    ShowFrameA11();
    ShowFrame9NH();
    ShowFrame9NV();
    setShown(m_otherStationItems, true);
}

void MakeVisible::ShowAll()
{
    ShowNtcItems();
    ShowFrameTrg();
}

void MakeVisible::SetAntennaFrames()
{
    // Exact, case-sensitive comparison of the selected entries.
    const QString directivity = m_window.text("Combo_9_AntDir");
    const QString polarization = m_window.text("Combo_9D_Polariz");

    if (directivity == QLatin1String("ND")) {
        HideFrame9NH();
        HideFrame9NV();
    } else if (directivity != QLatin1String("D")) {
        ShowFrame9NH();
        ShowFrame9NV();
    } else if (polarization == QLatin1String("H")) {
        ShowFrame9NH();
        HideFrame9NV();
    } else if (polarization == QLatin1String("V")) {
        HideFrame9NH();
        ShowFrame9NV();
    } else {
        // Mixed polarization, or none chosen yet.
        ShowFrame9NH();
        ShowFrame9NV();
    }
}

void MakeVisible::ClearNtcItems()
{
    emptyBoxes(stationBoxesToEmpty());
    resetLists(StationListsToReset);
    emptyBoxes(m_form.row4BoxesToEmpty);
    resetLists(m_form.row4ListsToReset);
}

void MakeVisible::ClearIntAndItems()
{
    ClearNtcItems();
    m_window.unselectOptions(IntentionOptions);
}

void MakeVisible::ClearA11Items() { emptyBoxes(Article11Boxes); }

void MakeVisible::ClearTrgItems() { emptyBoxes(targetBoxes()); }

void MakeVisible::Clear9NH() { emptyBoxes(azimuthBoxes(HorizontalPatternPrefix)); }
void MakeVisible::Clear9NV() { emptyBoxes(azimuthBoxes(VerticalPatternPrefix)); }
void MakeVisible::Clear9EC() { emptyBoxes(azimuthBoxes(EffectiveHeightPrefix)); }

void MakeVisible::ClearForNextNtc()
{
    ClearIntAndItems();
    ClearA11Items();
    ClearTrgItems();
    Clear9NH();
    Clear9NV();
    Clear9EC();
    ShowAll();
}

QStringList MakeVisible::boxesEmptiedForNextNotice() const
{
    return stationBoxesToEmpty() + m_form.row4BoxesToEmpty + Article11Boxes + targetBoxes()
        + azimuthBoxes(HorizontalPatternPrefix) + azimuthBoxes(VerticalPatternPrefix) + azimuthBoxes(EffectiveHeightPrefix);
}

QStringList MakeVisible::listsResetForNextNotice() const
{
    return StationListsToReset + m_form.row4ListsToReset;
}

bool MakeVisible::holdsTypedData() const
{
    const QStringList boxes = boxesEmptiedForNextNotice();
    for (const QString &name : boxes) {
        if (!isEmptyBox(widget(name)))
            return true;
    }
    const QStringList lists = listsResetForNextNotice();
    for (const QString &name : lists) {
        auto *list = qobject_cast<QComboBox *>(widget(name));
        if (list && list->currentIndex() > 0)
            return true;
    }
    return false;
}

void MakeVisible::ClearDateFrg()
{
    m_window.unselectOptions({ "OptFrg_A11", m_form.firstFragmentOption, "OptFrg_St61" });
    emptyBoxes(NotificationDateBoxes);
}

void MakeVisible::InitControls()
{
    for (const char *name : { "ChkValidate", "ChkClearFields" }) {
        if (auto *check = qobject_cast<QCheckBox *>(widget(name)))
            check->setChecked(true);
    }
    for (const ListEntries &fill : m_form.listsToFill) {
        if (auto *list = qobject_cast<QComboBox *>(widget(fill.list)))
            list->addItems(fill.entries);
    }
}

void MakeVisible::Reset()
{
    ClearForNextNtc();
    ClearDateFrg();
}

void MakeVisible::ClearAfterSave()
{
    auto *keepDateAndFragment = qobject_cast<QCheckBox *>(widget("ChkClearFields"));
    if (keepDateAndFragment && keepDateAndFragment->isChecked())
        ClearForNextNtc();
    else
        Reset();
    if (QWidget *day = widget("Txt_Ntc_DD"))
        day->setFocus();
    if (!isSelected("OptFrg_A11"))
        HideFrameA11();
}

void MakeVisible::OptInt_Add_Click()
{
    ShowNtcItems();
    HideFrameTrg();
    if (isNonArticle11FragmentSelected())
        HideFrameA11();
    SetAntennaFrames();
}

void MakeVisible::OptInt_Mod_Click()
{
    ShowFrameTrg();
    ShowNtcItems();
    if (isNonArticle11FragmentSelected())
        HideFrameA11();
    SetAntennaFrames();
}

void MakeVisible::OptInt_Sup_Click()
{
    ShowFrameTrg();
    HideNtcItems();
}

void MakeVisible::OptInt_Wdraw_Click()
{
    ShowFrameTrg();
    HideNtcItems();
}

void MakeVisible::OptFrg_First_Click() { HideFrameA11(); }
void MakeVisible::OptFrg_St61_Click() { HideFrameA11(); }

void MakeVisible::OptFrg_A11_Click()
{
    if (!isSelected("OptInt_Sup") && !isSelected("OptInt_Wdraw"))
        ShowFrameA11();
}

void MakeVisible::Combo_9_AntDir_Click() { SetAntennaFrames(); }
void MakeVisible::Combo_9D_Polariz_Click() { SetAntennaFrames(); }
