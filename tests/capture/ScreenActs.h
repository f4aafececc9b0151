#pragma once

// What the visibility and clear tests share: both capture windows, built and
// shown for real; the operator's acts on them written as short words in the
// test tables; and the check of which parts of the screen are shown.

#include "WindowDriver.h"

#include "capture/CaptureWindow.h"
#include "capture/VisibilityRules.h"

#include <QLabel>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FormKind)

inline QString firstFragment(FormKind kind)
{
    return kind == FormKind::T01 ? Control::OptFrg_Ge84 : Control::OptFrg_Ge89;
}

inline const FormKind BothForms[] = {FormKind::T01, FormKind::T02};

// A "kind" column with one row per form.
inline void addBothForms()
{
    QTest::addColumn<FormKind>("kind");
    for (FormKind kind : BothForms)
        QTest::newRow(formName(kind)) << kind;
}

inline std::unique_ptr<CaptureWindow> openWindow(FormKind kind)
{
    auto window = std::make_unique<CaptureWindow>(kind);
    WindowDriver(*window).show();
    return window;
}

// The station items as the rules describe them: every control lying directly
// in FrameNotice except the date of notification, the notifying
// administration and the frames of their own (fragment, intention, target,
// Article 11); the effective-height and coordination frames; the labels inside
// the Article 11 frame.
inline QList<QWidget *> stationItems(const CaptureWindow &window)
{
    using namespace Control;
    static const QStringList notStationItems = {Txt_Ntc_DD, Txt_Ntc_MM,  Txt_Ntc_YY, Lbl_DNtc,      Txt_B_Adm,
                                                Lbl_B_Adm,  FrameFrg,    FrameIntent, FrameTrg, Frame_A11_Only};
    QList<QWidget *> items;
    const auto inNotice = window.control(FrameNotice)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *widget : inNotice) {
        if (!widget->objectName().isEmpty() && !notStationItems.contains(widget->objectName()))
            items << widget;
    }
    items << window.control(Frame_9EC_EffAntHeight) << window.control(FrameCoord);
    const auto article11Labels =
        window.control(Frame_A11_Only)->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel *label : article11Labels)
        items << label;
    return items;
}

// The operator's acts, written as short words in the test tables:
// "Add", "Mod", "Sup", "Withdraw"   select an intention with the mouse;
// "first", "ST61", "Art11"          select a fragment with the mouse;
// "dir=ND", "pol=H", "pol="         choose an entry of the directivity or
//                                   polarization list with the arrow keys (an
//                                   empty value: the empty entry);
// "Reset"                           click the Reset button;
// "dontKeep"                        untick ChkClearFields;
// and the program's clears:
// "clearForNextNotice"              the partial clear between notices;
// "save"                            the screen's clearing after a save.
inline void act(CaptureWindow &window, const QString &event)
{
    using namespace Control;
    static const QHash<QString, QString> options = {
        {"Add", OptInt_Add},      {"Mod", OptInt_Mod},       {"Sup", OptInt_Sup},
        {"Withdraw", OptInt_Wdraw}, {"ST61", OptFrg_St61}, {"Art11", OptFrg_A11},
    };
    WindowDriver drive(window);
    if (options.contains(event) || event == QLatin1String("first")) {
        const QString name = event == QLatin1String("first") ? firstFragment(window.formKind()) : options.value(event);
        drive.click(name);
        QVERIFY2(drive.isChecked(name), qPrintable("the click did not select " + name));
    } else if (event.startsWith(QLatin1String("dir=")) || event.startsWith(QLatin1String("pol="))) {
        drive.choose(event.startsWith(QLatin1String("dir=")) ? Combo_9_AntDir : Combo_9D_Polariz, event.mid(4));
    } else if (event == QLatin1String("Reset")) {
        drive.reset();
    } else if (event == QLatin1String("dontKeep")) {
        drive.check(ChkClearFields, false);
    } else if (event == QLatin1String("clearForNextNotice")) {
        window.visibility().clearForNextNotice();
    } else if (event == QLatin1String("save")) {
        window.visibility().clearAfterSave();
    } else {
        QFAIL(qPrintable("unknown event " + event));
    }
}

inline void actAll(CaptureWindow &window, const QStringList &events)
{
    for (const QString &event : events) {
        act(window, event);
        if (QTest::currentTestFailed())
            return;
    }
}

// "shown" or "hidden" as the rules left the control, whatever its frame.
inline QString shownWord(bool shown)
{
    return shown ? QStringLiteral("shown") : QStringLiteral("hidden");
}

inline void verifyShown(const CaptureWindow &window, const QString &name, bool shown)
{
    QWidget *widget = window.control(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY2(widget->isHidden() != shown, qPrintable(QStringLiteral("%1 should be %2").arg(name, shownWord(shown))));
}

inline void verifyScreen(const CaptureWindow &window, bool target, bool station, bool article11, bool attenuationH,
                         bool attenuationV)
{
    using namespace Control;
    verifyShown(window, FrameTrg, target);
    for (QWidget *item : stationItems(window)) {
        QVERIFY2(item->isHidden() != station,
                 qPrintable(QStringLiteral("station item %1 should be %2").arg(item->objectName(), shownWord(station))));
    }
    verifyShown(window, Frame_A11_Only, article11);
    verifyShown(window, Frame_9NH_AttnH, attenuationH);
    verifyShown(window, Frame_9NV_AttnV, attenuationV);

    // Never hidden by any rule.
    for (const QLatin1String name : {Txt_Ntc_DD, Txt_Ntc_MM, Txt_Ntc_YY, Lbl_DNtc, Txt_B_Adm, Lbl_B_Adm, FrameFrg,
                                FrameIntent, FrameNotice, Txt_Filename, Txt_Ntc_Number, Button_Next, Button_Finish,
                                Button_Reset, ChkValidate, ChkClearFields, Txt_notified_Rmks, Txt_Internal_Rmks}) {
        QWidget *widget = window.control(name);
        QVERIFY2(widget && widget->isVisibleTo(&window), name.data());
    }
}
