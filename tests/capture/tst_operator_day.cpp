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

    void keysSaveAndFinishAndAFailingBoxIsTypedOver();
    void savingMessageFocusesTheBoxItNames_data();
    void savingMessageFocusesTheBoxItNames();
    void resetAsksBeforeClearingATypedNotice_data();
    void resetAsksBeforeClearingATypedNotice();
    void statusLineTellsEachSave_data();
    void statusLineTellsEachSave();
    void datePartsReachTheFileByTheirWholeValue_data();
    void datePartsReachTheFileByTheirWholeValue();

private:
    void openActive(FormKind kind, Language language = Language::English)
    {
        open(kind, language);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // The operator's way into a box and out of it: focus, keys, Tab.
    void typeInto(const QString &control, const QString &text)
    {
        m_drive->focus(control);
        m_drive->type(control, text);
        m_drive->leave(control);
    }
};

// Ctrl+S saves and the next notice starts in the first empty box; from a box
// that fails its check it is refused like a click, the text selected, and
// "48" typed over "95"; Ctrl+Enter finishes. The tool tips name the keys.
void TstOperatorDay::keysSaveAndFinishAndAFailingBoxIsTypedOver()
{
    openActive(FormKind::T01);
    QVERIFY(m_window->button(Button_Next)->toolTip().endsWith("\nCtrl+S"));
    QVERIFY(m_window->button(Button_Finish)->toolTip().endsWith("\nCtrl+Enter"));
    m_drive->perform(AdministrationDateAndFragment + frequencyOnly("98.5"));
    m_drive->key(Txt_1A_FreqAssgn, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(captureFile().noticeNumber, 2);
    QVERIFY(m_drive->hasFocus(Txt_AdmRefID)); // the date was carried over

    m_drive->focus(Txt_4C_Deg_Lat);
    m_drive->type(Txt_4C_Deg_Lat, "95");
    m_drive->key(Txt_4C_Deg_Lat, Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QCOMPARE(m_alerts->messages().size(), 1);
    QVERIFY(m_drive->hasFocus(Txt_4C_Deg_Lat));
    QCOMPARE(box(Txt_4C_Deg_Lat)->selectedText(), QString("95"));
    m_drive->type(Txt_4C_Deg_Lat, "48");
    QCOMPARE(box(Txt_4C_Deg_Lat)->text(), QString("48"));

    m_drive->key(Txt_4C_Deg_Lat, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!m_window->isVisible());
    QVERIFY(contents(defaultPath(FormKind::T01)).endsWith("t_num_notices = 2\r\n</TAIL>\r\n\r\n"));
}

void TstOperatorDay::savingMessageFocusesTheBoxItNames_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("selected");
    QTest::newRow("missing administration") << Steps{type(Txt_4A_SiteName, "PARIS")} << QString(Txt_B_Adm) << "";
    QTest::newRow("no frequency of the target, the station's hidden")
        << Steps{type(Txt_B_Adm, "F"), click(OptInt_Sup), type(Txt_TrgAdmRefID, "X1")} << QString(Txt_01A_TrgFreq)
        << "";
    QTest::newRow("a character the file cannot hold")
        << Steps{type(Txt_B_Adm, "F"), type(Txt_1A_FreqAssgn, "98.5"), type(Txt_4A_SiteName, "\u0416UK")}
        << QString(Txt_4A_SiteName) << "\u0416UK";
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

void TstOperatorDay::resetAsksBeforeClearingATypedNotice_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<QList<int>>("answers"); // 0 Yes, 1 No; none: Escape
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("cleared");
    const Steps notice = {type(Txt_Ntc_DD, "7"), type(Txt_4A_SiteName, "PARIS")};
    QTest::newRow("only a date: at once") << Steps{type(Txt_Ntc_DD, "7")} << QList<int>{} << false << true;
    QTest::newRow("a notice, Yes") << notice << QList<int>{0} << true << true;
    QTest::newRow("a notice, Escape") << notice << QList<int>{} << true << false;
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
                                            "Notice 1 replaced: 88.89 - 1 notice in %1"};
    QTest::newRow("French") << Language::French
                            << QStringList{"Fiche 1 sauvegardée : MARSEILLE, 88.8 - 1 fiche dans %1",
                                           "Fiche 1 remplacée : 88.89 - 1 fiche dans %1"};
    QTest::newRow("Spanish") << Language::Spanish
                             << QStringList{"Notificación 1 guardada: MARSEILLE, 88.8 - 1 notificación en %1",
                                            "Notificación 1 reemplazada: 88.89 - 1 notificación en %1"};
}

// The status line after a save and after a correction; the file name box's
// tool tip, the whole path.
void TstOperatorDay::statusLineTellsEachSave()
{
    QFETCH(Language, language);
    QFETCH(QStringList, lines);
    open(FormKind::T01, language);
    const QString file = defaultPath(FormKind::T01);
    QCOMPARE(box(Txt_Filename)->toolTip(), file);

    m_drive->perform({type(Txt_B_Adm, "F"), type(Txt_4A_SiteName, "MARSEILLE"), type(Txt_1A_FreqAssgn, "88.8")});
    m_drive->saveNext();
    QCOMPARE(m_window->statusLine().wholeText(), lines.at(0).arg(file));
    QVERIFY(m_window->saving().correctNotice(1));
    m_drive->put(Txt_4A_SiteName, "");
    m_drive->type(Txt_1A_FreqAssgn, "9");
    m_drive->saveNext();
    QCOMPARE(m_window->statusLine().wholeText(), lines.at(1).arg(file));
}

// A date part that passes its check by its whole value (a blank, a point, a
// sign around the digits) is written as that value, not left out.
void TstOperatorDay::datePartsReachTheFileByTheirWholeValue_data()
{
    QTest::addColumn<QStringList>("parts"); // notification day, month; bringing into use day, month
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("day with a blank, month with a sign") << QStringList{" 7", "+1", "7", "1"}
                                                         << QByteArray("t_d_adm_ntc = 2005-01-07");
    QTest::newRow("day with a point") << QStringList{"7.", "12", "7", "1"} << QByteArray("t_d_adm_ntc = 2005-12-07");
    QTest::newRow("bringing into use, sign and blank")
        << QStringList{"7", "12", "+7", " 1"} << QByteArray("t_d_inuse = 2006-01-07");
}

void TstOperatorDay::datePartsReachTheFileByTheirWholeValue()
{
    QFETCH(QStringList, parts);
    QFETCH(QByteArray, lines);
    openActive(FormKind::T01);
    m_drive->perform({type(Txt_B_Adm, "F"), click(OptFrg_A11), click(OptInt_Add), type(Txt_1A_FreqAssgn, "98.5")});
    const QString boxes[] = {Txt_Ntc_DD, Txt_Ntc_MM, Txt_2C_DD, Txt_2C_MM};
    for (int i = 0; i < 4; ++i)
        typeInto(boxes[i], parts.at(i));
    typeInto(Txt_Ntc_YY, "2005");
    typeInto(Txt_2C_YY, "2006");
    QCOMPARE(m_alerts->entries, Entries()); // every part passed its check
    m_drive->finish();
    QVERIFY2(contents(defaultPath(FormKind::T01)).contains(lines + "\r\n"),
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
