#pragma once

#include "replay/ReplayScript.h"

#include <QList>
#include <QString>
#include <Qt>

#include <optional>

class CaptureWindow;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace platform {
class RecordingAlerts;
}

namespace ScriptedRun {

// Why the run stopped: the control being used, and the title and text of the
// message (the window's own, or one of the replay's).
struct Stop
{
    QString control;
    QString title;
    QString message;
};

// What one step of the run gives: nothing when it went as the script says,
// the stop otherwise.
using Step = std::optional<Stop>;

// Plays screens on a capture window as an operator would: keys typed into the
// boxes, arrow keys on the lists, clicks on the buttons, each sent through the
// application's own event delivery, the focus moved as on a click. Every
// message the window shows (recorded by alerts) stops the run, as does
// anything the operator could not do.
class Replay
{
public:
    Replay(CaptureWindow &window, platform::RecordingAlerts &alerts)
        : m_window(window)
        , m_alerts(alerts)
    { }

    bool activateWindow();
    // Opens a saved file to continue it, in place of typing a file name.
    Step openFile(const QString &name);
    Step typeFileName(const QString &name);
    // The screen's controls, then Save/Next.
    Step playScreen(const Screen &screen);
    // Finish, which must close the window.
    Step finish();

    // After a stop: the failing box emptied, Reset (meant: Yes to its
    // question), then Finish, so the file ends with the notices saved before
    // the stop. False when a started file could not be finished.
    bool finishAfterStop();

    // The output file as the window names it, made absolute.
    QString fileName() const;
    int noticesWritten() const;
    QString lastMessage() const;

private:
    Step press(const QString &buttonName);
    Step bringBackNotice(int number);
    QList<Action> inPlayingOrder(const Screen &screen) const;
    int tabIndexOf(const QString &name) const;
    Step apply(const Action &action);
    Step typeText(QLineEdit *box, const QString &text);
    Step choose(QComboBox *list, const QString &entry);
    Step click(QAbstractButton *button);
    Step setCheck(QCheckBox *box, bool checked);
    Step moveFocusTo(QWidget *control);
    Step leave(QLineEdit *box);
    void sendKey(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                 const QString &text = QString());
    void sendClick(QWidget *receiver);
    void settle();
    Step messageStop(const QString &control);

    CaptureWindow &m_window;
    platform::RecordingAlerts &m_alerts;
    qsizetype m_messagesSeen = 0;
    QLineEdit *m_failedBox = nullptr; // the box whose rule stopped the run
};

// The line that says where and why a run stopped.
QString stopLine(int screenNumber, const Stop &stop);

} // namespace ScriptedRun
