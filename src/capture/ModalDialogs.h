#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// The modal dialogs the windows open besides message boxes (platform::alerts):
// the file dialogs, a dialog the window built itself, and the progress of a
// long task. Every caller goes through modalDialogs(), so a test installs an
// AnsweringDialogs and no dialog ever waits for a click that will not come.
class ModalDialogs
{
public:
    virtual ~ModalDialogs() = default;

    // The file dialogs' filters are name filters, "CSV files (*.csv)"; the
    // first is chosen at the start.

    // A file to read; empty when the operator chose none.
    virtual QString openFileName(QWidget *parent, const QString &title, const QStringList &filters) = 0;

    // A file to write, proposed first. The dialog asks before an existing file
    // is replaced, and gives a name typed without a suffix the suffix of the
    // filter chosen. filter: the index of the filter chosen.
    struct SaveChoice
    {
        QString path; // empty when the operator chose none
        int filter = 0;
    };
    virtual SaveChoice saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                                    const QStringList &filters)
        = 0;

    // Shows the dialog modally until it is closed; its result.
    virtual int exec(QDialog &dialog) = 0;

    // The progress of a task that may take long, shown over parent only when
    // it does, with a Cancel button.
    class Progress
    {
    public:
        virtual ~Progress() = default;
        // fractionDone from 0 to 1; false once the operator cancelled.
        virtual bool advance(double fractionDone) = 0;
    };
    virtual std::unique_ptr<Progress> startProgress(QWidget *parent, const QString &title, const QString &label) = 0;
};

// The dialogs in force: Qt's unless a test replaced them.
ModalDialogs &modalDialogs();
// Installs a replacement (not owned); nullptr restores Qt's dialogs.
void setModalDialogs(ModalDialogs *replacement);

// The stand-in for tests, installed for its life: it answers the file dialogs
// from a list, hands every dialog to onDialog instead of showing it, and
// cancels a task's progress when told to. It notes every question asked.
class AnsweringDialogs : public ModalDialogs
{
public:
    AnsweringDialogs();
    ~AnsweringDialogs() override;
    AnsweringDialogs(const AnsweringDialogs &) = delete;
    AnsweringDialogs &operator=(const AnsweringDialogs &) = delete;

    struct Asked
    {
        QString title;
        QString proposed; // the name a save dialog proposed
        QStringList filters;
    };
    QList<Asked> asked;
    // The answers to the next file dialogs, in order; a dialog asked when none
    // is left is cancelled.
    QList<SaveChoice> answers;
    // Given each dialog, which it may look into and work; returns its result.
    // Without it a dialog is rejected.
    std::function<int(QDialog &)> onDialog;
    // The progress reports seen, and the one at which the operator cancels
    // (1 for the first); 0 never cancels.
    int progressReports = 0;
    int cancelAtReport = 0;

    QString openFileName(QWidget *parent, const QString &title, const QStringList &filters) override;
    SaveChoice saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                            const QStringList &filters) override;
    int exec(QDialog &dialog) override;
    std::unique_ptr<Progress> startProgress(QWidget *parent, const QString &title, const QString &label) override;

private:
    ModalDialogs *m_previous;
};
