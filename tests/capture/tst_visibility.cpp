// What the capture windows show and hide by intention, fragment and antenna
// settings, what their drop-down lists hold, and what the clears keep. Every
// case runs on both windows, built and shown for real.

#include "capture/CaptureWindow.h"
#include "capture/VisibilityRules.h"
#include "platform/Alerts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FormKind)

namespace {

const char *formName(FormKind kind)
{
    return kind == FormKind::T01 ? "T01" : "T02";
}

QString firstFragment(FormKind kind)
{
    return kind == FormKind::T01 ? QStringLiteral("OptFrg_Ge84") : QStringLiteral("OptFrg_Ge89");
}

std::unique_ptr<CaptureWindow> openWindow(FormKind kind)
{
    auto window = std::make_unique<CaptureWindow>(kind);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("capture window was not exposed");
    return window;
}

// The station items as the rules describe them: every control lying directly
// in FrameNotice except the date of notification, the notifying
// administration and the frames of their own (fragment, intention, target,
// Article 11); the effective-height and coordination frames; the labels inside
// the Article 11 frame.
QList<QWidget *> stationItems(const CaptureWindow &window)
{
    static const QStringList notStationItems = {
        "Txt_Ntc_DD", "Txt_Ntc_MM", "Txt_Ntc_YY", "Lbl_DNtc", "Txt_B_Adm", "Lbl_B_Adm",
        "FrameFrg",   "FrameIntent", "FrameTrg", "Frame_A11_Only"
    };
    QList<QWidget *> items;
    const auto inNotice = window.control("FrameNotice")->findChildren<QWidget *>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *widget : inNotice) {
        if (!widget->objectName().isEmpty() && !notStationItems.contains(widget->objectName()))
            items << widget;
    }
    items << window.control("Frame_9EC_EffAntHeight") << window.control("FrameCoord");
    const auto article11Labels =
        window.control("Frame_A11_Only")->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel *label : article11Labels)
        items << label;
    return items;
}

// The operator's acts, written as short words in the test tables:
// "Add", "Mod", "Sup", "Withdraw"   select an intention with the mouse;
// "first", "ST61", "Art11"          select a fragment with the mouse;
// "dir=ND", "pol=H", "pol="         choose an entry of the directivity or
//                                   polarization list (an empty value: the
//                                   empty entry);
// "Reset"                           click the Reset button;
// "clearForNextNotice"                 the partial clear between notices;
// "save"                            the screen's clearing after a save;
// "dontKeep"                        untick ChkClearFields.
void act(CaptureWindow &window, const QString &event)
{
    static const QHash<QString, QString> options = {
        { "Add", "OptInt_Add" },   { "Mod", "OptInt_Mod" },   { "Sup", "OptInt_Sup" },
        { "Withdraw", "OptInt_Wdraw" }, { "ST61", "OptFrg_St61" }, { "Art11", "OptFrg_A11" },
    };
    if (options.contains(event) || event == QLatin1String("first")) {
        const QString name = event == QLatin1String("first") ? firstFragment(window.formKind())
                                                             : options.value(event);
        QRadioButton *option = window.option(name);
        QVERIFY2(option, qPrintable(name));
        // On the round indicator, which is always inside the button's click area.
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY2(option->isChecked(), qPrintable("the click did not select " + name));
    } else if (event.startsWith(QLatin1String("dir=")) || event.startsWith(QLatin1String("pol="))) {
        const QString name = event.startsWith(QLatin1String("dir=")) ? "Combo_9_AntDir" : "Combo_9D_Polariz";
        QComboBox *list = window.list(name);
        QVERIFY2(list, qPrintable(name));
        const int index = list->findText(event.mid(4), Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(event));
        // What the list does on the operator's choice of an entry.
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    } else if (event == QLatin1String("Reset")) {
        QPushButton *reset = window.button("Button_Reset");
        QVERIFY(reset);
        QTest::mouseClick(reset, Qt::LeftButton);
    } else if (event == QLatin1String("clearForNextNotice")) {
        window.visibility().clearForNextNotice();
    } else if (event == QLatin1String("save")) {
        window.visibility().clearAfterSave();
    } else if (event == QLatin1String("dontKeep")) {
        QCheckBox *keep = window.checkBox("ChkClearFields");
        QVERIFY(keep);
        keep->setChecked(false);
    } else {
        QFAIL(qPrintable("unknown event " + event));
    }
}

