#include "CaptureOpener.h"
#include "ScreenshotTool.h"
#include "capture/CaptureApplication.h"
#include "notice/ProgramVersion.h"
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
    QString importData;         // --import DATA: save the notices of a CSV or JSON file and end
    QString importForm;         // --form T01|T02: the form of the import
    QString answer;             // --help, --version: the text printed instead of starting
};

// The notice file named on the command line, read once the application has
// taken its own options (-platform, -style...) out of the arguments.
QString noticeFileArgument(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({{QStringLiteral("quit-after-show"), QString()}});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved notice file to open."));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    return parser.positionalArguments().value(0);
}

// Read before the application object exists, because the screenshot mode has
// to choose the offscreen platform first. Qt's own options (-platform, -style,
// ...) are left for QApplication. --help and --version need no window system,
// so they answer on a machine without a display too.
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
                                    QStringLiteral("Save the notices of a CSV or JSON <file> through a capture "
                                                   "window and end."),
                                    QStringLiteral("file"));
    const QCommandLineOption form(QStringLiteral("form"), QStringLiteral("The form of the import: T01 or T02."),
                                  QStringLiteral("T01|T02"));
    parser.addOptions({help, version, screenshot, quitAfterShow, replay, output, replace, import, form});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A saved notice file to open."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments) && parser.unknownOptionNames().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return false;
    }
    // Qt names the program in the help text only through an application
    // object, which does not exist yet: the name is put in its place.
    const QString program = QStringLiteral("notice-capture");
    if (parser.isSet(help))
        options.answer = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
    else if (parser.isSet(version))
        options.answer = program + ProgramVersionLabel + QLatin1Char('\n');
    options.screenshotFolder = parser.value(screenshot);
    options.quitAfterShow = parser.isSet(quitAfterShow);
    options.replayScript = parser.value(replay);
    options.replayOutput = parser.value(output);
    options.replace = parser.isSet(replace);
    options.importData = parser.value(import);
    options.importForm = parser.value(form);
    if (!options.importData.isEmpty() && options.importForm != QLatin1String("T01")
        && options.importForm != QLatin1String("T02")) {
        std::fprintf(stderr, "--import needs --form T01 or --form T02\n");
        return false;
    }
    if (!options.replayOutput.isEmpty() && options.replayScript.isEmpty() && options.importData.isEmpty()) {
        std::fprintf(stderr, "--output goes with --replay or --import\n");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;
    if (!options.answer.isEmpty()) {
        std::fputs(qPrintable(options.answer), stdout);
        return 0;
    }
    if (!options.screenshotFolder.isEmpty() || !options.replayScript.isEmpty() || !options.importData.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

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

    // The program ends when the menu closes: Exit or its close box.
    MainMenu menu;
    menu.setFormOpener(captureWindowOpener(&menu));
    menu.setFileOpener(captureFileOpener(&menu));
    menu.show();
    // notice-capture FILE: the menu, then the capture window on that file.
    const QString file = noticeFileArgument(argc, argv);
    if (!file.isEmpty() && !options.quitAfterShow)
        QTimer::singleShot(0, &menu, [&menu, file] { menu.openFile(file); });
    if (options.quitAfterShow)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
