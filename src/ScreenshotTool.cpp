#include "ScreenshotTool.h"

#include "capture/CaptureWindow.h"
#include "platform/Alerts.h"
#include "shell/MenuFrm.h"

#include <QDir>
#include <QPixmap>
#include <QRadioButton>

#include <cstdio>
#include <memory>

namespace {

struct Language
{
    const char *suffix;
    const char *option;
};

const Language Languages[] = {
    {"en", "Opt_english"},
    {"fr", "Opt_french"},
    {"es", "Opt_spanish"},
};

struct CaptureForm
{
    const char *prefix;
    FormKind kind;
};

const CaptureForm CaptureForms[] = {
    {"t01", FormKind::T01},
    {"t02", FormKind::T02},
};

bool savePicture(QWidget *window, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (window->grab().save(path))
        return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace

bool saveScreenshots(const QString &folderName)
{
    QDir folder(folderName);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Cannot create the folder %s\n", qPrintable(folderName));
        return false;
    }

    // Nothing here may wait for a click: a message box or beep is only noted.
    platform::ScopedRecordingAlerts alerts;

    MenuFrm menu;
    menu.show();
    bool allSaved = true;
    for (const Language &language : Languages) {
        // The operator's way: a click on the language option sets the
        // menu's texts and the language the capture windows will read.
        menu.findChild<QRadioButton *>(QLatin1String(language.option))->click();
        const QString suffix = QLatin1Char('-') + QLatin1String(language.suffix);
        allSaved &= savePicture(&menu, folder, QStringLiteral("menu") + suffix);

        for (const CaptureForm &form : CaptureForms) {
            // Destroyed without closing: closing a capture window saves.
            auto window = std::make_unique<CaptureWindow>(form.kind, &menu);
            window->show();
            allSaved &= savePicture(window.get(), folder, QLatin1String(form.prefix) + suffix);
        }
    }

    for (const auto &entry : alerts.messages())
        std::fprintf(stderr, "Message while rendering: %s: %s\n", qPrintable(entry.title),
                     qPrintable(entry.text));
    return allSaved;
}
