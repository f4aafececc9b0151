#pragma once

#include "BenchTable.h"

// The time of notice-capture --replay of a one-screen script whose output
// name is 4,096 characters long (refused before the window opens), and of
// one whose output is a path of the longest length the system takes (typed
// key by key into the file name box, then saved); added to the table.
void measureLongOutputName(const Settings &settings, Table &table);
