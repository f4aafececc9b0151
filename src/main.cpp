#include "CaptureOpener.h"
#include "ScreenshotTool.h"
#include "capture/CaptureApplication.h"
#include "shell/MenuFrm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

namespace {

struct Options
{
    QString screenshotFolder; // --screenshot DIR: render the windows to PNG files and end
    bool quitAfterShow = false; // --quit-after-show: end as soon as the menu is up
};

// Read before the application object exists, because the screenshot mode has
// to choose the offscreen platform first. Qt's own options (-platform, -style,
// ...) are left for QApplication.
bool parseOptions(int argc, char *argv[], Options &options)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render every window to PNG files in <dir>."),
                                        QStringLiteral("dir"));
    const QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"),
                                           QStringLiteral("End once the menu is shown."));
    parser.addOptions({screenshot, quitAfterShow});

    if (!parser.parse(arguments) && parser.unknownOptionNames().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return false;
    }
    options.screenshotFolder = parser.value(screenshot);
    options.quitAfterShow = parser.isSet(quitAfterShow);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;
    if (!options.screenshotFolder.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    CaptureApplication app(argc, argv);
    if (!options.screenshotFolder.isEmpty())
        return saveScreenshots(options.screenshotFolder) ? 0 : 1;

    // The program ends when the menu closes: Exit or its close box.
    MenuFrm menu;
    menu.setFormOpener(captureWindowOpener(&menu));
    menu.show();
    if (options.quitAfterShow)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
