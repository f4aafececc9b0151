#include "replay/ScriptedRun.h"

#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "platform/Alerts.h"
#include "platform/TextFile.h"
#include "replay/ReplayDriver.h"
#include "replay/ReplayScript.h"
#include "replay/ScriptFileScreens.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTextStream>

namespace ScriptedRun {
namespace {

// No message box is ever shown: every message is a stop. The answers the
// replay gives itself come first (Yes to the question of its own Reset);
// whether to replace an existing output file is answered as the command line
// says: replace it, or stop.
class ReplayAlerts : public platform::ScopedRecordingAlerts
{
public:
    explicit ReplayAlerts(bool replace)
        : m_replace(replace)
    { }

    int question(QWidget *, const QString &title, const QString &text, const QStringList &, int,
                 int cancelAnswer) override
    {
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (m_replace)
            return 0; // the first answer replaces
        exclamation(nullptr, title, text);
        return cancelAnswer;
    }

private:
    bool m_replace;
};

// An existing plain file that the run would replace without being told to.
QString existingOutputFault(const QString &output)
{
    const std::optional<platform::FileIdentity> existing = platform::fileIdentity(output);
    if (!existing || !existing->regular)
        return {};
    return QStringLiteral("the output file %1 exists: give --replace to replace it, or name it in \"open\" "
                          "to continue it")
        .arg(output);
}

// Plays the screens on a new window once the script is found sound.
int play(const Script &script, bool replace, Screens &screens, QTextStream &out, QTextStream &err)
{
    ReplayAlerts alerts(replace);
    CaptureWindow window(script.kind, script.language);
    Replay replay(window, alerts);
    if (!replay.activateWindow()) {
        err << "Replay: the capture window could not be activated." << Qt::endl;
        return BadScript;
    }

    // The file name is typed, or the file opened, before the first screen.
    int screenNumber = 1;
    Step stop;
    if (!script.open.isEmpty()) {
        stop = replay.openFile(script.open);
        if (stop) {
            err << "Replay: " << stop->message << Qt::endl;
            return BadScript;
        }
        if (const std::optional<NoticeFileFault> &leftOut = window.saving().captureFile().store.saved().leftOut)
            err << "Replay: " << script.open << ": " << leftOut->message << Qt::endl;
    }
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
        screenNumber = std::max(screens.count(), 1);
        stop = replay.finish();
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
// screenCount is -1 when "notices" is no list.
int checkAndPlay(const QJsonObject &header, int screenCount, const QString &screenFault, Screens &screens,
                 const QString &outputOverride, bool replace, QTextStream &out, QTextStream &err)
{
    if (!qobject_cast<CaptureApplication *>(QCoreApplication::instance())) {
        err << "A scripted run needs the program's CaptureApplication." << Qt::endl;
        return BadScript;
    }
    Script script;
    QString fault = readHeader(header, script);
    if (fault.isEmpty() && (screenCount < 0 || (screenCount == 0 && script.open.isEmpty())))
        fault = NoScreens;
    if (fault.isEmpty())
        fault = screenFault;
    if (fault.isEmpty() && !outputOverride.isEmpty() && !script.open.isEmpty())
        fault = QStringLiteral("\"open\" names the file to continue: --output cannot name another");
    if (!fault.isEmpty()) {
        err << "Replay script: " << fault << Qt::endl;
        return BadScript;
    }
    if (!outputOverride.isEmpty())
        script.output = outputOverride;
    if (!replace) {
        if (const QString existing = existingOutputFault(script.output); !existing.isEmpty()) {
            err << "Replay: " << existing << Qt::endl;
            return BadScript;
        }
    }
    return play(script, replace, screens, out, err);
}

} // namespace

int run(const QJsonObject &object, const QString &outputOverride, QTextStream &out, QTextStream &err, bool replace)
{
    const QJsonValue notices = object.value(QStringLiteral("notices"));
    const QJsonArray list = notices.toArray();
    ArrayScreens screens(list);
    return checkAndPlay(object, notices.isArray() ? int(list.size()) : -1, firstScreenFault(list), screens,
                        outputOverride, replace, out, err);
}

int runFile(const QString &scriptPath, const QString &outputOverride, QTextStream &out, QTextStream &err, bool replace)
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
        return checkAndPlay(scanned.header, scanned.noticesOffset < 0 ? -1 : scanned.screenCount, scanned.screenFault,
                            screens, outputOverride, replace, out, err);
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
        err << "The script " << scriptPath << " is not valid JSON: " << parseError.errorString() << " at character "
            << parseError.offset << Qt::endl;
        return BadScript;
    }
    if (!document.isObject()) {
        err << "The script " << scriptPath << " must hold one JSON object." << Qt::endl;
        return BadScript;
    }
    return run(document.object(), outputOverride, out, err, replace);
}

} // namespace ScriptedRun
