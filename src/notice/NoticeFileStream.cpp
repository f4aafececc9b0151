#include "NoticeFileStream.h"

#include "NoticeFileRules.h"

#include <QIODevice>

#include <algorithm>

namespace {

// Gathers what the stream hands over into one parsed file.
class WholeFile : public NoticeFileConsumer
{
public:
    ParsedNoticeFile file;

    void headerLine(const QString &line) override { file.headerLines.append(line); }
    void head(ParsedSection &&head) override { file.head = std::move(head); }
    void notice(ParsedNotice &&notice) override { file.notices.append(std::move(notice)); }
    void tail(ParsedSection &&tail) override { file.tail = std::move(tail); }
    void fault(const NoticeFileFault &fault) override { file.faults.append(fault); }
};

} // namespace

NoticeFileStream::NoticeFileStream(NoticeFileConsumer &consumer)
    : m_rules(std::make_unique<NoticeFileRules>(consumer))
{ }

NoticeFileStream::~NoticeFileStream() = default;

void NoticeFileStream::feed(QByteArrayView bytes)
{
    m_rules->feed(bytes);
}

void NoticeFileStream::finish()
{
    m_rules->finish();
}

qsizetype NoticeFileStream::noticeCount() const
{
    return m_rules->noticeCount();
}

qsizetype NoticeFileStream::faultCount() const
{
    return m_rules->faultCount();
}

bool checkNoticeDevice(QIODevice &device, NoticeFileStream &stream)
{
    constexpr qint64 kPieceSize = 256 * 1024;
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = device.read(piece.data(), kPieceSize);
        if (read < 0)
            return false;
        if (read == 0 && (device.atEnd() || !device.waitForReadyRead(-1)))
            break;
        stream.feed(QByteArrayView(piece.constData(), read));
    }
    stream.finish();
    return true;
}

ParsedNoticeFile checkNoticeFile(const QByteArray &bytes)
{
    WholeFile whole;
    NoticeFileStream stream(whole);
    stream.feed(bytes);
    stream.finish();
    // The stream hands the faults over by line already, but for a file with
    // more faults than it holds back.
    std::stable_sort(whole.file.faults.begin(), whole.file.faults.end(),
                     [](const NoticeFileFault &a, const NoticeFileFault &b) { return a.line < b.line; });
    return std::move(whole.file);
}
