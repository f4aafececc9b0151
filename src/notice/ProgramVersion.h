#pragma once

#include <QString>

// The program's version label, with its leading blank. The menu shows it, each
// capture window appends it to its title and the output file repeats it in its
// third header line: one constant, so the three can never disagree.
inline const QString ProgramVersionLabel = QStringLiteral(" Norvane Analog Version 1.61 / 12.12.2005");
