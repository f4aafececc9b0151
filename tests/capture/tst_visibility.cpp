// What the capture windows show and hide by intention, fragment and antenna
// settings, whether the operator chose them or the program did. Every case
// runs on both windows, built and shown for real. What the clears empty and
// keep is in tst_clears.

#include "ScreenActs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Control;

class TstVisibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void stationItemsAreTheDesignedSet_data();
    void stationItemsAreTheDesignedSet();
    void screenAfterEvents_data();
    void screenAfterEvents();
    void antennaRule_data();
    void antennaRule();
    void hiddenBoxesKeepTheirTextThroughSupAndAdd_data();
    void hiddenBoxesKeepTheirTextThroughSupAndAdd();
    void listChoiceByKeyboardRunsTheRuleButNotByCode_data();
    void listChoiceByKeyboardRunsTheRuleButNotByCode();
    void optionSelectedByCodeRunsItsHandler_data();
    void optionSelectedByCodeRunsItsHandler();
};

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
    for (FormKind kind : BothForms) {
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
    for (FormKind kind : BothForms) {
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
    WindowDriver drive(*window);
    for (const QString &name : typedInto)
        QVERIFY(drive.type(name, "12"));

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

void TstVisibility::listChoiceByKeyboardRunsTheRuleButNotByCode_data()
{
    addBothForms();
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
    WindowDriver drive(*window);
    drive.key(Combo_9_AntDir, Qt::Key_Down);
    QCOMPARE(directivity->currentText(), QStringLiteral("D"));
    drive.key(Combo_9D_Polariz, Qt::Key_Down);
    QCOMPARE(polarization->currentText(), QStringLiteral("H"));
    QVERIFY(window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(!window->control("Frame_9NV_AttnV")->isVisible());
    // One more step of the directivity: "ND".
    drive.key(Combo_9_AntDir, Qt::Key_Down);
    QCOMPARE(directivity->currentText(), QStringLiteral("ND"));
    QVERIFY(!window->control("Frame_9NH_AttnH")->isVisible());
    QVERIFY(!window->control("Frame_9NV_AttnV")->isVisible());
}

void TstVisibility::optionSelectedByCodeRunsItsHandler_data()
{
    addBothForms();
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

QTEST_MAIN(TstVisibility)
#include "tst_visibility.moc"
