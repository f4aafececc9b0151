#pragma once

// What the tests of scripted runs share: the pieces of the files the runs
// write, and a runner that plays a script, held as an object or read from a
// file, in a folder of its own on a fixed clock.

#include "platform/System.h"
#include "replay/ScriptedRun.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <memory>

// Every file of these runs is captured on 7 December 2005 at 14:03:27 by
// "operator", with a day.month.year short date.
const QByteArray Header = "File captured on 07.12.2005-14:03:27\r\n"
                          "Processed by operator\r\n"
                          "Program Id:  Norvane Analog Version 1.61 / 12.12.2005\r\n";

inline QByteArray head(const QByteArray &adm)
{
    return "<HEAD>\r\nt_adm = " + adm + "\r\n</HEAD>\r\n";
}

inline QByteArray tail(int count)
{
    return "<TAIL>\r\nt_num_notices = " + QByteArray::number(count) + "\r\n</TAIL>\r\n\r\n";
}

// The first screen of the runs that stop: one plain T01 notice.
const QByteArray FirstScreen = R"({"Txt_B_Adm": "F", "OptInt_Add": true, "Txt_1A_FreqAssgn": "98.5"})";
const QByteArray FirstNotice = "<NOTICE>\r\n"
                               "Notice No = 1\r\n"
                               "t_notice_type = T01\r\n"
                               "t_action = ADD\r\n"
                               "t_freq_assgn = 98.5\r\n"
                               "\r\n"
                               "</NOTICE>\r\n";

struct RunResult
{
    int status = -1;
    QString out;
    QString err;
};

// Plays scripts for a test: fixMachine() in initTestCase, startFolder() in
// init (each test function gets a new output folder, which is the current
// folder too, so that relative output names land there) and openWindows() in
// cleanup.
class ScriptRunner
{
public:
    void fixMachine()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // dd.MM.yy
        m_system.setDateTime(QDateTime(QDate(2005, 12, 7), QTime(14, 3, 27)));
        m_system.setLoginName(QStringLiteral("operator"));
    }

    // False when the folder could not be made or entered.
    bool startFolder()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        if (!m_folder->isValid())
            return false;
        m_system.setProgramFolder(m_folder->path());
        return QDir::setCurrent(m_folder->path());
    }

    // The windows a run left visible, by name: none, once a run is over.
    static QStringList openWindows()
    {
        QCoreApplication::processEvents();
        QStringList open;
        for (const QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                open.append(widget->objectName());
        }
        return open;
    }

    // The script held as an object.
    RunResult run(const QByteArray &script, const QString &outputOverride = QString(), bool replace = false)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(script, &error);
        if (error.error != QJsonParseError::NoError)
            qWarning("test script: %s at %d", qPrintable(error.errorString()), error.offset);
        RunResult result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = ScriptedRun::run(document.object(), outputOverride, out, err, replace);
        return result;
    }

    // The script in the file script.json of the output folder.
    RunResult runFile(const QByteArray &fileText) { return runFileAt(path(QStringLiteral("script.json")), fileText); }

    // The script in a file outside the output folder, read by the program's
    // own reading of script files.
    RunResult runScriptFile(const QByteArray &fileText, const QString &outputOverride = QString())
    {
        return runFileAt(m_scripts.filePath(QStringLiteral("script.json")), fileText, outputOverride);
    }

    QString folder() const { return m_folder->path(); }
    QString path(const QString &name) const { return m_folder->filePath(name); }

    QByteArray contents(const QString &name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return "(no file " + name.toUtf8() + ")";
        return file.readAll();
    }

private:
    RunResult runFileAt(const QString &scriptPath, const QByteArray &fileText, const QString &outputOverride = QString())
    {
        QFile script(scriptPath);
        if (!script.open(QIODevice::WriteOnly) || script.write(fileText) != fileText.size())
            return {};
        script.close();
        RunResult result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = ScriptedRun::runFile(script.fileName(), outputOverride, out, err);
        return result;
    }

    platform::SystemOverrides m_system;
    std::unique_ptr<QTemporaryDir> m_folder;
    QTemporaryDir m_scripts; // script files kept apart from the output files
};
