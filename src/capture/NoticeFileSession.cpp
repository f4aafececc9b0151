#include "capture/NoticeFileSession.h"

#include "capture/FormControls.h"
#include "capture/VisibilityRules.h"
#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"
#include "form/ScreenBinding.h"
#include "notice/Formatting.h"
#include "notice/NoticeRecord.h"
#include "notice/NoticeWriter.h"
#include "notice/ProgramVersion.h"
#include "notice/SavedNoticeFile.h"
#include "platform/Alerts.h"
#include "platform/Settings.h"
#include "platform/System.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

// The refusal of a save without administration, as the form's design words
// it: in English whatever the interface language, like the field checks'
// messages. The rest of what saving says is the program's own, in the
// interface language (tr()).
namespace Message {
const QString FatalErrorTitle = QStringLiteral("Fatal Error");
const QString MissingAdministration = QStringLiteral("The Notifying administration is missing, Cannot save the notice");
} // namespace Message

// The folder of the last output file, where the next file is proposed.
const platform::Setting<QString> OutputFolder{"capture/outputFolder"};

QString outputFolder()
{
    const QString remembered = OutputFolder.value();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : platform::defaultOutputFolder();
}

void rememberOutputFolder(const QString &fileName)
{
    OutputFolder.setValue(QFileInfo(fileName).absolutePath());
}

// The answers to the question about an existing file, in button order.
enum FileExistsAnswer { ReplaceFile, ContinueFile, CancelSave };

// The answers to the yes-or-no questions before data is lost, in button order.
enum LossAnswer { LoseYes, LoseNo };

// The boxes whose text makes a notice worth writing: the frequency and the
// coordinates, of the station and of the target assignment.
const QLatin1String NoticeBoxes[] = {
    Control::Txt_1A_FreqAssgn, Control::Txt_01A_TrgFreq, Control::Txt_4C_Deg_Long,  Control::Txt_4C_Min_Long,
    Control::Txt_4C_Sec_Long,  Control::Txt_4C_EW,       Control::Txt_4C_Deg_Lat,   Control::Txt_4C_Min_Lat,
    Control::Txt_4C_Sec_Lat,   Control::Txt_4C_NS,       Control::Txt_04C_Deg_Long, Control::Txt_04C_Min_Long,
    Control::Txt_04C_Sec_Long, Control::Txt_04C_EW,      Control::Txt_04C_Deg_Lat,  Control::Txt_04C_Min_Lat,
    Control::Txt_04C_Sec_Lat,  Control::Txt_04C_NS,
};

} // namespace

NoticeFileSession::NoticeFileSession(FormControls &controls, VisibilityRules &visibility)
    : QObject(&controls.window())
    , m_controls(controls)
    , m_visibility(visibility)
{
    connectButtons();
}

void NoticeFileSession::connectButtons()
{
    if (QPushButton *next = m_controls.button(Control::Button_Next))
        connect(next, &QPushButton::clicked, this, [this] { saveNext(); });
    if (QPushButton *finish = m_controls.button(Control::Button_Finish))
        connect(finish, &QPushButton::clicked, this, &NoticeFileSession::finishAndClose);
}

QString NoticeFileSession::defaultFileName(FormKind kind)
{
    const QDateTime now = platform::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString prefix = kind == FormKind::T02 ? QStringLiteral("T02M-") : QStringLiteral("T01M-");
    // Plain numbers: no leading zeros, so 7 December 2005 is "2005127".
    const QString day = QString::number(date.year()) + QString::number(date.month()) + QString::number(date.day());
    const QString moment
        = QString::number(time.hour()) + QString::number(time.minute()) + QString::number(time.second());
    return QDir::toNativeSeparators(outputFolder()) + QDir::separator() + prefix + day + QLatin1Char('-') + moment
        + QLatin1Char('-') + Formatting::currentUserName() + QStringLiteral(".txt");
}

