#include "replay/ReplayDriver.h"

#include "capture/CaptureWindow.h"
#include "capture/LeaveBoxGate.h"
#include "capture/NoticeFileSession.h"
#include "capture/NoticeList.h"
#include "capture/OperatorTexts.h"
#include "form/FieldCatalogue.h"
#include "platform/Alerts.h"
#include "platform/InputLimits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleHints>

#include <algorithm>
#include <limits>

namespace ScriptedRun {
namespace {

// The title of the stops that the replay itself finds, where the window shows
// no message of its own.
const QString ReplayTitle = QStringLiteral("Replay");

namespace Reason {
const QString NotFound = QStringLiteral("control not found");
const QString TakesNoValue = QStringLiteral("control takes no value (a label, frame or command button)");
const QString Hidden = QStringLiteral("control is hidden");
const QString Disabled = QStringLiteral("control is disabled");
const QString Locked = QStringLiteral("control is locked");
const QString NoFocus = QStringLiteral("control does not take the focus");
const QString WantsText = QStringLiteral("a text box takes a text");
const QString WantsEntry = QStringLiteral("a drop-down list takes the text of one of its entries");
const QString WantsTrue = QStringLiteral("an option button takes true (a click)");
const QString WantsZeroOrOne = QStringLiteral("a check box takes 0 or 1");
const QString TooLong = QStringLiteral("text of %1 characters is longer than the box (%2 at most)");
const QString Untypeable = QStringLiteral("text holds a character that cannot be typed: %1");
const QString NotTyped = QStringLiteral("the box holds \"%1\" after typing \"%2\"");
const QString NoSuchEntry = QStringLiteral("the list has no entry \"%1\"");
const QString ClickMissed = QStringLiteral("the click did not change the control");
const QString StillOpen = QStringLiteral("the window stayed open after Finish");
const QString NoSuchNotice = QStringLiteral("the file has no notice %1 (it has %2)");
} // namespace Reason

const QString NoticeKey = QStringLiteral("notice");

const QString NextButton = QStringLiteral("Button_Next");
const QString FinishButton = QStringLiteral("Button_Finish");
const QString ResetButton = QStringLiteral("Button_Reset");
const QString FileNameBox = QStringLiteral("Txt_Filename");
const QString CounterBox = QStringLiteral("Txt_Ntc_Number");

Stop replayStop(const QString &control, const QString &reason)
{
    return {control, ReplayTitle, reason};
}

// The first character that an operator cannot type into a box: a control
// character (Tab would move on, Enter would act, ...).
std::optional<QChar> untypeableCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return c;
    }
    return std::nullopt;
}

} // namespace

QString Replay::fileName() const
{
    return QFileInfo(m_window.text(FileNameBox)).absoluteFilePath();
}

int Replay::noticesWritten() const
{
    return m_window.text(CounterBox).toInt() - 1;
}

bool Replay::activateWindow()
{
    // Nobody sees the list of the file's notices during a scripted run: hidden,
    // it costs neither time nor memory however many notices are saved.
    m_window.noticeList().hide();
    // The focus moves only inside the active window.
    m_window.show();
    m_window.activateWindow();
    QDeadlineTimer deadline(5000);
    while (!m_window.isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // Nor does anybody see the window itself: it is not painted again while
    // the script plays. Every key, click and rule still goes through the
    // window as before; only the repaints that would follow each of them
    // (some two thirds of the time of a notice) are left out.
    m_window.setUpdatesEnabled(false);
    // For the same reason the cursor of the focused box does not blink: no
    // timer is started and stopped again on every key.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    return m_window.isActiveWindow();
}

void Replay::settle()
{
    // A failing rule posts its message to the event loop: let it arrive.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

Step Replay::messageStop(const QString &control)
{
    const QList<platform::RecordingAlerts::Entry> messages = m_alerts.messages();
    if (messages.size() <= m_messagesSeen)
        return std::nullopt;
    const platform::RecordingAlerts::Entry first = messages.at(m_messagesSeen);
    m_messagesSeen = messages.size();
    return Stop{control, first.title, first.text};
}

QString Replay::lastMessage() const
{
    const QList<platform::RecordingAlerts::Entry> messages = m_alerts.messages();
    return messages.isEmpty() ? QString() : messages.last().title + QStringLiteral(": ") + messages.last().text;
}

void Replay::sendKey(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(receiver, &release);
}

// A left click where the control reacts to it: the indicator of an option
// button or check box, the middle of anything else.
void Replay::sendClick(QWidget *receiver)
{
    int x = receiver->width() / 2;
    if (qobject_cast<QRadioButton *>(receiver))
        x = receiver->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, receiver) / 2;
    else if (qobject_cast<QCheckBox *>(receiver))
        x = receiver->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, receiver) / 2;
    const QPointF local(x, receiver->height() / 2);
    const QPointF global = receiver->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &release);
}

