// notice-check FILE...: reads electronic notice files and reports every fault
// with its line number; exports a sound file's notices to a spreadsheet, or
// writes its report as a PDF. Exit status 0 when every file is sound, 1 when a file
// has faults, 2 when a file cannot be read or the export cannot be written
// (or the command line is wrong).

#include "NoticeCheckReport.h"
#include "form/LanguageInstaller.h"
#include "notice/ProgramVersion.h"
#include "platform/InputLimits.h"
#include "platform/System.h"
#include "platform/TextFile.h"
#include "sheet/SheetWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <memory>

#include <unistd.h>

namespace {

// Writes outPath through write whole or not at all: a fault leaves no file,
// or the file as it was; a device or pipe is written as it is.
template <typename Write> CheckStatus writeWholeFile(const QString &outPath, QTextStream &err, Write write)
{
    QString fault;
    const std::unique_ptr<QFileDevice> out = SheetWriting::openWholeFile(outPath, &fault);
    if (!out) {
        err << outPath << ": " << fault << '\n';
        return CheckStatus::Unreadable;
    }
    const CheckStatus status = write(*out);
    if (status == CheckStatus::Sound && !SheetWriting::commitWholeFile(*out, &fault)) {
        err << outPath << ": " << fault << '\n';
        return CheckStatus::Unreadable;
    }
    return status; // a file not committed is not written
}

// The report paints text, which takes the fonts of a GUI application: with
// --report the program runs as one, on the offscreen platform, so that no
// display is needed or opened.
bool asksForReport(int argc, char *argv[])
{
    for (int index = 1; index < argc; ++index) {
        const char *argument = argv[index];
        if (std::strcmp(argument, "--") == 0)
            return false;
        for (const char *option : {"--report", "-report"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argument, option, length) == 0 && (argument[length] == 0 || argument[length] == '='))
                return true;
        }
    }
    return false;
}

const struct
{
    const char *code;
    Language language;
} ReportLanguages[] = {{"en", Language::English}, {"fr", Language::French}, {"es", Language::Spanish}};

// --export: the notices of the file to the standard output, or to outPath
// whole or not at all.
CheckStatus exportNotices(const QString &path, SheetFormat format, const QString &outPath, QTextStream &err)
{
    if (outPath.isEmpty()) {
        if (isBinarySheetFormat(format) && isatty(STDOUT_FILENO)) {
            err << QCoreApplication::translate(
                       "NoticeCheck",
                       "--export %1 writes a binary file, not for a terminal: give --output OUT "
                       "or redirect the standard output to a file")
                       .arg(sheetFormatName(format))
                << '\n';
            return CheckStatus::Unreadable;
        }
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        return exportNoticeFile(path, format, out, err);
    }
    const QFileInfo input(path), output(outPath);
    if (output.exists() && input.exists() && output.canonicalFilePath() == input.canonicalFilePath()) {
        err << QCoreApplication::translate("NoticeCheck", "--output: OUT is the FILE to export") << '\n';
        return CheckStatus::Unreadable;
    }
    return writeWholeFile(outPath, err, [&](QIODevice &out) { return exportNoticeFile(path, format, out, err); });
}

} // namespace

