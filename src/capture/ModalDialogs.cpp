#include "capture/ModalDialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QProgressDialog>
#include <QRegularExpression>

namespace {

// The suffix of a filter's first pattern: "csv" for "CSV files (*.csv)".
QString suffixOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

class DialogProgress : public ModalDialogs::Progress
{
public:
    DialogProgress(QWidget *parent, const QString &title, const QString &label)
        : m_dialog(parent)
    {
        // A task of less than a second shows nothing.
        constexpr int ShowAfterMilliseconds = 1000;
        m_dialog.setWindowTitle(title);
        m_dialog.setLabelText(label);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setRange(0, Steps);
        m_dialog.setMinimumDuration(ShowAfterMilliseconds);
        m_dialog.setValue(0);
    }

    bool advance(double fractionDone) override
    {
        m_dialog.setValue(int(qBound(0.0, fractionDone, 1.0) * Steps));
        return !m_dialog.wasCanceled();
    }

private:
    static constexpr int Steps = 1000;
    QProgressDialog m_dialog;
};

class QtDialogs : public ModalDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &title, const QStringList &filters) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), filters.join(QStringLiteral(";;")), nullptr,
                                            QFileDialog::DontUseNativeDialog);
    }

    SaveChoice saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                            const QStringList &filters) override
    {
        QFileDialog dialog(parent, title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Qt's own dialog speaks the program's language; a native one the desktop's.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(suffixOf(filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
        if (!proposed.isEmpty()) {
            dialog.setDirectory(QFileInfo(proposed).absolutePath());
            dialog.selectFile(QFileInfo(proposed).fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return {dialog.selectedFiles().constFirst(),
                int(qMax(qsizetype(0), filters.indexOf(dialog.selectedNameFilter())))};
    }

    int exec(QDialog &dialog) override { return dialog.exec(); }

    std::unique_ptr<Progress> startProgress(QWidget *parent, const QString &title, const QString &label) override
    {
        return std::make_unique<DialogProgress>(parent, title, label);
    }
};

ModalDialogs *g_replacement = nullptr;

// The stand-in's progress: counts the reports and cancels at the one asked.
class CountedProgress : public ModalDialogs::Progress
{
public:
    explicit CountedProgress(AnsweringDialogs &dialogs)
        : m_dialogs(dialogs)
    { }

    bool advance(double) override
    {
        ++m_dialogs.progressReports;
        return m_dialogs.cancelAtReport == 0 || m_dialogs.progressReports < m_dialogs.cancelAtReport;
    }

private:
    AnsweringDialogs &m_dialogs;
};

} // namespace

ModalDialogs &modalDialogs()
{
    static QtDialogs real;
    return g_replacement ? *g_replacement : real;
}

void setModalDialogs(ModalDialogs *replacement)
{
    g_replacement = replacement;
}

AnsweringDialogs::AnsweringDialogs()
    : m_previous(g_replacement)
{
    setModalDialogs(this);
}

AnsweringDialogs::~AnsweringDialogs()
{
    setModalDialogs(m_previous);
}

QString AnsweringDialogs::openFileName(QWidget *, const QString &title, const QStringList &filters)
{
    asked.append({title, QString(), filters});
    return answers.isEmpty() ? QString() : answers.takeFirst().path;
}

ModalDialogs::SaveChoice AnsweringDialogs::saveFileName(QWidget *, const QString &title, const QString &proposed,
                                                        const QStringList &filters)
{
    asked.append({title, proposed, filters});
    return answers.isEmpty() ? SaveChoice{} : answers.takeFirst();
}

int AnsweringDialogs::exec(QDialog &dialog)
{
    return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
}

std::unique_ptr<ModalDialogs::Progress> AnsweringDialogs::startProgress(QWidget *, const QString &, const QString &)
{
    return std::make_unique<CountedProgress>(*this);
}
