#include "capture/NoticeFileSession.h"

#include "capture/FormControls.h"
#include "capture/VisibilityRules.h"
#include "form/ScreenBinding.h"
#include "notice/NoticeRecord.h"
#include "notice/Formatting.h"
#include "notice/NoticeWriter.h"
#include "platform/Alerts.h"
#include "platform/System.h"
#include "notice/ProgramVersion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

// What saving says to the operator: in English whatever the interface
// language, like the field checks' messages.
namespace Message {
const QString FatalErrorTitle = QStringLiteral("Fatal Error");
const QString MissingAdministration =
    QStringLiteral("The Notifying administration is missing, Cannot save the notice");

const QString NoticeNotSavedTitle = QStringLiteral("Notice not saved");
const QString NoFrequencyNorCoordinates =
    QStringLiteral("The notice has no frequency and no coordinates: it was not saved.");

// %1 the box, %2 the character with its code
const QString UnencodableCharacter =
    QStringLiteral("The box %1 holds the character %2, which the notice file cannot hold, "
                   "Cannot save the notice");

// %1 the file name, %2 the system's reason
const QString CannotCreate = QStringLiteral("Cannot create the file %1: %2");

// Added to the file service's own sentence, which names the file and the reason.
const QString FileNotStarted = QStringLiteral(" The file was not started; the screen stays as it was.");
const QString NoticeNotWritten = QStringLiteral(" The notice was not saved; it stays on the screen.");
const QString TailNotWritten =
    QStringLiteral(" The file is not finished: mend the fault, then press Finish again.");
const QString CloseFailed =
    QStringLiteral(" Every line had been written to the disk before; check the file.");
} // namespace Message

// The boxes whose text makes a notice worth writing: the frequency and the
// coordinates, of the station and of the target assignment.
const QLatin1String NoticeBoxes[] = {
    Control::Txt_1A_FreqAssgn, Control::Txt_01A_TrgFreq,
    Control::Txt_4C_Deg_Long,  Control::Txt_4C_Min_Long,  Control::Txt_4C_Sec_Long, Control::Txt_4C_EW,
    Control::Txt_4C_Deg_Lat,   Control::Txt_4C_Min_Lat,   Control::Txt_4C_Sec_Lat,  Control::Txt_4C_NS,
    Control::Txt_04C_Deg_Long, Control::Txt_04C_Min_Long, Control::Txt_04C_Sec_Long, Control::Txt_04C_EW,
    Control::Txt_04C_Deg_Lat,  Control::Txt_04C_Min_Lat,  Control::Txt_04C_Sec_Lat,  Control::Txt_04C_NS,
};

} // namespace

NoticeFileSession::NoticeFileSession(FormControls &controls, VisibilityRules &visibility)
    : QObject(&controls.window()), m_controls(controls), m_visibility(visibility)
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
    const QString day = QString::number(date.year()) + QString::number(date.month())
                        + QString::number(date.day());
    const QString moment = QString::number(time.hour()) + QString::number(time.minute())
                           + QString::number(time.second());
    return QDir::toNativeSeparators(platform::programFolder()) + QDir::separator() + prefix + day
           + QLatin1Char('-') + moment + QLatin1Char('-') + Formatting::currentUserName()
           + QStringLiteral(".txt");
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
        return SaveOutcome::NoAdministration;
    }

    // Typed data without a frequency or a coordinate would never be written:
    // keep it on the screen rather than clear it away unsaved.
    const bool noticeOnScreen = isNewNotice();
    if (!noticeOnScreen && m_visibility.holdsTypedData()) {
        platform::alerts().exclamation(&m_controls.window(), Message::NoticeNotSavedTitle,
                                       Message::NoFrequencyNorCoordinates);
        return SaveOutcome::Refused;
    }

    NoticeRecord record;
    collectScreen(record, m_controls, m_controls.formKind());
    if (holdsUnencodableCharacter(record))
        return SaveOutcome::Refused;
    if (!m_file.fileOpen && !startFile(record.adm))
        return SaveOutcome::Refused;
    if (noticeOnScreen && !writeNotice(record))
        return SaveOutcome::Refused;

    m_visibility.clearAfterSave();
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
    if (!mayFinishAfter(saveNext()))
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
    case SaveOutcome::NoNoticeOnScreen:
        return true;
    case SaveOutcome::NoAdministration:
        // The message has been shown; a screen without a notice has nothing
        // to lose, but a notice typed without its administration stays.
        return !isNewNotice();
    case SaveOutcome::Refused:
        return false;
    }
    return false;
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
    fatalError(Message::UnencodableCharacter.arg(found->controlName, found->description));
    return true;
}

bool NoticeFileSession::startFile(const QString &adm)
{
    const QString name = m_controls.text(Control::Txt_Filename);
    QString error;
    if (!m_file.textStream.create(name, &error)) {
        fatalError(Message::CannotCreate.arg(name, m_file.textStream.lastReason()));
        return false;
    }

    // The date in the header follows the program's locale, which is the
    // system's unless the program chose another.
    QStringList start = makeHeaderLines(platform::currentDateTime(), Formatting::currentUserName(),
                                        ProgramVersionLabel, QLocale());
    start << makeHeadSection(adm);
    for (const QString &piece : std::as_const(start)) {
        if (!m_file.textStream.writeLine(piece, &error)) {
            // A file without its full start is dropped, so no empty or partial
            // file is left behind: the next save creates it again. Only a plain
            // file is removed, never a device or a link the operator named.
            m_file.textStream.close(nullptr);
            const QFileInfo written(name);
            if (written.isFile() && !written.isSymLink())
                QFile::remove(name);
            fatalError(error + Message::FileNotStarted);
            return false;
        }
    }

    m_file.fileOpen = true;
    // Every notice of the file goes under the administration of its HEAD.
    m_controls.textBox(Control::Txt_Filename)->setReadOnly(true);
    m_controls.control(Control::Txt_B_Adm)->setEnabled(false);
    return true;
}

bool NoticeFileSession::writeNotice(const NoticeRecord &record)
{
    QString error;
    if (!m_file.textStream.writeLine(makeNoticeSection(record, m_file.noticeNumber), &error)) {
        fatalError(error + Message::NoticeNotWritten);
        return false;
    }
    ++m_file.noticeNumber;
    showCounter();
    return true;
}

// Writes the TAIL and closes the file. A TAIL that cannot be written keeps
// the window open so that Finish can try again. A failed close cannot be
// tried again (the file is released either way) and every line was synced
// before it, so it is reported and the run ends.
bool NoticeFileSession::completeFile()
{
    QString error;
    if (!m_file.textStream.writeLine(Formatting::makeTail(m_file.noticeNumber - 1), &error)) {
        fatalError(error + Message::TailNotWritten);
        return false;
    }
    if (!m_file.textStream.close(&error))
        fatalError(error + Message::CloseFailed);
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
