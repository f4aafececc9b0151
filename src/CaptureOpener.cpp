#include "CaptureOpener.h"

#include "capture/CaptureWindow.h"
#include "capture/NoticeFileSession.h"

#include "form/LanguageInstaller.h"
#include "notice/SavedNoticeFile.h"
#include "platform/Alerts.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>

namespace {

// The form of a saved file as its notices tell it; nothing when they do not
// (no notice yet, only suppressions) or the file cannot be read.
std::optional<FormKind> formOfFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readSavedNoticeFile(file).formKind;
}

} // namespace

MainMenu::FormOpener captureWindowOpener(MainMenu *menu)
{
    return [menu](FormKind kind, Language language) {
        // Each opening loads the window anew: its captions follow the language
        // chosen at that moment and it starts a new output file.
        installLanguage(language);
        QPointer<CaptureWindow> window = new CaptureWindow(kind, language, menu);
        window->keepDrafts();
        // Once the window shows, a notice a run stopped midway left for a new
        // file is offered back.
        QTimer::singleShot(0, window, &CaptureWindow::offerNewFileDrafts);
        window->exec();
        // The window is not deleted on closing; the guard only keeps this
        // safe should that ever change.
        if (window)
            menu->showSummary(window->finishedSummary());
        delete window;
    };
}

MainMenu::FileOpener captureFileOpener(MainMenu *menu)
{
    return [menu](const QString &file, Language language, std::optional<FormKind> chosenForm) {
        std::optional<FormKind> kind = formOfFile(file);
        if (!kind)
            kind = chosenForm;
        // A file that cannot be read is explained by the window's own opening.
        if (!kind && QFile::exists(file)) {
            platform::alerts().exclamation(
                menu, QCoreApplication::translate("CaptureOpener", "Open a file"),
                QCoreApplication::translate("CaptureOpener",
                                            "The file %1 holds no notice that tells its form: choose "
                                            "the form on the menu, then open the file again.")
                    .arg(file));
            return;
        }
        installLanguage(language);
        QPointer<CaptureWindow> window = new CaptureWindow(kind.value_or(FormKind::T01), language, menu);
        // A notice left unsaved for this file is offered back once it shows.
        window->keepDrafts();
        if (window->saving().openFile(file)) {
            window->exec();
            if (window)
                menu->showSummary(window->finishedSummary());
        }
        delete window;
    };
}
