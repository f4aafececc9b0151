#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "form/FieldRules.h"
#include "platform/Alerts.h"
#include "platform/System.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <qtestspontaneevent.h>

#include <memory>

using Entry = platform::RecordingAlerts::Entry;
using Entries = QList<Entry>;

Q_DECLARE_METATYPE(FormKind)
Q_DECLARE_METATYPE(Entry)

namespace platform {
// Readable failures: "Beep" or "Message(title | text)".
char *toString(const RecordingAlerts::Entry &entry)
{
    const QString shown = entry.kind == RecordingAlerts::Entry::Beep
        ? QStringLiteral("Beep")
        : QStringLiteral("Message(%1 | %2)").arg(entry.title, entry.text);
    return qstrdup(shown.toUtf8().constData());
}
} // namespace platform

namespace {

Entry message(const QString &title, const QString &text)
{
    return { Entry::Message, title, text };
}

Entry beep()
{
    return { Entry::Beep, QString(), QString() };
}

const QString Latitude = QStringLiteral("Prevalidation Error - Latitude");
const QString ZeroToNinety = QStringLiteral("Value must be between [0,90]");

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void ruledBoxes_data();
    void ruledBoxes();
    void leavingByTab_data();
    void leavingByTab();
    void textsLongerThanTheBox_data();
    void textsLongerThanTheBox();
    void validationOff_data();
    void validationOff();
    void blockedWaysOfLeaving_data();
    void blockedWaysOfLeaving();
    void allowedWaysOfLeaving_data();
    void allowedWaysOfLeaving();
    void doubleClickShowsOneMessage();
    void clickThatReactivatesTheWindow();
    void everyAttemptRunsTheRuleAgain();
    void programFocusMoveRunsNoRule();

private:
    // A shown, active window of that form.
    std::unique_ptr<CaptureWindow> openWindow(FormKind kind);
    bool focusBox(QLineEdit *box);
    void leaveByTab(QLineEdit *box);

    platform::SystemOverrides m_clock;
};

void TestValidation::initTestCase()
{
    m_clock.setDateTime(QDateTime(QDate(2026, 3, 10), QTime(9, 30)));
}

