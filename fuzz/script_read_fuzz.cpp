// libFuzzer target: any bytes as a replay script, read as a scripted run reads
// it before anything is played: the file scanned one screen at a time, its
// header keys and screens read; a file the scan declines parsed whole and
// read from memory. No window is made.

#include "replay/ReplayScript.h"
#include "replay/ScriptFileScreens.h"

#include <QBuffer>
#include <QJsonDocument>

#include <cstdint>

using namespace ScriptedRun;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    Script script;
    ScannedScript scanned;
    if (scanScriptFile(file, scanned)) {
        readHeader(scanned.header, script);
        if (scanned.screenFault.isEmpty() && scanned.noticesOffset >= 0) {
            FileScreens screens(file, scanned);
            for (int number = 1; number <= screens.count(); ++number) {
                Screen screen;
                screens.next(number, screen);
            }
        }
        return 0;
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (document.isObject()) {
        readHeader(document.object(), script);
        const QJsonArray screens = document.object().value(QStringLiteral("notices")).toArray();
        if (firstScreenFault(screens).isEmpty()) {
            ArrayScreens held(screens);
            for (int number = 1; number <= held.count(); ++number) {
                Screen screen;
                held.next(number, screen);
            }
        }
    }
    return 0;
}
