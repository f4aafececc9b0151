// A day at the keyboard, typed through the real window: where the focus goes
// after a message, the keys of Save/Next and Finish, Reset's question, the
// status line after each save, the dates as the checks read them.

#include "SavingFixture.h"

#include "capture/CaptureApplication.h"
#include "capture/StatusLine.h"

#include <QPushButton>

Q_DECLARE_METATYPE(Language)

using namespace Control;

class TstOperatorDay : public QObject, private SavingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void failingTextIsSelectedAndTypedOver();
    void savingMessageFocusesTheBoxItNames_data();
    void savingMessageFocusesTheBoxItNames();
    void keysSaveAndFinish();
    void resetAsksBeforeClearingATypedNotice_data();
    void resetAsksBeforeClearingATypedNotice();
    void statusLineTellsEachSave_data();
    void statusLineTellsEachSave();
    void datePartsReachTheFileByTheirWholeValue_data();
    void datePartsReachTheFileByTheirWholeValue();

private:
    void openActive(FormKind kind)
    {
        open(kind);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
};

// "48" typed over a refused "95" in a box at its maximum length.
void TstOperatorDay::failingTextIsSelectedAndTypedOver()
{
    openActive(FormKind::T01);
    m_drive->focus(Txt_4C_Deg_Lat);
    m_drive->type(Txt_4C_Deg_Lat, "95");
    m_drive->leave(Txt_4C_Deg_Lat);
    QCOMPARE(m_alerts->messages().size(), 1);
    QVERIFY(m_drive->hasFocus(Txt_4C_Deg_Lat));
    QCOMPARE(box(Txt_4C_Deg_Lat)->selectedText(), QString("95"));

    m_drive->type(Txt_4C_Deg_Lat, "48");
    m_drive->leave(Txt_4C_Deg_Lat);
    QCOMPARE(box(Txt_4C_Deg_Lat)->text(), QString("48"));
    QCOMPARE(m_alerts->messages().size(), 1);
    QVERIFY(m_drive->hasFocus(Txt_4C_Min_Lat));
}

void TstOperatorDay::savingMessageFocusesTheBoxItNames_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("selected");
    QTest::newRow("missing administration") << Steps{type(Txt_4A_SiteName, "PARIS")} << QString(Txt_B_Adm) << "";
    QTest::newRow("no frequency, no coordinates")
        << Steps{type(Txt_B_Adm, "F"), type(Txt_4A_SiteName, "PARIS")} << QString(Txt_1A_FreqAssgn) << "";
    QTest::newRow("no frequency of the target: the station's is hidden")
        << Steps{type(Txt_B_Adm, "F"), click(OptInt_Sup), type(Txt_TrgAdmRefID, "X1")}
        << QString(Txt_01A_TrgFreq) << "";
    QTest::newRow("a character the file cannot hold")
        << Steps{type(Txt_B_Adm, "F"), type(Txt_1A_FreqAssgn, "98.5"), type(Txt_4A_SiteName, "ЖUK")}
        << QString(Txt_4A_SiteName) << "ЖUK";
}

void TstOperatorDay::savingMessageFocusesTheBoxItNames()
{
    QFETCH(Steps, steps);
    QFETCH(QString, focused);
    QFETCH(QString, selected);
    openActive(FormKind::T01);
    m_drive->perform(steps);
    m_drive->focus(Txt_Internal_Rmks);

    m_drive->saveNext();
    QCOMPARE(m_alerts->messages().size(), 1);
    QVERIFY2(m_drive->hasFocus(focused), qPrintable(QApplication::focusWidget()->objectName()));
    QCOMPARE(box(focused)->selectedText(), selected);
}

