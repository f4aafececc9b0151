#pragma once

class QKeyEvent;
class QWidget;

// Enter or Return, without Ctrl, Alt or Shift, presses the button that has the
// focus, as Space does, in the windows whose buttons leave Enter alone (a
// capture window's buttons must not take Enter typed in a box; the menu's
// are not in a dialog). True when it pressed one.
bool pressFocusedButtonOnEnter(QWidget *window, QKeyEvent *event);
