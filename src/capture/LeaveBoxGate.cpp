#include "capture/LeaveBoxGate.h"

#include "capture/FormControls.h"
#include "form/FieldRules.h"
#include "platform/Alerts.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace LeaveBoxGate {
namespace {

// The box whose failure message is waiting for the event loop. Until it is
// shown, further attempts to leave that box (the second half of a double
// click, a repeated Tab) are refused without a second message.
QPointer<QLineEdit> g_messagePendingFor;

struct FocusedRule
{
    FormControls *controls = nullptr;
    QLineEdit *box = nullptr;
    const FieldRule *rule = nullptr;
};

// The text box that holds the focus in `window`, when the window is a capture
// window and the box has a rule. The window's own focus widget is used rather
// than the application's: it is kept while the window is inactive, so a click
// that brings the window back from another application is checked too.
FocusedRule focusedRuledBox(QWidget *anyWindow)
{
    FormControls *controls = FormControls::of(anyWindow);
    if (!controls)
        return {};
    auto *box = qobject_cast<QLineEdit *>(anyWindow->focusWidget());
    if (!box || controls->control(box->objectName()) != box)
        return {};
    const FieldRule *rule = ruleFor(controls->formKind(), box->objectName());
    if (!rule)
        return {};
    return {controls, box, rule};
}

bool isValidationOn(const FormControls &controls)
{
    const QCheckBox *validate = controls.checkBox(Control::ChkValidate);
    return validate && validate->isChecked();
}

// The beep of the day boxes, then the rule's message over the window.
void reportFailure(const FieldRule &rule, QWidget *window)
{
    if (rule.beepsOnFailure)
        platform::alerts().beep();
    platform::alerts().exclamation(window, rule.title, rule.message);
}

// The widget that Qt would give the focus to for a click (or wheel turn) on
// `target`: the first enabled widget, going up from it within its window, whose
// focus policy includes `policy`; nullptr when none would take the focus.
QWidget *focusTakerFor(QWidget *target, Qt::FocusPolicy policy)
{
    for (QWidget *widget = target; widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & policy) == policy) {
            QWidget *proxy = widget;
            while (proxy->focusProxy())
                proxy = proxy->focusProxy();
            return proxy;
        }
        if (widget->isWindow())
            break;
    }
    return nullptr;
}

bool movesFocusAway(QWidget *target, Qt::FocusPolicy policy, const QLineEdit *box)
{
    QWidget *taker = focusTakerFor(target, policy);
    return taker && taker != box;
}

// Whether the event, addressed to a widget of the box's window, is an attempt of
// the operator to move the focus out of the box.
bool isAttemptToLeave(const QLineEdit *box, QWidget *target, const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const bool tabKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        return tabKey && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return movesFocusAway(target, Qt::ClickFocus, box);
    case QEvent::Wheel: return movesFocusAway(target, Qt::WheelFocus, box);
    case QEvent::Shortcut: return target != box;
    default: return false;
    }
}

bool isCheckedEventType(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Shortcut: return true;
    default: return false;
    }
}

// Runs the rule of the focused box. On failure the beep and message are posted
// to the event loop: a modal message box opened in the middle of delivering a
// mouse press or key press would run while Qt is still handling that event.
bool focusedBoxAccepts(const FocusedRule &focused)
{
    if (acceptsText(*focused.rule, focused.box->text(), isValidationOn(*focused.controls)))
        return true;
    if (g_messagePendingFor == focused.box)
        return false;

    g_messagePendingFor = focused.box;
    QPointer<QWidget> window = &focused.controls->window();
    QPointer<QLineEdit> box = focused.box;
    const FieldRule *rule = focused.rule;
    QTimer::singleShot(0, focused.box, [window, box, rule] {
        g_messagePendingFor.clear();
        reportFailure(*rule, window);
        // The failing text is selected once the message is gone: what the
        // operator types next replaces it, even in a box at its maximum length.
        if (box)
            box->selectAll();
    });
    return false;
}

} // namespace

bool blocksEvent(QObject *receiver, QEvent *event)
{
    if (!isCheckedEventType(event->type()) || !receiver->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(receiver);
    const FocusedRule focused = focusedRuledBox(target->window());
    if (!focused.rule || !isAttemptToLeave(focused.box, target, event))
        return false;
    return !focusedBoxAccepts(focused);
}

bool mayLeaveFocusedBox(QWidget *window)
{
    const FocusedRule focused = focusedRuledBox(window);
    if (!focused.rule)
        return true;
    return focusedBoxAccepts(focused);
}

} // namespace LeaveBoxGate
