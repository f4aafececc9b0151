#include "ExpectedAlerts.h"

#include <QtTest>

char *platform::toString(const RecordingAlerts::Entry &entry)
{
    const QString shown = entry.kind == RecordingAlerts::Entry::Beep
        ? QStringLiteral("Beep")
        : QStringLiteral("Message(%1 | %2)").arg(entry.title, entry.text);
    return qstrdup(shown.toUtf8().constData());
}
