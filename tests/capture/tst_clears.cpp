// What the clears of the capture windows empty and keep: the Reset button,
// the partial clear between notices and the clear after a save, and the
// lists and check boxes as the set-up leaves them. Every case runs on both
// windows, built and shown for real.

#include "ScreenActs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Control;

class TstClears : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void listsHoldTheirEntries_data();
    void listsHoldTheirEntries();
    void setUpTicksBothCheckBoxes_data();
    void setUpTicksBothCheckBoxes();
    void clearsKeep_data();
    void clearsKeep();
    void nonDirectionalWithoutIntentionUntilNextClear_data();
    void nonDirectionalWithoutIntentionUntilNextClear();
    void clearAfterSave_data();
    void clearAfterSave();
    void resetLeavesAdministrationFileAndCounter_data();
    void resetLeavesAdministrationFileAndCounter();
    void clearsLeaveNothingToUndo_data();
    void clearsLeaveNothingToUndo();
};

void TstClears::listsHoldTheirEntries_data()
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

void TstClears::listsHoldTheirEntries()
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
    WindowDriver drive(*window);
    drive.choose(list, entries.last());
    drive.reset();
    QCOMPARE(combo->currentIndex(), 0);
    drive.choose(list, entries.at(1));
    window->visibility().clearForNextNotice();
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(entriesOf(), entries);
}

void TstClears::setUpTicksBothCheckBoxes_data()
{
    addBothForms();
}

void TstClears::setUpTicksBothCheckBoxes()
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

void TstClears::clearsKeep_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("clear");
    QTest::addColumn<bool>("keepsDateAndFragment");
    for (FormKind kind : BothForms) {
        QTest::addRow("%s Reset button", formName(kind)) << kind << "Reset" << false;
        QTest::addRow("%s partial clear", formName(kind)) << kind << "clearForNextNotice" << true;
    }
}

void TstClears::clearsKeep()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, clear);
    QFETCH(bool, keepsDateAndFragment);

    auto window = openWindow(kind);
    const QStringList dateBoxes = { "Txt_Ntc_DD", "Txt_Ntc_MM", "Txt_Ntc_YY" };
    // The list's filter box is not the form's: no clear touches it.
    const QStringList untouchedBoxes = { "Txt_B_Adm", "Txt_Filename", "Txt_Ntc_Number", "noticeFilter" };

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
    WindowDriver drive(*window);
    drive.check(ChkValidate, false);
    drive.check(ChkClearFields, false);
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

void TstClears::nonDirectionalWithoutIntentionUntilNextClear_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("clear");
    for (FormKind kind : BothForms) {
        QTest::addRow("%s Reset", formName(kind)) << kind << "Reset";
        QTest::addRow("%s partial clear", formName(kind)) << kind << "clearForNextNotice";
        QTest::addRow("%s save", formName(kind)) << kind << "save";
    }
}

void TstClears::nonDirectionalWithoutIntentionUntilNextClear()
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

void TstClears::clearAfterSave_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<bool>("article11Shown");
    for (FormKind kind : BothForms) {
        QTest::addRow("%s keep, Art. 11", formName(kind)) << kind << true << "Art11" << true;
        QTest::addRow("%s keep, first", formName(kind)) << kind << true << "first" << false;
        QTest::addRow("%s keep, ST61", formName(kind)) << kind << true << "ST61" << false;
        QTest::addRow("%s keep, none", formName(kind)) << kind << true << "" << false;
        QTest::addRow("%s do not keep, Art. 11", formName(kind)) << kind << false << "Art11" << false;
        QTest::addRow("%s do not keep, ST61", formName(kind)) << kind << false << "ST61" << false;
    }
}

void TstClears::clearAfterSave()
{
    QFETCH(FormKind, kind);
    QFETCH(bool, keep);
    QFETCH(QString, fragment);
    QFETCH(bool, article11Shown);

    auto window = openWindow(kind);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    WindowDriver drive(*window);
    drive.check(ChkClearFields, keep);
    drive.perform({type(Txt_Ntc_DD, "07"), type(Txt_Ntc_MM, "12"), type(Txt_Ntc_YY, "2005"), type(Txt_B_Adm, "F")});
    if (!fragment.isEmpty())
        act(*window, fragment);
    actAll(*window, { "Add", "dir=ND" });
    drive.type(Txt_1A_FreqAssgn, "100");
    drive.focus(Txt_9E_AntHgt);

    window->visibility().clearAfterSave();

    QCOMPARE(QApplication::focusWidget(), window->control(keep ? "Txt_AdmRefID" : "Txt_Ntc_DD"));
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

void TstClears::resetLeavesAdministrationFileAndCounter_data()
{
    addBothForms();
}

void TstClears::resetLeavesAdministrationFileAndCounter()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    WindowDriver drive(*window);
    drive.put(Txt_B_Adm, "HOL");
    drive.put(Txt_Filename, "/tmp/T01M-2005127-14327-operator.txt");
    drive.put(Txt_Ntc_Number, "4");
    drive.put(Txt_Ntc_DD, "7");
    act(*window, "Art11");

    WindowDriver(*window).reset();

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

void TstClears::clearsLeaveNothingToUndo_data()
{
    addBothForms();
}

// A box emptied for the next notice keeps no undo history: Ctrl+Z cannot
// bring the last notice's text back into the new one, and a long run of
// notices does not pile up the typing of every notice in memory.
void TstClears::clearsLeaveNothingToUndo()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    QLineEdit *site = window->textBox("Txt_4A_SiteName");
    QLineEdit *azimuth = window->textBox("Txt_9NHAzm000");
    QVERIFY(site);
    QVERIFY(azimuth);

    WindowDriver drive(*window);
    drive.type(Txt_4A_SiteName, "DOVER");
    drive.type("Txt_9NHAzm000", "3");
    QVERIFY(site->isUndoAvailable());
    window->visibility().clearForNextNotice();
    QCOMPARE(site->text(), QString());
    QCOMPARE(azimuth->text(), QString());
    QVERIFY(!site->isUndoAvailable());
    QVERIFY(!azimuth->isUndoAvailable());

    drive.type(Txt_4A_SiteName, "CALAIS");
    window->visibility().reset();
    QVERIFY(!site->isUndoAvailable());
}

QTEST_MAIN(TstClears)
#include "tst_clears.moc"