void TestValidation::cleanup()
{
    QCoreApplication::processEvents();
    for (const QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

std::unique_ptr<CaptureWindow> TestValidation::openWindow(FormKind kind)
{
    auto window = std::make_unique<CaptureWindow>(kind);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

bool TestValidation::focusBox(QLineEdit *box)
{
    box->setFocus();
    return QApplication::focusWidget() == box;
}

void TestValidation::leaveByTab(QLineEdit *box)
{
    QTest::keyClick(box, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

// Every text box of each form either has a rule or is one of the few boxes that
// have none; the rules name no control that the form lacks.
void TestValidation::ruledBoxes_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QStringList>("unruled");
    QTest::addColumn<int>("ruleCount");

    const QStringList bothForms = { "Txt_3A1_CallSign", "Txt_3A2_StationID", "Txt_4A_SiteName",
                                    "Txt_AdmRefID", "Txt_TrgAdmRefID", "Txt_notified_Rmks",
                                    "Txt_Internal_Rmks", "Txt_Filename", "Txt_Ntc_Number" };
    QTest::newRow("T01") << FormKind::T01 << bothForms << 157;
    QTest::newRow("T02") << FormKind::T02 << (bothForms + QStringList { "Txt_7C1_TvSys" }) << 158;
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

// One row per case: the text typed into the box, then Tab. A passing text lets
// the focus go; a failing one keeps it and shows the box's message.
void TestValidation::leavingByTab_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Entries>("alerts"); // empty when the text passes

    const auto both = [](const char *name, const char *control, const char *text, const Entries &alerts) {
        QTest::addRow("T01 %s", name) << FormKind::T01 << QString(control) << QString(text) << alerts;
        QTest::addRow("T02 %s", name) << FormKind::T02 << QString(control) << QString(text) << alerts;
    };
    const auto t01 = [](const char *name, const char *control, const char *text, const Entries &alerts) {
        QTest::addRow("T01 %s", name) << FormKind::T01 << QString(control) << QString(text) << alerts;
    };
    const auto t02 = [](const char *name, const char *control, const char *text, const Entries &alerts) {
        QTest::addRow("T02 %s", name) << FormKind::T02 << QString(control) << QString(text) << alerts;
    };
    const Entries passes;

    // Bounded numbers.
    const Entries siteLatDegrees = { message(Latitude, ZeroToNinety) };
    both("lat degrees 90", "Txt_4C_Deg_Lat", "90", passes);
    both("lat degrees 91", "Txt_4C_Deg_Lat", "91", siteLatDegrees);
    both("lat degrees -1", "Txt_4C_Deg_Lat", "-1", siteLatDegrees);
    both("lat degrees 0", "Txt_4C_Deg_Lat", "0", passes);
    both("lat degrees letters", "Txt_4C_Deg_Lat", "ab", siteLatDegrees);
    const Entries siteLongDegrees = { message("Prevalidation Error - Longitude", "Value must be between [0,180]") };
    both("long degrees 180", "Txt_4C_Deg_Long", "180", passes);
    both("long degrees 181", "Txt_4C_Deg_Long", "181", siteLongDegrees);
    const Entries siteLatMinutes = { message(Latitude, "Value must be between [0,59]") };
    both("lat minutes 59", "Txt_4C_Min_Lat", "59", passes);
    both("lat minutes 60", "Txt_4C_Min_Lat", "60", siteLatMinutes);
    both("lat minutes -5", "Txt_4C_Min_Lat", "-5", siteLatMinutes);
    both("lat seconds 60", "Txt_4C_Sec_Lat", "60", siteLatMinutes);
    both("long seconds 60", "Txt_4C_Sec_Long", "60",
         { message("Prevalidation Error - Longitude", "Value must be between [0,59]") });
    both("target lat degrees 91", "Txt_04C_Deg_Lat", "91",
         { message("Prevalidation Error - Latitude of target", ZeroToNinety) });
    both("target lat minutes 60", "Txt_04C_Min_Lat", "60",
         { message("Prevalidation Error - Latitude of target", "Value must be between [0,59]") });
    both("target long degrees 181", "Txt_04C_Deg_Long", "181",
         { message("Prevalidation Error - Longitude of target", "Value must be between [0,180]") });
    both("target long seconds 60", "Txt_04C_Sec_Long", "60",
         { message("Prevalidation Error - Longitude of target", "Value must be between [0,59]") });

    // Whole numbers.
    const Entries hours = { message("Prevalidation Error - Operating hours", "Value must be between [0000,2400]") };
    both("hours 0000", "Txt_10B_Ophhfr", "0000", passes);
    both("hours 2400", "Txt_10B_Ophhfr", "2400", passes);
    both("hours 1275", "Txt_10B_Ophhfr", "1275", passes);
    both("hours 2401", "Txt_10B_Ophhfr", "2401", hours);
    both("hours to 2401", "Txt_10B_Ophhto", "2401", hours);
    both("hours beyond 16 bits", "Txt_10B_Ophhto", "9E99", hours);
    const Entries noticeDay = { beep(), message("Prevalidation Error - Date (day)", "Value should be between [1,31]") };
    both("notice day 0 beeps first", "Txt_Ntc_DD", "0", noticeDay);
    both("notice day 31", "Txt_Ntc_DD", "31", passes);
    both("notice day 32", "Txt_Ntc_DD", "32", noticeDay);
    both("notice month 13", "Txt_Ntc_MM", "13",
         { message("Prevalidation Error - Date (month)", "Value should be between [1,12]") });
    both("notice month 12", "Txt_Ntc_MM", "12", passes);
    const Entries noticeYear = { message("Prevalidation Error - Date (year)", "Invalid year in date of notice") };
    both("notice year 2023", "Txt_Ntc_YY", "2023", noticeYear);
    both("notice year 2024", "Txt_Ntc_YY", "2024", passes);
    both("notice year 2027", "Txt_Ntc_YY", "2027", passes);
    both("notice year 2028", "Txt_Ntc_YY", "2028", noticeYear);
    const QString inUse = QStringLiteral("Prevalidation Error - Date of bringing into use");
    both("in-use day 0 beeps first", "Txt_2C_DD", "0", { beep(), message(inUse, "Value should be between [1,31]") });
    both("in-use month 0", "Txt_2C_MM", "0", { message(inUse, "Value should be between [1,12]") });
    const Entries inUseYear = { message(inUse, "The year must be entered as YYYY and must be after 2000") };
    both("in-use year 2028", "Txt_2C_YY", "2028", passes);
    both("in-use year 2029", "Txt_2C_YY", "2029", inUseYear);
    both("in-use year 1950", "Txt_2C_YY", "1950", passes);
    both("in-use year 1949", "Txt_2C_YY", "1949", inUseYear);

    // Hemispheres.
    const Entries northSouth = { message(Latitude, "Value can only be N or S") };
    both("N", "Txt_4C_NS", "N", passes);
    both("S", "Txt_4C_NS", "S", passes);
    both("n", "Txt_4C_NS", "n", passes);
    both("s", "Txt_4C_NS", "s", passes);
    both("X", "Txt_4C_NS", "X", northSouth);
    both("1", "Txt_4C_NS", "1", northSouth);
    both("W", "Txt_4C_EW", "W", passes);
    both("N for east or west", "Txt_4C_EW", "N",
         { message("Prevalidation Error - Longitude", "Value can only be E or W") });
    both("target e", "Txt_04C_EW", "e", passes);
    both("target X", "Txt_04C_EW", "X",
         { message("Prevalidation Error - Longitude of target", "Value can only be E or W") });
    both("target Y", "Txt_04C_NS", "Y",
         { message("Prevalidation Error - Latitude of target", "Value can only be N or S") });

    // No digit, and not numeric.
    const Entries onlyCharacters = { message("Prevalidation Error - Notifying administration",
                                             "Value must have only characters") };
    both("adm F1", "Txt_B_Adm", "F1", onlyCharacters);
    both("adm FRA", "Txt_B_Adm", "FRA", passes);
    both("geo area F1", "Txt_4B_GeoArea", "F1",
         { message("Prevalidation Error - Geographical Area", "Value must have only characters") });
    const Entries coordination = { message("Prevalidation Error - Coordination Adm code",
                                           "Value must have only characters") };
    both("coordination F1", "Txt_11_Adm1", "F1", passes);
    both("coordination 123", "Txt_11_Adm1", "123", coordination);
    both("coordination 12 of 12", "Txt_11_Adm12", "1.5", coordination);
    both("address code 12", "Txt_12B_AddrCde", "12",
         { message("Prevalidation Error - responsible Administration", "Value must have only characters") });
    both("address code A1", "Txt_12B_AddrCde", "A1", passes);

    // Numeric.
    const QString numerical = QStringLiteral("Value must be numerical");
    both("frequency 12a", "Txt_1A_FreqAssgn", "12a", { message("Prevalidation Error - 1a Assigned frequency", numerical) });
    both("frequency out of any band", "Txt_1A_FreqAssgn", "999999", passes);
    both("target frequency", "Txt_01A_TrgFreq", "x", { message("Prevalidation Error / 0-1a Target frequency", numerical) });
    both("site altitude -10", "Txt_9EA_SiteAlt", "-10", passes);
    both("site altitude", "Txt_9EA_SiteAlt", "1O", { message("Prevalidation Error - Site altitude", numerical) });
    both("erp H", "Txt_8BH_Erp_H", "a", { message("Prevalidation Error - Radiated power", numerical) });
    both("erp V", "Txt_8BV_Erp_V", "a", { message("Prevalidation Error - Radiated power", numerical) });
    both("antenna height", "Txt_9E_AntHgt", "a", { message("Prevalidation Error - Height of antenna", numerical) });
    both("max effective height", "Txt_9EB_Eff_hgtmax", "a",
         { message("Prevalidation Error - Max effective Ant. height", numerical) });
    both("operating agency", "Txt_12A_OpAgcy", "a", { message("Prevalidation Error - Operating agency", numerical) });
    both("azimuth 260 title", "Txt_9EC_azm260", "a", { message("Prevalidation Error - Eff.ant.Height", numerical) });
    both("azimuth 250 title", "Txt_9EC_azm250", "a", { message("Prevalidation Error - Eff. ant. height", numerical) });
    both("azimuth 000", "Txt_9EC_azm000", "12.5", passes);
    both("attenuation H 350", "Txt_9NHAzm350", "a", { message("Prevalidation Error - Attenuation (H)", numerical) });
    both("attenuation V 080", "Txt_9NVAzm080", "a", { message("Prevalidation Error - Attenuation (V)", numerical) });
    t01("bandwidth", "Txt_70_BDWdth", "a", { message("Prevalidation Error - Necessary  Bandwidth", numerical) });
    t01("transmission system", "Txt_7D_TranSys", "a", { message("Prevalidation Error - Transmission System", numerical) });
    t02("power ratio", "Txt_8D_Pwr_Ratio", "a", { message("Prevalidation Error - Vision/sound power ratio", numerical) });
    t02("offset kHz", "Txt_1E_kHz", "a", { message("Prevalidation Error - Frequency offset", numerical) });
    t02("offset LF", "Txt_1E_Lf", "a", { message("Prevalidation Error - Frequency offset", numerical) });
    t02("television system has no rule", "Txt_7C1_TvSys", "12", passes);
    both("call sign has no rule", "Txt_3A1_CallSign", "12", passes);

    // Empty and blank texts.
    both("empty numeric", "Txt_1A_FreqAssgn", "", passes);
    both("empty bounded", "Txt_4C_Deg_Lat", "", passes);
    both("empty whole", "Txt_Ntc_DD", "", passes);
    both("empty hemisphere", "Txt_4C_NS", "", passes);
    both("empty no digit", "Txt_B_Adm", "", passes);
    both("empty not numeric", "Txt_11_Adm1", "", passes);
    both("blanks numeric", "Txt_1A_FreqAssgn", "   ", { message("Prevalidation Error - 1a Assigned frequency", numerical) });
    both("blanks bounded", "Txt_4C_Deg_Lat", "  ", siteLatDegrees);
    both("blanks whole", "Txt_Ntc_DD", " ", noticeDay);
    both("blanks no digit", "Txt_B_Adm", "   ", passes);
    both("blanks not numeric", "Txt_11_Adm1", "   ", passes);
}

void TestValidation::leavingByTab()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(Entries, alerts);

    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(kind);
    QVERIFY(window);
    QLineEdit *box = window->textBox(control);
    QVERIFY(box);
    QVERIFY(focusBox(box));
    box->setText(text);

    leaveByTab(box);

    QCOMPARE(recorded.entries, alerts);
    const bool passes = alerts.isEmpty();
    QCOMPARE(QApplication::focusWidget() == box, !passes);
    QCOMPARE(box->text(), text);
}

// Texts that typing cannot put into these boxes (the length limit stops it),
// tested against the rule alone.
void TestValidation::textsLongerThanTheBox_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    QTest::newRow("NS in a hemisphere box") << "Txt_4C_NS" << "NS" << false;
    QTest::newRow("minutes just below 60") << "Txt_4C_Min_Lat" << "59.5" << true;
    QTest::newRow("seconds just below 60") << "Txt_04C_Sec_Long" << "59.99" << true;
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

    QTest::newRow("bounded") << "Txt_4C_Deg_Lat" << "91";
    QTest::newRow("whole, day that beeps") << "Txt_Ntc_DD" << "0";
    QTest::newRow("numeric") << "Txt_1A_FreqAssgn" << "12a";
    QTest::newRow("no digit") << "Txt_B_Adm" << "F1";
    QTest::newRow("hemisphere") << "Txt_4C_NS" << "X";
    QTest::newRow("not numeric") << "Txt_11_Adm1" << "123";
}

void TestValidation::validationOff()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T01);
    QVERIFY(window);
    QCheckBox *validate = window->checkBox("ChkValidate");
    QVERIFY(validate);
    QVERIFY(validate->isChecked());
    validate->setChecked(false);

    QLineEdit *box = window->textBox(control);
    QVERIFY(box);
    QVERIFY(focusBox(box));
    box->setText(text);
    leaveByTab(box);

    QVERIFY(recorded.entries.isEmpty());
    QVERIFY(QApplication::focusWidget() != box);
    QCOMPARE(box->text(), text);
}