void actAll(CaptureWindow &window, const QStringList &events)
{
    for (const QString &event : events) {
        act(window, event);
        if (QTest::currentTestFailed())
            return;
    }
}

// "shown" or "hidden" as the rules left the control, whatever its frame.
QString shownWord(bool shown)
{
    return shown ? QStringLiteral("shown") : QStringLiteral("hidden");
}

void verifyShown(const CaptureWindow &window, const QString &name, bool shown)
{
    QWidget *widget = window.control(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY2(widget->isHidden() != shown,
             qPrintable(QStringLiteral("%1 should be %2").arg(name, shownWord(shown))));
}

void verifyScreen(const CaptureWindow &window, bool target, bool station, bool article11,
                  bool attenuationH, bool attenuationV)
{
    verifyShown(window, "FrameTrg", target);
    for (QWidget *item : stationItems(window)) {
        QVERIFY2(item->isHidden() != station,
                 qPrintable(QStringLiteral("station item %1 should be %2")
                                .arg(item->objectName(), shownWord(station))));
    }
    verifyShown(window, "Frame_A11_Only", article11);
    verifyShown(window, "Frame_9NH_AttnH", attenuationH);
    verifyShown(window, "Frame_9NV_AttnV", attenuationV);

    // Never hidden by any rule.
    for (const char *name : { "Txt_Ntc_DD", "Txt_Ntc_MM", "Txt_Ntc_YY", "Lbl_DNtc", "Txt_B_Adm",
                              "Lbl_B_Adm", "FrameFrg", "FrameIntent", "FrameNotice", "Txt_Filename",
                              "Txt_Ntc_Number", "Button_Next", "Button_Finish", "Button_Reset",
                              "ChkValidate", "ChkClearFields", "Txt_notified_Rmks",
                              "Txt_Internal_Rmks" }) {
        QWidget *widget = window.control(name);
        QVERIFY2(widget && widget->isVisibleTo(&window), name);
    }
}

QList<FormKind> bothForms()
{
    return { FormKind::T01, FormKind::T02 };
}

} // namespace

class TstVisibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void stationItemsAreTheDesignedSet_data();
    void stationItemsAreTheDesignedSet();
    void screenAfterEvents_data();
    void screenAfterEvents();
    void antennaRule_data();
    void antennaRule();

    void listsHoldTheirEntries_data();
    void listsHoldTheirEntries();
    void setUpTicksBothCheckBoxes_data();
    void setUpTicksBothCheckBoxes();
    void clearsKeep_data();
    void clearsKeep();

    void hiddenBoxesKeepTheirTextThroughSupAndAdd_data();
    void hiddenBoxesKeepTheirTextThroughSupAndAdd();
    void nonDirectionalWithoutIntentionUntilNextClear_data();
    void nonDirectionalWithoutIntentionUntilNextClear();
    void clearAfterSave_data();
    void clearAfterSave();
    void resetLeavesAdministrationFileAndCounter_data();
    void resetLeavesAdministrationFileAndCounter();
    void listChoiceByKeyboardRunsTheRuleButNotByCode_data();
    void listChoiceByKeyboardRunsTheRuleButNotByCode();
    void optionSelectedByCodeRunsItsHandler_data();
    void optionSelectedByCodeRunsItsHandler();
    void clearsLeaveNothingToUndo_data();
    void clearsLeaveNothingToUndo();
};

void TstVisibility::initTestCase()
{
}

void TstVisibility::cleanup()
{
    // Every window of a case is closed with the case.
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void TstVisibility::stationItemsAreTheDesignedSet_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("someItems");
    // 2 frames, 21 common entry controls, 18 common labels, 6 Article 11
    // labels, and the row-4 controls and labels of each form.
    QTest::newRow("T01") << FormKind::T01 << 2 + 21 + 18 + 6 + 2 + 3
                         << QStringList{ "Txt_70_BDWdth", "Lbl_7A0_BDWdth_unit", "Lbl_7D_TranSys",
                                         "Txt_4C_NS", "Lbl_9EB_unit", "Lbl_2C", "FrameCoord" };
    QTest::newRow("T02") << FormKind::T02 << 2 + 21 + 18 + 6 + 6 + 8
                         << QStringList{ "Combo_7A1_FreqStabl", "Txt_1E_kHz", "Lbl_1E_kHz_Sign",
                                         "Combo_9_AntDir", "Lbl_10B_OphhTo", "Frame_9EC_EffAntHeight" };
}