int main(int argc, char *argv[])
{
    platform::ignoreFileSizeLimitSignal();
    platform::stopCleanlyWhenOutOfMemory("notice-check");
    std::unique_ptr<QCoreApplication> app;
    if (asksForReport(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        platform::leaveOutRuntimeFolderNotice();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("notice-check"));

    QCommandLineParser parser;
    // -list as --list, never as -l -i -s -t.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "NoticeCheck",
        "Checks electronic notice files and reports every fault with its line number; exports the "
        "notices of a sound file to a spreadsheet."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Print the version and end."));
    parser.addOption(version);
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("Print one line per notice: number, notice type, action, fragment, frequency, site name."));
    parser.addOption(list);
    const QCommandLineOption exportAs(
        QStringLiteral("export"),
        QCoreApplication::translate(
            "NoticeCheck",
            "Write the notices of one sound FILE as csv, json, xlsx or ods, one row per notice, keyed by "
            "the file's own keys: to the standard output, or to OUT with --output."),
        QStringLiteral("csv|json|xlsx|ods"));
    parser.addOption(exportAs);
    const QCommandLineOption reportAs(
        QStringLiteral("report"),
        QCoreApplication::translate(
            "NoticeCheck",
            "Write the report of one sound FILE as a PDF to OUT (--output): the list of its notices, then each "
            "notice with its items, coordination and antenna patterns, page by page."),
        QStringLiteral("pdf"));
    parser.addOption(reportAs);
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("NoticeCheck", "With --report: the language of the report, en, fr or es (en)."),
        QStringLiteral("en|fr|es"), QStringLiteral("en"));
    parser.addOption(language);
    const QCommandLineOption output(
        QStringLiteral("output"),
        QCoreApplication::translate(
            "NoticeCheck",
            "With --export or --report: the file to write, whole or not at all. A report, an xlsx or an ods "
            "file needs it (or, for xlsx and ods, the standard output redirected to a file)."),
        QStringLiteral("OUT"));
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A notice file to check."),
                                 QStringLiteral("FILE..."));

    QTextStream err(stderr);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parsed && parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parsed && parser.isSet(version)) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ProgramVersionLabel << '\n';
        return 0;
    }
    if (!parsed || parser.positionalArguments().isEmpty()) {
        if (!parsed)
            err << parser.errorText() << '\n';
        err << parser.helpText();
        return int(CheckStatus::Unreadable);
    }

    // A file name the system cannot take is a wrong command line.
    for (const QString &file : parser.positionalArguments()) {
        if (const QString fault = platform::fileNameFault(file); !fault.isEmpty()) {
            err << "FILE: " << fault << '\n';
            return int(CheckStatus::Unreadable);
        }
    }

    if (parser.isSet(output) && !parser.isSet(exportAs) && !parser.isSet(reportAs)) {
        err << QCoreApplication::translate("NoticeCheck", "--output goes with --export or --report") << '\n';
        return int(CheckStatus::Unreadable);
    }
    if (parser.isSet(language) && !parser.isSet(reportAs)) {
        err << QCoreApplication::translate("NoticeCheck", "--language goes with --report") << '\n';
        return int(CheckStatus::Unreadable);
    }
    if (parser.isSet(reportAs)) {
        const auto chosen
            = std::find_if(std::begin(ReportLanguages), std::end(ReportLanguages),
                           [&](const auto &entry) { return parser.value(language) == QLatin1String(entry.code); });
        if (parser.value(reportAs) != QLatin1String("pdf") || parser.isSet(exportAs)
            || parser.positionalArguments().size() != 1 || !parser.isSet(output)
            || chosen == std::end(ReportLanguages)) {
            err << QCoreApplication::translate("NoticeCheck",
                                               "--report takes pdf, one FILE, --output OUT and optionally "
                                               "--language en, fr or es")
                << '\n';
            return int(CheckStatus::Unreadable);
        }
        const QString outPath = parser.value(output);
        if (const QString fault = platform::fileNameFault(outPath); !fault.isEmpty()) {
            err << "OUT: " << fault << '\n';
            return int(CheckStatus::Unreadable);
        }
        const QFileInfo input(parser.positionalArguments().first()), written(outPath);
        if (written.exists() && input.exists() && written.canonicalFilePath() == input.canonicalFilePath()) {
            err << QCoreApplication::translate("NoticeCheck", "--output: OUT is the FILE to report") << '\n';
            return int(CheckStatus::Unreadable);
        }
        installLanguage(chosen->language);
        const QString path = parser.positionalArguments().first();
        return int(writeWholeFile(outPath, err,
                                  [&](QIODevice &out) { return reportNoticeFile(path, chosen->language, out, err); }));
    }
    if (parser.isSet(exportAs)) {
        const std::optional<SheetFormat> format = sheetFormatNamed(parser.value(exportAs));
        if (!format || parser.positionalArguments().size() != 1) {
            err << QCoreApplication::translate("NoticeCheck", "--export takes csv, json, xlsx or ods and one FILE")
                << '\n';
            return int(CheckStatus::Unreadable);
        }
        const QString outPath = parser.value(output);
        if (parser.isSet(output)) {
            if (const QString fault = platform::fileNameFault(outPath); !fault.isEmpty()) {
                err << "OUT: " << fault << '\n';
                return int(CheckStatus::Unreadable);
            }
        }
        return int(exportNotices(parser.positionalArguments().first(), *format, outPath, err));
    }

    QTextStream out(stdout);
    return int(checkNoticeFiles(parser.positionalArguments(), parser.isSet(list), out));
}