// The focus goes to a control as on a click: the box that holds the focus is
// left first, and its rule may refuse.
Step Replay::moveFocusTo(QWidget *control)
{
    QWidget *focused = m_window.focusWidget();
    if (focused != control && !LeaveBoxGate::mayLeaveFocusedBox(&m_window)) {
        settle();
        m_failedBox = qobject_cast<QLineEdit *>(focused);
        return messageStop(focused ? focused->objectName() : control->objectName());
    }
    control->setFocus(Qt::MouseFocusReason);
    settle();
    if (m_window.focusWidget() != control)
        return replayStop(control->objectName(), Reason::NoFocus);
    return std::nullopt;
}

// Tab out of the box: its rule runs as the operator leaves it.
Step Replay::leave(QLineEdit *box)
{
    sendKey(box, Qt::Key_Tab);
    settle();
    const Step stop = messageStop(box->objectName());
    if (stop)
        m_failedBox = box;
    return stop;
}

Step Replay::typeText(QLineEdit *box, const QString &text)
{
    const QString name = box->objectName();
    if (box->isReadOnly())
        return replayStop(name, Reason::Locked);
    if (text.size() > box->maxLength())
        return replayStop(name, Reason::TooLong.arg(text.size()).arg(box->maxLength()));
    if (const std::optional<QChar> c = untypeableCharacter(text))
        return replayStop(
            name, Reason::Untypeable.arg(QStringLiteral("U+%1").arg(c->unicode(), 4, 16, QLatin1Char('0')).toUpper()));
    if (Step stop = moveFocusTo(box))
        return stop;

    // Select everything, so that what is typed replaces it.
    sendKey(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty() && !box->text().isEmpty())
        sendKey(box, Qt::Key_Delete);
    for (const QChar c : text)
        sendKey(box, c.toUpper().unicode(), Qt::NoModifier, QString(c));
    if (box->text().size() != text.size())
        return replayStop(name,
                          Reason::NotTyped.arg(platform::inputExcerpt(box->text()), platform::inputExcerpt(text)));
    return leave(box);
}

// The entry is reached with the arrow keys, each a choice of the operator.
Step Replay::choose(QComboBox *list, const QString &entry)
{
    const int target = list->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0)
        return replayStop(list->objectName(), Reason::NoSuchEntry.arg(platform::inputExcerpt(entry)));
    if (Step stop = moveFocusTo(list))
        return stop;
    for (int steps = list->count(); list->currentIndex() != target && steps > 0; --steps)
        sendKey(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    settle();
    if (list->currentIndex() != target)
        return replayStop(list->objectName(), Reason::ClickMissed);
    return messageStop(list->objectName());
}

Step Replay::click(QAbstractButton *button)
{
    if (Step stop = moveFocusTo(button))
        return stop;
    sendClick(button);
    settle();
    return messageStop(button->objectName());
}

Step Replay::setCheck(QCheckBox *box, bool checked)
{
    if (box->isChecked() == checked)
        return moveFocusTo(box);
    if (Step stop = click(box))
        return stop;
    if (box->isChecked() != checked)
        return replayStop(box->objectName(), Reason::ClickMissed);
    return std::nullopt;
}

int Replay::tabIndexOf(const QString &name) const
{
    const ControlSpec *row = findControl(m_window.formKind(), name);
    return row ? row->tabIndex : -1;
}

QList<Action> Replay::inPlayingOrder(const Screen &screen) const
{
    QList<Action> actions = screen.actions;
    if (screen.inTabOrder) {
        // Controls that take no focus (tab index -1) come last, where they stop the run.
        auto order = [this](const Action &action) {
            const int index = tabIndexOf(action.control);
            return index < 0 ? std::numeric_limits<int>::max() : index;
        };
        std::stable_sort(actions.begin(), actions.end(),
                         [&order](const Action &a, const Action &b) { return order(a) < order(b); });
    }
    return actions;
}

