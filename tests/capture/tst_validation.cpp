// The rules checked when the operator leaves a text box of a capture window:
// which boxes have one, what each accepts, and every way of leaving a box that
// the check stops when the text fails. The windows run under the program's
// own application object, whose event delivery holds the check.

#include "ExpectedAlerts.h"
#include "WindowDriver.h"

#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "form/FieldRules.h"
#include "platform/System.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <memory>

using namespace Control;

Q_DECLARE_METATYPE(FormKind)

namespace {

const QString Latitude = QStringLiteral("Prevalidation Error - Latitude");
const QString ZeroToNinety = QStringLiteral("Value must be between [0,90]");
const Entries LatitudeAbove90 = {message(Latitude, ZeroToNinety)};

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

public:
    TestValidation() { m_clock.setDateTime(QDateTime(QDate(2026, 3, 10), QTime(9, 30))); }

private Q_SLOTS:
    void cleanup();

    void ruledBoxes_data();
    void ruledBoxes();
    void leavingByTab_data();
    void leavingByTab();
    void textsLongerThanTheBox_data();
    void textsLongerThanTheBox();
    void validationOff_data();
    void validationOff();
    void waysOfLeaving_data();
    void waysOfLeaving();
    void doubleClickShowsOneMessage();
    void clickThatReactivatesTheWindow();
    void everyAttemptRunsTheRuleAgain();
    void programFocusMoveRunsNoRule();

private:
    // A shown, active window of that form, whose box holds the focus and the
    // text given (set by the program, as a paste would).
    bool openWithText(FormKind kind, const QString &box, const QString &text);

    platform::SystemOverrides m_clock;
    std::unique_ptr<platform::ScopedRecordingAlerts> m_alerts;
    std::unique_ptr<CaptureWindow> m_window;
    std::unique_ptr<WindowDriver> m_drive;
};

void TestValidation::cleanup()
{
    m_drive.reset();
    m_window.reset();
    m_alerts.reset();
    verifyNoWindowLeftOpen();
}

bool TestValidation::openWithText(FormKind kind, const QString &box, const QString &text)
{
    m_alerts = std::make_unique<platform::ScopedRecordingAlerts>();
    m_window = std::make_unique<CaptureWindow>(kind);
    m_drive = std::make_unique<WindowDriver>(*m_window);
    return m_drive->show(WindowDriver::Wait::Active) && m_drive->focus(box) && m_drive->put(box, text);
}

// Every text box of each form either has a rule or is one of the few boxes that
// have none; the rules name no control that the form lacks.
void TestValidation::ruledBoxes_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QStringList>("unruled");
    QTest::addColumn<int>("ruleCount");

    const QStringList bothForms = {Txt_3A1_CallSign, Txt_3A2_StationID, Txt_4A_SiteName,   Txt_AdmRefID,
                                   Txt_TrgAdmRefID,  Txt_notified_Rmks, Txt_Internal_Rmks, Txt_Filename,
                                   Txt_Ntc_Number,   "noticeFilter"}; // the last: the list's, not the form's
    QTest::newRow("T01") << FormKind::T01 << bothForms << 157;
    QTest::newRow("T02") << FormKind::T02 << (bothForms + QStringList{Txt_7C1_TvSys}) << 158;
}

void TestValidation::ruledBoxes()
{
    QFETCH(FormKind, kind);
    QFETCH(QStringList, unruled);
    QFETCH(int, ruleCount);

    CaptureWindow window(kind);
    QCOMPARE(fieldRules(kind).size(), ruleCount);
    for (const FieldRule &rule : fieldRules(kind))
        QVERIFY2(window.textBox(rule.controlName), qPrintable(rule.controlName));

    int ruledBoxes = 0;
    for (const QLineEdit *box : window.findChildren<QLineEdit *>()) {
        const bool hasRule = ruleFor(kind, box->objectName()) != nullptr;
        QVERIFY2(hasRule != unruled.contains(box->objectName()), qPrintable(box->objectName()));
        ruledBoxes += hasRule;
    }
    QCOMPARE(ruledBoxes, ruleCount);
}

