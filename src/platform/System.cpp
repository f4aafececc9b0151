#include "System.h"

#include "WriterLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <exception>
#include <new>
#include <pwd.h>
#include <unistd.h>

namespace platform {
namespace {
SystemOverrides::Values g_overrides;
}

QDateTime currentDateTime()
{
    return g_overrides.dateTime ? *g_overrides.dateTime : QDateTime::currentDateTime();
}

QString loginName()
{
    if (g_overrides.loginName)
        return *g_overrides.loginName;
    const passwd *entry = getpwuid(geteuid());
    if (entry == nullptr || entry->pw_name == nullptr)
        return {};
    return QString::fromLocal8Bit(entry->pw_name);
}

QString programFolder()
{
    if (g_overrides.programFolder)
        return *g_overrides.programFolder;
    return QCoreApplication::applicationDirPath();
}

QString documentsFolder()
{
    if (g_overrides.documentsFolder)
        return *g_overrides.documentsFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString defaultOutputFolder()
{
    const QString program = programFolder();
    const QFileInfo programInfo(program);
    if (programInfo.isDir() && programInfo.isWritable())
        return program;
    // A missing documents folder is made here, so that the proposed file can be
    // created; when it cannot be made, saving reports the folder's fault.
    const QString documents = documentsFolder();
    QDir().mkpath(documents);
    return documents;
}

QString regionalSetting(const QString &, const QString &)
{
    return {};
}

SystemOverrides::SystemOverrides()
    : m_saved(g_overrides)
{ }

SystemOverrides::~SystemOverrides()
{
    g_overrides = m_saved;
}

void SystemOverrides::setDateTime(const QDateTime &moment)
{
    g_overrides.dateTime = moment;
}

void SystemOverrides::setLoginName(const QString &name)
{
    g_overrides.loginName = name;
}

void SystemOverrides::setProgramFolder(const QString &folder)
{
    g_overrides.programFolder = folder;
}

void SystemOverrides::setDocumentsFolder(const QString &folder)
{
    g_overrides.documentsFolder = folder;
}

namespace {

const char *g_programName = "";
char *g_memoryReserve = nullptr;

[[noreturn]] void stopForWantOfMemory()
{
    // The reserve goes first, so that nothing below lacks room.
    delete[] g_memoryReserve;
    g_memoryReserve = nullptr;
    static const char Message[] = ": out of memory; every notice reported saved is in its file. The program stops.\n";
    [[maybe_unused]] ssize_t written = ::write(STDERR_FILENO, g_programName, std::strlen(g_programName));
    written = ::write(STDERR_FILENO, Message, sizeof Message - 1);
    removeHeldLocks();
    ::_exit(3);
}

} // namespace

void stopCleanlyWhenOutOfMemory(const char *programName)
{
    g_programName = programName;
    g_memoryReserve = new char[1 << 20];
    std::set_new_handler(stopForWantOfMemory);
    // Qt's containers throw std::bad_alloc when they cannot grow; nothing
    // catches it, so it ends here.
    static const std::terminate_handler previous = std::set_terminate([] {
        if (const std::exception_ptr current = std::current_exception()) {
            try {
                std::rethrow_exception(current);
            } catch (const std::bad_alloc &) {
                stopForWantOfMemory();
            } catch (...) { }
        }
        previous();
    });
}

namespace {

QtMessageHandler g_qtMessageHandler = nullptr;

void leaveOutRuntimeFolderMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_qtMessageHandler(type, context, message);
}

} // namespace

void leaveOutRuntimeFolderNotice()
{
    if (!g_qtMessageHandler)
        g_qtMessageHandler = qInstallMessageHandler(leaveOutRuntimeFolderMessage);
}

} // namespace platform
