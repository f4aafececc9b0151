// libFuzzer target: any bytes as a notice file. The checker must never fail,
// and must find the same faults, in the same order, and the same notices
// whether it is given the file whole or in pieces of any size. The reading of
// a saved file to continue it, and the record of each notice, run on the
// same bytes.

#include "notice/NoticeFileStream.h"
#include "notice/SavedNoticeFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

class Collected : public NoticeFileConsumer
{
public:
    QList<NoticeFileFault> faults;
    QStringList summaries;

    void notice(ParsedNotice &&notice) override { summaries.append(noticeSummary(notice)); }
    void fault(const NoticeFileFault &fault) override { faults.append(fault); }
};

bool sameFaults(const QList<NoticeFileFault> &a, const QList<NoticeFileFault> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].line != b[i].line || a[i].message != b[i].message)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ParsedNoticeFile whole = checkNoticeFile(bytes);

    // The first byte picks the size of the pieces.
    Collected pieces;
    NoticeFileStream stream(pieces);
    const qsizetype step = size > 0 ? 1 + data[0] % 17 : 1;
    for (qsizetype at = 0; at < bytes.size(); at += step)
        stream.feed(QByteArrayView(bytes).sliced(at, std::min(step, bytes.size() - at)));
    stream.finish();

    QStringList summaries;
    const QString adm = whole.head ? whole.head->value(NoticeKeys::Key::Adm) : QString();
    for (const ParsedNotice &notice : whole.notices) {
        summaries.append(noticeSummary(notice));
        noticeRecordOf(notice, adm);
    }
    if (!sameFaults(whole.faults, pieces.faults) || summaries != pieces.summaries
        || stream.faultCount() != whole.faults.size() || stream.noticeCount() != whole.notices.size())
        std::abort();

    readSavedNoticeFile(bytes);
    return 0;
}
