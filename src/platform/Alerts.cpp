#include "Alerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    int question(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                 int defaultAnswer, int cancelAnswer) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
        QList<QPushButton *> buttons;
        for (const QString &answer : answers)
            buttons.append(box.addButton(answer, QMessageBox::ActionRole));
        box.setDefaultButton(buttons.value(defaultAnswer));
        box.setEscapeButton(buttons.value(cancelAnswer));
        box.exec();
        const qsizetype chosen = buttons.indexOf(static_cast<QPushButton *>(box.clickedButton()));
        return chosen < 0 ? cancelAnswer : int(chosen);
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

int RecordingAlerts::question(QWidget *, const QString &title, const QString &text, const QStringList &, int,
                              int cancelAnswer)
{
    entries.append({Entry::Question, title, text});
    return answers.isEmpty() ? cancelAnswer : answers.takeFirst();
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
