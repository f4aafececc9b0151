#include "capture/CapitalLettersFilter.h"

#include "capture/FormControls.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// The capital of a typed character: the first character of its upper-case form
// ("ß" becomes "S"), or the character itself when it has none. A capital that
// the 8-bit notice file cannot hold ("µ" would become the Greek "Μ") would make
// the notice impossible to save, so the typed character stays as it is.
QChar capitalOf(QChar typed)
{
    const QString upper = QString(typed).toUpper();
    if (upper.isEmpty() || platform::findUnencodable(upper.left(1)) >= 0)
        return typed;
    return upper.at(0);
}

// Letters composed by the input method (dead keys, compose sequences) arrive
// as a committed text instead of a key press: they are typed too.
bool capitalizeCommittedText(QObject *box, QInputMethodEvent *event)
{
    const QString capitals = typedCapitals(event->commitString());
    if (capitals == event->commitString())
        return false;
    QInputMethodEvent replacement(event->preeditString(), event->attributes());
    replacement.setCommitString(capitals, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(box, &replacement);
    event->setAccepted(replacement.isAccepted());
    return true;
}

} // namespace

QString typedCapitals(const QString &typed)
{
    QString capitals = typed;
    for (QChar &c : capitals)
        c = capitalOf(c);
    return capitals;
}

bool CapitalLettersFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::InputMethod)
        return capitalizeCommittedText(watched, static_cast<QInputMethodEvent *>(event));
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    // Ctrl and Alt combinations are commands (copy, paste, mnemonics), not typing.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString typed = key->text();
    if (typed.size() != 1)
        return false;
    const QChar capital = capitalOf(typed.at(0));
    if (capital == typed.at(0))
        return false;

    // A key event's text cannot be changed: the box receives a copy carrying the
    // capital instead of the original.
    QKeyEvent replacement(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                          key->nativeVirtualKey(), key->nativeModifiers(), QString(capital), key->isAutoRepeat(),
                          key->count());
    QCoreApplication::sendEvent(watched, &replacement);
    key->setAccepted(replacement.isAccepted());
    return true;
}

void installKeyFilters(FormControls &controls)
{
    auto *filter = new CapitalLettersFilter(&controls.window());
    for (const QString &name : capitalLetterBoxes(controls.formKind())) {
        QLineEdit *box = controls.textBox(name);
        Q_ASSERT_X(box, "installKeyFilters", "every filtered box exists on its form");
        if (box)
            box->installEventFilter(filter);
    }
}
