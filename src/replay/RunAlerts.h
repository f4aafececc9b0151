#pragma once

#include "notice/SavedNoticeFile.h"
#include "platform/Alerts.h"
#include "platform/InputLimits.h"
#include "platform/TextFile.h"

#include <QString>

// What the unattended runs (scripts and imports) share: no message box is
// ever shown, every message is recorded and stops the run, and an existing
// output file is replaced only when the command line says so.
namespace ScriptedRun {

// No message box is ever shown: every message is a stop. The answers the
// run gives itself come first (Yes to the question of its own Reset);
// whether to replace an existing output file is answered as the command line
// says: replace it, or stop.
class ReplayAlerts : public platform::ScopedRecordingAlerts
{
public:
    explicit ReplayAlerts(bool replace)
        : m_replace(replace)
    { }

    int question(QWidget *, const QString &title, const QString &text, const QStringList &, int,
                 int cancelAnswer) override
    {
        if (!answers.isEmpty())
            return answers.takeFirst();
        if (m_replace)
            return 0; // the first answer replaces
        exclamation(nullptr, title, text);
        return cancelAnswer;
    }

private:
    bool m_replace;
};

// An existing plain file that the run would replace without being told to.
// A notice file that holds no complete notice has nothing to lose: the run
// starts it afresh.
inline QString existingOutputFault(const QString &output)
{
    const std::optional<platform::FileIdentity> existing = platform::fileIdentity(output);
    if (!existing || !existing->regular || fileHoldsNoNotice(output))
        return {};
    return QStringLiteral("the output file %1 exists: give --replace to replace it")
        .arg(platform::inputExcerpt(output));
}

} // namespace ScriptedRun
