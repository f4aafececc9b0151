// The controls of the two capture windows as the forms' design lays them out:
// the window's shape, every control's name, kind, parent, maximum length and
// tab index, the focus chain, and the looks and pixel geometry of a sample of
// them, all written out here from the design. How the controls behave is in
// tst_capture_controls.

#include "ScreenActs.h"

#include "capture/NoticeList.h"
#include "capture/PatternView.h"
#include "capture/StatusLine.h"

#include <QLayout>
#include <QScrollArea>
#include "platform/Alerts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <map>

namespace {


// The controls of both forms as the form design lists them. Tab indices are
// T01's and T02's; -1 marks frames, which take no focus. Forms: 'B' both,
// '1' T01 only, '2' T02 only.
struct Expected
{
    const char *name;
    const char *kind;
    const char *parent; // "" = the window
    int maxLength;      // 0 = none
    int tabT01;
    int tabT02;
    char forms;
};

const Expected typedControls[] = {
    // Frames.
    {"FrameNotice", "frame", "", 0, -1, -1, 'B'},
    {"FrameFrg", "frame", "FrameNotice", 0, -1, -1, 'B'},
    {"FrameIntent", "frame", "FrameNotice", 0, -1, -1, 'B'},
    {"FrameTrg", "frame", "FrameNotice", 0, -1, -1, 'B'},
    {"Frame_A11_Only", "frame", "FrameNotice", 0, -1, -1, 'B'},
    {"FrameCoord", "frame", "", 0, -1, -1, 'B'},
    {"Frame_9EC_EffAntHeight", "frame", "", 0, -1, -1, 'B'},
    {"Frame_9NH_AttnH", "frame", "", 0, -1, -1, 'B'},
    {"Frame_9NV_AttnV", "frame", "", 0, -1, -1, 'B'},
    // Row 1 and the option groups.
    {"Txt_Ntc_DD", "text box", "FrameNotice", 2, 1, 1, 'B'},
    {"Txt_Ntc_MM", "text box", "FrameNotice", 2, 2, 2, 'B'},
    {"Txt_Ntc_YY", "text box", "FrameNotice", 4, 3, 3, 'B'},
    {"OptFrg_Ge84", "option", "FrameFrg", 0, 4, -1, '1'},
    {"OptFrg_Ge89", "option", "FrameFrg", 0, -1, 4, '2'},
    {"OptFrg_St61", "option", "FrameFrg", 0, 5, 5, 'B'},
    {"OptFrg_A11", "option", "FrameFrg", 0, 6, 6, 'B'},
    {"OptInt_Add", "option", "FrameIntent", 0, 7, 7, 'B'},
    {"OptInt_Mod", "option", "FrameIntent", 0, 8, 8, 'B'},
    {"OptInt_Sup", "option", "FrameIntent", 0, 9, 9, 'B'},
    {"OptInt_Wdraw", "option", "FrameIntent", 0, 10, 10, 'B'},
    {"Txt_AdmRefID", "text box", "FrameNotice", 20, 11, 11, 'B'},
    {"Txt_B_Adm", "text box", "FrameNotice", 3, 12, 12, 'B'},
    {"Txt_3A1_CallSign", "text box", "FrameNotice", 10, 13, 13, 'B'},
    {"Txt_3A2_StationID", "text box", "FrameNotice", 20, 14, 14, 'B'},
    // Target assignment.
    {"Txt_TrgAdmRefID", "text box", "FrameTrg", 20, 15, 15, 'B'},
    {"Txt_01A_TrgFreq", "text box", "FrameTrg", 6, 16, 16, 'B'},
    {"Txt_04C_Deg_Long", "text box", "FrameTrg", 3, 17, 17, 'B'},
    {"Txt_04C_Min_Long", "text box", "FrameTrg", 2, 18, 18, 'B'},
    {"Txt_04C_Sec_Long", "text box", "FrameTrg", 2, 19, 19, 'B'},
    {"Txt_04C_EW", "text box", "FrameTrg", 1, 20, 20, 'B'},
    {"Txt_04C_Deg_Lat", "text box", "FrameTrg", 2, 21, 21, 'B'},
    {"Txt_04C_Min_Lat", "text box", "FrameTrg", 2, 22, 22, 'B'},
    {"Txt_04C_Sec_Lat", "text box", "FrameTrg", 2, 23, 23, 'B'},
    {"Txt_04C_NS", "text box", "FrameTrg", 1, 24, 24, 'B'},
    // Row 3.
    {"Txt_4A_SiteName", "text box", "FrameNotice", 30, 25, 25, 'B'},
    {"Txt_4B_GeoArea", "text box", "FrameNotice", 3, 26, 26, 'B'},
    {"Txt_4C_Deg_Long", "text box", "FrameNotice", 3, 27, 27, 'B'},
    {"Txt_4C_Min_Long", "text box", "FrameNotice", 2, 28, 28, 'B'},
    {"Txt_4C_Sec_Long", "text box", "FrameNotice", 2, 29, 29, 'B'},
    {"Txt_4C_EW", "text box", "FrameNotice", 1, 30, 30, 'B'},
    {"Txt_4C_Deg_Lat", "text box", "FrameNotice", 2, 31, 31, 'B'},
    {"Txt_4C_Min_Lat", "text box", "FrameNotice", 2, 32, 32, 'B'},
    {"Txt_4C_Sec_Lat", "text box", "FrameNotice", 2, 33, 33, 'B'},
    {"Txt_4C_NS", "text box", "FrameNotice", 1, 34, 34, 'B'},
    {"Txt_9EA_SiteAlt", "text box", "FrameNotice", 5, 35, 35, 'B'},
    // Row 4.
    {"Txt_1A_FreqAssgn", "text box", "FrameNotice", 6, 36, 36, 'B'},
    {"Txt_70_BDWdth", "text box", "FrameNotice", 3, 37, -1, '1'},
    {"Combo_7A1_FreqStabl", "list", "FrameNotice", 0, -1, 37, '2'},
    {"Combo_9D_Polariz", "list", "FrameNotice", 0, 38, 38, 'B'},
    {"Txt_8BH_Erp_H", "text box", "FrameNotice", 5, 39, 39, 'B'},
    {"Txt_8BV_Erp_V", "text box", "FrameNotice", 5, 40, 40, 'B'},
    {"Txt_7D_TranSys", "text box", "FrameNotice", 2, 41, -1, '1'},
    {"Txt_8D_Pwr_Ratio", "text box", "FrameNotice", 2, -1, 41, '2'},
    {"Txt_7C1_TvSys", "text box", "FrameNotice", 2, -1, 42, '2'},
    {"Combo_7C2_Color_Sys", "list", "FrameNotice", 0, -1, 43, '2'},
    {"Txt_1E_Lf", "text box", "FrameNotice", 4, -1, 44, '2'},
    {"Txt_1E_kHz", "text box", "FrameNotice", 4, -1, 45, '2'},
    // Row 5 and the Article 11 frame.
    {"Combo_9_AntDir", "list", "FrameNotice", 0, 42, 46, 'B'},
    {"Txt_9E_AntHgt", "text box", "FrameNotice", 3, 43, 47, 'B'},
    {"Txt_9EB_Eff_hgtmax", "text box", "FrameNotice", 5, 44, 48, 'B'},
    {"Txt_12A_OpAgcy", "text box", "Frame_A11_Only", 3, 45, 49, 'B'},
    {"Txt_12B_AddrCde", "text box", "Frame_A11_Only", 2, 46, 50, 'B'},
    {"Txt_10B_Ophhfr", "text box", "Frame_A11_Only", 4, 47, 51, 'B'},
    {"Txt_10B_Ophhto", "text box", "Frame_A11_Only", 4, 48, 52, 'B'},
    {"Txt_2C_DD", "text box", "Frame_A11_Only", 2, 49, 53, 'B'},
    {"Txt_2C_MM", "text box", "Frame_A11_Only", 2, 50, 54, 'B'},
    {"Txt_2C_YY", "text box", "Frame_A11_Only", 4, 51, 55, 'B'},
    // Right-hand column.
    {"Txt_notified_Rmks", "text box", "", 0, 172, 176, 'B'},
    {"Txt_Internal_Rmks", "text box", "", 0, 173, 177, 'B'},
    {"Button_Next", "button", "", 0, 174, 178, 'B'},
    {"Button_Finish", "button", "", 0, 175, 179, 'B'},
    {"Button_Reset", "button", "", 0, 176, 180, 'B'},
    {"Txt_Filename", "text box", "", 4095, 195, 199, 'B'},
    {"Txt_Ntc_Number", "text box", "", 0, 225, 235, 'B'},
    {"ChkValidate", "check box", "", 0, 230, 240, 'B'},
    {"ChkClearFields", "check box", "", 0, 231, 241, 'B'},
};

// The labels of both forms, which take no focus and have no maximum length, by
// parent ("" = the window) and forms.
const struct
{
    const char *parent;
    char forms;
    const char *names; // separated by blanks
} labelGroups[] = {
    {"FrameNotice", 'B',
     "Lbl_DNtc Lbl_AdmRefID Lbl_B_Adm Lbl_3A1_CallSign Lbl_3A2_StationID Lbl_4A_Sitename Lbl_4B_GeoArea Lbl_4C "
     "Lbl_4C_Long Lbl_4C_Lat Lbl_9EA_SiteAlt Lbl_1A_FreqAssgn Lbl_9D_Polariz Lbl_8BH_Erp_H Lbl_8BV_Erp_V "
     "Lbl_9_AntDir Lbl_9E_AntHgt Lbl_9E_unit Lbl_9EB_Eff_hgtmax Lbl_9EB_unit"},
    {"FrameNotice", '1', "Lbl_7A0_Bdwdth Lbl_7A0_BDWdth_unit Lbl_7D_TranSys"},
    {"FrameNotice", '2',
     "Lbl_7A1_FreqStabl Lbl_8D_PwrRatio Lbl_7C1_TvSys Lbl_7C2_ColorSys Lbl_1E Lbl_1E_LF Lbl_1E_kHz_Sign Lbl_1E_kHz"},
    {"FrameTrg", 'B', "Lbl_TrgAdmRefID Lbl_01A_TrgFreq Lbl_FreqUnit Lbl_04C Lbl_04C_Long Lbl_04C_Lat"},
    {"Frame_A11_Only", 'B', "Lbl_12A_OpAgcy Lbl_12B_AddrCde Lbl_10B_Ophh Lbl_10B_OphhFr Lbl_10B_OphhTo Lbl_2C"},
    {"FrameCoord", 'B', "Lbl_11_CoordAdm"},
    {"Frame_9EC_EffAntHeight", 'B', "Lbl_9EC_Azm0_350"},
    {"Frame_9NH_AttnH", 'B', "Lbl_9NH_Azm0_350"},
    {"Frame_9NV_AttnV", 'B', "Lbl_9NV_Azm0_350"},
    {"", 'B', "Lbl_Filename Lbl_Ntc_Number Lbl_Notified_Rmks Lbl_Internal_Rmks"},
};


struct ExpectedControl
{
    QString kind;
    QString parent;
    int maxLength;
    int tabIndex;
};

// Every control of one form by name: the typed rows, the labels, the twelve coordination
// boxes (tab 52-63 on T01, 56-67 on T02) and the three azimuth tables of 36
// boxes (tab from 64, 100, 136 on T01 and 4 more on T02, down each column).
std::map<QString, ExpectedControl> expectedControls(FormKind kind)
{
    const bool t01 = kind == FormKind::T01;
    std::map<QString, ExpectedControl> expected;
    for (const Expected &row : typedControls) {
        if (row.forms == 'B' || (row.forms == '1') == t01)
            expected[row.name] = {row.kind, row.parent, row.maxLength, t01 ? row.tabT01 : row.tabT02};
    }
    for (const auto &group : labelGroups) {
        if (group.forms == 'B' || (group.forms == '1') == t01) {
            for (const QString &name : QString(group.names).split(' '))
                expected[name] = {"label", group.parent, 0, -1};
        }
    }
    const int shift = t01 ? 0 : 4;
    for (int n = 1; n <= 12; ++n)
        expected[QStringLiteral("Txt_11_Adm%1").arg(n)] = {"text box", "FrameCoord", 3, 51 + n + shift};
    struct Table { const char *prefix; const char *frame; int maxLength; int firstTab; };
    const Table tables[] = {{"Txt_9EC_azm", "Frame_9EC_EffAntHeight", 5, 64},
                            {"Txt_9NHAzm", "Frame_9NH_AttnH", 4, 100},
                            {"Txt_9NVAzm", "Frame_9NV_AttnV", 4, 136}};
    for (const Table &table : tables) {
        for (int step = 0; step < 36; ++step) {
            const QString name = table.prefix + QStringLiteral("%1").arg(step * 10, 3, 10, QLatin1Char('0'));
            expected[name] = {"text box", table.frame, table.maxLength, table.firstTab + step + shift};
        }
    }
    return expected;
}

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame: return "frame";
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "text box";
    case ControlKind::DropDownList: return "list";
    case ControlKind::OptionButton: return "option";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::CommandButton: return "button";
    }
    return {};
}

