#include "WindowDriver.h"

#include "form/ControlNames.h"
#include "platform/Alerts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <qtestspontaneevent.h>

#include <optional>

bool WindowDriver::fail(const QString &what)
{
    QTest::qFail(qPrintable("WindowDriver: " + what), __FILE__, __LINE__);
    return false;
}

bool WindowDriver::show(Wait wait)
{
    m_window.show();
    const bool shown = wait == Wait::Active ? QTest::qWaitForWindowActive(&m_window)
                                            : QTest::qWaitForWindowExposed(&m_window);
    return shown || fail(QStringLiteral("the window %1 did not come up").arg(m_window.objectName()));
}

bool WindowDriver::type(const QString &control, const QString &text)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    // QTest::keyClicks knows Latin-1 only: each character goes as its own key.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    return true;
}

bool WindowDriver::key(const QString &control, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    QTest::keyClick(widget, Qt::Key(key), modifiers);
    return true;
}

bool WindowDriver::leave(const QString &box)
{
    if (!need<QLineEdit>(box, "text box"))
        return false;
    key(box, Qt::Key_Tab);
    QCoreApplication::processEvents();
    return true;
}

namespace {

// Option buttons and check boxes are clicked on their indicator, which is
// always inside the part that takes a click; anything else in its middle.
QPoint clickPoint(QWidget *widget)
{
    const bool indicator = qobject_cast<QRadioButton *>(widget) || qobject_cast<QCheckBox *>(widget);
    return indicator ? QPoint(6, widget->height() / 2) : widget->rect().center();
}

} // namespace

bool WindowDriver::click(const QString &control)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    QTest::mouseClick(widget, Qt::LeftButton, {}, clickPoint(widget));
    return true;
}

bool WindowDriver::doubleClick(const QString &control)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    QTest::mouseDClick(widget, Qt::LeftButton, {}, clickPoint(widget));
    QCoreApplication::processEvents();
    return true;
}

bool WindowDriver::wheel(const QString &control)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    const QPointF middle = QRectF(widget->rect()).center();
    QWheelEvent turn(middle, widget->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &turn);
    return true;
}

bool WindowDriver::shortcut(const QString &control, const QKeySequence &keys)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    QShortcutEvent event(keys, 0);
    QCoreApplication::sendEvent(widget, &event);
    return true;
}

void WindowDriver::closeBox()
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::sendEvent(m_window.windowHandle(), &close);
}

bool WindowDriver::choose(const QString &list, const QString &entry)
{
    auto *combo = need<QComboBox>(list, "list");
    if (!combo)
        return false;
    const int wanted = combo->findText(entry, Qt::MatchExactly);
    if (wanted < 0)
        return fail(QStringLiteral("the list %1 has no entry \"%2\"").arg(list, entry));
    for (int step = 0; step < combo->count() && combo->currentIndex() != wanted; ++step)
        QTest::keyClick(combo, combo->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    return combo->currentIndex() == wanted
        || fail(QStringLiteral("the arrow keys did not reach \"%1\" in %2").arg(entry, list));
}

bool WindowDriver::check(const QString &checkBox, bool ticked)
{
    auto *box = need<QCheckBox>(checkBox, "check box");
    if (!box)
        return false;
    if (box->isChecked() != ticked)
        click(checkBox);
    return box->isChecked() == ticked
        || fail(QStringLiteral("the click did not %1 %2").arg(ticked ? "tick" : "untick", checkBox));
}

bool WindowDriver::perform(const Steps &steps)
{
    for (const Step &step : steps) {
        bool done = false;
        switch (step.how) {
        case Step::Type: done = type(step.control, step.text); break;
        case Step::Click: done = click(step.control); break;
        case Step::Choose: done = choose(step.control, step.text); break;
        }
        if (!done)
            return false;
    }
    return true;
}

bool WindowDriver::saveNext()
{
    return click(Control::Button_Next);
}

bool WindowDriver::finish()
{
    return click(Control::Button_Finish);
}

bool WindowDriver::reset()
{
    // The operator who presses Reset means it: Yes (the first answer) to its
    // question, when it asks one.
    auto *recording = dynamic_cast<platform::RecordingAlerts *>(&platform::alerts());
    std::optional<platform::ScopedRecordingAlerts> own;
    if (!recording)
        recording = &own.emplace();
    const qsizetype answers = recording->answers.size();
    recording->answers.prepend(0);
    const bool clicked = click(Control::Button_Reset);
    if (recording->answers.size() > answers)
        recording->answers.removeFirst();
    return clicked;
}

bool WindowDriver::focus(const QString &control)
{
    QWidget *widget = need<QWidget>(control, "control");
    if (!widget)
        return false;
    widget->setFocus();
    return QApplication::focusWidget() == widget
        || fail(QStringLiteral("%1 did not take the focus").arg(control));
}

bool WindowDriver::put(const QString &box, const QString &text)
{
    auto *edit = need<QLineEdit>(box, "text box");
    if (!edit)
        return false;
    edit->setText(text);
    return true;
}

QString WindowDriver::text(const QString &control) const
{
    QWidget *widget = find(control);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    return {};
}

bool WindowDriver::isChecked(const QString &control) const
{
    auto *button = find<QAbstractButton>(control);
    return button && button->isChecked();
}

bool WindowDriver::hasFocus(const QString &control) const
{
    QWidget *widget = find(control);
    return widget && QApplication::focusWidget() == widget;
}

void verifyNoWindowLeftOpen()
{
    QCoreApplication::processEvents();
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            QTest::qFail(qPrintable("a window was left open: " + widget->objectName()), __FILE__, __LINE__);
    }
}