// One row per case: the text put into the box, then Tab. A passing text lets
// the focus go; a failing one keeps it and shows the box's message.
void TestValidation::leavingByTab_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Entries>("alerts"); // empty when the text passes

    // forms: "12" both, "1" T01 only, "2" T02 only.
    const auto row = [](const char *forms, const char *name, const QString &control, const char *text,
                        const Entries &alerts) {
        for (const FormKind kind : {FormKind::T01, FormKind::T02}) {
            const char *form = kind == FormKind::T01 ? "1" : "2";
            if (strstr(forms, form))
                QTest::addRow("T0%s %s", form, name) << kind << control << QString(text) << alerts;
        }
    };
    const auto both = [&row](const char *name, const QString &control, const char *text, const Entries &alerts) {
        row("12", name, control, text, alerts);
    };
    const auto error = [](const QString &item, const QString &text) {
        return Entries{message("Prevalidation Error - " + item, text)};
    };
    const auto numeric = [&error](const QString &item) { return error(item, "Value must be numerical"); };
    const Entries passes;

    // Bounded numbers.
    const QString to59 = "Value must be between [0,59]", to180 = "Value must be between [0,180]";
    both("lat degrees 90", Txt_4C_Deg_Lat, "90", passes);
    both("lat degrees 91", Txt_4C_Deg_Lat, "91", LatitudeAbove90);
    both("lat degrees -1", Txt_4C_Deg_Lat, "-1", LatitudeAbove90);
    both("lat degrees 0", Txt_4C_Deg_Lat, "0", passes);
    both("lat degrees letters", Txt_4C_Deg_Lat, "ab", LatitudeAbove90);
    both("long degrees 180", Txt_4C_Deg_Long, "180", passes);
    both("long degrees 181", Txt_4C_Deg_Long, "181", error("Longitude", to180));
    both("lat minutes 59", Txt_4C_Min_Lat, "59", passes);
    both("lat minutes 60", Txt_4C_Min_Lat, "60", error("Latitude", to59));
    both("lat minutes -5", Txt_4C_Min_Lat, "-5", error("Latitude", to59));
    both("lat seconds 60", Txt_4C_Sec_Lat, "60", error("Latitude", to59));
    both("long seconds 60", Txt_4C_Sec_Long, "60", error("Longitude", to59));
    both("target lat degrees 91", Txt_04C_Deg_Lat, "91", error("Latitude of target", ZeroToNinety));
    both("target lat minutes 60", Txt_04C_Min_Lat, "60", error("Latitude of target", to59));
    both("target long degrees 181", Txt_04C_Deg_Long, "181", error("Longitude of target", to180));
    both("target long seconds 60", Txt_04C_Sec_Long, "60", error("Longitude of target", to59));

    // Whole numbers.
    const Entries hours = error("Operating hours", "Value must be between [0000,2400]");
    both("hours 0000", Txt_10B_Ophhfr, "0000", passes);
    both("hours 2400", Txt_10B_Ophhfr, "2400", passes);
    both("hours 1275", Txt_10B_Ophhfr, "1275", passes);
    both("hours 2401", Txt_10B_Ophhfr, "2401", hours);
    both("hours to 2401", Txt_10B_Ophhto, "2401", hours);
    both("hours beyond 16 bits", Txt_10B_Ophhto, "9E99", hours);
    const Entries noticeDay = {Beep, message("Prevalidation Error - Date (day)", "Value should be between [1,31]")};
    both("notice day 0 beeps first", Txt_Ntc_DD, "0", noticeDay);
    both("notice day 31", Txt_Ntc_DD, "31", passes);
    both("notice day 32", Txt_Ntc_DD, "32", noticeDay);
    both("notice month 13", Txt_Ntc_MM, "13", error("Date (month)", "Value should be between [1,12]"));
    both("notice month 12", Txt_Ntc_MM, "12", passes);
    const Entries noticeYear = error("Date (year)", "Invalid year in date of notice");
    both("notice year 2023", Txt_Ntc_YY, "2023", noticeYear);
    both("notice year 2024", Txt_Ntc_YY, "2024", passes);
    both("notice year 2027", Txt_Ntc_YY, "2027", passes);
    both("notice year 2028", Txt_Ntc_YY, "2028", noticeYear);
    const QString inUse = QStringLiteral("Date of bringing into use");
    both("in-use day 0 beeps first", Txt_2C_DD, "0", Entries{Beep} + error(inUse, "Value should be between [1,31]"));
    both("in-use month 0", Txt_2C_MM, "0", error(inUse, "Value should be between [1,12]"));
    const Entries inUseYear = error(inUse, "The year must be entered as YYYY and must be after 2000");
    both("in-use year 2028", Txt_2C_YY, "2028", passes);
    both("in-use year 2029", Txt_2C_YY, "2029", inUseYear);
    both("in-use year 1950", Txt_2C_YY, "1950", passes);
    both("in-use year 1949", Txt_2C_YY, "1949", inUseYear);

    // Hemispheres.
    const Entries northSouth = error("Latitude", "Value can only be N or S");
    both("N", Txt_4C_NS, "N", passes);
    both("S", Txt_4C_NS, "S", passes);
    both("n", Txt_4C_NS, "n", passes);
    both("s", Txt_4C_NS, "s", passes);
    both("X", Txt_4C_NS, "X", northSouth);
    both("1", Txt_4C_NS, "1", northSouth);
    both("W", Txt_4C_EW, "W", passes);
    both("N for east or west", Txt_4C_EW, "N", error("Longitude", "Value can only be E or W"));
    both("target e", Txt_04C_EW, "e", passes);
    both("target X", Txt_04C_EW, "X", error("Longitude of target", "Value can only be E or W"));
    both("target Y", Txt_04C_NS, "Y", error("Latitude of target", "Value can only be N or S"));

    // No digit, and not numeric.
    const QString onlyCharacters = QStringLiteral("Value must have only characters");
    both("adm F1", Txt_B_Adm, "F1", error("Notifying administration", onlyCharacters));
    both("adm FRA", Txt_B_Adm, "FRA", passes);
    both("geo area F1", Txt_4B_GeoArea, "F1", error("Geographical Area", onlyCharacters));
    const Entries coordination = error("Coordination Adm code", onlyCharacters);
    both("coordination F1", "Txt_11_Adm1", "F1", passes);
    both("coordination 123", "Txt_11_Adm1", "123", coordination);
    both("coordination 12 of 12", "Txt_11_Adm12", "1.5", coordination);
    both("address code 12", Txt_12B_AddrCde, "12", error("responsible Administration", onlyCharacters));
    both("address code A1", Txt_12B_AddrCde, "A1", passes);

    // Numeric.
    const Entries frequency = numeric("1a Assigned frequency");
    both("frequency 12a", Txt_1A_FreqAssgn, "12a", frequency);
    both("frequency out of any band", Txt_1A_FreqAssgn, "999999", passes);
    both("target frequency", Txt_01A_TrgFreq, "x",
         {message("Prevalidation Error / 0-1a Target frequency", "Value must be numerical")});
    both("site altitude -10", Txt_9EA_SiteAlt, "-10", passes);
    both("site altitude", Txt_9EA_SiteAlt, "1O", numeric("Site altitude"));
    both("erp H", Txt_8BH_Erp_H, "a", numeric("Radiated power"));
    both("erp V", Txt_8BV_Erp_V, "a", numeric("Radiated power"));
    both("antenna height", Txt_9E_AntHgt, "a", numeric("Height of antenna"));
    both("max effective height", Txt_9EB_Eff_hgtmax, "a", numeric("Max effective Ant. height"));
    both("operating agency", Txt_12A_OpAgcy, "a", numeric("Operating agency"));
    both("azimuth 260 title", "Txt_9EC_azm260", "a", numeric("Eff.ant.Height"));
    both("azimuth 250 title", "Txt_9EC_azm250", "a", numeric("Eff. ant. height"));
    both("azimuth 000", "Txt_9EC_azm000", "12.5", passes);
    both("attenuation H 350", "Txt_9NHAzm350", "a", numeric("Attenuation (H)"));
    both("attenuation V 080", "Txt_9NVAzm080", "a", numeric("Attenuation (V)"));
    row("1", "bandwidth", Txt_70_BDWdth, "a", numeric("Necessary  Bandwidth"));
    row("1", "transmission system", Txt_7D_TranSys, "a", numeric("Transmission System"));
    row("2", "power ratio", Txt_8D_Pwr_Ratio, "a", numeric("Vision/sound power ratio"));
    row("2", "offset kHz", Txt_1E_kHz, "a", numeric("Frequency offset"));
    row("2", "offset LF", Txt_1E_Lf, "a", numeric("Frequency offset"));
    row("2", "television system has no rule", Txt_7C1_TvSys, "12", passes);
    both("call sign has no rule", Txt_3A1_CallSign, "12", passes);

    // Empty and blank texts.
    both("empty numeric", Txt_1A_FreqAssgn, "", passes);
    both("empty bounded", Txt_4C_Deg_Lat, "", passes);
    both("empty whole", Txt_Ntc_DD, "", passes);
    both("empty hemisphere", Txt_4C_NS, "", passes);
    both("empty no digit", Txt_B_Adm, "", passes);
    both("empty not numeric", "Txt_11_Adm1", "", passes);
    both("blanks numeric", Txt_1A_FreqAssgn, "   ", frequency);
    both("blanks bounded", Txt_4C_Deg_Lat, "  ", LatitudeAbove90);
    both("blanks whole", Txt_Ntc_DD, " ", noticeDay);
    both("blanks no digit", Txt_B_Adm, "   ", passes);
    both("blanks not numeric", "Txt_11_Adm1", "   ", passes);
}

