#pragma once

#include "notice/FormKind.h"
#include "notice/NoticeFileStore.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class FormControls;
class VisibilityRules;
struct NoticeRecord;

// The output file of one opening of a capture window.
struct CaptureFile
{
    NoticeFileStore store;   // the output file while it is open
    bool fileOpen = false;   // from the file's start (header and HEAD written) or
                             // its opening until Finish
    qint32 noticeNumber = 1; // number of the next notice; noticeNumber - 1 were written
    bool finished = false;   // Finish has run: the window may close without it
};

// What one Save/Next did.
enum class SaveOutcome {
    NoticeWritten,    // a NOTICE section was written; the screen is ready for the next notice
    NoNoticeOnScreen, // the screen held no notice: nothing but the file's start was written,
                      // and the screen is ready for the next notice
    NoAdministration, // refused: no notifying administration; nothing happened
    Refused,          // refused with a message: the screen and the file are as they were
};

// Ties a capture window to its output file: the window's set-up after the
// clears, Save/Next, Finish and the closing of the window, opening a saved
// file again and correcting one of its notices. It is owned by the window,
// connects itself to Button_Next and Button_Finish, and clears
// the screen after a save through the window's visibility rules. It tells the
// window that Finish has completed the file by the signal finished(), and
// that the file's notices changed by noticesChanged().
//
// A new file is created by the first Save/Next that has an administration;
// its three header lines and HEAD are written then, after which the file name
// is locked and the administration box disabled. When a plain file of that
// name exists, the operator is asked first: replace it, continue it, or
// cancel. A file opened again (openFile) is continued the same way: its
// header and HEAD are kept, Save/Next appends and Finish writes the TAIL. Every
// piece is on the disk when its write returns (the text file service syncs
// each line); the store (NoticeFileStore) locks the file and watches it.
//
// Every refusal leaves the screen as it was, so no typed notice is ever lost:
// a missing administration, a notice without frequency and coordinates, a
// character the file cannot hold, a file that cannot be created or written.
// The focus then goes to the box the message is about (the administration,
// the frequency, the box with the character, the file name), its text selected.
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
    // saved and the operator keeps it (asked whether to discard it), or the
    // file could not be finished (the operator has been told). A run already
    // finished has nothing more to do and returns true.
    bool finish();

    // Opens a saved notice file of this window's form to continue it: its
    // name in the locked file name box, its administration in the disabled
    // administration box, the next number in the counter. False when it
    // cannot be opened (the operator has been told why).
    bool openFile(const QString &name);

    // Puts saved notice number back on the screen; the next Save/Next
    // replaces it in the file, and the screen then returns to a new notice.
    // False, with the operator told why, when the screen holds a notice not
    // yet saved or the notice cannot come back exactly.
    bool correctNotice(int number);
    // The number of the notice on the screen for correction, or 0.
    int noticeBeingCorrected() const { return m_correcting; }
    // Gives a correction up (the window's Reset): the screen is a new notice again.
    void endCorrection();
    // Whether the screen holds typed data that no save has written: a new
    // notice, or a notice brought back for correction and changed since.
    bool screenHoldsUnsavedWork() const;

    const CaptureFile &captureFile() const { return m_file; }

    // The proposed name of the output file at this moment.
    static QString defaultFileName(FormKind kind);

Q_SIGNALS:
    // Finish, pressed by the operator, has completed the file: the window may close.
    void finished();
    // The file's notices from this number on were written, replaced or read.
    void noticesChanged(int fromNumber);
    // Save/Next wrote notice number (replaced: in place of the saved notice
    // of that number) and the screen is ready for the next notice.
    void noticeSaved(int number, bool replaced);
    // A saved file was opened to be continued (from the menu, or the
    // Continue answer of Save/Next on an existing file).
    void fileOpened();
    // Starting or opening the file removed the hidden files that runs
    // stopped midway had left beside it.
    void leftoversRemoved(const QStringList &files);

private:
    void connectButtons();
    void finishAndClose();
    bool holdsUnencodableCharacter(const NoticeRecord &record);
    bool startFile(const QString &adm, bool noticeToWrite, bool replaceConfirmed = false);
    bool mayReplaceExistingFile(const QString &name, const QString &adm, bool noticeToWrite);
    bool mayLoseSavedNotices(const QString &name);
    bool mayDiscardScreen();
    void showOpenedFile();
    bool writeNotice(const NoticeRecord &record);
    bool completeFile();
    bool mayFinishAfter(SaveOutcome outcome) const;
    void showCounter();
    void fatalError(const QString &text);
    // A save or an opening refused, with the program's own title.
    void refuseSave(const QString &text);
    void refuseOpening(const QString &text);
    // Why a file that the store would not open is no notice file to
    // continue; nothing when that is not the reason.
    std::optional<QString> whyNotContinued(const QString &name) const;

    FormControls &m_controls;
    VisibilityRules &m_visibility;
    CaptureFile m_file;
    int m_correcting = 0;       // the notice on the screen for correction
    QString m_correctedSection; // its NOTICE section as the file holds it
};
