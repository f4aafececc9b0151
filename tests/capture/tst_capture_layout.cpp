#include "capture/CaptureWindow.h"
#include "capture/NoticeList.h"
#include "platform/Alerts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <map>

Q_DECLARE_METATYPE(FormKind)

namespace {

// The controls of both forms as the form design lists them. Tab indices are
// T01's and T02's; -1 marks labels and frames, which take no focus. Forms:
// 'B' both, '1' T01 only, '2' T02 only.
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
    {"Txt_Filename", "text box", "", 0, 195, 199, 'B'},
    {"Txt_Ntc_Number", "text box", "", 0, 225, 235, 'B'},
    {"ChkValidate", "check box", "", 0, 230, 240, 'B'},
    {"ChkClearFields", "check box", "", 0, 231, 241, 'B'},
    // Labels.
    {"Lbl_DNtc", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_AdmRefID", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_B_Adm", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_3A1_CallSign", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_3A2_StationID", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_TrgAdmRefID", "label", "FrameTrg", 0, -1, -1, 'B'},
    {"Lbl_01A_TrgFreq", "label", "FrameTrg", 0, -1, -1, 'B'},
    {"Lbl_FreqUnit", "label", "FrameTrg", 0, -1, -1, 'B'},
    {"Lbl_04C", "label", "FrameTrg", 0, -1, -1, 'B'},
    {"Lbl_04C_Long", "label", "FrameTrg", 0, -1, -1, 'B'},
    {"Lbl_04C_Lat", "label", "FrameTrg", 0, -1, -1, 'B'},
    {"Lbl_4A_Sitename", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_4B_GeoArea", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_4C", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_4C_Long", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_4C_Lat", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_9EA_SiteAlt", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_1A_FreqAssgn", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_7A0_Bdwdth", "label", "FrameNotice", 0, -1, -1, '1'},
    {"Lbl_7A0_BDWdth_unit", "label", "FrameNotice", 0, -1, -1, '1'},
    {"Lbl_7A1_FreqStabl", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_9D_Polariz", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_8BH_Erp_H", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_8BV_Erp_V", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_7D_TranSys", "label", "FrameNotice", 0, -1, -1, '1'},
    {"Lbl_8D_PwrRatio", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_7C1_TvSys", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_7C2_ColorSys", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_1E", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_1E_LF", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_1E_kHz_Sign", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_1E_kHz", "label", "FrameNotice", 0, -1, -1, '2'},
    {"Lbl_9_AntDir", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_9E_AntHgt", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_9E_unit", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_9EB_Eff_hgtmax", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_9EB_unit", "label", "FrameNotice", 0, -1, -1, 'B'},
    {"Lbl_12A_OpAgcy", "label", "Frame_A11_Only", 0, -1, -1, 'B'},
    {"Lbl_12B_AddrCde", "label", "Frame_A11_Only", 0, -1, -1, 'B'},
    {"Lbl_10B_Ophh", "label", "Frame_A11_Only", 0, -1, -1, 'B'},
    {"Lbl_10B_OphhFr", "label", "Frame_A11_Only", 0, -1, -1, 'B'},
    {"Lbl_10B_OphhTo", "label", "Frame_A11_Only", 0, -1, -1, 'B'},
    {"Lbl_2C", "label", "Frame_A11_Only", 0, -1, -1, 'B'},
    {"Lbl_11_CoordAdm", "label", "FrameCoord", 0, -1, -1, 'B'},
    {"Lbl_9EC_Azm0_350", "label", "Frame_9EC_EffAntHeight", 0, -1, -1, 'B'},
    {"Lbl_9NH_Azm0_350", "label", "Frame_9NH_AttnH", 0, -1, -1, 'B'},
    {"Lbl_9NV_Azm0_350", "label", "Frame_9NV_AttnV", 0, -1, -1, 'B'},
    {"Lbl_Filename", "label", "", 0, -1, -1, 'B'},
    {"Lbl_Ntc_Number", "label", "", 0, -1, -1, 'B'},
    {"Lbl_Notified_Rmks", "label", "", 0, -1, -1, 'B'},
    {"Lbl_Internal_Rmks", "label", "", 0, -1, -1, 'B'},
};

struct ExpectedControl
{
    QString kind;
    QString parent;
    int maxLength;
    int tabIndex;
};

// Every control of one form by name: the typed rows, the twelve coordination
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

const char *formTag(FormKind kind)
{
    return kind == FormKind::T01 ? "T01" : "T02";
}

const FormKind bothForms[] = {FormKind::T01, FormKind::T02};

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
    void cleanup()
    {
        QVERIFY(QApplication::topLevelWidgets().isEmpty()
                || std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                                [](QWidget *w) { return w->isVisible(); }));
    }

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
        // The form's area at the top left; the notice list is added to its right.
        QCOMPARE(window.height(), 674);
        QCOMPARE(window.noticeList().x(), 1016);
        QCOMPARE(window.width(), window.noticeList().geometry().right() + 1 + 8);
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    // The exact set of named controls of each form, in the window and in the
    // rows it was built from.
    void controlNames_data()
    {
        QTest::addColumn<FormKind>("kind");
        for (FormKind kind : bothForms)
            QTest::newRow(formTag(kind)) << kind;
    }

