#include "CaptureOpener.h"

#include "capture/CaptureWindow.h"

#include <QPointer>

MainMenu::FormOpener captureWindowOpener(QWidget *menu)
{
    return [menu](FormKind kind, Language language) {
        // Each opening loads the window anew: its captions follow the language
        // chosen at that moment and it starts a new output file.
        QPointer<CaptureWindow> window = new CaptureWindow(kind, language, menu);
        window->exec();
        // The window is not deleted on closing; the guard only keeps this
        // safe should that ever change.
        delete window;
    };
}