void TestValidation::leavingByTab()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(Entries, alerts);
    QVERIFY(openWithText(kind, control, text));

    m_drive->leave(control);

    QCOMPARE(m_alerts->entries, alerts);
    QCOMPARE(m_drive->hasFocus(control), !alerts.isEmpty());
    QCOMPARE(m_drive->text(control), text);
}

// Texts that typing cannot put into these boxes (the length limit stops it),
// tested against the rule alone.
void TestValidation::textsLongerThanTheBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    QTest::newRow("NS in a hemisphere box") << QString(Txt_4C_NS) << "NS" << false;
    QTest::newRow("minutes just below 60") << QString(Txt_4C_Min_Lat) << "59.5" << true;
    QTest::newRow("seconds just below 60") << QString(Txt_04C_Sec_Long) << "59.99" << true;
}

void TestValidation::textsLongerThanTheBox()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, passes);

    const FieldRule *rule = ruleFor(FormKind::T01, control);
    QVERIFY(rule);
    QCOMPARE(passesRule(*rule, text), passes);
}

void TestValidation::validationOff_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("bounded") << QString(Txt_4C_Deg_Lat) << "91";
    QTest::newRow("whole, day that beeps") << QString(Txt_Ntc_DD) << "0";
    QTest::newRow("numeric") << QString(Txt_1A_FreqAssgn) << "12a";
    QTest::newRow("no digit") << QString(Txt_B_Adm) << "F1";
    QTest::newRow("hemisphere") << QString(Txt_4C_NS) << "X";
    QTest::newRow("not numeric") << "Txt_11_Adm1" << "123";
}