void NoticeFileSession::setUp()
{
    m_file.fileOpen = false;
    m_file.noticeNumber = 1;
    showCounter();
    m_controls.textBox(Control::Txt_Filename)->setText(defaultFileName(m_controls.formKind()));
    m_file.finished = false;
}

SaveOutcome NoticeFileSession::saveNext()
{
    if (m_controls.text(Control::Txt_B_Adm).isEmpty()) {
        fatalError(Message::MissingAdministration);
        m_controls.focusAndSelect(Control::Txt_B_Adm);
        return SaveOutcome::NoAdministration;
    }

    // Typed data without a frequency or a coordinate would never be written:
    // keep it on the screen rather than clear it away unsaved.
    const bool noticeOnScreen = isNewNotice();
    if (!noticeOnScreen && m_visibility.holdsTypedData()) {
        platform::alerts().exclamation(&m_controls.window(), tr("Notice not saved"),
                                       tr("The notice has no frequency and no coordinates: it was not saved."));
        if (!m_controls.focusAndSelect(Control::Txt_1A_FreqAssgn))
            m_controls.focusAndSelect(Control::Txt_01A_TrgFreq);
        return SaveOutcome::Refused;
    }

    NoticeRecord record;
    collectScreen(record, m_controls, m_controls.formKind());
    if (holdsUnencodableCharacter(record))
        return SaveOutcome::Refused;
    if (!m_file.fileOpen && !startFile(record.adm, noticeOnScreen))
        return SaveOutcome::Refused;
    if (noticeOnScreen && !writeNotice(record))
        return SaveOutcome::Refused;

    const int replaced = m_correcting;
    // A corrected notice is cleared like a new one: "Do NOT Clear ALL
    // values" carries its date and fragment over to the next notice.
    endCorrection();
    m_visibility.clearAfterSave();
    if (noticeOnScreen)
        Q_EMIT noticeSaved(replaced ? replaced : m_file.noticeNumber - 1, replaced != 0);
    return noticeOnScreen ? SaveOutcome::NoticeWritten : SaveOutcome::NoNoticeOnScreen;
}

bool NoticeFileSession::isNewNotice() const
{
    for (const QLatin1String name : NoticeBoxes) {
        if (!m_controls.text(name).isEmpty())
            return true;
    }
    return false;
}

bool NoticeFileSession::finish()
{
    if (m_file.finished)
        return true;
    if (!mayFinishAfter(saveNext()) && !mayDiscardScreen())
        return false;
    if (m_file.fileOpen && !completeFile())
        return false;
    m_file.finished = true;
    m_file.fileOpen = false;
    return true;
}

bool NoticeFileSession::mayFinishAfter(SaveOutcome outcome) const
{
    switch (outcome) {
    case SaveOutcome::NoticeWritten:
    case SaveOutcome::NoNoticeOnScreen: return true;
    case SaveOutcome::NoAdministration:
        // The message has been shown; a screen with nothing typed has nothing
        // to lose, but whatever was typed without an administration is kept
        // unless the operator lets it go.
        return !screenHoldsUnsavedWork();
    case SaveOutcome::Refused: return false;
    }
    return false;
}

// Finish could not save what the screen holds: the operator keeps it (the
// window stays open) or lets it go. A screen with nothing typed that a save
// would write has nothing to lose, but stays when the save was refused for
// another reason (the file), as the operator was told.
bool NoticeFileSession::mayDiscardScreen()
{
    if (!screenHoldsUnsavedWork())
        return false;
    const int answer = platform::alerts().question(&m_controls.window(), tr("Notice not saved"),
                                                   tr("Close and discard the notice on the screen?"),
                                                   {tr("Yes"), tr("No")}, LoseNo, LoseNo);
    return answer == LoseYes;
}

void NoticeFileSession::finishAndClose()
{
    if (finish())
        Q_EMIT finished();
}

