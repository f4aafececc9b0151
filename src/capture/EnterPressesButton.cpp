#include "capture/EnterPressesButton.h"

#include <QKeyEvent>
#include <QPushButton>

bool pressFocusedButtonOnEnter(QWidget *window, QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto *button = qobject_cast<QPushButton *>(window->focusWidget());
    if (!enter || !button || !button->isEnabled() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    button->click();
    event->accept();
    return true;
}
