#pragma once

// The system calls of a TextFile, each counted and failed on demand for the
// tests (TextFileFaults), and synced or not (setTextFileSync).

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <optional>

namespace platform {

// What tells one file from another: where a name leads at a moment.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    bool regular = false; // a plain file, not a device, pipe or folder

    bool isSameFile(const FileIdentity &other) const { return device == other.device && inode == other.inode; }
};

// The file that name leads to (through symbolic links), or nothing when it
// leads nowhere.
std::optional<FileIdentity> fileIdentity(const QString &name);

// The system calls a TextFile has made (creation, write, sync, truncation,
// rename, close): how a test knows the length of a run it walks through.
qint64 textFileCallCount();

// Whether writeLine syncs each line to the disk. The program always does; the
// benchmark turns the sync off to time the rest of a save apart from the disk.
enum class TextFileSync { EveryLine, Off };
void setTextFileSync(TextFileSync sync);

// Faults for tests: while an object lives, the chosen step of every TextFile
// fails as if the system had answered with the given error number (errno);
// the previous faults come back when it is destroyed. Creation, writing and
// closing fail for real on a missing folder, /dev/full and so on; the sync and
// close faults reach the cases that a test cannot provoke otherwise.
class TextFileFaults
{
public:
    TextFileFaults();
    ~TextFileFaults();
    TextFileFaults(const TextFileFaults &) = delete;
    TextFileFaults &operator=(const TextFileFaults &) = delete;

    void failCreate(int errorNumber);
    void failWrite(int errorNumber);
    void failSync(int errorNumber);
    void failClose(int errorNumber);
    void failRename(int errorNumber);
    void failTruncate(int errorNumber);
    // Fails the call-th system call counted from now on (1 for the next one),
    // whatever its step, and the count - 1 calls after it: a test walks a run
    // through every one of them.
    void failCalls(int call, int count, int errorNumber);
    // Kills the process (SIGKILL) at the call-th system call counted from
    // now on, before the call: a test's child process dies there.
    void killAtCall(int call);

    struct Values
    {
        std::optional<int> create;
        std::optional<int> write;
        std::optional<int> sync;
        std::optional<int> close;
        std::optional<int> rename;
        std::optional<int> truncate;
        int failingCall = 0; // counted down to one: that call fails
        int failingCalls = 0;
        int failingCallError = 0;
        int killingCall = 0; // counted down to one: the process is killed
    };

private:
    Values m_saved;
};

// What a TextFile calls; the rest of the program goes through TextFile.
namespace textFileCalls {

// The faults a test has chosen, step by step.
const TextFileFaults::Values &chosenFaults();

// Counts one system call and tells whether a test has chosen it to fail,
// errno then set to the error number chosen.
bool failsByChoice(const std::optional<int> &fault);

// Runs one system call, or fails it with the injected error number.
template <typename Call> auto callOrFail(const std::optional<int> &fault, Call call) -> decltype(call())
{
    if (failsByChoice(fault))
        return -1;
    return call();
}

// The system's reason for the last failure (errno), in the user's words.
QString reason();

// Writes every byte; written counts the bytes that reached the file, also
// when the write fails part-way. A plain file is written at offset rather
// than at the descriptor's position, so that a failed write leaves nothing to
// undo but its bytes; a device or pipe (no offset) takes them as they come.
bool writeAll(int descriptor, const QByteArray &bytes, std::optional<off_t> offset, qsizetype &written);

// The size bytes at offset of an open file, or fewer when it ends before.
QByteArray readAt(int descriptor, off_t offset, qsizetype size);

bool truncateTo(int descriptor, off_t size);

// The identity of an open file, or nothing for a device or pipe, which has
// no name to watch.
std::optional<FileIdentity> plainFileIdentity(int descriptor);

// Syncs the file to the disk; true also for a device or pipe that has
// nothing to sync.
bool syncToDisk(int descriptor);

// Syncs the folder, so that a rename in it is on the disk.
void syncFolder(const QString &folder);

} // namespace textFileCalls
} // namespace platform