bool NoticeFileSession::holdsUnencodableCharacter(const NoticeRecord &record)
{
    const std::optional<UnencodableField> found = findUnencodableField(record);
    if (!found)
        return false;
    refuseSave(tr("The box \"%1\" holds the character %2, which the notice file cannot hold: the notice was not "
                  "saved.")
                   .arg(m_controls.labelOf(found->controlName), found->description));
    m_controls.focusAndSelect(found->controlName);
    return true;
}

bool NoticeFileSession::startFile(const QString &adm, bool noticeToWrite, bool replaceConfirmed)
{
    const QString name = m_controls.text(Control::Txt_Filename);
    const std::optional<platform::FileIdentity> existing = platform::fileIdentity(name);
    // A notice file that holds no complete notice has nothing to lose.
    if (existing && existing->regular && !replaceConfirmed && !fileHoldsNoNotice(name))
        return mayReplaceExistingFile(name, adm, noticeToWrite);

    QString error;
    if (!m_file.store.create(name, &error)) {
        refuseSave(error);
        m_controls.focusAndSelect(Control::Txt_Filename);
        return false;
    }
    // The date in the header follows the program's locale, which is the
    // system's unless the program chose another.
    const QStringList header
        = makeHeaderLines(platform::currentDateTime(), Formatting::currentUserName(), ProgramVersionLabel, QLocale());
    if (!m_file.store.writeStart(header, adm, &error)) {
        refuseSave(error + QLatin1Char(' ') + tr("The file was not started; the screen stays as it was."));
        return false;
    }

    m_file.fileOpen = true;
    rememberOutputFolder(name);
    if (!m_file.store.leftoversRemoved().isEmpty())
        Q_EMIT leftoversRemoved(m_file.store.leftoversRemoved());
    // Every notice of the file goes under the administration of its HEAD.
    m_controls.textBox(Control::Txt_Filename)->setReadOnly(true);
    m_controls.control(Control::Txt_B_Adm)->setEnabled(false);
    return true;
}

// A plain file of the name exists: the operator replaces it, continues it
// or keeps the screen. True when the save may go on. With no notice to write
// (Finish on a screen holding only the administration) a replacement would
// only empty the file: Replace is not offered.
bool NoticeFileSession::mayReplaceExistingFile(const QString &name, const QString &adm, bool noticeToWrite)
{
    const QString question = tr("The file %1 exists already.\n\n"
                                "Replace: a new file takes its place, and the notices it holds are lost.\n"
                                "Continue: the notice is added to the notices it holds.\n"
                                "Cancel: nothing is saved, the screen stays as it is.")
                                 .arg(name);
    const QStringList answers = {tr("Replace"), tr("Continue"), tr("Cancel")};
    // Replace is not offered when there is no notice to write: it would only
    // empty the file.
    const int firstOffered = noticeToWrite ? ReplaceFile : ContinueFile;
    const int answer = firstOffered
        + platform::alerts().question(&m_controls.window(), tr("The file exists"), question, answers.mid(firstOffered),
                                      ContinueFile - firstOffered, CancelSave - firstOffered);
    switch (answer) {
    case ReplaceFile: return mayLoseSavedNotices(name) && startFile(adm, noticeToWrite, true);
    case ContinueFile:
        if (!openFile(name))
            return false;
        if (m_file.store.saved().adm == adm)
            return true;
        platform::alerts().exclamation(&m_controls.window(), tr("Notice not saved"),
                                       tr("The file holds the notices of the administration %1, shown now in its box. "
                                          "The notice was not saved: check it, then press Save/Next again.")
                                           .arg(m_file.store.saved().adm));
        return false;
    default: return false;
    }
}

// Replacing the file loses the notices it holds: the operator says so once
// more, knowing how many.
bool NoticeFileSession::mayLoseSavedNotices(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the replacement will say why it cannot be made
    const qsizetype count = readSavedNoticeFile(file).notices.size();
    if (count == 0)
        return true;
    const QString text = count == 1
        ? tr("The file %1 holds 1 notice: replace it and lose it?").arg(name)
        : tr("The file %1 holds %2 notices: replace it and lose them?").arg(name).arg(count);
    return platform::alerts().question(&m_controls.window(), tr("Replace the file"), text, {tr("Yes"), tr("No")},
                                       LoseNo, LoseNo)
        == LoseYes;
}

