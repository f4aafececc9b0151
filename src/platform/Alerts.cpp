#include "Alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

class WidgetAlerts : public Alerts
{
public:
    void exclamation(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    void beep() override { QApplication::beep(); }
};

Alerts *g_replacement = nullptr;

} // namespace

Alerts &alerts()
{
    static WidgetAlerts real;
    return g_replacement ? *g_replacement : real;
}

void setAlerts(Alerts *replacement)
{
    g_replacement = replacement;
}

void RecordingAlerts::exclamation(QWidget *, const QString &title, const QString &text)
{
    entries.append({Entry::Message, title, text});
    if (onMessage)
        onMessage(entries.last());
}

void RecordingAlerts::beep()
{
    entries.append({Entry::Beep, {}, {}});
}

QList<RecordingAlerts::Entry> RecordingAlerts::messages() const
{
    QList<Entry> result;
    for (const Entry &e : entries)
        if (e.kind == Entry::Message)
            result.append(e);
    return result;
}

int RecordingAlerts::beeps() const
{
    int count = 0;
    for (const Entry &e : entries)
        count += e.kind == Entry::Beep ? 1 : 0;
    return count;
}

ScopedRecordingAlerts::ScopedRecordingAlerts()
    : m_previous(g_replacement)
{
    setAlerts(this);
}

ScopedRecordingAlerts::~ScopedRecordingAlerts()
{
    setAlerts(m_previous);
}

} // namespace platform