// With "91" in the site latitude degrees, every way the operator has of leaving
// the box is refused: the message comes once, the focus stays, and the target
// control is left untouched.
void TestValidation::blockedWaysOfLeaving_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("target");

    QTest::newRow("Tab") << "tab" << "";
    QTest::newRow("Shift+Tab") << "backtab" << "";
    QTest::newRow("click another box") << "click" << "Txt_4C_Min_Lat";
    QTest::newRow("click a box of another frame") << "click" << "Txt_9EC_azm000";
    QTest::newRow("click a list") << "click" << "Combo_9_AntDir";
    QTest::newRow("wheel over a list") << "wheel" << "Combo_9D_Polariz";
    QTest::newRow("click an option") << "click" << "OptInt_Add";
    QTest::newRow("click a fragment option") << "click" << "OptFrg_St61";
    QTest::newRow("click ChkValidate") << "click" << "ChkValidate";
    QTest::newRow("click ChkClearFields") << "click" << "ChkClearFields";
    QTest::newRow("click Save/Next") << "click" << "Button_Next";
    QTest::newRow("click Finish") << "click" << "Button_Finish";
    QTest::newRow("click Reset") << "click" << "Button_Reset";
    QTest::newRow("shortcut of Save/Next") << "shortcut" << "Button_Next";
    QTest::newRow("close box") << "close" << "";
}

