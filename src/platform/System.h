#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace platform {

// Readings of the operating system that the program makes: the clock, the login
// name, the program's own folder, the user's documents folder and the regional
// settings. Each reading has an override that tests set through SystemOverrides,
// so a test fixes the moment, the user and the folders.

// The current local date and time.
QDateTime currentDateTime();

// The account name of the effective user, as the system gives it; empty when the
// system knows no name for that user.
QString loginName();

// The folder that holds the program file, without a trailing separator.
QString programFolder();

// The user's documents folder, without a trailing separator. It may not exist.
QString documentsFolder();

// The folder where a new output file is proposed: the program's folder when the
// user may write there (a program run from its build folder or a folder of its
// own), else the documents folder (a program installed in /usr/bin), which is
// made when it is missing.
QString defaultOutputFolder();

// A value of the operating system's regional profile ("intl" section). This
// platform keeps no such profile, so every key reads empty.
QString regionalSetting(const QString &section, const QString &key);

// Overrides for tests: set a member and the matching reading returns it for the
// life of the object; the previous overrides come back when it is destroyed.
class SystemOverrides
{
public:
    SystemOverrides();
    ~SystemOverrides();
    SystemOverrides(const SystemOverrides &) = delete;
    SystemOverrides &operator=(const SystemOverrides &) = delete;

    void setDateTime(const QDateTime &moment);
    void setLoginName(const QString &name);
    void setProgramFolder(const QString &folder);
    void setDocumentsFolder(const QString &folder);

    struct Values
    {
        std::optional<QDateTime> dateTime;
        std::optional<QString> loginName;
        std::optional<QString> programFolder;
        std::optional<QString> documentsFolder;
    };

private:
    Values m_saved;
};

// Out of memory anywhere (operator new, or a Qt container that cannot grow),
// the program writes a line to its error output, removes the lock files it
// holds and stops with exit status 3, rather than aborting with its locks
// left behind. Every notice reported saved is already on the disk. Each
// program calls this first.
void stopCleanlyWhenOutOfMemory(const char *programName);

// Qt says on stderr that it makes a runtime folder of its own when a program
// on the offscreen platform runs outside a desktop session (cron, a bare ssh
// login). The runs whose stderr is their report (scripted runs, imports,
// notice-check's report) leave that one notice out; every other message
// goes on as before. Called before the application object is made.
void leaveOutRuntimeFolderNotice();

} // namespace platform