QString widgetKind(QWidget *widget)
{
    if (qobject_cast<QGroupBox *>(widget)) return "frame";
    if (qobject_cast<QLabel *>(widget)) return "label";
    if (qobject_cast<QLineEdit *>(widget)) return "text box";
    if (qobject_cast<QComboBox *>(widget)) return "list";
    if (qobject_cast<QRadioButton *>(widget)) return "option";
    if (qobject_cast<QCheckBox *>(widget)) return "check box";
    if (qobject_cast<QPushButton *>(widget)) return "button";
    return "other";
}

// Pixels from twips at 15 twips a pixel, rounded.
QRect pixels(int left, int top, int width, int height)
{
    auto px = [](int twips) { return qRound(twips / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

class TestCaptureLayout : public QObject
{
    Q_OBJECT

    // Closing a capture window runs Finish, whose messages must not wait for a click.
    platform::ScopedRecordingAlerts m_alerts;

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void windowShape_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("title");
        QTest::newRow("T01") << FormKind::T01 << "FmFrmT01M"
                             << "T01-m      VHF Sound Broadcasting Station - Data Capture - ";
        QTest::newRow("T02") << FormKind::T02 << "TvFrmT02M"
                             << "T02-m      VHF/UHF Television Broadcasting Station - Data Capture - ";
    }

    void windowShape()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, objectName);
        QFETCH(QString, title);
        CaptureWindow window(kind);
        QCOMPARE(window.formKind(), kind);
        QCOMPARE(window.objectName(), objectName);
        // Set-up may complete the title (with the version label).
        QVERIFY2(window.windowTitle().startsWith(title), qPrintable(window.windowTitle()));
        // The form's area at the top left of the area that scrolls; the
        // notice list is added to its right, the antenna diagrams under the
        // form, the status line below them all. The window opens at that full
        // size unless the screen is smaller.
        QWidget *area = window.scrollArea().widget();
        const int diagramsBottom = window.patternViews().first()->geometry().bottom() + 1;
        QVERIFY(window.patternViews().first()->y() >= 674);
        QCOMPARE(area->geometry(), QRect(0, 0, window.noticeList().geometry().right() + 1 + 8, diagramsBottom + 8));
        QCOMPARE(window.noticeList().x(), 1016);
        window.layout()->activate();
        QCOMPARE(window.statusLine().geometry(),
                 QRect(0, area->height(), area->width(), window.statusLine().height()));
        QCOMPARE(window.maximumSize(), window.size());
        QCOMPARE(window.size(), QSize(area->width(), area->height() + window.statusLine().height()));
    }

    // The exact set of named controls of each form, in the window and in the
    // rows it was built from.
    void controlNames_data() { addBothForms(); }

    void controlNames()
    {
        QFETCH(FormKind, kind);
        CaptureWindow window(kind);
        QStringList expected;
        for (const auto &entry : expectedControls(kind))
            expected.append(entry.first);
        QStringList rows = expected;
        // Beside and below the form, not controls of its design.
        expected << "noticeList" << "noticeFilter" << "exportButton" << "printButton" << "statusLine" << "patternView9EC"
                 << "patternView9NH" << "patternView9NV";
        expected.sort();
        QStringList built;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                built.append(widget->objectName());
        }
        QStringList specs;
        for (const ControlSpec &spec : window.controls().specs())
            specs.append(spec.name);
        built.sort();
        specs.sort();
        rows.sort();
        QCOMPARE(built, expected);
        QCOMPARE(specs, rows);
    }

    void inventory_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("name");
        for (FormKind kind : BothForms) {
            for (const auto &entry : expectedControls(kind))
                QTest::addRow("%s %s", formName(kind), qPrintable(entry.first)) << kind << entry.first;
        }
    }

    void inventory()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, name);
        const ExpectedControl expected = expectedControls(kind).at(name);
        CaptureWindow window(kind);

        QWidget *widget = window.control(name);
        QVERIFY(widget);
        QCOMPARE(widgetKind(widget), expected.kind);
        QWidget *parent = expected.parent.isEmpty() ? window.scrollArea().widget() : window.control(expected.parent);
        QVERIFY(parent);
        QCOMPARE(widget->parentWidget(), parent);
        if (auto *box = qobject_cast<QLineEdit *>(widget)) {
            if (expected.maxLength > 0)
                QCOMPARE(box->maxLength(), expected.maxLength);
            else
                QVERIFY(box->maxLength() >= 32767);
        }
        // The notice counter is the program's to write: Tab passes it by.
        const bool focusable = expected.kind != "label" && expected.kind != "frame" && name != "Txt_Ntc_Number";
        QCOMPARE(bool(widget->focusPolicy() & Qt::TabFocus), focusable);

        const auto spec = std::find_if(window.controls().specs().cbegin(), window.controls().specs().cend(),
                                       [&](const ControlSpec &row) { return row.name == name; });
        QVERIFY(spec != window.controls().specs().cend());
        QCOMPARE(kindName(spec->kind), expected.kind);
        QCOMPARE(spec->parent, expected.parent);
        QCOMPARE(spec->maxLength, expected.maxLength);
        QCOMPARE(spec->tabIndex, expected.tabIndex);
    }

    // Following the focus chain from the first control meets every control
    // that takes the focus, in tab-index order, but the notice counter.
    void focusChainFollowsTabIndices_data() { addBothForms(); }

    void focusChainFollowsTabIndices()
    {
        QFETCH(FormKind, kind);
        std::vector<std::pair<int, QString>> byTab;
        for (const auto &entry : expectedControls(kind)) {
            if (entry.second.tabIndex >= 0 && entry.first != "Txt_Ntc_Number")
                byTab.emplace_back(entry.second.tabIndex, entry.first);
        }
        std::sort(byTab.begin(), byTab.end());
        QStringList expected;
        for (const auto &entry : byTab)
            expected.append(entry.second);
        expected << "noticeList" << "noticeFilter" << "printButton" << "exportButton"; // after the form's last control

        CaptureWindow window(kind);
        QWidget *first = window.control("Txt_Ntc_DD");
        QVERIFY(first);
        QStringList chain;
        QWidget *widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(chain, expected);
    }

    void looks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("bold");
        const QColor blue(0, 0, 255);
        const QColor black(0, 0, 0);
        QTest::newRow("item number") << "Lbl_9EB_Eff_hgtmax" << 6.75 << blue << false;
        QTest::newRow("item number in a frame") << "Lbl_01A_TrgFreq" << 6.75 << blue << false;
        QTest::newRow("unit") << "Lbl_9E_unit" << 6.75 << black << false;
        QTest::newRow("coordination heading") << "Lbl_11_CoordAdm" << 8.25 << blue << false;
        QTest::newRow("azimuth ranges") << "Lbl_9NV_Azm0_350" << 8.25 << black << false;
        QTest::newRow("file name label") << "Lbl_Filename" << 8.25 << QColor(192, 0, 0) << true;
        QTest::newRow("counter label") << "Lbl_Ntc_Number" << 8.25 << QColor(192, 0, 0) << true;
        QTest::newRow("target frame") << "FrameTrg" << 8.25 << QColor(255, 0, 0) << false;
        QTest::newRow("article 11 frame") << "Frame_A11_Only" << 8.25 << QColor(255, 0, 0) << false;
        QTest::newRow("azimuth frame") << "Frame_9NH_AttnH" << 6.75 << blue << false;
        QTest::newRow("option") << "OptInt_Wdraw" << 6.0 << black << false;
        // A frame's caption look stays with the frame.
        QTest::newRow("box in a red frame") << "Txt_01A_TrgFreq" << 8.25 << black << false;
        QTest::newRow("box in an azimuth frame") << "Txt_9NHAzm010" << 8.25 << black << false;
    }

    void looks()
    {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(QColor, colour);
        QFETCH(bool, bold);
        CaptureWindow window(FormKind::T01);
        QWidget *widget = window.control(name);
        QVERIFY(widget);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
        if (name.startsWith("Lbl_Filename") || name.startsWith("Lbl_Ntc_Number"))
            QVERIFY(qobject_cast<QLabel *>(widget)->alignment() & Qt::AlignHCenter);
    }

    void geometry_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        const FormKind T01 = FormKind::T01;
        const FormKind T02 = FormKind::T02;
        QTest::newRow("T01 notice frame") << T01 << "FrameNotice" << pixels(0, -90, 11955, 4305);
        QTest::newRow("T02 notice frame") << T02 << "FrameNotice" << pixels(0, -105, 11955, 4305);
        QTest::newRow("day") << T01 << "Txt_Ntc_DD" << pixels(870, 240, 375, 285);
        QTest::newRow("St61") << T01 << "OptFrg_St61" << pixels(30, 285, 585, 255);
        QTest::newRow("T01 9D") << T01 << "Combo_9D_Polariz" << pixels(2880, 2910, 525, 315);
        QTest::newRow("T02 9D") << T02 << "Combo_9D_Polariz" << pixels(2445, 2910, 525, 315);
        QTest::newRow("T01 8BV") << T01 << "Txt_8BV_Erp_V" << pixels(5655, 2940, 810, 285);
        QTest::newRow("T02 8BV") << T02 << "Txt_8BV_Erp_V" << pixels(4080, 2940, 810, 285);
        QTest::newRow("T02 1E kHz") << T02 << "Txt_1E_kHz" << pixels(8748, 2940, 645, 285);
        QTest::newRow("directivity") << T02 << "Combo_9_AntDir" << pixels(150, 3765, 615, 288);
        QTest::newRow("12A") << T01 << "Txt_12A_OpAgcy" << pixels(405, 405, 630, 285);
        QTest::newRow("coordination 1") << T01 << "Txt_11_Adm1" << pixels(150, 345, 555, 285);
        QTest::newRow("coordination 2") << T02 << "Txt_11_Adm2" << pixels(901, 345, 555, 285);
        QTest::newRow("coordination 11") << T01 << "Txt_11_Adm11" << pixels(7660, 345, 555, 285);
        QTest::newRow("coordination 12") << T02 << "Txt_11_Adm12" << pixels(8412, 345, 555, 285);
        QTest::newRow("9EC 0") << T01 << "Txt_9EC_azm000" << pixels(165, 480, 780, 285);
        QTest::newRow("9EC 80") << T01 << "Txt_9EC_azm080" << pixels(165, 4350, 780, 285);
        QTest::newRow("9EC 90") << T02 << "Txt_9EC_azm090" << pixels(1205, 480, 780, 285);
        QTest::newRow("9NH 190") << T01 << "Txt_9NHAzm190" << pixels(1920, 930, 630, 285);
        QTest::newRow("9NV 350") << T02 << "Txt_9NVAzm350" << pixels(2790, 4395, 630, 285);
        QTest::newRow("file name") << T01 << "Txt_Filename" << pixels(12000, 375, 3165, 525);
        QTest::newRow("notified remarks") << T02 << "Txt_notified_Rmks" << pixels(12105, 5400, 2835, 2025);
        QTest::newRow("reset") << T01 << "Button_Reset" << pixels(12435, 3360, 1320, 390);
        QTest::newRow("clear fields") << T02 << "ChkClearFields" << pixels(12120, 4200, 2925, 405);
        // Widened from 735 so that "Notificación" shows whole.
        QTest::newRow("date label") << T01 << "Lbl_DNtc" << pixels(120, 285, 750, 375);
        QTest::newRow("coordination heading") << T01 << "Lbl_11_CoordAdm" << pixels(132, 120, 7800, 168);
    }

    void geometry()
    {
        QFETCH(FormKind, kind);
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        CaptureWindow window(kind);
        QWidget *widget = window.control(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
    }
};

QTEST_MAIN(TestCaptureLayout)
#include "tst_capture_layout.moc"