Step Replay::playScreen(const Screen &screen)
{
    // A name the window does not know stops the screen before it starts.
    for (const Action &action : screen.actions) {
        if (!m_window.control(action.control))
            return replayStop(action.control, Reason::NotFound);
    }
    if (screen.notice > 0) {
        if (Step stop = bringBackNotice(screen.notice))
            return stop;
    }
    for (const Action &action : inPlayingOrder(screen)) {
        if (Step stop = apply(action))
            return stop;
    }
    return press(NextButton);
}

Step Replay::apply(const Action &action)
{
    const QString &name = action.control;
    QWidget *control = m_window.control(name);
    QLineEdit *box = m_window.textBox(name);
    QComboBox *list = m_window.list(name);
    QRadioButton *option = m_window.option(name);
    QCheckBox *checkBox = m_window.checkBox(name);
    if (!box && !list && !option && !checkBox)
        return replayStop(name, Reason::TakesNoValue);
    if (!control->isVisible())
        return replayStop(name, Reason::Hidden);
    if (!control->isEnabled())
        return replayStop(name, Reason::Disabled);

    const QJsonValue &value = action.value;
    if (box) {
        if (!value.isString())
            return replayStop(name, Reason::WantsText);
        return typeText(box, value.toString());
    }
    if (list) {
        if (!value.isString())
            return replayStop(name, Reason::WantsEntry);
        return choose(list, value.toString());
    }
    if (option) {
        if (!value.isBool() || !value.toBool())
            return replayStop(name, Reason::WantsTrue);
        if (Step stop = click(option))
            return stop;
        if (!option->isChecked())
            return replayStop(name, Reason::ClickMissed);
        return std::nullopt;
    }
    if (!value.isDouble() || (value.toDouble() != 0 && value.toDouble() != 1))
        return replayStop(name, Reason::WantsZeroOrOne);
    return setCheck(checkBox, value.toDouble() == 1);
}

Step Replay::openFile(const QString &name)
{
    if (m_window.saving().openFile(name)) {
        // What opening said of a damaged end is no stop: the file is open.
        m_messagesSeen = m_alerts.messages().size();
        return std::nullopt;
    }
    if (Step stop = messageStop(QStringLiteral("open")))
        return stop;
    return replayStop(QStringLiteral("open"), QStringLiteral("the file could not be opened"));
}

Step Replay::bringBackNotice(int number)
{
    const int saved = m_window.saving().captureFile().noticeNumber - 1;
    if (number > saved)
        return replayStop(NoticeKey, Reason::NoSuchNotice.arg(number).arg(saved));
    if (m_window.saving().correctNotice(number))
        return std::nullopt;
    if (Step stop = messageStop(NoticeKey))
        return stop;
    return replayStop(NoticeKey, Reason::NoSuchNotice.arg(number).arg(saved));
}

Step Replay::typeFileName(const QString &name)
{
    return typeText(m_window.textBox(FileNameBox), name);
}

Step Replay::press(const QString &buttonName)
{
    QPushButton *button = m_window.button(buttonName);
    if (!button->isVisible())
        return replayStop(buttonName, Reason::Hidden);
    if (!button->isEnabled())
        return replayStop(buttonName, Reason::Disabled);
    return click(button);
}

Step Replay::finish()
{
    if (Step stop = press(FinishButton))
        return stop;
    if (m_window.isVisible())
        return replayStop(FinishButton, Reason::StillOpen);
    return std::nullopt;
}

bool Replay::finishAfterStop()
{
    settle();
    // Reset empties every box except the administration, the file name and
    // the counter: an administration that failed its rule is emptied too, so
    // that no text refused by a rule reaches the file.
    if (m_failedBox)
        m_failedBox->clear();
    // The program's own clicks: the gate of the focused box is not asked again.
    // The replay means its Reset, and says so when it is asked.
    m_alerts.answers = {OperatorTexts::ResetYes};
    m_window.button(ResetButton)->click();
    m_alerts.answers.clear();
    settle();
    m_window.button(FinishButton)->click();
    settle();
    // A window still open after Finish either never started its file (nothing
    // to finish) or could not finish it.
    return !m_window.isVisible() || !m_window.textBox(FileNameBox)->isReadOnly();
}

QString stopLine(int screenNumber, const Stop &stop)
{
    return QStringLiteral("notice %1: %2: %3: %4")
        .arg(screenNumber)
        .arg(platform::inputExcerpt(stop.control), stop.title, stop.message);
}

} // namespace ScriptedRun
