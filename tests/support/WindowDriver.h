#pragma once

#include <QKeySequence>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QWidget>

// One step of the operator on one control, for tests that list what is done
// to a window as data: a text typed into a box, a click on a button, option or
// check box, an entry chosen in a list.
struct Step
{
    enum How { Type, Click, Choose } how;
    QString control;
    QString text; // typed, or the list entry chosen
};
using Steps = QList<Step>;

inline Step type(const QString &box, const QString &text) { return {Step::Type, box, text}; }
inline Step click(const QString &control) { return {Step::Click, control, {}}; }
inline Step choose(const QString &list, const QString &entry) { return {Step::Choose, list, entry}; }

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Steps)

// Works a window the way the operator does. Every key and click is a QTest
// event delivered through QApplication::notify, so the application's own
// checks (the leave-box gate of CaptureApplication), the controls' event
// filters (the capital-letter filter) and the handlers run as they do for a
// person at the keyboard. Controls are found by object name below the window.
//
// An act that cannot be done (no such control, a control of another kind, an
// entry the list lacks) records a test failure that names the control and
// returns false; the test goes on unless it checks the result.
class WindowDriver
{
public:
    explicit WindowDriver(QWidget &window) : m_window(window) {}

    QWidget &window() const { return m_window; }

    // Shows the window and waits until it is on the screen, or until it is the
    // active window (which the focus and the keyboard need).
    enum class Wait { Exposed, Active };
    bool show(Wait wait = Wait::Exposed);

    // The named control, of the kind asked for; nullptr when there is none.
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return m_window.findChild<T *>(name);
    }

    // Keys typed one by one into a box (or any control), any character included.
    bool type(const QString &control, const QString &text);
    // One key (with its modifiers) pressed on a control.
    bool key(const QString &control, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Tab pressed in a box: the operator leaves it for the next control.
    bool leave(const QString &box);
    // A click of the left button: an option button or a check box on its
    // indicator, any other control in its middle.
    bool click(const QString &control);
    bool doubleClick(const QString &control);
    // One notch of the mouse wheel, turned over the middle of a control.
    bool wheel(const QString &control);
    // The shortcut event a control gets when its mnemonic is pressed.
    bool shortcut(const QString &control, const QKeySequence &keys);
    // What the platform sends when the window's close box is clicked.
    void closeBox();
    // A list's entry reached with the arrow keys.
    bool choose(const QString &list, const QString &entry);
    // A check box clicked when it is not already as wanted.
    bool check(const QString &checkBox, bool ticked);
    // The steps in order; stops at the first that cannot be done.
    bool perform(const Steps &steps);

    // The buttons of a capture window.
    bool saveNext();
    bool finish();
    // Reset, answering Yes when it asks before clearing a typed notice.
    bool reset();

    // The program's own moves, which no rule checks: the focus given to a
    // control, a text set in a box.
    bool focus(const QString &control);
    bool put(const QString &box, const QString &text);

    // A box's text, a list's chosen entry, or the caption of a button, label
    // or frame; empty when there is no such control.
    QString text(const QString &control) const;
    // Whether an option button or a check box is on.
    bool isChecked(const QString &control) const;
    // Whether the control holds the application's focus.
    bool hasFocus(const QString &control) const;

private:
    // The named control of that kind, or nullptr and a recorded failure.
    template<typename T>
    T *need(const QString &name, const char *kind) const
    {
        T *control = name.isEmpty() ? nullptr : find<T>(name);
        if (!control)
            fail(QStringLiteral("no %1 named %2").arg(QLatin1String(kind), name));
        return control;
    }
    static bool fail(const QString &what);

    QWidget &m_window;
};

// Records a test failure for every top-level window still on the screen: each
// case closes the windows it opened.
void verifyNoWindowLeftOpen();
