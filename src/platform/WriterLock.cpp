#include "WriterLock.h"

#include <QLockFile>

namespace platform {

WriterLock::WriterLock() = default;

WriterLock::~WriterLock() = default;

bool WriterLock::acquire(const QString &fileName, QString *error)
{
    release();
    auto lock = std::make_unique<QLockFile>(fileName + QStringLiteral(".lock"));
    // Held for as long as a file is written, which may be all day: never
    // judged stale by its age, only by its holder no longer running.
    lock->setStaleLockTime(0);
    if (lock->tryLock()) {
        m_lock = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    if (error) {
        qint64 pid = 0;
        QString host;
        QString program;
        lock->getLockInfo(&pid, &host, &program);
        *error = QStringLiteral("The file %1 is in use by %2 (process %3 on %4); nothing was written to it.")
                     .arg(QLatin1Char('"') + fileName + QLatin1Char('"'),
                          program.isEmpty() ? QStringLiteral("another program") : program)
                     .arg(pid)
                     .arg(host);
    }
    return false;
}

void WriterLock::release()
{
    m_lock.reset(); // QLockFile unlocks when destroyed
}

bool WriterLock::isHeld() const
{
    return m_lock != nullptr;
}

} // namespace platform