void TestValidation::blockedWaysOfLeaving()
{
    QFETCH(QString, way);
    QFETCH(QString, target);

    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T01);
    QVERIFY(window);
    QLineEdit *box = window->textBox("Txt_4C_Deg_Lat");
    QVERIFY(box);
    QVERIFY(focusBox(box));
    box->setText("91");

    QWidget *targetWidget = target.isEmpty() ? nullptr : window->control(target);
    QVERIFY(target.isEmpty() || targetWidget);
    auto *button = qobject_cast<QAbstractButton *>(targetWidget);
    const bool wasChecked = button && button->isChecked();
    std::unique_ptr<QSignalSpy> clicks;
    if (button)
        clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
    auto *list = qobject_cast<QComboBox *>(targetWidget);
    const int listIndex = list ? list->currentIndex() : -1;

    if (way == "tab") {
        QTest::keyClick(box, Qt::Key_Tab);
    } else if (way == "backtab") {
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (way == "click") {
        QTest::mouseClick(targetWidget, Qt::LeftButton);
    } else if (way == "wheel") {
        const QPointF centre = QRectF(targetWidget->rect()).center();
        QWheelEvent wheel(centre, targetWidget->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(targetWidget, &wheel);
    } else if (way == "shortcut") {
        QShortcutEvent shortcut(QKeySequence(Qt::ALT | Qt::Key_N), 0);
        QCoreApplication::sendEvent(targetWidget, &shortcut);
    } else if (way == "close") {
        // What the platform sends when the close box is clicked.
        QCloseEvent closeBox;
        QSpontaneKeyEvent::setSpontaneous(&closeBox);
        QCoreApplication::sendEvent(window->windowHandle(), &closeBox);
    }
    QTest::qWait(150); // a shortcut's animated click, had it started, would have landed by now

    QCOMPARE(recorded.entries, Entries { message(Latitude, ZeroToNinety) });
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->text(), QString("91"));
    QVERIFY(window->isVisible());
    if (button) {
        QCOMPARE(clicks->count(), 0);
        QCOMPARE(button->isChecked(), wasChecked);
    }
    if (list) {
        QCOMPARE(list->currentIndex(), listIndex);
        QVERIFY(!list->view()->isVisible());
    }
}

