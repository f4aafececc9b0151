// A day at the keyboard, typed through the real window: the dates as the
// checks read them.

#include "SavingFixture.h"

using namespace Control;

class TstOperatorDay : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void datePartsReachTheFileByTheirWholeValue_data();
    void datePartsReachTheFileByTheirWholeValue();
};

// A date part that passes its check by its whole value (a blank, a point, a
// sign around the digits) is written as that value, not left out.
void TstOperatorDay::datePartsReachTheFileByTheirWholeValue_data()
{
    QTest::addColumn<Steps>("date");
    QTest::addColumn<QString>("line");
    const auto notification = [](const char *day, const char *month) {
        return Steps{type(Txt_Ntc_DD, day), type(Txt_Ntc_MM, month), type(Txt_Ntc_YY, "2005")};
    };
    const Steps inUse = {type(Txt_Ntc_DD, "7"), type(Txt_Ntc_MM, "12"), type(Txt_Ntc_YY, "2005"),
                         type(Txt_2C_DD, "+7"), type(Txt_2C_MM, " 1"), type(Txt_2C_YY, "2006")};
    QTest::newRow("notification day with a blank") << notification(" 7", "12") << "t_d_adm_ntc = 2005-12-07";
    QTest::newRow("notification day with a point") << notification("7.", "12") << "t_d_adm_ntc = 2005-12-07";
    QTest::newRow("notification month with a sign") << notification("31", "+1") << "t_d_adm_ntc = 2005-01-31";
    QTest::newRow("bringing into use, sign and blank") << inUse << "t_d_inuse = 2006-01-07";
}

void TstOperatorDay::datePartsReachTheFileByTheirWholeValue()
{
    QFETCH(Steps, date);
    QFETCH(QString, line);
    open(FormKind::T01);
    m_drive->perform({type(Txt_B_Adm, "F"), click(OptFrg_A11), click(OptInt_Add), frequencyOnly("98.5").first()});
    for (const Step &step : date) {
        m_drive->perform({step});
        QVERIFY(m_drive->leave(step.control));
    }
    m_drive->finish();
    QCOMPARE(m_alerts->entries, Entries());
    QVERIFY2(contents(defaultPath(FormKind::T01)).contains(line.toLatin1() + "\r\n"),
             contents(defaultPath(FormKind::T01)).constData());
}

QTEST_MAIN(TstOperatorDay)
#include "tst_operator_day.moc"
