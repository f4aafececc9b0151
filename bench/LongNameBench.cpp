#include "LongNameBench.h"

#include "platform/InputLimits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

namespace {

// A path of exactly the longest length the system takes: folders of 250
// characters under folder, which are made, and a file name filling the rest.
QString longestPathIn(const QString &folder)
{
    QString path = QDir(folder).absolutePath() + QLatin1Char('/');
    while (platform::LongestPathBytes - QFile::encodeName(path).size() > platform::LongestNameBytes)
        path += QString(250, QLatin1Char('d')) + QLatin1Char('/');
    if (!QDir().mkpath(path))
        qFatal("Cannot make the folders of the long path under %s", qPrintable(folder));
    return path + QString(platform::LongestPathBytes - QFile::encodeName(path).size(), QLatin1Char('f'));
}

// The seconds of one run of the program playing a one-screen script with
// that output name; the exit status must be the expected one.
double timedRun(const Settings &settings, const QString &output, int expectedStatus)
{
    const QByteArray screen = R"({"Txt_B_Adm": "F", "OptInt_Add": true, "Txt_1A_FreqAssgn": "98.5"})";
    const QString scriptPath = QDir(settings.folder).filePath(QStringLiteral("long-name.json"));
    QFile script(scriptPath);
    // The names hold letters and slashes only: no escapes needed.
    const QByteArray text
        = R"({"form": "T01", "output": ")" + QFile::encodeName(output) + R"(", "notices": [)" + screen + "]}";
    if (!script.open(QIODevice::WriteOnly) || script.write(text) != text.size())
        qFatal("Cannot write %s", qPrintable(scriptPath));
    script.close();
    QFile::remove(output);

    QProcess child;
    child.setProcessEnvironment(childEnvironment());
    child.setWorkingDirectory(settings.folder);
    QElapsedTimer timer;
    timer.start();
    child.start(settings.program, {QStringLiteral("--replay"), scriptPath});
    if (!child.waitForFinished(600000) || child.exitCode() != expectedStatus)
        qFatal("The run with a long output name ended with %d: %s", child.exitCode(),
               child.readAllStandardError().constData());
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

void measureLongOutputName(const Settings &settings, Table &table)
{
    const QString tooLong(4096, QLatin1Char('n'));
    const QString longest = longestPathIn(QDir(settings.folder).filePath(QStringLiteral("long-name")));
    std::vector<double> refused, saved;
    for (int run = 0; run < settings.runs; ++run) {
        refused.push_back(timedRun(settings, tooLong, 2));
        saved.push_back(timedRun(settings, longest, 0));
    }
    table.add(QStringLiteral("Replay, 4,096-char output name (refused)"), QStringLiteral("s"), refused, Target::Under,
              1);
    // Typed key by key as an operator would, each key laying the whole name
    // out again in the box: the longest name the box takes, for reference.
    table.add(QStringLiteral("  the same, 4,095-byte path (typed, saved)"), QStringLiteral("s"), saved);
}
