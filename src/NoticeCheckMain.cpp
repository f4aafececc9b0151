// notice-check FILE...: reads electronic notice files and reports every fault
// with its line number. Exit status 0 when every file is sound, 1 when a file
// has faults, 2 when a file cannot be read (or the command line is wrong).

#include "NoticeCheckReport.h"
#include "notice/ProgramVersion.h"
#include "platform/InputLimits.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("notice-check"));

    QCommandLineParser parser;
    // -list as --list, never as -l -i -s -t.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Checks electronic notice files and reports every fault with its line number."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Print the version and end."));
    parser.addOption(version);
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("Print one line per notice: number, notice type, action, fragment, frequency, site name."));
    parser.addOption(list);
    const QCommandLineOption exportAs(
        QStringLiteral("export"),
        QStringLiteral("Print the notices of one sound FILE as csv or json, keyed by the file's own keys."),
        QStringLiteral("csv|json"));
    parser.addOption(exportAs);
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

    if (parser.isSet(exportAs)) {
        const QString format = parser.value(exportAs);
        if ((format != QLatin1String("csv") && format != QLatin1String("json"))
            || parser.positionalArguments().size() != 1) {
            err << "--export takes csv or json and one FILE\n";
            return int(CheckStatus::Unreadable);
        }
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        return int(exportNoticeFile(parser.positionalArguments().first(),
                                    format == QLatin1String("csv") ? SheetFormat::Csv : SheetFormat::Json, out, err));
    }

    QTextStream out(stdout);
    return int(checkNoticeFiles(parser.positionalArguments(), parser.isSet(list), out));
}