bool NoticeFileSession::openFile(const QString &name)
{
    if (m_file.fileOpen)
        return false;
    QString error;
    if (!m_file.store.open(name, &error)) {
        refuseOpening(whyNotContinued(name).value_or(error));
        return false;
    }
    const SavedNoticeFile &saved = m_file.store.saved();
    if (saved.formKind && *saved.formKind != m_controls.formKind()) {
        m_file.store.abandon();
        refuseOpening(
            tr("The file %1 holds %2 notices: open it on the %2 form, not on the %3 form.")
                .arg(name, QLatin1String(formName(*saved.formKind)), QLatin1String(formName(m_controls.formKind()))));
        return false;
    }
    if (saved.startsAfresh) {
        // Nothing of it is kept: the next save writes it anew, under the
        // administration then typed.
        m_controls.textBox(Control::Txt_Filename)->setText(name);
        m_controls.textBox(Control::Txt_Filename)->setReadOnly(true);
        Q_EMIT noticesChanged(1);
    } else {
        showOpenedFile();
    }
    if (!m_file.store.leftoversRemoved().isEmpty())
        Q_EMIT leftoversRemoved(m_file.store.leftoversRemoved());
    if (saved.leftOut)
        platform::alerts().exclamation(
            &m_controls.window(), tr("Notice file opened"),
            tr("The file %1 was not finished, and its end is damaged: %2.").arg(name, saved.leftOut->message));
    Q_EMIT fileOpened();
    return true;
}

void NoticeFileSession::showOpenedFile()
{
    m_file.fileOpen = true;
    rememberOutputFolder(m_file.store.fileName());
    m_file.noticeNumber = m_file.store.noticeCount() + 1;
    showCounter();
    QLineEdit *fileName = m_controls.textBox(Control::Txt_Filename);
    fileName->setText(m_file.store.fileName());
    fileName->setReadOnly(true);
    m_controls.setText(Control::Txt_B_Adm, m_file.store.saved().adm);
    m_controls.control(Control::Txt_B_Adm)->setEnabled(false);
    Q_EMIT noticesChanged(1);
}

bool NoticeFileSession::writeNotice(const NoticeRecord &record)
{
    QString error;
    if (m_correcting) {
        if (!m_file.store.replace(m_correcting, makeNoticeSection(record, m_correcting), &error)) {
            refuseSave(error + QLatin1Char(' ')
                       + tr("The notice was not replaced; the file is as it was, and the notice stays on the "
                            "screen."));
            return false;
        }
        Q_EMIT noticesChanged(m_correcting);
        return true;
    }
    if (!m_file.store.append(record, m_file.noticeNumber, &error)) {
        refuseSave(error + QLatin1Char(' ') + tr("The notice was not saved; it stays on the screen."));
        return false;
    }
    ++m_file.noticeNumber;
    showCounter();
    Q_EMIT noticesChanged(m_file.noticeNumber - 1);
    return true;
}

bool NoticeFileSession::screenHoldsUnsavedWork() const
{
    if (!m_visibility.holdsTypedData() && !isNewNotice())
        return false;
    if (!m_correcting)
        return true;
    NoticeRecord shown;
    collectScreen(shown, m_controls, m_controls.formKind());
    return makeNoticeSection(shown, m_correcting) != m_correctedSection;
}

