// Where the focus goes and what the status line says: Enter presses the
// focused button, Reset returns to the form's first box, a correction is
// announced and leaves the date and fragment as "Do NOT Clear ALL values"
// says, and the menu takes the keyboard back when a capture window closes.
// (tst_capture_layout checks that Tab passes the notice counter by.)

#include "SavingFixture.h"

#include "capture/NoticeList.h"
#include "capture/StatusLine.h"
#include "shell/MainMenu.h"

#include <QPushButton>
#include <QRadioButton>

class TstFocusMoves : public QObject, SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void enterOnResetAsksThenStartsAtTheFirstBox()
    {
        open(FormKind::T01);
        QVERIFY(m_drive->show(WindowDriver::Wait::Active));
        m_drive->type(Control::Txt_3A1_CallSign, "ABC");
        m_window->button(Control::Button_Reset)->setFocus();
        m_alerts->answers = {0}; // Yes
        QTest::keyClick(m_window->button(Control::Button_Reset), Qt::Key_Return);
        QCOMPARE(m_alerts->entries.size(), 1);
        QCOMPARE(box(Control::Txt_3A1_CallSign)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), box(Control::Txt_Ntc_DD));
    }

    void correctionIsAnnouncedAndKeepsDateAndFragment()
    {
        open(FormKind::T01);
        m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
        QVERIFY(m_drive->saveNext());
        m_drive->perform(frequencyOnly("99.1"));
        QVERIFY(m_drive->saveNext());
        Q_EMIT m_window->noticeList().noticeChosen(1);
        QCOMPARE(m_window->statusLine().wholeText(), QString("Correcting notice 1 of 2"));
        m_drive->put(Control::Txt_1A_FreqAssgn, "98.6");
        QVERIFY(m_drive->saveNext());
        QVERIFY(m_window->statusLine().wholeText().startsWith("Notice 1 replaced"));
        // As the corrected notice gave them back.
        QCOMPARE(box(Control::Txt_Ntc_DD)->text(), QString("07"));
        QCOMPARE(box(Control::Txt_Ntc_YY)->text(), QString("2005"));
        QVERIFY(m_window->isSelected(Control::OptFrg_Ge84));
        QCOMPARE(box(Control::Txt_Ntc_Number)->text(), QString("3"));
    }

    void menuTakesTheKeyboardBackOnTheChosenForm()
    {
        MainMenu menu;
        menu.setFormOpener([](FormKind, Language) {});
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        menu.findChild<QRadioButton *>("Opt_TvFrmT02")->click();
        menu.findChild<QPushButton *>("ButtonGo")->setFocus();
        QTest::keyClick(menu.findChild<QPushButton *>("ButtonGo"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), menu.findChild<QRadioButton *>("Opt_TvFrmT02"));
        QCOMPARE(QApplication::activeWindow(), &menu);
    }
};

QTEST_MAIN(TstFocusMoves)
#include "tst_focus_moves.moc"
