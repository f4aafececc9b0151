#pragma once

#include "NoticeFileConsumer.h"

#include <QByteArrayView>

#include <memory>

class QIODevice;
class NoticeFileRules;

// Checks a notice file fed in pieces of any size, holding no more than the
// current notice and the line being read: a file of any length is checked in
// the same memory. The faults are exactly those of checkNoticeFile(), and
// reach the consumer by line number. Only a fault said at the line that opens
// a section (a key missing from a section left open) has to wait: the faults
// after that line wait with it, up to NoticeFileConsumer::kHeldFaults of
// them, then go on in the order found.
class NoticeFileStream
{
public:
    explicit NoticeFileStream(NoticeFileConsumer &consumer);
    ~NoticeFileStream();
    NoticeFileStream(const NoticeFileStream &) = delete;
    NoticeFileStream &operator=(const NoticeFileStream &) = delete;

    void feed(QByteArrayView bytes);
    // The end of the file: the last line, then the faults of a file cut short.
    void finish();

    qsizetype noticeCount() const;
    qsizetype faultCount() const;

private:
    std::unique_ptr<NoticeFileRules> m_rules;
};

// Feeds the device to the stream from where it stands to its end, in pieces,
// and finishes the stream. False when a read fails (the stream is then not
// finished).
bool checkNoticeDevice(QIODevice &device, NoticeFileStream &stream);
