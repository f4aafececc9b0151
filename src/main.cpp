#include "CaptureOpener.h"
#include "ScreenshotTool.h"
#include "capture/CaptureApplication.h"
#include "notice/ProgramVersion.h"
#include "platform/InputLimits.h"
#include "platform/Settings.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "replay/NoticeImport.h"
#include "replay/ScriptedRun.h"
#include "shell/MainMenu.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

struct Options
{
    QString screenshotFolder;   // --screenshot DIR: render the windows to PNG files and end
    bool quitAfterShow = false; // --quit-after-show: end as soon as the menu is up
    QString replayScript;       // --replay SCRIPT.json: play a scripted capture run and end
    QString replayOutput;       // --output FILE: the output file of the scripted run or import
    bool replace = false;       // --replace: the run may replace an existing output file
    QString importData;         // --import DATA: save the notices of a spreadsheet or JSON file and end
    QString importForm;         // --form T01|T02: the form of the import
    QString answer;             // --help, --version: the text printed instead of starting
    QString noticeFile;         // FILE: a saved notice file to open
};

// Qt's own options (-platform, -style...): the application object takes them,
// so they are known here too, kept from the help text. Valued options take
// the next argument (or "=value").
void addQtOptions(QCommandLineParser &parser)
{
    static const char *const valued[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                         "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                         "display",         "geometry",           "name",          "visual",
                                         "style",           "stylesheet",         "qmljsdebugger", "dialogs",
                                         "fontengine"};
    static const char *const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    for (const char *name : valued) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : flags) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Read before the application object exists, because the screenshot mode has
// to choose the offscreen platform first, and so that --help, --version and a
// wrong command line are answered without a window system. False, with the
// message printed, when the command line is wrong.
bool parseOptions(int argc, char *argv[], Options &options)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Captures terrestrial broadcasting station notices, one screen at a time, into electronic notice files."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print these options and end."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Print the version and end."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render every window to PNG files in <dir>."),
                                        QStringLiteral("dir"));
    const QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"),
                                           QStringLiteral("End once the menu is shown."));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Play the capture run of the JSON <script> and end."),
                                    QStringLiteral("script"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Output file of the scripted run or the import."),
                                    QStringLiteral("file"));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        QStringLiteral("Let the scripted run or the import replace an existing output file."));
    const QCommandLineOption import(QStringLiteral("import"),
                                    QStringLiteral("Save the notices of a CSV, .xlsx, .ods or JSON <file> "
                                                   "through a capture window and end; a file with any fault "
                                                   "writes nothing and every fault is listed."),
                                    QStringLiteral("file"));
    const QCommandLineOption form(QStringLiteral("form"), QStringLiteral("The form of the import: T01 or T02."),
                                  QStringLiteral("T01|T02"));
    parser.addOptions({help, version, screenshot, quitAfterShow, replay, output, replace, import, form});
    addQtOptions(parser);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved notice file to open."),
                                 QStringLiteral("[file]"));

    const QString program = QStringLiteral("notice-capture");
    const auto refuse = [&program](const QString &message) {
        std::fprintf(stderr, "%s: %s\nTry %s --help.\n", qPrintable(program), qPrintable(message), qPrintable(program));
        return false;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    // Qt names the program in the help text only through an application
    // object, which does not exist yet: the name is put in its place.
    if (parser.isSet(help)) {
        options.answer = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
        return true;
    }
    if (parser.isSet(version)) {
        options.answer = program + ProgramVersionLabel + QLatin1Char('\n');
        return true;
    }
    // A file name given on the command line is one the system can take.
    for (const QCommandLineOption &named : {screenshot, replay, output, import}) {
        if (!parser.isSet(named))
            continue;
        if (const QString fault = platform::fileNameFault(parser.value(named)); !fault.isEmpty())
            return refuse(QStringLiteral("--%1: %2").arg(named.names().first(), fault));
    }
    if (parser.positionalArguments().size() > 1)
        return refuse(QStringLiteral("one notice file at most"));
    if (!parser.positionalArguments().isEmpty()) {
        if (const QString fault = platform::fileNameFault(parser.positionalArguments().first()); !fault.isEmpty())
            return refuse(QStringLiteral("file: %1").arg(fault));
    }
    options.noticeFile = parser.positionalArguments().value(0);
    options.screenshotFolder = parser.value(screenshot);
    options.quitAfterShow = parser.isSet(quitAfterShow);
    options.replayScript = parser.value(replay);
    options.replayOutput = parser.value(output);
    options.replace = parser.isSet(replace);
    options.importData = parser.value(import);
    options.importForm = parser.value(form);
    if (int(parser.isSet(screenshot)) + int(parser.isSet(replay)) + int(parser.isSet(import)) > 1)
        return refuse(QStringLiteral("--screenshot, --replay and --import go alone"));
    if (parser.isSet(import) && options.importForm != QLatin1String("T01")
        && options.importForm != QLatin1String("T02"))
        return refuse(QStringLiteral("--import needs --form T01 or --form T02"));
    if (parser.isSet(form) && !parser.isSet(import))
        return refuse(QStringLiteral("--form goes with --import"));
    if ((parser.isSet(output) || parser.isSet(replace)) && !parser.isSet(replay) && !parser.isSet(import))
        return refuse(QStringLiteral("--output and --replace go with --replay or --import"));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    platform::ignoreFileSizeLimitSignal();
    platform::stopCleanlyWhenOutOfMemory("notice-capture");
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;
    if (!options.answer.isEmpty()) {
        std::fputs(qPrintable(options.answer), stdout);
        return 0;
    }
    if (!options.screenshotFolder.isEmpty() || !options.replayScript.isEmpty() || !options.importData.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        platform::leaveOutRuntimeFolderNotice();
    }

    CaptureApplication app(argc, argv);
    if (!options.screenshotFolder.isEmpty())
        return saveScreenshots(options.screenshotFolder) ? 0 : 1;
    if (!options.replayScript.isEmpty()) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return ScriptedRun::runFile(options.replayScript, options.replayOutput, out, err, options.replace);
    }
    if (!options.importData.isEmpty()) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return NoticeImport::importFile(options.importData,
                                        options.importForm == QLatin1String("T02") ? FormKind::T02 : FormKind::T01,
                                        options.replayOutput, options.replace, out, err);
    }

    // Only the operator's own runs remember their choices: the screenshots,
    // scripted runs and imports above neither read nor change them.
    platform::setRemembering(true);
    // The program ends when the menu closes: Exit or its close box.
    MainMenu menu;
    menu.setFormOpener(captureWindowOpener(&menu));
    menu.setFileOpener(captureFileOpener(&menu));
    menu.show();
    // notice-capture FILE: the menu, then the capture window on that file.
    const QString file = options.noticeFile;
    if (!file.isEmpty() && !options.quitAfterShow)
        QTimer::singleShot(0, &menu, [&menu, file] { menu.openFile(file); });
    if (options.quitAfterShow)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
