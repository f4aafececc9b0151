// The windows on the screen: at full size the capture form as designed, on a
// small screen a window that fits and scrolls to the box in use; every
// caption whole in every language, at the scale factor the test runs at (it
// runs at 1 and, as tst_screen_fit_scale2, at 2); and what a screen reader
// says of each box.

#include "ScreenActs.h"

#include "capture/NoticeList.h"
#include "capture/WrappingCheckBox.h"
#include "shell/MainMenu.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

Q_DECLARE_METATYPE(Language)

namespace {

// The texts of a control that its box cuts off: its caption, or the entries
// of a list, measured in its font against the room the style gives them. A
// caption on one line must fit the width; one that wraps, the height too.
QStringList clippedTexts(QWidget *control)
{
    const QFontMetricsF metrics(control->font(), control);
    QStringList clipped;
    const auto check = [&](const QString &text, const QRectF &room, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
        const QRectF needed = metrics.boundingRect(room, flags, text);
        if (needed.width() > room.width() || ((flags & Qt::TextWordWrap) && needed.height() > room.height()))
            clipped << text;
    };
    QStyleOptionButton button;
    button.initFrom(control);
    const auto contents = [&](QStyle::SubElement element, const QString &text) {
        button.text = text;
        return control->style()->subElementRect(element, &button, control);
    };
    if (auto *box = qobject_cast<WrappingCheckBox *>(control)) {
        check(box->text(), box->captionRect(), WrappingCheckBox::CaptionFlags);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        check(label->text(), label->contentsRect(), label->wordWrap() ? Qt::AlignLeft | Qt::TextWordWrap : Qt::AlignLeft);
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        check(box->text(), contents(QStyle::SE_CheckBoxContents, box->text()));
    } else if (auto *option = qobject_cast<QRadioButton *>(control)) {
        check(option->text(), contents(QStyle::SE_RadioButtonContents, option->text()));
    } else if (auto *push = qobject_cast<QPushButton *>(control)) {
        check(push->text(), contents(QStyle::SE_PushButtonContents, push->text()));
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        check(frame->title(), frame->rect());
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        QStyleOptionComboBox options;
        options.initFrom(list);
        const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &options, QStyle::SC_ComboBoxEditField, list);
        for (int entry = 0; entry < list->count(); ++entry)
            check(list->itemText(entry), room);
    }
    return clipped;
}

QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

class TstScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void windowFitsTheScreenAndScrollsToTheFocus_data();
    void windowFitsTheScreenAndScrollsToTheFocus();
    void aClickLeavesTheViewWhereItIs();
    void captionsAreWhole_data();
    void captionsAreWhole();
    void everyInputIsNamedOnceInItsFrame_data();
    void everyInputIsNamedOnceInItsFrame();
};

void TstScreenFit::windowFitsTheScreenAndScrollsToTheFocus_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("box");
    QTest::newRow("T01 internal remarks, bottom right") << FormKind::T01 << "Txt_Internal_Rmks";
    QTest::newRow("T02 last azimuth, bottom") << FormKind::T02 << "Txt_9NVAzm350";
}

// The offscreen screen (800 x 800) is narrower than the window: it opens
// smaller and scrolls to the box in use. At full size nothing scrolls and the
// form is at the window's top left.
void TstScreenFit::windowFitsTheScreenAndScrollsToTheFocus()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, box);
    auto window = openWindow(kind);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QSize screen = window->screen()->availableGeometry().size();
    QVERIFY(window->width() < screen.width() && window->height() < screen.height());
    QScrollArea &scrolling = window->scrollArea();
    QTRY_VERIFY(scrolling.horizontalScrollBar()->isVisible());

    QVERIFY(WindowDriver(*window).focus(box));
    QWidget *focused = window->control(box);
    // The start of the box, where the typing shows, is in view.
    const QRect start(focused->mapTo(scrolling.viewport(), QPoint(0, 0)), QSize(10, focused->height()));
    QVERIFY2(scrolling.viewport()->rect().contains(start), qPrintable(box));

    window->resize(window->maximumSize());
    QTRY_COMPARE(scrolling.viewport()->size(), scrolling.widget()->size());
    QVERIFY(!scrolling.horizontalScrollBar()->isVisible() && !scrolling.verticalScrollBar()->isVisible());
    QCOMPARE(scrolling.widget()->mapTo(window.get(), QPoint(0, 0)), QPoint(0, 0));
}

