#include "capture/VisibilityRules.h"

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

const VisibilityForm VisibilityT01 = {
    FormKind::T01,
    "OptFrg_Ge84",
    { "Txt_70_BDWdth", "Txt_7D_TranSys" },
    { "Lbl_7A0_Bdwdth", "Lbl_7A0_BDWdth_unit", "Lbl_7D_TranSys" },
    { "Txt_70_BDWdth", "Txt_7D_TranSys" },
    {},
    { { "Combo_9_AntDir", DirectivityEntries }, { "Combo_9D_Polariz", PolarizationEntries } },
};

const VisibilityForm VisibilityT02 = {
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

const VisibilityForm &visibilityFormFor(FormKind kind)
{
    return kind == FormKind::T02 ? VisibilityT02 : VisibilityT01;
}

VisibilityRules::VisibilityRules(CaptureWindow &window, const VisibilityForm &form)
    : QObject(&window), m_window(window), m_form(form)
{
    m_otherStationItems = CommonStationFrames + commonStationEntryControls()
        + m_form.row4EntryControls + CommonStationLabels + m_form.row4Labels + Article11Labels;
    connectHandlers();
}

void VisibilityRules::connectHandlers()
{
    // Options: toggled(true) runs the handler when the operator selects the
    // option by mouse, key or mnemonic, and when the program selects it.
    // Unselecting (toggled(false)) runs nothing.
    const struct
    {
        QString option;
        void (VisibilityRules::*handler)();
    } optionHandlers[] = {
        { "OptInt_Add", &VisibilityRules::addChosen },
        { "OptInt_Mod", &VisibilityRules::modifyChosen },
        { "OptInt_Sup", &VisibilityRules::suppressChosen },
        { "OptInt_Wdraw", &VisibilityRules::withdrawChosen },
        { m_form.firstFragmentOption, &VisibilityRules::firstFragmentChosen },
        { "OptFrg_St61", &VisibilityRules::st61Chosen },
        { "OptFrg_A11", &VisibilityRules::article11Chosen },
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
        void (VisibilityRules::*handler)();
    } listHandlers[] = {
        { "Combo_9_AntDir", &VisibilityRules::directivityChosen },
        { "Combo_9D_Polariz", &VisibilityRules::polarizationChosen },
    };
    for (const auto &row : listHandlers) {
        auto *list = qobject_cast<QComboBox *>(widget(row.list));
        if (!list)
            continue;
        const auto handler = row.handler;
        connect(list, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
    }

    if (auto *resetButton = qobject_cast<QAbstractButton *>(widget("Button_Reset")))
        connect(resetButton, &QAbstractButton::clicked, this, &VisibilityRules::Reset);
}

QWidget *VisibilityRules::widget(const QString &name) const
{
    QWidget *control = m_window.control(name);
    if (!control) {
        qWarning("Capture window %s has no control named %s",
                 qPrintable(m_window.objectName()), qPrintable(name));
        Q_ASSERT_X(false, "VisibilityRules", "a control that the visibility rules name is missing");
    }
    return control;
}

bool VisibilityRules::isSelected(const QString &option) const
{
    auto *button = qobject_cast<QAbstractButton *>(widget(option));
    return button && button->isChecked();
}

void VisibilityRules::setShown(const QString &name, bool shown)
{
    if (QWidget *control = widget(name))
        control->setVisible(shown);
}

void VisibilityRules::setShown(const QStringList &names, bool shown)
{
    for (const QString &name : names)
        setShown(name, shown);
}

void VisibilityRules::emptyBoxes(const QStringList &names)
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

void VisibilityRules::resetLists(const QStringList &names)
{
    for (const QString &name : names) {
        if (auto *list = qobject_cast<QComboBox *>(widget(name)))
            list->setCurrentIndex(0);
    }
}

bool VisibilityRules::isNonArticle11FragmentSelected() const
{
    return isSelected(m_form.firstFragmentOption) || isSelected("OptFrg_St61");
}

void VisibilityRules::hideFrameA11() { setShown("Frame_A11_Only", false); }
void VisibilityRules::showFrameA11() { setShown("Frame_A11_Only", true); }
void VisibilityRules::hideFrameTrg() { setShown("FrameTrg", false); }
void VisibilityRules::showFrameTrg() { setShown("FrameTrg", true); }
void VisibilityRules::hideFrame9NH() { setShown("Frame_9NH_AttnH", false); }
void VisibilityRules::showFrame9NH() { setShown("Frame_9NH_AttnH", true); }
void VisibilityRules::hideFrame9NV() { setShown("Frame_9NV_AttnV", false); }
void VisibilityRules::showFrame9NV() { setShown("Frame_9NV_AttnV", true); }

void VisibilityRules::hideNoticeItems()
{
    hideFrameA11();
    hideFrame9NH();
    hideFrame9NV();
    setShown(m_otherStationItems, false);
}

void VisibilityRules::showNoticeItems()
{
    showFrameA11();
    showFrame9NH();
    showFrame9NV();
    setShown(m_otherStationItems, true);
}

void VisibilityRules::showAll()
{
    showNoticeItems();
    showFrameTrg();
}

void VisibilityRules::setAntennaFrames()
{
    // Exact, case-sensitive comparison of the selected entries.
    const QString directivity = m_window.text("Combo_9_AntDir");
    const QString polarization = m_window.text("Combo_9D_Polariz");

    if (directivity == QLatin1String("ND")) {
        hideFrame9NH();
        hideFrame9NV();
    } else if (directivity != QLatin1String("D")) {
        showFrame9NH();
        showFrame9NV();
    } else if (polarization == QLatin1String("H")) {
        showFrame9NH();
        hideFrame9NV();
    } else if (polarization == QLatin1String("V")) {
        hideFrame9NH();
        showFrame9NV();
    } else {
        // Mixed polarization, or none chosen yet.
        showFrame9NH();
        showFrame9NV();
    }
}

void VisibilityRules::clearNoticeItems()
{
    emptyBoxes(stationBoxesToEmpty());
    resetLists(StationListsToReset);
    emptyBoxes(m_form.row4BoxesToEmpty);
    resetLists(m_form.row4ListsToReset);
}

void VisibilityRules::clearIntentionAndItems()
{
    clearNoticeItems();
    m_window.unselectOptions(IntentionOptions);
}

void VisibilityRules::clearArticle11Items() { emptyBoxes(Article11Boxes); }

void VisibilityRules::clearTargetItems() { emptyBoxes(targetBoxes()); }

void VisibilityRules::clearHorizontalPattern() { emptyBoxes(azimuthBoxes(HorizontalPatternPrefix)); }
void VisibilityRules::clearVerticalPattern() { emptyBoxes(azimuthBoxes(VerticalPatternPrefix)); }
void VisibilityRules::clearEffectiveHeights() { emptyBoxes(azimuthBoxes(EffectiveHeightPrefix)); }

void VisibilityRules::clearForNextNotice()
{
    clearIntentionAndItems();
    clearArticle11Items();
    clearTargetItems();
    clearHorizontalPattern();
    clearVerticalPattern();
    clearEffectiveHeights();
    showAll();
}

QStringList VisibilityRules::boxesEmptiedForNextNotice() const
{
    return stationBoxesToEmpty() + m_form.row4BoxesToEmpty + Article11Boxes + targetBoxes()
        + azimuthBoxes(HorizontalPatternPrefix) + azimuthBoxes(VerticalPatternPrefix) + azimuthBoxes(EffectiveHeightPrefix);
}

QStringList VisibilityRules::listsResetForNextNotice() const
{
    return StationListsToReset + m_form.row4ListsToReset;
}

bool VisibilityRules::holdsTypedData() const
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

void VisibilityRules::clearDateAndFragment()
{
    m_window.unselectOptions({ "OptFrg_A11", m_form.firstFragmentOption, "OptFrg_St61" });
    emptyBoxes(NotificationDateBoxes);
}

void VisibilityRules::initControls()
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

void VisibilityRules::Reset()
{
    clearForNextNotice();
    clearDateAndFragment();
}

void VisibilityRules::clearAfterSave()
{
    auto *keepDateAndFragment = qobject_cast<QCheckBox *>(widget("ChkClearFields"));
    if (keepDateAndFragment && keepDateAndFragment->isChecked())
        clearForNextNotice();
    else
        Reset();
    if (QWidget *day = widget("Txt_Ntc_DD"))
        day->setFocus();
    if (!isSelected("OptFrg_A11"))
        hideFrameA11();
}

void VisibilityRules::addChosen()
{
    showNoticeItems();
    hideFrameTrg();
    if (isNonArticle11FragmentSelected())
        hideFrameA11();
    setAntennaFrames();
}

void VisibilityRules::modifyChosen()
{
    showFrameTrg();
    showNoticeItems();
    if (isNonArticle11FragmentSelected())
        hideFrameA11();
    setAntennaFrames();
}

void VisibilityRules::suppressChosen()
{
    showFrameTrg();
    hideNoticeItems();
}

void VisibilityRules::withdrawChosen()
{
    showFrameTrg();
    hideNoticeItems();
}

void VisibilityRules::firstFragmentChosen() { hideFrameA11(); }
void VisibilityRules::st61Chosen() { hideFrameA11(); }

void VisibilityRules::article11Chosen()
{
    if (!isSelected("OptInt_Sup") && !isSelected("OptInt_Wdraw"))
        showFrameA11();
}

void VisibilityRules::directivityChosen() { setAntennaFrames(); }
void VisibilityRules::polarizationChosen() { setAntennaFrames(); }
