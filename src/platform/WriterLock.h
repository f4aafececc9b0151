#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// One writer per file: the lock of an output file is a lock file beside it
// (the file's name + ".lock") that holds the process number, the program and
// the machine of its holder. Every program of this system that writes a file
// takes its lock first, so a second window or scripted run that wants the same
// file is told who holds it. A lock left by a program that no longer runs is
// taken over.
class WriterLock
{
public:
    WriterLock();
    ~WriterLock();
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    // Takes the lock of fileName, letting go of one held before. False, with a
    // sentence that names the holder in error, when another program holds it.
    // Where no lock file can be made (a folder without write permission, or
    // one that does not exist) there is no lock to take: true, and isHeld()
    // says false; writing the file itself then fails or not as the system
    // decides.
    bool acquire(const QString &fileName, QString *error);
    void release();
    bool isHeld() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};

// Removes the lock files this process holds, without a memory allocation:
// for a process that stops because it has none left.
void removeHeldLocks();

} // namespace platform