// A click on the notice list, taller than the screen, gives it the focus
// without moving the view under the pointer: a double-click stays on the row
// it began on.
void TstScreenFit::aClickLeavesTheViewWhereItIs()
{
    auto window = openWindow(FormKind::T01);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QScrollArea &scrolling = window->scrollArea();
    QTRY_VERIFY(scrolling.verticalScrollBar()->isVisible());
    for (QScrollBar *bar : {scrolling.horizontalScrollBar(), scrolling.verticalScrollBar()})
        bar->setValue(bar->maximum());
    const QPoint view(scrolling.horizontalScrollBar()->value(), scrolling.verticalScrollBar()->value());
    QWidget *rows = window->noticeList().viewport();
    const QPoint inView = rows->mapFrom(scrolling.viewport(), QPoint(scrolling.viewport()->width() - 60, 20));
    QVERIFY(rows->rect().contains(inView));
    QTest::mouseClick(rows, Qt::LeftButton, {}, inView);
    QVERIFY(window->noticeList().hasFocus());
    QCOMPARE(QPoint(scrolling.horizontalScrollBar()->value(), scrolling.verticalScrollBar()->value()), view);
}

void TstScreenFit::captionsAreWhole_data()
{
    QTest::addColumn<QString>("window"); // a form, or the menu
    QTest::addColumn<Language>("language");
    const char *const languages[] = {"English", "French", "Spanish"};
    for (const char *window : {"T01", "T02", "menu"}) {
        for (int code = 0; code < 3; ++code)
            QTest::addRow("%s %s", window, languages[code]) << QString(window) << Language(code);
    }
}

void TstScreenFit::captionsAreWhole()
{
    QFETCH(QString, window);
    QFETCH(Language, language);
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
    std::unique_ptr<QWidget> shown;
    if (window == "menu") {
        auto menu = std::make_unique<MainMenu>();
        const char *const options[] = {"Opt_english", "Opt_french", "Opt_spanish"};
        menu->findChild<QRadioButton *>(options[int(language)])->click();
        shown = std::move(menu);
    } else {
        shown = std::make_unique<CaptureWindow>(window == "T01" ? FormKind::T01 : FormKind::T02, language);
    }
    WindowDriver(*shown).show();
    QCOMPARE(shown->devicePixelRatioF(), scale);

    QStringList clipped;
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_") && control->isVisibleTo(shown.get())) {
            for (const QString &text : clippedTexts(control))
                clipped << name + ": \"" + text + "\"";
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

void TstScreenFit::everyInputIsNamedOnceInItsFrame_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("control"); // and what a screen reader says of it
    QTest::addColumn<QString>("name");
    QTest::newRow("T01 English")
        << FormKind::T01 << Language::English << "Txt_4A_SiteName" << "4A Name of the location of the transmitting station";
    QTest::newRow("T01 French") << FormKind::T01 << Language::French << "Txt_Ntc_DD" << "Date de Notification [Jour]";
    QTest::newRow("T01 Spanish") << FormKind::T01 << Language::Spanish << "FrameIntent" << "Intención";
    QTest::newRow("T02 English")
        << FormKind::T02 << Language::English << "Txt_9NHAzm090"
        << "9NH Attenuation (dB) of the horizontally polarized component at different azimuths 90°";
    QTest::newRow("T02 French") << FormKind::T02 << Language::French << "Txt_11_Adm12"
                                << "11 - Coordination effectuée avec succès avec les administrations suivantes [12]";
    QTest::newRow("T02 Spanish") << FormKind::T02 << Language::Spanish << "Txt_04C_NS" << "0-4C Latitud N/S [hemisferio]";
}

// Every box, list, option, check box and button has a name of its own among
// the inputs of its frame; the option groups are named.
void TstScreenFit::everyInputIsNamedOnceInItsFrame()
{
    QFETCH(FormKind, kind);
    QFETCH(Language, language);
    QFETCH(QString, control);
    QFETCH(QString, name);
    CaptureWindow window(kind, language);
    QVERIFY(window.control(control));
    QCOMPARE(spokenName(window.control(control)), name);
    QHash<QString, QString> named; // frame and name: the control
    for (const ControlSpec &spec : window.controls().specs()) {
        if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Frame)
            continue;
        const QString key = spec.parent + ": " + spokenName(window.control(spec.name));
        QVERIFY2(!key.endsWith(": "), qPrintable(spec.name));
        QVERIFY2(!named.contains(key), qPrintable(spec.name + " and " + named.value(key) + " are both " + key));
        named.insert(key, spec.name);
    }
    for (const char *group : {"FrameFrg", "FrameIntent"})
        QVERIFY2(!spokenName(window.control(group)).isEmpty(), group);
}

QTEST_MAIN(TstScreenFit)
#include "tst_screen_fit.moc"