void TstVisibility::stationItemsAreTheDesignedSet()
{
    QFETCH(FormKind, kind);
    QFETCH(int, count);
    QFETCH(QStringList, someItems);
    auto window = openWindow(kind);
    QStringList names;
    for (QWidget *item : stationItems(*window))
        names << item->objectName();
    QCOMPARE(names.size(), count);
    for (const QString &name : someItems)
        QVERIFY2(names.contains(name), qPrintable(name));

    // Sup hides exactly these (and the three frames); Add brings them back.
    act(*window, "Sup");
    verifyScreen(*window, true, false, false, false, false);
}

void TstVisibility::screenAfterEvents_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("target");
    QTest::addColumn<bool>("station");
    QTest::addColumn<bool>("article11");
    QTest::addColumn<bool>("attenuationH");
    QTest::addColumn<bool>("attenuationV");

    struct Row
    {
        const char *name;
        QStringList events;
        bool target, station, article11, attenuationH, attenuationV;
    };
    const bool S = true, H = false; // shown, hidden
    const Row rows[] = {
        { "set-up", {}, S, S, S, S, S },
        { "Reset after Sup", { "first", "Sup", "Reset" }, S, S, S, S, S },
        { "Reset after Add and ND", { "Add", "dir=ND", "Reset" }, S, S, S, S, S },
        { "Reset after Add", { "ST61", "Add", "Reset" }, S, S, S, S, S },

        { "Add, no fragment", { "Add" }, H, S, S, S, S },
        { "Add, first", { "first", "Add" }, H, S, H, S, S },
        { "Add, ST61", { "ST61", "Add" }, H, S, H, S, S },
        { "Add, Art. 11", { "Art11", "Add" }, H, S, S, S, S },
        { "Mod, no fragment", { "Mod" }, S, S, S, S, S },
        { "Mod, first", { "first", "Mod" }, S, S, H, S, S },
        { "Mod, ST61", { "ST61", "Mod" }, S, S, H, S, S },
        { "Mod, Art. 11", { "Art11", "Mod" }, S, S, S, S, S },
        { "Add then Mod", { "first", "Add", "Mod" }, S, S, H, S, S },
        { "Mod then Add", { "Art11", "Mod", "Add" }, H, S, S, S, S },

        { "Sup", { "Sup" }, S, H, H, H, H },
        { "Withdraw", { "Withdraw" }, S, H, H, H, H },
        { "Sup, Art. 11", { "Art11", "Sup" }, S, H, H, H, H },
        { "Add then Sup", { "Art11", "Add", "Sup" }, S, H, H, H, H },
        { "Mod then Withdraw", { "Mod", "Withdraw" }, S, H, H, H, H },

        { "first clicked, no intention", { "first" }, S, S, H, S, S },
        { "ST61 clicked, no intention", { "ST61" }, S, S, H, S, S },
        { "first clicked under Add, Art. 11", { "Art11", "Add", "first" }, H, S, H, S, S },
        { "ST61 clicked under Mod, Art. 11", { "Art11", "Mod", "ST61" }, S, S, H, S, S },
        { "first clicked under Sup", { "Art11", "Sup", "first" }, S, H, H, H, H },
        { "Art. 11 clicked, no intention", { "first", "Art11" }, S, S, S, S, S },
        { "Art. 11 clicked under Add, first", { "first", "Add", "Art11" }, H, S, S, S, S },
        { "Art. 11 clicked under Mod, ST61", { "ST61", "Mod", "Art11" }, S, S, S, S, S },
        { "Art. 11 clicked under Sup", { "first", "Sup", "Art11" }, S, H, H, H, H },
        { "Art. 11 clicked under Withdraw", { "ST61", "Withdraw", "Art11" }, S, H, H, H, H },

        { "ND chosen under Add", { "first", "Add", "dir=ND" }, H, S, H, H, H },
        { "H chosen under Mod, D", { "Art11", "Mod", "dir=D", "pol=H" }, S, S, S, S, H },
        { "V chosen under Add, D", { "Add", "dir=D", "pol=V" }, H, S, S, H, S },
        { "ND chosen, no intention", { "dir=ND" }, S, S, S, H, H },
        { "empty directivity chosen after ND", { "Add", "dir=ND", "dir=" }, H, S, S, S, S },

        { "Sup then Add, Art. 11, D/H", { "Art11", "dir=D", "pol=H", "Sup", "Add" }, H, S, S, S, H },
        { "Sup then Add, ST61, ND", { "ST61", "dir=ND", "Sup", "Add" }, H, S, H, H, H },
        { "Withdraw then Mod, first, D/V", { "first", "dir=D", "pol=V", "Withdraw", "Mod" },
          S, S, H, H, S },

        { "partial clear after Add", { "first", "Add", "clearForNextNotice" }, S, S, S, S, S },
        { "partial clear after Sup", { "Art11", "Sup", "clearForNextNotice" }, S, S, S, S, S },
        { "partial clear after ND", { "Mod", "dir=ND", "clearForNextNotice" }, S, S, S, S, S },
        { "end of save, Art. 11 kept", { "Art11", "Add", "dir=ND", "save" }, S, S, S, S, S },
        { "end of save, first kept", { "first", "Sup", "save" }, S, S, H, S, S },
        { "end of save, ST61 kept", { "ST61", "Add", "save" }, S, S, H, S, S },
        { "end of save, no fragment", { "Add", "save" }, S, S, H, S, S },
        { "end of save not keeping, Art. 11", { "dontKeep", "Art11", "Add", "save" }, S, S, H, S, S },
    };
    for (FormKind kind : bothForms()) {
        for (const Row &row : rows) {
            QTest::addRow("%s %s", formName(kind), row.name)
                << kind << row.events << row.target << row.station << row.article11
                << row.attenuationH << row.attenuationV;
        }
    }
}

