#include "platform/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {
bool g_remembering = false;
} // namespace

void setRemembering(bool on)
{
    g_remembering = on;
}

bool isRemembering()
{
    return g_remembering;
}

QString settingsFileName()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("notice-capture/notice-capture.conf"));
}

QVariant readRememberedValue(const char *key)
{
    if (!g_remembering)
        return {};
    return QSettings(settingsFileName(), QSettings::IniFormat).value(QString::fromLatin1(key));
}

void writeRememberedValue(const char *key, const QVariant &value)
{
    if (!g_remembering)
        return;
    QSettings(settingsFileName(), QSettings::IniFormat).setValue(QString::fromLatin1(key), value);
}

QRect keptOnScreen(const QRect &window, const QRect &available)
{
    if (available.isEmpty())
        return window;
    const QSize size = window.size().boundedTo(available.size());
    const int left = qBound(available.left(), window.left(), available.right() + 1 - size.width());
    const int top = qBound(available.top(), window.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

} // namespace platform