// The same ways of leaving with a valid text: the move happens.
void TestValidation::allowedWaysOfLeaving_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("target");

    QTest::newRow("Tab") << "tab" << "Txt_4C_Min_Lat";
    QTest::newRow("Shift+Tab") << "backtab" << "Txt_4C_EW";
    QTest::newRow("click another box") << "click" << "Txt_9EC_azm000";
    QTest::newRow("click an option") << "click" << "OptFrg_St61";
    QTest::newRow("click a check box") << "click" << "ChkClearFields";
}

void TestValidation::allowedWaysOfLeaving()
{
    QFETCH(QString, way);
    QFETCH(QString, target);

    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T01);
    QVERIFY(window);
    QLineEdit *box = window->textBox("Txt_4C_Deg_Lat");
    QVERIFY(box);
    QVERIFY(focusBox(box));
    box->setText("45");
    QWidget *targetWidget = window->control(target);
    QVERIFY(targetWidget);
    auto *button = qobject_cast<QAbstractButton *>(targetWidget);
    std::unique_ptr<QSignalSpy> clicks;
    if (button)
        clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);

    if (way == "tab")
        QTest::keyClick(box, Qt::Key_Tab);
    else if (way == "backtab")
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::mouseClick(targetWidget, Qt::LeftButton);
    QCoreApplication::processEvents();

    QVERIFY(recorded.entries.isEmpty());
    QCOMPARE(QApplication::focusWidget(), targetWidget);
    if (button)
        QCOMPARE(clicks->count(), 1);
}