void TstVisibility::screenAfterEvents()
{
    QFETCH(FormKind, kind);
    QFETCH(QStringList, events);
    QFETCH(bool, target);
    QFETCH(bool, station);
    QFETCH(bool, article11);
    QFETCH(bool, attenuationH);
    QFETCH(bool, attenuationV);

    auto window = openWindow(kind);
    actAll(*window, events);
    if (QTest::currentTestFailed())
        return;
    verifyScreen(*window, target, station, article11, attenuationH, attenuationV);
}

void TstVisibility::antennaRule_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("directivity");
    QTest::addColumn<QString>("polarization");
    QTest::addColumn<bool>("attenuationH");
    QTest::addColumn<bool>("attenuationV");

    struct Row
    {
        const char *directivity, *polarization;
        bool attenuationH, attenuationV;
    };
    const Row rows[] = {
        { "ND", "", false, false }, { "ND", "H", false, false },
        { "ND", "V", false, false }, { "ND", "M", false, false },
        { "D", "H", true, false },   { "D", "V", false, true },
        { "D", "M", true, true },    { "D", "", true, true },
        { "", "", true, true },      { "", "H", true, true },
        { "", "V", true, true },     { "", "M", true, true },
    };
    for (FormKind kind : bothForms()) {
        for (const Row &row : rows) {
            QTest::addRow("%s dir '%s' pol '%s'", formName(kind), row.directivity, row.polarization)
                << kind << QString(row.directivity) << QString(row.polarization)
                << row.attenuationH << row.attenuationV;
        }
    }
}

void TstVisibility::antennaRule()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, directivity);
    QFETCH(QString, polarization);
    QFETCH(bool, attenuationH);
    QFETCH(bool, attenuationV);

    const QString dir = "dir=" + directivity;
    const QString pol = "pol=" + polarization;
    // Each way the rule runs: after the list choices under Add, from the list
    // choices alone with no intention (either order), and from Mod after Sup
    // had hidden both frames.
    const QList<QStringList> ways = {
        { "Add", "dir=ND", dir, pol },
        { pol, dir },
        { "dir=ND", dir, "pol=V", pol },
        { dir, pol, "Sup", "Mod" },
    };
    for (const QStringList &events : ways) {
        auto window = openWindow(kind);
        actAll(*window, events);
        if (QTest::currentTestFailed())
            return;
        const QString way = events.join(", ");
        QVERIFY2(window->control("Frame_9NH_AttnH")->isHidden() != attenuationH, qPrintable(way));
        QVERIFY2(window->control("Frame_9NV_AttnV")->isHidden() != attenuationV, qPrintable(way));
        // What the operator sees, too.
        QCOMPARE(window->control("Frame_9NH_AttnH")->isVisible(), attenuationH);
        QCOMPARE(window->control("Frame_9NV_AttnV")->isVisible(), attenuationV);
        // The effective height table does not depend on the antenna.
        QVERIFY(window->control("Frame_9EC_EffAntHeight")->isVisible());
    }
}

