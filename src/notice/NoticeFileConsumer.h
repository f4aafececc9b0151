#pragma once

#include "NoticeFileChecker.h"

// What the streaming checker hands over while it reads a file: each header
// line, each section as it ends, and each fault. A section out of place is
// checked but not handed over.
class NoticeFileConsumer
{
public:
    virtual ~NoticeFileConsumer() = default;
    virtual void headerLine(const QString &line) { Q_UNUSED(line) }
    virtual void head(ParsedSection &&head) { Q_UNUSED(head) }
    virtual void notice(ParsedNotice &&notice) { Q_UNUSED(notice) }
    virtual void tail(ParsedSection &&tail) { Q_UNUSED(tail) }
    virtual void fault(const NoticeFileFault &fault) = 0;

    // The most faults that are held back to be handed over in line order.
    static constexpr qsizetype kHeldFaults = 10000;
};
