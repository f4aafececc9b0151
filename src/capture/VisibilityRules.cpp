#include "capture/VisibilityRules.h"

#include "capture/FormControls.h"
#include "form/FieldCatalogue.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Control;

VisibilityRules::VisibilityRules(FormControls &controls)
    : QObject(&controls.window())
    , m_controls(controls)
    , m_firstFragmentOption(controls.formKind() == FormKind::T02 ? OptFrg_Ge89 : OptFrg_Ge84)
    , m_otherStationItems(namesHiddenWithStation(controls.formKind()))
{
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
        {OptInt_Add, &VisibilityRules::addChosen},
        {OptInt_Mod, &VisibilityRules::modifyChosen},
        {OptInt_Sup, &VisibilityRules::suppressChosen},
        {OptInt_Wdraw, &VisibilityRules::withdrawChosen},
        {m_firstFragmentOption, &VisibilityRules::firstFragmentChosen},
        {OptFrg_St61, &VisibilityRules::st61Chosen},
        {OptFrg_A11, &VisibilityRules::article11Chosen},
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
        QLatin1String list;
        void (VisibilityRules::*handler)();
    } listHandlers[] = {
        {Combo_9_AntDir, &VisibilityRules::directivityChosen},
        {Combo_9D_Polariz, &VisibilityRules::polarizationChosen},
    };
    for (const auto &row : listHandlers) {
        auto *list = qobject_cast<QComboBox *>(widget(row.list));
        if (!list)
            continue;
        const auto handler = row.handler;
        connect(list, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
    }
}

QWidget *VisibilityRules::widget(const QString &name) const
{
    QWidget *control = m_controls.control(name);
    if (!control) {
        qWarning("Capture window %s has no control named %s", qPrintable(m_controls.window().objectName()),
                 qPrintable(name));
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

void VisibilityRules::clear(ClearGroup group)
{
    const QStringList names = namesIn(m_controls.formKind(), group);
    for (const QString &name : names) {
        QWidget *control = widget(name);
        // setText rather than clear(): clear() is an edit that the box keeps
        // in its undo history, which would then grow with every notice of a
        // long run; setText empties the history, and the previous notice's
        // text is no longer there to undo back into the new one.
        if (auto *box = qobject_cast<QLineEdit *>(control))
            box->setText(QString());
        else if (auto *list = qobject_cast<QComboBox *>(control))
            list->setCurrentIndex(0);
    }
    m_controls.unselectOptions(names);
}

bool VisibilityRules::isNonArticle11FragmentSelected() const
{
    return isSelected(m_firstFragmentOption) || isSelected(OptFrg_St61);
}

// clang-format off
void VisibilityRules::hideFrameA11() { setShown(Frame_A11_Only, false); }
void VisibilityRules::showFrameA11() { setShown(Frame_A11_Only, true); }
void VisibilityRules::hideFrameTrg() { setShown(FrameTrg, false); }
void VisibilityRules::showFrameTrg() { setShown(FrameTrg, true); }
void VisibilityRules::hideFrame9NH() { setShown(Frame_9NH_AttnH, false); }
void VisibilityRules::showFrame9NH() { setShown(Frame_9NH_AttnH, true); }
void VisibilityRules::hideFrame9NV() { setShown(Frame_9NV_AttnV, false); }
void VisibilityRules::showFrame9NV() { setShown(Frame_9NV_AttnV, true); }
// clang-format on

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
    const QString directivity = m_controls.text(Combo_9_AntDir);
    const QString polarization = m_controls.text(Combo_9D_Polariz);

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

// clang-format off
void VisibilityRules::clearNoticeItems() { clear(ClearGroup::NoticeItems); }
// clang-format on

void VisibilityRules::clearIntentionAndItems()
{
    clearNoticeItems();
    clear(ClearGroup::Intention);
}

void VisibilityRules::clearArticle11Items()
{
    clear(ClearGroup::Article11);
}
// clang-format off
void VisibilityRules::clearTargetItems() { clear(ClearGroup::Target); }
void VisibilityRules::clearHorizontalPattern() { clear(ClearGroup::HorizontalPattern); }
void VisibilityRules::clearVerticalPattern() { clear(ClearGroup::VerticalPattern); }
void VisibilityRules::clearEffectiveHeights() { clear(ClearGroup::EffectiveHeights); }
// clang-format on

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

bool VisibilityRules::holdsTypedData() const
{
    for (ClearGroup group :
         {ClearGroup::NoticeItems, ClearGroup::Article11, ClearGroup::Target, ClearGroup::HorizontalPattern,
          ClearGroup::VerticalPattern, ClearGroup::EffectiveHeights}) {
        for (const QString &name : namesIn(m_controls.formKind(), group)) {
            QWidget *control = widget(name);
            if (auto *box = qobject_cast<QLineEdit *>(control); box && !box->text().isEmpty())
                return true;
            if (auto *list = qobject_cast<QComboBox *>(control); list && list->currentIndex() > 0)
                return true;
        }
    }
    return false;
}

void VisibilityRules::clearDateAndFragment()
{
    clear(ClearGroup::Fragment);
    clear(ClearGroup::NotificationDate);
}

void VisibilityRules::initControls()
{
    for (QLatin1String name : {ChkValidate, ChkClearFields}) {
        if (auto *check = qobject_cast<QCheckBox *>(widget(name)))
            check->setChecked(true);
    }
    for (const ControlSpec &spec : m_controls.specs()) {
        if (auto *list = qobject_cast<QComboBox *>(widget(spec.name)); list && !spec.entries.isEmpty())
            list->addItems(spec.entries);
    }
}

void VisibilityRules::reset()
{
    clearForNextNotice();
    clearDateAndFragment();
}

void VisibilityRules::showFramesForScreen()
{
    setAntennaFrames();
    if (!isSelected(OptFrg_A11))
        hideFrameA11();
}

void VisibilityRules::clearAfterSave()
{
    auto *keepDateAndFragment = qobject_cast<QCheckBox *>(widget(ChkClearFields));
    if (keepDateAndFragment && keepDateAndFragment->isChecked())
        clearForNextNotice();
    else
        reset();
    if (!isSelected(OptFrg_A11))
        hideFrameA11();
    // The next notice starts in the first empty box: the day of the
    // notification date, or, when the date was carried over, the first box
    // that the clear emptied.
    m_controls.focusAndSelect(m_controls.firstEmptyBox());
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

void VisibilityRules::firstFragmentChosen()
{
    hideFrameA11();
}
void VisibilityRules::st61Chosen()
{
    hideFrameA11();
}

void VisibilityRules::article11Chosen()
{
    if (!isSelected(OptInt_Sup) && !isSelected(OptInt_Wdraw))
        showFrameA11();
}

void VisibilityRules::directivityChosen()
{
    setAntennaFrames();
}
void VisibilityRules::polarizationChosen()
{
    setAntennaFrames();
}
