#pragma once

#include <QRect>
#include <QString>
#include <QVariant>

// What the program remembers of the operator's choices from one run to the
// next, in notice-capture.conf of the user's configuration folder (under
// QStandardPaths, so that tests in its test mode keep their own).
//
// Remembering is off until the program turns it on: only the operator's own
// runs remember, and a scripted run, an import or the screenshots neither
// read nor change what the operator chose. While it is off every setting
// reads its fallback and writing does nothing.
namespace platform {

void setRemembering(bool on);
bool isRemembering();

// The settings file, for tests that start from none.
QString settingsFileName();

// The stored value of a key; invalid when none is, or while not remembering.
QVariant readRememberedValue(const char *key);
void writeRememberedValue(const char *key, const QVariant &value);

// One remembered value, declared where it is used:
//   const platform::Setting<QString> MenuLanguage{"menu/language"};
template <typename T> class Setting
{
public:
    explicit constexpr Setting(const char *key)
        : m_key(key)
    { }

    T value(const T &fallback = T()) const
    {
        const QVariant stored = readRememberedValue(m_key);
        return stored.isValid() && stored.canConvert<T>() ? stored.value<T>() : fallback;
    }
    void setValue(const T &value) const { writeRememberedValue(m_key, QVariant::fromValue(value)); }

private:
    const char *m_key;
};

// A window's remembered frame moved and shrunk so that it lies within the
// screen's available area: a window remembered on a screen that is gone, or
// larger than this one, comes back whole on this one.
QRect keptOnScreen(const QRect &window, const QRect &available);

} // namespace platform
