#include "WriterLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

WriterLock::WriterLock() = default;

WriterLock::~WriterLock()
{
    release();
}

namespace {

// A lock file with no readable holder is one whose program was stopped
// between making it and writing into it, or is writing into it now: past
// this age it is taken for the first.
constexpr qint64 UnreadableLockAgeMs = 5000;

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The lock files this process holds, as paths made when they were taken, so
// that a process stopping for want of memory can still remove them.
constexpr int MostHeldLocks = 8;
std::array<QByteArray, MostHeldLocks> g_heldLocks;

void noteHeld(const QString &lockName, bool held)
{
    const QByteArray path = QFile::encodeName(QFileInfo(lockName).absoluteFilePath());
    for (QByteArray &slot : g_heldLocks) {
        if (held ? slot.isEmpty() : slot == path) {
            slot = held ? path : QByteArray();
            return;
        }
    }
}

bool isRunningHere(qint64 pid, const QString &host)
{
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true; // another machine's program: it cannot be asked
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

} // namespace

bool WriterLock::acquire(const QString &fileName, QString *error)
{
    release();
    const QString lockName = fileName + QStringLiteral(".lock");
    auto lock = std::make_unique<QLockFile>(lockName);
    // Held for as long as a file is written, which may be all day: never
    // judged stale by its age, only by its holder no longer running.
    lock->setStaleLockTime(0);
    if (lock->tryLock()) {
        m_lock = std::move(lock);
        noteHeld(lockName, true);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    qint64 pid = 0;
    QString host;
    QString program;
    const bool readable = lock->getLockInfo(&pid, &host, &program);
    if (!readable && QFileInfo(lockName).lastModified().msecsTo(QDateTime::currentDateTime()) > UnreadableLockAgeMs
        && lock->removeStaleLockFile() && lock->tryLock()) {
        m_lock = std::move(lock);
        noteHeld(lockName, true);
        return true;
    }
    if (!error)
        return false;
    if (readable && isRunningHere(pid, host)) {
        *error = QCoreApplication::translate("WriterLock",
                                             "The file %1 is in use by %2 (process %3 on %4); nothing was written "
                                             "to it.")
                     .arg(quoted(fileName),
                          program.isEmpty() ? QCoreApplication::translate("WriterLock", "another program") : program)
                     .arg(pid)
                     .arg(host);
    } else {
        // A holder that has ended, or none: the lock stays only because it
        // cannot be removed, or because its holder has only just made it.
        *error = QCoreApplication::translate("WriterLock",
                                             "The file %1 is locked by %2, which no program holds, and the lock "
                                             "cannot be taken over (the folder %3 may not let it be removed, or "
                                             "another program is just starting to write the file); nothing was "
                                             "written to it.")
                     .arg(quoted(fileName), quoted(lockName), quoted(QFileInfo(lockName).absolutePath()));
    }
    return false;
}

void WriterLock::release()
{
    if (m_lock)
        noteHeld(m_lock->fileName(), false);
    m_lock.reset(); // QLockFile unlocks when destroyed
}

void removeHeldLocks()
{
    for (const QByteArray &path : g_heldLocks) {
        if (!path.isEmpty())
            ::unlink(path.constData());
    }
}

bool WriterLock::isHeld() const
{
    return m_lock != nullptr;
}

} // namespace platform