    void controlNames()
    {
        QFETCH(FormKind, kind);
        CaptureWindow window(kind);
        QStringList expected;
        for (const auto &entry : expectedControls(kind))
            expected.append(entry.first);
        QStringList rows = expected;
        expected.append("noticeList");
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
        for (FormKind kind : bothForms) {
            for (const auto &entry : expectedControls(kind))
                QTest::addRow("%s %s", formTag(kind), qPrintable(entry.first)) << kind << entry.first;
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
        QWidget *parent = expected.parent.isEmpty() ? &window : window.control(expected.parent);
        QVERIFY(parent);
        QCOMPARE(widget->parentWidget(), parent);
        if (auto *box = qobject_cast<QLineEdit *>(widget)) {
            if (expected.maxLength > 0)
                QCOMPARE(box->maxLength(), expected.maxLength);
            else
                QVERIFY(box->maxLength() >= 32767);
        }
        const bool focusable = expected.kind != "label" && expected.kind != "frame";
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
    // that takes the focus, in tab-index order.
    void focusChainFollowsTabIndices_data() { controlNames_data(); }

    void focusChainFollowsTabIndices()
    {
        QFETCH(FormKind, kind);
        std::vector<std::pair<int, QString>> byTab;
        for (const auto &entry : expectedControls(kind)) {
            if (entry.second.tabIndex >= 0)
                byTab.emplace_back(entry.second.tabIndex, entry.first);
        }
        std::sort(byTab.begin(), byTab.end());
        QStringList expected;
        for (const auto &entry : byTab)
            expected.append(entry.second);
        expected.append("noticeList"); // after the form's last control

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

    void tabFromReset_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<QString>("unavailable");
        QTest::addColumn<QStringList>("expected");
        // The notice list, beside the form, comes after the form's last control.
        const QStringList all{"Txt_Filename", "Txt_Ntc_Number", "ChkValidate", "ChkClearFields", "noticeList",
                              "Txt_Ntc_DD"};
        for (FormKind kind : bothForms) {
            QTest::addRow("%s", formTag(kind)) << kind << QString() << all;
            QTest::addRow("%s, file name disabled", formTag(kind))
                << kind << "disable Txt_Filename"
                << QStringList{"Txt_Ntc_Number", "ChkValidate", "ChkClearFields", "noticeList", "Txt_Ntc_DD"};
            QTest::addRow("%s, counter hidden", formTag(kind))
                << kind << "hide Txt_Ntc_Number"
                << QStringList{"Txt_Filename", "ChkValidate", "ChkClearFields", "noticeList", "Txt_Ntc_DD"};
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
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *reset = window.button("Button_Reset");
        QVERIFY(reset);
        reset->setFocus();
        QCOMPARE(QApplication::focusWidget(), reset);
        for (const QString &next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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
        for (FormKind kind : bothForms) {
            const char *tag = formTag(kind);
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
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), kept);
        QCOMPARE(window.text(name), kept);
    }

    // The notice counter is shown, not typed into, and holds any length.
    void noticeCounterIsDisplayOnly_data() { controlNames_data(); }

    void noticeCounterIsDisplayOnly()
    {
        QFETCH(FormKind, kind);
        CaptureWindow window(kind);
        QLineEdit *counter = window.textBox("Txt_Ntc_Number");
        QVERIFY(counter);
        QVERIFY(counter->isReadOnly());
        QTest::keyClicks(counter, "12");
        QCOMPARE(counter->text(), QString("1")); // the count set up with the window
        const QString longText(400, QLatin1Char('7'));
        counter->setText(longText);
        QCOMPARE(window.text("Txt_Ntc_Number"), longText);
    }

    // Beyond the line edit's default limit of 32767 characters.
    void boxesWithoutMaximumKeepVeryLongText()
    {
        CaptureWindow window(FormKind::T01);
        const QString longText(40000, QLatin1Char('r'));
        for (const char *name : {"Txt_Filename", "Txt_notified_Rmks", "Txt_Internal_Rmks"}) {
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
        QTest::keyClicks(list, "XYZ");
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

        QTest::mouseClick(window.option(firstFragment), Qt::LeftButton);
        QTest::mouseClick(window.option("OptFrg_St61"), Qt::LeftButton);
        QTest::mouseClick(window.option("OptInt_Sup"), Qt::LeftButton);
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
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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

    void fragmentGroupHasThreeOptions_data() { controlNames_data(); }

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
        QTest::newRow("date label") << T01 << "Lbl_DNtc" << pixels(120, 285, 735, 375);
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

    void screenReaderOfOtherKinds()
    {
        CaptureWindow window(FormKind::T01);
        QVERIFY(!window.control("Txt_No_Such_Box"));
        QCOMPARE(window.text("Txt_No_Such_Box"), QString());
        QVERIFY(!window.isSelected("OptInt_None"));
        QCOMPARE(window.text("Lbl_B_Adm"), QString());
        QVERIFY(!window.isSelected("ChkValidate"));
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
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy nextClicks(window.button("Button_Next"), &QPushButton::clicked);
        QSignalSpy finishClicks(window.button("Button_Finish"), &QPushButton::clicked);
        QLineEdit *adm = window.textBox("Txt_B_Adm");
        adm->setFocus();
        QTest::keyClick(adm, Qt::Key_Return);
        QTest::keyClick(adm, Qt::Key_Enter);
        QTest::keyClick(adm, Qt::Key_Escape);
        QCOMPARE(nextClicks.count(), 0);
        QCOMPARE(finishClicks.count(), 0);
        QVERIFY(window.isVisible());
        window.close();
    }
};

QTEST_MAIN(TestCaptureLayout)
#include "tst_capture_layout.moc"
