#pragma once

#include "NoticeFileConsumer.h"
#include "NoticeFileLines.h"

#include <optional>

// The rules of the notice-file checker, applied line by line as the lines of
// a file come (see NoticeFileStream). Each line is read when the next one has
// come, since an empty line inside a notice is judged by the line after it. A
// section out of place is still read (its keys are checked) but not handed
// over, and a section left open is closed by the next tag that cannot stand
// inside it, so that one fault does not hide the rest.
class NoticeFileRules
{
public:
    explicit NoticeFileRules(NoticeFileConsumer &consumer)
        : m_consumer(consumer)
    { }

    void feed(QByteArrayView bytes);
    void finish();

    qsizetype noticeCount() const { return m_noticeCount; }
    qsizetype faultCount() const { return m_faultCount; }

private:
    struct OpenSection
    {
        ParsedNotice parsed;         // a section other than NOTICE uses only its ParsedSection part
        bool kept = true;            // false for a section out of place: checked, not kept
        bool hasRequiredKey = false; // t_adm in HEAD, Notice No in NOTICE, t_num_notices in TAIL
        std::size_t lastPosition = NoticeFileLines::kNoPosition; // of the last key or sub-section
        int lastAzimuth = -1;
        int repeatCount = 0;
    };

    // A section keeps no more key lines or sub-sections than these (a sound
    // one has far fewer); the rest are checked, not kept.
    static constexpr qsizetype kMostKeyLines = 1000;
    static constexpr qsizetype kMostSubSections = 16;

    void arrive(NoticeFileLines::Line &&line);
    void read(const NoticeFileLines::Line &line, const QString *next);
    bool readHeaderLine(const NoticeFileLines::Line &line);
    void readLine(const NoticeFileLines::Line &line, const QString *next);
    void reachEnd();

    // Faults, and their release to the consumer in line order.
    void fault(int line, const QString &message, bool aboutValue = false);
    void release(int below);

    void openSection(NoticeKeys::Section section, int line);
    void openSubSection(NoticeKeys::Section section, int line);
    void closeSection(NoticeKeys::Section section, int line);
    void leftOpen(const OpenSection &open, int line);
    void closeLeftOpen(int line);
    void finishSubSection(int closeLine, bool closed);
    void finishSection(int closeLine, bool closed);
    static bool isRemovalNotice(const OpenSection &notice);
    void reportMissingHead(int line);

    void readEmptyLine(int line, const QString *next);
    bool acceptsAntennaGap(const QString *next) const;
    bool reportMissingTail(int line);

    // Key lines (NoticeKeyLineRules.cpp).
    void readKeyLine(const NoticeFileLines::Line &line);
    bool checkValue(const NoticeKeyLine &keyLine, const NoticeKeys::Placement &placement);
    void checkOrder(OpenSection &open, std::size_t position, int azimuth, const NoticeKeyLine &keyLine);
    void checkNumbers(const OpenSection &open, const NoticeKeyLine &keyLine);

    NoticeFileConsumer &m_consumer;
    NoticeFileLines::LineSplitter m_splitter;
    std::optional<NoticeFileLines::Line> m_waiting; // the last line come, read when the next one comes
    int m_headerLines = 0;                          // header lines read, or passed over as missing
    bool m_hasHead = false;
    bool m_hasTail = false;
    qsizetype m_noticeCount = 0;
    std::optional<OpenSection> m_top; // HEAD, NOTICE or TAIL, or a section out of place
    std::optional<OpenSection> m_sub; // a sub-section of the notice, or one out of place
    bool m_antennaBlock = false;      // the notice has its ANT_HGT section or the empty line for it
    bool m_headMissingReported = false;
    bool m_finished = false; // the final empty line has been read
    bool m_textAfterReported = false;

    QList<NoticeFileFault> m_held; // faults not yet handed over
    bool m_heldOutOfOrder = false;
    qsizetype m_faultCount = 0;
};
