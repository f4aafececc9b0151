#include "capture/ScriptedRun.h"

#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "capture/JsonValueCutter.h"
#include "capture/LeaveBoxGate.h"
#include "platform/Alerts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextStream>

#include <algorithm>
#include <limits>
#include <optional>

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
} // namespace Reason

const QString NextButton = QStringLiteral("Button_Next");
const QString FinishButton = QStringLiteral("Button_Finish");
const QString ResetButton = QStringLiteral("Button_Reset");
const QString FileNameBox = QStringLiteral("Txt_Filename");
const QString CounterBox = QStringLiteral("Txt_Ntc_Number");

// --- The script -------------------------------------------------------------

struct Action
{
    QString control;
    QJsonValue value;
};

struct Screen
{
    QList<Action> actions;
    bool inTabOrder = true; // an object: visited in tab order; a list: as given
};

struct Script
{
    FormKind kind = FormKind::T01;
    Language language = Language::English;
    QString output;
};

struct Languages
{
    const char *code;
    Language language;
};
const Languages KnownLanguages[] = { { "en", Language::English }, { "fr", Language::French }, { "es", Language::Spanish } };

const QString NoScreens = QStringLiteral("\"notices\" must be a list of at least one screen");

bool isActionValue(const QJsonValue &value)
{
    return value.isString() || value.isBool() || value.isDouble();
}

// Reads one screen; an empty text on success, the fault otherwise.
QString readScreen(const QJsonValue &value, int number, Screen &screen)
{
    const QString where = QStringLiteral("notice %1").arg(number);
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!isActionValue(it.value()))
                return QStringLiteral("%1: the value of \"%2\" must be a text, true, 0 or 1").arg(where, it.key());
            screen.actions.append({ it.key(), it.value() });
        }
        screen.inTabOrder = true;
        return {};
    }
    if (value.isArray()) {
        const QJsonArray pairs = value.toArray();
        for (int i = 0; i < pairs.size(); ++i) {
            const QJsonArray pair = pairs.at(i).toArray();
            if (!pairs.at(i).isArray() || pair.size() != 2 || !pair.at(0).isString() || !isActionValue(pair.at(1)))
                return QStringLiteral("%1: entry %2 must be a pair [control name, text, true, 0 or 1]")
                    .arg(where).arg(i + 1);
            screen.actions.append({ pair.at(0).toString(), pair.at(1) });
        }
        screen.inTabOrder = false;
        return {};
    }
    return QStringLiteral("%1 must be an object or a list of [control, value] pairs").arg(where);
}

// Reads the keys of the script other than "notices"; an empty text on
// success, the fault otherwise. The faults come in the order of the checks:
// unknown key, form, language, output.
QString readHeader(const QJsonObject &object, Script &script)
{
    static const QStringList keys = { "form", "language", "output", "notices" };
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key()))
            return QStringLiteral("unknown key \"%1\" (known: form, language, output, notices)").arg(it.key());
    }

    const QString form = object.value(QStringLiteral("form")).toString();
    if (form == QLatin1String("T01"))
        script.kind = FormKind::T01;
    else if (form == QLatin1String("T02"))
        script.kind = FormKind::T02;
    else
        return QStringLiteral("\"form\" must be \"T01\" or \"T02\"");

    if (object.contains(QStringLiteral("language"))) {
        const QString code = object.value(QStringLiteral("language")).toString();
        const auto known = std::find_if(std::begin(KnownLanguages), std::end(KnownLanguages),
                                        [&code](const Languages &l) { return code == QLatin1String(l.code); });
        if (known == std::end(KnownLanguages))
            return QStringLiteral("\"language\" must be \"en\", \"fr\" or \"es\"");
        script.language = known->language;
    }

    if (object.contains(QStringLiteral("output"))) {
        const QJsonValue output = object.value(QStringLiteral("output"));
        if (!output.isString() || output.toString().isEmpty())
            return QStringLiteral("\"output\" must be a file name");
        script.output = output.toString();
    }
    return {};
}

// The screens of a script, handed out one at a time in their order and
// converted only then, so that a run holds one converted screen at a time.
class Screens
{
public:
    virtual ~Screens() = default;
    virtual int count() const = 0;
    // Converts the next screen, number counted from 1; an empty text on
    // success, the fault otherwise.
    virtual QString next(int number, Screen &screen) = 0;
};

