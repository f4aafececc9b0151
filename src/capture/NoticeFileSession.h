#pragma once

#include "notice/FormKind.h"
#include "platform/TextFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

class FormControls;
class VisibilityRules;
struct NoticeRecord;

// The output file of one opening of a capture window.
struct CaptureFile
{
    platform::TextFile textStream; // the output file while it is open
    bool fileOpen = false;         // from the file's start (header and HEAD written) until Finish
    qint32 noticeNumber = 1;       // number of the next notice; noticeNumber - 1 were written
    bool finished = false;         // Finish has run: the window may close without it
};

// What one Save/Next did.
enum class SaveOutcome {
    NoticeWritten,       // a NOTICE section was written; the screen is ready for the next notice
    NoNoticeOnScreen,    // the screen held no notice: nothing but the file's start was written,
                         // and the screen is ready for the next notice
    NoAdministration,    // refused: no notifying administration; nothing happened
    Refused,             // refused with a message: the screen and the file are as they were
};

// Ties a capture window to its output file: the window's set-up after the
// clears, Save/Next, Finish and the closing of the window. It is owned by the
// window, connects itself to Button_Next and Button_Finish, and clears the
// screen after a save through the window's visibility rules. It tells the
// window that Finish has completed the file by the signal finished().
//
// The file is created by the first Save/Next that has an administration; its
// three header lines and HEAD are written then, after which the file name is
// locked and the administration box disabled. Every piece is on the disk when
// its write returns (the text file service syncs each line).
//
// Every refusal leaves the screen as it was, so no typed notice is ever lost:
// a missing administration, a notice without frequency and coordinates, a
// character the file cannot hold, a file that cannot be created or written.
// A write that fails leaves the file as it was before it (the text file
// service cuts off what reached the file), so a later save or Finish that
// succeeds writes every piece exactly once.
class NoticeFileSession : public QObject
{
    Q_OBJECT

public:
    NoticeFileSession(FormControls &controls, VisibilityRules &visibility);

    // The set-up steps after the clears: notice counter 1, default file name,
    // a run not finished.
    void setUp();

    SaveOutcome saveNext();

    // True when the screen holds a frequency or a coordinate, of the station
    // or of the target: a notice worth writing.
    bool isNewNotice() const;

    // Saves what the screen holds, writes the TAIL and closes the file. False
    // when the window must stay open: a notice on the screen could not be
    // saved, or the file could not be finished (the operator has been told).
    // A run already finished has nothing more to do and returns true.
    bool finish();

    const CaptureFile &captureFile() const { return m_file; }

    // The proposed name of the output file at this moment.
    static QString defaultFileName(FormKind kind);

Q_SIGNALS:
    // Finish, pressed by the operator, has completed the file: the window may close.
    void finished();

private:
    void connectButtons();
    void finishAndClose();
    bool holdsUnencodableCharacter(const NoticeRecord &record);
    bool startFile(const QString &adm);
    bool writeNotice(const NoticeRecord &record);
    bool completeFile();
    bool mayFinishAfter(SaveOutcome outcome) const;
    void showCounter();
    void fatalError(const QString &text);

    FormControls &m_controls;
    VisibilityRules &m_visibility;
    CaptureFile m_file;
};
