// The windows on the screen: at full size the capture form as designed, on a
// small screen a window that fits and scrolls to the box in use; every
// caption whole in every language, at the scale factor the test runs at (it
// runs at 1 and, as tst_screen_fit_scale2, at 2); and what a screen reader
// says of each box.

#include "ScreenActs.h"

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
    const auto fits = [&metrics](const QString &text, const QRectF &room, int flags) {
        const QRectF needed = metrics.boundingRect(room, flags, text);
        return needed.width() <= room.width() && (!(flags & Qt::TextWordWrap) || needed.height() <= room.height());
    };
    const int oneLine = Qt::AlignLeft | Qt::AlignVCenter;
    QStringList clipped;
    const auto check = [&](const QString &text, const QRectF &room, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
        if (!text.isEmpty() && !fits(text, room, flags))
            clipped << text;
    };
    QStyleOptionButton button;
    button.initFrom(control);
    if (auto *box = qobject_cast<WrappingCheckBox *>(control)) {
        check(box->text(), box->captionRect(), WrappingCheckBox::CaptionFlags);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        check(label->text(), label->contentsRect(), label->wordWrap() ? oneLine | Qt::TextWordWrap : oneLine);
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        button.text = box->text();
        check(box->text(), box->style()->subElementRect(QStyle::SE_CheckBoxContents, &button, box));
    } else if (auto *option = qobject_cast<QRadioButton *>(control)) {
        button.text = option->text();
        check(option->text(), option->style()->subElementRect(QStyle::SE_RadioButtonContents, &button, option));
    } else if (auto *push = qobject_cast<QPushButton *>(control)) {
        button.text = push->text();
        check(push->text(), push->style()->subElementRect(QStyle::SE_PushButtonContents, &button, push));
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

} // namespace

class TstScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeftOpen(); }

    void fullSizeShowsTheFormWithoutScrolling_data() { addBothForms(); }
    void fullSizeShowsTheFormWithoutScrolling();
    void smallScreenFitsAndScrollsToTheFocus_data();
    void smallScreenFitsAndScrollsToTheFocus();
    void captionsAreWhole_data();
    void captionsAreWhole();
    void accessibleNames_data();
    void accessibleNames();
    void everyInputIsNamedOnceInItsFrame_data();
    void everyInputIsNamedOnceInItsFrame();
};

namespace {

QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

void TstScreenFit::accessibleNames_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](FormKind kind, Language language, const char *control, const char *name) {
        QTest::addRow("%s %s", formName(kind), control) << kind << language << QString(control) << QString(name);
    };
    row(FormKind::T01, Language::English, "Txt_4A_SiteName", "4A Name of the location of the transmitting station");
    row(FormKind::T01, Language::French, "Txt_Ntc_DD", "Date de Notification [Jour]");
    row(FormKind::T02, Language::Spanish, "Txt_04C_NS", "0-4C Latitud N/S [hemisferio]");
    row(FormKind::T02, Language::English, "Txt_2C_MM", "2C Date of bringing into use [Month]");
    row(FormKind::T01, Language::English, "Txt_9NHAzm090",
        "9NH Attenuation (dB) of the horizontally polarized component at different azimuths 90°");
    row(FormKind::T02, Language::French, "Txt_11_Adm12",
        "11 - Coordination effectuée avec succès avec les administrations suivantes [12]");
    row(FormKind::T01, Language::English, "Combo_9D_Polariz", "9D Polarization");
    row(FormKind::T02, Language::Spanish, "FrameIntent", "Intención");
}

void TstScreenFit::accessibleNames()
{
    QFETCH(FormKind, kind);
    QFETCH(Language, language);
    QFETCH(QString, control);
    QFETCH(QString, name);
    CaptureWindow window(kind, language);
    QVERIFY(window.control(control));
    QCOMPARE(spokenName(window.control(control)), name);
}

void TstScreenFit::everyInputIsNamedOnceInItsFrame_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<Language>("language");
    for (FormKind kind : BothForms) {
        for (Language language : {Language::English, Language::French, Language::Spanish})
            QTest::addRow("%s %d", formName(kind), int(language)) << kind << language;
    }
}

// Every box, list, option, check box and button has a name of its own among
// the inputs of its frame; the option groups are named.
void TstScreenFit::everyInputIsNamedOnceInItsFrame()
{
    QFETCH(FormKind, kind);
    QFETCH(Language, language);
    CaptureWindow window(kind, language);
    QHash<QString, QString> named; // frame and name: the control
    for (const ControlSpec &spec : window.controls().specs()) {
        if (spec.kind == ControlKind::Label || spec.kind == ControlKind::Frame)
            continue;
        const QString name = spokenName(window.control(spec.name));
        QVERIFY2(!name.isEmpty(), qPrintable(spec.name));
        const QString key = spec.parent + ": " + name;
        QVERIFY2(!named.contains(key), qPrintable(spec.name + " and " + named.value(key) + " are both " + key));
        named.insert(key, spec.name);
    }
    for (const char *group : {"FrameFrg", "FrameIntent"})
        QVERIFY2(!spokenName(window.control(group)).isEmpty(), group);
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

void TstScreenFit::fullSizeShowsTheFormWithoutScrolling()
{
    QFETCH(FormKind, kind);
    auto window = openWindow(kind);
    window->resize(window->maximumSize());
    QTRY_COMPARE(window->size(), window->maximumSize());
    QWidget *area = window->scrollArea().widget();
    QTRY_COMPARE(window->scrollArea().viewport()->size(), area->size());
    QCOMPARE(area->mapTo(window.get(), QPoint(0, 0)), QPoint(0, 0));
    QVERIFY(!window->scrollArea().horizontalScrollBar()->isVisible());
    QVERIFY(!window->scrollArea().verticalScrollBar()->isVisible());
}

void TstScreenFit::smallScreenFitsAndScrollsToTheFocus_data()
{
    QTest::addColumn<FormKind>("kind");
    QTest::addColumn<QString>("box");
    QTest::newRow("T01 internal remarks, bottom right") << FormKind::T01 << "Txt_Internal_Rmks";
    QTest::newRow("T02 last azimuth, bottom") << FormKind::T02 << "Txt_9NVAzm350";
}

// The offscreen screen (800 x 800) is narrower than the window.
void TstScreenFit::smallScreenFitsAndScrollsToTheFocus()
{
    QFETCH(FormKind, kind);
    QFETCH(QString, box);
    auto window = openWindow(kind);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QSize screen = window->screen()->availableGeometry().size();
    QVERIFY(window->width() < screen.width() && window->height() < screen.height());
    QTRY_VERIFY(window->scrollArea().verticalScrollBar()->isVisible());

    WindowDriver drive(*window);
    QVERIFY(drive.focus(box));
    QWidget *viewport = window->scrollArea().viewport();
    QWidget *focused = window->control(box);
    // The start of the box, where the typing shows, is in view.
    const QRect start(focused->mapTo(viewport, QPoint(0, 0)), QSize(10, focused->height()));
    QVERIFY2(viewport->rect().contains(start), qPrintable(box));
}

QTEST_MAIN(TstScreenFit)
#include "tst_screen_fit.moc"