// The screens of a script held as a JSON object.
class ArrayScreens : public Screens
{
public:
    explicit ArrayScreens(const QJsonArray &screens) : m_screens(screens) {}
    int count() const override { return int(m_screens.size()); }
    QString next(int number, Screen &screen) override { return readScreen(m_screens.at(number - 1), number, screen); }

private:
    QJsonArray m_screens;
};

// The first screen that cannot be read, checked before anything is run; an
// empty text when every screen can be read.
QString firstScreenFault(const QJsonArray &screens)
{
    for (int i = 0; i < screens.size(); ++i) {
        Screen screen;
        const QString fault = readScreen(screens.at(i), i + 1, screen);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

// --- A script file read one screen at a time ----------------------------------

// Parses the text of one element of "notices". It is wrapped in two arrays, so
// that it lies as deep as in the script ({"notices": [element]}) and the
// parser's limit on nesting treats it alike; any value may so be parsed.
std::optional<QJsonValue> parseElement(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[[" + text + "]]", &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().size() != 1)
        return std::nullopt;
    const QJsonArray inner = document.array().at(0).toArray();
    if (inner.size() != 1)
        return std::nullopt;
    return inner.at(0);
}

// The value of a key's text, quotes and escapes included.
std::optional<QString> parseKey(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + text + "]", &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1 || !document.array().at(0).isString())
        return std::nullopt;
    return document.array().at(0).toString();
}

// What one reading of a whole script file finds: the script's object with
// "notices" emptied, where the elements of "notices" start in the file, how
// many there are, and the first screen that cannot be read.
struct ScannedScript
{
    QJsonObject header;
    qint64 noticesOffset = -1; // just after the opening bracket; -1: "notices" is no list
    int screenCount = 0;
    QString screenFault;
};

// Reads the script file through once, holding one element of "notices" at a
// time: the other keys are kept as text and parsed together, each element is
// parsed and read as a screen on its own, then dropped. False when the file
// is not one JSON object of this plain shape, or the parser refuses one of
// its parts: the caller then parses the file whole, as the parser's own
// message names the fault best (and a shape this reading declines, such as
// "notices" given twice, is then still played).
bool scanScriptFile(QIODevice &file, ScannedScript &scanned)
{
    JsonValueCutter stream(&file);
    QByteArray header = "{";
    stream.skipWhitespace();
    if (!stream.take('{'))
        return false;
    stream.skipWhitespace();
    if (!stream.take('}')) {
        bool noticesSeen = false;
        for (bool first = true;; first = false) {
            stream.skipWhitespace();
            if (stream.peek() != '"')
                return false;
            QByteArray keyText;
            if (!stream.readValue(&keyText))
                return false;
            const std::optional<QString> key = parseKey(keyText);
            stream.skipWhitespace();
            if (!key || !stream.take(':'))
                return false;
            const bool isNotices = *key == QLatin1String("notices");
            if (isNotices && noticesSeen)
                return false;
            noticesSeen = noticesSeen || isNotices;
            if (!first)
                header += ',';
            header += keyText + ':';

            stream.skipWhitespace();
            if (isNotices && stream.take('[')) {
                header += "[]";
                scanned.noticesOffset = stream.offset();
                stream.startInsideArray();
                QByteArray element;
                for (;;) {
                    const JsonValueCutter::Result result = stream.nextElement(element);
                    if (result == JsonValueCutter::Result::End)
                        break;
                    if (result == JsonValueCutter::Result::Malformed)
                        return false;
                    const std::optional<QJsonValue> value = parseElement(element);
                    if (!value)
                        return false;
                    ++scanned.screenCount;
                    if (scanned.screenFault.isEmpty()) {
                        Screen screen;
                        scanned.screenFault = readScreen(*value, scanned.screenCount, screen);
                    }
                }
            } else if (!stream.readValue(&header)) {
                return false;
            }

            stream.skipWhitespace();
            if (stream.take(','))
                continue;
            if (stream.take('}'))
                break;
            return false;
        }
    }
    stream.skipWhitespace();
    if (!stream.atEnd())
        return false;
    header += '}';

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(header, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    scanned.header = document.object();
    return true;
}

// The screens of a script file, read again from the file one at a time as
// they are played.
class FileScreens : public Screens
{
public:
    FileScreens(QIODevice &file, const ScannedScript &scanned)
        : m_file(file), m_offset(scanned.noticesOffset), m_count(scanned.screenCount)
    {
    }

    int count() const override { return m_count; }

    QString next(int number, Screen &screen) override
    {
        if (!m_stream) {
            if (!m_file.seek(m_offset))
                return changed(number);
            m_stream.emplace(&m_file);
            m_stream->startInsideArray();
        }
        QByteArray text;
        if (m_stream->nextElement(text) != JsonValueCutter::Result::Value)
            return changed(number);
        const std::optional<QJsonValue> value = parseElement(text);
        if (!value)
            return changed(number);
        return readScreen(*value, number, screen);
    }

private:
    // The file was read through and found whole before the run: it changed since.
    static QString changed(int number)
    {
        return QStringLiteral("notice %1 can no longer be read: the script changed during the run").arg(number);
    }

    QIODevice &m_file;
    qint64 m_offset;
    int m_count;
    std::optional<JsonValueCutter> m_stream;
};

// --- Playing it -------------------------------------------------------------

// Why the run stopped: the control being used, and the title and text of the
// message (the window's own, or one of the replay's).
struct Stop
{
    QString control;
    QString title;
    QString message;
};

using Step = std::optional<Stop>;

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

class Replay
{
public:
    Replay(CaptureWindow &window, const platform::RecordingAlerts &alerts)
        : m_window(window), m_alerts(alerts)
    {
    }

    bool activateWindow();
    Step typeFileName(const QString &name);
    Step playScreen(const Screen &screen);
    Step press(const QString &buttonName);
    bool windowIsOpen() const { return m_window.isVisible(); }

    // After a stop: the failing box emptied, Reset, then Finish, so the file
    // ends with the notices saved before the stop. False when a started file
    // could not be finished.
    bool finishAfterStop();

    // The output file as the window names it, made absolute.
    QString fileName() const { return QFileInfo(m_window.text(FileNameBox)).absoluteFilePath(); }
    int noticesWritten() const { return m_window.text(CounterBox).toInt() - 1; }
    QString lastMessage() const;

private:
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
    static Stop replayStop(const QString &control, const QString &reason)
    {
        return { control, ReplayTitle, reason };
    }

    CaptureWindow &m_window;
    const platform::RecordingAlerts &m_alerts;
    qsizetype m_messagesSeen = 0;
    QLineEdit *m_failedBox = nullptr; // the box whose rule stopped the run
};

bool Replay::activateWindow()
{
    // The focus moves only inside the active window.
    m_window.show();
    m_window.activateWindow();
    QDeadlineTimer deadline(5000);
    while (!m_window.isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
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
    return Stop{ control, first.title, first.text };
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
        return replayStop(name, Reason::Untypeable.arg(QStringLiteral("U+%1").arg(c->unicode(), 4, 16, QLatin1Char('0')).toUpper()));
    if (Step stop = moveFocusTo(box))
        return stop;

    // Select everything, so that what is typed replaces it.
    sendKey(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty() && !box->text().isEmpty())
        sendKey(box, Qt::Key_Delete);
    for (const QChar c : text)
        sendKey(box, c.toUpper().unicode(), Qt::NoModifier, QString(c));
    if (box->text().size() != text.size())
        return replayStop(name, Reason::NotTyped.arg(box->text(), text));
    return leave(box);
}

// The entry is reached with the arrow keys, each a choice of the operator.
Step Replay::choose(QComboBox *list, const QString &entry)
{
    const int target = list->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0)
        return replayStop(list->objectName(), Reason::NoSuchEntry.arg(entry));
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
    const ControlSpec *spec = findControl(m_window.formKind(), name);
    return spec ? spec->tabIndex : -1;
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

bool Replay::finishAfterStop()
{
    settle();
    // Reset empties every box except the administration, the file name and
    // the counter: an administration that failed its rule is emptied too, so
    // that no text refused by a rule reaches the file.
    if (m_failedBox)
        m_failedBox->clear();
    // The program's own clicks: the gate of the focused box is not asked again.
    m_window.button(ResetButton)->click();
    settle();
    m_window.button(FinishButton)->click();
    settle();
    // A window still open after Finish either never started its file (nothing
    // to finish) or could not finish it.
    return !m_window.isVisible() || !m_window.textBox(FileNameBox)->isReadOnly();
}

QString stopLine(int screenNumber, const Stop &stop)
{
    return QStringLiteral("notice %1: %2: %3: %4").arg(screenNumber).arg(stop.control, stop.title, stop.message);
}

// Plays the screens on a new window once the script is found sound.
int play(const Script &script, Screens &screens, QTextStream &out, QTextStream &err)
{
    // No message box is ever shown: every message is a stop.
    platform::ScopedRecordingAlerts alerts;
    CaptureWindow window(script.kind, script.language);
    Replay replay(window, alerts);
    if (!replay.activateWindow()) {
        err << "Replay: the capture window could not be activated." << Qt::endl;
        return BadScript;
    }

    // The file name is typed as the first thing of the first screen.
    int screenNumber = 1;
    Step stop;
    if (!script.output.isEmpty())
        stop = replay.typeFileName(script.output);
    while (!stop && screenNumber <= screens.count()) {
        // Each screen is converted as it is played and dropped after.
        Screen screen;
        const QString fault = screens.next(screenNumber, screen);
        if (!fault.isEmpty()) {
            // Only a script file that changed during the run gets here: the
            // screens were all read before it started.
            err << "Replay script: " << fault << Qt::endl;
            if (!replay.finishAfterStop())
                err << "The file " << replay.fileName() << " could not be finished: " << replay.lastMessage()
                    << Qt::endl;
            return BadScript;
        }
        stop = replay.playScreen(screen);
        if (!stop)
            ++screenNumber;
    }
    if (!stop) {
        screenNumber = screens.count();
        stop = replay.press(FinishButton);
        if (!stop && replay.windowIsOpen())
            stop = Stop{ FinishButton, ReplayTitle, Reason::StillOpen };
    }

    if (stop) {
        err << stopLine(screenNumber, *stop) << Qt::endl;
        if (!replay.finishAfterStop())
            err << "The file " << replay.fileName() << " could not be finished: " << replay.lastMessage() << Qt::endl;
        return Stopped;
    }

    const int notices = replay.noticesWritten();
    out << replay.fileName() << ": " << notices << (notices == 1 ? " notice" : " notices") << Qt::endl;
    return Completed;
}

// The checks of a script in their order (the application, the keys other than
// "notices", at least one screen, every screen readable), then the run.
// screenCount is 0 when "notices" is no list.
int checkAndPlay(const QJsonObject &header, int screenCount, const QString &screenFault, Screens &screens,
                 const QString &outputOverride, QTextStream &out, QTextStream &err)
{
    if (!qobject_cast<CaptureApplication *>(QCoreApplication::instance())) {
        err << "A scripted run needs the program's CaptureApplication." << Qt::endl;
        return BadScript;
    }
    Script script;
    QString fault = readHeader(header, script);
    if (fault.isEmpty() && screenCount == 0)
        fault = NoScreens;
    if (fault.isEmpty())
        fault = screenFault;
    if (!fault.isEmpty()) {
        err << "Replay script: " << fault << Qt::endl;
        return BadScript;
    }
    if (!outputOverride.isEmpty())
        script.output = outputOverride;
    return play(script, screens, out, err);
}

} // namespace

int run(const QJsonObject &object, const QString &outputOverride, QTextStream &out, QTextStream &err)
{
    const QJsonValue notices = object.value(QStringLiteral("notices"));
    const QJsonArray list = notices.toArray();
    ArrayScreens screens(list);
    return checkAndPlay(object, notices.isArray() ? int(list.size()) : 0, firstScreenFault(list), screens,
                        outputOverride, out, err);
}

int runFile(const QString &scriptPath, const QString &outputOverride, QTextStream &out, QTextStream &err)
{
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "Cannot read the script " << scriptPath << ": " << file.errorString() << Qt::endl;
        return BadScript;
    }

    // The usual way: the file is read through once to check it, holding one
    // screen at a time, and read again screen by screen as they are played.
    ScannedScript scanned;
    if (scanScriptFile(file, scanned)) {
        FileScreens screens(file, scanned);
        return checkAndPlay(scanned.header, scanned.noticesOffset < 0 ? 0 : scanned.screenCount,
                            scanned.screenFault, screens, outputOverride, out, err);
    }

    // A file that the reading above declines is parsed whole: the parser
    // names the fault of a file that is not JSON, and a shape the reading
    // does not take is played from memory.
    if (!file.seek(0)) {
        err << "Cannot read the script " << scriptPath << ": " << file.errorString() << Qt::endl;
        return BadScript;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        err << "The script " << scriptPath << " is not valid JSON: " << parseError.errorString()
            << " at character " << parseError.offset << Qt::endl;
        return BadScript;
    }
    if (!document.isObject()) {
        err << "The script " << scriptPath << " must hold one JSON object." << Qt::endl;
        return BadScript;
    }
    return run(document.object(), outputOverride, out, err);
}

} // namespace ScriptedRun