void TstVisibility::listsHoldTheirEntries_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("entries"); // empty: the form has no such list

    const QStringList stability = { "", "RELAXED", "NORMAL", "PRECISION" };
    const QStringList colour = { "", "NTSC", "PAL", "SECAM" };
    const QStringList directivity = { "", "D", "ND" };
    const QStringList polarization = { "", "H", "V", "M" };
    QTest::newRow("T01 Combo_9_AntDir") << FormKind::T01 << "Combo_9_AntDir" << directivity;
    QTest::newRow("T01 Combo_9D_Polariz") << FormKind::T01 << "Combo_9D_Polariz" << polarization;
    QTest::newRow("T01 no Combo_7A1_FreqStabl") << FormKind::T01 << "Combo_7A1_FreqStabl" << QStringList();
    QTest::newRow("T01 no Combo_7C2_Color_Sys") << FormKind::T01 << "Combo_7C2_Color_Sys" << QStringList();
    QTest::newRow("T02 Combo_7A1_FreqStabl") << FormKind::T02 << "Combo_7A1_FreqStabl" << stability;
    QTest::newRow("T02 Combo_7C2_Color_Sys") << FormKind::T02 << "Combo_7C2_Color_Sys" << colour;
    QTest::newRow("T02 Combo_9_AntDir") << FormKind::T02 << "Combo_9_AntDir" << directivity;
    QTest::newRow("T02 Combo_9D_Polariz") << FormKind::T02 << "Combo_9D_Polariz" << polarization;
}

void TstVisibility::listsHoldTheirEntries()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, list);
    QFETCH(QStringList, entries);

    auto window = openWindow(kind);
    QComboBox *combo = window->list(list);
    if (entries.isEmpty()) {
        QVERIFY(!window->control(list));
        return;
    }
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());

    auto entriesOf = [combo] {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    };
    QCOMPARE(entriesOf(), entries);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(window->text(list), QString());

    // The clears put the list back on its empty entry and never refill it.
    combo->setCurrentIndex(entries.size() - 1);
    act(*window, "Reset");
    QCOMPARE(combo->currentIndex(), 0);
    combo->setCurrentIndex(1);
    window->visibility().clearForNextNotice();
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(entriesOf(), entries);
}

void TstVisibility::setUpTicksBothCheckBoxes_data()
{
    QTest::addColumn<FormKind>("kind");
    for (FormKind kind : bothForms())
        QTest::newRow(formName(kind)) << kind;
}

void TstVisibility::setUpTicksBothCheckBoxes()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    QVERIFY(window->checkBox("ChkValidate"));
    QVERIFY(window->checkBox("ChkClearFields"));
    QVERIFY(window->checkBox("ChkValidate")->isChecked());
    QVERIFY(window->checkBox("ChkClearFields")->isChecked());
    // Nothing selected and every box empty after the set-up's clear.
    for (QRadioButton *option : window->findChildren<QRadioButton *>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        if (box->objectName() != QLatin1String("Txt_Filename")
            && box->objectName() != QLatin1String("Txt_Ntc_Number"))
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
}

void TstVisibility::clearsKeep_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("clear");
    QTest::addColumn<bool>("keepsDateAndFragment");
    for (FormKind kind : bothForms()) {
        QTest::addRow("%s Reset button", formName(kind)) << kind << "Reset" << false;
        QTest::addRow("%s partial clear", formName(kind)) << kind << "clearForNextNotice" << true;
    }
}

