#pragma once

#include <QCoreApplication>

// The faults of the notice-file checker, in the operator's language: every
// fault text of the rules, of the line reader and of the value shapes is
// translated in this one context. Keys, section tags, codes and the patterns
// of a value (YYYY-MM-DD, +DDDMMSS) are what the file holds, and stay as they
// are. With no translation installed, the faults read in English, as
// notice-check prints them: a fault that counts therefore has two English
// sources, one for a count of one and one for any other count, picked by the
// count, and each takes the plural forms of the language through %n.
class FaultText
{
    Q_DECLARE_TR_FUNCTIONS(NoticeFileChecker)
};
