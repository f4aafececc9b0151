#pragma once

// What the saving tests share: a capture window opened in a fresh folder with
// the clock (7 December 2005, 14:03:27), the login name ("operator") and the
// program's folder fixed and every message box recorded; the pieces of the
// files it writes, and the typing of the notices that make them.

#include "ExpectedAlerts.h"
#include "WindowDriver.h"

#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"
#include "platform/System.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FormKind)

inline const QString FatalError = QStringLiteral("Fatal Error");
inline const QString MissingAdministration =
    QStringLiteral("The Notifying administration is missing, Cannot save the notice");
// The program's own titles, in English.
inline const QString NoticeNotSaved = QStringLiteral("Notice not saved");
inline const QString FileNotFinished = QStringLiteral("File not finished");
inline const QString FileNotClosed = QStringLiteral("File not closed");

// Lines joined as the file holds them: each followed by CR LF.
inline QByteArray fileText(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The start of a file written on 7 December 2005 at 14:03:27 by "operator",
// with a day.month.year short date.
inline QStringList fileStart(const QString &adm)
{
    return {"File captured on 07.12.2005-14:03:27", "Processed by operator",
            "Program Id:  Norvane Analog Version 1.61 / 12.12.2005", "<HEAD>", "t_adm = " + adm, "</HEAD>"};
}

inline QStringList tail(int count)
{
    return {"<TAIL>", QStringLiteral("t_num_notices = %1").arg(count), "</TAIL>", ""};
}

// A T01 notice that holds nothing but a frequency, under the date and
// fragment typed once for the file.
inline Steps frequencyOnly(const QString &frequency)
{
    return {type(Control::Txt_1A_FreqAssgn, frequency)};
}

inline QStringList frequencyOnlyNotice(int number, const QString &frequency)
{
    return {"<NOTICE>", QStringLiteral("Notice No = %1").arg(number), "t_notice_type = T01",
            "t_d_adm_ntc = 2005-12-07", "t_fragment = GE84", "t_freq_assgn = " + frequency, "", "</NOTICE>"};
}

inline const Steps AdministrationDateAndFragment = {
    type(Control::Txt_B_Adm, "F"), type(Control::Txt_Ntc_DD, "7"), type(Control::Txt_Ntc_MM, "12"),
    type(Control::Txt_Ntc_YY, "2005"), click(Control::OptFrg_Ge84),
};

// The window, its folder and the fixed system of one test case: set up by
// the test's init(), taken down by its cleanup().
class SavingFixture
{
protected:
    void setUp()
    {
        // Header dates in the day.month.year short format.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_system = std::make_unique<platform::SystemOverrides>();
        m_system->setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        m_system->setLoginName("operator");
        m_system->setProgramFolder(m_folder->path());
        m_alerts = std::make_unique<platform::ScopedRecordingAlerts>();
    }

    void tearDown()
    {
        // Destroyed without closing, which would run Finish.
        m_drive.reset();
        m_window.reset();
        m_alerts.reset();
        m_system.reset();
        m_folder.reset();
        QLocale::setDefault(QLocale::c());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    CaptureWindow &open(FormKind kind, Language language = Language::English)
    {
        m_window = std::make_unique<CaptureWindow>(kind, language);
        m_drive = std::make_unique<WindowDriver>(*m_window);
        m_drive->show();
        return *m_window;
    }

    QString path(const QString &name) const { return m_folder->filePath(name); }
    QString defaultPath(FormKind kind) const
    {
        return path(kind == FormKind::T01 ? "T01M-2005127-14327-operator.txt" : "T02M-2005127-14327-operator.txt");
    }
    // The notice files of the folder; the lock beside a file being written is not one.
    QStringList files() const
    {
        QStringList names = QDir(m_folder->path()).entryList(QDir::Files);
        names.removeIf([](const QString &name) { return name.endsWith(".lock"); });
        return names;
    }
    static QByteArray contents(const QString &fileName)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return "(no file " + fileName.toLocal8Bit() + ")";
        return file.readAll();
    }
    QLineEdit *box(const QString &name) const { return m_window->textBox(name); }
    const CaptureFile &captureFile() const { return m_window->saving().captureFile(); }

    // Ends the run the way the row names: "Finish", "close" or "reject".
    void endRun(const QString &how)
    {
        if (how == QLatin1String("Finish"))
            m_drive->finish();
        else if (how == QLatin1String("close"))
            m_window->close();
        else
            m_window->reject();
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<platform::SystemOverrides> m_system;
    std::unique_ptr<platform::ScopedRecordingAlerts> m_alerts;
    std::unique_ptr<CaptureWindow> m_window;
    std::unique_ptr<WindowDriver> m_drive;
};