void TstVisibility::clearsKeep()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, clear);
    QFETCH(bool, keepsDateAndFragment);

    auto window = openWindow(kind);
    const QStringList dateBoxes = { "Txt_Ntc_DD", "Txt_Ntc_MM", "Txt_Ntc_YY" };
    const QStringList untouchedBoxes = { "Txt_B_Adm", "Txt_Filename", "Txt_Ntc_Number" };

    // A screen full of data, partly hidden, both check boxes unticked.
    const auto boxes = window->findChildren<QLineEdit *>();
    QVERIFY(boxes.size() > 150);
    for (QLineEdit *box : boxes)
        box->setText("7");
    const QStringList lists = { "Combo_7A1_FreqStabl", "Combo_7C2_Color_Sys", "Combo_9_AntDir",
                                "Combo_9D_Polariz" };
    QHash<QString, int> entryCounts;
    for (const QString &name : lists) {
        if (QComboBox *list = window->list(name)) {
            entryCounts.insert(name, list->count());
            list->setCurrentIndex(list->count() - 1);
        }
    }
    window->checkBox("ChkValidate")->setChecked(false);
    window->checkBox("ChkClearFields")->setChecked(false);
    actAll(*window, { "first", "Add", "dir=ND", "Sup" });
    if (QTest::currentTestFailed())
        return;

    act(*window, clear);

    for (QLineEdit *box : boxes) {
        const QString name = box->objectName();
        QString expected;
        if (untouchedBoxes.contains(name) || (keepsDateAndFragment && dateBoxes.contains(name)))
            expected = "7";
        QVERIFY2(box->text() == expected, qPrintable(name + " holds '" + box->text() + "'"));
    }
    QCOMPARE(window->isSelected(firstFragment(kind)), keepsDateAndFragment);
    QVERIFY(!window->isSelected("OptFrg_St61"));
    QVERIFY(!window->isSelected("OptFrg_A11"));
    for (const char *intention : { "OptInt_Add", "OptInt_Mod", "OptInt_Sup", "OptInt_Wdraw" })
        QVERIFY2(!window->isSelected(intention), intention);
    for (auto it = entryCounts.cbegin(); it != entryCounts.cend(); ++it) {
        QCOMPARE(window->list(it.key())->currentIndex(), 0);
        QCOMPARE(window->list(it.key())->count(), it.value());
    }
    QVERIFY(!window->checkBox("ChkValidate")->isChecked());
    QVERIFY(!window->checkBox("ChkClearFields")->isChecked());
    verifyScreen(*window, true, true, true, true, true);
}

void TstVisibility::hiddenBoxesKeepTheirTextThroughSupAndAdd_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("row4Box");
    QTest::newRow("T01") << FormKind::T01 << "Txt_7D_TranSys";
    QTest::newRow("T02") << FormKind::T02 << "Txt_7C1_TvSys";
}

void TstVisibility::hiddenBoxesKeepTheirTextThroughSupAndAdd()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, row4Box);

    auto window = openWindow(kind);
    const QStringList typedInto = { "Txt_3A1_CallSign", "Txt_1A_FreqAssgn", row4Box, "Txt_12A_OpAgcy",
                                    "Txt_9NHAzm090", "Txt_9NVAzm350", "Txt_11_Adm12", "Txt_9EC_azm000" };
    actAll(*window, { "Art11", "Mod", "dir=D", "pol=H" });
    for (const QString &name : typedInto) {
        QLineEdit *box = window->textBox(name);
        QVERIFY2(box, qPrintable(name));
        QTest::keyClicks(box, "12");
    }

    act(*window, "Sup");
    for (const QString &name : typedInto) {
        QVERIFY2(!window->textBox(name)->isVisibleTo(window.get()), qPrintable(name));
        QCOMPARE(window->textBox(name)->text(), QStringLiteral("12"));
    }
    QCOMPARE(window->text("Combo_9_AntDir"), QStringLiteral("D"));
    QCOMPARE(window->text("Combo_9D_Polariz"), QStringLiteral("H"));

    act(*window, "Add");
    verifyScreen(*window, false, true, true, true, false);
    for (const QString &name : typedInto)
        QCOMPARE(window->textBox(name)->text(), QStringLiteral("12"));
    // The target frame is hidden as a whole, its boxes keep what they hold.
    QVERIFY(!window->textBox("Txt_01A_TrgFreq")->isVisibleTo(window.get()));
}