bool NoticeFileSession::correctNotice(int number)
{
    if (!m_file.fileOpen || number < 1 || number >= m_file.noticeNumber)
        return false;
    if (!m_file.store.canReplace()) {
        platform::alerts().exclamation(
            &m_controls.window(), tr("Correct a notice"),
            tr("The notices of %1 cannot be corrected: it is not a plain file.").arg(m_file.store.fileName()));
        return false;
    }
    if (screenHoldsUnsavedWork()) {
        platform::alerts().exclamation(&m_controls.window(), tr("Correct a notice"),
                                       tr("The screen holds a notice that is not saved: press Save/Next or Reset "
                                          "before you choose a notice to correct."));
        return false;
    }
    QString error;
    const std::optional<NoticeRecord> record = m_file.store.record(number, &error);
    if (!record) {
        platform::alerts().exclamation(&m_controls.window(), tr("Correct a notice"), error);
        return false;
    }
    endCorrection();
    m_visibility.reset();
    QStringList refused = showRecord(*record, m_controls, m_controls.formKind());
    m_visibility.showFramesForScreen();
    // The screen must give the notice back as the file holds it.
    NoticeRecord shown;
    collectScreen(shown, m_controls, m_controls.formKind());
    const QString section = makeNoticeSection(*record, number);
    if (refused.isEmpty() && makeNoticeSection(shown, number) != section)
        refused.append(tr("the screen gives it back otherwise"));
    if (!refused.isEmpty()) {
        m_visibility.reset();
        m_visibility.hideFrameA11();
        QStringList boxes;
        for (const QString &name : std::as_const(refused))
            boxes << m_controls.labelOf(name);
        platform::alerts().exclamation(&m_controls.window(), tr("Correct a notice"),
                                       tr("Notice %1 cannot be put back on the screen exactly as the file holds it "
                                          "(%2); it is left as it is.")
                                           .arg(number)
                                           .arg(boxes.join(QStringLiteral(", "))));
        return false;
    }
    m_correcting = number;
    m_correctedSection = section;
    m_controls.textBox(Control::Txt_Ntc_Number)->setText(QString::number(number));
    return true;
}

void NoticeFileSession::endCorrection()
{
    if (!m_correcting)
        return;
    m_correcting = 0;
    m_correctedSection.clear();
    showCounter();
}

// Writes the TAIL and closes the file. A TAIL that cannot be written keeps
// the window open so that Finish can try again. A failed close cannot be
// tried again (the file is released either way) and every line was synced
// before it, so it is reported and the run ends.
bool NoticeFileSession::completeFile()
{
    QString error;
    QString closeError;
    if (!m_file.store.finish(&error, &closeError)) {
        platform::alerts().exclamation(&m_controls.window(), tr("File not finished"),
                                       error + QLatin1Char(' ')
                                           + tr("The file is not finished: mend the fault, then press Finish again."));
        return false;
    }
    if (!closeError.isEmpty())
        platform::alerts().exclamation(&m_controls.window(), tr("File not closed"),
                                       closeError + QLatin1Char(' ')
                                           + tr("Every line had been written to the disk before; check the file."));
    return true;
}

void NoticeFileSession::showCounter()
{
    m_controls.textBox(Control::Txt_Ntc_Number)->setText(QString::number(m_file.noticeNumber));
}

void NoticeFileSession::fatalError(const QString &text)
{
    platform::alerts().exclamation(&m_controls.window(), Message::FatalErrorTitle, text);
}

void NoticeFileSession::refuseSave(const QString &text)
{
    platform::alerts().exclamation(&m_controls.window(), tr("Notice not saved"), text);
}

void NoticeFileSession::refuseOpening(const QString &text)
{
    platform::alerts().exclamation(&m_controls.window(), tr("Notice file not opened"), text);
}

std::optional<QString> NoticeFileSession::whyNotContinued(const QString &name) const
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const SavedNoticeFile saved = readSavedNoticeFile(file);
    if (saved.canContinue())
        return std::nullopt;
    const NoticeFileFault &first = saved.faults.constFirst();
    QString why = tr("The file %1 is not a notice file that can be continued: line %2: %3.")
                      .arg(name)
                      .arg(first.line)
                      .arg(first.message);
    if (saved.faultCount > 1)
        why += QLatin1Char(' ') + tr("%n more fault(s) follow.", nullptr, int(saved.faultCount - 1));
    return why;
}