void TestValidation::validationOff()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QVERIFY(openWithText(FormKind::T01, control, text));
    QVERIFY(m_drive->isChecked(ChkValidate));
    m_window->checkBox(ChkValidate)->setChecked(false);

    m_drive->leave(control);

    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(!m_drive->hasFocus(control));
    QCOMPARE(m_drive->text(control), text);
}

// Every way the operator has of leaving the site latitude degrees. With "91"
// each is refused: the message comes once, the focus stays, and the target
// control is left untouched. With "45" the move happens.
void TestValidation::waysOfLeaving_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("target"); // for Tab: where a passing text goes

    for (const char *text : {"91", "45"}) {
        const bool fails = QLatin1String(text) == QLatin1String("91");
        const auto row = [text](const char *name, const char *way, const QString &target) {
            QTest::addRow("%s, %s", text, name) << QString(text) << QString(way) << target;
        };
        row("Tab", "tab", Txt_4C_Min_Lat);
        row("Shift+Tab", "backtab", Txt_4C_EW);
        row("click a box of another frame", "click", "Txt_9EC_azm000");
        row("click a fragment option", "click", OptFrg_St61);
        row("click ChkClearFields", "click", ChkClearFields);
        if (!fails)
            continue;
        row("click another box", "click", Txt_4C_Min_Lat);
        row("click a list", "click", Combo_9_AntDir);
        row("wheel over a list", "wheel", Combo_9D_Polariz);
        row("click an option", "click", OptInt_Add);
        row("click ChkValidate", "click", ChkValidate);
        row("click Save/Next", "click", Button_Next);
        row("click Finish", "click", Button_Finish);
        row("click Reset", "click", Button_Reset);
        row("shortcut of Save/Next", "shortcut", Button_Next);
        row("close box", "close", "");
    }
}

