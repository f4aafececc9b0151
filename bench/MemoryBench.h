#pragma once

#include "BenchTable.h"

#include <QString>
#include <QStringList>

#include <optional>

// Peak resident memory of notice-capture --replay playing a generated script
// of settings.notices notices, its growth from notice 1,000 on, and the same
// notices typed by a child process with no script; added to the table.
void measureMemory(const Settings &settings, Table &table);

// The child process of that comparison: types count notices into a capture
// window saving into output, and returns its exit status.
int typedRun(int count, const QString &output);

// Typing a notice into the shown window key by key, with the antenna
// diagrams shown and hidden in turn, and the ratio of the two.
void measureTypingWithDiagrams(const Settings &settings, Table &table);

// The time and the peak memory of notice-capture --import of a CSV and of an
// .xlsx file of settings.notices notices, and of notice-check --export of
// the imported file as CSV, .xlsx and .ods, each with its growth from 1,000
// notices on.
void measureImport(const Settings &settings, Table &table);

// What one run of a child process took: its peak resident memory and its time.
struct ChildRun
{
    double peakMegabytes = 0;
    double seconds = 0;
};

// Runs the program with those options, its output to /dev/null, and measures
// it; nothing when it cannot start or does not end with status 0.
std::optional<ChildRun> runChild(const QString &program, const QStringList &options);
