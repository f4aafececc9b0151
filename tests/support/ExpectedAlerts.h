#pragma once

// The beeps and message boxes a test expects, written shortly, against what
// platform::ScopedRecordingAlerts recorded; a failing comparison prints each
// one as "Beep" or "Message(title | text)".

#include "platform/Alerts.h"

#include <QList>
#include <QMetaType>
#include <QString>

using Entry = platform::RecordingAlerts::Entry;
using Entries = QList<Entry>;

inline Entry message(const QString &title, const QString &text)
{
    return {Entry::Message, title, text};
}

inline const Entry Beep = {Entry::Beep, QString(), QString()};

namespace platform {
char *toString(const RecordingAlerts::Entry &entry);
} // namespace platform

Q_DECLARE_METATYPE(Entry)