// Ctrl+S saves, from a box as a click would (not from a failing one), and
// Ctrl+Enter finishes; the buttons' tool tips name the keys.
void TstOperatorDay::keysSaveAndFinish()
{
    openActive(FormKind::T01);
    QVERIFY(m_window->button(Button_Next)->toolTip().endsWith("\nCtrl+S"));
    QVERIFY(m_window->button(Button_Finish)->toolTip().endsWith("\nCtrl+Enter"));
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->focus(Txt_1A_FreqAssgn);
    m_drive->key(Txt_1A_FreqAssgn, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(captureFile().noticeNumber, 2);

    m_drive->focus(Txt_4C_Deg_Lat);
    m_drive->type(Txt_4C_Deg_Lat, "95");
    m_drive->key(Txt_4C_Deg_Lat, Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QCOMPARE(m_alerts->messages().size(), 1);
    QVERIFY(m_drive->hasFocus(Txt_4C_Deg_Lat));
    QCOMPARE(captureFile().noticeNumber, 2);

    m_drive->type(Txt_4C_Deg_Lat, "48");
    m_drive->key(Txt_4C_Deg_Lat, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!m_window->isVisible());
    QVERIFY(contents(defaultPath(FormKind::T01)).endsWith("t_num_notices = 2\r\n</TAIL>\r\n\r\n"));
}

void TstOperatorDay::resetAsksBeforeClearingATypedNotice_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<QList<int>>("answers"); // 0 Yes, 1 No; none: Escape
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("cleared");
    const Steps notice = {type(Txt_Ntc_DD, "7"), type(Txt_4A_SiteName, "PARIS")};
    QTest::newRow("nothing typed but the date: at once") << Steps{type(Txt_Ntc_DD, "7")} << QList<int>{} << false
                                                         << true;
    QTest::newRow("a typed notice, Yes") << notice << QList<int>{0} << true << true;
    QTest::newRow("a typed notice, No") << notice << QList<int>{1} << true << false;
    QTest::newRow("a typed notice, Escape") << notice << QList<int>{} << true << false;
    QTest::newRow("a list chosen, Yes") << Steps{choose(Combo_9D_Polariz, "H")} << QList<int>{0} << true << true;
}

void TstOperatorDay::resetAsksBeforeClearingATypedNotice()
{
    QFETCH(Steps, typed);
    QFETCH(QList<int>, answers);
    QFETCH(bool, asked);
    QFETCH(bool, cleared);
    open(FormKind::T01);
    m_drive->perform(typed);
    m_alerts->answers = answers;

    m_drive->click(Button_Reset);
    QCOMPARE(m_alerts->entries.size(), asked ? 1 : 0);
    QCOMPARE(m_drive->text(typed.last().control).isEmpty(), cleared);
    QCOMPARE(m_drive->text(Txt_Ntc_DD).isEmpty(), cleared);
}

void TstOperatorDay::statusLineTellsEachSave_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("lines"); // %1: the file
    QTest::newRow("English") << Language::English
                             << QStringList{"Notice 1 saved: MARSEILLE, 88.8 - 1 notice in %1",
                                            "Notice 2 saved: 101.1 - 2 notices in %1",
                                            "Notice 1 replaced: MARSEILLE, 88.89 - 2 notices in %1"};
    QTest::newRow("French") << Language::French
                            << QStringList{"Fiche 1 sauvegardée : MARSEILLE, 88.8 - 1 fiche dans %1",
                                           "Fiche 2 sauvegardée : 101.1 - 2 fiches dans %1",
                                           "Fiche 1 remplacée : MARSEILLE, 88.89 - 2 fiches dans %1"};
    QTest::newRow("Spanish") << Language::Spanish
                             << QStringList{"Notificación 1 guardada: MARSEILLE, 88.8 - 1 notificación en %1",
                                            "Notificación 2 guardada: 101.1 - 2 notificaciones en %1",
                                            "Notificación 1 reemplazada: MARSEILLE, 88.89 - 2 notificaciones en %1"};
}

// The status line after each save; the file name box's tool tip, the whole path.
void TstOperatorDay::statusLineTellsEachSave()
{
    QFETCH(Language, language);
    QFETCH(QStringList, lines);
    open(FormKind::T01, language);
    const QString file = defaultPath(FormKind::T01);
    QCOMPARE(box(Txt_Filename)->toolTip(), file);
    QCOMPARE(m_window->statusLine().wholeText(), QString());

    const Steps notices[] = {{type(Txt_B_Adm, "F"), type(Txt_4A_SiteName, "MARSEILLE"), type(Txt_1A_FreqAssgn, "88.8")},
                             {type(Txt_1A_FreqAssgn, "101.1")},
                             {type(Txt_1A_FreqAssgn, "9")}};
    for (int i = 0; i < 3; ++i) {
        if (i == 2)
            QVERIFY(m_window->saving().correctNotice(1));
        m_drive->perform(notices[i]);
        m_drive->saveNext();
        QCOMPARE(m_window->statusLine().wholeText(), lines.at(i).arg(file));
    }
    QCOMPARE(m_alerts->entries, Entries());
}

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

// The program's application object: it checks a box as the operator leaves it.
int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TstOperatorDay test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_operator_day.moc"