void TstVisibility::nonDirectionalWithoutIntentionUntilNextClear_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("clear");
    for (FormKind kind : bothForms()) {
        QTest::addRow("%s Reset", formName(kind)) << kind << "Reset";
        QTest::addRow("%s partial clear", formName(kind)) << kind << "clearForNextNotice";
        QTest::addRow("%s save", formName(kind)) << kind << "save";
    }
}

void TstVisibility::nonDirectionalWithoutIntentionUntilNextClear()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, clear);

    auto window = openWindow(kind);
    act(*window, "dir=ND");
    QVERIFY(!window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(!window->control("Frame_9NV_AttnV")->isVisible());
    QVERIFY(!window->isSelected("OptInt_Add") && !window->isSelected("OptInt_Mod"));

    act(*window, clear);
    QVERIFY(window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(window->control("Frame_9NV_AttnV")->isVisible());
    QCOMPARE(window->text("Combo_9_AntDir"), QString());
}

void TstVisibility::clearAfterSave_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<bool>("article11Shown");
    for (FormKind kind : bothForms()) {
        QTest::addRow("%s keep, Art. 11", formName(kind)) << kind << true << "Art11" << true;
        QTest::addRow("%s keep, first", formName(kind)) << kind << true << "first" << false;
        QTest::addRow("%s keep, ST61", formName(kind)) << kind << true << "ST61" << false;
        QTest::addRow("%s keep, none", formName(kind)) << kind << true << "" << false;
        QTest::addRow("%s do not keep, Art. 11", formName(kind)) << kind << false << "Art11" << false;
        QTest::addRow("%s do not keep, ST61", formName(kind)) << kind << false << "ST61" << false;
    }
}

void TstVisibility::clearAfterSave()
{
    QFETCH(FormKind, kind);
    QFETCH(bool, keep);
    QFETCH(QString, fragment);
    QFETCH(bool, article11Shown);

    auto window = openWindow(kind);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->checkBox("ChkClearFields")->setChecked(keep);
    window->textBox("Txt_Ntc_DD")->setText("07");
    window->textBox("Txt_Ntc_MM")->setText("12");
    window->textBox("Txt_Ntc_YY")->setText("2005");
    window->textBox("Txt_B_Adm")->setText("F");
    if (!fragment.isEmpty())
        act(*window, fragment);
    actAll(*window, { "Add", "dir=ND" });
    window->textBox("Txt_1A_FreqAssgn")->setText("100");
    window->textBox("Txt_9E_AntHgt")->setFocus();

    window->visibility().clearAfterSave();

    QCOMPARE(QApplication::focusWidget(), window->control("Txt_Ntc_DD"));
    QCOMPARE(window->text("Txt_Ntc_DD"), keep ? QStringLiteral("07") : QString());
    QCOMPARE(window->text("Txt_Ntc_YY"), keep ? QStringLiteral("2005") : QString());
    const bool fragmentKept = keep && !fragment.isEmpty();
    QCOMPARE(window->option("OptFrg_A11")->isChecked() || window->option("OptFrg_St61")->isChecked()
                 || window->option(firstFragment(kind))->isChecked(),
             fragmentKept);
    QCOMPARE(window->text("Txt_B_Adm"), QStringLiteral("F"));
    QCOMPARE(window->text("Txt_1A_FreqAssgn"), QString());
    verifyScreen(*window, true, true, article11Shown, true, true);
}

void TstVisibility::resetLeavesAdministrationFileAndCounter_data()
{
    QTest::addColumn<FormKind>("kind");
    for (FormKind kind : bothForms())
        QTest::newRow(formName(kind)) << kind;
}

