#pragma once

#include "form/Language.h"
#include "notice/FormKind.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The main menu: the choice of interface language and of notice form, Go and
// Exit, and the version label. It holds the language chosen and hands it to
// each capture window it opens.
//
// The menu does not know the capture windows: Go hands the chosen form kind to
// the form opener, which shows the window modally and returns once it is
// closed, so Go waits inside the call.
class MainMenu : public QWidget
{
    Q_OBJECT

public:
    using FormOpener = std::function<void(FormKind, Language)>;

    explicit MainMenu(QWidget *parent = nullptr);

    void setFormOpener(FormOpener opener);

    // The interface language chosen on the menu.
    Language language() const { return m_language; }

private:
    void buildControls();
    void arrangeTabOrder();
    void connectHandlers();
    void startUp();
    void applyLanguage(Language language);
    void go();
    void remindToChooseForm();

    QGroupBox *m_frmSelectNtc = nullptr;
    QRadioButton *m_optT01 = nullptr;
    QRadioButton *m_optT02 = nullptr;
    QPushButton *m_buttonGo = nullptr;
    QPushButton *m_buttonExit = nullptr;
    QLabel *m_lblProgrVer = nullptr;
    QGroupBox *m_frmLanguage = nullptr;
    QRadioButton *m_optEnglish = nullptr;
    QRadioButton *m_optFrench = nullptr;
    QRadioButton *m_optSpanish = nullptr;

    FormOpener m_formOpener;
    Language m_language = Language::English;
};
