#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace platform {

// What the program says to the operator outside its windows: the modal message
// box (exclamation icon, one OK button, a title and a text), the question with
// a few answers, and the system beep.
// Every caller goes through alerts(), so a test installs a RecordingAlerts and
// no modal box ever waits for a click that will not come.
class Alerts
{
public:
    virtual ~Alerts() = default;
    virtual void exclamation(QWidget *parent, const QString &title, const QString &text) = 0;
    // Asks a question with one button per answer; returns the index of the
    // answer chosen. Escape or the close box choose cancelAnswer, and
    // defaultAnswer has the focus.
    virtual int question(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                         int defaultAnswer, int cancelAnswer)
        = 0;
    virtual void beep() = 0;
};

// The alerts in force: the real message box and beep unless a test replaced them.
Alerts &alerts();
// Installs a replacement (not owned); nullptr restores the real alerts.
void setAlerts(Alerts *replacement);

// The stand-in for tests: remembers every message and beep in the order they came.
class RecordingAlerts : public Alerts
{
public:
    struct Entry
    {
        enum Kind { Message, Beep, Question } kind;
        QString title;
        QString text;
        bool operator==(const Entry &other) const
        {
            return kind == other.kind && title == other.title && text == other.text;
        }
    };

    void exclamation(QWidget *parent, const QString &title, const QString &text) override;
    int question(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                 int defaultAnswer, int cancelAnswer) override;
    void beep() override;

    QList<Entry> entries;
    // The answers to the next questions, in order; a question asked when none
    // is left gets its cancel answer.
    QList<int> answers;
    // Called after a message is recorded, e.g. to let a test act while the box "is up".
    std::function<void(const Entry &)> onMessage;

    QList<Entry> messages() const;
    int beeps() const;
    void clear() { entries.clear(); }
};

// Installs a RecordingAlerts for the life of a scope and restores the previous alerts after.
class ScopedRecordingAlerts : public RecordingAlerts
{
public:
    ScopedRecordingAlerts();
    ~ScopedRecordingAlerts() override;
    ScopedRecordingAlerts(const ScopedRecordingAlerts &) = delete;
    ScopedRecordingAlerts &operator=(const ScopedRecordingAlerts &) = delete;

private:
    Alerts *m_previous;
};

} // namespace platform
