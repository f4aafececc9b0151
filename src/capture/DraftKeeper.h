#pragma once

#include "form/ScreenDraft.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>

class FormControls;
class NoticeFileSession;
class VisibilityRules;

// Keeps what is typed on an operator's capture window in a draft file
// (ScreenDraft), so that a crash or a power cut loses at most the last second
// or two of typing, and offers a draft left behind to be put back.
//
// The draft is written a moment after the screen last changed (and at the
// latest a moment after the first change not yet written, however fast the
// typing goes) and whenever a box is left; it holds the screen while the
// screen holds typed data that no save has written, and is removed as soon as
// it does not: after a save, a reset, Finish. Only the windows an operator
// works in keep drafts: scripted runs, imports and screenshots do not.
class DraftKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuietDelayMs = 1000;   // after the last change
    static constexpr int LongestDelayMs = 2000; // after the first change not yet written

    DraftKeeper(FormControls &controls, VisibilityRules &visibility, NoticeFileSession &saving);

    // Writes the draft now, or removes it when the screen holds nothing to keep.
    void writeNow();
    // The screen's notice was saved or given up: its draft goes.
    void discard();
    // The window is done with: the draft goes and nothing more is written.
    void stop();

    // At the start of a window for a new file: the drafts of this form whose
    // output file was never written are offered, newest first, until one is
    // put back.
    void offerNewFileDrafts();

    // The draft file in use, empty when none was written.
    QString draftFile() const;

Q_SIGNALS:
    // A line for the status line: a draft put back, damaged or not written.
    void said(const QString &line);

private:
    void watchControls();
    void changed();
    QString outputFile() const;
    void keepForeignDraft(const QString &output);
    void offerForOpenedFile();
    bool offer(const ScreenDraft &draft);
    void restore(ScreenDraft draft);
    std::optional<ScreenDraft> readOrDiscard(const QString &draftPath);

    FormControls &m_controls;
    VisibilityRules &m_visibility;
    NoticeFileSession &m_saving;
    QTimer m_timer;
    QElapsedTimer m_firstUnwritten;       // since the first change not yet written
    QString m_writtenFor;                 // the output file of the draft this window wrote
    std::optional<ScreenDraft> m_foreign; // a draft of the file named, left by another window
    bool m_stopped = false;
    bool m_failureSaid = false;
};
