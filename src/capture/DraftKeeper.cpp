#include "capture/DraftKeeper.h"

#include "capture/FormControls.h"
#include "capture/NoticeFileSession.h"
#include "capture/VisibilityRules.h"
#include "form/ControlNames.h"
#include "platform/Alerts.h"
#include "platform/System.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

namespace {

// The answers to the question about a draft, in button order.
enum DraftAnswer { RestoreDraft, DiscardDraft };

} // namespace

DraftKeeper::DraftKeeper(FormControls &controls, VisibilityRules &visibility, NoticeFileSession &saving)
    : QObject(&saving)
    , m_controls(controls)
    , m_visibility(visibility)
    , m_saving(saving)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DraftKeeper::writeNow);
    watchControls();
    // A saved notice has no draft; the screen's clear that follows is seen
    // as a change like any other.
    connect(&m_saving, &NoticeFileSession::noticeSaved, this, &DraftKeeper::discard);
    // Opened after the screen's own save (Continue), or from the menu: the
    // offer waits until that save has cleared the screen.
    connect(&m_saving, &NoticeFileSession::fileOpened, this,
            [this] { QTimer::singleShot(0, this, &DraftKeeper::offerForOpenedFile); });
}

void DraftKeeper::watchControls()
{
    for (const ControlSpec &spec : m_controls.specs()) {
        QWidget *control = m_controls.control(spec.name);
        if (auto *box = qobject_cast<QLineEdit *>(control))
            connect(box, &QLineEdit::textChanged, this, &DraftKeeper::changed);
        else if (auto *list = qobject_cast<QComboBox *>(control))
            connect(list, &QComboBox::currentIndexChanged, this, &DraftKeeper::changed);
        else if (spec.kind == ControlKind::OptionButton || spec.kind == ControlKind::CheckBox)
            connect(qobject_cast<QAbstractButton *>(control), &QAbstractButton::toggled, this, &DraftKeeper::changed);
    }
    // Leaving a box writes at once what it holds.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *) {
        if (old && m_timer.isActive() && m_controls.window().isAncestorOf(old))
            writeNow();
    });
}

void DraftKeeper::changed()
{
    if (m_stopped)
        return;
    if (!m_timer.isActive()) {
        m_firstUnwritten.start();
        m_timer.start(QuietDelayMs);
    } else if (m_firstUnwritten.elapsed() + QuietDelayMs <= LongestDelayMs) {
        m_timer.start(QuietDelayMs);
    }
}

QString DraftKeeper::outputFile() const
{
    const QString name = m_controls.text(Control::Txt_Filename);
    return name.isEmpty() ? QString() : QFileInfo(name).absoluteFilePath();
}

QString DraftKeeper::draftFile() const
{
    return m_writtenFor.isEmpty() ? QString() : DraftFiles::pathFor(m_writtenFor);
}

void DraftKeeper::writeNow()
{
    m_timer.stop();
    if (m_stopped)
        return;
    const QString output = outputFile();
    if (output != m_writtenFor && !m_writtenFor.isEmpty()) {
        // The file name changed: the draft follows it.
        DraftFiles::remove(m_writtenFor);
        m_writtenFor.clear();
    }
    if (output.isEmpty() || !m_saving.screenHoldsUnsavedWork()) {
        discard();
        return;
    }
    if (m_writtenFor.isEmpty())
        keepForeignDraft(output);
    ScreenDraft draft = ScreenDraft::ofScreen(m_controls, m_controls.formKind());
    for (const ControlSpec &spec : m_controls.specs()) {
        if (const QCheckBox *box = m_controls.checkBox(spec.name))
            draft.checkBoxes.insert(spec.name, box->isChecked());
    }
    draft.outputFile = output;
    draft.written = platform::currentDateTime();
    draft.correcting = m_saving.noticeBeingCorrected();
    QString error;
    if (!DraftFiles::write(draft, &error)) {
        if (!m_failureSaid)
            Q_EMIT said(tr("The notice on the screen cannot be kept in a draft: %1").arg(error));
        m_failureSaid = true;
        return;
    }
    m_failureSaid = false;
    m_writtenFor = output;
}

