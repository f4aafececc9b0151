#include "replay/ScriptedRun.h"

#include "capture/CaptureApplication.h"
#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "platform/Alerts.h"
#include "platform/InputLimits.h"
#include "platform/TextFile.h"
#include "replay/ReplayDriver.h"
#include "replay/ReplayScript.h"
#include "replay/RunAlerts.h"
#include "replay/ScriptFileScreens.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTextStream>

namespace ScriptedRun {
namespace {

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
            err << "Replay: " << platform::inputExcerpt(script.open) << ": " << leftOut->message << Qt::endl;
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

// The file the run would write or continue when it is the script itself,
// under whatever name.
QString scriptAsFileFault(const Script &script, const QString &scriptPath)
{
    if (scriptPath.isEmpty())
        return {};
    for (const QString &name : {script.output, script.open}) {
        if (!name.isEmpty() && platform::isSameExistingFile(name, scriptPath))
            return QStringLiteral("the file %1 is the script itself").arg(platform::inputExcerpt(name));
    }
    return {};
}

// The checks of a script in their order (the application, the keys other than
// "notices", at least one screen, every screen readable), then the run.
// screenCount is -1 when "notices" is no list; keyFault names a key that the
// script's object gives twice; scriptPath is the script's file, if any.
int checkAndPlay(const QJsonObject &header, int screenCount, const QString &keyFault, const QString &screenFault,
                 Screens &screens, const QString &outputOverride, const QString &scriptPath, bool replace,
                 QTextStream &out, QTextStream &err)
{
    if (!qobject_cast<CaptureApplication *>(QCoreApplication::instance())) {
        err << "A scripted run needs the program's CaptureApplication." << Qt::endl;
        return BadScript;
    }
    Script script;
    QString fault = keyFault;
    if (fault.isEmpty())
        fault = readHeader(header, script);
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
    if (const QString itself = scriptAsFileFault(script, scriptPath); !itself.isEmpty()) {
        err << "Replay: " << itself << Qt::endl;
        return BadScript;
    }
    if (!replace) {
        if (const QString existing = existingOutputFault(script.output); !existing.isEmpty()) {
            err << "Replay: " << existing << ", or name it in \"open\" to continue it" << Qt::endl;
            return BadScript;
        }
    }
    return play(script, replace, screens, out, err);
}

// A script held as an object; scriptPath names its file, if any.
int runObject(const QJsonObject &object, const QString &outputOverride, const QString &scriptPath, bool replace,
              QTextStream &out, QTextStream &err)
{
    const QJsonValue notices = object.value(QStringLiteral("notices"));
    const QJsonArray list = notices.toArray();
    ArrayScreens screens(list);
    return checkAndPlay(object, notices.isArray() ? int(list.size()) : -1, QString(), firstScreenFault(list), screens,
                        outputOverride, scriptPath, replace, out, err);
}

// A script that is no plain file (a pipe, a device) is read whole into
// memory, up to this size, and run from there: it cannot be read twice.
constexpr qint64 LongestUnseekableScript = 64 * 1024 * 1024;

// Reads the device to its end into buffer; false beyond the limit, or on a
// failed read (error then says why).
bool readWhole(QFile &file, QBuffer &buffer, QString &error)
{
    QByteArray bytes;
    QByteArray piece(1024 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(piece.data(), piece.size());
        if (read < 0) {
            error = file.errorString();
            return false;
        }
        if (read == 0)
            break;
        if (bytes.size() + read > LongestUnseekableScript) {
            error = QStringLiteral("it is no plain file (a pipe or a device) and holds more than 64 MiB, the most "
                                   "read into memory: save it to a file");
            return false;
        }
        bytes.append(piece.constData(), read);
    }
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return true;
}

} // namespace

int run(const QJsonObject &object, const QString &outputOverride, QTextStream &out, QTextStream &err, bool replace)
{
    return runObject(object, outputOverride, QString(), replace, out, err);
}

int runFile(const QString &scriptPath, const QString &outputOverride, QTextStream &out, QTextStream &err, bool replace)
{
    const QString shownPath = platform::inputExcerpt(scriptPath);
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "Cannot read the script " << shownPath << ": " << file.errorString() << Qt::endl;
        return BadScript;
    }
    // A pipe or a device is read whole first; a plain file is read in place.
    QBuffer held;
    QIODevice *script = &file;
    const std::optional<platform::FileIdentity> identity = platform::fileIdentity(scriptPath);
    if (!identity || !identity->regular) {
        QString error;
        if (!readWhole(file, held, error)) {
            err << "Cannot read the script " << shownPath << ": " << error << Qt::endl;
            return BadScript;
        }
        script = &held;
    }

    // The usual way: the file is read through once to check it, holding one
    // screen at a time, and read again screen by screen as they are played.
    ScannedScript scanned;
    if (scanScriptFile(*script, scanned)) {
        FileScreens screens(*script, scanned);
        return checkAndPlay(scanned.header, scanned.noticesOffset < 0 ? -1 : scanned.screenCount, scanned.keyFault,
                            scanned.screenFault, screens, outputOverride, scriptPath, replace, out, err);
    }

    // A file that the reading above declines is parsed whole: the parser
    // names the fault of a file that is not JSON.
    if (!script->seek(0)) {
        err << "Cannot read the script " << shownPath << ": " << script->errorString() << Qt::endl;
        return BadScript;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(script->readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        err << "The script " << shownPath << " is not valid JSON: " << parseError.errorString() << " at character "
            << parseError.offset << Qt::endl;
        return BadScript;
    }
    if (!document.isObject()) {
        err << "The script " << shownPath << " must hold one JSON object." << Qt::endl;
        return BadScript;
    }
    return runObject(document.object(), outputOverride, scriptPath, replace, out, err);
}

} // namespace ScriptedRun