void TestValidation::doubleClickShowsOneMessage()
{
    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T02);
    QVERIFY(window);
    QLineEdit *box = window->textBox("Txt_Ntc_DD");
    QLineEdit *other = window->textBox("Txt_Ntc_MM");
    QVERIFY(box && other);
    QVERIFY(focusBox(box));
    box->setText("0");

    QTest::mouseDClick(other, Qt::LeftButton);
    QCoreApplication::processEvents();

    const Entries expected = { beep(), message("Prevalidation Error - Date (day)", "Value should be between [1,31]") };
    QCOMPARE(recorded.entries, expected);
    QCOMPARE(QApplication::focusWidget(), box);
}

// The operator went to another window and comes back by clicking Save/Next:
// the box still holds the window's focus, and its rule runs.
void TestValidation::clickThatReactivatesTheWindow()
{
    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T01);
    QVERIFY(window);
    QLineEdit *box = window->textBox("Txt_4C_Deg_Lat");
    QPushButton *next = window->button("Button_Next");
    QVERIFY(box && next);
    QVERIFY(focusBox(box));
    box->setText("91");

    QWidget elsewhere;
    elsewhere.show();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(!window->isActiveWindow());
    QCOMPARE(window->focusWidget(), box);

    QSignalSpy clicks(next, &QPushButton::clicked);
    QTest::mouseClick(next, Qt::LeftButton);
    QCoreApplication::processEvents();

    QCOMPARE(clicks.count(), 0);
    QCOMPARE(recorded.entries, Entries { message(Latitude, ZeroToNinety) });
    QCOMPARE(window->focusWidget(), box);
}

// Nothing is remembered: each attempt runs the rule again, and once the text is
// corrected the focus may go.
void TestValidation::everyAttemptRunsTheRuleAgain()
{
    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T01);
    QVERIFY(window);
    QLineEdit *box = window->textBox("Txt_4C_Deg_Lat");
    QVERIFY(box);
    QVERIFY(focusBox(box));
    box->setText("91");

    leaveByTab(box);
    leaveByTab(box);
    QCOMPARE(recorded.messages().size(), 2);
    QCOMPARE(QApplication::focusWidget(), box);

    box->setText("");
    leaveByTab(box);
    QCOMPARE(recorded.messages().size(), 2);
    QVERIFY(QApplication::focusWidget() != box);
}

// The program's own focus moves (the day box after a save) run no rule.
void TestValidation::programFocusMoveRunsNoRule()
{
    platform::ScopedRecordingAlerts recorded;
    std::unique_ptr<CaptureWindow> window = openWindow(FormKind::T01);
    QVERIFY(window);
    QLineEdit *box = window->textBox("Txt_4C_Deg_Lat");
    QLineEdit *day = window->textBox("Txt_Ntc_DD");
    QVERIFY(box && day);
    QVERIFY(focusBox(box));
    box->setText("91");

    day->setFocus();
    QCoreApplication::processEvents();

    QVERIFY(recorded.entries.isEmpty());
    QCOMPARE(QApplication::focusWidget(), day);
}

int main(int argc, char *argv[])
{
    CaptureApplication app(argc, argv);
    TestValidation test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_validation.moc"
