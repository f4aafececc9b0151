#pragma once

class QEvent;
class QObject;
class QWidget;

// The moment before the focus leaves a text box of a capture window. Qt moves the
// focus before any widget sees the key or click that caused it, so the check sits
// in front of event delivery (CaptureApplication::notify): an event that would
// take the focus away from a box whose text breaks its rule is dropped, and the
// rule's message is shown instead. The focus and the text stay as they were,
// the text selected so that typing replaces it.
//
// Ways of leaving that are checked, when they come from the operator:
// - Tab and Shift+Tab;
// - a mouse press or double click on another control of the same window that
//   takes the focus on a click (text box, list, option button, check box, button);
// - the mouse wheel over a control that takes the focus by the wheel (lists);
// - a keyboard shortcut (mnemonic) of another control of the window;
// - the window's close box (CaptureWindow::closeEvent asks mayLeaveFocusedBox).
// The program's own setFocus(), click() and close() are never checked.
namespace LeaveBoxGate {

// True when the event must be dropped because it would leave a failing box.
bool blocksEvent(QObject *receiver, QEvent *event);

// The rule of the window's focused box, run because the window is about to close:
// false (and the message on its way) when the box's text fails.
bool mayLeaveFocusedBox(QWidget *window);

} // namespace LeaveBoxGate
