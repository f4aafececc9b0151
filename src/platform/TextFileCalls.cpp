#include "TextFileCalls.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

TextFileFaults::Values g_faults;
TextFileSync g_sync = TextFileSync::EveryLine;

qint64 g_callCount = 0;

} // namespace

namespace textFileCalls {

const TextFileFaults::Values &chosenFaults()
{
    return g_faults;
}

bool failsByChoice(const std::optional<int> &fault)
{
    ++g_callCount;
    if (g_faults.killingCall > 0 && --g_faults.killingCall == 0)
        ::raise(SIGKILL);
    if (g_faults.failingCall > 1) {
        --g_faults.failingCall;
    } else if (g_faults.failingCall == 1 && g_faults.failingCalls > 0) {
        --g_faults.failingCalls;
        errno = g_faults.failingCallError;
        return true;
    }
    if (fault)
        errno = *fault;
    return fault.has_value();
}

QString reason()
{
    return qt_error_string(errno);
}

bool writeAll(int descriptor, const QByteArray &bytes, std::optional<off_t> offset, qsizetype &written)
{
    written = 0;
    while (written < bytes.size()) {
        const char *data = bytes.constData() + written;
        const size_t left = size_t(bytes.size() - written);
        const ssize_t count = callOrFail(g_faults.write, [&] {
            return offset ? ::pwrite(descriptor, data, left, *offset + written) : ::write(descriptor, data, left);
        });
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += count;
    }
    return true;
}

QByteArray readAt(int descriptor, off_t offset, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < size) {
        const ssize_t count = ::pread(descriptor, bytes.data() + got, size_t(size - got), offset + got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        got += count;
    }
    bytes.truncate(got);
    return bytes;
}

bool truncateTo(int descriptor, off_t size)
{
    return callOrFail(g_faults.truncate, [&] { return ::ftruncate(descriptor, size); }) == 0;
}

std::optional<FileIdentity> plainFileIdentity(int descriptor)
{
    struct stat info;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, qint64(info.st_size), true};
}

bool syncToDisk(int descriptor)
{
    if (g_sync == TextFileSync::Off)
        return true;
    if (callOrFail(g_faults.sync, [&] { return ::fsync(descriptor); }) == 0)
        return true;
    // A device or pipe named as the output (/dev/null, a terminal) takes the
    // bytes but has nothing to sync: that is not a failure to write.
    return errno == EINVAL || errno == EROFS;
}

void syncFolder(const QString &folder)
{
    if (g_sync == TextFileSync::Off)
        return;
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace textFileCalls

void setTextFileSync(TextFileSync sync)
{
    g_sync = sync;
}

std::optional<FileIdentity> fileIdentity(const QString &name)
{
    struct stat info;
    if (::stat(QFile::encodeName(name).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, qint64(info.st_size), S_ISREG(info.st_mode)};
}

TextFileFaults::TextFileFaults()
    : m_saved(g_faults)
{ }

TextFileFaults::~TextFileFaults()
{
    g_faults = m_saved;
}

void TextFileFaults::failCreate(int errorNumber)
{
    g_faults.create = errorNumber;
}

void TextFileFaults::failWrite(int errorNumber)
{
    g_faults.write = errorNumber;
}

void TextFileFaults::failSync(int errorNumber)
{
    g_faults.sync = errorNumber;
}

void TextFileFaults::failClose(int errorNumber)
{
    g_faults.close = errorNumber;
}

void TextFileFaults::failRename(int errorNumber)
{
    g_faults.rename = errorNumber;
}

void TextFileFaults::failTruncate(int errorNumber)
{
    g_faults.truncate = errorNumber;
}

void TextFileFaults::failCalls(int call, int count, int errorNumber)
{
    g_faults.failingCall = call;
    g_faults.failingCalls = count;
    g_faults.failingCallError = errorNumber;
}

void TextFileFaults::killAtCall(int call)
{
    g_faults.killingCall = call;
}

qint64 textFileCallCount()
{
    return g_callCount;
}

} // namespace platform