void TestValidation::waysOfLeaving()
{
    QFETCH(QString, text);
    QFETCH(QString, way);
    QFETCH(QString, target);
    QVERIFY(openWithText(FormKind::T01, Txt_4C_Deg_Lat, text));

    QWidget *targetWidget = target.isEmpty() ? nullptr : m_drive->find(target);
    QVERIFY(target.isEmpty() || targetWidget);
    auto *button = qobject_cast<QAbstractButton *>(targetWidget);
    const bool wasChecked = button && button->isChecked();
    std::unique_ptr<QSignalSpy> clicks;
    if (button)
        clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
    auto *list = qobject_cast<QComboBox *>(targetWidget);
    const int listIndex = list ? list->currentIndex() : -1;

    if (way == "tab") {
        m_drive->key(Txt_4C_Deg_Lat, Qt::Key_Tab);
    } else if (way == "backtab") {
        m_drive->key(Txt_4C_Deg_Lat, Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (way == "click") {
        m_drive->click(target);
    } else if (way == "wheel") {
        m_drive->wheel(target);
    } else if (way == "shortcut") {
        m_drive->shortcut(target, QKeySequence(Qt::ALT | Qt::Key_N));
    } else if (way == "close") {
        m_drive->closeBox();
    }
    QTest::qWait(150); // a shortcut's animated click, had it started, would have landed by now

    if (text == QLatin1String("45")) {
        QVERIFY(m_alerts->entries.isEmpty());
        QVERIFY(m_drive->hasFocus(target));
        if (button)
            QCOMPARE(clicks->count(), 1);
        return;
    }
    QCOMPARE(m_alerts->entries, LatitudeAbove90);
    QVERIFY(m_drive->hasFocus(Txt_4C_Deg_Lat));
    QCOMPARE(m_drive->text(Txt_4C_Deg_Lat), QString("91"));
    QVERIFY(m_window->isVisible());
    if (button) {
        QCOMPARE(clicks->count(), 0);
        QCOMPARE(button->isChecked(), wasChecked);
    }
    if (list) {
        QCOMPARE(list->currentIndex(), listIndex);
        QVERIFY(!list->view()->isVisible());
    }
}

void TestValidation::doubleClickShowsOneMessage()
{
    QVERIFY(openWithText(FormKind::T02, Txt_Ntc_DD, "0"));

    m_drive->doubleClick(Txt_Ntc_MM);

    QCOMPARE(m_alerts->entries,
             (Entries{Beep, message("Prevalidation Error - Date (day)", "Value should be between [1,31]")}));
    QVERIFY(m_drive->hasFocus(Txt_Ntc_DD));
}

// The operator went to another window and comes back by clicking Save/Next:
// the box still holds the window's focus, and its rule runs.
void TestValidation::clickThatReactivatesTheWindow()
{
    QVERIFY(openWithText(FormKind::T01, Txt_4C_Deg_Lat, "91"));
    QWidget elsewhere;
    elsewhere.show();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(!m_window->isActiveWindow());
    QCOMPARE(m_window->focusWidget(), m_drive->find(Txt_4C_Deg_Lat));

    QSignalSpy clicks(m_window->button(Button_Next), &QPushButton::clicked);
    m_drive->saveNext();
    QCoreApplication::processEvents();

    QCOMPARE(clicks.count(), 0);
    QCOMPARE(m_alerts->entries, LatitudeAbove90);
    QCOMPARE(m_window->focusWidget(), m_drive->find(Txt_4C_Deg_Lat));
}

// Nothing is remembered: each attempt runs the rule again, and once the text is
// corrected the focus may go.
void TestValidation::everyAttemptRunsTheRuleAgain()
{
    QVERIFY(openWithText(FormKind::T01, Txt_4C_Deg_Lat, "91"));

    m_drive->leave(Txt_4C_Deg_Lat);
    m_drive->leave(Txt_4C_Deg_Lat);
    QCOMPARE(m_alerts->messages().size(), 2);
    QVERIFY(m_drive->hasFocus(Txt_4C_Deg_Lat));

    m_drive->put(Txt_4C_Deg_Lat, "");
    m_drive->leave(Txt_4C_Deg_Lat);
    QCOMPARE(m_alerts->messages().size(), 2);
    QVERIFY(!m_drive->hasFocus(Txt_4C_Deg_Lat));
}

// The program's own focus moves (the day box after a save) run no rule.
void TestValidation::programFocusMoveRunsNoRule()
{
    QVERIFY(openWithText(FormKind::T01, Txt_4C_Deg_Lat, "91"));

    m_drive->focus(Txt_Ntc_DD);
    QCoreApplication::processEvents();

    QVERIFY(m_alerts->entries.isEmpty());
    QVERIFY(m_drive->hasFocus(Txt_Ntc_DD));
}

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestValidation test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_validation.moc"