// A draft of the file just named, left by an earlier window, is read before
// this window's draft takes its place, to be offered when the file is opened.
void DraftKeeper::keepForeignDraft(const QString &output)
{
    const QString path = DraftFiles::pathFor(output);
    if (QFileInfo::exists(path))
        m_foreign = readOrDiscard(path);
}

void DraftKeeper::discard()
{
    m_timer.stop();
    if (!m_writtenFor.isEmpty())
        DraftFiles::remove(m_writtenFor);
    m_writtenFor.clear();
}

void DraftKeeper::stop()
{
    discard();
    m_stopped = true;
}

std::optional<ScreenDraft> DraftKeeper::readOrDiscard(const QString &draftPath)
{
    QString error;
    std::optional<ScreenDraft> draft = DraftFiles::read(draftPath, &error);
    if (!draft) {
        QFile::remove(draftPath);
        Q_EMIT said(tr("A damaged draft of a notice was discarded (%1)").arg(error));
    }
    return draft;
}

void DraftKeeper::offerNewFileDrafts()
{
    if (m_stopped || m_saving.captureFile().fileOpen)
        return;
    for (const QString &path : DraftFiles::all()) {
        if (path == draftFile())
            continue;
        const std::optional<ScreenDraft> draft = readOrDiscard(path);
        // A draft of a saved file waits until that file is opened; one of
        // the other form, a window of that form.
        if (!draft || draft->kind != m_controls.formKind() || QFileInfo::exists(draft->outputFile))
            continue;
        if (offer(*draft))
            return;
    }
}

void DraftKeeper::offerForOpenedFile()
{
    const QString output = outputFile();
    if (m_stopped || output.isEmpty() || m_saving.screenHoldsUnsavedWork())
        return;
    std::optional<ScreenDraft> draft;
    if (m_foreign && m_foreign->outputFile == output)
        draft = m_foreign;
    else if (m_writtenFor != output && QFileInfo::exists(DraftFiles::pathFor(output)))
        draft = readOrDiscard(DraftFiles::pathFor(output));
    m_foreign.reset();
    if (draft && draft->kind == m_controls.formKind())
        offer(*draft);
}

// True when the draft was put back.
bool DraftKeeper::offer(const ScreenDraft &draft)
{
    const QString when = QLocale().toString(draft.written, QLocale::ShortFormat);
    const int answer = platform::alerts().question(&m_controls.window(), tr("Notice not saved"),
                                                   tr("A notice typed on %1 was not saved.\n\n"
                                                      "Restore: it is put back on the screen.\n"
                                                      "Discard: it is deleted.")
                                                       .arg(when),
                                                   {tr("Restore"), tr("Discard")}, RestoreDraft, RestoreDraft);
    if (answer != RestoreDraft) {
        DraftFiles::remove(draft.outputFile);
        return false;
    }
    restore(draft);
    return true;
}

void DraftKeeper::restore(ScreenDraft draft)
{
    const bool fileOpen = m_saving.captureFile().fileOpen;
    if (fileOpen) {
        // The file's administration stays as its HEAD has it.
        draft.controls.remove(Control::Txt_B_Adm);
        if (draft.correcting)
            m_saving.correctNotice(draft.correcting);
    } else {
        m_controls.setText(Control::Txt_Filename, draft.outputFile);
    }
    for (auto it = draft.checkBoxes.constBegin(); it != draft.checkBoxes.constEnd(); ++it) {
        if (QCheckBox *box = m_controls.checkBox(it.key()))
            box->setChecked(it.value());
    }
    QStringList refused;
    for (const QString &name : draft.putOnScreen(m_controls))
        refused << m_controls.labelOf(name);
    m_visibility.showFramesForScreen();
    const QString when = QLocale().toString(draft.written, QLocale::ShortFormat);
    Q_EMIT said(refused.isEmpty() ? tr("The notice typed on %1 is back on the screen").arg(when)
                                  : tr("The notice typed on %1 is back on the screen, except %2")
                                        .arg(when, refused.join(QStringLiteral(", "))));
    // Now this window's own draft.
    m_writtenFor = draft.outputFile;
    writeNow();
}
