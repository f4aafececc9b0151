#include "System.h"

#include <QCoreApplication>

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

} // namespace platform