void TstVisibility::resetLeavesAdministrationFileAndCounter()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    window->textBox("Txt_B_Adm")->setText("HOL");
    window->textBox("Txt_Filename")->setText("/tmp/T01M-2005127-14327-operator.txt");
    window->textBox("Txt_Ntc_Number")->setText("4");
    window->textBox("Txt_Ntc_DD")->setText("7");
    act(*window, "Art11");

    act(*window, "Reset");

    QCOMPARE(window->text("Txt_B_Adm"), QStringLiteral("HOL"));
    QCOMPARE(window->text("Txt_Filename"), QStringLiteral("/tmp/T01M-2005127-14327-operator.txt"));
    QCOMPARE(window->text("Txt_Ntc_Number"), QStringLiteral("4"));
    QVERIFY(window->checkBox("ChkValidate")->isChecked());
    QVERIFY(window->checkBox("ChkClearFields")->isChecked());
    QCOMPARE(window->text("Txt_Ntc_DD"), QString());
    QVERIFY(!window->isSelected("OptFrg_A11"));
    // With no fragment left, the Article 11 frame is shown after the clear.
    QVERIFY(window->control("Frame_A11_Only")->isVisible());
}

void TstVisibility::listChoiceByKeyboardRunsTheRuleButNotByCode_data()
{
    QTest::addColumn<FormKind>("kind");
    for (FormKind kind : bothForms())
        QTest::newRow(formName(kind)) << kind;
}

void TstVisibility::listChoiceByKeyboardRunsTheRuleButNotByCode()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    QComboBox *directivity = window->list("Combo_9_AntDir");
    QComboBox *polarization = window->list("Combo_9D_Polariz");

    // Set from code: no handler runs, the frames stay as they were.
    directivity->setCurrentIndex(directivity->findText("ND"));
    QVERIFY(window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(window->control("Frame_9NV_AttnV")->isVisible());
    directivity->setCurrentIndex(0);

    // The operator's arrow keys: "D", then polarization "H".
    QTest::keyClick(directivity, Qt::Key_Down);
    QCOMPARE(directivity->currentText(), QStringLiteral("D"));
    QTest::keyClick(polarization, Qt::Key_Down);
    QCOMPARE(polarization->currentText(), QStringLiteral("H"));
    QVERIFY(window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(!window->control("Frame_9NV_AttnV")->isVisible());
    // One more step of the directivity: "ND".
    QTest::keyClick(directivity, Qt::Key_Down);
    QCOMPARE(directivity->currentText(), QStringLiteral("ND"));
    QVERIFY(!window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(!window->control("Frame_9NV_AttnV")->isVisible());
}

void TstVisibility::optionSelectedByCodeRunsItsHandler_data()
{
    QTest::addColumn<FormKind>("kind");
    for (FormKind kind : bothForms())
        QTest::newRow(formName(kind)) << kind;
}

void TstVisibility::optionSelectedByCodeRunsItsHandler()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);

    window->option("OptInt_Wdraw")->setChecked(true);
    verifyScreen(*window, true, false, false, false, false);
    window->option("OptInt_Add")->setChecked(true);
    verifyScreen(*window, false, true, true, true, true);
    window->option(firstFragment(kind))->setChecked(true);
    verifyScreen(*window, false, true, false, true, true);

    // Unselecting by a clear runs no handler: the clear's own showAll decides.
    window->visibility().clearIntentionAndItems();
    QVERIFY(!window->isSelected("OptInt_Add"));
    verifyScreen(*window, false, true, false, true, true);
}

void TstVisibility::clearsLeaveNothingToUndo_data()
{
    QTest::addColumn<FormKind>("kind");
    for (FormKind kind : bothForms())
        QTest::newRow(formName(kind)) << kind;
}

// A box emptied for the next notice keeps no undo history: Ctrl+Z cannot
// bring the last notice's text back into the new one, and a long run of
// notices does not pile up the typing of every notice in memory.
void TstVisibility::clearsLeaveNothingToUndo()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    QLineEdit *site = window->textBox("Txt_4A_SiteName");
    QLineEdit *azimuth = window->textBox("Txt_9NHAzm000");
    QVERIFY(site);
    QVERIFY(azimuth);

    QTest::keyClicks(site, "DOVER");
    QTest::keyClicks(azimuth, "3");
    QVERIFY(site->isUndoAvailable());
    window->visibility().clearForNextNotice();
    QCOMPARE(site->text(), QString());
    QCOMPARE(azimuth->text(), QString());
    QVERIFY(!site->isUndoAvailable());
    QVERIFY(!azimuth->isUndoAvailable());

    QTest::keyClicks(site, "CALAIS");
    window->visibility().reset();
    QVERIFY(!site->isUndoAvailable());
}

QTEST_MAIN(TstVisibility)
#include "tst_visibility.moc"
