#pragma once

#include "BenchTable.h"

// The time per megabyte and the peak memory of notice-check on a notice file
// of some 200 MB written by the notice writer into the bench's folder (and
// deleted after); added to the table.
void measureChecker(const Settings &settings, Table &table);

// notice-check --report pdf of a file of 1,000 T01 notices with both antenna
// tables: time and peak memory.
void measureReport(const Settings &settings, Table &table);
