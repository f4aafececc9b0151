#pragma once

// The start-up and window set-up figures of notice-bench, each beside the
// yardstick of what Qt itself needs for the same: a bare program with one
// empty window, and windows of as many plain or bare widgets.

#include "BenchTable.h"

#include "notice/FormKind.h"

void measureStartUp(const Settings &settings, Table &table);
void measureWindowSetUp(const Settings &settings, FormKind kind, Table &table);
