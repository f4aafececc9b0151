// How the controls of the two capture windows behave: the tab order from the
// right-hand column, typing up to a box's maximum, the display-only counter,
// lists that take no typed text, exclusive option groups, frames hiding their
// controls, the controls and design-time texts of each form, and Enter and
// Escape. The layout itself is in tst_capture_layout.

#include "ScreenActs.h"

#include "platform/Alerts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

class TestCaptureControls : public QObject
{
    Q_OBJECT

    // Closing a capture window runs Finish, whose messages must not wait for a click.
    platform::ScopedRecordingAlerts m_alerts;

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void tabFromReset_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("unavailable");
        QTest::addColumn<QStringList>("expected");
        // The notice list, beside the form, comes after the form's last
        // control. Tab passes the notice counter by: the program writes it.
        const QStringList all{"Txt_Filename", "ChkValidate", "ChkClearFields", "noticeList", "noticeFilter", "Txt_Ntc_DD"};
        for (FormKind kind : BothForms) {
            QTest::addRow("%s", formName(kind)) << kind << QString() << all;
            QTest::addRow("%s, file name disabled", formName(kind))
                << kind << "disable Txt_Filename" << all.mid(1);
            QTest::addRow("%s, counter hidden", formName(kind))
                << kind << "hide Txt_Ntc_Number" << all;
        }
    }

    void tabFromReset()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, unavailable);
        QFETCH(QStringList, expected);
        CaptureWindow window(kind);
        if (!unavailable.isEmpty()) {
            QWidget *widget = window.control(unavailable.section(' ', 1));
            QVERIFY(widget);
            if (unavailable.startsWith("disable"))
                widget->setEnabled(false);
            else
                widget->hide();
        }
        WindowDriver drive(window);
        QVERIFY(drive.show(WindowDriver::Wait::Active));
        QVERIFY(drive.focus(Control::Button_Reset));
        for (const QString &next : expected) {
            drive.key(QApplication::focusWidget()->objectName(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void typingStopsAtMaximum_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QString site31 = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE";
        const QString long300 = QString("C:\\Notices\\T01M-2005127-14327-operator").repeated(8);
        for (FormKind kind : BothForms) {
            const char *tag = formName(kind);
            QTest::addRow("%s site name", tag) << kind << "Txt_4A_SiteName" << site31 << site31.left(30);
            QTest::addRow("%s administration", tag) << kind << "Txt_B_Adm" << "FRAN" << "FRA";
            QTest::addRow("%s 9NH box", tag) << kind << "Txt_9NHAzm000" << "12345" << "1234";
            QTest::addRow("%s 9EC box", tag) << kind << "Txt_9EC_azm080" << "123456" << "12345";
            QTest::addRow("%s 9NV box", tag) << kind << "Txt_9NVAzm350" << "99999" << "9999";
            QTest::addRow("%s file name", tag) << kind << "Txt_Filename" << long300 << long300;
            QTest::addRow("%s notified remarks", tag) << kind << "Txt_notified_Rmks" << long300 << long300;
            QTest::addRow("%s internal remarks", tag) << kind << "Txt_Internal_Rmks" << long300 << long300;
        }
    }

    void typingStopsAtMaximum()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        CaptureWindow window(kind);
        QLineEdit *box = window.textBox(name);
        QVERIFY(box);
        box->clear(); // the file name box comes with a proposed name
        WindowDriver(window).type(name, typed);
        QCOMPARE(box->text(), kept);
        QCOMPARE(window.text(name), kept);
    }

    // The notice counter is shown, not typed into, and holds any length.
    void noticeCounterIsDisplayOnly_data() { addBothForms(); }

    void noticeCounterIsDisplayOnly()
    {
        QFETCH(FormKind, kind);
        CaptureWindow window(kind);
        QLineEdit *counter = window.textBox("Txt_Ntc_Number");
        QVERIFY(counter);
        QVERIFY(counter->isReadOnly());
        WindowDriver(window).type(Control::Txt_Ntc_Number, "12");
        QCOMPARE(counter->text(), QString("1")); // the count set up with the window
        const QString longText(400, QLatin1Char('7'));
        counter->setText(longText);
        QCOMPARE(window.text("Txt_Ntc_Number"), longText);
    }

    // Beyond the line edit's default limit of 32767 characters. (The file
    // name box takes the longest path the system takes: 4,095 characters.)
    void boxesWithoutMaximumKeepVeryLongText()
    {
        CaptureWindow window(FormKind::T01);
        const QString longText(40000, QLatin1Char('r'));
        for (const char *name : {"Txt_notified_Rmks", "Txt_Internal_Rmks"}) {
            QLineEdit *box = window.textBox(name);
            QVERIFY2(box, name);
            box->setText(longText);
            QCOMPARE(box->text().size(), longText.size());
        }
    }

    void listsTakeNoTypedText_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("T01 9D") << FormKind::T01 << "Combo_9D_Polariz";
        QTest::newRow("T01 9") << FormKind::T01 << "Combo_9_AntDir";
        QTest::newRow("T02 9D") << FormKind::T02 << "Combo_9D_Polariz";
        QTest::newRow("T02 9") << FormKind::T02 << "Combo_9_AntDir";
        QTest::newRow("T02 7A1") << FormKind::T02 << "Combo_7A1_FreqStabl";
        QTest::newRow("T02 7C2") << FormKind::T02 << "Combo_7C2_Color_Sys";
    }

    void listsTakeNoTypedText()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, name);
        CaptureWindow window(kind);
        QComboBox *list = window.list(name);
        QVERIFY(list);
        QVERIFY(!list->isEditable());
        QVERIFY(!list->lineEdit());
        // Whatever entries the set-up put in, typing adds none and changes
        // nothing that reads back.
        if (list->count() == 0)
            list->addItems({"", "D", "ND"});
        list->setCurrentIndex(0);
        const int entries = list->count();
        const QString shown = list->currentText();
        WindowDriver(window).type(name, "XYZ");
        QCOMPARE(list->count(), entries);
        QCOMPARE(window.text(name), shown);
        list->setCurrentIndex(entries - 1);
        QCOMPARE(window.text(name), list->itemText(entries - 1));
    }

    void optionGroupsAreExclusiveAndClearable_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("firstFragment");
        QTest::newRow("T01") << FormKind::T01 << "OptFrg_Ge84";
        QTest::newRow("T02") << FormKind::T02 << "OptFrg_Ge89";
    }

    void optionGroupsAreExclusiveAndClearable()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, firstFragment);
        CaptureWindow window(kind);
        const QStringList fragments{firstFragment, "OptFrg_St61", "OptFrg_A11"};
        const QStringList intentions{"OptInt_Add", "OptInt_Mod", "OptInt_Sup", "OptInt_Wdraw"};
        auto selected = [&](const QStringList &group) {
            QStringList names;
            for (const QString &name : group) {
                if (window.isSelected(name))
                    names.append(name);
            }
            return names;
        };
        for (const QString &name : fragments + intentions)
            QVERIFY2(window.option(name), qPrintable(name));
        QCOMPARE(selected(fragments + intentions), QStringList());

        WindowDriver drive(window);
        drive.click(firstFragment);
        drive.click(Control::OptFrg_St61);
        drive.click(Control::OptInt_Sup);
        QCOMPARE(selected(fragments), QStringList{"OptFrg_St61"});
        QCOMPARE(selected(intentions), QStringList{"OptInt_Sup"});

        window.unselectOptions(fragments + intentions);
        QCOMPARE(selected(fragments + intentions), QStringList());
        QCOMPARE(window.option("OptFrg_St61")->group()->checkedId(), -1);

        // Still exclusive after the clear.
        window.option("OptInt_Add")->setChecked(true);
        window.option("OptInt_Wdraw")->setChecked(true);
        QCOMPARE(selected(intentions), QStringList{"OptInt_Wdraw"});
        // Unselecting an option that is not selected leaves the group alone.
        window.unselectOptions({"OptInt_Add"});
        QCOMPARE(selected(intentions), QStringList{"OptInt_Wdraw"});
    }

    void hidingFrameHidesChildren_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("child");
        QTest::newRow("target") << "FrameTrg" << "Txt_04C_NS";
        QTest::newRow("article 11") << "Frame_A11_Only" << "Txt_2C_YY";
        QTest::newRow("coordination") << "FrameCoord" << "Txt_11_Adm12";
        QTest::newRow("9NH") << "Frame_9NH_AttnH" << "Txt_9NHAzm350";
        QTest::newRow("notice, nested frame") << "FrameNotice" << "Txt_12A_OpAgcy";
    }

    void hidingFrameHidesChildren()
    {
        QFETCH(QString, frame);
        QFETCH(QString, child);
        CaptureWindow window(FormKind::T02);
        QVERIFY(WindowDriver(window).show());
        QWidget *container = window.frame(frame);
        QWidget *box = window.control(child);
        QVERIFY(container);
        QVERIFY(box);
        QVERIFY(box->isVisible());
        container->hide();
        QVERIFY(!box->isVisible());
        container->show();
        QVERIFY(box->isVisible());
        // A child hidden on its own stays hidden when its frame comes back.
        container->hide();
        box->hide();
        container->show();
        QVERIFY(!box->isVisible());
        window.close();
    }

    void formSpecificControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onT01");
        QTest::addColumn<bool>("onT02");
        for (const char *name : {"OptFrg_Ge84", "Txt_70_BDWdth", "Lbl_7A0_Bdwdth", "Lbl_7A0_BDWdth_unit",
                                 "Txt_7D_TranSys", "Lbl_7D_TranSys"})
            QTest::newRow(name) << QString(name) << true << false;
        for (const char *name : {"OptFrg_Ge89", "Combo_7A1_FreqStabl", "Txt_8D_Pwr_Ratio", "Txt_7C1_TvSys",
                                 "Combo_7C2_Color_Sys", "Txt_1E_Lf", "Txt_1E_kHz", "Lbl_7A1_FreqStabl",
                                 "Lbl_8D_PwrRatio", "Lbl_7C1_TvSys", "Lbl_7C2_ColorSys", "Lbl_1E", "Lbl_1E_LF",
                                 "Lbl_1E_kHz_Sign", "Lbl_1E_kHz"})
            QTest::newRow(name) << QString(name) << false << true;
        QTest::newRow("shared: OptFrg_St61") << "OptFrg_St61" << true << true;
        QTest::newRow("shared: Combo_9D_Polariz") << "Combo_9D_Polariz" << true << true;
    }

    void formSpecificControls()
    {
        QFETCH(QString, name);
        QFETCH(bool, onT01);
        QFETCH(bool, onT02);
        CaptureWindow t01(FormKind::T01);
        CaptureWindow t02(FormKind::T02);
        QCOMPARE(t01.control(name) != nullptr, onT01);
        QCOMPARE(t02.control(name) != nullptr, onT02);
        QCOMPARE(t01.findChild<QWidget *>(name) != nullptr, onT01);
        QCOMPARE(t02.findChild<QWidget *>(name) != nullptr, onT02);
    }

    void fragmentGroupHasThreeOptions_data() { addBothForms(); }

    void fragmentGroupHasThreeOptions()
    {
        QFETCH(FormKind, kind);
        CaptureWindow window(kind);
        QWidget *fragments = window.frame("FrameFrg");
        QVERIFY(fragments);
        QCOMPARE(fragments->findChildren<QRadioButton *>().size(), 3);
        QCOMPARE(window.option("OptFrg_A11")->group()->buttons().size(), 3);
    }

    void designTimeTexts_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const FormKind T01 = FormKind::T01;
        const FormKind T02 = FormKind::T02;
        QTest::newRow("GE84") << T01 << "OptFrg_Ge84" << "GE84";
        QTest::newRow("GE89") << T02 << "OptFrg_Ge89" << "GE89";
        QTest::newRow("ST61") << T01 << "OptFrg_St61" << "ST61";
        QTest::newRow("Art. 11") << T02 << "OptFrg_A11" << "Art. 11";
        QTest::newRow("Add") << T01 << "OptInt_Add" << "Add";
        QTest::newRow("Mod") << T01 << "OptInt_Mod" << "Mod";
        QTest::newRow("Sup") << T02 << "OptInt_Sup" << "Sup";
        QTest::newRow("Withdraw") << T02 << "OptInt_Wdraw" << "Withdraw";
        QTest::newRow("B") << T01 << "Lbl_B_Adm" << "B";
        QTest::newRow("3A2") << T02 << "Lbl_3A2_StationID" << "3A2";
        QTest::newRow("0-1A") << T01 << "Lbl_01A_TrgFreq" << "0-1A";
        QTest::newRow("[MHz]") << T01 << "Lbl_FreqUnit" << "[MHz]";
        QTest::newRow("0-4C") << T02 << "Lbl_04C" << "0-4C";
        QTest::newRow("7A0") << T01 << "Lbl_7A0_Bdwdth" << "7A0";
        QTest::newRow("7A0 unit") << T01 << "Lbl_7A0_BDWdth_unit" << "kHz";
        QTest::newRow("1/12 LF") << T02 << "Lbl_1E_LF" << "1/12 LF";
        QTest::newRow("1E kHz") << T02 << "Lbl_1E_kHz" << "kHz";
        QTest::newRow("[m]") << T01 << "Lbl_9EB_unit" << "[m]";
        QTest::newRow("10B") << T02 << "Lbl_10B_Ophh" << "10B";
        QTest::newRow("9EC frame T01") << T01 << "Frame_9EC_EffAntHeight" << "9EC";
        QTest::newRow("9EC frame T02") << T02 << "Frame_9EC_EffAntHeight" << "";
        QTest::newRow("9NH frame") << T02 << "Frame_9NH_AttnH" << "9NH";
        QTest::newRow("9NV frame") << T01 << "Frame_9NV_AttnV" << "9NV";
        QTest::newRow("notice frame") << T01 << "FrameNotice" << "";
        QTest::newRow("azimuth 0 tip") << T01 << "tip Txt_9EC_azm000" << "0°";
        QTest::newRow("azimuth 90 tip") << T02 << "tip Txt_9NVAzm090" << "90°";
        QTest::newRow("azimuth 350 tip") << T02 << "tip Txt_9NHAzm350" << "350°";
    }

    void designTimeTexts()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, name);
        QFETCH(QString, text);
        CaptureWindow window(kind);
        const bool toolTip = name.startsWith("tip ");
        QWidget *widget = window.control(toolTip ? name.mid(4) : name);
        QVERIFY(widget);
        QString shown;
        if (toolTip)
            shown = widget->toolTip();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            shown = label->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            shown = frame->title();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown = button->text();
        QCOMPARE(shown, text);
    }

    void screenReaderOfOtherKinds()
    {
        CaptureWindow window(FormKind::T01);
        QVERIFY(!window.control("Txt_No_Such_Box"));
        QCOMPARE(window.text("Txt_No_Such_Box"), QString());
        QVERIFY(!window.isSelected("OptInt_None"));
        QCOMPARE(window.text("Lbl_B_Adm"), QString());
        QVERIFY(!window.isSelected("ChkValidate"));
        // Messages name a box by its label, an option by its caption.
        QCOMPARE(window.controls().labelOf("Txt_4A_SiteName"),
                 QString("4A Name of the location of the transmitting station"));
        QCOMPARE(window.controls().labelOf("OptInt_Add"), QString("Add"));
        QCOMPARE(window.controls().labelOf("Txt_No_Such_Box"), QString("Txt_No_Such_Box"));
        // The typed look-ups answer only for their own kind.
        QVERIFY(!window.textBox("Combo_9_AntDir"));
        QVERIFY(!window.list("Txt_B_Adm"));
        QVERIFY(!window.frame("Lbl_B_Adm"));
        QVERIFY(window.checkBox("ChkValidate"));
        QVERIFY(window.button("Button_Next"));
    }

    // Enter in a box does not press a button, and Escape does not close the
    // window: both would bypass what the buttons and the close box do.
    void enterAndEscapeLeaveTheWindowAlone()
    {
        CaptureWindow window(FormKind::T02);
        WindowDriver drive(window);
        QVERIFY(drive.show(WindowDriver::Wait::Active));
        QSignalSpy nextClicks(window.button("Button_Next"), &QPushButton::clicked);
        QSignalSpy finishClicks(window.button("Button_Finish"), &QPushButton::clicked);
        drive.focus(Control::Txt_B_Adm);
        for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            drive.key(Control::Txt_B_Adm, key);
        QCOMPARE(nextClicks.count(), 0);
        QCOMPARE(finishClicks.count(), 0);
        QVERIFY(window.isVisible());
        window.close();
    }
};

QTEST_MAIN(TestCaptureControls)
#include "tst_capture_controls.moc"
